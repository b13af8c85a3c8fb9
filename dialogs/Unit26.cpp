#include "dialogs/Unit26.h"

#include "dialogs/PageWriter.h"

TForm26* Form26 = nullptr;

namespace {

using enum TPieceWhen;
using enum TAttrValue;

const TPiece kParameter[] = {
    { "<PARAM", "<param" },
    { " NAME=", " name=", NotEmpty, "Edit1", Quoted },
    { " VALUE=", " value=", NotEmpty, "Edit2", Quoted },
    { "></PARAM>", "></param>" },
};

}

TForm26::TForm26(TComponent* owner, TPage& page)
    : TOkCancelDialog(owner, page, "Form26", "Parameter", 54, 353, 105)
{
    Label1 = NewLabel(this, "Label1", "Name", 8, 8);
    Edit1 = NewEdit(this, "Edit1", 8, 24, 255);
    Label2 = NewLabel(this, "Label2", "Value", 8, 56);
    Edit2 = NewEdit(this, "Edit2", 8, 72, 255);

    NewOkCancel(272, 8, Method(this, &TForm26::Button1Click));

    SetOpeningHandler(Method(this, &TForm26::FormShow));
    OnCloseQuery = Method(this, &TForm26::FormCloseQuery);
}

void TForm26::Button1Click(TObject*)
{
    WritePieces(Page(), *this, kParameter);
    Close();
}

void TForm26::FormShow(TObject*) { Edit1->SetFocus(); }

void TForm26::FormCloseQuery(TObject*, bool&)
{
    Edit1->SetText("");
    Edit2->SetText("");
}
