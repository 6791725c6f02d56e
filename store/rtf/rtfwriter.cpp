#include "rtfcodec.h"

#include "gbktable.h"

#include <QFont>
#include <QHash>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

namespace rtf {
namespace {

// The most bytes one UTF-16 unit can take: "\u-32768?".
constexpr qsizetype MaxBytesPerUnit = 9;
constexpr qsizetype MaxFormatChangeBytes = 96;

// A character format as the rich-edit control stores it: indices into the font and colour tables.
struct RunFormat
{
    int font = -1;
    int halfPoints = -1;
    int colour = 0; // 0 is the automatic colour
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
};

char *put(char *out, std::string_view text)
{
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

char *putNumber(char *out, int value)
{
    char digits[12];
    int count = 0;
    unsigned magnitude = value < 0 ? 0u - unsigned(value) : unsigned(value);
    do {
        digits[count++] = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        *out++ = '-';
    while (count > 0)
        *out++ = digits[--count];
    return out;
}

char *putHexByte(char *out, unsigned byte)
{
    static constexpr char Hex[] = "0123456789abcdef";
    out[0] = '\\';
    out[1] = '\'';
    out[2] = Hex[(byte >> 4) & 0xF];
    out[3] = Hex[byte & 0xF];
    return out + 4;
}

// \uN takes a signed 16-bit N; '?' is the fallback character that readers without Unicode show.
char *putUnicode(char *out, char16_t unit)
{
    out = put(out, "\\u");
    out = putNumber(out, unit > 0x7FFF ? int(unit) - 0x10000 : int(unit));
    *out++ = '?';
    return out;
}

// Text as the rich-edit control writes it: ASCII as is, GBK characters as \'xx pairs, the rest as \uN.
// The caller makes room for MaxBytesPerUnit bytes per unit.
char *putText(char *out, const QChar *text, qsizetype length)
{
    const quint16 *gbkCodes = gbkCodeTable();
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t unit = text[i].unicode();
        if (unit < 0x80) {
            if (unit >= 0x20) {
                if (unit == '\\' || unit == '{' || unit == '}')
                    *out++ = '\\';
                *out++ = char(unit);
            } else if (unit == '\t') {
                out = put(out, "\\tab ");
            }
            continue; // other control characters cannot be shown
        }
        if (const quint16 code = gbkCodes[unit]) {
            if (code >= 0x100)
                out = putHexByte(out, code >> 8);
            out = putHexByte(out, code & 0xFF);
        } else if (unit == QChar::LineSeparator) {
            out = put(out, "\\line ");
        } else if (unit == QChar::ObjectReplacementCharacter || unit == QChar::ParagraphSeparator) {
            continue; // an embedded object's place holder, or a break the blocks already give
        } else if (QChar::isHighSurrogate(unit) && i + 1 < length && text[i + 1].isLowSurrogate()) {
            out = putUnicode(out, unit);
            out = putUnicode(out, text[++i].unicode());
        } else {
            out = putUnicode(out, QChar::isSurrogate(unit) ? char16_t(QChar::ReplacementCharacter) : unit);
        }
    }
    return out;
}

// A byte buffer written through a raw pointer: the per-character loop must not check capacity per byte.
class ByteSink
{
public:
    char *reserve(qsizetype more)
    {
        if (m_used + more > m_bytes.size())
            m_bytes.resize(std::max(2 * m_bytes.size(), m_used + more));
        return m_bytes.data() + m_used;
    }
    void commit(const char *end) { m_used = end - m_bytes.constData(); }
    void append(std::string_view text) { commit(put(reserve(qsizetype(text.size())), text)); }
    QByteArray take()
    {
        m_bytes.truncate(m_used);
        m_bytes.squeeze();
        return std::move(m_bytes);
    }

private:
    QByteArray m_bytes;
    qsizetype m_used = 0;
};

class RtfWriter
{
public:
    explicit RtfWriter(const QTextDocument *document);
    QByteArray write();

private:
    qsizetype collectFormats();
    void writeHeader();
    void writeBlock(const QTextBlock &block);
    void writeFormat(const RunFormat &format);
    const RunFormat &formatOf(const QTextFragment &fragment);
    RunFormat resolve(const QTextCharFormat &format);
    int fontIndex(const QString &family);
    int colourIndex(QRgb colour);

    const QTextDocument *m_document;
    QFont m_defaultFont;
    QStringList m_fonts;
    QHash<QString, int> m_fontIndex;
    QList<QRgb> m_colours;
    QHash<QRgb, int> m_colourIndex;
    std::vector<int> m_slotOfFormat; // the document's format index -> m_formats, -1 before first use
    std::vector<RunFormat> m_formats;
    RunFormat m_current;
    ByteSink m_out;
};

RtfWriter::RtfWriter(const QTextDocument *document) : m_document(document), m_defaultFont(document->defaultFont()) {}

// The tables come first in RTF, so one pass collects the formats; the output is sized for the worst case
// once, and squeezed at the end, instead of growing and copying.
QByteArray RtfWriter::write()
{
    const RunFormat initial = resolve(QTextCharFormat());
    const qsizetype fragments = collectFormats();
    qsizetype tables = 256 + 48 * m_colours.size();
    for (const QString &family : std::as_const(m_fonts))
        tables += 48 + family.size() * MaxBytesPerUnit;
    m_out.reserve(tables + m_document->characterCount() * MaxBytesPerUnit + (fragments + 1) * MaxFormatChangeBytes +
                  m_document->blockCount() * 8);
    writeHeader();
    m_out.append("\\pard");
    writeFormat(initial);
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next())
        writeBlock(block);
    m_out.append("}\r\n");
    return m_out.take();
}

qsizetype RtfWriter::collectFormats()
{
    qsizetype fragments = 0;
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            formatOf(it.fragment());
            ++fragments;
        }
    }
    return fragments;
}

// Font names are GBK like the text (\fcharset134); a semicolon would end the name early.
void RtfWriter::writeHeader()
{
    m_out.append("{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052{\\fonttbl");
    for (qsizetype i = 0; i < m_fonts.size(); ++i) {
        QString name = m_fonts.at(i);
        name.remove(u';');
        char *out = m_out.reserve(name.size() * MaxBytesPerUnit + 48);
        out = putNumber(put(out, "{\\f"), int(i));
        out = put(out, "\\fnil\\fcharset134 ");
        out = putText(out, name.constData(), name.size());
        m_out.commit(put(out, ";}"));
    }
    m_out.append("}\r\n");
    if (!m_colours.isEmpty()) {
        m_out.append("{\\colortbl ;");
        for (const QRgb colour : std::as_const(m_colours)) {
            char *out = m_out.reserve(48);
            out = putNumber(put(out, "\\red"), qRed(colour));
            out = putNumber(put(out, "\\green"), qGreen(colour));
            out = putNumber(put(out, "\\blue"), qBlue(colour));
            m_out.commit(put(out, ";"));
        }
        m_out.append("}\r\n");
    }
    m_out.append("{\\*\\generator Tovaki;}\\viewkind4\\uc1");
}

// Every paragraph ends with \par, the last one too: the control reads that as the document's final mark.
// The fragments of a block are consecutive in its text.
void RtfWriter::writeBlock(const QTextBlock &block)
{
    const QString text = block.text();
    qsizetype offset = 0;
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const qsizetype length = std::min<qsizetype>(fragment.length(), text.size() - offset);
        writeFormat(formatOf(fragment));
        m_out.commit(putText(m_out.reserve(length * MaxBytesPerUnit), text.constData() + offset, length));
        offset += length;
    }
    m_out.append("\\par\r\n");
}

void RtfWriter::writeFormat(const RunFormat &format)
{
    char *const start = m_out.reserve(MaxFormatChangeBytes);
    char *out = start;
    const auto flag = [&out](bool was, bool is, std::string_view on, std::string_view off) {
        if (was != is)
            out = put(out, is ? on : off);
    };
    if (format.font != m_current.font)
        out = putNumber(put(out, "\\f"), format.font);
    if (format.halfPoints != m_current.halfPoints)
        out = putNumber(put(out, "\\fs"), format.halfPoints);
    if (format.colour != m_current.colour)
        out = putNumber(put(out, "\\cf"), format.colour);
    flag(m_current.bold, format.bold, "\\b", "\\b0");
    flag(m_current.italic, format.italic, "\\i", "\\i0");
    flag(m_current.underline, format.underline, "\\ul", "\\ulnone");
    flag(m_current.strike, format.strike, "\\strike", "\\strike0");
    if (out != start)
        *out++ = ' ';
    m_out.commit(out);
    m_current = format;
}

const RunFormat &RtfWriter::formatOf(const QTextFragment &fragment)
{
    const int index = fragment.charFormatIndex();
    if (index < 0)
        return m_current;
    if (std::size_t(index) >= m_slotOfFormat.size())
        m_slotOfFormat.resize(std::size_t(index) + 1, -1);
    int &slot = m_slotOfFormat[std::size_t(index)];
    if (slot < 0) {
        slot = int(m_formats.size());
        m_formats.push_back(resolve(fragment.charFormat()));
    }
    return m_formats[std::size_t(slot)];
}

// What the text looks like: properties the format leaves unset come from the document's default font.
RunFormat RtfWriter::resolve(const QTextCharFormat &format)
{
    const QFont font = format.font().resolve(m_defaultFont);
    RunFormat run;
    const QStringList families = font.families();
    run.font = fontIndex(families.isEmpty() ? font.family() : families.constFirst());
    qreal points = font.pointSizeF();
    if (points <= 0)
        points = font.pixelSize() > 0 ? font.pixelSize() * 0.75 : 12;
    run.halfPoints = std::clamp(qRound(points * 2), 1, 3276);
    const QBrush foreground = format.foreground();
    if (foreground.style() != Qt::NoBrush)
        run.colour = colourIndex(foreground.color().rgb());
    run.bold = font.bold();
    run.italic = font.italic();
    run.underline = font.underline();
    run.strike = font.strikeOut();
    return run;
}

int RtfWriter::fontIndex(const QString &family)
{
    const auto found = m_fontIndex.constFind(family);
    if (found != m_fontIndex.cend())
        return *found;
    m_fonts.append(family);
    return m_fontIndex.insert(family, int(m_fonts.size() - 1)).value();
}

int RtfWriter::colourIndex(QRgb colour)
{
    colour |= 0xFF000000; // the table has no alpha
    const auto found = m_colourIndex.constFind(colour);
    if (found != m_colourIndex.cend())
        return *found;
    m_colours.append(colour);
    return m_colourIndex.insert(colour, int(m_colours.size())).value(); // 0 is the automatic colour
}

} // namespace

QByteArray writeRtf(const QTextDocument *document)
{
    return RtfWriter(document).write();
}

} // namespace rtf
