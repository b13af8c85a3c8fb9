// How element dialogs write into the page: attribute pieces, quotes read
// afresh, and blocks collected in the scratch editor.

#include "tests/dialogs/PageFixture.h"

#include "dialogs/PageWriter.h"

namespace {

const TAttribute kAlways = { " ALT=", " alt=", TAttrWhen::Always, TAttrValue::Quoted };
const TAttribute kOptional = { " WIDTH=", " width=", TAttrWhen::NotEmpty, TAttrValue::Bare };

}

TEST_F(PageTest, AttributePiecesFollowCaseQuoteAndCondition)
{
    StartPage();
    EXPECT_EQ(AttributePiece(PageWindow->Page(), kAlways, "", true), " ALT=\"\"");
    EXPECT_EQ(AttributePiece(PageWindow->Page(), kAlways, "x", false), " alt=\"x\"");
    EXPECT_EQ(AttributePiece(PageWindow->Page(), kOptional, "", true), "");
    EXPECT_EQ(AttributePiece(PageWindow->Page(), kOptional, "0", true), " WIDTH=0");
    // The quote is read for every value: a change shows at once.
    PageWindow->Edit2->SetText("**");
    EXPECT_EQ(AttributePiece(PageWindow->Page(), kAlways, "x", true), " ALT=**x**");
    EXPECT_EQ(PageWindow->Page().Quoted(""), "****");

    PageWindow->Edit4->SetText("Upercase");
    EXPECT_TRUE(PageWindow->Page().UpperCase());
    for (const char* other : { "UPERCASE", "Uppercase", "Upercase ", "" }) {
        PageWindow->Edit4->SetText(other);
        EXPECT_FALSE(PageWindow->Page().UpperCase()) << other;
    }
}

TEST_F(PageTest, PiecesFormOneRunAndAnEmptyPieceKeepsTheSelection)
{
    StartPage();
    PageWindow->RichEdit1->SetText("ab[sel]cd");
    PageWindow->RichEdit1->SetSelStart(2);
    PageWindow->RichEdit1->SetSelLength(5);
    PageWindow->Page().InsertPiece("<X");
    PageWindow->Page().InsertPiece("");
    PageWindow->Page().InsertPiece(" Y>");
    EXPECT_EQ(PageWindow->RichEdit1->Text(), "ab<X Y>cd");
    EXPECT_EQ(PageWindow->RichEdit1->SelStart(), 7);

    PageWindow->RichEdit1->SetSelStart(0);
    PageWindow->RichEdit1->SetSelLength(2);
    PageWindow->Page().InsertPiece("");
    EXPECT_EQ(PageWindow->RichEdit1->Text(), "ab<X Y>cd");
}

TEST_F(PageTest, AScratchBlockGoesInOnceEndingWithALineBreak)
{
    StartPage();
    PageWindow->RichEdit1->SetText("before|after");
    PageWindow->RichEdit1->SetSelStart(7);
    PageWindow->RichEdit1->SetSelLength(0);
    PageWindow->RichEdit3->SetSelText("<SCRIPT>");
    PageWindow->RichEdit3->Lines().Add("line 1");
    PageWindow->RichEdit3->Lines().Add("</SCRIPT>");
    PageWindow->Page().InsertScratch();
    EXPECT_EQ(PageWindow->RichEdit1->Text(), "before|<SCRIPT>\nline 1\n</SCRIPT>\nafter");
    EXPECT_EQ(PageWindow->RichEdit3->Text(), "");

    // Nothing collected: nothing inserted.
    std::string page = PageWindow->RichEdit1->Text();
    PageWindow->Page().InsertScratch();
    EXPECT_EQ(PageWindow->RichEdit1->Text(), page);
}
