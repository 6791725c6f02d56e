#pragma once

#include <QString>
#include <QStringList>

// Text files of the program are lists of lines in GBK: every line ends with CR LF when written;
// when read, a line ends at CR, LF or CR LF and a final line break adds no empty line.
namespace textlines {

// Splits decoded text into lines by the rule above.
QStringList split(const QString &text);
// Reads the file's lines; throws TovakiError when it cannot be read.
QStringList read(const QString &path);
// Replaces the file with the lines, atomically (written beside, synced, renamed), so a crash
// never leaves a half-written file; throws TovakiError when it cannot be written.
void write(const QString &path, const QStringList &lines);

} // namespace textlines
