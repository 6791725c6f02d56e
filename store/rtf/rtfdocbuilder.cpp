#include "rtfdocbuilder.h"

#include "gbktable.h"
#include "rtfcodepage.h"

#include <QTextCharFormat>
#include <QTextDocument>

namespace rtf {
namespace {

// A surrogate without its partner would make the document's text invalid UTF-16.
void replaceLoneSurrogates(QString &text)
{
    QChar *data = text.data();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (data[i].isHighSurrogate() && i + 1 < size && data[i + 1].isLowSurrogate())
            ++i;
        else if (data[i].isSurrogate())
            data[i] = QChar::ReplacementCharacter;
    }
}

} // namespace

DocumentBuilder::DocumentBuilder(QTextDocument *document, const FontTable &fonts, const ColourTable &colours)
    : m_cursor(document), m_fonts(fonts), m_colours(colours)
{
    m_run.reserve(4096);
    m_bytes.reserve(4096);
    // One edit block: a view lays the document out once, not after every run.
    m_cursor.beginEditBlock();
}

void DocumentBuilder::addBytes(const char *bytes, qsizetype count, const CharProps &props, int codePage)
{
    prepare(props);
    if (codePage == GbkCodePage) {
        flushBytes();
        addGbk(bytes, count);
        return;
    }
    m_gbkLead = 0;
    if (codePage != m_bytesCodePage) {
        flushBytes();
        m_bytesCodePage = codePage;
    }
    m_bytes.append(bytes, count);
}

// The memo's text is GBK: decoded here by table, straight into the run. A lead byte without a valid trail
// byte is dropped.
void DocumentBuilder::addGbk(const char *bytes, qsizetype count)
{
    const char16_t *chars = gbkCharTable();
    const qsizetype start = m_run.size();
    m_run.resize(start + count);
    char16_t *const begin = reinterpret_cast<char16_t *>(m_run.data());
    char16_t *out = begin + start;
    for (qsizetype i = 0; i < count; ++i) {
        const auto byte = quint8(bytes[i]);
        if (m_gbkLead != 0) {
            const char16_t c = chars[m_gbkLead << 8 | byte];
            m_gbkLead = 0;
            if (c != 0) {
                *out++ = c;
                continue;
            }
        }
        if (byte < 0x80)
            *out++ = byte;
        else if (isGbkLeadByte(byte))
            m_gbkLead = byte;
        else if (chars[byte] != 0)
            *out++ = chars[byte];
    }
    m_run.resize(out - begin);
}

void DocumentBuilder::addUnit(char16_t unit, const CharProps &props)
{
    prepare(props);
    flushBytes();
    m_gbkLead = 0;
    m_run.append(QChar(unit));
    if (QChar::isSurrogate(unit))
        m_runHasSurrogate = true;
}

void DocumentBuilder::finish()
{
    if (m_pendingParagraphs > 0)
        --m_pendingParagraphs;
    appendPendingParagraphs();
    flushRun();
    m_cursor.endEditBlock();
}

// Paragraph marks wait until more text follows, so that the last one can be dropped; they take the format
// of the text before them.
void DocumentBuilder::prepare(const CharProps &props)
{
    appendPendingParagraphs();
    if (!(props == m_runProps)) {
        flushRun();
        m_runProps = props;
    }
}

void DocumentBuilder::appendPendingParagraphs()
{
    if (m_pendingParagraphs == 0)
        return;
    flushBytes();
    m_gbkLead = 0;
    m_run.resize(m_run.size() + m_pendingParagraphs, u'\n');
    m_pendingParagraphs = 0;
}

void DocumentBuilder::flushBytes()
{
    if (m_bytes.isEmpty())
        return;
    m_run.append(decodeCodePage(m_bytes, m_bytesCodePage));
    m_bytes.resize(0);
}

void DocumentBuilder::flushRun()
{
    flushBytes();
    m_gbkLead = 0;
    if (m_run.isEmpty())
        return;
    if (m_runHasSurrogate) {
        replaceLoneSurrogates(m_run);
        m_runHasSurrogate = false;
    }
    m_cursor.insertText(m_run, formatOf(m_runProps));
    m_run.resize(0);
}

const QTextCharFormat &DocumentBuilder::formatOf(const CharProps &props)
{
    constexpr qsizetype MaxCached = 32;
    for (const auto &[cachedProps, format] : std::as_const(m_formats)) {
        if (cachedProps == props)
            return format;
    }
    if (m_formats.size() >= MaxCached)
        m_formats.removeFirst();
    m_formats.append({props, makeFormat(props)});
    return m_formats.constLast().second;
}

QTextCharFormat DocumentBuilder::makeFormat(const CharProps &props) const
{
    QTextCharFormat format;
    const auto font = m_fonts.constFind(props.font);
    if (font != m_fonts.cend() && !font->family.isEmpty())
        format.setFontFamilies({font->family});
    if (props.halfPoints > 0)
        format.setFontPointSize(props.halfPoints / 2.0);
    if (props.colour >= 0 && props.colour < m_colours.size() && m_colours.at(props.colour).isValid())
        format.setForeground(m_colours.at(props.colour));
    if (props.bold)
        format.setFontWeight(QFont::Bold);
    if (props.italic)
        format.setFontItalic(true);
    if (props.underline)
        format.setFontUnderline(true);
    if (props.strike)
        format.setFontStrikeOut(true);
    return format;
}

} // namespace rtf
