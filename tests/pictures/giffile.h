#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QRect>

// Builds small GIF files for tests; Qt reads GIF but cannot write it.
namespace giffile {

struct Frame
{
    QRect area;            // where the frame lies on the logical screen
    QList<quint8> indexes; // palette index of each pixel, row by row
    int transparent = -1;  // palette index shown as transparent, or none
};

inline void putLe16(QByteArray &out, int value)
{
    out += char(value & 0xFF);
    out += char((value >> 8) & 0xFF);
}

// LZW with a clear code before the table can grow past three-bit codes: every pixel is a literal.
inline QByteArray lzwLiterals(const QList<quint8> &indexes)
{
    constexpr int minCodeSize = 2, clear = 4, end = 5, width = 3;
    QByteArray packed;
    quint32 bits = 0;
    int count = 0;
    const auto put = [&](int code) {
        bits |= quint32(code) << count;
        count += width;
        while (count >= 8) {
            packed += char(bits & 0xFF);
            bits >>= 8;
            count -= 8;
        }
    };
    for (qsizetype i = 0; i < indexes.size(); ++i) {
        if (i % 2 == 0)
            put(clear);
        put(indexes.at(i));
    }
    put(end);
    if (count > 0)
        packed += char(bits & 0xFF);
    QByteArray out(1, char(minCodeSize));
    for (qsizetype at = 0; at < packed.size(); at += 255) {
        const QByteArray block = packed.mid(at, 255);
        out += char(block.size());
        out += block;
    }
    out += char(0);
    return out;
}

// A GIF89a of the given logical screen with a four-colour palette and one image per frame.
inline QByteArray build(int width, int height, const QList<QColor> &palette, const QList<Frame> &frames)
{
    QByteArray out("GIF89a");
    putLe16(out, width);
    putLe16(out, height);
    out += char(0x80 | 0x01); // global table of four colours
    out += char(0);
    out += char(0);
    for (int i = 0; i < 4; ++i) {
        const QColor c = palette.value(i, Qt::black);
        out += char(c.red());
        out += char(c.green());
        out += char(c.blue());
    }
    for (const Frame &frame : frames) {
        // Graphic control: shown for 0.1 s, optionally with a transparent index.
        out += QByteArray::fromHex("21f904");
        out += char(frame.transparent >= 0 ? 0x01 : 0x00);
        out += QByteArray::fromHex("0a00");
        out += char(frame.transparent >= 0 ? frame.transparent : 0);
        out += char(0);
        out += char(0x2C);
        putLe16(out, frame.area.x());
        putLe16(out, frame.area.y());
        putLe16(out, frame.area.width());
        putLe16(out, frame.area.height());
        out += char(0);
        out += lzwLiterals(frame.indexes);
    }
    out += char(0x3B);
    return out;
}

} // namespace giffile
