#include "dialogs/Unit11.h"

#include "dialogs/PageWriter.h"

TForm11* Form11 = nullptr;

namespace {

using enum TPieceWhen;
using enum TAttrValue;

const TPiece kSound[] = {
    { "<BGSOUND SRC=", "<bgsound src=", Always, "Edit1", Quoted },
    { " LOOP=INFINITE", " loop=infinite", Ticked, "CheckBox1" },
    { " LOOP=", " loop=", Unticked, "CheckBox1", Bare, "MultiBaseEdit1" },
    { ">", ">" },
};

}

TForm11::TForm11(TComponent* owner, TPage& page)
    : TOkCancelDialog(owner, page, "Form11", "Music/Sound Effects", 41, 353, 113)
{
    Label1 = NewLabel(this, "Label1", "Source", 8, 8);
    Edit1 = NewEdit(this, "Edit1", 8, 24, 225);
    BitBtn1 = NewBrowseButton(this, "BitBtn1", 238, 23);
    Label2 = NewLabel(this, "Label2", "Loop", 8, 56);
    MultiBaseEdit1 = NewMultiBaseEdit(this, "MultiBaseEdit1", 8, 72, 49);
    UpDown1 = NewUpDown("UpDown1", MultiBaseEdit1, 0, 100);
    CheckBox1 = NewCheckBox(this, "CheckBox1", "Infinite", 96, 74);
    CheckBox1->SetChecked(true);

    NewOkCancel(272, 8, Method(this, &TForm11::Button1Click));
    Button2->Cancel = true;
    OpenDialog1 = NewOpenDialog("OpenDialog1", kSoundFiles);

    BitBtn1->OnClick = Method(this, &TForm11::BitBtn1Click);
    MultiBaseEdit1->OnChange = Method(this, &TForm11::MultiBaseEdit1Change);
    SetOpeningHandler(Method(this, &TForm11::FormActivate));
    OnCloseQuery = Method(this, &TForm11::FormCloseQuery);
}

void TForm11::Button1Click(TObject*)
{
    WritePieces(Page(), *this, kSound);
    Close();
}

void TForm11::BitBtn1Click(TObject*)
{
    if (BrowseBareName(OpenDialog1, Edit1))
        Edit1->SetFocus();
}

// A number of plays, typed or stepped, ends the endless loop.
void TForm11::MultiBaseEdit1Change(TObject*) { CheckBox1->SetChecked(false); }

void TForm11::FormActivate(TObject*) { Edit1->SetFocus(); }

void TForm11::FormCloseQuery(TObject*, bool&)
{
    Edit1->SetText("");
    MultiBaseEdit1->SetText("0");
    CheckBox1->SetChecked(true);
}
