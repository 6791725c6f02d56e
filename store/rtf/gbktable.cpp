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

// A code the encoder gave for one character: one byte from 0x80, or two bytes; anything else is none.
quint16 codeFromBytes(const QByteArray &bytes)
{
    const auto byte = [&bytes](int i) { return quint16(quint8(bytes.at(i))); };
    if (bytes.size() == 1 && byte(0) >= 0x80)
        return byte(0);
    if (bytes.size() == 2 && byte(0) >= 0x81)
        return quint16(byte(0) << 8 | byte(1));
    return 0;
}

void appendCode(QByteArray &bytes, quint16 code)
{
    if (code >= 0x100)
        bytes.append(char(code >> 8));
    bytes.append(char(code & 0xFF));
}

// Every character is encoded once, each followed by a line feed: GBK never uses 0x0A inside a character,
// so the output splits back into one piece per character. The candidates are then decoded the same way and
// only those that come back unchanged are kept.
std::unique_ptr<quint16[]> buildTable()
{
    auto table = std::make_unique<quint16[]>(TableSize);
    std::fill_n(table.get(), TableSize, quint16(0));

    QString all;
    all.reserve(2 * TableSize);
    for (char32_t unit = 0x80; unit < TableSize; ++unit) {
        if (isSurrogate(unit))
            continue;
        all.append(QChar(char16_t(unit)));
        all.append(u'\n');
    }
    const QList<QByteArray> pieces = gbk::encode(all).split('\n');

    QList<char16_t> candidates;
    QByteArray codes;
    int piece = 0;
    for (char32_t unit = 0x80; unit < TableSize && piece < pieces.size(); ++unit) {
        if (isSurrogate(unit))
            continue;
        const quint16 code = codeFromBytes(pieces.at(piece++));
        if (code == 0)
            continue;
        candidates.append(char16_t(unit));
        appendCode(codes, code);
        codes.append('\n');
        table[unit] = code;
    }

    const QStringList decoded = gbk::decode(codes).split(u'\n');
    for (qsizetype i = 0; i < candidates.size(); ++i) {
        const bool same = i < decoded.size() && decoded.at(i).size() == 1 && decoded.at(i).at(0) == candidates.at(i);
        if (!same)
            table[candidates.at(i)] = 0;
    }
    return table;
}

} // namespace

const quint16 *gbkCodeTable()
{
    static const std::unique_ptr<quint16[]> table = buildTable();
    return table.get();
}

} // namespace rtf
