#include "dialogs/Unit20.h"

#include "dialogs/PageWriter.h"

TForm20* Form20 = nullptr;

namespace {

using enum TPieceWhen;
using enum TAttrValue;

const TPiece kForm[] = {
    { "<FORM METHOD=POST ACTION=", "<form method=post action=", Always, "Edit1", Quoted, nullptr, true },
    { "></FORM>", "></form>" },
};

}

TForm20::TForm20(TComponent* owner, TPage& page)
    : TOkCancelDialog(owner, page, "Form20", "Form Action", 47, 353, 65)
{
    Label1 = NewLabel(this, "Label1", "Form Action", 8, 8);
    Edit1 = NewEdit(this, "Edit1", 8, 24, 255);

    NewOkCancel(272, 8, Method(this, &TForm20::Button1Click));

    SetOpeningHandler(Method(this, &TForm20::FormShow));
    OnCloseQuery = Method(this, &TForm20::FormCloseQuery);
}

void TForm20::Button1Click(TObject*)
{
    WritePieces(Page(), *this, kForm);
    Close();
}

void TForm20::FormShow(TObject*) { Edit1->SetFocus(); }

void TForm20::FormCloseQuery(TObject*, bool&) { Edit1->SetText(""); }
