#include "dialogs/Unit7.h"

#include "dialogs/PageWriter.h"

TForm7* Form7 = nullptr;

namespace {

using enum TPieceWhen;
using enum TAttrValue;

const TPiece kLink[] = {
    { "<A HREF=", "<a href=", Always, "Edit1", Quoted },
    { " TARGET=", " target=", NotEmpty, "ComboBox1", Quoted },
    { ">", ">" },
    { "", "", NotEmpty, "Edit2", Bare },
    { "</A>", "</a>" },
};

}

TForm7::TForm7(TComponent* owner, TPage& page)
    : TElementDialog(owner, page, "Form7", "Create Link", 38, 353, 153)
{
    Label1 = NewLabel(this, "Label1", "URL", 8, 8);
    Edit1 = NewEdit(this, "Edit1", 8, 24, 225, "http://");
    Edit1->AutoSelect = false;
    BitBtn1 = NewBrowseButton(this, "BitBtn1", 238, 23);
    Label2 = NewLabel(this, "Label2", "Description", 8, 56);
    Edit2 = NewEdit(this, "Edit2", 8, 72, 255);
    Label3 = NewLabel(this, "Label3", "Target", 8, 104);
    ComboBox1 = NewComboBox(this, "ComboBox1", 8, 120, 145, { "_blank", "_self", "_parent", "_top" });

    Button2 = NewButton(this, "Button2", "OK", 272, 8, Method(this, &TForm7::Button2Click));
    Button2->Default = true;
    Button1 = NewButton(this, "Button1", "Cancel", 272, 40, Method(this, &TForm7::Button1Click));
    Button1->Cancel = true;
    OpenDialog1 = NewOpenDialog("OpenDialog1", kWebFiles);

    BitBtn1->OnClick = Method(this, &TForm7::BitBtn1Click);
    SetOpeningHandler(Method(this, &TForm7::FormActivate));
    OnCloseQuery = Method(this, &TForm7::FormCloseQuery);
}

void TForm7::Button1Click(TObject*) { Close(); }

void TForm7::Button2Click(TObject*)
{
    WritePieces(Page(), *this, kLink);
    // Without a description the caret waits between ">" and "</A>".
    if (Edit2->Text().empty())
        Page().MoveCaretBack(4);
    Page().Focus();
    Close();
}

void TForm7::BitBtn1Click(TObject*)
{
    if (BrowseBareName(OpenDialog1, Edit1))
        Edit2->SetFocus();
}

// Typing goes on after "http://".
void TForm7::FormActivate(TObject*)
{
    Edit1->SetFocus();
    Edit1->SetSelStart(Edit1->SelStart() + 7);
}

void TForm7::FormCloseQuery(TObject*, bool&)
{
    Edit1->SetText("http://");
    Edit2->SetText("");
    ComboBox1->SetText("");
}
