#pragma once

#include <string_view>

namespace rtf {

// The control words the reader acts on; every other word is ignored.
enum class Keyword {
    Unknown,
    AnsiCodePage,
    Bin,
    Blue,
    Bold,
    Cell,
    Colour,
    ColourTable,
    DefaultFont,
    Font,
    FontCharset,
    FontSize,
    FontTable,
    Green,
    Italic,
    Line,
    Paragraph,
    ParagraphDefaults,
    Plain,
    Red,
    SkipDestination, // a group whose text is not part of the document
    Strike,
    Tab,
    Unicode,
    UnicodeSkip,
    Underline,
    UnderlineNone,
    // words that stand for one character
    Bullet,
    EmDash,
    EmSpace,
    EnDash,
    EnSpace,
    LeftDoubleQuote,
    LeftQuote,
    LeftToRightMark,
    QuarterEmSpace,
    RightDoubleQuote,
    RightQuote,
    RightToLeftMark,
    ZeroWidthJoiner,
    ZeroWidthNonJoiner,
};

Keyword lookupKeyword(std::string_view word);

// The character of a one-character word, 0 for other words.
char16_t characterOf(Keyword keyword);

} // namespace rtf
