// A dialog's table of pieces written into the page: conditions, value forms,
// pieces that run on, and a table that cannot be made leaving the page alone.

#include "tests/dialogs/PageFixture.h"

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

TEST_F(PageTest, TablesOfPiecesFollowTheirConditionsAndForms)
{
    StartPage();
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
        PageWindow->Edit4->SetText(c.tagCase);
        PageWindow->Edit2->SetText(c.quote);
        PageWindow->RichEdit1->SetText("[]");
        PageWindow->RichEdit1->SetSelStart(1);
        WritePieces(PageWindow->Page(), dialog, kTable);
        EXPECT_EQ(PageWindow->RichEdit1->Text(), "[" + std::string(c.written) + "]") << c.written;
        EXPECT_EQ(PageWindow->RichEdit1->SelStart(), 1 + int(std::string(c.written).size()));
    }
    // A table naming a control the dialog lacks writes nothing at all.
    PageWindow->RichEdit1->SetText("[]");
    EXPECT_THROW(WritePieces(PageWindow->Page(), dialog, kBroken), EComponentError);
    EXPECT_EQ(PageWindow->RichEdit1->Text(), "[]");
}
