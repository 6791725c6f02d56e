#include "lifecycle.h"
#include "mainwindowfixture.h"
#include "rtfcodec.h"
#include "ui_umain.h"
#include "umain.h"

#include <QContextMenuEvent>
#include <QDate>
#include <QFile>
#include <QMenu>
#include <QTest>
#include <QTextDocument>

#include <memory>

namespace {

QString plainOf(const QByteArray &bytes)
{
    QTextDocument doc;
    rtf::loadDocument(bytes, &doc);
    return doc.toPlainText();
}

void typeInto(QTextEdit *editor, const QString &text)
{
    editor->moveCursor(QTextCursor::End);
    QTest::keyClicks(editor, text);
}

} // namespace

// The main window over a real database, shown as the program shows it.
class TestPages : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void selectorOpensThePageMenu();
    void switchingAToBAndBackKeepsEachPagesText();
    void pageCStoresItsPanesInTbC();
    void choosingThePageOnShowSavesAndReloadsIt();
    void storedPageDecidesWhatShows_data();
    void storedPageDecidesWhatShows();
    void unreadableSettingsFileLeavesThePageUnloaded();
    void settingsFileSizesTheWindow_data();
    void settingsFileSizesTheWindow();
    void storedPageOutsideTheMenuFailsToLoad_data();
    void storedPageOutsideTheMenuFailsToLoad();
    void matrixFollowsTheWindowSize_data();
    void matrixFollowsTheWindowSize();
    void pressInAPaneMarksItsTitle_data();
    void pressInAPaneMarksItsTitle();
    void creationLoadsTheBackgroundList();
    void bannerShowsToday();

private:
    void showWindow() { QVERIFY(m_f->showWindow()); }
    Ui::TMainFrm *ui() const { return m_f->ui(); }
    QByteArray column(const char *table, const char *name) const { return m_f->column(table, name); }

    std::unique_ptr<MainWindowFixture> m_f;
};

void TestPages::init()
{
    m_f = std::make_unique<MainWindowFixture>();
    m_f->setColumn("tb_A", "SundayCon", "text of A");
    m_f->setColumn("tb_B", "SundayCon", "text of B");
    m_f->setColumn("tb_C", "SaturdayCon", "first pane");
    m_f->setColumn("tb_C", "SundayCon", "untouched");
    m_f->setColumn("tb_D", "MondayCon", "text of D");
}

void TestPages::cleanup()
{
    m_f.reset();
}

void TestPages::selectorOpensThePageMenu()
{
    showWindow();
    QMenu *menu = m_f->window()->pageMenu();
    QCOMPARE(menu->objectName(), QStringLiteral("ppABC"));
    QStringList items;
    for (QAction *action : menu->actions())
        items << action->text();
    QCOMPARE(items, (QStringList{"A", "B", "C"}));

    const auto rightClick = [this] {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), ui()->spbAbcMenu->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(ui()->spbAbcMenu, &event);
    };
    rightClick(); // before the first click the selector has no menu of its own
    QVERIFY(!menu->isVisible());

    QTest::mouseClick(ui()->spbAbcMenu, Qt::LeftButton);
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), ui()->spbAbcMenu->mapToGlobal(QPoint(0, ui()->spbAbcMenu->height())));
    menu->actions().at(2)->trigger();
    menu->hide();
    QCOMPARE(m_f->window()->CurPage, 3);
    QCOMPARE(ui()->spbAbcMenu->text(), QStringLiteral("C"));

    rightClick(); // from the first click on, a right click opens the same menu
    QTRY_VERIFY(menu->isVisible());
    menu->hide();
}

void TestPages::switchingAToBAndBackKeepsEachPagesText()
{
    showWindow();
    QCOMPARE(ui()->rdtAbc->toPlainText(), QStringLiteral("text of A"));
    m_f->window()->N_BClick();
    QCOMPARE(m_f->window()->CurPage, 2);
    QCOMPARE(ui()->spbAbcMenu->text(), QStringLiteral("B"));
    QCOMPARE(ui()->rdtAbc->toPlainText(), QStringLiteral("text of B"));
    typeInto(ui()->rdtAbc, " more");
    QCOMPARE(plainOf(column("tb_B", "SundayCon")), QStringLiteral("text of B more"));

    m_f->window()->N_AClick();
    QCOMPARE(m_f->window()->CurPage, 1);
    QCOMPARE(ui()->rdtAbc->toPlainText(), QStringLiteral("text of A"));
    QCOMPARE(ui()->rdtAbc->palette().color(QPalette::Base), QColor(249, 251, 224));
    QVERIFY(!ui()->pnlSix->isVisible());
    QCOMPARE(plainOf(column("tb_A", "SundayCon")), QStringLiteral("text of A"));
    QVERIFY(m_f->shown.isEmpty());
}

void TestPages::pageCStoresItsPanesInTbC()
{
    showWindow();
    m_f->window()->N_CClick();
    QCOMPARE(m_f->window()->CurPage, 3);
    QVERIFY(ui()->pnlSix->isVisible());
    QCOMPARE(ui()->redt1->toPlainText(), QStringLiteral("first pane"));
    typeInto(ui()->redt6, "temporary");
    QCOMPARE(plainOf(column("tb_C", "MondayCon")), QStringLiteral("temporary"));
    QCOMPARE(plainOf(column("tb_C", "SaturdayCon")), QStringLiteral("first pane"));
    QCOMPARE(column("tb_C", "SundayCon"), QByteArray("untouched"));
    QCOMPARE(ui()->rdtAbc->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));

    // Back on A the panes keep their text hidden; the next switch to C reloads them.
    m_f->window()->N_AClick();
    ui()->redt6->document()->setPlainText("changed while hidden");
    m_f->window()->N_CClick();
    QCOMPARE(ui()->redt6->toPlainText(), QStringLiteral("temporary"));
}

void TestPages::choosingThePageOnShowSavesAndReloadsIt()
{
    showWindow();
    typeInto(ui()->rdtAbc, "!");
    m_f->window()->N_AClick();
    QCOMPARE(ui()->rdtAbc->toPlainText(), QStringLiteral("text of A!"));
    QCOMPARE(plainOf(column("tb_A", "SundayCon")), QStringLiteral("text of A!"));
    QCOMPARE(m_f->window()->CurPage, 1);
}

void TestPages::storedPageDecidesWhatShows_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("matrix");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("abcText");
    QTest::newRow("no settings file shows page A") << QByteArray() << 1 << false << "A"
                                                   << "text of A";
    QTest::newRow("stored page B") << QByteArray("2\r\n800\r\n600\r\n0\r\n0\r\n") << 2 << false << "B"
                                   << "text of B";
    QTest::newRow("stored page C shows the matrix")
        << QByteArray("3\r\n800\r\n600\r\n0\r\n0\r\n") << 3 << true << "C" << QString();
    QTest::newRow("stored page D shows tb_D under the caption C")
        << QByteArray("4\r\n800\r\n600\r\n0\r\n0\r\n") << 4 << false << "C"
        << "text of D";
}

void TestPages::storedPageDecidesWhatShows()
{
    QFETCH(QByteArray, settings);
    QFETCH(int, page);
    QFETCH(bool, matrix);
    QFETCH(QString, caption);
    QFETCH(QString, abcText);
    if (!settings.isEmpty())
        m_f->writeFile("Data/FormSize.ini", settings);
    showWindow();
    QCOMPARE(m_f->window()->CurPage, page);
    QCOMPARE(ui()->pnlSix->isVisible(), matrix);
    QCOMPARE(ui()->spbAbcMenu->text(), caption);
    QCOMPARE(ui()->rdtAbc->toPlainText(), abcText);
    QCOMPARE(ui()->rdtAbc->palette().color(QPalette::Base), QColor(249, 251, 224));
    QVERIFY(m_f->window()->PageIoReady());
    QVERIFY(QFile::exists(m_f->folder.file("Data/FormSize.ini")));
}

void TestPages::unreadableSettingsFileLeavesThePageUnloaded()
{
    m_f->writeFile("Data/FormSize.ini", "3\r\n800\r\n600\r\n0\r\n");
    showWindow();
    QCOMPARE(m_f->shown.size(), 1);
    QVERIFY(m_f->shown[0].contains(QStringLiteral("FormSize.ini")));
    QCOMPARE(m_f->window()->CurPage, 0);
    QCOMPARE(m_f->window()->SavedWidth, 800);
    QVERIFY(!m_f->window()->PageIoReady());
    QCOMPARE(ui()->rdtAbc->toPlainText(), QString());
}

void TestPages::settingsFileSizesTheWindow_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QSize>("saved");
    QTest::addColumn<QByteArray>("writtenOnClose");
    QTest::newRow("a size above the limits opens at the largest size")
        << QByteArray("1\r\n1500\r\n900\r\n-50\r\n20\r\n") << QSize(1280, 800) << QSize(1500, 900)
        << QByteArray("1\r\n1280\r\n800\r\n-50\r\n20\r\n");
    QTest::newRow("a width of 599 opens at the smallest size")
        << QByteArray("2\r\n599\r\n700\r\n10\r\n20\r\n") << QSize(600, 450) << QSize(600, 450)
        << QByteArray("2\r\n600\r\n450\r\n10\r\n20\r\n");
    QTest::newRow("a height of 449 opens at the smallest size")
        << QByteArray("3\r\n800\r\n449\r\n10\r\n20\r\n") << QSize(600, 450) << QSize(600, 450)
        << QByteArray("3\r\n600\r\n450\r\n10\r\n20\r\n");
}

void TestPages::settingsFileSizesTheWindow()
{
    QFETCH(QByteArray, settings);
    QFETCH(QSize, window);
    QFETCH(QSize, saved);
    QFETCH(QByteArray, writtenOnClose);
    m_f->writeFile("Data/FormSize.ini", settings);
    showWindow();
    QTRY_COMPARE(m_f->window()->size(), window);
    QCOMPARE(QSize(m_f->window()->SavedWidth, m_f->window()->SavedHeight), saved);
    m_f->window()->img_close_highlightClick();
    QFile file(m_f->folder.file("Data/FormSize.ini"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), writtenOnClose);
}

void TestPages::storedPageOutsideTheMenuFailsToLoad_data()
{
    QTest::addColumn<int>("page");
    QTest::newRow("page 0") << 0;
    QTest::newRow("page 6") << 6;
}

void TestPages::storedPageOutsideTheMenuFailsToLoad()
{
    QFETCH(int, page);
    m_f->writeFile("Data/FormSize.ini", QStringLiteral("%1\r\n800\r\n600\r\n0\r\n0\r\n").arg(page).toLatin1());
    showWindow();
    QCOMPARE(m_f->shown, QStringList{"加载记事内容失败！"});
    QCOMPARE(m_f->window()->CurPage, page);
    QVERIFY(!m_f->window()->PageIoReady());
    typeInto(ui()->rdtAbc, "typed after the failure");
    QCOMPARE(plainOf(column("tb_A", "SundayCon")), QStringLiteral("text of A"));
}

void TestPages::matrixFollowsTheWindowSize_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QRect>("redt1");
    QTest::addColumn<QRect>("redt6");
    QTest::newRow("at the design size") << QSize(1264, 762) << QRect(1, 25, 309, 289) << QRect(621, 337, 310, 299);
    QTest::newRow("at the smallest size") << QSize(600, 450) << QRect(1, 25, 88, 133) << QRect(179, 181, 89, 143);
}

void TestPages::matrixFollowsTheWindowSize()
{
    QFETCH(QSize, window);
    QFETCH(QRect, redt1);
    QFETCH(QRect, redt6);
    m_f->writeFile("Data/FormSize.ini",
                   QStringLiteral("3\r\n%1\r\n%2\r\n0\r\n0\r\n").arg(window.width()).arg(window.height()).toLatin1());
    showWindow();
    QTRY_COMPARE(m_f->window()->size(), window);
    QCOMPARE(ui()->pnlSix->size(), window - QSize(1264 - 933, 762 - 641));
    QCOMPARE(ui()->redt1->geometry(), redt1);
    QCOMPARE(ui()->redt6->geometry(), redt6);
    QVERIFY(!ui()->imgSelColor->isVisible()); // no pane was clicked yet
}

void TestPages::pressInAPaneMarksItsTitle_data()
{
    QTest::addColumn<int>("pane");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QRect>("mark");
    QTest::newRow("a left click in the top left pane") << 0 << Qt::LeftButton << QRect(1, 0, 308, 26);
    QTest::newRow("a right click in the bottom right pane") << 5 << Qt::RightButton << QRect(621, 313, 310, 26);
}

void TestPages::pressInAPaneMarksItsTitle()
{
    QFETCH(int, pane);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QRect, mark);
    m_f->writeFile("Data/FormSize.ini", "3\r\n1264\r\n762\r\n0\r\n0\r\n");
    showWindow();
    QTRY_COMPARE(m_f->window()->size(), QSize(1264, 762));
    QTextEdit *const panes[] = {ui()->redt1, ui()->redt2, ui()->redt3, ui()->redt4, ui()->redt5, ui()->redt6};
    QTest::mouseClick(panes[pane]->viewport(), button, {}, QPoint(20, 20));
    QCOMPARE(FocusedPane, pane);
    QVERIFY(ui()->imgSelColor->isVisible());
    QCOMPARE(ui()->imgSelColor->geometry(), mark);

    // A resize puts the bar back over the same pane, a switch away hides it with the matrix.
    m_f->window()->resize(900, 600);
    QTRY_COMPARE(m_f->window()->size(), QSize(900, 600));
    QVERIFY(ui()->imgSelColor->isVisible());
    QCOMPARE(ui()->imgSelColor->y(), mark.y() == 0 ? 0 : ui()->imgtitle_year2->y());
    m_f->window()->N_AClick();
    QVERIFY(!ui()->imgSelColor->isVisible());
    QCOMPARE(FocusedPane, pane);
}

void TestPages::creationLoadsTheBackgroundList()
{
    showWindow();
    QVERIFY(QFile::exists(m_f->folder.file("Data/BGPicList.ini")));
    QCOMPARE(m_f->window()->CurBGPic, QStringLiteral("A1.bmp"));
}

void TestPages::bannerShowsToday()
{
    showWindow();
    QVERIFY(ui()->lblDateTime->text().startsWith(QStringLiteral("今天是 %1年").arg(QDate::currentDate().year())));
}

QTEST_MAIN(TestPages)
#include "tst_pages.moc"
