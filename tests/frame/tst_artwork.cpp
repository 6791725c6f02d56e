#include <QFile>
#include <QImage>
#include <QTest>
#include <QtEndian>

// The pictures are compiled into the widgets library; pull its resources in.
static void initResources()
{
    Q_INIT_RESOURCE(images);
}

class TestArtwork : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void picturesHaveTheirSizes_data();
    void picturesHaveTheirSizes();
    void titleBarsHaveExactRows_data();
    void titleBarsHaveExactRows();
    void desktopBackgroundIsPlain24BitBmp();
};

void TestArtwork::initTestCase()
{
    initResources();
}

void TestArtwork::picturesHaveTheirSizes_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("size");

    QTest::newRow("the background") << QStringLiteral(":/images/bg.png") << QSize(416, 289);
    QTest::newRow("the logo") << QStringLiteral(":/images/logo.png") << QSize(210, 56);
    QTest::newRow("close, normal") << QStringLiteral(":/images/close_normal.png") << QSize(39, 20);
    QTest::newRow("close, highlighted") << QStringLiteral(":/images/close_highlight.png") << QSize(39, 20);
    QTest::newRow("close, pressed") << QStringLiteral(":/images/close_down.png") << QSize(39, 20);
    QTest::newRow("minimise, normal") << QStringLiteral(":/images/mini_normal.png") << QSize(28, 20);
    QTest::newRow("minimise, highlighted") << QStringLiteral(":/images/mini_highlight.png") << QSize(28, 20);
    QTest::newRow("minimise, pressed") << QStringLiteral(":/images/mini_down.png") << QSize(28, 20);
    QTest::newRow("the title bar") << QStringLiteral(":/images/title_bar.png") << QSize(49, 24);
    QTest::newRow("the highlight bar") << QStringLiteral(":/images/sel_color.png") << QSize(49, 24);
    QTest::newRow("the background picture button") << QStringLiteral(":/images/add_to_desk.png") << QSize(200, 93);
    QTest::newRow("the apply-to-desktop button") << QStringLiteral(":/images/app_to_desk.png") << QSize(90, 28);
    QTest::newRow("the font tool") << QStringLiteral(":/images/font.png") << QSize(20, 17);
    QTest::newRow("the date tool") << QStringLiteral(":/images/date.png") << QSize(44, 15);
    QTest::newRow("the colour tool") << QStringLiteral(":/images/red_color.png") << QSize(20, 11);
}

void TestArtwork::picturesHaveTheirSizes()
{
    QFETCH(QString, resource);
    const QImage image(resource);
    QVERIFY2(!image.isNull(), qPrintable(resource));
    QTEST(image.size(), "size");
}

void TestArtwork::titleBarsHaveExactRows_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QColor>("body");

    QTest::newRow("the title bar has a grey body") << QStringLiteral(":/images/title_bar.png") << QColor(234, 234, 234);
    QTest::newRow("the highlight bar has a pale yellow body")
        << QStringLiteral(":/images/sel_color.png") << QColor(245, 239, 203);
}

// From top to bottom: white, line colour, twenty rows of body, line colour, white; every column alike.
void TestArtwork::titleBarsHaveExactRows()
{
    QFETCH(QString, resource);
    QFETCH(QColor, body);
    const QImage image = QImage(resource).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.height(), 24);
    const QRgb white = qRgb(255, 255, 255);
    const QRgb line = qRgb(220, 227, 255);
    for (int y = 0; y < 24; ++y) {
        const QRgb expected = (y == 0 || y == 23) ? white : (y == 1 || y == 22) ? line : body.rgb();
        for (int x = 0; x < image.width(); ++x)
            QVERIFY2(image.pixel(x, y) == expected, qPrintable(QStringLiteral("pixel %1, %2").arg(x).arg(y)));
    }
}

void TestArtwork::desktopBackgroundIsPlain24BitBmp()
{
    QFile file(QStringLiteral(TOVAKI_DESKTOP_BG));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.size() >= 54);
    const char *h = bytes.constData();
    QCOMPARE(bytes.left(2), QByteArray("BM"));
    QCOMPARE(qFromLittleEndian<quint32>(h + 2), quint32(bytes.size()));
    QCOMPARE(qFromLittleEndian<quint32>(h + 10), quint32(54));
    QCOMPARE(qFromLittleEndian<quint32>(h + 14), quint32(40));
    QCOMPARE(qFromLittleEndian<qint32>(h + 18), 1920);
    QCOMPARE(qFromLittleEndian<qint32>(h + 22), 1080);
    QCOMPARE(qFromLittleEndian<quint16>(h + 28), quint16(24));
    QCOMPARE(qFromLittleEndian<quint32>(h + 30), quint32(0)); // BI_RGB
    QCOMPARE(bytes.size(), 54 + 1920 * 3 * 1080);

    const QImage image = QImage::fromData(bytes, "BMP");
    QCOMPARE(image.size(), QSize(1920, 1080));
}

QTEST_GUILESS_MAIN(TestArtwork)
#include "tst_artwork.moc"
