#include "dialogs/Unit5.h"

#include "dialogs/PageWriter.h"

TForm5* Form5 = nullptr;

namespace {

using enum TPieceWhen;
using enum TAttrValue;

const TPiece kImage[] = {
    { "<IMG SRC=", "<img src=", Always, "Edit1", Quoted },
    { " WIDTH=", " width=", NotEmpty, "Edit5", Bare },
    { " HEIGHT=", " height=", NotEmpty, "Edit4", Bare },
    { " BORDER=", " border=", Always, "Edit3", Bare },
    { " ALIGN=", " align=", NotEmpty, "ComboBox1", Quoted },
    { " ALT=", " alt=", Always, "Edit2", Quoted, nullptr, true },
    { ">", ">" },
};

}

TForm5::TForm5(TComponent* owner, TPage& page)
    : TOkCancelDialog(owner, page, "Form5", "Image", 39, 353, 217)
{
    GroupBox1 = NewGroupBox(this, "GroupBox1", "Proporties:", 8, 8, 257, 201);
    Label1 = NewLabel(GroupBox1, "Label1", "Image", 8, 18);
    Edit1 = NewEdit(GroupBox1, "Edit1", 8, 34, 209);
    BitBtn1 = NewBrowseButton(GroupBox1, "BitBtn1", 222, 33);
    Label2 = NewLabel(GroupBox1, "Label2", "Alternate Text", 8, 62);
    Edit2 = NewEdit(GroupBox1, "Edit2", 8, 78, 239);
    Label3 = NewLabel(GroupBox1, "Label3", "Border Width", 8, 106);
    Edit3 = NewEdit(GroupBox1, "Edit3", 8, 122, 41, "0");
    UpDown1 = NewUpDown("UpDown1", Edit3, 0, 10);
    Label4 = NewLabel(GroupBox1, "Label4", "Align", 96, 106);
    ComboBox1 = NewComboBox(GroupBox1, "ComboBox1", 96, 122, 151,
        { "TOP", "LEFT", "RIGHT", "MIDDLE", "TEXTTOP", "ABSMIDDLE", "BASELINE", "BOTTOM" });
    Label5 = NewLabel(GroupBox1, "Label5", "Width", 8, 150);
    Edit5 = NewEdit(GroupBox1, "Edit5", 8, 166, 65);
    Label6 = NewLabel(GroupBox1, "Label6", "Height", 96, 150);
    Edit4 = NewEdit(GroupBox1, "Edit4", 96, 166, 65);

    NewOkCancel(272, 16, Method(this, &TForm5::Button1Click));
    OpenDialog1 = NewOpenDialog("OpenDialog1", kImageFiles);

    BitBtn1->OnClick = Method(this, &TForm5::BitBtn1Click);
    SetOpeningHandler(Method(this, &TForm5::FormActivate));
    OnCloseQuery = Method(this, &TForm5::FormCloseQuery);
}

void TForm5::Button1Click(TObject*)
{
    if (Edit1->Text().empty()) {
        RefuseInsert("You have to select an image before you can insert the HTML text!");
        return;
    }
    WritePieces(Page(), *this, kImage);
    Close();
}

void TForm5::BitBtn1Click(TObject*)
{
    if (BrowseBareName(OpenDialog1, Edit1))
        Edit2->SetFocus();
}

void TForm5::FormActivate(TObject*) { Edit1->SetFocus(); }

void TForm5::FormCloseQuery(TObject*, bool&)
{
    Edit1->SetText("");
    Edit2->SetText("");
    ComboBox1->SetText("");
    Edit3->SetText("0");
    Edit5->SetText("");
    Edit4->SetText("");
}
