#pragma once

#include <QByteArray>
#include <QString>

namespace rtf {

constexpr int GbkCodePage = 936;
// What RTF assumes when \ansicpg is missing.
constexpr int DefaultAnsiCodePage = 1252;

// The Windows code page of a font's \fcharset; 0 when the charset leaves it to \ansicpg.
int codePageOfCharset(int charset);

// Decodes bytes of a Windows code page; an unknown code page reads as Latin-1 so nothing is dropped.
QString decodeCodePage(const QByteArray &bytes, int codePage);

} // namespace rtf
