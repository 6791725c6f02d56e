#include "lifecycle.h"
#include "messages.h"
#include "notedb.h"
#include "paths.h"
#include "programfolder.h"
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
    QTextEdit *rdtAbc() const { return m_window->findChild<QTextEdit *>(QStringLiteral("rdtAbc")); }
    QByteArray stored() const { return testdb::column(m_folder->databasePath(), "tb_A", "SundayCon").value_or(""); }

    std::unique_ptr<ProgramFolder> m_folder;
    std::unique_ptr<NoteDb> m_db;
    std::unique_ptr<TMainFrm> m_window;
    QStringList m_shown;
    messages::Sink m_previous;
};

void TestMainWindow::init()
{
    m_folder = std::make_unique<ProgramFolder>();
    m_folder->makeDatabase();
    testdb::setColumn(m_folder->databasePath(), "tb_A", "SundayCon", "stored page A");
    paths::setProgramFolder(m_folder->path());
    m_shown.clear();
    m_previous = messages::setSink([this](messages::Kind, const QString &text) { m_shown.append(text); });
    m_db = std::make_unique<NoteDb>();
    m_db->open(m_folder->databasePath());
    m_window = std::make_unique<TMainFrm>(*m_db);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestMainWindow::cleanup()
{
    m_window.reset();
    m_db.reset();
    messages::setSink(m_previous);
    paths::setProgramFolder(QString());
    lifecycle::resetEndRequest();
}

void TestMainWindow::showLoadsPageA()
{
    QCOMPARE(m_window->CurPage, 1);
    QCOMPARE(rdtAbc()->toPlainText(), QStringLiteral("stored page A"));
    QVERIFY(m_window->PageIoReady());
    QVERIFY(m_shown.isEmpty());
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
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    rdtAbc()->setFocus();
    QTRY_VERIFY(rdtAbc()->hasFocus());
    {
        const QSignalBlocker quiet(rdtAbc());
        rdtAbc()->setPlainText("changed quietly");
    }
    QCOMPARE(stored(), QByteArray("stored page A"));
    m_window->findChild<QPushButton *>(QStringLiteral("btnfocus"))->setFocus();
    QTRY_COMPARE(plainOf(stored()), QStringLiteral("changed quietly"));
}

void TestMainWindow::closeImageSavesThePageAndEnds()
{
    {
        const QSignalBlocker quiet(rdtAbc());
        rdtAbc()->setPlainText("saved on close");
    }
    m_window->img_close_highlightClick();
    QCOMPARE(plainOf(stored()), QStringLiteral("saved on close"));
    QCOMPARE(m_window->SavedWidth, m_window->width());
    QCOMPARE(m_window->SavedHeight, m_window->height());
    QCOMPARE(m_window->SavedLeft, m_window->x());
    QCOMPARE(m_window->SavedTop, m_window->y());
    QVERIFY(lifecycle::endRequested());
}

void TestMainWindow::otherWaysToEndSaveNothing()
{
    {
        const QSignalBlocker quiet(rdtAbc());
        rdtAbc()->setPlainText("not saved");
    }
    m_window->N_ExitPrjClick();
    QVERIFY(lifecycle::endRequested());
    QCOMPARE(stored(), QByteArray("stored page A"));
}

void TestMainWindow::closeStopsWhenTheSettingsCannotBeWritten()
{
    // A folder in the file's place cannot be replaced by the atomic write.
    QVERIFY(QFile::remove(m_folder->file("Data/FormSize.ini")));
    QVERIFY(QDir().mkpath(m_folder->file("Data/FormSize.ini")));
    {
        const QSignalBlocker quiet(rdtAbc());
        rdtAbc()->setPlainText("saved before the failure");
    }
    emit m_window->form()->img_close_highlight->clicked();
    QCOMPARE(m_shown.size(), 1);
    QVERIFY(m_shown[0].contains("FormSize.ini"));
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
    m_window->resize(asked);
    QTRY_COMPARE(m_window->size(), got);
    // The right column follows all four edges.
    QCOMPARE(m_window->form()->pnlRight->geometry(), QRect(319, 72, got.width() - 325, got.height() - 120));
}

void TestMainWindow::captionImagesFollowThePointer()
{
    Ui::TMainFrm *ui = m_window->form();
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
    Ui::TMainFrm *ui = m_window->form();
    emit ui->img_mini_normal->moved();
    emit ui->img_mini_highlight->pressed(Qt::LeftButton);
    emit ui->img_mini_highlight->clicked();
    QTRY_VERIFY(m_window->isMinimized());
    QVERIFY(ui->img_mini_normal->isVisibleTo(m_window.get()));
    QVERIFY(!ui->img_mini_down->isVisibleTo(m_window.get()));
    QVERIFY(!lifecycle::endRequested());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
