#include "rtfkeywords.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace rtf {
namespace {

using Entry = std::pair<std::string_view, Keyword>;

std::vector<Entry> sortedKeywords()
{
    std::vector<Entry> table = {
        {"ansicpg", Keyword::AnsiCodePage},
        {"b", Keyword::Bold},
        {"bin", Keyword::Bin},
        {"blue", Keyword::Blue},
        {"bullet", Keyword::Bullet},
        {"cell", Keyword::Cell},
        {"cf", Keyword::Colour},
        {"colortbl", Keyword::ColourTable},
        {"deff", Keyword::DefaultFont},
        {"emdash", Keyword::EmDash},
        {"emspace", Keyword::EmSpace},
        {"endash", Keyword::EnDash},
        {"enspace", Keyword::EnSpace},
        {"f", Keyword::Font},
        {"fcharset", Keyword::FontCharset},
        {"fonttbl", Keyword::FontTable},
        {"fs", Keyword::FontSize},
        {"green", Keyword::Green},
        {"i", Keyword::Italic},
        {"ldblquote", Keyword::LeftDoubleQuote},
        {"line", Keyword::Line},
        {"lquote", Keyword::LeftQuote},
        {"ltrmark", Keyword::LeftToRightMark},
        {"page", Keyword::Paragraph},
        {"par", Keyword::Paragraph},
        {"pard", Keyword::ParagraphDefaults},
        {"plain", Keyword::Plain},
        {"qmspace", Keyword::QuarterEmSpace},
        {"rdblquote", Keyword::RightDoubleQuote},
        {"red", Keyword::Red},
        {"row", Keyword::Paragraph},
        {"rquote", Keyword::RightQuote},
        {"rtlmark", Keyword::RightToLeftMark},
        {"sect", Keyword::Paragraph},
        {"strike", Keyword::Strike},
        {"striked", Keyword::Strike},
        {"tab", Keyword::Tab},
        {"u", Keyword::Unicode},
        {"uc", Keyword::UnicodeSkip},
        {"ulnone", Keyword::UnderlineNone},
        {"zwj", Keyword::ZeroWidthJoiner},
        {"zwnj", Keyword::ZeroWidthNonJoiner},
    };
    // Every underline style reads as plain underline.
    for (std::string_view word :
         {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth", "ulthd", "ulthdash",
          "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"})
        table.emplace_back(word, Keyword::Underline);
    // Destinations that rich-edit and other writers put around text that is not the document's.
    for (std::string_view word : {"annotation", "atnauthor",  "atnid",        "author",
                                  "bkmkend",    "bkmkstart",  "buptim",       "colorschememapping",
                                  "comment",    "creatim",    "datastore",    "doccomm",
                                  "docvar",     "filetbl",    "fldinst",      "footer",
                                  "footerf",    "footerl",    "footerr",      "footnote",
                                  "ftncn",      "ftnsep",     "ftnsepc",      "generator",
                                  "header",     "headerf",    "headerl",      "headerr",
                                  "info",       "keywords",   "latentstyles", "listoverridetable",
                                  "listtable",  "listtext",   "mmathPr",      "nonshppict",
                                  "object",     "objdata",    "operator",     "pgdsctbl",
                                  "pict",       "pntext",     "printim",      "private",
                                  "revtbl",     "revtim",     "rsidtbl",      "rxe",
                                  "shp",        "stylesheet", "subject",      "tc",
                                  "template",   "themedata",  "title",        "txe",
                                  "userprops",  "xe",         "xmlnstbl"})
        table.emplace_back(word, Keyword::SkipDestination);
    std::sort(table.begin(), table.end());
    return table;
}

} // namespace

Keyword lookupKeyword(std::string_view word)
{
    static const std::vector<Entry> table = sortedKeywords();
    const auto it = std::lower_bound(table.begin(), table.end(), word,
                                     [](const Entry &entry, std::string_view key) { return entry.first < key; });
    return it != table.end() && it->first == word ? it->second : Keyword::Unknown;
}

char16_t characterOf(Keyword keyword)
{
    switch (keyword) {
    case Keyword::Bullet:
        return 0x2022;
    case Keyword::EmDash:
        return 0x2014;
    case Keyword::EmSpace:
        return 0x2003;
    case Keyword::EnDash:
        return 0x2013;
    case Keyword::EnSpace:
        return 0x2002;
    case Keyword::LeftDoubleQuote:
        return 0x201C;
    case Keyword::LeftQuote:
        return 0x2018;
    case Keyword::LeftToRightMark:
        return 0x200E;
    case Keyword::QuarterEmSpace:
        return 0x2005;
    case Keyword::RightDoubleQuote:
        return 0x201D;
    case Keyword::RightQuote:
        return 0x2019;
    case Keyword::RightToLeftMark:
        return 0x200F;
    case Keyword::ZeroWidthJoiner:
        return 0x200D;
    case Keyword::ZeroWidthNonJoiner:
        return 0x200C;
    default:
        return 0;
    }
}

} // namespace rtf
