#include "uglobal.h"

#include "picfile.h"

namespace {

QString asciiLower(QString text)
{
    for (QChar &c : text) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    return text;
}

// GIF frames may carry transparency; a bitmap has none.
QImage withoutAlpha(const QImage &frame)
{
    if (!frame.hasAlphaChannel())
        return frame;
    QImage flat = frame.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < flat.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(flat.scanLine(y));
        for (int x = 0; x < flat.width(); ++x) {
            const QRgb c = row[x];
            const int a = qAlpha(c);
            // Transparent parts show white, as on an empty bitmap.
            const auto over = [a](int v) { return (v * a + 255 * (255 - a) + 127) / 255; };
            row[x] = qRgb(over(qRed(c)), over(qGreen(c)), over(qBlue(c)));
        }
    }
    return flat.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QString fileExtension(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot < 0)
        return {};
    for (qsizetype i = dot + 1; i < path.size(); ++i) {
        if (path.at(i) == u'/' || path.at(i) == u':')
            return {};
    }
    return path.mid(dot);
}

QString siblingBmpName(const QString &path)
{
    return path.left(path.size() - fileExtension(path).size()) + QStringLiteral(".bmp");
}

QString PicToBmp(const QString &path)
{
    const QString extension = asciiLower(fileExtension(path));
    if (extension == QLatin1String(".bmp"))
        return path;
    if (extension == QLatin1String(".jpg") || extension == QLatin1String(".jpeg"))
        return JpgToBmp(path);
    if (extension == QLatin1String(".gif"))
        return GifToBmp(path);
    return {};
}

QString JpgToBmp(const QString &path)
{
    const QImage picture = picfile::readPicture(path, "jpeg");
    const QString target = siblingBmpName(path);
    picfile::writeBmp(picture, target, picture.format() == QImage::Format_Grayscale8 ? 8 : 24);
    return target;
}

QString GifToBmp(const QString &path)
{
    const QImage frame = picfile::readPicture(path, "gif");
    const QString target = siblingBmpName(path);
    picfile::writeBmp(withoutAlpha(frame), target, 24);
    return target;
}
