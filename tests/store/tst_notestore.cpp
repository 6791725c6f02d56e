#include "lifecycle.h"
#include "messages.h"
#include "notedb.h"
#include "pagestore.h"
#include "paths.h"
#include "programfolder.h"
#include "rtfcodec.h"
#include "tovakierror.h"
#include "udm.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QTextDocument>

#include <array>
#include <memory>

namespace {

const QStringList AllColumns = {"MondayCon", "TuesdayCon",  "WednesdayCon", "ThursdayCon",
                                "FridayCon", "SaturdayCon", "SundayCon"};

// The main window's editors as plain documents: rdtAbc, and the six panes as redt1 … redt6.
struct Editors
{
    QTextDocument abc;
    std::array<QTextDocument, 6> panes; // panes[0] is redt1

    QList<QTextDocument *> panel(PagePanel panel)
    {
        if (panel == PagePanel::ABC)
            return {&abc};
        QList<QTextDocument *> docs;
        for (int i = 5; i >= 0; --i) // child order: redt6 … redt1
            docs.append(&panes[size_t(i)]);
        return docs;
    }
};

QString plainOf(const QByteArray &bytes)
{
    QTextDocument doc;
    rtf::loadDocument(bytes, &doc);
    return doc.toPlainText();
}

// A program folder with a fresh database, an open NoteDb and a PageStore over Editors.
struct Fixture
{
    ProgramFolder folder;
    NoteDb db;
    Editors editors;
    std::unique_ptr<PageStore> store;
    QStringList shown;
    messages::Sink previousSink;

    Fixture()
    {
        folder.makeDatabase();
        previousSink = messages::setSink([this](messages::Kind, const QString &text) { shown.append(text); });
    }
    ~Fixture() { messages::setSink(previousSink); }
    void open()
    {
        db.open(folder.databasePath());
        store = std::make_unique<PageStore>(db, [this](PagePanel p) { return editors.panel(p); });
    }
    QByteArray column(const QString &table, const QString &name) const
    {
        return testdb::column(folder.databasePath(), table, name).value_or(QByteArray("<no row>"));
    }
    void fillSentinels(const QString &table) const
    {
        for (const QString &name : AllColumns)
            testdb::setColumn(folder.databasePath(), table, name, "sentinel " + name.toLatin1());
    }
};

} // namespace

class TestNoteStore : public QObject
{
    Q_OBJECT

private slots:
    void pageMapping_data();
    void pageMapping();
    void saveWritesOnlyThePagesColumns_data();
    void saveWritesOnlyThePagesColumns();
    void pageCPairsPanesWithColumns();
    void loadReadsColumnKinds_data();
    void loadReadsColumnKinds();
    void tableWithoutRowOneIsNeitherLoadedNorSaved();
    void pageOutsideOneToFive_data();
    void pageOutsideOneToFive();
    void notificationsDuringLoadSaveNothing();
    void failedLoadIsNotOverwrittenByTheTextShownBefore();
    void autoSaveNeedsPageAndReadiness();
    void openRejectsMissingOrForeignFiles_data();
    void openRejectsMissingOrForeignFiles();
    void openLeavesTheFileAsItWas();
    void dataModuleReportsAndEnds();
    void dataModuleOpensFolderWithBlanksAndChinese();
};

void TestNoteStore::pageMapping_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("table");
    QTest::addColumn<bool>("sixPanes");
    QTest::newRow("page A uses tb_A") << 1 << "tb_A" << false;
    QTest::newRow("page B uses tb_B") << 2 << "tb_B" << false;
    QTest::newRow("page C uses tb_C and the panes") << 3 << "tb_C" << true;
    QTest::newRow("page D uses tb_D") << 4 << "tb_D" << false;
    QTest::newRow("page E uses tb_E") << 5 << "tb_E" << false;
}

void TestNoteStore::pageMapping()
{
    QFETCH(int, page);
    QFETCH(QString, table);
    QFETCH(bool, sixPanes);
    const auto mapping = ::pageMapping(page);
    QVERIFY(mapping);
    QCOMPARE(mapping->table, table);
    QCOMPARE(mapping->panel == PagePanel::Six, sixPanes);
}

void TestNoteStore::saveWritesOnlyThePagesColumns_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<QString>("textColumn");
    const QStringList panes = AllColumns.mid(0, 6);
    QTest::newRow("page A rewrites only SundayCon") << 1 << "tb_A" << QStringList{"SundayCon"} << "SundayCon";
    QTest::newRow("page B rewrites only SundayCon") << 2 << "tb_B" << QStringList{"SundayCon"} << "SundayCon";
    QTest::newRow("page C rewrites MondayCon to SaturdayCon") << 3 << "tb_C" << panes << "SaturdayCon";
    QTest::newRow("page D stores rdtAbc in MondayCon, empties the rest") << 4 << "tb_D" << panes << "MondayCon";
    QTest::newRow("page E stores rdtAbc in MondayCon, empties the rest") << 5 << "tb_E" << panes << "MondayCon";
}

void TestNoteStore::saveWritesOnlyThePagesColumns()
{
    QFETCH(int, page);
    QFETCH(QString, table);
    QFETCH(QStringList, written);
    QFETCH(QString, textColumn);
    Fixture f;
    f.fillSentinels(table);
    f.open();
    f.editors.abc.setPlainText(QStringLiteral("页面文字 abc"));
    f.editors.panes[0].setPlainText(QStringLiteral("页面文字 abc"));
    f.store->SavePage(page);

    QVERIFY(f.store->PageIoReady());
    for (const QString &name : AllColumns) {
        const QByteArray stored = f.column(table, name);
        if (!written.contains(name))
            QCOMPARE(stored, "sentinel " + name.toLatin1());
        else if (name == textColumn)
            QCOMPARE(plainOf(stored), QStringLiteral("页面文字 abc"));
        else
            QCOMPARE(plainOf(stored), QString());
    }
}

void TestNoteStore::pageCPairsPanesWithColumns()
{
    Fixture f;
    f.open();
    const QStringList titles = {"重要紧急", "重要不紧急", "周期性事务", "不重要紧急", "不重要不紧急", "临时事务"};
    for (int i = 0; i < 6; ++i)
        f.editors.panes[size_t(i)].setPlainText(titles[i]);
    f.store->SavePage(3);

    // redt1 … redt6 are stored in SaturdayCon … MondayCon.
    for (int i = 0; i < 6; ++i)
        QCOMPARE(plainOf(f.column("tb_C", AllColumns[5 - i])), titles[i]);
    QCOMPARE(f.column("tb_C", "SundayCon"), QByteArray());

    for (auto &pane : f.editors.panes)
        pane.clear();
    QVERIFY(f.store->LoadPage(3));
    for (int i = 0; i < 6; ++i)
        QCOMPARE(f.editors.panes[size_t(i)].toPlainText(), titles[i]);
}

void TestNoteStore::loadReadsColumnKinds_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("storeNull");
    QTest::addColumn<QString>("shown");
    QTest::newRow("an empty column gives an empty editor") << QByteArray("") << false << QString();
    QTest::newRow("a NULL column gives an empty editor") << QByteArray() << true << QString();
    QTest::newRow("plain ASCII text loads as plain text") << QByteArray("plain text") << false << "plain text";
    QTest::newRow("plain GBK text loads as plain text") << QByteArray("\xc4\xe3\xba\xc3") << false << "你好";
    QTest::newRow("rich-edit RTF loads its text")
        << QByteArray("{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}"
                      "\\viewkind4\\uc1\\pard\\f0\\fs22 \\'c4\\'e3\\'ba\\'c3 memo\\par\r\n}\r\n",
                      -1)
        << false << "你好 memo";
}

void TestNoteStore::loadReadsColumnKinds()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, storeNull);
    QFETCH(QString, shown);
    Fixture f;
    testdb::setColumn(f.folder.databasePath(), "tb_A", "SundayCon", storeNull ? QByteArray() : stored);
    f.open();
    f.editors.abc.setPlainText("old text");
    QVERIFY(f.store->LoadPage(1));
    QCOMPARE(f.editors.abc.toPlainText(), shown);
    QVERIFY(f.shown.isEmpty());

    // The next save stores RTF, whatever the column held.
    f.store->SavePage(1);
    QVERIFY(f.column("tb_A", "SundayCon").startsWith("{\\rtf"));
    QCOMPARE(plainOf(f.column("tb_A", "SundayCon")), shown);
}

void TestNoteStore::tableWithoutRowOneIsNeitherLoadedNorSaved()
{
    Fixture f;
    testdb::exec(f.folder.databasePath(), "DELETE FROM tb_B");
    f.open();
    f.editors.abc.setPlainText("text of page A");
    QVERIFY(f.store->LoadPage(2));
    QCOMPARE(f.editors.abc.toPlainText(), QStringLiteral("text of page A"));
    QVERIFY(f.store->PageIoReady());
    QVERIFY(f.shown.isEmpty());

    f.store->SavePage(2);
    QCOMPARE(testdb::column(f.folder.databasePath(), "tb_B", "SundayCon"), std::nullopt);
    testdb::exec(f.folder.databasePath(), "SELECT count(*) FROM tb_B"); // the table is still there
}

void TestNoteStore::pageOutsideOneToFive_data()
{
    QTest::addColumn<int>("page");
    QTest::newRow("page 0") << 0;
    QTest::newRow("page 6") << 6;
    QTest::newRow("a negative page") << -1;
}

void TestNoteStore::pageOutsideOneToFive()
{
    QFETCH(int, page);
    Fixture f;
    f.open();
    QVERIFY(f.store->LoadPage(1));
    f.editors.abc.setPlainText("kept");

    QVERIFY(!f.store->LoadPage(page));
    QCOMPARE(f.shown, QStringList{"加载记事内容失败！"});
    QVERIFY(!f.store->PageIoReady());
    QCOMPARE(f.editors.abc.toPlainText(), QStringLiteral("kept"));

    f.shown.clear();
    f.store->SavePage(page);
    QVERIFY(f.shown.isEmpty());
    QVERIFY(f.store->PageIoReady());
    QCOMPARE(f.column("tb_A", "SundayCon"), QByteArray());
}

void TestNoteStore::notificationsDuringLoadSaveNothing()
{
    Fixture f;
    testdb::setColumn(f.folder.databasePath(), "tb_A", "SundayCon", "plain words");
    f.open();
    int requests = 0;
    QObject::connect(&f.editors.abc, &QTextDocument::contentsChanged, [&] {
        ++requests;
        f.store->AutoSavePage(1);
    });
    QVERIFY(f.store->LoadPage(1));
    QVERIFY(requests > 0);
    // A save would have turned the plain text into RTF.
    QCOMPARE(f.column("tb_A", "SundayCon"), QByteArray("plain words"));
}

void TestNoteStore::failedLoadIsNotOverwrittenByTheTextShownBefore()
{
    Fixture f;
    // tb_B lacks a column that every load reads, but still takes a save of SundayCon.
    testdb::exec(f.folder.databasePath(), "DROP TABLE tb_B; CREATE TABLE tb_B (ID INTEGER PRIMARY KEY, SundayCon BLOB);"
                                          "INSERT INTO tb_B VALUES (1, 'page B text')");
    f.open();
    f.editors.abc.setPlainText("page A text");
    f.store->SavePage(1);

    QVERIFY(!f.store->LoadPage(2));
    QCOMPARE(f.editors.abc.toPlainText(), QStringLiteral("page A text"));
    f.store->AutoSavePage(2);
    f.store->SavePage(2); // the save a page switch or a close makes
    QCOMPARE(f.column("tb_B", "SundayCon"), QByteArray("page B text"));
    QVERIFY(f.store->PageIoReady());

    // A later successful load lifts the block for the page that then is on show.
    QVERIFY(f.store->LoadPage(1));
    f.editors.abc.setPlainText("edited A");
    f.store->AutoSavePage(1);
    QCOMPARE(plainOf(f.column("tb_A", "SundayCon")), QStringLiteral("edited A"));
}

void TestNoteStore::autoSaveNeedsPageAndReadiness()
{
    Fixture f;
    f.open();
    f.editors.abc.setPlainText("typed");
    f.store->AutoSavePage(1); // before the first load: not ready
    QCOMPARE(f.column("tb_A", "SundayCon"), QByteArray());
    QVERIFY(f.store->LoadPage(1));
    f.editors.abc.setPlainText("typed");
    f.store->AutoSavePage(0); // a switch runs
    QCOMPARE(f.column("tb_A", "SundayCon"), QByteArray());
    f.store->AutoSavePage(1);
    QCOMPARE(plainOf(f.column("tb_A", "SundayCon")), QStringLiteral("typed"));
}

void TestNoteStore::openRejectsMissingOrForeignFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");
    QTest::newRow("a missing file") << QByteArray() << false;
    QTest::newRow("a text file") << QByteArray("this is not a database\n") << true;
    QTest::newRow("an empty file lacks the tables")
        << QByteArray() << true; // opens as an empty database; the first page load then fails
    QTest::newRow("random bytes") << QByteArray(4096, '\x5a') << true;
}

void TestNoteStore::openRejectsMissingOrForeignFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    ProgramFolder folder;
    const QString path = folder.databasePath();
    if (exists) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    NoteDb db;
    bool opened = true;
    try {
        db.open(path);
    } catch (const TovakiError &e) {
        opened = false;
        QVERIFY(!e.message().isEmpty());
    }
    if (exists && content.isEmpty()) {
        QVERIFY(opened);
        QVERIFY_THROWS_EXCEPTION(TovakiError, db.readRow("tb_A"));
    } else {
        QVERIFY(!opened);
        QVERIFY(!db.isOpen());
    }
    QCOMPARE(QFile::exists(path), exists); // never created
}

void TestNoteStore::openLeavesTheFileAsItWas()
{
    ProgramFolder folder;
    folder.makeDatabase();
    const QByteArray before = [&] {
        QFile file(folder.databasePath());
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    {
        NoteDb db;
        db.open(folder.databasePath());
        QVERIFY(db.readRow("tb_A"));
    }
    QFile file(folder.databasePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void TestNoteStore::dataModuleReportsAndEnds()
{
    ProgramFolder folder; // no database in it
    paths::setProgramFolder(folder.path());
    lifecycle::resetEndRequest();
    QStringList shown;
    const auto previous = messages::setSink([&](messages::Kind, const QString &text) { shown.append(text); });
    TDM dm;
    messages::setSink(previous);
    QCOMPARE(shown, QStringList{"配置文件加载失败，请重试！"});
    QVERIFY(lifecycle::endRequested());
    QVERIFY(!dm.AdoCon().isOpen());
    lifecycle::resetEndRequest();
    paths::setProgramFolder(QString());
}

void TestNoteStore::dataModuleOpensFolderWithBlanksAndChinese()
{
    ProgramFolder outer;
    const QString inner = outer.path() + QStringLiteral("我的 备忘录/");
    QVERIFY(QDir().mkpath(inner + "Data"));
    ProgramFolder source;
    source.makeDatabase();
    QVERIFY(QFile::copy(source.databasePath(), inner + "Data/UserData.mdb"));
    paths::setProgramFolder(inner);
    lifecycle::resetEndRequest();
    TDM dm;
    QVERIFY(dm.AdoCon().isOpen());
    QVERIFY(!lifecycle::endRequested());
    paths::setProgramFolder(QString());
}

QTEST_MAIN(TestNoteStore)
#include "tst_notestore.moc"
