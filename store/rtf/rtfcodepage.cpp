#include "rtfcodepage.h"

#include "gbk.h"

#include <QStringDecoder>

namespace rtf {

int codePageOfCharset(int charset)
{
    switch (charset) {
    case 0: // ANSI
    case 2: // symbol fonts: their bytes are glyph numbers, Latin-1 keeps them visible
        return 1252;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return GbkCodePage;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return 0;
    }
}

namespace {

const char *decoderName(int codePage)
{
    switch (codePage) {
    case 437:
        return "IBM437";
    case 850:
        return "IBM850";
    case 874:
        return "windows-874";
    case 932:
        return "Shift_JIS";
    case 949:
        return "windows-949";
    case 950:
        return "Big5";
    case 1361:
        return "johab";
    case 10000:
        return "macintosh";
    case 20936:
    case 54936:
        return "GB18030";
    default:
        return nullptr;
    }
}

} // namespace

QString decodeCodePage(const QByteArray &bytes, int codePage)
{
    if (codePage == GbkCodePage)
        return gbk::decode(bytes);
    if (codePage == 65001)
        return QString::fromUtf8(bytes);
    QByteArray name;
    if (const char *known = decoderName(codePage))
        name = known;
    else if (codePage >= 1250 && codePage <= 1258)
        name = "windows-" + QByteArray::number(codePage);
    if (!name.isEmpty()) {
        QStringDecoder decoder(name.constData());
        if (decoder.isValid())
            return decoder.decode(bytes);
    }
    return QString::fromLatin1(bytes);
}

} // namespace rtf
