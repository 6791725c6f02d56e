#include "gbktable.h"

#include "gbk.h"

#include <QList>
#include <QString>
#include <memory>

namespace rtf {
namespace {

constexpr int TableSize = 0x10000;

bool isSurrogate(char32_t unit)
{
    return unit >= 0xD800 && unit < 0xE000;
}

// Codes and characters are converted in one call each, every item followed by a line feed: GBK never uses
// 0x0A inside a character, so the result splits back into one piece per item.
std::unique_ptr<char16_t[]> buildCharTable()
{
    auto table = std::make_unique<char16_t[]>(TableSize);
    std::fill_n(table.get(), TableSize, char16_t(0));
    QList<quint16> codes = {0x80, 0xFF};
    for (quint16 lead = 0x81; lead <= 0xFE; ++lead) {
        for (quint16 trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail != 0x7F)
                codes.append(quint16(lead << 8 | trail));
        }
    }
    QByteArray bytes;
    for (const quint16 code : codes) {
        if (code >= 0x100)
            bytes.append(char(code >> 8));
        bytes.append(char(code & 0xFF));
        bytes.append('\n');
    }
    const QStringList pieces = gbk::decode(bytes).split(u'\n');
    for (qsizetype i = 0; i < codes.size() && i < pieces.size(); ++i) {
        const QString &piece = pieces.at(i);
        if (piece.size() == 1 && piece.at(0) != QChar::ReplacementCharacter && !piece.at(0).isSurrogate())
            table[codes.at(i)] = piece.at(0).unicode();
    }
    return table;
}

// A code the encoder gave for one character: one byte from 0x80, or two bytes; anything else is none.
quint16 codeFromBytes(const QByteArray &bytes)
{
    const auto byte = [&bytes](int i) { return quint16(quint8(bytes.at(i))); };
    if (bytes.size() == 1 && byte(0) >= 0x80)
        return byte(0);
    if (bytes.size() == 2 && isGbkLeadByte(quint8(byte(0))))
        return quint16(byte(0) << 8 | byte(1));
    return 0;
}

// Only codes that decode back to their character are kept, so what the writer writes the reader reads.
std::unique_ptr<quint16[]> buildCodeTable()
{
    auto table = std::make_unique<quint16[]>(TableSize);
    std::fill_n(table.get(), TableSize, quint16(0));
    QString all;
    all.reserve(2 * TableSize);
    for (char32_t unit = 0x80; unit < TableSize; ++unit) {
        if (!isSurrogate(unit)) {
            all.append(QChar(char16_t(unit)));
            all.append(u'\n');
        }
    }
    const QList<QByteArray> pieces = gbk::encode(all).split('\n');
    const char16_t *chars = gbkCharTable();
    qsizetype piece = 0;
    for (char32_t unit = 0x80; unit < TableSize && piece < pieces.size(); ++unit) {
        if (isSurrogate(unit))
            continue;
        const quint16 code = codeFromBytes(pieces.at(piece++));
        if (code != 0 && chars[code] == unit)
            table[unit] = code;
    }
    return table;
}

} // namespace

const quint16 *gbkCodeTable()
{
    static const std::unique_ptr<quint16[]> table = buildCodeTable();
    return table.get();
}

const char16_t *gbkCharTable()
{
    static const std::unique_ptr<char16_t[]> table = buildCharTable();
    return table.get();
}

} // namespace rtf
