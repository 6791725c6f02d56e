#include "gbk.h"
#include "rtfcodec.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

// What a piece of text looks like, resolved against the document's default font.
struct Run
{
    QString text;
    QString family;
    qreal points = 0;
    QColor colour; // invalid: the automatic colour
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;

    bool sameLook(const Run &other) const
    {
        return family == other.family && points == other.points && colour == other.colour && bold == other.bold &&
               italic == other.italic && underline == other.underline && strike == other.strike;
    }
    bool operator==(const Run &other) const { return text == other.text && sameLook(other); }
};

char *toString(const Run &run)
{
    const QString text = QStringLiteral("\"%1\" %2 %3pt %4%5%6%7%8")
                             .arg(run.text, run.family)
                             .arg(run.points)
                             .arg(run.colour.isValid() ? run.colour.name() : QStringLiteral("auto"))
                             .arg(run.bold ? " bold" : "", run.italic ? " italic" : "",
                                  run.underline ? " underline" : "", run.strike ? " strike" : "");
    return qstrdup(text.toUtf8().constData());
}

using Runs = QList<Run>;

const QFont &defaultFont()
{
    static const QFont font(QStringLiteral("DefaultFamily"), 9);
    return font;
}

Run lookOf(const QTextCharFormat &format)
{
    const QFont font = format.font().resolve(defaultFont());
    Run run;
    run.family = font.families().value(0, font.family());
    run.points = font.pointSizeF();
    if (format.foreground().style() != Qt::NoBrush)
        run.colour = format.foreground().color();
    run.bold = font.bold();
    run.italic = font.italic();
    run.underline = font.underline();
    run.strike = font.strikeOut();
    return run;
}

// The document as runs of one look; a paragraph break joins the run before it.
Runs runsOf(const QTextDocument &document)
{
    Runs runs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin()) {
            if (runs.isEmpty())
                runs.append(lookOf(QTextCharFormat()));
            runs.last().text += u'\n';
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            Run run = lookOf(it.fragment().charFormat());
            run.text = it.fragment().text();
            if (!runs.isEmpty() && runs.last().sameLook(run))
                runs.last().text += run.text;
            else
                runs.append(run);
        }
    }
    return runs;
}

// Paragraphs joined by '\n'; line breaks stay U+2028.
QString textOf(const QTextDocument &document)
{
    QStringList blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        blocks.append(block.text());
    return blocks.join(u'\n');
}

void fill(QTextDocument &document, const Runs &runs)
{
    QTextCursor cursor(&document);
    for (const Run &run : runs) {
        QTextCharFormat format;
        format.setFontFamilies({run.family});
        format.setFontPointSize(run.points);
        if (run.colour.isValid())
            format.setForeground(run.colour);
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(run.italic);
        format.setFontUnderline(run.underline);
        format.setFontStrikeOut(run.strike);
        cursor.insertText(run.text, format);
    }
}

Run run(const QString &text, const QString &family, qreal points, const QColor &colour = QColor(),
        const QString &flags = QString())
{
    return Run{text,
               family,
               points,
               colour,
               flags.contains(u'b'),
               flags.contains(u'i'),
               flags.contains(u'u'),
               flags.contains(u's')};
}

QByteArray corpusFile(const QString &name)
{
    QFile file(QStringLiteral(TOVAKI_TEST_DATA "/rtf/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read test file %s", qPrintable(file.fileName()));
    return file.readAll();
}

// Text a reader may hand to the editor: no control characters but tab, no broken surrogate pairs.
bool isSane(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() < 0x20 && c != u'\t' && c != u'\n')
            return false;
        if (c.isHighSurrogate() && !(i + 1 < text.size() && text.at(i + 1).isLowSurrogate()))
            return false;
        if (c.isLowSurrogate() && !(i > 0 && text.at(i - 1).isHighSurrogate()))
            return false;
    }
    return true;
}

QByteArray readBackAndWrite(const QByteArray &rtf, QTextDocument &document)
{
    document.setDefaultFont(defaultFont());
    rtf::readRtf(rtf, &document);
    return rtf::writeRtf(&document);
}

} // namespace

Q_DECLARE_METATYPE(Run)

class TestRtfCodec : public QObject
{
    Q_OBJECT

private slots:
    void readsCorpus_data();
    void readsCorpus();
    void readsFormats_data();
    void readsFormats();
    void readsSnippets_data();
    void readsSnippets();
    void rejectsNonRtf_data();
    void rejectsNonRtf();
    void survivesMalformedInput_data();
    void survivesMalformedInput();
    void survivesEveryTruncation();
    void survivesRandomBytes();
    void readsPlainText_data();
    void readsPlainText();
    void loadsEitherKind_data();
    void loadsEitherKind();
    void writesRichEditDialect_data();
    void writesRichEditDialect();
    void roundTripsFormats_data();
    void roundTripsFormats();
    void roundTripsRandomDocuments();
    void rewritesItsOwnOutputUnchanged();
};

void TestRtfCodec::readsCorpus_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");

    QTest::newRow("typical rich-edit page with GBK text and a colour") << "richedit_typical.rtf" << u"你好red"_s;
    QTest::newRow("empty rich-edit page is an empty document") << "empty_page.rtf" << QString();
    QTest::newRow("paragraphs, tab and line break; the last \\par is the final mark")
        << "paragraphs.rtf" << u"第一行\nsecond\ttabbed\u2028broken\n"_s;
    QTest::newRow("\\u with \\uc fallbacks, negative values and a surrogate pair")
        << "unicode.rtf" << u"A€B😀C你D好E世F"_s;
    QTest::newRow("tables, pictures, \\bin, bullets and field instructions are skipped")
        << "destinations.rtf" << u"onetwothreelink"_s;
    QTest::newRow("code page follows the font's charset, \\ansicpg otherwise") << "fonts.rtf" << u"中café黑字文"_s;
    QTest::newRow("truncated page loads what was read") << "truncated.rtf" << u"你好bold "_s;
    QTest::newRow("surplus closing braces end the document") << "unbalanced.rtf" << u"deep"_s;
}

void TestRtfCodec::readsCorpus()
{
    QFETCH(QString, file);
    QFETCH(QString, text);

    QTextDocument document;
    QVERIFY(rtf::readRtf(corpusFile(file), &document));
    QCOMPARE(textOf(document), text);
}

void TestRtfCodec::readsFormats_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("word"); // the look of its first character is checked
    QTest::addColumn<Run>("look");

    const QString song = u"宋体"_s;
    const QColor red(255, 0, 0);
    QTest::newRow("rich-edit font and \\fs22 give SimSun 11 pt")
        << "richedit_typical.rtf" << u"你好"_s << run({}, song, 11);
    QTest::newRow("\\cf1 is the colour table's first colour") << "richedit_typical.rtf"
                                                              << "red" << run({}, song, 11, red);
    QTest::newRow("text without character format") << "formats.rtf"
                                                   << "plain" << run({}, song, 11);
    QTest::newRow("\\b is bold") << "formats.rtf"
                                 << "bold" << run({}, song, 11, {}, "b");
    QTest::newRow("\\i is italic") << "formats.rtf"
                                   << "italic" << run({}, song, 11, {}, "i");
    QTest::newRow("\\ul is underline") << "formats.rtf"
                                       << "under" << run({}, song, 11, {}, "u");
    QTest::newRow("\\strike is strike-out") << "formats.rtf"
                                            << "strike" << run({}, song, 11, {}, "s");
    QTest::newRow("formats inside a group") << "formats.rtf"
                                            << "group" << run({}, song, 11, QColor(0, 128, 0), "b");
    QTest::newRow("the group's end restores the format") << "formats.rtf"
                                                         << "red" << run({}, song, 11, red);
    QTest::newRow("\\plain resets to the default font") << "formats.rtf"
                                                        << "reset" << run({}, song, 9);
    QTest::newRow("\\ulw and \\i1 turn underline and italic on") << "formats.rtf"
                                                                 << "wavy" << run({}, song, 9, {}, "iu");
    QTest::newRow("\\fs21 is 10.5 pt") << "formats.rtf"
                                       << "half" << run({}, song, 10.5);
    QTest::newRow("a field result keeps its format") << "destinations.rtf"
                                                     << "link" << run({}, song, 9, QColor(0, 0, 255), "u");
    QTest::newRow("font with charset 0") << "fonts.rtf" << u"café"_s << run({}, "Arial", 10);
    QTest::newRow("GBK font name") << "fonts.rtf" << u"黑"_s << run({}, u"黑体"_s, 10.5);
    QTest::newRow("font without charset") << "fonts.rtf" << u"字"_s << run({}, "Courier New", 10.5);
    QTest::newRow("Big5 font name in an ungrouped entry") << "fonts.rtf" << u"文"_s << run({}, u"新細明體"_s, 10.5);
}

void TestRtfCodec::readsFormats()
{
    QFETCH(QString, file);
    QFETCH(QString, word);
    QFETCH(Run, look);

    QTextDocument document;
    document.setDefaultFont(defaultFont());
    QVERIFY(rtf::readRtf(corpusFile(file), &document));
    const qsizetype at = textOf(document).indexOf(word);
    QVERIFY2(at >= 0, qPrintable(textOf(document)));
    QTextCursor cursor(&document);
    cursor.setPosition(int(at) + 1);
    Run actual = lookOf(cursor.charFormat());
    actual.text = look.text;
    QCOMPARE(actual, look);
}

void TestRtfCodec::readsSnippets_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");

    QTest::newRow("byte order mark and white space before the RTF") << "\xEF\xBB\xBF \r\n{\\rtf1 abc}"_ba << u"abc"_s;
    QTest::newRow("text without a final \\par") << "{\\rtf1 abc}"_ba << u"abc"_s;
    QTest::newRow("one \\par is the final mark") << "{\\rtf1 abc\\par}"_ba << u"abc"_s;
    QTest::newRow("two \\par leave an empty last paragraph") << "{\\rtf1 abc\\par\\par}"_ba << u"abc\n"_s;
    QTest::newRow("CR LF in the RTF source are ignored") << "{\\rtf1 a\r\nb\r\n\\par}"_ba << u"ab"_s;
    QTest::newRow("escaped backslash and braces") << "{\\rtf1 \\\\\\{x\\}}"_ba << u"\\{x}"_s;
    QTest::newRow("one-character words") << "{\\rtf1 \\emdash\\endash\\bullet\\lquote\\rquote\\~}"_ba
                                         << u"—–•‘’\u00a0"_s;
    QTest::newRow("\\uc0 has no fallback") << "{\\rtf1\\uc0\\u20320\\u22909}"_ba << u"你好"_s;
    QTest::newRow("fallback skip counts a control word as one character")
        << "{\\rtf1\\uc2\\u20320\\b x\\b0 y}"_ba << u"你y"_s;
    QTest::newRow("fallback skip stops at a group") << "{\\rtf1\\uc3\\u20320 a{b}c}"_ba << u"你bc"_s;
    QTest::newRow("lead byte with a literal trail byte") << "{\\rtf1\\ansicpg936 \\'81@}"_ba << u"丂"_s;
    QTest::newRow("no \\ansicpg means code page 1252") << "{\\rtf1 caf\\'e9}"_ba << u"café"_s;
    QTest::newRow("cell and row read as tab and paragraph") << "{\\rtf1 a\\cell b\\row c}"_ba << u"a\tb\nc"_s;
    QTest::newRow("NUL and other control bytes are dropped") << QByteArray("{\\rtf1 a\0\x01\x1f"
                                                                           "b}",
                                                                           13)
                                                             << u"ab"_s;
}

void TestRtfCodec::readsSnippets()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);

    QTextDocument document;
    QVERIFY(rtf::readRtf(rtf, &document));
    QCOMPARE(textOf(document), text);
}

void TestRtfCodec::rejectsNonRtf_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty bytes") << QByteArray();
    QTest::newRow("plain ASCII text") << "just a note"_ba;
    QTest::newRow("GBK text") << gbk::encode(u"你好"_s);
    QTest::newRow("rtf keyword without the brace") << "\\rtf1 abc}"_ba;
    QTest::newRow("brace without the rtf keyword") << "{\\ansi abc}"_ba;
    QTest::newRow("HTML") << "<html><body>{\\rtf1}</body></html>"_ba;
}

void TestRtfCodec::rejectsNonRtf()
{
    QFETCH(QByteArray, bytes);

    QTextDocument document;
    document.setPlainText(u"keep me"_s);
    QVERIFY(!rtf::readRtf(bytes, &document));
    QCOMPARE(document.toPlainText(), u"keep me"_s);
}

void TestRtfCodec::survivesMalformedInput_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");

    const QByteArray deep(100000, '{');
    const QByteArray deepEnd(100000, '}');
    QTest::newRow("100000 nested groups") << "{\\rtf1 "_ba + deep + "deep" + deepEnd + "}" << u"deep"_s;
    QTest::newRow("100000 groups never closed") << "{\\rtf1 "_ba + deep + "x" << u"x"_s;
    QTest::newRow("skipped destination 100000 groups deep")
        << "{\\rtf1 a{\\*\\x "_ba + deep + deepEnd + "}b}" << u"ab"_s;
    QTest::newRow("\\bin larger than the input") << "{\\rtf1 a\\bin999999999 bc}"_ba << u"a"_s;
    QTest::newRow("negative \\bin") << "{\\rtf1 a\\bin-5 bc}"_ba << u"abc"_s;
    QTest::newRow("skipped \\pict with \\bin larger than the input") << "{\\rtf1 a{\\pict\\bin99999 }}}b}"_ba << u"a"_s;
    QTest::newRow("lone \\' at the end") << "{\\rtf1 a\\'"_ba << u"a"_s;
    QTest::newRow("\\' with one hex digit") << "{\\rtf1 a\\'4}"_ba << u"a"_s;
    QTest::newRow("\\' without hex digits") << "{\\rtf1 a\\'zz}"_ba << u"azz"_s;
    QTest::newRow("dangling GBK lead byte") << "{\\rtf1\\ansicpg936 a\\'c4}"_ba << u"a"_s;
    QTest::newRow("\\u without number") << "{\\rtf1 a\\u b}"_ba << u"ab"_s;
    QTest::newRow("\\u beyond 16 bits") << "{\\rtf1 a\\u99999999999?b}"_ba << u"a\uffffb"_s;
    QTest::newRow("lone high surrogate") << "{\\rtf1 a\\u-10179?b}"_ba << u"a\ufffdb"_s;
    QTest::newRow("lone low surrogate") << "{\\rtf1 a\\u-8704?b}"_ba << u"a\ufffdb"_s;
    QTest::newRow("\\u of a control character") << "{\\rtf1 a\\u10?\\u0?b}"_ba << u"ab"_s;
    QTest::newRow("huge \\uc") << "{\\rtf1\\uc999999 \\u20320 abc}"_ba << u"你"_s;
    QTest::newRow("huge font size") << "{\\rtf1\\fs99999999 a}"_ba << u"a"_s;
    QTest::newRow("backslash at the end") << "{\\rtf1 a\\"_ba << u"a"_s;
    QTest::newRow("control word of 1000 letters") << "{\\rtf1 a\\"_ba + QByteArray(1000, 'x') + " b}" << u"ab"_s;
    QTest::newRow("parameter of 1000 digits") << "{\\rtf1 a\\fs"_ba + QByteArray(1000, '9') + " b}" << u"ab"_s;
    QTest::newRow("unknown control words") << "{\\rtf1 a\\foo\\bar12 b\\zz-3 c}"_ba << u"abc"_s;
    QTest::newRow("text after the document's group") << "{\\rtf1 a}}}b"_ba << u"a"_s;
    QTest::newRow("skipped destination never closed") << "{\\rtf1 a{\\*\\foo bar"_ba << u"a"_s;
    QTest::newRow("font table never closed") << "{\\rtf1{\\fonttbl{\\f0 Arial;"_ba << QString();
    QTest::newRow("colour index beyond the table") << "{\\rtf1{\\colortbl;\\red1;}\\cf99 a}"_ba << u"a"_s;
    QTest::newRow("font number not in the table") << "{\\rtf1\\f7 a}"_ba << u"a"_s;
    QTest::newRow("destination word in the document's own group") << "{\\rtf1\\pict a}"_ba << u"a"_s;
}

void TestRtfCodec::survivesMalformedInput()
{
    // Same check as the well-formed snippets: the bytes read as RTF, to the expected text.
    readsSnippets();
}

void TestRtfCodec::survivesEveryTruncation()
{
    const QByteArray full = corpusFile(u"destinations.rtf"_s) + corpusFile(u"unicode.rtf"_s);
    for (qsizetype length = 0; length <= full.size(); ++length) {
        QTextDocument document;
        QVERIFY(rtf::readRtf(full.left(length), &document) == (length >= 5));
        QVERIFY2(isSane(textOf(document)), qPrintable(QString::number(length)));
    }
}

// Random bytes, and random mixes of RTF pieces, after the RTF signature.
void TestRtfCodec::survivesRandomBytes()
{
    static const QList<QByteArray> pieces = {"{",    "}",      "\\",        "\\'",        "\\'c4", "\\'e3", "\\u",
                                             "\\u-", "-10179", "?",         "\\uc",       "5",     "\\bin", "3 ",
                                             "\\*",  "\\f",    "\\fonttbl", "\\colortbl", ";",     "\\par", "\\pict",
                                             "abc",  " ",      "\\fs",      "\\cf",       "\\b",   "\0",    "\xff"};
    QRandomGenerator random(20240611);
    for (int round = 0; round < 300; ++round) {
        QByteArray rtf = "{\\rtf1";
        const int count = random.bounded(1, 400);
        for (int i = 0; i < count; ++i) {
            if (round % 2 == 0)
                rtf += pieces.at(random.bounded(int(pieces.size())));
            else
                rtf += char(random.bounded(256));
        }
        QTextDocument document;
        QVERIFY(rtf::readRtf(rtf, &document));
        QVERIFY2(isSane(textOf(document)), rtf.toHex().constData());
    }
}

void TestRtfCodec::readsPlainText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty bytes give an empty document") << QByteArray() << QString();
    QTest::newRow("GBK bytes") << "\xc4\xe3\xba\xc3 abc"_ba << u"你好 abc"_s;
    QTest::newRow("GBK bytes with CR LF lines") << "\xb5\xda\xd2\xbb\r\n\xb5\xda\xb6\xfe"_ba << u"第一\n第二"_s;
    QTest::newRow("UTF-8 bytes") << u"你好 abc"_s.toUtf8() << u"你好 abc"_s;
    QTest::newRow("UTF-8 with byte order mark") << "\xEF\xBB\xBF"_ba + u"你好"_s.toUtf8() << u"你好"_s;
    QTest::newRow("UTF-8 cut inside a character reads as GBK")
        << u"你好"_s.toUtf8().chopped(1) << gbk::decode(u"你好"_s.toUtf8().chopped(1));
    QTest::newRow("NUL bytes are dropped") << QByteArray("a\0b", 3) << u"ab"_s;
}

void TestRtfCodec::readsPlainText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);

    QTextDocument document;
    document.setPlainText(u"old"_s);
    rtf::readPlainText(bytes, &document);
    QCOMPARE(textOf(document), text);
}

void TestRtfCodec::loadsEitherKind_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("wasRtf");
    QTest::addColumn<QString>("text");

    QTest::newRow("RTF loads as RTF") << corpusFile(u"richedit_typical.rtf"_s) << true << u"你好red"_s;
    QTest::newRow("plain GBK text loads as text") << "\xc4\xe3\xba\xc3"_ba << false << u"你好"_s;
    QTest::newRow("empty bytes load an empty document") << QByteArray() << false << QString();
}

void TestRtfCodec::loadsEitherKind()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, wasRtf);
    QFETCH(QString, text);

    QTextDocument document;
    document.setPlainText(u"old"_s);
    QCOMPARE(rtf::loadDocument(bytes, &document), wasRtf);
    QCOMPARE(textOf(document), text);
}

void TestRtfCodec::writesRichEditDialect_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected"); // a piece of the output

    QTest::newRow("header") << u"a"_s << "{\\rtf1\\ansi\\ansicpg936\\deff0"_ba;
    QTest::newRow("font names are GBK with charset 134")
        << u"a"_s << "{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}"_ba;
    QTest::newRow("one fallback character per \\u") << u"a"_s << "\\viewkind4\\uc1\\pard"_ba;
    QTest::newRow("font and size before the text") << u"a"_s << "\\f0\\fs22 a\\par"_ba;
    QTest::newRow("GBK characters as \\' pairs") << u"你好"_s << "\\'c4\\'e3\\'ba\\'c3"_ba;
    QTest::newRow("euro sign as one GBK byte") << u"€"_s << " \\'80\\par"_ba;
    QTest::newRow("character outside GBK as \\u") << u"ก"_s << " \\u3585?\\par"_ba;
    QTest::newRow("\\u above 32767 is negative") << u"가"_s << " \\u-21504?\\par"_ba;
    QTest::newRow("surrogate pair as two \\u") << u"😀"_s << " \\u-10179?\\u-8704?\\par"_ba;
    QTest::newRow("backslash and braces are escaped") << u"a{b}c\\d"_s << "a\\{b\\}c\\\\d"_ba;
    QTest::newRow("tab") << u"a\tb"_s << "a\\tab b"_ba;
    QTest::newRow("line separator") << u"a\u2028b"_s << "a\\line b"_ba;
    QTest::newRow("every paragraph ends with \\par, the last too") << u"a\nb"_s << "a\\par\r\nb\\par\r\n}"_ba;
    QTest::newRow("empty document is one \\par") << QString() << "\\fs22 \\par\r\n}"_ba;
}

void TestRtfCodec::writesRichEditDialect()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);

    QTextDocument document;
    document.setDefaultFont(QFont(u"宋体"_s, 11));
    document.setPlainText(text);
    const QByteArray rtf = rtf::writeRtf(&document);
    QVERIFY2(rtf.contains(expected), rtf.constData());
}

void TestRtfCodec::roundTripsFormats_data()
{
    QTest::addColumn<Runs>("runs");

    const QString song = u"宋体"_s;
    const QColor red(255, 0, 0);
    QTest::newRow("Chinese and ASCII keep font and size") << Runs{run(u"中文 and ASCII"_s, song, 11)};
    QTest::newRow("bold, italic, underline and strike-out")
        << Runs{run("b", song, 11, {}, "b"), run("i", song, 11, {}, "i"),      run("u", song, 11, {}, "u"),
                run("s", song, 11, {}, "s"), run("all", song, 11, {}, "bius"), run("none", song, 11)};
    QTest::newRow("colours, and the automatic colour stays unset")
        << Runs{run(u"红"_s, song, 11, red), run(u"自动"_s, song, 11), run(u"绿"_s, song, 11, QColor(0, 128, 0)),
                run(u"again red"_s, song, 11, red)};
    QTest::newRow("half-point sizes") << Runs{run("a", song, 10.5), run("b", song, 7.5), run("c", song, 72)};
    QTest::newRow("several fonts, with Chinese names")
        << Runs{run("a", u"黑体"_s, 12), run("b", "Arial", 12), run("c", u"楷体_GB2312"_s, 12), run("d", "Arial", 14)};
    QTest::newRow("paragraphs, empty paragraphs, tabs and line breaks")
        << Runs{run(u"第一段\t制表\u2028换行\n\n第三段\n"_s, song, 11), run(u"bold\nnext"_s, song, 11, {}, "b")};
    QTest::newRow("characters outside GBK") << Runs{run(u"😀 ก 가 ß €"_s, song, 11), run(u"𠀀"_s, u"宋体-ExtB"_s, 11)};
    QTest::newRow("RTF syntax characters in text and font name")
        << Runs{run(u"{\\par} \\u20320? ;"_s, u"Odd{Font}\\"_s, 11)};
}

void TestRtfCodec::roundTripsFormats()
{
    QFETCH(Runs, runs);

    QTextDocument original;
    original.setDefaultFont(defaultFont());
    fill(original, runs);
    QTextDocument read;
    read.setDefaultFont(defaultFont());
    QVERIFY(rtf::readRtf(rtf::writeRtf(&original), &read));
    QCOMPARE(runsOf(read), runsOf(original));
}

void TestRtfCodec::roundTripsRandomDocuments()
{
    static const QStringList pieces = {
        u"abc "_s, u"Hello, world."_s, u"{}\\"_s, u"中文"_s, u"备忘录"_s, u"，。！"_s, u"😀"_s,     u"𠀀"_s,
        u"€©±é"_s, u"ßαЖ"_s,           u"ก가"_s,  u"\t"_s,   u"\n"_s,     u"\u2028"_s, u"12345"_s, u"?"_s};
    static const QStringList families = {u"宋体"_s, u"黑体"_s, u"Arial"_s, u"Microsoft YaHei"_s, u"楷体_GB2312"_s};
    static const QList<qreal> sizes = {9, 10.5, 11, 12, 14, 20.5, 36};
    QRandomGenerator random(20240612);
    for (int round = 0; round < 300; ++round) {
        Runs runs;
        const int runCount = random.bounded(1, 12);
        for (int i = 0; i < runCount; ++i) {
            Run piece;
            for (int n = random.bounded(1, 6); n > 0; --n)
                piece.text += pieces.at(random.bounded(int(pieces.size())));
            piece.family = families.at(random.bounded(int(families.size())));
            piece.points = sizes.at(random.bounded(int(sizes.size())));
            if (random.bounded(3) == 0)
                piece.colour = QColor::fromRgb(random.bounded(0x1000000u) | 0xFF000000u);
            const int flags = random.bounded(16);
            piece.bold = flags & 1;
            piece.italic = flags & 2;
            piece.underline = flags & 4;
            piece.strike = flags & 8;
            runs.append(piece);
        }
        QTextDocument original;
        original.setDefaultFont(defaultFont());
        fill(original, runs);
        QTextDocument read;
        read.setDefaultFont(defaultFont());
        QVERIFY(rtf::readRtf(rtf::writeRtf(&original), &read));
        QCOMPARE(textOf(read), textOf(original));
        QCOMPARE(runsOf(read), runsOf(original));
    }
}

void TestRtfCodec::rewritesItsOwnOutputUnchanged()
{
    QTextDocument first;
    const QByteArray once = readBackAndWrite(corpusFile(u"formats.rtf"_s), first);
    QTextDocument second;
    QCOMPARE(readBackAndWrite(once, second), once);
}

QTEST_MAIN(TestRtfCodec)
#include "tst_rtfcodec.moc"
