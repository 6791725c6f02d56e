#include "bmpheader.h"
#include "giffile.h"
#include "picfile.h"
#include "tovakierror.h"
#include "uglobal.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {

QImage colourPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x + y) % 256));
    }
    return image;
}

QImage greyPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_Grayscale8);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.scanLine(y)[x] = uchar((x * 7 + y * 3) % 256);
    }
    return image;
}

QByteArray jpegBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(95);
    writer.write(image);
    return bytes;
}

// Red 3 × 2 at (1, 1) on a 6 × 4 screen, its last pixel transparent, then a blue frame over the
// whole screen.
QByteArray animatedGif()
{
    const QList<QColor> palette{Qt::red, Qt::green, Qt::blue, Qt::black};
    const giffile::Frame first{QRect(1, 1, 3, 2), {0, 0, 0, 0, 0, 3}, 3};
    const giffile::Frame second{QRect(0, 0, 6, 4), QList<quint8>(24, 2)};
    return giffile::build(6, 4, palette, {first, second});
}

// A small JPEG whose frame header claims a picture of 60000 × 60000.
QByteArray jpegDeclaringHugeSize()
{
    QByteArray bytes = jpegBytes(colourPicture(16, 16));
    const qsizetype sof = bytes.indexOf(QByteArray::fromHex("ffc0"));
    bytes.replace(sof + 5, 4, QByteArray::fromHex("ea60ea60"));
    return bytes;
}

QByteArray gifDeclaringHugeScreen()
{
    QByteArray bytes = animatedGif();
    bytes.replace(6, 4, QByteArray::fromHex("ffffffff"));
    return bytes;
}

QByteArray bmpBytes(const QImage &image, int bitsPerPixel)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("x.bmp"));
    picfile::writeBmp(image, path, bitsPerPixel);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

using Conversion = std::function<QString(const QString &)>;

} // namespace

Q_DECLARE_METATYPE(Conversion)

// Turning JPEG and GIF files into bitmaps beside them.
class TestPicConvert : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void extensionAndSiblingName_data();
    void extensionAndSiblingName();
    void picToBmpConvertsByExtension_data();
    void picToBmpConvertsByExtension();
    void picToBmpLeavesOtherKindsAlone_data();
    void picToBmpLeavesOtherKindsAlone();
    void jpegBecomesBitmapOfSameDepth_data();
    void jpegBecomesBitmapOfSameDepth();
    void existingBitmapIsReplaced();
    void gifGivesFirstFrameAtScreenSize();
    void failureWritesNothing_data();
    void failureWritesNothing();
    void unwritableTargetFails();
    void bitmapsReadBackWhole_data();
    void bitmapsReadBackWhole();
    void damagedBitmapFails_data();
    void damagedBitmapFails();

private:
    QString pathOf(const QString &name) const { return m_folder->filePath(name); }
    void writeFile(const QString &name, const QByteArray &bytes);
    static QByteArray readFile(const QString &path);

    std::unique_ptr<QTemporaryDir> m_folder;
};

void TestPicConvert::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
}

void TestPicConvert::writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(pathOf(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TestPicConvert::readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestPicConvert::extensionAndSiblingName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("sibling");
    QTest::newRow("an upper-case extension gives a lower-case bitmap name") << "/p/Photo.JPG"
                                                                            << ".JPG"
                                                                            << "/p/Photo.bmp";
    QTest::newRow("only the last extension is replaced") << "/p/a.b.jpeg"
                                                         << ".jpeg"
                                                         << "/p/a.b.bmp";
    QTest::newRow("a name without extension gets one appended") << "/p/picture"
                                                                << ""
                                                                << "/p/picture.bmp";
    QTest::newRow("a dot in a folder name is no extension") << "/p.d/picture"
                                                            << ""
                                                            << "/p.d/picture.bmp";
    QTest::newRow("a dot followed by a colon is no extension") << "/p/a.b:c"
                                                               << ""
                                                               << "/p/a.b:c.bmp";
    QTest::newRow("a trailing dot is an extension of its own") << "/p/x."
                                                               << "."
                                                               << "/p/x.bmp";
    QTest::newRow("GBK names keep their characters") << "/p/风景.jpg"
                                                     << ".jpg"
                                                     << "/p/风景.bmp";
}

void TestPicConvert::extensionAndSiblingName()
{
    QFETCH(QString, path);
    QFETCH(QString, extension);
    QFETCH(QString, sibling);
    QCOMPARE(fileExtension(path), extension);
    QCOMPARE(siblingBmpName(path), sibling);
}

void TestPicConvert::picToBmpConvertsByExtension_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");
    const QByteArray jpeg = jpegBytes(colourPicture(6, 4));
    QTest::newRow("an upper-case JPG is converted") << "Photo.JPG" << jpeg << "Photo.bmp";
    QTest::newRow("a lower-case jpeg is converted") << "x.jpeg" << jpeg << "x.bmp";
    QTest::newRow("a mixed-case Jpeg is converted") << "a.b.Jpeg" << jpeg << "a.b.bmp";
    QTest::newRow("an upper-case GIF is converted") << "anim.GIF" << animatedGif() << "anim.bmp";
}

void TestPicConvert::picToBmpConvertsByExtension()
{
    QFETCH(QString, source);
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    writeFile(source, content);

    QCOMPARE(PicToBmp(pathOf(source)), pathOf(expected));

    const BmpHeader header = BmpHeader::parse(readFile(pathOf(expected)));
    QVERIFY(header.valid);
    QCOMPARE(header.bitsPerPixel, 24);
    QCOMPARE(header.compression, 0u);
    QCOMPARE(QSize(header.width, header.height), QSize(6, 4));
}

void TestPicConvert::picToBmpLeavesOtherKindsAlone_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("expected");
    QTest::newRow("an upper-case BMP is returned as it is") << "x.BMP"
                                                            << "x.BMP";
    QTest::newRow("a lower-case bmp is returned as it is") << "x.bmp"
                                                           << "x.bmp";
    QTest::newRow("a PNG is not handled") << "x.png"
                                          << "";
    QTest::newRow("an icon is not handled") << "x.ico"
                                            << "";
    QTest::newRow("a name without extension is not handled") << "x"
                                                             << "";
}

void TestPicConvert::picToBmpLeavesOtherKindsAlone()
{
    QFETCH(QString, source);
    QFETCH(QString, expected);
    // JPEG content under every name: nothing may decode it.
    const QByteArray content = jpegBytes(colourPicture(4, 4));
    writeFile(source, content);

    QCOMPARE(PicToBmp(pathOf(source)), expected.isEmpty() ? QString() : pathOf(expected));

    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList{source});
    QCOMPARE(readFile(pathOf(source)), content);
}

void TestPicConvert::jpegBecomesBitmapOfSameDepth_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<int>("bitsPerPixel");
    QTest::newRow("a colour JPEG gives 24 bits per pixel") << colourPicture(37, 21) << 24;
    QTest::newRow("a grey JPEG gives 8 bits per pixel") << greyPicture(37, 21) << 8;
}

void TestPicConvert::jpegBecomesBitmapOfSameDepth()
{
    QFETCH(QImage, picture);
    QFETCH(int, bitsPerPixel);
    writeFile(QStringLiteral("x.jpg"), jpegBytes(picture));

    QCOMPARE(JpgToBmp(pathOf(QStringLiteral("x.jpg"))), pathOf(QStringLiteral("x.bmp")));

    const QByteArray bmp = readFile(pathOf(QStringLiteral("x.bmp")));
    const BmpHeader header = BmpHeader::parse(bmp);
    QVERIFY(header.valid);
    QCOMPARE(header.bitsPerPixel, bitsPerPixel);
    QCOMPARE(header.compression, 0u);
    QCOMPARE(header.width, 37);
    QCOMPARE(header.height, 21); // positive: rows bottom-up
    const int rowBytes = (37 * bitsPerPixel + 31) / 32 * 4;
    QCOMPARE(header.pixelOffset, quint32(54 + (bitsPerPixel == 8 ? 1024 : 0)));
    QCOMPARE(header.fileSize, quint32(bmp.size()));
    QCOMPARE(bmp.size(), qsizetype(header.pixelOffset) + rowBytes * 21);
    // The bitmap holds exactly what the JPEG decodes to, at full size.
    const QImage decoded = QImage(pathOf(QStringLiteral("x.jpg")), "jpeg").convertToFormat(QImage::Format_RGB32);
    QCOMPARE(QImage(pathOf(QStringLiteral("x.bmp")), "bmp").convertToFormat(QImage::Format_RGB32), decoded);
}

void TestPicConvert::existingBitmapIsReplaced()
{
    writeFile(QStringLiteral("x.jpg"), jpegBytes(colourPicture(8, 8)));
    writeFile(QStringLiteral("x.bmp"), "not a bitmap");

    JpgToBmp(pathOf(QStringLiteral("x.jpg")));

    QCOMPARE(QImage(pathOf(QStringLiteral("x.bmp")), "bmp").size(), QSize(8, 8));
}

void TestPicConvert::gifGivesFirstFrameAtScreenSize()
{
    writeFile(QStringLiteral("anim.gif"), animatedGif());

    QCOMPARE(GifToBmp(pathOf(QStringLiteral("anim.gif"))), pathOf(QStringLiteral("anim.bmp")));

    const QImage frame(pathOf(QStringLiteral("anim.bmp")), "bmp");
    QCOMPARE(frame.size(), QSize(6, 4));
    QCOMPARE(frame.pixel(1, 1), qRgb(255, 0, 0));
    QCOMPARE(frame.pixel(2, 2), qRgb(255, 0, 0));
    // Transparent and uncovered parts show white; the second frame is never drawn.
    QCOMPARE(frame.pixel(3, 2), qRgb(255, 255, 255));
    QCOMPARE(frame.pixel(0, 0), qRgb(255, 255, 255));
}

void TestPicConvert::failureWritesNothing_data()
{
    QTest::addColumn<Conversion>("convert");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QByteArray>("content");
    const Conversion jpg = JpgToBmp, gif = GifToBmp, any = PicToBmp;
    const QByteArray jpeg = jpegBytes(colourPicture(64, 64));
    const QByteArray gifBytes = animatedGif();
    QTest::newRow("a missing JPEG fails") << jpg << "gone.jpg" << QByteArray();
    QTest::newRow("a missing GIF fails") << gif << "gone.gif" << QByteArray();
    QTest::newRow("a JPEG named gif fails in the GIF decoder") << gif << "x.gif" << jpeg;
    QTest::newRow("a JPEG named gif fails through PicToBmp") << any << "x.gif" << jpeg;
    QTest::newRow("a GIF named jpg fails in the JPEG decoder") << jpg << "x.jpg" << gifBytes;
    QTest::newRow("text named jpg fails") << any << "x.jpg" << QByteArray("just some text\r\n");
    QTest::newRow("an empty file fails") << jpg << "x.jpg" << QByteArray();
    QTest::newRow("a truncated JPEG fails") << jpg << "x.jpg" << jpeg.left(jpeg.size() / 2);
    QTest::newRow("a JPEG without its end marker fails") << jpg << "x.jpg" << jpeg.chopped(2);
    QTest::newRow("a GIF cut inside its first frame fails") << gif << "x.gif" << gifBytes.left(46);
    QTest::newRow("a JPEG declaring a huge picture fails at once") << jpg << "x.jpg" << jpegDeclaringHugeSize();
    QTest::newRow("a GIF declaring a huge screen fails at once") << gif << "x.gif" << gifDeclaringHugeScreen();
}

void TestPicConvert::failureWritesNothing()
{
    QFETCH(Conversion, convert);
    QFETCH(QString, source);
    QFETCH(QByteArray, content);
    if (!source.startsWith(QLatin1String("gone")))
        writeFile(source, content);

    QVERIFY_THROWS_EXCEPTION(TovakiError, convert(pathOf(source)));

    QVERIFY(!QFileInfo::exists(siblingBmpName(pathOf(source))));
}

void TestPicConvert::unwritableTargetFails()
{
    writeFile(QStringLiteral("x.jpg"), jpegBytes(colourPicture(8, 8)));
    QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("x.bmp")));

    QVERIFY_THROWS_EXCEPTION(TovakiError, JpgToBmp(pathOf(QStringLiteral("x.jpg"))));
}

void TestPicConvert::bitmapsReadBackWhole_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<int>("bitsPerPixel");
    QTest::newRow("an 8-bit grey bitmap reads back") << greyPicture(13, 5) << 8;
    QTest::newRow("a 24-bit bitmap reads back") << colourPicture(13, 5) << 24;
    QTest::newRow("a 32-bit bitmap reads back") << colourPicture(13, 5) << 32;
}

void TestPicConvert::bitmapsReadBackWhole()
{
    QFETCH(QImage, picture);
    QFETCH(int, bitsPerPixel);
    picfile::writeBmp(picture, pathOf(QStringLiteral("x.bmp")), bitsPerPixel);

    const QImage read = picfile::readPicture(pathOf(QStringLiteral("x.bmp")));

    QCOMPARE(read.convertToFormat(QImage::Format_RGB32), picture.convertToFormat(QImage::Format_RGB32));
}

void TestPicConvert::damagedBitmapFails_data()
{
    QTest::addColumn<QByteArray>("content");
    const QByteArray colour = bmpBytes(colourPicture(100, 50), 24);
    const QByteArray grey = bmpBytes(greyPicture(100, 50), 8);
    QByteArray huge = colour;
    huge.replace(18, 8, QByteArray::fromHex("60ea000060ea0000")); // 60000 × 60000
    QTest::newRow("a 24-bit bitmap cut in half fails") << colour.left(colour.size() / 2);
    QTest::newRow("an 8-bit bitmap short of one byte fails") << grey.chopped(1);
    QTest::newRow("a bitmap declaring a huge picture fails at once") << huge;
}

void TestPicConvert::damagedBitmapFails()
{
    QFETCH(QByteArray, content);
    writeFile(QStringLiteral("x.bmp"), content);

    QVERIFY_THROWS_EXCEPTION(TovakiError, picfile::readPicture(pathOf(QStringLiteral("x.bmp"))));
}

QTEST_GUILESS_MAIN(TestPicConvert)
#include "tst_picconvert.moc"
