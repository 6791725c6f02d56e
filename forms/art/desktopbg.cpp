#include "artwork.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace {

struct Rgb
{
    double r, g, b;
};

Rgb mix(Rgb a, Rgb b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// A soft band of light along a sine wave: 1 on the wave's line, fading to 0 at width away.
double band(double x, double y, double centre, double amplitude, double period, double phase, double width)
{
    const double line = centre + amplitude * std::sin(2 * M_PI * x / period + phase);
    const double d = std::abs(y - line) / width;
    if (d >= 1)
        return 0;
    const double t = 1 - d;
    return t * t * (3 - 2 * t);
}

// A 4 x 4 ordered dither keeps the wide, gentle gradient free of visible steps.
double dither(int x, int y)
{
    static const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (bayer[y & 3][x & 3] + 0.5) / 16.0 - 0.5;
}

int channel(double v, double offset)
{
    return std::clamp(static_cast<int>(std::lround(v + offset)), 0, 255);
}

template <class T> void put(QByteArray &bytes, qsizetype at, T value)
{
    qToLittleEndian(value, bytes.data() + at);
}

} // namespace

QImage desktopBackground(QSize size)
{
    // Light enough that the memo placed on it stays easy to read.
    const Rgb top{196, 222, 246};
    const Rgb bottom{238, 244, 251};
    const Rgb glow{255, 255, 255};
    const Rgb deep{150, 190, 232};
    QImage image(size, QImage::Format_RGB32);
    const double w = size.width();
    const double h = size.height();
    for (int y = 0; y < size.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double u = x / w;
            const double v = y / h;
            Rgb c = mix(top, bottom, std::clamp(0.65 * v + 0.35 * u, 0.0, 1.0));
            c = mix(c, glow, 0.55 * band(x, y, h * 0.62, h * 0.08, w * 1.3, 0.4, h * 0.16));
            c = mix(c, glow, 0.35 * band(x, y, h * 0.74, h * 0.06, w * 0.9, 2.1, h * 0.10));
            c = mix(c, deep, 0.25 * band(x, y, h * 0.86, h * 0.05, w * 1.1, 4.0, h * 0.12));
            const double d = dither(x, y);
            row[x] = qRgb(channel(c.r, d), channel(c.g, d), channel(c.b, d));
        }
    }
    return image;
}

QByteArray bmp24(const QImage &picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    const qsizetype stride = (qsizetype(width) * 3 + 3) / 4 * 4;
    const qsizetype pixelBytes = stride * height;
    constexpr qsizetype headerBytes = 14 + 40;
    QByteArray bytes(headerBytes + pixelBytes, '\0');

    bytes[0] = 'B';
    bytes[1] = 'M';
    put<quint32>(bytes, 2, quint32(headerBytes + pixelBytes));
    put<quint32>(bytes, 10, quint32(headerBytes));
    put<quint32>(bytes, 14, 40); // BITMAPINFOHEADER
    put<qint32>(bytes, 18, width);
    put<qint32>(bytes, 22, height); // positive: rows stored bottom up
    put<quint16>(bytes, 26, 1);     // planes
    put<quint16>(bytes, 28, 24);    // bits per pixel
    put<quint32>(bytes, 30, 0);     // BI_RGB
    put<quint32>(bytes, 34, quint32(pixelBytes));
    put<qint32>(bytes, 38, 2835); // 72 dpi
    put<qint32>(bytes, 42, 2835);

    for (int y = 0; y < height; ++y) {
        const auto *src = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        char *dst = bytes.data() + headerBytes + stride * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            *dst++ = char(qBlue(src[x]));
            *dst++ = char(qGreen(src[x]));
            *dst++ = char(qRed(src[x]));
        }
    }
    return bytes;
}
