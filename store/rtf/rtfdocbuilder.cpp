#include "rtfdocbuilder.h"

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
    if (codePage != m_bytesCodePage) {
        flushBytes();
        m_bytesCodePage = codePage;
    }
    m_bytes.append(bytes, count);
}

void DocumentBuilder::addUnit(char16_t unit, const CharProps &props)
{
    prepare(props);
    flushBytes();
    m_run.append(QChar(unit));
    if (QChar::isSurrogate(unit))
        m_runHasSurrogate = true;
}

void DocumentBuilder::finish()
{
    if (m_pendingParagraphs > 0)
        --m_pendingParagraphs;
    if (m_pendingParagraphs > 0) {
        flushBytes();
        m_run.append(QString(m_pendingParagraphs, u'\n'));
        m_pendingParagraphs = 0;
    }
    flushRun();
    m_cursor.endEditBlock();
}

// Paragraph marks wait until more text follows, so that the last one can be dropped; they take the format
// of the text before them.
void DocumentBuilder::prepare(const CharProps &props)
{
    if (m_pendingParagraphs > 0) {
        flushBytes();
        m_run.append(QString(m_pendingParagraphs, u'\n'));
        m_pendingParagraphs = 0;
    }
    if (!(props == m_runProps)) {
        flushRun();
        m_runProps = props;
    }
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
    if (m_run.isEmpty())
        return;
    if (m_runHasSurrogate) {
        replaceLoneSurrogates(m_run);
        m_runHasSurrogate = false;
    }
    m_cursor.insertText(m_run, formatOf(m_runProps));
    m_run.resize(0);
}

QTextCharFormat DocumentBuilder::formatOf(const CharProps &props) const
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
