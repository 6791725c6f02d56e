#pragma once

#include <QtGlobal>

namespace rtf {

// The GBK code of every BMP character that GBK encodes and decodes back to the same character, 0 for the
// others, indexed by UTF-16 code unit. Codes below 0x100 are one byte (the euro sign), the rest two.
// Built once from common/gbk.h on first use, so the writer needs no per-character encoder call.
const quint16 *gbkCodeTable();

} // namespace rtf
