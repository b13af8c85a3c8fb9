#include "dialogs/Unit23.h"

#include "dialogs/PageWriter.h"

TForm23* Form23 = nullptr;

namespace {

using enum TPieceWhen;
using enum TAttrValue;

// One piece in a fixed order; empty values are written too.
const TPiece kMeta[] = {
    { "<META HTTP-EQUIV=", "<meta http-equiv=", Always, "ComboBox1", Quoted, nullptr, true },
    { " CONTENT=", " content=", Always, "Edit1", Quoted, nullptr, true },
    { " NAME=", " name=", Always, "ComboBox2", Quoted, nullptr, true },
    { " URL=", " url=", Always, "Edit2", Quoted, nullptr, true },
    { ">", ">" },
};

}

TForm23::TForm23(TComponent* owner, TPage& page)
    : TOkCancelDialog(owner, page, "Form23", "Meta", 51, 353, 201)
{
    SetHint("Insert Meta");
    Label1 = NewLabel(this, "Label1", "HTTP-EQUIV", 8, 8);
    ComboBox1 = NewComboBox(this, "ComboBox1", 8, 24, 177, { "Expires", "Reply-to", "Keywords", "PICS-Label", "Refresh" });
    Label2 = NewLabel(this, "Label2", "Content", 8, 56);
    Edit1 = NewEdit(this, "Edit1", 8, 72, 255);
    Label3 = NewLabel(this, "Label3", "Name", 8, 104);
    ComboBox2 = NewComboBox(this, "ComboBox2", 8, 120, 177, { "Expires", "Reply-to", "Keywords", "PICS-Label" });
    Label4 = NewLabel(this, "Label4", "URL", 8, 152);
    Edit2 = NewEdit(this, "Edit2", 8, 168, 255);
    SetTabOrder({ ComboBox1, Edit1, ComboBox2, Edit2 });

    NewOkCancel(272, 8, Method(this, &TForm23::Button1Click));

    SetOpeningHandler(Method(this, &TForm23::FormShow));
    OnCloseQuery = Method(this, &TForm23::FormCloseQuery);
}

void TForm23::Button1Click(TObject*)
{
    WritePieces(Page(), *this, kMeta);
    Close();
}

void TForm23::FormShow(TObject*) { ComboBox1->SetFocus(); }

void TForm23::FormCloseQuery(TObject*, bool&)
{
    Edit1->SetText("");
    Edit2->SetText("");
    ComboBox1->SetText("");
    ComboBox2->SetText("");
}
