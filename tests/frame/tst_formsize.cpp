#include "formsize.h"
#include "paths.h"
#include "tovakierror.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestFormSize : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void missingFileGivesCentredDefaults_data();
    void missingFileGivesCentredDefaults();
    void appliesBeforeWritingDefaults();
    void unwritableFolderFailsAfterApplying();
    void readsFile_data();
    void readsFile();
    void badFileFailsAtItsLine_data();
    void badFileFailsAtItsLine();
    void saveWritesFiveLines();
    void savedBoundsReadBack();
    void wholeNumbers_data();
    void wholeNumbers();
    void notWholeNumbers_data();
    void notWholeNumbers();

private:
    void writeSettings(const QByteArray &bytes);
    QByteArray settingsBytes();

    std::unique_ptr<QTemporaryDir> m_folder;
};

void TestFormSize::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("Data")));
    paths::setProgramFolder(m_folder->path());
}

void TestFormSize::cleanup()
{
    paths::setProgramFolder({});
    m_folder.reset();
}

void TestFormSize::writeSettings(const QByteArray &bytes)
{
    QFile file(formSizePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TestFormSize::settingsBytes()
{
    QFile file(formSizePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void TestFormSize::missingFileGivesCentredDefaults_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");

    QTest::newRow("a full HD screen") << QSize(1920, 1080) << 660 << 300;
    QTest::newRow("a laptop screen") << QSize(1366, 768) << 383 << 144;
    QTest::newRow("a screen smaller than the window rounds toward zero") << QSize(501, 401) << -49 << -39;
}

void TestFormSize::missingFileGivesCentredDefaults()
{
    QFETCH(QSize, screen);
    QFETCH(int, left);
    QFETCH(int, top);

    FormSizeFields fields;
    loadFormSize(fields, screen);
    QCOMPARE(fields, (FormSizeFields{1, 600, 450, left, top}));
    QCOMPARE(settingsBytes(), QStringLiteral("1\r\n600\r\n450\r\n%1\r\n%2\r\n").arg(left).arg(top).toLatin1());
}

void TestFormSize::appliesBeforeWritingDefaults()
{
    FormSizeFields fields;
    int applied = 0;
    loadFormSize(fields, QSize(1920, 1080), [&](const FormSizeFields &bounds) {
        ++applied;
        QCOMPARE(bounds, (FormSizeFields{1, 600, 450, 660, 300}));
        QVERIFY(!QFile::exists(formSizePath()));
    });
    QCOMPARE(applied, 1);
    QVERIFY(QFile::exists(formSizePath()));
}

void TestFormSize::unwritableFolderFailsAfterApplying()
{
    QVERIFY(QDir(m_folder->path()).rmdir(QStringLiteral("Data")));
    FormSizeFields fields;
    bool applied = false;
    QVERIFY_THROWS_EXCEPTION(TovakiError,
                             loadFormSize(fields, QSize(1920, 1080), [&](const FormSizeFields &) { applied = true; }));
    QVERIFY(applied);
    QCOMPARE(fields, (FormSizeFields{1, 600, 450, 660, 300}));
}

void TestFormSize::readsFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");

    QTest::newRow("a file the program wrote")
        << QByteArray("3\r\n1000\r\n700\r\n10\r\n20\r\n") << 3 << 1000 << 700 << 10 << 20;
    QTest::newRow("width 599 takes the minimum size whatever the height")
        << QByteArray("1\r\n599\r\n900\r\n10\r\n20\r\n") << 1 << 600 << 450 << 10 << 20;
    QTest::newRow("width 599 leaves a broken height line unread")
        << QByteArray("1\r\n599\r\ntall\r\n10\r\n20\r\n") << 1 << 600 << 450 << 10 << 20;
    QTest::newRow("800 by 449 takes the minimum size")
        << QByteArray("1\r\n800\r\n449\r\n10\r\n20\r\n") << 1 << 600 << 450 << 10 << 20;
    QTest::newRow("1500 by 900 is kept as read beyond the window's limits")
        << QByteArray("1\r\n1500\r\n900\r\n10\r\n20\r\n") << 1 << 1500 << 900 << 10 << 20;
    QTest::newRow("negative and huge positions are kept")
        << QByteArray("2\r\n600\r\n450\r\n-2147483648\r\n2147483647\r\n") << 2 << 600 << 450 << int(-2147483648LL)
        << 2147483647;
    QTest::newRow("page 0 is taken as read")
        << QByteArray("0\r\n600\r\n450\r\n0\r\n0\r\n") << 0 << 600 << 450 << 0 << 0;
    QTest::newRow("page 6 is taken as read")
        << QByteArray("6\r\n600\r\n450\r\n0\r\n0\r\n") << 6 << 600 << 450 << 0 << 0;
    QTest::newRow("lines after the fifth are ignored")
        << QByteArray("3\r\n700\r\n500\r\n1\r\n2\r\nextra\r\n\r\n") << 3 << 700 << 500 << 1 << 2;
    QTest::newRow("lines ended by CR only") << QByteArray("3\r700\r500\r1\r2\r") << 3 << 700 << 500 << 1 << 2;
    QTest::newRow("lines ended by LF only") << QByteArray("3\n700\n500\n1\n2\n") << 3 << 700 << 500 << 1 << 2;
    QTest::newRow("a last line without a line break")
        << QByteArray("3\r\n700\r\n500\r\n1\r\n2") << 3 << 700 << 500 << 1 << 2;
}

void TestFormSize::readsFile()
{
    QFETCH(QByteArray, file);
    QFETCH(int, page);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, left);
    QFETCH(int, top);
    writeSettings(file);

    FormSizeFields fields;
    FormSizeFields applied;
    loadFormSize(fields, QSize(1920, 1080), [&](const FormSizeFields &bounds) { applied = bounds; });
    const FormSizeFields expected{page, width, height, left, top};
    QCOMPARE(fields, expected);
    QCOMPARE(applied, expected);
    QCOMPARE(settingsBytes(), file);
}

void TestFormSize::badFileFailsAtItsLine_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("lineInMessage");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("left");

    // The fields start at 0, as when the window is created; page and top are read last and stay 0.
    QTest::newRow("four lines stop at the top edge with the earlier bounds set")
        << QByteArray("3\r\n800\r\n600\r\n5\r\n") << QStringLiteral("第 5 行") << 800 << 600 << 5;
    QTest::newRow("an empty file stops at the width") << QByteArray() << QStringLiteral("第 2 行") << 0 << 0 << 0;
    QTest::newRow("a word for the width")
        << QByteArray("1\r\nwide\r\n600\r\n5\r\n6\r\n") << QStringLiteral("第 2 行") << 0 << 0 << 0;
    QTest::newRow("a broken height after a valid width sets nothing")
        << QByteArray("1\r\n800\r\n6OO\r\n5\r\n6\r\n") << QStringLiteral("第 3 行") << 0 << 0 << 0;
    QTest::newRow("a left edge beyond 32 bits")
        << QByteArray("1\r\n800\r\n600\r\n2147483648\r\n6\r\n") << QStringLiteral("第 4 行") << 800 << 600 << 0;
    QTest::newRow("an empty line for the left edge")
        << QByteArray("1\r\n800\r\n600\r\n\r\n6\r\n") << QStringLiteral("第 4 行") << 800 << 600 << 0;
    QTest::newRow("a broken page line fails after all four bounds")
        << QByteArray("C\r\n800\r\n600\r\n5\r\n0\r\n") << QStringLiteral("第 1 行") << 800 << 600 << 5;
    QTest::newRow("a number with a blank")
        << QByteArray("1\r\n 800\r\n600\r\n5\r\n6\r\n") << QStringLiteral("第 2 行") << 0 << 0 << 0;
}

void TestFormSize::badFileFailsAtItsLine()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, lineInMessage);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, left);
    writeSettings(file);

    FormSizeFields fields;
    bool applied = false;
    try {
        loadFormSize(fields, QSize(1920, 1080), [&](const FormSizeFields &) { applied = true; });
        QFAIL("the broken file was accepted");
    } catch (const TovakiError &e) {
        QVERIFY2(e.message().contains(lineInMessage), qPrintable(e.message()));
        QVERIFY2(e.message().contains(QStringLiteral("FormSize.ini")), qPrintable(e.message()));
    }
    QVERIFY(!applied);
    QCOMPARE(fields, (FormSizeFields{0, width, height, left, 0}));
    QCOMPARE(settingsBytes(), file);
}

void TestFormSize::saveWritesFiveLines()
{
    saveFormSize({3, 1280, 800, -1200, -5});
    QCOMPARE(settingsBytes(), QByteArray("3\r\n1280\r\n800\r\n-1200\r\n-5\r\n"));
}

void TestFormSize::savedBoundsReadBack()
{
    const FormSizeFields saved{2, 1024, 640, -37, 12};
    saveFormSize(saved);
    FormSizeFields read;
    loadFormSize(read, QSize(1920, 1080));
    QCOMPARE(read, saved);
}

void TestFormSize::wholeNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");

    QTest::newRow("zero") << QStringLiteral("0") << 0;
    QTest::newRow("plain digits") << QStringLiteral("1264") << 1264;
    QTest::newRow("a minus sign") << QStringLiteral("-12") << -12;
    QTest::newRow("a plus sign") << QStringLiteral("+12") << 12;
    QTest::newRow("leading zeros") << QStringLiteral("007") << 7;
    QTest::newRow("the largest 32-bit number") << QStringLiteral("2147483647") << 2147483647;
    QTest::newRow("the smallest 32-bit number") << QStringLiteral("-2147483648") << int(-2147483648LL);
}

void TestFormSize::wholeNumbers()
{
    QFETCH(QString, text);
    const std::optional<qint32> number = parseWholeNumber(text);
    QVERIFY(number.has_value());
    QTEST(*number, "number");
}

void TestFormSize::notWholeNumbers_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << QString();
    QTest::newRow("a sign alone") << QStringLiteral("-");
    QTest::newRow("one past the largest") << QStringLiteral("2147483648");
    QTest::newRow("one past the smallest") << QStringLiteral("-2147483649");
    QTest::newRow("far too many digits") << QStringLiteral("99999999999999999999999");
    QTest::newRow("a blank before") << QStringLiteral(" 1");
    QTest::newRow("a blank after") << QStringLiteral("1 ");
    QTest::newRow("hexadecimal") << QStringLiteral("0x10");
    QTest::newRow("a fraction") << QStringLiteral("1.5");
    QTest::newRow("full-width digits") << QStringLiteral("１２");
    QTest::newRow("two signs") << QStringLiteral("--1");
}

void TestFormSize::notWholeNumbers()
{
    QFETCH(QString, text);
    QVERIFY(!parseWholeNumber(text).has_value());
}

QTEST_GUILESS_MAIN(TestFormSize)
#include "tst_formsize.moc"
