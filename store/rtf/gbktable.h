#pragma once

#include <QtGlobal>

// Lookup tables of GBK, built once from common/gbk.h on first use, so that the RTF reader and writer
// need no converter call per character.
namespace rtf {

// The GBK code of every BMP character that GBK encodes and decodes back to the same character, 0 for the
// others, indexed by UTF-16 code unit. Codes below 0x100 are one byte (the euro sign), the rest two.
const quint16 *gbkCodeTable();

// The character of every GBK code, 0 for invalid codes: two-byte codes at lead << 8 | trail (lead 0x81 to
// 0xFE), one-byte codes from 0x80 at the byte itself.
const char16_t *gbkCharTable();

constexpr bool isGbkLeadByte(quint8 byte)
{
    return byte >= 0x81 && byte <= 0xFE;
}

} // namespace rtf
