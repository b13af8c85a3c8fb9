#include "dialogs/Unit19.h"

#include "dialogs/PageWriter.h"
#include "platform/ScreenFonts.h"

TForm19* Form19 = nullptr;

namespace {

using enum TPieceWhen;
using enum TAttrValue;

const TPiece kFont[] = {
    { "<FONT", "<font" },
    { " SIZE=", " size=", NotEmpty, "Edit1", Quoted },
    { " FACE=", " face=", NotEmpty, "ComboBox1", Quoted },
    { " COLOR=", " color=", NotEmpty, "ComboBox2", Quoted },
    { "></FONT>", "></font>" },
};

}

TForm19::TForm19(TComponent* owner, TPage& page)
    : TOkCancelDialog(owner, page, "Form19", "Font", 43, 305, 153)
{
    Label1 = NewLabel(this, "Label1", "Font", 8, 8);
    ComboBox1 = NewComboBox(this, "ComboBox1", 8, 24, 201, {});
    Label2 = NewLabel(this, "Label2", "Color", 8, 56);
    ComboBox2 = NewComboBox(this, "ComboBox2", 8, 72, 145,
        { "Aqua", "Black", "Blue", "Fuchsia", "Gray", "Green", "Lime", "Maroon", "Navy", "Olive", "Purple", "Red", "Silver",
            "Teal", "White", "Yellow" });
    Label3 = NewLabel(this, "Label3", "Size", 8, 104);
    Edit1 = NewEdit(this, "Edit1", 8, 120, 49, "0");
    UpDown1 = NewUpDown("UpDown1", Edit1, 0, 100);
    SetTabOrder({ ComboBox1, ComboBox2, Edit1 });

    NewOkCancel(222, 8, Method(this, &TForm19::Button1Click));

    SetOpeningHandler([this](TObject* s) {
        FormShow(s);
        FormActivate(s);
    });
    OnCloseQuery = Method(this, &TForm19::FormCloseQuery);
}

void TForm19::Button1Click(TObject*)
{
    WritePieces(Page(), *this, kFont);
    // The caret waits for the text the font is for, before "</FONT>".
    Page().MoveCaretBack(7);
    Close();
}

// Fonts come and go: the list is the system's as it stands now.
void TForm19::FormShow(TObject*) { ComboBox1->SetItems(ScreenFonts()); }

void TForm19::FormActivate(TObject*) { ComboBox1->SetFocus(); }

// The size is cleared, not set back to "0": only the first opening shows it.
void TForm19::FormCloseQuery(TObject*, bool&)
{
    ComboBox1->SetText("");
    ComboBox2->SetText("");
    Edit1->SetText("");
}
