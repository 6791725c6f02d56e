#include "rtfcodec.h"

#include "gbk.h"
#include "rtfcodepage.h"
#include "rtfdocbuilder.h"
#include "rtfkeywords.h"

#include <QStringDecoder>
#include <QTextDocument>
#include <algorithm>
#include <array>
#include <climits>
#include <vector>

namespace rtf {
namespace {

// Real documents nest a handful of groups; deeper ones share the innermost state, so hostile input
// costs neither memory nor stack.
constexpr std::size_t MaxGroupDepth = 256;
constexpr int MaxUnicodeSkip = 32;
constexpr qsizetype MaxTableEntries = 65536;
constexpr int MaxHalfPoints = 3276; // 1638 pt, the most the rich-edit control takes
constexpr int DefaultHalfPoints = 24;

enum class Destination : quint8 { Text, FontTable, ColourTable, Skipped };

struct GroupState
{
    CharProps props;
    Destination destination = Destination::Text;
    int unicodeSkip = 1;
};

struct ControlWord
{
    std::string_view name;
    bool hasParam = false;
    int param = 0;
};

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Bytes that end a run of literal text: group braces, the backslash and control bytes.
constexpr std::array<bool, 256> StopBytes = [] {
    std::array<bool, 256> stop{};
    for (int c = 0; c < 0x20; ++c)
        stop[c] = true;
    stop['{'] = stop['}'] = stop['\\'] = true;
    return stop;
}();

bool isStopByte(char c)
{
    return StopBytes[quint8(c)];
}

// Where "{\rtf" starts after an optional UTF-8 byte order mark and white space; -1 when the bytes are no RTF.
qsizetype rtfStart(const QByteArray &bytes)
{
    qsizetype pos = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (pos < bytes.size() && (bytes[pos] == ' ' || bytes[pos] == '\t' || bytes[pos] == '\r' || bytes[pos] == '\n'))
        ++pos;
    return QByteArrayView(bytes).sliced(pos).startsWith("{\\rtf") ? pos : -1;
}

class RtfReader
{
public:
    RtfReader(const QByteArray &bytes, qsizetype start, QTextDocument *document)
        : m_pos(bytes.constData() + start), m_end(bytes.constData() + bytes.size()),
          m_builder(document, m_fonts, m_colours)
    {
        m_stack.reserve(64);
        m_stack.emplace_back(); // outside every group
    }

    void read();

private:
    void group(bool open);
    void controlSequence();
    ControlWord readControlWord();
    bool readHexByte(quint8 &byte);
    void literalText();
    void word(const ControlWord &word);
    void textWord(Keyword keyword, const ControlWord &word);
    void symbol(char c);
    void text(const char *bytes, qsizetype count);
    void hexText(quint8 first);
    void hexByte(quint8 byte);
    void character(char16_t unit);
    void unicode(int param);
    void skipGroup();
    void skipBinary(int count);
    void fontTableWord(Keyword keyword, const ControlWord &word);
    void finishFontEntry();
    int fontEntryCodePage() const;
    void colourTableText(const char *bytes, qsizetype count);
    GroupState &state() { return m_stack.back(); }
    CharProps props() const;
    int codePage();

    const char *m_pos;
    const char *m_end;
    std::vector<GroupState> m_stack;
    int m_overflowDepth = 0; // groups opened beyond MaxGroupDepth
    bool m_done = false;
    int m_pendingSkip = 0; // fallback characters of the last \u still to skip
    int m_ansiCodePage = DefaultAnsiCodePage;
    int m_defaultFont = -1;
    FontTable m_fonts;
    ColourTable m_colours;
    // the font table entry being read
    int m_fontNumber = -1;
    int m_fontCharset = -1;
    QString m_fontName;
    QByteArray m_fontBytes;
    // the colour table entry being read
    int m_red = -1;
    int m_green = -1;
    int m_blue = -1;
    // codePage() of the last font asked for
    int m_cachedFont = INT_MIN;
    int m_cachedCodePage = 0;
    DocumentBuilder m_builder;
};

void RtfReader::read()
{
    while (m_pos < m_end && !m_done) {
        switch (*m_pos) {
        case '{':
            ++m_pos;
            group(true);
            break;
        case '}':
            ++m_pos;
            group(false);
            break;
        case '\\':
            ++m_pos;
            controlSequence();
            break;
        case '\r':
        case '\n':
            ++m_pos;
            break;
        default:
            literalText();
        }
    }
    m_builder.finish();
}

void RtfReader::group(bool open)
{
    m_pendingSkip = 0;
    if (open) {
        if (m_stack.size() < MaxGroupDepth)
            m_stack.push_back(m_stack.back());
        else
            ++m_overflowDepth;
        return;
    }
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return;
    }
    if (m_stack.size() <= 1) {
        m_done = true;
        return;
    }
    const Destination closed = m_stack.back().destination;
    m_stack.pop_back();
    // An entry written as {\f0 Name} has no semicolon.
    if (closed == Destination::FontTable && m_fontNumber >= 0)
        finishFontEntry();
    // The document's group has ended; rich-edit puts a NUL byte after it.
    if (m_stack.size() == 1)
        m_done = true;
}

void RtfReader::controlSequence()
{
    if (m_pos >= m_end)
        return;
    const char c = *m_pos;
    if (isLetter(c)) {
        const ControlWord control = readControlWord();
        if (m_pendingSkip > 0) {
            --m_pendingSkip;
            if (control.name == "bin")
                skipBinary(control.param);
            return;
        }
        word(control);
        return;
    }
    ++m_pos;
    if (c == '\'') {
        quint8 byte = 0;
        if (!readHexByte(byte))
            return;
        if (m_pendingSkip > 0)
            --m_pendingSkip;
        else if (byte >= 0x20 && state().destination == Destination::Text)
            hexText(byte);
        else
            hexByte(byte);
        return;
    }
    if (m_pendingSkip > 0)
        --m_pendingSkip;
    else
        symbol(c);
}

ControlWord RtfReader::readControlWord()
{
    const char *start = m_pos;
    while (m_pos < m_end && isLetter(*m_pos))
        ++m_pos;
    ControlWord control;
    // RTF words have at most 32 letters; a longer one is no word the reader knows.
    if (m_pos - start <= 32)
        control.name = std::string_view(start, m_pos - start);
    const bool negative = m_pos + 1 < m_end && *m_pos == '-' && isDigit(m_pos[1]);
    if (negative)
        ++m_pos;
    if (m_pos < m_end && isDigit(*m_pos)) {
        qint64 value = 0;
        for (; m_pos < m_end && isDigit(*m_pos); ++m_pos) {
            if (value <= INT_MAX)
                value = value * 10 + (*m_pos - '0');
        }
        value = std::min<qint64>(value, INT_MAX);
        control.hasParam = true;
        control.param = int(negative ? -value : value);
    }
    if (m_pos < m_end && *m_pos == ' ')
        ++m_pos;
    return control;
}

// \' takes two hex digits; a truncated one takes what is there, and none means no byte.
bool RtfReader::readHexByte(quint8 &byte)
{
    int value = 0;
    int digits = 0;
    while (digits < 2 && m_pos < m_end && hexValue(*m_pos) >= 0) {
        value = value * 16 + hexValue(*m_pos);
        ++m_pos;
        ++digits;
    }
    byte = quint8(value);
    return digits > 0;
}

void RtfReader::literalText()
{
    const char *start = m_pos;
    while (m_pos < m_end && !isStopByte(*m_pos))
        ++m_pos;
    if (m_pos == start) {
        // A control byte: only a tab means something; NUL and the rest are dropped.
        const char c = *m_pos++;
        if (c == '\t') {
            if (m_pendingSkip > 0)
                --m_pendingSkip;
            else
                character(u'\t');
        }
        return;
    }
    if (m_pendingSkip > 0) {
        const qsizetype skipped = std::min<qsizetype>(m_pendingSkip, m_pos - start);
        start += skipped;
        m_pendingSkip -= int(skipped);
    }
    if (start < m_pos)
        text(start, m_pos - start);
}

void RtfReader::word(const ControlWord &control)
{
    const Keyword keyword = lookupKeyword(control.name);
    switch (keyword) {
    case Keyword::Bin:
        skipBinary(control.param);
        return;
    case Keyword::Unicode:
        if (control.hasParam)
            unicode(control.param);
        return;
    case Keyword::UnicodeSkip:
        state().unicodeSkip = std::clamp(control.param, 0, MaxUnicodeSkip);
        return;
    case Keyword::SkipDestination:
        skipGroup();
        return;
    case Keyword::AnsiCodePage:
        if (control.param > 0)
            m_ansiCodePage = control.param;
        m_cachedFont = INT_MIN;
        return;
    case Keyword::DefaultFont:
        m_defaultFont = control.param;
        m_cachedFont = INT_MIN;
        return;
    case Keyword::FontTable:
        state().destination = Destination::FontTable;
        return;
    case Keyword::ColourTable:
        state().destination = Destination::ColourTable;
        return;
    default:
        break;
    }
    switch (state().destination) {
    case Destination::Text:
        textWord(keyword, control);
        break;
    case Destination::FontTable:
        fontTableWord(keyword, control);
        break;
    case Destination::ColourTable:
        if (keyword == Keyword::Red)
            m_red = std::clamp(control.param, 0, 255);
        else if (keyword == Keyword::Green)
            m_green = std::clamp(control.param, 0, 255);
        else if (keyword == Keyword::Blue)
            m_blue = std::clamp(control.param, 0, 255);
        break;
    case Destination::Skipped:
        break;
    }
}

void RtfReader::textWord(Keyword keyword, const ControlWord &control)
{
    CharProps &props = state().props;
    const bool on = !control.hasParam || control.param != 0;
    switch (keyword) {
    case Keyword::Paragraph:
        m_builder.addParagraph();
        break;
    case Keyword::Line:
        character(QChar::LineSeparator);
        break;
    case Keyword::Tab:
    case Keyword::Cell:
        character(u'\t');
        break;
    case Keyword::Plain:
        props = CharProps();
        break;
    case Keyword::Font:
        props.font = std::max(control.param, 0);
        break;
    case Keyword::FontSize:
        props.halfPoints = control.hasParam ? std::clamp(control.param, 0, MaxHalfPoints) : DefaultHalfPoints;
        break;
    case Keyword::Colour:
        props.colour = std::max(control.param, 0);
        break;
    case Keyword::Bold:
        props.bold = on;
        break;
    case Keyword::Italic:
        props.italic = on;
        break;
    case Keyword::Underline:
        props.underline = on;
        break;
    case Keyword::UnderlineNone:
        props.underline = false;
        break;
    case Keyword::Strike:
        props.strike = on;
        break;
    default:
        if (const char16_t unit = characterOf(keyword))
            character(unit);
    }
}

void RtfReader::symbol(char c)
{
    switch (c) {
    case '\\':
    case '{':
    case '}':
        text(&c, 1);
        break;
    case '~':
        character(0x00A0);
        break;
    case '_':
        character(0x2011);
        break;
    case '*':
        skipGroup();
        break;
    case '\r':
    case '\n':
        if (state().destination == Destination::Text)
            m_builder.addParagraph();
        break;
    default: // \- optional hyphen, \: index entry, \| formula: nothing to show
        break;
    }
}

void RtfReader::text(const char *bytes, qsizetype count)
{
    switch (state().destination) {
    case Destination::Text:
        m_builder.addBytes(bytes, count, props(), codePage());
        break;
    case Destination::FontTable:
        for (qsizetype i = 0; i < count; ++i) {
            if (bytes[i] == ';')
                finishFontEntry();
            else if (m_fontNumber >= 0)
                m_fontBytes.append(bytes[i]);
        }
        break;
    case Destination::ColourTable:
        colourTableText(bytes, count);
        break;
    case Destination::Skipped:
        break;
    }
}

// GBK text is a long chain of \'xx: the chain goes to the document in one piece.
void RtfReader::hexText(quint8 first)
{
    char bytes[256];
    qsizetype count = 0;
    bytes[count++] = char(first);
    while (count < qsizetype(sizeof bytes)) {
        while (m_pos < m_end && (*m_pos == '\r' || *m_pos == '\n'))
            ++m_pos;
        if (m_end - m_pos < 4 || m_pos[0] != '\\' || m_pos[1] != '\'')
            break;
        const int high = hexValue(m_pos[2]);
        const int low = hexValue(m_pos[3]);
        if (high < 0 || low < 0 || high < 2)
            break; // a truncated or control byte takes the general way
        bytes[count++] = char(high << 4 | low);
        m_pos += 4;
    }
    m_builder.addBytes(bytes, count, props(), codePage());
}

void RtfReader::hexByte(quint8 byte)
{
    // GBK bytes are never control bytes, so these are stray ones.
    if (byte < 0x20) {
        if (byte == '\t')
            character(u'\t');
        return;
    }
    const char c = char(byte);
    if (state().destination == Destination::Text)
        m_builder.addBytes(&c, 1, props(), codePage());
    else if (state().destination == Destination::FontTable && m_fontNumber >= 0)
        m_fontBytes.append(c); // an escaped semicolon belongs to the name
}

void RtfReader::character(char16_t unit)
{
    if (state().destination == Destination::Text) {
        m_builder.addUnit(unit, props());
    } else if (state().destination == Destination::FontTable && m_fontNumber >= 0) {
        m_fontName += decodeCodePage(m_fontBytes, fontEntryCodePage());
        m_fontBytes.clear();
        m_fontName += QChar(unit);
    }
}

// \uN: N is a UTF-16 unit, negative above 32767; the next \uc characters are the fallback for other readers.
void RtfReader::unicode(int param)
{
    const auto unit = char16_t(param & 0xFFFF);
    if (unit >= 0x20 || unit == u'\t')
        character(unit);
    m_pendingSkip = state().unicodeSkip;
}

// Skips to the end of the current group without looking at its words, except \bin whose data may hold braces.
void RtfReader::skipGroup()
{
    if (m_stack.size() <= 2 && m_overflowDepth == 0)
        return; // never the document's own group
    if (m_overflowDepth == 0)
        state().destination = Destination::Skipped;
    int depth = 1;
    while (m_pos < m_end) {
        const char c = *m_pos++;
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (--depth == 0) {
                group(false);
                return;
            }
        } else if (c == '\\' && m_pos < m_end) {
            if (isLetter(*m_pos)) {
                const ControlWord control = readControlWord();
                if (control.name == "bin")
                    skipBinary(control.param);
            } else {
                ++m_pos;
            }
        }
    }
}

void RtfReader::skipBinary(int count)
{
    if (count > 0)
        m_pos += std::min<qsizetype>(count, m_end - m_pos);
}

void RtfReader::fontTableWord(Keyword keyword, const ControlWord &control)
{
    if (keyword == Keyword::Font) {
        if (m_fontNumber >= 0 && (!m_fontName.isEmpty() || !m_fontBytes.isEmpty()))
            finishFontEntry();
        m_fontNumber = std::max(control.param, 0);
        m_fontCharset = -1;
        m_fontName.clear();
        m_fontBytes.clear();
    } else if (keyword == Keyword::FontCharset) {
        m_fontCharset = control.param;
    } else if (const char16_t unit = characterOf(keyword)) {
        character(unit);
    }
}

void RtfReader::finishFontEntry()
{
    if (m_fontNumber >= 0 && m_fonts.size() < MaxTableEntries && !m_fonts.contains(m_fontNumber)) {
        const QString name = m_fontName + decodeCodePage(m_fontBytes, fontEntryCodePage());
        m_fonts.insert(m_fontNumber, FontEntry{name.trimmed(), codePageOfCharset(m_fontCharset)});
    }
    m_fontNumber = -1;
    m_fontCharset = -1;
    m_fontName.clear();
    m_fontBytes.clear();
    m_cachedFont = INT_MIN;
    m_builder.tablesChanged();
}

int RtfReader::fontEntryCodePage() const
{
    const int codePage = codePageOfCharset(m_fontCharset);
    return codePage != 0 ? codePage : m_ansiCodePage;
}

void RtfReader::colourTableText(const char *bytes, qsizetype count)
{
    for (qsizetype i = 0; i < count; ++i) {
        if (bytes[i] != ';')
            continue;
        if (m_colours.size() < MaxTableEntries) {
            const bool automatic = m_red < 0 && m_green < 0 && m_blue < 0;
            m_colours.append(automatic ? QColor()
                                       : QColor(std::max(m_red, 0), std::max(m_green, 0), std::max(m_blue, 0)));
        }
        m_red = m_green = m_blue = -1;
        m_builder.tablesChanged();
    }
}

CharProps RtfReader::props() const
{
    CharProps props = m_stack.back().props;
    if (props.font < 0)
        props.font = m_defaultFont;
    return props;
}

// The bytes of text are in the code page of the current font's charset, else in the document's \ansicpg.
int RtfReader::codePage()
{
    const int font = props().font;
    if (font != m_cachedFont) {
        const auto entry = m_fonts.constFind(font);
        m_cachedFont = font;
        m_cachedCodePage = entry != m_fonts.cend() && entry->codePage != 0 ? entry->codePage : m_ansiCodePage;
    }
    return m_cachedCodePage;
}

} // namespace

bool readRtf(const QByteArray &bytes, QTextDocument *document)
{
    const qsizetype start = rtfStart(bytes);
    if (start < 0)
        return false;
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    document->clear();
    RtfReader(bytes, start, document).read();
    document->setUndoRedoEnabled(undo);
    return true;
}

void readPlainText(const QByteArray &bytes, QTextDocument *document)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = gbk::decode(bytes);
    text.remove(QChar(0));
    document->setPlainText(text);
}

bool loadDocument(const QByteArray &bytes, QTextDocument *document)
{
    if (readRtf(bytes, document))
        return true;
    readPlainText(bytes, document);
    return false;
}

} // namespace rtf
