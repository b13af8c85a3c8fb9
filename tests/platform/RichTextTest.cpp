#include "platform/RichText.h"

#include <gtest/gtest.h>

TEST(RichText, RecognisedByItsHeader)
{
    EXPECT_TRUE(IsRichText("{\\rtf1\\ansi Hello}"));
    EXPECT_FALSE(IsRichText("<HTML>{\\rtf1}"));
    EXPECT_FALSE(IsRichText(" {\\rtf1}"));
    EXPECT_FALSE(IsRichText("{\\rt"));
    EXPECT_FALSE(IsRichText(""));
}

TEST(RichText, ParagraphsLinesAndTabs)
{
    EXPECT_EQ(RichTextToPlain("{\\rtf1\\ansi Hello\\par World\\par}"), "Hello\nWorld");
    EXPECT_EQ(RichTextToPlain("{\\rtf1 one\\par\\par}"), "one\n");
    EXPECT_EQ(RichTextToPlain("{\\rtf1 a\\line b\\tab c}"), "a\nb\tc");
    EXPECT_EQ(RichTextToPlain("{\\rtf1 a\\line}"), "a\n");
    EXPECT_EQ(RichTextToPlain("{\\rtf1 a\\\nb}"), "a\nb");
    // Line breaks of the file itself are not text.
    EXPECT_EQ(RichTextToPlain("{\\rtf1 <HTML>\r\n<BODY>\\par\r\n</BODY>}"), "<HTML><BODY>\n</BODY>");
}

TEST(RichText, ControlWordsTakeTheirParameterAndOneSpace)
{
    EXPECT_EQ(RichTextToPlain("{\\rtf1\\ansi\\deff0\\f0\\fs24  two spaces}"), " two spaces");
    EXPECT_EQ(RichTextToPlain("{\\rtf1 \\b bold\\b0  plain \\li-360 x}"), "bold plain x");
    EXPECT_EQ(RichTextToPlain("{\\rtf1 a\\pard\\plain b}"), "ab");
}

TEST(RichText, EscapesAndSpecialCharacters)
{
    EXPECT_EQ(RichTextToPlain("{\\rtf1 \\{x\\} \\\\ y}"), "{x} \\ y");
    EXPECT_EQ(RichTextToPlain("{\\rtf1 caf\\'e9 \\'3c}"), "caf\xE9 <");
    EXPECT_EQ(RichTextToPlain("{\\rtf1 a\\~b}"), "a\xC2\xA0" "b");
    EXPECT_EQ(RichTextToPlain("{\\rtf1 co\\-op}"), "coop");
    EXPECT_EQ(RichTextToPlain("{\\rtf1 x\\_y}"), "x\xE2\x80\x91y");
    // A broken hex escape and a trailing backslash read nothing past the end.
    EXPECT_EQ(RichTextToPlain("{\\rtf1 a\\'4"), "a4");
    EXPECT_EQ(RichTextToPlain("{\\rtf1 a\\"), "a");
    EXPECT_EQ(RichTextToPlain("{\\rtf1 a\\'"), "a");
}

TEST(RichText, UnicodeWithItsFallback)
{
    EXPECT_EQ(RichTextToPlain("{\\rtf1 \\u233?t\\u233?}"), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(RichTextToPlain("{\\rtf1\\uc2 \\u8364 EUR!}"), "\xE2\x82\xACR!");
    EXPECT_EQ(RichTextToPlain("{\\rtf1\\uc1 \\u8364\\'80 x}"), "\xE2\x82\xAC x");
    EXPECT_EQ(RichTextToPlain("{\\rtf1\\uc0 \\u8364 x}"), "\xE2\x82\xACx");
    // Negative numbers stand for code points above 32767; pairs of
    // surrogates for those beyond the first plane.
    EXPECT_EQ(RichTextToPlain("{\\rtf1 \\u-3913?}"), "\xEF\x82\xB7");
    EXPECT_EQ(RichTextToPlain("{\\rtf1 \\u-10179?\\u-8704?}"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(RichTextToPlain("{\\rtf1 \\u-10179?x}"), "\xEF\xBF\xBDx");
    // The fallback count belongs to the group that set it.
    EXPECT_EQ(RichTextToPlain("{\\rtf1 {\\uc3 a}\\u233?b}"), "a\xC3\xA9" "b");
}

TEST(RichText, DestinationsGiveNoText)
{
    const char* doc =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0"
        "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1 Times;}}"
        "{\\colortbl ;\\red255\\green0\\blue0;}"
        "{\\stylesheet{\\s0 Normal;}}"
        "{\\info{\\title Secret}{\\author Someone}}"
        "{\\*\\generator Writer 1.0;}"
        "{\\header page head\\par}{\\footer page foot\\par}"
        "{\\*\\unknowndest hidden {\\nested also hidden}}"
        "{\\pict\\wmetafile8 0102030405}"
        "\\viewkind4\\pard Visible {\\b text}\\par"
        "}";
    EXPECT_EQ(RichTextToPlain(doc), "Visible text");
    // Binary data is skipped by its length, braces inside it included.
    EXPECT_EQ(RichTextToPlain("{\\rtf1 a{\\pict\\bin4 }}{x}b}"), "ab");
    EXPECT_EQ(RichTextToPlain("{\\rtf1 a\\bin999 xy"), "a");
}

TEST(RichText, NothingAfterTheDocumentEnds)
{
    EXPECT_EQ(RichTextToPlain("{\\rtf1 in}out"), "in");
    EXPECT_EQ(RichTextToPlain("{\\rtf1 a}}}b"), "a");
    EXPECT_EQ(RichTextToPlain("{\\rtf1 unclosed {group"), "unclosed group");
}

TEST(RichText, DeepNestingIsBounded)
{
    std::string deep = "{\\rtf1 start";
    deep += std::string(100000, '{');
    deep += "deep";
    deep += std::string(100000, '}');
    EXPECT_EQ(RichTextToPlain(deep), "start");
    std::string shallow = "{\\rtf1 " + std::string(50, '{') + "x" + std::string(50, '}') + "y}";
    EXPECT_EQ(RichTextToPlain(shallow), "xy");
    std::string unclosed = "{\\rtf1 " + std::string(100000, '{') + "\\uc5 x";
    EXPECT_EQ(RichTextToPlain(unclosed), "");
}
