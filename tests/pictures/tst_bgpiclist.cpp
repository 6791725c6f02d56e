#include "gbk.h"
#include "paths.h"
#include "tovakierror.h"
#include "uglobal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The background list file and where the rotation starts.
class TestBGPicList : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void missingFileWritesAndLoadsDefault_data();
    void missingFileWritesAndLoadsDefault();
    void readsEntriesAndPlacesIndex_data();
    void readsEntriesAndPlacesIndex();
    void emptyFileAtStartLeavesListEmpty();
    void emptyFileOnReloadKeepsPreviousList();
    void failureLeavesStateAlone_data();
    void failureLeavesStateAlone();

private:
    QString listFile() const { return m_folder->filePath(QStringLiteral("Data/BGPicList.ini")); }
    void writeListFile(const QByteArray &bytes);
    QStringList names() const;

    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_curBGPic;
    qint32 m_bgPicIndex = 0;
};

void TestBGPicList::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("Data")));
    paths::setProgramFolder(m_folder->path());
    // As the main window's creation leaves them.
    ResetBGPicList();
    m_curBGPic.clear();
    m_bgPicIndex = 0;
}

void TestBGPicList::writeListFile(const QByteArray &bytes)
{
    QFile file(listFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList TestBGPicList::names() const
{
    QStringList result;
    for (qsizetype i = 0; i < PicBGList.size(); ++i) {
        // Every entry knows its own position.
        if (PicBGList.at(i).Index != i)
            return {QStringLiteral("entry %1 has Index %2").arg(i).arg(PicBGList.at(i).Index)};
        result << PicBGList.at(i).FileName;
    }
    return result;
}

void TestBGPicList::missingFileWritesAndLoadsDefault_data()
{
    QTest::addColumn<bool>("startAtCurrent");
    QTest::newRow("the first start writes the default") << false;
    QTest::newRow("a reload after the file went writes the default") << true;
}

void TestBGPicList::missingFileWritesAndLoadsDefault()
{
    QFETCH(bool, startAtCurrent);
    m_bgPicIndex = 5; // wherever an earlier rotation left it

    LoadBGPicList(m_curBGPic, m_bgPicIndex, startAtCurrent);

    QFile file(listFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("A1.bmp\r\nA1.bmp\r\n"));
    QCOMPARE(m_curBGPic, QStringLiteral("A1.bmp"));
    QCOMPARE(names(), QStringList({"A1.bmp", "A1.bmp"}));
    QCOMPARE(PicBGCount, 2);
    QCOMPARE(m_bgPicIndex, 0);
}

void TestBGPicList::readsEntriesAndPlacesIndex_data()
{
    QTest::addColumn<QByteArray>("fileBytes");
    QTest::addColumn<bool>("startAtCurrent");
    QTest::addColumn<QStringList>("expectedNames");
    QTest::addColumn<int>("expectedIndex");

    const QStringList abac{"A", "B", "A", "C"};
    QTest::newRow("one line starts at its only entry") << QByteArray("X\r\n") << false << QStringList{"X"} << 0;
    QTest::newRow("one line starts there at current too") << QByteArray("X\r\n") << true << QStringList{"X"} << 0;
    QTest::newRow("without current the rotation starts at the last entry")
        << QByteArray("A\r\nB\r\nA\r\nC\r\n") << false << abac << 3;
    QTest::newRow("at current the rotation starts at the last repeat of the current name")
        << QByteArray("A\r\nB\r\nA\r\nC\r\n") << true << abac << 2;
    QTest::newRow("a current name found only in line one starts at entry zero")
        << QByteArray("A\r\nB\r\nC\r\n") << true << QStringList{"A", "B", "C"} << 0;
    QTest::newRow("names differing in letter case are different names")
        << QByteArray("a1.bmp\r\nA1.bmp\r\n") << true << QStringList{"a1.bmp", "A1.bmp"} << 0;
    QTest::newRow("a last line without a break is an entry")
        << QByteArray("A\r\nB") << false << QStringList{"A", "B"} << 1;
    QTest::newRow("a blank line is an entry with an empty name")
        << QByteArray("A\r\n\r\nB\r\n") << false << QStringList{"A", "", "B"} << 2;
    QTest::newRow("lines may end at LF or CR alone")
        << QByteArray("A\nB\rC\n") << true << QStringList{"A", "B", "C"} << 0;
    QTest::newRow("names are read as GBK") << gbk::encode(QStringLiteral("风景.bmp\r\n山水.bmp\r\n风景.bmp\r\n"))
                                           << true << QStringList{"风景.bmp", "山水.bmp", "风景.bmp"} << 2;
}

void TestBGPicList::readsEntriesAndPlacesIndex()
{
    QFETCH(QByteArray, fileBytes);
    QFETCH(bool, startAtCurrent);
    QFETCH(QStringList, expectedNames);
    QFETCH(int, expectedIndex);
    writeListFile(fileBytes);

    LoadBGPicList(m_curBGPic, m_bgPicIndex, startAtCurrent);

    QCOMPARE(names(), expectedNames);
    QCOMPARE(PicBGCount, expectedNames.size());
    QCOMPARE(m_curBGPic, expectedNames.first());
    QCOMPARE(m_bgPicIndex, expectedIndex);
}

void TestBGPicList::emptyFileAtStartLeavesListEmpty()
{
    writeListFile({});

    LoadBGPicList(m_curBGPic, m_bgPicIndex, false);

    QVERIFY(PicBGList.isEmpty());
    QCOMPARE(PicBGCount, 0);
    QCOMPARE(m_curBGPic, QString());
    QCOMPARE(m_bgPicIndex, 0);
    QCOMPARE(QFileInfo(listFile()).size(), 0);
}

void TestBGPicList::emptyFileOnReloadKeepsPreviousList()
{
    writeListFile("A\r\nB\r\nC\r\n");
    LoadBGPicList(m_curBGPic, m_bgPicIndex, false);
    m_bgPicIndex = 1; // an apply has moved the rotation
    writeListFile({});

    LoadBGPicList(m_curBGPic, m_bgPicIndex, true);

    QCOMPARE(names(), QStringList({"A", "B", "C"}));
    QCOMPARE(PicBGCount, 0);
    QCOMPARE(m_curBGPic, QStringLiteral("A"));
    QCOMPARE(m_bgPicIndex, 1);
}

void TestBGPicList::failureLeavesStateAlone_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("a missing Data folder cannot take the default file") << QStringLiteral("no data folder");
    QTest::newRow("a list file that is a folder cannot be read") << QStringLiteral("folder as file");
}

void TestBGPicList::failureLeavesStateAlone()
{
    QFETCH(QString, obstacle);
    writeListFile("A\r\nB\r\n");
    LoadBGPicList(m_curBGPic, m_bgPicIndex, false);
    if (obstacle == QLatin1String("no data folder"))
        QVERIFY(QDir(m_folder->filePath(QStringLiteral("Data"))).removeRecursively());
    else
        QVERIFY(QFile::remove(listFile()) && QDir().mkdir(listFile()));

    QVERIFY_THROWS_EXCEPTION(TovakiError, LoadBGPicList(m_curBGPic, m_bgPicIndex, true));

    QCOMPARE(PicBGCount, 0);
    QCOMPARE(names(), QStringList({"A", "B"}));
    QCOMPARE(m_curBGPic, QStringLiteral("A"));
    QCOMPARE(m_bgPicIndex, 1);
}

QTEST_GUILESS_MAIN(TestBGPicList)
#include "tst_bgpiclist.moc"
