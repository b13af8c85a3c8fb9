// A dialog's table of pieces written into the page: conditions, value forms,
// pieces that run on, and a table that cannot be made leaving the page alone.

#include "tests/dialogs/PageFixture.h"

#include "dialogs/PageWriter.h"
#include "platform/Exception.h"
#include "platform/StdCtrls.h"

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

TEST_F(PageTest, TablesOfPiecesFollowTheirConditionsAndForms)
{
    TForm dialog(nullptr);
    auto* edit1 = NewControl<TEdit>(&dialog, &dialog, "Edit1");
    auto* edit2 = NewControl<TEdit>(&dialog, &dialog, "Edit2");
    auto* box = NewControl<TCheckBox>(&dialog, &dialog, "CheckBox1");
    // The two edits, the box, the tag case, the quote, and what the table writes.
    const std::tuple<const char*, const char*, bool, const char*, const char*, std::string> cases[] = {
        { "", "0", true, "Upercase", "\"", "<X\"\" T>" },
        { "a", "", false, "Upercase", "\"", "<X\"a\" N= U=\"a\">" },
        { "a", "7", true, "Lowercase", "'", "<x'a' n=7 t>" },
        { "", " ", false, "Upercase", "", "<X N=  U=>" },
    };
    for (const auto& [one, two, ticked, tagCase, quote, written] : cases) {
        edit1->SetText(one);
        edit2->SetText(two);
        box->SetChecked(ticked);
        PageWindow->Edit4->SetText(tagCase);
        PageWindow->Edit2->SetText(quote);
        SetPage("[]", 1);
        WritePieces(PageWindow->Page(), dialog, kTable);
        EXPECT_EQ(std::tuple(PageWindow->RichEdit1->Text(), PageWindow->RichEdit1->SelStart()),
            std::tuple("[" + written + "]", 1 + int(written.size())));
    }
    // A table naming a control the dialog lacks writes nothing at all.
    PageWindow->RichEdit1->SetText("[]");
    EXPECT_THROW(WritePieces(PageWindow->Page(), dialog, kBroken), EComponentError);
    EXPECT_EQ(PageWindow->RichEdit1->Text(), "[]");
}
