#include "mixpic.h"
#include "tovakierror.h"

#include <QTest>

namespace {

QImage filled(QSize size, QRgb value, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(size, format);
    image.fill(value);
    return image;
}

// The byte-wise rule written out plainly.
quint32 expectedMix(quint32 s, quint32 d, int percentage)
{
    if ((s & 0xFFFFFF) == 0xFFFFFF)
        return d;
    quint32 out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const int sv = int((s >> shift) & 0xFF), dv = int((d >> shift) & 0xFF);
        out |= quint32(dv + percentage * (sv - dv) / 100) << shift;
    }
    return out;
}

// The smallest rectangle holding every pixel that differs from the base's own colour, and whether all
// pixels inside it hold the mixed colour.
QRect changedArea(const QImage &image, QRgb untouched, QRgb mixed, bool *uniform)
{
    QRect area;
    qint64 changed = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (row[x] == untouched)
                continue;
            area |= QRect(x, y, 1, 1);
            changed += row[x] == mixed;
        }
    }
    *uniform = changed == qint64(area.width()) * area.height();
    return area;
}

} // namespace

// The memo laid over a background picture.
class TestMixPic : public QObject
{
    Q_OBJECT

private slots:
    void pixelBytes_data();
    void pixelBytes();
    void everyByteCombination();
    void placement_data();
    void placement();
    void picturesBecome32Bit_data();
    void picturesBecome32Bit();
    void blendRefusesOtherFormats();
};

void TestMixPic::pixelBytes_data()
{
    QTest::addColumn<quint32>("overlay");
    QTest::addColumn<quint32>("base");
    QTest::addColumn<int>("percentage");
    QTest::addColumn<quint32>("expected");
    QTest::newRow("pure white leaves the base alone") << 0xFFFFFFFFu << 0xFF102030u << 50 << 0xFF102030u;
    QTest::newRow("white ignores the fourth byte") << 0x00FFFFFFu << 0xFF102030u << 50 << 0xFF102030u;
    QTest::newRow("blue 254 is mixed") << 0xFFFFFFFEu << 0xFF000000u << 50 << 0xFF7F7F7Fu;
    QTest::newRow("0 over 255 gives 128") << 0xFF000000u << 0xFFFFFFFFu << 50 << 0xFF808080u;
    QTest::newRow("255 over 0 gives 127") << 0xFFFF0000u << 0xFF000000u << 50 << 0xFF7F0000u;
    QTest::newRow("equal bytes stay") << 0xFF405060u << 0xFF405060u << 50 << 0xFF405060u;
    QTest::newRow("the fourth byte is mixed too") << 0x00000000u << 0xFF000000u << 50 << 0x80000000u;
    QTest::newRow("a quarter moves a quarter of the way") << 0xFF000064u << 0xFF0000C8u << 25 << 0xFF0000AFu;
    QTest::newRow("all the way gives the overlay") << 0xFF123456u << 0xFF654321u << 100 << 0xFF123456u;
    QTest::newRow("none of the way keeps the base") << 0xFF123456u << 0xFF654321u << 0 << 0xFF654321u;
    QTest::newRow("more than all the way is all the way") << 0xFF123456u << 0xFF654321u << 150 << 0xFF123456u;
    QTest::newRow("less than none is none") << 0xFF123456u << 0xFF654321u << -20 << 0xFF654321u;
}

void TestMixPic::pixelBytes()
{
    QFETCH(quint32, overlay);
    QFETCH(quint32, base);
    QFETCH(int, percentage);
    QFETCH(quint32, expected);
    // Seven pixels: a group of four and three single ones.
    QImage baseImage = filled({7, 1}, base, QImage::Format_ARGB32);
    const QImage overlayImage = filled({7, 1}, overlay, QImage::Format_ARGB32);

    mixpic::blend(baseImage, overlayImage, {0, 0}, 7, 1, percentage);

    for (int x = 0; x < 7; ++x)
        QCOMPARE(quint32(baseImage.pixel(x, 0)), expected);
}

void TestMixPic::everyByteCombination()
{
    QImage overlay(256, 256, QImage::Format_ARGB32);
    QImage original(256, 256, QImage::Format_ARGB32);
    for (int d = 0; d < 256; ++d) {
        for (int s = 0; s < 256; ++s) {
            overlay.setPixel(s, d, qRgba(s, 255 - s, s, d));
            original.setPixel(s, d, qRgba(d, d, 255 - d, s));
        }
    }
    for (int percentage = 0; percentage <= 100; ++percentage) {
        QImage base = original.copy();
        mixpic::blend(base, overlay, {0, 0}, 256, 256, percentage);
        for (int y = 0; y < 256; ++y) {
            for (int x = 0; x < 256; ++x) {
                const quint32 want = expectedMix(overlay.pixel(x, y), original.pixel(x, y), percentage);
                if (quint32(base.pixel(x, y)) != want)
                    QFAIL(qPrintable(QStringLiteral("%1%% at (%2, %3)").arg(percentage).arg(x).arg(y)));
            }
        }
    }
}

void TestMixPic::placement_data()
{
    QTest::addColumn<QSize>("content");
    QTest::addColumn<QSize>("background");
    QTest::addColumn<bool>("centerMix");
    QTest::addColumn<bool>("backgroundIsBase");
    QTest::addColumn<QRect>("blended");

    QTest::newRow("a smaller memo goes at the right, 30 rows down")
        << QSize(935, 638) << QSize(1280, 800) << false << true << QRect(295, 30, 935, 638);
    QTest::newRow("a smaller memo goes centred, 30 rows down")
        << QSize(935, 638) << QSize(1280, 800) << true << true << QRect(172, 30, 935, 638);
    QTest::newRow("a background not taller is laid on the memo at the right")
        << QSize(1900, 1000) << QSize(1024, 768) << false << false << QRect(826, 0, 1024, 768);
    QTest::newRow("a background not taller is laid on the memo centred")
        << QSize(1900, 1000) << QSize(1024, 768) << true << false << QRect(438, 0, 1024, 768);
    QTest::newRow("equal heights make the memo the base at row 0")
        << QSize(1280, 600) << QSize(1024, 600) << false << false << QRect(206, 0, 1024, 600);
    QTest::newRow("an empty background leaves the memo as it is")
        << QSize(935, 638) << QSize(0, 0) << false << false << QRect();

    // Placements that would leave a picture: only the overlap is blended.
    QTest::newRow("a background taller by fewer than 30 rows takes the memo's top rows")
        << QSize(935, 638) << QSize(1280, 650) << false << true << QRect(295, 30, 935, 620);
    QTest::newRow("a background taller by one row takes what fits")
        << QSize(935, 638) << QSize(1280, 639) << false << true << QRect(295, 30, 935, 609);
    QTest::newRow("a background shorter than the row offset takes nothing")
        << QSize(100, 10) << QSize(1280, 20) << false << true << QRect();
    QTest::newRow("a narrower taller background at the right takes the columns that fit")
        << QSize(1000, 600) << QSize(800, 1200) << false << true << QRect(150, 30, 650, 600);
    QTest::newRow("a narrower taller background centred takes the columns that fit")
        << QSize(1000, 600) << QSize(800, 1200) << true << true << QRect(100, 30, 700, 600);
    QTest::newRow("a base less than 50 columns wider loses the memo's left columns")
        << QSize(1000, 600) << QSize(1020, 800) << false << true << QRect(0, 30, 970, 600);
    QTest::newRow("an equally wide base at the right loses 50 columns")
        << QSize(1280, 600) << QSize(1280, 800) << false << true << QRect(0, 30, 1230, 600);
    QTest::newRow("an equally wide base centred takes every column")
        << QSize(1280, 600) << QSize(1280, 800) << true << true << QRect(0, 30, 1280, 600);
}

void TestMixPic::placement()
{
    QFETCH(QSize, content);
    QFETCH(QSize, background);
    QFETCH(bool, centerMix);
    QFETCH(bool, backgroundIsBase);
    QFETCH(QRect, blended);
    constexpr QRgb memo = 0xFF000000, scenery = 0xFF646464, mixed = 0xFF323232;
    QImage contentImage = filled(content, memo);
    QImage backgroundImage = background.isEmpty() ? QImage() : filled(background, scenery);

    QImage &result = mixpic::mixPictures(contentImage, backgroundImage, 30, 50, centerMix);

    QCOMPARE(&result == &backgroundImage, backgroundIsBase);
    QCOMPARE(result.size(), backgroundIsBase ? background : content);
    bool uniform = false;
    QCOMPARE(changedArea(result, backgroundIsBase ? scenery : memo, mixed, &uniform), blended);
    QVERIFY(uniform);
}

void TestMixPic::picturesBecome32Bit_data()
{
    QTest::addColumn<QImage::Format>("contentFormat");
    QTest::addColumn<QImage::Format>("backgroundFormat");
    QTest::addColumn<QImage::Format>("expected");
    QTest::newRow("24-bit and 8-bit pictures become 32-bit")
        << QImage::Format_RGB888 << QImage::Format_Indexed8 << QImage::Format_RGB32;
    QTest::newRow("a picture with alpha keeps it in both")
        << QImage::Format_RGB32 << QImage::Format_ARGB32_Premultiplied << QImage::Format_ARGB32;
}

void TestMixPic::picturesBecome32Bit()
{
    QFETCH(QImage::Format, contentFormat);
    QFETCH(QImage::Format, backgroundFormat);
    QFETCH(QImage::Format, expected);
    QImage content = filled({300, 200}, 0xFF000000).convertToFormat(contentFormat);
    QImage background = filled({400, 300}, 0xFFFFFFFF).convertToFormat(backgroundFormat);

    const QImage result = mixpic::mixPictures(content, background, 30, 50, true);

    QCOMPARE(content.format(), expected);
    QCOMPARE(background.format(), expected);
    QCOMPARE(result.constBits(), background.constBits());
    QCOMPARE(result.pixel(50 + 100, 30 + 100), qRgb(128, 128, 128)); // black memo over white
}

void TestMixPic::blendRefusesOtherFormats()
{
    QImage base = filled({8, 8}, 0xFF000000, QImage::Format_RGB888);
    const QImage overlay = filled({8, 8}, 0xFF000000);
    QVERIFY_THROWS_EXCEPTION(TovakiError, mixpic::blend(base, overlay, {0, 0}, 8, 8, 50));
}

QTEST_GUILESS_MAIN(TestMixPic)
#include "tst_mixpic.moc"
