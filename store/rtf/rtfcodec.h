#pragma once

#include <QByteArray>

class QTextDocument;

// Reader and writer of the RTF dialect that the Windows rich-edit control writes and reads
// (\ansicpg936, GBK text as \'xx, \uN for the rest), so existing note databases load unchanged.
namespace rtf {

// Replaces the document's content with the bytes read as RTF. Returns false, leaving the document
// untouched, when the bytes are not RTF. Malformed RTF never crashes or hangs: it loads what it can.
bool readRtf(const QByteArray &bytes, QTextDocument *document);

// Replaces the document's content with the bytes read as plain text (UTF-8 when the bytes are
// valid UTF-8, GBK otherwise). Empty bytes give an empty document.
void readPlainText(const QByteArray &bytes, QTextDocument *document);

// The load an editor does: RTF when the bytes are RTF, plain text otherwise. Returns whether they were RTF.
bool loadDocument(const QByteArray &bytes, QTextDocument *document);

// Writes the whole document as RTF in the rich-edit dialect; readRtf reads it back to the same text
// and character formats (font family, size, colour, bold, italic, underline, strike-out).
QByteArray writeRtf(const QTextDocument *document);

} // namespace rtf
