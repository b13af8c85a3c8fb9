// A dialog's table of pieces written into the page: conditions, value forms,
// pieces that run on, and a table that cannot be made leaving the page alone.

#include "tests/editor/MainWindowFixture.h"

#include "dialogs/PageWriter.h"
#include "platform/Exception.h"
#include "platform/StdCtrls.h"

namespace {

using enum TPieceWhen;
using enum TAttrValue;

const TPiece kTable[] = {
    { "<X", "<x", Always, nullptr, Quote },
    { "", "", NotEmpty, "Edit1", Bare },
    { "", "", Always, nullptr, Quote, nullptr, true },
    { " N=", " n=", NotZero, "Edit2", Bare, nullptr, true },
    { " T", " t", Ticked, "CheckBox1" },
    { " U=", " u=", Unticked, "CheckBox1", Quoted, "Edit1" },
    { ">", ">" },
};

const TPiece kBroken[] = {
    { "<X", "<x" },
    { " A=", " a=", Always, "NoSuchEdit", Bare },
};

}

TEST_F(MainWindowTest, TablesOfPiecesFollowTheirConditionsAndForms)
{
    Start();
    TForm dialog(nullptr);
    auto* edit1 = NewControl<TEdit>(&dialog, &dialog, "Edit1");
    auto* edit2 = NewControl<TEdit>(&dialog, &dialog, "Edit2");
    auto* box = NewControl<TCheckBox>(&dialog, &dialog, "CheckBox1");
    struct Case {
        const char* one;
        const char* two;
        bool ticked;
        const char* tagCase;
        const char* quote;
        const char* written;
    };
    const Case cases[] = {
        { "", "0", true, "Upercase", "\"", "<X\"\" T>" },
        { "a", "", false, "Upercase", "\"", "<X\"a\" N= U=\"a\">" },
        { "a", "7", true, "Lowercase", "'", "<x'a' n=7 t>" },
        { "", " ", false, "Upercase", "", "<X N=  U=>" },
    };
    for (const Case& c : cases) {
        edit1->SetText(c.one);
        edit2->SetText(c.two);
        box->SetChecked(c.ticked);
        Form1->Edit4->SetText(c.tagCase);
        Form1->Edit2->SetText(c.quote);
        Form1->RichEdit1->SetText("[]");
        Form1->RichEdit1->SetSelStart(1);
        WritePieces(Form1->Page(), dialog, kTable);
        EXPECT_EQ(Form1->RichEdit1->Text(), "[" + std::string(c.written) + "]") << c.written;
        EXPECT_EQ(Form1->RichEdit1->SelStart(), 1 + int(std::string(c.written).size()));
    }
    // A table naming a control the dialog lacks writes nothing at all.
    Form1->RichEdit1->SetText("[]");
    EXPECT_THROW(WritePieces(Form1->Page(), dialog, kBroken), EComponentError);
    EXPECT_EQ(Form1->RichEdit1->Text(), "[]");
}
