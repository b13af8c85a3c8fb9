// How element dialogs write into the page: attribute pieces, quotes read
// afresh, and blocks collected in the scratch editor.

#include "tests/editor/MainWindowFixture.h"

#include "dialogs/PageWriter.h"

namespace {

const TAttribute kAlways = { " ALT=", " alt=", TAttrWhen::Always, TAttrValue::Quoted };
const TAttribute kOptional = { " WIDTH=", " width=", TAttrWhen::NotEmpty, TAttrValue::Bare };

}

TEST_F(MainWindowTest, AttributePiecesFollowCaseQuoteAndCondition)
{
    Start();
    EXPECT_EQ(AttributePiece(Form1->Page(), kAlways, "", true), " ALT=\"\"");
    EXPECT_EQ(AttributePiece(Form1->Page(), kAlways, "x", false), " alt=\"x\"");
    EXPECT_EQ(AttributePiece(Form1->Page(), kOptional, "", true), "");
    EXPECT_EQ(AttributePiece(Form1->Page(), kOptional, "0", true), " WIDTH=0");
    // The quote is read for every value: a change shows at once.
    Form1->Edit2->SetText("**");
    EXPECT_EQ(AttributePiece(Form1->Page(), kAlways, "x", true), " ALT=**x**");
    EXPECT_EQ(Form1->Page().Quoted(""), "****");

    Form1->Edit4->SetText("Upercase");
    EXPECT_TRUE(Form1->Page().UpperCase());
    for (const char* other : { "UPERCASE", "Uppercase", "Upercase ", "" }) {
        Form1->Edit4->SetText(other);
        EXPECT_FALSE(Form1->Page().UpperCase()) << other;
    }
}

TEST_F(MainWindowTest, PiecesFormOneRunAndAnEmptyPieceKeepsTheSelection)
{
    Start();
    Form1->RichEdit1->SetText("ab[sel]cd");
    Form1->RichEdit1->SetSelStart(2);
    Form1->RichEdit1->SetSelLength(5);
    Form1->Page().InsertPiece("<X");
    Form1->Page().InsertPiece("");
    Form1->Page().InsertPiece(" Y>");
    EXPECT_EQ(Form1->RichEdit1->Text(), "ab<X Y>cd");
    EXPECT_EQ(Form1->RichEdit1->SelStart(), 7);

    Form1->RichEdit1->SetSelStart(0);
    Form1->RichEdit1->SetSelLength(2);
    Form1->Page().InsertPiece("");
    EXPECT_EQ(Form1->RichEdit1->Text(), "ab<X Y>cd");
}

TEST_F(MainWindowTest, AScratchBlockGoesInOnceEndingWithALineBreak)
{
    Start();
    Form1->RichEdit1->SetText("before|after");
    Form1->RichEdit1->SetSelStart(7);
    Form1->RichEdit1->SetSelLength(0);
    Form1->RichEdit3->SetSelText("<SCRIPT>");
    Form1->RichEdit3->Lines().Add("line 1");
    Form1->RichEdit3->Lines().Add("</SCRIPT>");
    Form1->Page().InsertScratch();
    EXPECT_EQ(Form1->RichEdit1->Text(), "before|<SCRIPT>\nline 1\n</SCRIPT>\nafter");
    EXPECT_EQ(Form1->RichEdit3->Text(), "");

    // Nothing collected: nothing inserted.
    std::string page = Form1->RichEdit1->Text();
    Form1->Page().InsertScratch();
    EXPECT_EQ(Form1->RichEdit1->Text(), page);
}
