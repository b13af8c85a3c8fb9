#include "dialogs/Unit8.h"

#include "dialogs/PageWriter.h"

TForm8* Form8 = nullptr;

namespace {

using enum TPieceWhen;
using enum TAttrValue;

const TPiece kMailLink[] = {
    { "<A HREF=", "<a href=", Always, nullptr, Quote, nullptr, true },
    { "mailto:", "mailto:", Always, "Edit1", Bare, nullptr, true },
    { "", "", Always, nullptr, Quote, nullptr, true },
    { ">", ">" },
    { "", "", NotEmpty, "Edit2", Bare },
    { "</A>", "</a>" },
};

}

TForm8::TForm8(TComponent* owner, TPage& page)
    : TOkCancelDialog(owner, page, "Form8", "E-Mail", 40, 353, 105)
{
    Label1 = NewLabel(this, "Label1", "E-Mail address", 8, 8);
    Edit1 = NewEdit(this, "Edit1", 8, 24, 255);
    Label2 = NewLabel(this, "Label2", "Description", 8, 56);
    Edit2 = NewEdit(this, "Edit2", 8, 72, 255);

    NewOkCancel(272, 8, Method(this, &TForm8::Button1Click));
    Button2->Cancel = true;

    SetOpeningHandler(Method(this, &TForm8::FormActivate));
    OnCloseQuery = Method(this, &TForm8::FormCloseQuery);
}

void TForm8::Button1Click(TObject*)
{
    WritePieces(Page(), *this, kMailLink);
    Page().Focus();
    // Without a description the caret waits between ">" and "</A>".
    if (Edit2->Text().empty())
        Page().MoveCaretBack(4);
    Close();
}

void TForm8::FormActivate(TObject*) { Edit1->SetFocus(); }

void TForm8::FormCloseQuery(TObject*, bool&)
{
    Edit1->SetText("");
    Edit2->SetText("");
}
