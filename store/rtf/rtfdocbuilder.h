#pragma once

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>
#include <utility>

class QTextDocument;

namespace rtf {

// Character properties of RTF text, kept as the raw numbers of the control words so comparing them is cheap.
struct CharProps
{
    int font = -1;      // font number of \f, -1 for none
    int halfPoints = 0; // \fs, 0 for the document's default size
    int colour = 0;     // index into the colour table of \cf
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;

    bool operator==(const CharProps &) const = default;
};

struct FontEntry
{
    QString family;
    int codePage = 0; // 0: the document's \ansicpg
};

using FontTable = QHash<int, FontEntry>;
using ColourTable = QList<QColor>; // an invalid colour is the automatic one

// Collects RTF text into runs of one format and inserts each run into the document at once.
// The last paragraph mark of the RTF is the document's own final one and adds no paragraph.
class DocumentBuilder
{
public:
    // The tables are read when a run is inserted, so they may still grow while text arrives.
    DocumentBuilder(QTextDocument *document, const FontTable &fonts, const ColourTable &colours);

    // Bytes of the given Windows code page; a character may span two calls (GBK lead and trail bytes).
    void addBytes(const char *bytes, qsizetype count, const CharProps &props, int codePage);
    void addUnit(char16_t unit, const CharProps &props);
    void addParagraph() { ++m_pendingParagraphs; }
    // The font or colour table has grown: formats made so far may be out of date.
    void tablesChanged() { m_formats.clear(); }
    // Inserts what is left; call once at the end.
    void finish();

private:
    void prepare(const CharProps &props);
    void addGbk(const char *bytes, qsizetype count);
    void appendPendingParagraphs();
    void flushBytes();
    void flushRun();
    const QTextCharFormat &formatOf(const CharProps &props);
    QTextCharFormat makeFormat(const CharProps &props) const;

    QTextCursor m_cursor;
    // Pages switch between a few formats; building a QTextCharFormat costs more than finding it here.
    QList<std::pair<CharProps, QTextCharFormat>> m_formats;
    const FontTable &m_fonts;
    const ColourTable &m_colours;
    QString m_run;
    CharProps m_runProps;
    bool m_runHasSurrogate = false;
    quint8 m_gbkLead = 0; // a GBK lead byte waiting for its trail byte
    QByteArray m_bytes;   // text bytes of a code page other than GBK, decoded when the run ends
    int m_bytesCodePage = 0;
    int m_pendingParagraphs = 0;
};

} // namespace rtf
