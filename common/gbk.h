#pragma once

#include <QByteArray>
#include <QString>

// The program's files and RTF bytes are in code page 936; inside it is Unicode.
namespace gbk {

// Encodes text as GBK; characters GBK lacks become '?'.
QByteArray encode(const QString &text);
// Decodes GBK bytes; malformed sequences become U+FFFD.
QString decode(const QByteArray &bytes);
// True when GBK can represent the character (used to choose between \'xx and \uN).
bool canEncode(char32_t codePoint);

} // namespace gbk
