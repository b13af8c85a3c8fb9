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
    EXPECT_EQ(AttributePiece(kAlways, "", true), " ALT=\"\"");
    EXPECT_EQ(AttributePiece(kAlways, "x", false), " alt=\"x\"");
    EXPECT_EQ(AttributePiece(kOptional, "", true), "");
    EXPECT_EQ(AttributePiece(kOptional, "0", true), " WIDTH=0");
    // The quote is read for every value: a change shows at once.
    Form1->Edit2->SetText("**");
    EXPECT_EQ(AttributePiece(kAlways, "x", true), " ALT=**x**");
    EXPECT_EQ(QuotedValue(""), "****");

    Form1->Edit4->SetText("Upercase");
    EXPECT_TRUE(UpperCaseChosen());
    for (const char* other : { "UPERCASE", "Uppercase", "Upercase ", "" }) {
        Form1->Edit4->SetText(other);
        EXPECT_FALSE(UpperCaseChosen()) << other;
    }
}

TEST_F(MainWindowTest, PiecesFormOneRunAndAnEmptyPieceKeepsTheSelection)
{
    Start();
    Form1->RichEdit1->SetText("ab[sel]cd");
    Form1->RichEdit1->SetSelStart(2);
    Form1->RichEdit1->SetSelLength(5);
    InsertPiece("<X");
    InsertPiece("");
    InsertPiece(" Y>");
    EXPECT_EQ(Form1->RichEdit1->Text(), "ab<X Y>cd");
    EXPECT_EQ(Form1->RichEdit1->SelStart(), 7);

    Form1->RichEdit1->SetSelStart(0);
    Form1->RichEdit1->SetSelLength(2);
    InsertPiece("");
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
    InsertScratch();
    EXPECT_EQ(Form1->RichEdit1->Text(), "before|<SCRIPT>\nline 1\n</SCRIPT>\nafter");
    EXPECT_EQ(Form1->RichEdit3->Text(), "");

    // Nothing collected: nothing inserted.
    std::string page = Form1->RichEdit1->Text();
    InsertScratch();
    EXPECT_EQ(Form1->RichEdit1->Text(), page);
}
