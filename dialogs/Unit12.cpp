#include "dialogs/Unit12.h"

#include "dialogs/PageWriter.h"

TForm12* Form12 = nullptr;

namespace {

using enum TPieceWhen;
using enum TAttrValue;

// Sizes and spaces are left out only when they read "0": an emptied field
// writes its bare name. The behaviour is bare beside the quoted alignment,
// colour and direction.
const TPiece kMarquee[] = {
    { "<MARQUEE", "<marquee" },
    { " ALIGN=", " align=", NotEmpty, "ComboBox4", Quoted },
    { " HEIGHT=", " height=", NotZero, "MultiBaseEdit4", Bare },
    { " WIDTH=", " width=", NotZero, "MultiBaseEdit5", Bare },
    { " BGCOLOR=", " bgcolor=", NotEmpty, "ComboBox3", Quoted },
    { " BEHAVIOR=", " behavior=", NotEmpty, "ComboBox1", Bare },
    { " DIRECTION=", " direction=", NotEmpty, "ComboBox2", Quoted },
    { " HSPACE=", " hspace=", NotZero, "MultiBaseEdit2", Bare },
    { " VSPACE=", " vspace=", NotZero, "MultiBaseEdit1", Bare },
    { " LOOP=INFINITE", " loop=infinite", Ticked, "CheckBox1" },
    { " LOOP=", " loop=", Unticked, "CheckBox1", Bare, "MultiBaseEdit3" },
    { ">", ">", Always, "Edit1", Bare, nullptr, true },
    { "</MARQUEE>", "</marquee>" },
};

}

TForm12::TForm12(TComponent* owner, TPage& page)
    : TOkCancelDialog(owner, page, "Form12", "Marquee", 42, 377, 249)
{
    Label1 = NewLabel(this, "Label1", "Text to Scroll", 8, 8);
    Edit1 = NewEdit(this, "Edit1", 8, 24, 273);
    Label2 = NewLabel(this, "Label2", "Behavior", 8, 56);
    ComboBox1 = NewComboBox(this, "ComboBox1", 8, 72, 129, { "Scroll", "Slide", "Alternate" });
    Label3 = NewLabel(this, "Label3", "Direction to Scroll", 152, 56);
    ComboBox2 = NewComboBox(this, "ComboBox2", 152, 72, 129, { "Left", "Right" });
    Label4 = NewLabel(this, "Label4", "VSpace", 8, 104);
    MultiBaseEdit1 = NewMultiBaseEdit(this, "MultiBaseEdit1", 8, 120, 49);
    UpDown1 = NewUpDown("UpDown1", MultiBaseEdit1, 0, 100);
    Label5 = NewLabel(this, "Label5", "HSpace", 80, 104);
    MultiBaseEdit2 = NewMultiBaseEdit(this, "MultiBaseEdit2", 80, 120, 49);
    UpDown2 = NewUpDown("UpDown2", MultiBaseEdit2, 0, 100);
    Label6 = NewLabel(this, "Label6", "Loop", 152, 104);
    MultiBaseEdit3 = NewMultiBaseEdit(this, "MultiBaseEdit3", 152, 120, 49);
    UpDown3 = NewUpDown("UpDown3", MultiBaseEdit3, 0, 100);
    CheckBox1 = NewCheckBox(this, "CheckBox1", "Infinite", 220, 122);
    CheckBox1->SetChecked(true);
    Label7 = NewLabel(this, "Label7", "Background Color", 8, 152);
    ComboBox3 = NewComboBox(this, "ComboBox3", 8, 168, 129,
        { "Black", "Olive", "Teal", "Red", "Blue", "Maroon", "Navy", "Gray", "Lime", "Fuchsia", "White", "Green", "Purple",
            "Silver", "Yellow", "Aqua" });
    Label8 = NewLabel(this, "Label8", "Text Alignment", 152, 152);
    ComboBox4 = NewComboBox(this, "ComboBox4", 152, 168, 129, { "Top", "Middle", "Bottom" });
    Label9 = NewLabel(this, "Label9", "Height", 8, 200);
    MultiBaseEdit4 = NewMultiBaseEdit(this, "MultiBaseEdit4", 8, 216, 49);
    UpDown4 = NewUpDown("UpDown4", MultiBaseEdit4, 0, 100);
    Label10 = NewLabel(this, "Label10", "Width", 80, 200);
    MultiBaseEdit5 = NewMultiBaseEdit(this, "MultiBaseEdit5", 80, 216, 49);
    UpDown5 = NewUpDown("UpDown5", MultiBaseEdit5, 0, 100);
    SetTabOrder({ Edit1, ComboBox1, ComboBox2, MultiBaseEdit1, MultiBaseEdit2, MultiBaseEdit3, CheckBox1, ComboBox3, ComboBox4,
        MultiBaseEdit4, MultiBaseEdit5 });

    NewOkCancel(296, 8, Method(this, &TForm12::Button1Click));

    MultiBaseEdit3->OnChange = Method(this, &TForm12::MultiBaseEdit3Change);
    SetOpeningHandler(Method(this, &TForm12::FormActivate));
    OnCloseQuery = Method(this, &TForm12::FormCloseQuery);
}

void TForm12::Button1Click(TObject*)
{
    WritePieces(Page(), *this, kMarquee);
    Close();
}

// A number of passes, typed or stepped, ends the endless scrolling.
void TForm12::MultiBaseEdit3Change(TObject*) { CheckBox1->SetChecked(false); }

void TForm12::FormActivate(TObject*) { Edit1->SetFocus(); }

void TForm12::FormCloseQuery(TObject*, bool&)
{
    Edit1->SetText("");
    for (TMultiBaseEdit* number : { MultiBaseEdit5, MultiBaseEdit4, MultiBaseEdit1, MultiBaseEdit2, MultiBaseEdit3 })
        number->SetText("0");
    CheckBox1->SetChecked(true);
    for (TComboBox* list : { ComboBox4, ComboBox3, ComboBox2, ComboBox1 })
        list->SetText("");
}
