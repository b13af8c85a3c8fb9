// The tables the block writers draw on: patterns, the frame sets' size lists
// and tags, the entry page, the ready-made tags, and the scratch block that
// leaves the scratch editor empty however it is left.

#include "tests/dialogs/PageFixture.h"

#include "dialogs/BlockLines.h"
#include "page/ScratchBlock.h"
#include "dialogs/TagTemplates.h"
#include "generators/EntryPage.h"
#include "generators/FrameSet.h"

#include <cstring>
#include <stdexcept>

TEST(BlockLines, ValuesGoInAsTheyStandAndBracesAloneAreText)
{
    EXPECT_EQ(std::tuple(FillLine("if (a) {${q}${t}${q}}", { { "q", "'" }, { "t", "${q} {x}" } }), FillLine("${unclosed", {})),
        std::tuple("if (a) {'${q} {x}'}", "${unclosed"));
    EXPECT_THROW(FillLine("${nobody}", { { "q", "\"" } }), std::logic_error);
}

TEST(FrameSet, SizeListsByCount)
{
    const std::pair<const char*, const char*> sizes[] = {
        { "2", "27%,*" }, { "3", "27%,*,31%" }, { "4", "27%,*,16%,15%" }, { "5", "14%,13%,*,16%,15%" },
        { "6", "14%,13%,*,21%,16%,15%" }, { "7", "14%,13%,*,11%,10%,16%,15%" }, { "8", "14%,7%,6%,*,11%,10%,16%,15%" },
    };
    for (auto [text, list] : sizes) {
        ASSERT_NE(FrameCount(text), 0) << text;
        EXPECT_STREQ(FrameSizes(FrameCount(text)), list);
    }
    for (const char* other : { "", "1", "9", "02", " 2", "2 ", "two", "-2", "10" })
        EXPECT_EQ(FrameCount(other), 0) << other;
    EXPECT_TRUE(FrameSetLines(true, true, "\"", 9, std::vector<TFrameGroup>(9)).empty());
}

TEST(FrameSet, LinesInBothCasesWithNoResizeOnlyWhereTicked)
{
    std::vector<TFrameGroup> groups;
    for (int n = 1; n <= 8; ++n)
        groups.push_back({ "Frame " + std::to_string(n), "http://", "Auto", false });
    EXPECT_EQ(FrameSetLines(true, true, "\"", 3, groups), (std::vector<std::string> { "<FRAMESET ROWS=\"27%,*,31%\">",
        "<FRAME NAME=\"Frame 1\" SRC=\"http://\" SCROLLING=\"Auto\">",
        "<FRAME NAME=\"Frame 2\" SRC=\"http://\" SCROLLING=\"Auto\">",
        "<FRAME NAME=\"Frame 3\" SRC=\"http://\" SCROLLING=\"Auto\">", "</FRAMESET>" }));
    groups[1] = { "", "b.htm", "Yes", true };
    groups[2].noResize = true;  // above the count: ignored
    EXPECT_EQ(FrameSetLines(false, false, "'", 2, groups), (std::vector<std::string> { "<frameset cols='27%,*'>",
        "<frame name='Frame 1' src='http://' scrolling='Auto'>", "<frame name='' src='b.htm' scrolling='Yes' noresize>",
        "</frameset>" }));
}

TEST(EntryPage, TheThirtyOneLinesWithForwarding)
{
    TEntryPage page { "Tom's <Shop>", "http://shop.example/", false, { "a", "b", "c", "d", "e", "f", "g", "h" }, "Fine goods" };
    const std::string k = "a, b, c, d, e, f, g, h";
    const std::string small = "Tom's <Shop>, Tom's <Shop>, " + k;
    const std::string print = "Tom's <Shop>, Fine goods, Tom's <Shop>, " + k;
    EXPECT_EQ(EntryPageLines(page, "\""), (std::vector<std::string> { "<HTML>", "<HEAD>",
        "<META name=\"description\" content=\"Tom's <Shop>\">", "<META name=\"keywords\" content=\"" + k + "\">",
        "<TITLE>Tom's <Shop></TITLE>", "<script language=\"JavaScript\">", "bName = navigator.appName;",
        "if (bName == \"Netscape\")", "window.location=\"http://shop.example/\";",
        "else window.location=\"http://shop.example/\"", "</script>", "</HEAD>", "<BODY BGCOLOR=\"000000\">", "<CENTER>",
        "<FONT SIZE=\"8\" COLOR=\"FF0000\">Tom's <Shop></FONT><BR>", "<!-- Tom's <Shop> -->",
        "<input type=\"hidden\" name=\"a, b, c, d\" value=\"e, f, g, h\">", "<FONT COLOR=\"000000\"><SMALL><SMALL><SMALL><SMALL>",
        small, print, print, "</SMALL></SMALL></SMALL></SMALL>", "<SMALL><SMALL><SMALL><SMALL>", small, print, print,
        "</SMALL></SMALL></SMALL></SMALL>",
        "</FONT><P><A HREF=\"http://shop.example/\">Click Here if you haven't a JAVA compatible browser</A>",
        std::string("<P><A HREF=\"") + kProductHomePage + "\">This page was generated with Corvana</A></CENTER>", "</BODY>",
        "</HTML>" }));
}

TEST(EntryPage, NoForwardingLeavesOutTheScriptAndEmptyKeywordsKeepTheirSeparators)
{
    auto lines = EntryPageLines({ "T", "", true, {}, "D" }, "'");
    ASSERT_EQ(lines.size(), 25u);
    // Line 12: T, T and seven separators.
    EXPECT_EQ((std::vector { lines[3], lines[4], lines[5], lines[10], lines[12], lines[21] }), (std::vector<std::string> {
        "<META name='keywords' content=', , , , , , , '>", "<TITLE>T</TITLE>", "</HEAD>",
        "<input type='hidden' name=', , , ' value=', , , '>", "T, T, , , , , , , , ",
        "</FONT><P><A HREF=''>Click Here if you haven't a JAVA compatible browser</A>" }));
    EXPECT_NE(lines[22].find("corvana.example"), std::string::npos);
}

TEST(EntryPage, LongAndForeignFieldsGoInUnchanged)
{
    std::string title(10000, 'x');
    title += "\xc3\xa9\xe2\x82\xac ${q}";
    auto lines = EntryPageLines({ title, "a\"b", false, { "<k>" }, "d" }, "\"");
    EXPECT_EQ(std::tuple(lines[4], lines[8], lines[3]), std::tuple("<TITLE>" + title + "</TITLE>", "window.location=\"a\"b\";",
        "<META name=\"keywords\" content=\"<k>, , , , , , , \">"));
}

TEST(TagTemplates, OneHundredRowsInTheirOrder)
{
    const std::pair<int, const char*> rows[] = { { 0, "<!-- -->" }, { 1, "<!DOCTYPE>" }, { 2, "<A HREF=\"\"></A>" },
        { 3, "<A NAME=\"\"></A>" }, { 51, "<INPUT TYPE=></INPUT>" }, { 99, "<XMP></XMP>" } };
    for (auto [i, row] : rows)
        EXPECT_STREQ(kTagTemplates[i], row) << i;
    // Alphabetical by tag name after the first two; each tag once.
    auto tagName = [](const char* row) { return std::string(row + 1, std::strcspn(row + 1, " >")); };
    for (int i = 3; i < kTagTemplateCount; ++i)
        EXPECT_LE(tagName(kTagTemplates[i - 1]), tagName(kTagTemplates[i])) << i;
    int withEndTag = 0;
    for (const char* row : kTagTemplates) {
        const char* end = std::strstr(row, "</");
        withEndTag += end != nullptr;
        if (end)
            EXPECT_EQ(end, "</" + tagName(row) + ">") << row;
    }
    EXPECT_EQ(withEndTag, 84);
}

TEST_F(PageTest, AScratchBlockIsEmptiedHoweverItIsLeft)
{
    std::string page = PageWindow->RichEdit1->Text();
    // Abandoned by an exception before its insertion.
    EXPECT_THROW({
        TScratchBlock block(PageWindow->Page());
        block.SetText("<A>");
        block.AddLine("half");
        throw std::runtime_error("cut short");
    }, std::runtime_error);
    EXPECT_EQ(std::tuple(PageWindow->RichEdit3->Text(), PageWindow->RichEdit1->Text()), std::tuple("", page));

    // Inserted once only, pieces on the first line.
    PageWindow->RichEdit1->SetText("");
    {
        TScratchBlock block(PageWindow->Page());
        block.AddPiece("<B");
        block.AddPiece(" X>");
        block.AddLine("</B>");
        block.Insert();
        block.Insert();
    }
    EXPECT_EQ(std::tuple(PageWindow->RichEdit1->Text(), PageWindow->RichEdit3->Text()), std::tuple("<B X>\n</B>\n", ""));
}
