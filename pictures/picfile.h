#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Reading pictures safely and writing Windows bitmaps byte for byte.
namespace picfile {

// Decoded pictures may hold at most this many pixels (128 MiB at 32 bits per pixel, 8K UHD fits):
// a file that declares more is refused before anything is allocated.
constexpr qint64 MaxPixels = qint64(8192) * 4096;
// Picture files larger than this are refused before they are read.
constexpr qint64 MaxFileBytes = qint64(256) * 1024 * 1024;

// Decodes a picture file. With a format ("jpeg", "gif", "bmp") only that decoder is tried, whatever
// the content; without one the content decides. For GIF the first frame is returned at the full
// (logical screen) size. Throws TovakiError when the file is missing or unreadable, not a picture
// of that kind, truncated, or larger than MaxPixels.
QImage readPicture(const QString &path, const QByteArray &format = {});

// Writes an uncompressed Windows bitmap (BI_RGB, rows bottom-up): 8 bits per pixel with a grey
// palette, 24 bits (blue, green, red) or 32 bits (blue, green, red, fourth byte). An existing file
// is replaced atomically. Throws TovakiError when the file cannot be written.
void writeBmp(const QImage &image, const QString &path, int bitsPerPixel);

// True when JPEG data runs from its start marker through the end-of-image marker; libjpeg would
// silently pad a truncated file with grey.
bool jpegIsComplete(const QByteArray &data);

// True when an uncompressed Windows bitmap holds every pixel row its header declares; Qt would fill
// the missing rows with black. Compressed bitmaps are left to the decoder.
bool bmpIsComplete(const QByteArray &data);

// True when GIF data holds its first image whole, through the end of that image's data blocks; Qt
// would silently leave the missing part of a cut frame transparent.
bool gifFirstFrameIsComplete(const QByteArray &data);

} // namespace picfile
