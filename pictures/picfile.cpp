#include "picfile.h"

#include "tovakierror.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>
#include <QtEndian>

#include <cstring>

namespace picfile {

namespace {

[[noreturn]] void failRead(const QString &path, const QString &reason)
{
    throw TovakiError(QStringLiteral("无法读取图片 %1：%2").arg(path, reason));
}

QString formatName(const QByteArray &format)
{
    return format.isEmpty() ? QStringLiteral("图片") : QString::fromLatin1(format.toUpper()) + QStringLiteral(" 图片");
}

QByteArray readFileBytes(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        failRead(path, QStringLiteral("文件不存在"));
    if (!info.isFile())
        failRead(path, QStringLiteral("不是文件"));
    if (info.size() > MaxFileBytes)
        failRead(path, QStringLiteral("文件过大（%1 字节）").arg(info.size()));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        failRead(path, file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        failRead(path, file.errorString());
    return bytes;
}

void checkDeclaredSize(const QString &path, const QSize &size)
{
    if (!size.isValid() || size.isEmpty())
        failRead(path, QStringLiteral("图片尺寸无效"));
    if (qint64(size.width()) * size.height() > MaxPixels)
        failRead(path, QStringLiteral("图片尺寸 %1 × %2 过大").arg(size.width()).arg(size.height()));
}

} // namespace

QImage readPicture(const QString &path, const QByteArray &format)
{
    QByteArray bytes = readFileBytes(path);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(format.isEmpty());
    reader.setAutoTransform(false);
    if (!reader.canRead())
        failRead(path, QStringLiteral("不是有效的%1文件").arg(formatName(format)));
    checkDeclaredSize(path, reader.size());
    const QByteArray kind = reader.format();
    if ((kind == "jpeg" || kind == "jpg") && !jpegIsComplete(bytes))
        failRead(path, QStringLiteral("JPEG 数据不完整"));
    if (kind == "gif" && !gifFirstFrameIsComplete(bytes))
        failRead(path, QStringLiteral("GIF 数据不完整"));
    if (kind == "bmp" && !bmpIsComplete(bytes))
        failRead(path, QStringLiteral("BMP 数据不完整"));
    QImage image;
    if (!reader.read(&image))
        failRead(path, QStringLiteral("%1解码失败（%2）").arg(formatName(format), reader.errorString()));
    return image;
}

namespace {

void putLe16(char *at, quint16 value)
{
    qToLittleEndian(value, at);
}

void putLe32(char *at, quint32 value)
{
    qToLittleEndian(value, at);
}

QByteArray bmpHeaders(int width, int height, int bitsPerPixel, qint64 rowBytes, int paletteEntries)
{
    const qint64 offset = 14 + 40 + 4 * qint64(paletteEntries);
    const qint64 imageBytes = rowBytes * height;
    QByteArray head(int(offset), '\0');
    char *p = head.data();
    p[0] = 'B';
    p[1] = 'M';
    putLe32(p + 2, quint32(offset + imageBytes));
    putLe32(p + 10, quint32(offset));
    putLe32(p + 14, 40);
    putLe32(p + 18, quint32(width));
    putLe32(p + 22, quint32(height)); // positive: rows stored bottom-up
    putLe16(p + 26, 1);
    putLe16(p + 28, quint16(bitsPerPixel));
    putLe32(p + 30, 0); // BI_RGB
    putLe32(p + 34, quint32(imageBytes));
    putLe32(p + 38, 2835); // 72 dpi
    putLe32(p + 42, 2835);
    putLe32(p + 46, quint32(paletteEntries));
    for (int i = 0; i < paletteEntries; ++i) {
        char *entry = p + 54 + 4 * i;
        entry[0] = entry[1] = entry[2] = char(i);
    }
    return head;
}

void packRow(const QImage &image, int y, int bitsPerPixel, char *row)
{
    const uchar *src = image.constScanLine(y);
    if (bitsPerPixel == 8) {
        std::memcpy(row, src, size_t(image.width()));
    } else if (bitsPerPixel == 32) {
        std::memcpy(row, src, size_t(image.width()) * 4);
    } else {
        const QRgb *pixels = reinterpret_cast<const QRgb *>(src);
        for (int x = 0; x < image.width(); ++x) {
            row[3 * x] = char(qBlue(pixels[x]));
            row[3 * x + 1] = char(qGreen(pixels[x]));
            row[3 * x + 2] = char(qRed(pixels[x]));
        }
    }
}

QImage inBmpLayout(const QImage &image, int bitsPerPixel)
{
    if (bitsPerPixel == 8)
        return image.convertToFormat(QImage::Format_Grayscale8);
    if (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32)
        return image;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

} // namespace

void writeBmp(const QImage &image, const QString &path, int bitsPerPixel)
{
    if (bitsPerPixel != 8 && bitsPerPixel != 24 && bitsPerPixel != 32)
        throw TovakiError(QStringLiteral("无法写入位图 %1：不支持 %2 位色深").arg(path).arg(bitsPerPixel));
    const QImage pixels = inBmpLayout(image, bitsPerPixel);
    const qint64 rowBytes = (qint64(pixels.width()) * bitsPerPixel + 31) / 32 * 4;
    const QByteArray head =
        bmpHeaders(pixels.width(), pixels.height(), bitsPerPixel, rowBytes, bitsPerPixel == 8 ? 256 : 0);
    if (head.size() + rowBytes * pixels.height() > qint64(0xFFFFFFFFu))
        throw TovakiError(QStringLiteral("无法写入位图 %1：图片过大").arg(path));
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly) && file.write(head) == head.size();
    QByteArray row(int(rowBytes), '\0');
    for (int y = pixels.height() - 1; ok && y >= 0; --y) {
        packRow(pixels, y, bitsPerPixel, row.data());
        ok = file.write(row) == row.size();
    }
    if (!ok || !file.commit())
        throw TovakiError(QStringLiteral("无法写入位图 %1：%2").arg(path, file.errorString()));
}

namespace {

// Skips entropy-coded data after a start-of-scan header: stuffed zeros and restart markers belong
// to it; any other marker ends it. Returns the position of that marker, or size when data runs out.
qsizetype skipScanData(const uchar *data, qsizetype pos, qsizetype size)
{
    while (pos < size) {
        const void *ff = std::memchr(data + pos, 0xFF, size_t(size - pos));
        if (!ff)
            return size;
        pos = static_cast<const uchar *>(ff) - data;
        if (pos + 1 >= size)
            return size;
        const uchar next = data[pos + 1];
        if (next == 0x00 || (next >= 0xD0 && next <= 0xD7))
            pos += 2;
        else if (next == 0xFF)
            pos += 1;
        else
            return pos;
    }
    return size;
}

} // namespace

bool jpegIsComplete(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const qsizetype size = bytes.size();
    if (size < 4 || data[0] != 0xFF || data[1] != 0xD8)
        return false;
    qsizetype pos = 2;
    while (pos + 1 < size) {
        if (data[pos] != 0xFF || data[pos + 1] == 0xFF) {
            ++pos; // garbage or fill bytes before a marker: libjpeg skips them too
            continue;
        }
        const uchar marker = data[pos + 1];
        if (marker == 0xD9)
            return true;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            pos += 2;
            continue;
        }
        if (pos + 3 >= size)
            return false;
        const qsizetype length = (qsizetype(data[pos + 2]) << 8) | data[pos + 3];
        pos += 2 + length;
        if (length < 2 || pos > size)
            return false;
        if (marker == 0xDA)
            pos = skipScanData(data, pos, size);
    }
    return false;
}

bool bmpIsComplete(const QByteArray &bytes)
{
    const char *p = bytes.constData();
    if (bytes.size() < 26 || !bytes.startsWith("BM"))
        return false;
    const qint64 offset = qFromLittleEndian<quint32>(p + 10);
    const quint32 infoSize = qFromLittleEndian<quint32>(p + 14);
    qint64 width = 0, height = 0, bits = 0;
    quint32 compression = 0;
    if (infoSize == 12) { // OS/2 core header
        width = qFromLittleEndian<quint16>(p + 18);
        height = qFromLittleEndian<quint16>(p + 20);
        bits = qFromLittleEndian<quint16>(p + 24);
    } else {
        if (bytes.size() < 34)
            return false;
        width = qFromLittleEndian<qint32>(p + 18);
        height = qAbs(qint64(qFromLittleEndian<qint32>(p + 22))); // negative: rows top-down
        bits = qFromLittleEndian<quint16>(p + 28);
        compression = qFromLittleEndian<quint32>(p + 30);
    }
    constexpr quint32 Rgb = 0, BitFields = 3, AlphaBitFields = 6;
    if (compression != Rgb && compression != BitFields && compression != AlphaBitFields)
        return true;
    const qint64 rowBytes = (width * bits + 31) / 32 * 4;
    return width >= 0 && offset + rowBytes * height <= bytes.size();
}

namespace {

// Skips a chain of data sub-blocks; returns the position after its zero-length end, or -1 when the
// data runs out first.
qsizetype skipSubBlocks(const uchar *data, qsizetype pos, qsizetype size)
{
    while (pos < size) {
        const int length = data[pos];
        pos += 1 + length;
        if (length == 0)
            return pos;
    }
    return -1;
}

qsizetype colourTableBytes(uchar flags)
{
    return (flags & 0x80) ? 3 * (qsizetype(2) << (flags & 0x07)) : 0;
}

} // namespace

bool gifFirstFrameIsComplete(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const qsizetype size = bytes.size();
    if (size < 13 || !(bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a")))
        return false;
    qsizetype pos = 13 + colourTableBytes(data[10]);
    while (pos >= 0 && pos < size) {
        if (data[pos] == 0x21) { // extension: label, then its sub-blocks
            pos = pos + 2 <= size ? skipSubBlocks(data, pos + 2, size) : -1;
        } else if (data[pos] == 0x2C) { // image: descriptor, local table, code size, data
            if (pos + 10 > size)
                return false;
            pos += 10 + colourTableBytes(data[pos + 9]) + 1;
            return pos <= size && skipSubBlocks(data, pos, size) >= 0;
        } else {
            return false; // the trailer or garbage before any image
        }
    }
    return false;
}

} // namespace picfile
