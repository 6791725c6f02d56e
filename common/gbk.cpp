#include "gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace gbk {

QByteArray encode(const QString &text)
{
    QStringEncoder encoder("GBK", QStringConverter::Flag::Default);
    return encoder.encode(text);
}

QString decode(const QByteArray &bytes)
{
    QStringDecoder decoder("GBK", QStringConverter::Flag::Default);
    return decoder.decode(bytes);
}

bool canEncode(char32_t codePoint)
{
    if (codePoint < 0x80)
        return true;
    QStringEncoder encoder("GBK", QStringConverter::Flag::ConvertInvalidToNull);
    const QString text = QString::fromUcs4(&codePoint, 1);
    const QByteArray bytes = encoder.encode(text);
    return !encoder.hasError() && !bytes.isEmpty() && !bytes.contains('\0');
}

} // namespace gbk
