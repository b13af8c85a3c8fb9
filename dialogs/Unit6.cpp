#include "dialogs/Unit6.h"

#include "dialogs/PageWriter.h"

TForm6* Form6 = nullptr;

namespace {

using enum TPieceWhen;
using enum TAttrValue;

// Size and width are quoted, as the rule has always written them.
const TPiece kRule[] = {
    { "<HR", "<hr" },
    { " ALIGN=", " align=", NotEmpty, "ComboBox1", Quoted },
    { " SIZE=", " size=", NotEmpty, "Edit2", Quoted },
    { " WIDTH=", " width=", NotEmpty, "Edit1", Quoted },
    { " NOSHADE", " noshade", Ticked, "CheckBox1" },
    { ">", ">" },
};

}

TForm6::TForm6(TComponent* owner, TPage& page)
    : TOkCancelDialog(owner, page, "Form6", "Horizontal Rule", 44, 273, 137)
{
    Label1 = NewLabel(this, "Label1", "Width", 8, 8);
    Edit1 = NewEdit(this, "Edit1", 8, 24, 49, "0");
    UpDown1 = NewUpDown("UpDown1", Edit1, 0, 100);
    Label2 = NewLabel(this, "Label2", "Size", 96, 8);
    Edit2 = NewEdit(this, "Edit2", 96, 24, 49, "0");
    UpDown2 = NewUpDown("UpDown2", Edit2, 0, 100);
    Label3 = NewLabel(this, "Label3", "Align", 8, 56);
    ComboBox1 = NewComboBox(this, "ComboBox1", 8, 72, 153, { "CENTER", "RIGHT", "LEFT" });
    CheckBox1 = NewCheckBox(this, "CheckBox1", "No Shading", 8, 106);

    NewOkCancel(190, 8, Method(this, &TForm6::Button1Click));
    Button2->Cancel = true;

    SetOpeningHandler(Method(this, &TForm6::FormActivate));
    OnCloseQuery = Method(this, &TForm6::FormCloseQuery);
}

void TForm6::Button1Click(TObject*)
{
    WritePieces(Page(), *this, kRule);
    Close();
}

// The design's "0" is never seen: each opening starts with empty numbers.
void TForm6::FormActivate(TObject*)
{
    Edit1->SetText("");
    Edit2->SetText("");
    Edit1->SetFocus();
}

void TForm6::FormCloseQuery(TObject*, bool&)
{
    Edit1->SetText("");
    Edit2->SetText("");
    CheckBox1->SetChecked(false);
    ComboBox1->SetText("");
}
