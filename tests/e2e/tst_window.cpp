#include "desktop.h"
#include "programfolder.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

const QColor AbcColour(249, 251, 224);
const QColor PaneColour(234, 249, 255);

void writeFormSize(const ProgramFolder &folder, int page, QSize size)
{
    QFile file(folder.file("Data/FormSize.ini"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        QStringLiteral("%1\r\n%2\r\n%3\r\n20\r\n10\r\n").arg(page).arg(size.width()).arg(size.height()).toLatin1());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Points inside the editors, relative to the window: page A's rdtAbc and page C's top left pane.
QPoint inAbc()
{
    return {319 + 40, 72 + 40};
}
QPoint inFirstPane()
{
    return {319 + 4 + 1 + 40, 72 + 3 + 25 + 40};
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pagesShowAsStored_data();
    void pagesShowAsStored();
    void switchToCTypeCloseAndRestart();
    void frameFollowsThePointer_data();
    void frameFollowsThePointer();
};

void TestWindow::initTestCase()
{
    QString why;
    if (!desktop::available(&why) || QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP(qPrintable(why.isEmpty() ? QStringLiteral("no X connection") : why));
}

void TestWindow::pagesShowAsStored_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("shot");
    QTest::newRow("page A at the design size") << 1 << QSize(1264, 762) << "page-a-1264x762.png";
    QTest::newRow("page C at the design size") << 3 << QSize(1264, 762) << "page-c-1264x762.png";
    QTest::newRow("page A at the smallest size") << 1 << QSize(600, 450) << "page-a-600x450.png";
    QTest::newRow("page C at the smallest size") << 3 << QSize(600, 450) << "page-c-600x450.png";
}

void TestWindow::pagesShowAsStored()
{
    QFETCH(int, page);
    QFETCH(QSize, size);
    QFETCH(QString, shot);
    ProgramFolder folder;
    folder.makeDatabase();
    writeFormSize(folder, page, size);
    const QString program = folder.installProgram();
    QTemporaryDir runtime;
    ProgramRun run(program, runtime.path(), ProgramRun::Platform::X11);

    const QString window = desktop::waitForWindow(run.pid(), QStringLiteral("Memo"));
    QVERIFY2(!window.isEmpty(), "the main window did not appear");
    QTRY_COMPARE(desktop::geometry(window), QRect(QPoint(20, 10), size));
    const QRect bounds = desktop::geometry(window);
    const QPoint probe = bounds.topLeft() + (page == 3 ? inFirstPane() : inAbc());
    const QColor expected = page == 3 ? PaneColour : AbcColour;
    QCOMPARE(desktop::waitForPixel(probe, expected).name(), expected.name());

    const QString folderForShots = qEnvironmentVariable("TOVAKI_SCREENSHOTS");
    if (!folderForShots.isEmpty()) {
        QDir().mkpath(folderForShots);
        QVERIFY(desktop::grab(bounds).save(QDir(folderForShots).filePath(shot)));
    }
}

void TestWindow::switchToCTypeCloseAndRestart()
{
    ProgramFolder folder;
    folder.makeDatabase();
    const QString program = folder.installProgram();
    QTemporaryDir runtime;
    const QString typed = QStringLiteral("pane one 7");
    {
        ProgramRun run(program, runtime.path(), ProgramRun::Platform::X11);
        const QString window = desktop::waitForWindow(run.pid(), QStringLiteral("Memo"));
        QVERIFY2(!window.isEmpty(), "the main window did not appear");
        QCOMPARE(readFile(folder.file("Data/FormSize.ini")).left(3), QByteArray("1\r\n"));
        QRect bounds;
        QTRY_COMPARE((bounds = desktop::geometry(window)).size(), QSize(600, 450));
        const auto at = [&](QPoint p) {
            desktop::xdotool(
                {"mousemove", "--sync", QString::number(bounds.x() + p.x()), QString::number(bounds.y() + p.y())});
        };

        at({430 + 11, 44 + 11}); // the page selector
        desktop::xdotool({"click", "1"});
        // The menu is a window of its own; keys go to it once it is up.
        QTRY_VERIFY(desktop::xdotool({"search", "--onlyvisible", "--pid", QString::number(run.pid()), "--name", ""})
                        .split(u'\n', Qt::SkipEmptyParts)
                        .size() >= 2);
        desktop::xdotool({"key", "Down", "Down", "Down", "Return"});
        QCOMPARE(desktop::waitForPixel(bounds.topLeft() + inFirstPane(), PaneColour).name(), PaneColour.name());

        at(inFirstPane());
        desktop::xdotool({"click", "1"});
        desktop::xdotool({"type", "--delay", "15", typed});
        const auto saturday = [&] {
            return testdb::column(folder.databasePath(), "tb_C", "SaturdayCon").value_or(QByteArray());
        };
        QTRY_VERIFY_WITH_TIMEOUT(saturday().contains(typed.toLatin1()), 10000);

        at({bounds.width() - 20, 10}); // over the close image: it lights up, then takes the click
        QThread::msleep(200);
        desktop::xdotool({"click", "1"});
        QVERIFY2(run.process().waitForFinished(10000), "the close image did not end the program");
        QCOMPARE(run.process().exitCode(), 0);
    }
    QCOMPARE(readFile(folder.file("Data/FormSize.ini")).left(3), QByteArray("3\r\n"));

    ProgramRun again(program, runtime.path(), ProgramRun::Platform::X11);
    const QString window = desktop::waitForWindow(again.pid(), QStringLiteral("Memo"));
    QVERIFY(!window.isEmpty());
    const QRect bounds = desktop::geometry(window);
    QCOMPARE(desktop::waitForPixel(bounds.topLeft() + inFirstPane() + QPoint(0, 60), PaneColour).name(),
             PaneColour.name());
    QVERIFY(testdb::column(folder.databasePath(), "tb_C", "SaturdayCon").value_or("").contains(typed.toLatin1()));
}

void TestWindow::frameFollowsThePointer_data()
{
    QTest::addColumn<QPoint>("grip");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QPoint>("drag");
    QTest::addColumn<QRect>("expected");
    // The window starts at 20, 10, 800 × 600.
    QTest::newRow("the logo moves the window") << QPoint(100, 30) << "1" << QPoint(60, 40) << QRect(80, 50, 800, 600);
    QTest::newRow("the background moves it with the right button too")
        << QPoint(150, 560) << "3" << QPoint(-15, 25) << QRect(5, 35, 800, 600);
    QTest::newRow("the right edge widens the window")
        << QPoint(800 - 2, 300) << "1" << QPoint(120, 0) << QRect(20, 10, 920, 600);
    QTest::newRow("the bottom right corner stops at the smallest size")
        << QPoint(800 - 2, 600 - 2) << "1" << QPoint(-400, -400) << QRect(20, 10, 600, 450);
}

void TestWindow::frameFollowsThePointer()
{
    QFETCH(QPoint, grip);
    QFETCH(QString, button);
    QFETCH(QPoint, drag);
    QFETCH(QRect, expected);
    ProgramFolder folder;
    folder.makeDatabase();
    writeFormSize(folder, 1, QSize(800, 600));
    const QString program = folder.installProgram();
    QTemporaryDir runtime;
    ProgramRun run(program, runtime.path(), ProgramRun::Platform::X11);
    const QString window = desktop::waitForWindow(run.pid(), QStringLiteral("Memo"));
    QVERIFY(!window.isEmpty());
    QTRY_COMPARE(desktop::geometry(window), QRect(20, 10, 800, 600));

    const QPoint start = QPoint(20, 10) + grip;
    desktop::xdotool({"mousemove", "--sync", QString::number(start.x()), QString::number(start.y())});
    desktop::xdotool({"mousedown", button});
    // Several steps, as a hand would move it.
    for (int step = 1; step <= 4; ++step) {
        const QPoint p = start + drag * step / 4;
        desktop::xdotool({"mousemove", "--sync", QString::number(p.x()), QString::number(p.y())});
    }
    desktop::xdotool({"mouseup", button});
    QTRY_COMPARE(desktop::geometry(window), expected);
}

int main(int argc, char **argv)
{
    // Pixels are read from the X server the program runs on.
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    TestWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_window.moc"
