#include "lifecycle.h"
#include "mainwindowfixture.h"
#include "rtfcodec.h"
#include "ui_umain.h"
#include "umain.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>

#include <memory>

namespace {

QString plainOf(const QByteArray &bytes)
{
    QTextDocument doc;
    rtf::loadDocument(bytes, &doc);
    return doc.toPlainText();
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showLoadsPageA();
    void typingSavesPageA();
    void lossOfFocusSavesPageA();
    void closeImageSavesThePageAndEnds();
    void otherWaysToEndSaveNothing();
    void closeStopsWhenTheSettingsCannotBeWritten();
    void sizeStaysWithinTheLimits_data();
    void sizeStaysWithinTheLimits();
    void captionImagesFollowThePointer();
    void minimiseKeepsATaskbarEntry();

private:
    TMainFrm *window() const { return m_f->window(); }
    QTextEdit *rdtAbc() const { return m_f->ui()->rdtAbc; }
    QByteArray stored() const { return m_f->column("tb_A", "SundayCon"); }

    std::unique_ptr<MainWindowFixture> m_f;
};

void TestMainWindow::init()
{
    m_f = std::make_unique<MainWindowFixture>();
    m_f->setColumn("tb_A", "SundayCon", "stored page A");
    QVERIFY(m_f->showWindow());
}

void TestMainWindow::cleanup()
{
    m_f.reset();
}

void TestMainWindow::showLoadsPageA()
{
    QCOMPARE(window()->CurPage, 1);
    QCOMPARE(rdtAbc()->toPlainText(), QStringLiteral("stored page A"));
    QVERIFY(window()->PageIoReady());
    QVERIFY(m_f->shown.isEmpty());
    QCOMPARE(stored(), QByteArray("stored page A")); // showing saves nothing
}

void TestMainWindow::typingSavesPageA()
{
    rdtAbc()->setFocus();
    rdtAbc()->moveCursor(QTextCursor::End);
    QTest::keyClicks(rdtAbc(), " 1");
    QCOMPARE(plainOf(stored()), QStringLiteral("stored page A 1"));
}

void TestMainWindow::lossOfFocusSavesPageA()
{
    QApplication::setActiveWindow(window());
    QVERIFY(QTest::qWaitForWindowActive(window()));
    rdtAbc()->setFocus();
    QTRY_VERIFY(rdtAbc()->hasFocus());
    {
        const QSignalBlocker quiet(rdtAbc());
        rdtAbc()->setPlainText("changed quietly");
    }
    QCOMPARE(stored(), QByteArray("stored page A"));
    m_f->ui()->btnfocus->setFocus();
    QTRY_COMPARE(plainOf(stored()), QStringLiteral("changed quietly"));
}

void TestMainWindow::closeImageSavesThePageAndEnds()
{
    {
        const QSignalBlocker quiet(rdtAbc());
        rdtAbc()->setPlainText("saved on close");
    }
    window()->img_close_highlightClick();
    QCOMPARE(plainOf(stored()), QStringLiteral("saved on close"));
    QCOMPARE(window()->SavedWidth, window()->width());
    QCOMPARE(window()->SavedHeight, window()->height());
    QCOMPARE(window()->SavedLeft, window()->x());
    QCOMPARE(window()->SavedTop, window()->y());
    QVERIFY(lifecycle::endRequested());
}

void TestMainWindow::otherWaysToEndSaveNothing()
{
    {
        const QSignalBlocker quiet(rdtAbc());
        rdtAbc()->setPlainText("not saved");
    }
    window()->N_ExitPrjClick();
    QVERIFY(lifecycle::endRequested());
    QCOMPARE(stored(), QByteArray("stored page A"));
}

void TestMainWindow::closeStopsWhenTheSettingsCannotBeWritten()
{
    // A folder in the file's place cannot be replaced by the atomic write.
    QVERIFY(QFile::remove(m_f->folder.file("Data/FormSize.ini")));
    QVERIFY(QDir().mkpath(m_f->folder.file("Data/FormSize.ini")));
    {
        const QSignalBlocker quiet(rdtAbc());
        rdtAbc()->setPlainText("saved before the failure");
    }
    emit m_f->ui()->img_close_highlight->clicked();
    QCOMPARE(m_f->shown.size(), 1);
    QVERIFY(m_f->shown[0].contains("FormSize.ini"));
    QVERIFY(!lifecycle::endRequested());
    QCOMPARE(plainOf(stored()), QStringLiteral("saved before the failure"));
}

void TestMainWindow::sizeStaysWithinTheLimits_data()
{
    QTest::addColumn<QSize>("asked");
    QTest::addColumn<QSize>("got");
    QTest::newRow("below the smallest size") << QSize(500, 400) << QSize(600, 450);
    QTest::newRow("above the largest size") << QSize(1500, 900) << QSize(1280, 800);
    QTest::newRow("within the limits") << QSize(900, 600) << QSize(900, 600);
}

void TestMainWindow::sizeStaysWithinTheLimits()
{
    QFETCH(QSize, asked);
    QFETCH(QSize, got);
    window()->resize(asked);
    QTRY_COMPARE(window()->size(), got);
    // The right column follows all four edges.
    QCOMPARE(m_f->ui()->pnlRight->geometry(), QRect(319, 72, got.width() - 325, got.height() - 120));
}

void TestMainWindow::captionImagesFollowThePointer()
{
    Ui::TMainFrm *ui = m_f->ui();
    const auto shown = [ui] {
        return QList<bool>{ui->img_close_down->isVisibleTo(ui->imgBG->parentWidget()),
                           ui->img_close_highlight->isVisibleTo(ui->imgBG->parentWidget()),
                           ui->img_close_normal->isVisibleTo(ui->imgBG->parentWidget()),
                           ui->img_mini_down->isVisibleTo(ui->imgBG->parentWidget()),
                           ui->img_mini_highlight->isVisibleTo(ui->imgBG->parentWidget()),
                           ui->img_mini_normal->isVisibleTo(ui->imgBG->parentWidget())};
    };
    QCOMPARE(shown(), (QList<bool>{false, false, true, false, false, true}));
    emit ui->img_close_normal->moved();
    QCOMPARE(shown(), (QList<bool>{false, true, false, false, false, true}));
    emit ui->img_close_highlight->pressed(Qt::LeftButton);
    QCOMPARE(shown(), (QList<bool>{true, false, false, false, false, true}));
    emit ui->img_mini_normal->moved(); // the close button goes back to normal
    QCOMPARE(shown(), (QList<bool>{false, false, true, false, true, false}));
    emit ui->imgBG->moved();
    QCOMPARE(shown(), (QList<bool>{false, false, true, false, false, true}));
}

void TestMainWindow::minimiseKeepsATaskbarEntry()
{
    Ui::TMainFrm *ui = m_f->ui();
    emit ui->img_mini_normal->moved();
    emit ui->img_mini_highlight->pressed(Qt::LeftButton);
    emit ui->img_mini_highlight->clicked();
    QTRY_VERIFY(window()->isMinimized());
    QVERIFY(ui->img_mini_normal->isVisibleTo(window()));
    QVERIFY(!ui->img_mini_down->isVisibleTo(window()));
    QVERIFY(!lifecycle::endRequested());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
