#include "platform/RichText.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

TEST(RichText, RecognisedByItsHeader)
{
    EXPECT_TRUE(IsRichText("{\\rtf1\\ansi Hello}"));
    for (const char* other : { "<HTML>{\\rtf1}", " {\\rtf1}", "{\\rt", "" })
        EXPECT_FALSE(IsRichText(other)) << other;
}

namespace {

// Rich text and the plain text read from it, by what the rows show.
struct Conversions {
    const char* name;
    std::vector<std::pair<std::string, std::string>> rows;
};

void PrintTo(const Conversions& c, std::ostream* os) { *os << c.name; }

const Conversions kConversions[] = {
    { "ParagraphsLinesAndTabs", {
        { "{\\rtf1\\ansi Hello\\par World\\par}", "Hello\nWorld" }, { "{\\rtf1 one\\par\\par}", "one\n" },
        { "{\\rtf1 a\\line b\\tab c}", "a\nb\tc" }, { "{\\rtf1 a\\line}", "a\n" }, { "{\\rtf1 a\\\nb}", "a\nb" },
        // Line breaks of the file itself are not text.
        { "{\\rtf1 <HTML>\r\n<BODY>\\par\r\n</BODY>}", "<HTML><BODY>\n</BODY>" },
    } },
    { "ControlWordsTakeTheirParameterAndOneSpace", {
        { "{\\rtf1\\ansi\\deff0\\f0\\fs24  two spaces}", " two spaces" },
        { "{\\rtf1 \\b bold\\b0  plain \\li-360 x}", "bold plain x" }, { "{\\rtf1 a\\pard\\plain b}", "ab" },
    } },
    { "EscapesAndSpecialCharacters", {
        { "{\\rtf1 \\{x\\} \\\\ y}", "{x} \\ y" }, { "{\\rtf1 caf\\'e9 \\'3c}", "caf\xE9 <" },
        { "{\\rtf1 a\\~b}", "a\xC2\xA0" "b" }, { "{\\rtf1 co\\-op}", "coop" }, { "{\\rtf1 x\\_y}", "x\xE2\x80\x91y" },
        // A broken hex escape and a trailing backslash read nothing past the end.
        { "{\\rtf1 a\\'4", "a4" }, { "{\\rtf1 a\\", "a" }, { "{\\rtf1 a\\'", "a" },
    } },
    { "UnicodeWithItsFallback", {
        { "{\\rtf1 \\u233?t\\u233?}", "\xC3\xA9t\xC3\xA9" }, { "{\\rtf1\\uc2 \\u8364 EUR!}", "\xE2\x82\xACR!" },
        { "{\\rtf1\\uc1 \\u8364\\'80 x}", "\xE2\x82\xAC x" }, { "{\\rtf1\\uc0 \\u8364 x}", "\xE2\x82\xACx" },
        // Negative numbers stand for code points above 32767; pairs of
        // surrogates for those beyond the first plane.
        { "{\\rtf1 \\u-3913?}", "\xEF\x82\xB7" }, { "{\\rtf1 \\u-10179?\\u-8704?}", "\xF0\x9F\x98\x80" },
        { "{\\rtf1 \\u-10179?x}", "\xEF\xBF\xBDx" },
        // The fallback count belongs to the group that set it.
        { "{\\rtf1 {\\uc3 a}\\u233?b}", "a\xC3\xA9" "b" },
    } },
    { "DestinationsGiveNoText", {
        { "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1 Times;}}"
          "{\\colortbl ;\\red255\\green0\\blue0;}{\\stylesheet{\\s0 Normal;}}{\\info{\\title Secret}{\\author Someone}}"
          "{\\*\\generator Writer 1.0;}{\\header page head\\par}{\\footer page foot\\par}"
          "{\\*\\unknowndest hidden {\\nested also hidden}}{\\pict\\wmetafile8 0102030405}"
          "\\viewkind4\\pard Visible {\\b text}\\par}",
            "Visible text" },
        // Binary data is skipped by its length, braces inside it included.
        { "{\\rtf1 a{\\pict\\bin4 }}{x}b}", "ab" }, { "{\\rtf1 a\\bin999 xy", "a" },
    } },
    { "NothingAfterTheDocumentEnds", {
        { "{\\rtf1 in}out", "in" }, { "{\\rtf1 a}}}b", "a" }, { "{\\rtf1 unclosed {group", "unclosed group" },
    } },
    { "DeepNestingIsBounded", {
        { "{\\rtf1 start" + std::string(100000, '{') + "deep" + std::string(100000, '}'), "start" },
        { "{\\rtf1 " + std::string(50, '{') + "x" + std::string(50, '}') + "y}", "xy" },
        { "{\\rtf1 " + std::string(100000, '{') + "\\uc5 x", "" },
    } },
};

class RichTextReads : public ::testing::TestWithParam<Conversions> {};

}

TEST_P(RichTextReads, ThePlainTextOfTheRows)
{
    for (const auto& [rtf, plain] : GetParam().rows)
        EXPECT_EQ(RichTextToPlain(rtf), plain) << rtf.substr(0, 80);
}

INSTANTIATE_TEST_SUITE_P(RichText, RichTextReads, ::testing::ValuesIn(kConversions),
    [](const ::testing::TestParamInfo<Conversions>& info) { return std::string(info.param.name); });
