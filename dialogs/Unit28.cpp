#include "dialogs/Unit28.h"

#include "dialogs/PageWriter.h"

TForm28* Form28 = nullptr;

namespace {

using enum TPieceWhen;
using enum TAttrValue;

// The source's quotes are pieces of their own: an empty item still gets
// both. Width comes before height whatever the fields' order.
const TPiece kEmbedded[] = {
    { "<EMBEDED SRC=", "<embeded src=", Always, nullptr, Quote },
    { "", "", NotEmpty, "Edit1", Bare },
    { "", "", Always, nullptr, Quote },
    { " WIDTH=", " width=", NotEmpty, "Edit3", Bare },
    { " HEIGHT=", " height=", NotEmpty, "Edit2", Bare },
    { ">", ">" },
};

}

TForm28::TForm28(TComponent* owner, TPage& page)
    : TOkCancelDialog(owner, page, "Form28", "Embeded Item", 55, 353, 105)
{
    Label1 = NewLabel(this, "Label1", "Embeded Item", 8, 8);
    Edit1 = NewEdit(this, "Edit1", 8, 24, 225);
    BitBtn1 = NewBrowseButton(this, "BitBtn1", 238, 23);
    Label2 = NewLabel(this, "Label2", "Height", 8, 56);
    Edit2 = NewEdit(this, "Edit2", 8, 72, 49, "0");
    UpDown1 = NewUpDown("UpDown1", Edit2, 0, 100);
    Label3 = NewLabel(this, "Label3", "Width", 96, 56);
    Edit3 = NewEdit(this, "Edit3", 96, 72, 49, "0");
    UpDown2 = NewUpDown("UpDown2", Edit3, 0, 100);
    SetTabOrder({ Edit1, Edit2, Edit3 });

    NewOkCancel(272, 8, Method(this, &TForm28::Button1Click));
    OpenDialog1 = NewOpenDialog("OpenDialog1", kAnyFiles);

    BitBtn1->OnClick = Method(this, &TForm28::BitBtn1Click);
    SetOpeningHandler(Method(this, &TForm28::FormActivate));
    OnCloseQuery = Method(this, &TForm28::FormCloseQuery);
}

void TForm28::Button1Click(TObject*)
{
    WritePieces(Page(), *this, kEmbedded);
    Close();
}

void TForm28::BitBtn1Click(TObject*)
{
    if (BrowseBareName(OpenDialog1, Edit1))
        Edit2->SetFocus();
}

// The design's "0" is never seen: each opening starts with an empty size.
void TForm28::FormActivate(TObject*)
{
    Edit2->SetText("");
    Edit3->SetText("");
    Edit1->SetFocus();
}

void TForm28::FormCloseQuery(TObject*, bool&)
{
    Edit1->SetText("");
    Edit2->SetText("");
    Edit3->SetText("");
}
