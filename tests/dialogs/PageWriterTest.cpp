// How element dialogs write into the page: attribute pieces, quotes read
// afresh, and blocks collected in the scratch editor.

#include "tests/dialogs/PageFixture.h"

#include "dialogs/PageWriter.h"

const TAttribute kAlways = { " ALT=", " alt=", TAttrWhen::Always, TAttrValue::Quoted };
const TAttribute kOptional = { " WIDTH=", " width=", TAttrWhen::NotEmpty, TAttrValue::Bare };

TEST_F(PageTest, AttributePiecesFollowCaseQuoteAndCondition)
{
    TPage& page = PageWindow->Page();
    EXPECT_EQ((std::vector { AttributePiece(page, kAlways, "", true), AttributePiece(page, kAlways, "x", false),
                  AttributePiece(page, kOptional, "", true), AttributePiece(page, kOptional, "0", true) }),
        (std::vector<std::string> { " ALT=\"\"", " alt=\"x\"", "", " WIDTH=0" }));
    // The quote is read for every value: a change shows at once.
    PageWindow->Edit2->SetText("**");
    EXPECT_EQ(std::tuple(AttributePiece(page, kAlways, "x", true), page.Quoted("")), std::tuple(" ALT=**x**", "****"));

    PageWindow->Edit4->SetText("Upercase");
    EXPECT_TRUE(page.UpperCase());
    for (const char* other : { "UPERCASE", "Uppercase", "Upercase ", "" }) {
        PageWindow->Edit4->SetText(other);
        EXPECT_FALSE(page.UpperCase()) << other;
    }
}

TEST_F(PageTest, PiecesFormOneRunAndAnEmptyPieceKeepsTheSelection)
{
    SetPage("ab[sel]cd", 2, 5);
    for (const char* piece : { "<X", "", " Y>" })
        PageWindow->Page().InsertPiece(piece);
    EXPECT_EQ(std::tuple(PageWindow->RichEdit1->Text(), PageWindow->RichEdit1->SelStart()), std::tuple("ab<X Y>cd", 7));

    SetPage(PageWindow->RichEdit1->Text(), 0, 2);
    PageWindow->Page().InsertPiece("");
    EXPECT_EQ(PageWindow->RichEdit1->Text(), "ab<X Y>cd");
}

TEST_F(PageTest, AScratchBlockGoesInOnceEndingWithALineBreak)
{
    SetPage("before|after", 7);
    PageWindow->RichEdit3->SetSelText("<SCRIPT>");
    PageWindow->RichEdit3->Lines().Add("line 1");
    PageWindow->RichEdit3->Lines().Add("</SCRIPT>");
    PageWindow->Page().InsertScratch();
    EXPECT_EQ(std::tuple(PageWindow->RichEdit1->Text(), PageWindow->RichEdit3->Text()),
        std::tuple("before|<SCRIPT>\nline 1\n</SCRIPT>\nafter", ""));

    // Nothing collected: nothing inserted.
    PageWindow->Page().InsertScratch();
    EXPECT_EQ(PageWindow->RichEdit1->Text(), "before|<SCRIPT>\nline 1\n</SCRIPT>\nafter");
}
