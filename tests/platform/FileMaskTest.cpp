#include "platform/FileMask.h"

#include <gtest/gtest.h>

// What the mask makes of each name: a 'y' for a match, an 'n' for none.
static std::string matches(std::initializer_list<std::string> names, const std::string& mask)
{
    std::string out;
    for (const auto& name : names)
        out += MatchesMask(name, mask) ? 'y' : 'n';
    return out;
}

TEST(FileMask, FilterStringsSplitIntoPairs)
{
    using Items = std::vector<std::pair<std::string, std::string>>;
    auto parsed = [](const char* filter) {
        Items out;
        for (const auto& item : ParseFilter(filter))
            out.emplace_back(item.Description, item.Mask);
        return out;
    };
    EXPECT_EQ((std::vector { parsed("HTML Files (*.htm; *.html)|*.htm; *.html|All Files (*.*)|*.*"), parsed(""),
                  parsed("Text only"), parsed("Text (*.txt)|*.txt|") }),
        (std::vector<Items> { { { "HTML Files (*.htm; *.html)", "*.htm; *.html" }, { "All Files (*.*)", "*.*" } }, {},
            { { "Text only", "" } }, { { "Text (*.txt)", "*.txt" } } }));
}

TEST(FileMask, MaskListsMatchCaseInsensitively)
{
    EXPECT_EQ(matches({ "index.htm", "INDEX.HTML", "/some/folder/Page.Htm", "index.htmx", "index.txt", "htm" }, "*.htm; *.html"),
        "yyynnn");
    EXPECT_EQ(matches({ "a.txt" }, "*.htm;*.txt") + matches({ "a.txt" }, "  *.txt  ;") + matches({ "a.txt" }, ""), "yyn");
}

TEST(FileMask, StarDotStarTakesEveryFile)
{
    EXPECT_EQ(matches({ "README", ".hidden", "a.b.c" }, "*.*") + matches({ "README" }, "*"), "yyyy");
}

TEST(FileMask, QuestionMarksAndStarsInsideMasks)
{
    EXPECT_EQ(matches({ "page1.htm", "page12.htm" }, "page?.htm") + matches({ "a-b-c.txt", "a-b-d.txt" }, "a*b*c.txt"), "ynyn");
    // Many stars against a long name must not take exponential time.
    EXPECT_EQ(matches({ std::string(5000, 'a') }, "*a*a*a*a*a*a*a*a*a*a*b"), "n");
}
