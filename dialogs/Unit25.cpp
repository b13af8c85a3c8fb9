#include "dialogs/Unit25.h"

#include "dialogs/PageWriter.h"

TForm25* Form25 = nullptr;

namespace {

using enum TPieceWhen;
using enum TAttrValue;

const TPiece kApplet[] = {
    { "<APPLET", "<applet" },
    { " CODE=", " code=", NotEmpty, "Edit1", Quoted },
    { " WIDTH=", " width=", NotEmpty, "Edit2", Bare },
    { " HEIGHT=", " height=", NotEmpty, "Edit3", Bare },
    { ">", ">" },
    { "", "", NotEmpty, "Edit4", Bare },
    { "</APPLET>", "</applet>" },
};

}

TForm25::TForm25(TComponent* owner, TPage& page)
    : TOkCancelDialog(owner, page, "Form25", "JAVA Applet", 53, 353, 153)
{
    Label1 = NewLabel(this, "Label1", "Source", 8, 8);
    Edit1 = NewEdit(this, "Edit1", 8, 24, 255);
    Label4 = NewLabel(this, "Label4", "Message to browsers that don't support JAVA", 8, 56);
    Edit4 = NewEdit(this, "Edit4", 8, 72, 255);
    Label2 = NewLabel(this, "Label2", "Width", 8, 104);
    Edit2 = NewEdit(this, "Edit2", 8, 120, 49, "0");
    UpDown1 = NewUpDown("UpDown1", Edit2, 0, 100);
    Label3 = NewLabel(this, "Label3", "Height", 96, 104);
    Edit3 = NewEdit(this, "Edit3", 96, 120, 49, "0");
    UpDown2 = NewUpDown("UpDown2", Edit3, 0, 100);
    SetTabOrder({ Edit1, Edit4, Edit2, Edit3 });

    NewOkCancel(272, 8, Method(this, &TForm25::Button1Click));

    SetOpeningHandler(Method(this, &TForm25::FormShow));
    OnCloseQuery = Method(this, &TForm25::FormCloseQuery);
}

void TForm25::Button1Click(TObject*)
{
    WritePieces(Page(), *this, kApplet);
    Close();
}

// The design's "0" is never seen: each opening starts with an empty size.
void TForm25::FormShow(TObject*)
{
    Edit2->SetText("");
    Edit3->SetText("");
    Edit1->SetFocus();
}

void TForm25::FormCloseQuery(TObject*, bool&)
{
    Edit1->SetText("");
    Edit2->SetText("");
    Edit3->SetText("");
    Edit4->SetText("");
}
