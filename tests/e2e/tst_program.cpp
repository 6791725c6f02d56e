#include "desktop.h"
#include "programfolder.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

const QString LockName = QStringLiteral("B99A10245148769.lock");

bool waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (condition())
            return true;
        QThread::msleep(50);
    }
    return condition();
}

} // namespace

class TestProgram : public QObject
{
    Q_OBJECT

private slots:
    void buildLaysOutTheProgramFolder_data();
    void buildLaysOutTheProgramFolder();
    void secondStartEndsAtOnceAndACrashFreesTheGuard();
    void missingDatabaseIsReportedAndTheProgramEnds();
    void typedTextSurvivesAKill();
};

void TestProgram::buildLaysOutTheProgramFolder_data()
{
    QTest::addColumn<QString>("table");
    for (const char *table : {"tb_A", "tb_B", "tb_C", "tb_D", "tb_E"})
        QTest::newRow(table) << QString::fromLatin1(table);
}

void TestProgram::buildLaysOutTheProgramFolder()
{
    QFETCH(QString, table);
    const QString folder = QStringLiteral(TOVAKI_PROGRAM_DIR) + u'/';
    QVERIFY(QFileInfo(folder + "tovaki").isExecutable());
    QVERIFY(QFileInfo::exists(folder + "source/DeskTopBG/A1.bmp"));
    // A copy, so the check never touches the folder's own database.
    ProgramFolder copy;
    QVERIFY(QFile::copy(folder + "Data/UserData.mdb", copy.databasePath()));
    for (const char *column :
         {"MondayCon", "TuesdayCon", "WednesdayCon", "ThursdayCon", "FridayCon", "SaturdayCon", "SundayCon"})
        QCOMPARE(testdb::column(copy.databasePath(), table, QString::fromLatin1(column)), QByteArray(""));
}

void TestProgram::secondStartEndsAtOnceAndACrashFreesTheGuard()
{
    ProgramFolder folder;
    folder.makeDatabase();
    const QString program = folder.installProgram();
    QTemporaryDir runtime;
    const QString lock = runtime.filePath(LockName);

    ProgramRun first(program, runtime.path(), ProgramRun::Platform::Offscreen);
    QVERIFY(waitUntil([&] { return lockfile::held(lock); }, 15000));

    ProgramRun second(program, runtime.path(), ProgramRun::Platform::Offscreen);
    QVERIFY(second.process().waitForFinished(5000));
    QCOMPARE(second.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.process().exitCode(), 0);
    QCOMPARE(first.process().state(), QProcess::Running);

    first.killHard();
    QVERIFY(waitUntil([&] { return !lockfile::held(lock); }, 5000));
    ProgramRun third(program, runtime.path(), ProgramRun::Platform::Offscreen);
    QVERIFY(waitUntil([&] { return lockfile::held(lock); }, 15000));
    QCOMPARE(third.process().state(), QProcess::Running);
}

void TestProgram::missingDatabaseIsReportedAndTheProgramEnds()
{
    QString why;
    if (!desktop::available(&why))
        QSKIP(qPrintable(why));
    ProgramFolder folder; // no Data/UserData.mdb
    const QString program = folder.installProgram();
    QTemporaryDir runtime;
    ProgramRun run(program, runtime.path(), ProgramRun::Platform::X11);

    const QString box = desktop::waitForWindow(run.pid(), QStringLiteral("Tovaki"));
    QVERIFY2(!box.isEmpty(), "no message box appeared");
    QCOMPARE(desktop::xdotool({"getwindowname", box}), QStringLiteral("Tovaki备忘录"));
    QCOMPARE(run.process().state(), QProcess::Running); // it waits for the user
    desktop::xdotool({"windowfocus", "--sync", box});
    desktop::xdotool({"key", "Return"});
    QVERIFY2(run.process().waitForFinished(10000), "the program did not end after the message was confirmed");
    QCOMPARE(run.process().exitCode(), 0);
    QVERIFY(!QFile::exists(folder.databasePath()));
}

void TestProgram::typedTextSurvivesAKill()
{
    QString why;
    if (!desktop::available(&why))
        QSKIP(qPrintable(why));
    ProgramFolder folder;
    folder.makeDatabase();
    const QString program = folder.installProgram();
    QTemporaryDir runtime;
    ProgramRun run(program, runtime.path(), ProgramRun::Platform::X11);

    const QString window = desktop::waitForWindow(run.pid(), QStringLiteral("Memo"));
    QVERIFY2(!window.isEmpty(), "the main window did not appear");
    const QRect bounds = desktop::geometry(window);
    QVERIFY(bounds.width() >= 600);
    // Page A's editor fills the right column of the window.
    const QPoint inEditor = bounds.topLeft() + QPoint(bounds.width() * 3 / 4, bounds.height() / 2);
    desktop::xdotool({"mousemove", "--sync", QString::number(inEditor.x()), QString::number(inEditor.y())});
    desktop::xdotool({"click", "1"});
    const QString typed = QStringLiteral("Typed into page A 42");
    desktop::xdotool({"type", "--delay", "15", typed});

    const auto sunday = [&] {
        return testdb::column(folder.databasePath(), "tb_A", "SundayCon").value_or(QByteArray());
    };
    QVERIFY2(waitUntil([&] { return sunday().contains(typed.toLatin1()); }, 10000), sunday().constData());
    run.killHard();
    QVERIFY(sunday().contains(typed.toLatin1()));
}

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
