#include "platform/FileMask.h"

#include <gtest/gtest.h>

TEST(FileMask, FilterStringsSplitIntoPairs)
{
    auto items = ParseFilter("HTML Files (*.htm; *.html)|*.htm; *.html|All Files (*.*)|*.*");
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].Description, "HTML Files (*.htm; *.html)");
    EXPECT_EQ(items[0].Mask, "*.htm; *.html");
    EXPECT_EQ(items[1].Description, "All Files (*.*)");
    EXPECT_EQ(items[1].Mask, "*.*");

    EXPECT_TRUE(ParseFilter("").empty());
    auto lone = ParseFilter("Text only");
    ASSERT_EQ(lone.size(), 1u);
    EXPECT_EQ(lone[0].Mask, "");
    EXPECT_EQ(ParseFilter("Text (*.txt)|*.txt|").size(), 1u);
}

TEST(FileMask, MaskListsMatchCaseInsensitively)
{
    const std::string html = "*.htm; *.html";
    EXPECT_TRUE(MatchesMask("index.htm", html));
    EXPECT_TRUE(MatchesMask("INDEX.HTML", html));
    EXPECT_TRUE(MatchesMask("/some/folder/Page.Htm", html));
    EXPECT_FALSE(MatchesMask("index.htmx", html));
    EXPECT_FALSE(MatchesMask("index.txt", html));
    EXPECT_FALSE(MatchesMask("htm", html));
    EXPECT_TRUE(MatchesMask("a.txt", "*.htm;*.txt"));
    EXPECT_TRUE(MatchesMask("a.txt", "  *.txt  ;"));
    EXPECT_FALSE(MatchesMask("a.txt", ""));
}

TEST(FileMask, StarDotStarTakesEveryFile)
{
    EXPECT_TRUE(MatchesMask("README", "*.*"));
    EXPECT_TRUE(MatchesMask(".hidden", "*.*"));
    EXPECT_TRUE(MatchesMask("a.b.c", "*.*"));
    EXPECT_TRUE(MatchesMask("README", "*"));
}

TEST(FileMask, QuestionMarksAndStarsInsideMasks)
{
    EXPECT_TRUE(MatchesMask("page1.htm", "page?.htm"));
    EXPECT_FALSE(MatchesMask("page12.htm", "page?.htm"));
    EXPECT_TRUE(MatchesMask("a-b-c.txt", "a*b*c.txt"));
    EXPECT_FALSE(MatchesMask("a-b-d.txt", "a*b*c.txt"));
    // Many stars against a long name must not take exponential time.
    std::string name(5000, 'a');
    EXPECT_FALSE(MatchesMask(name, "*a*a*a*a*a*a*a*a*a*a*b"));
}
