#include "dialogs/Unit21.h"

#include "dialogs/PageWriter.h"

#include <vector>

TForm21* Form21 = nullptr;

namespace {

using enum TPieceWhen;
using enum TAttrValue;

// What a type makes usable: the value, the two numbers (cleared when
// switched to), and the numbers' labels (nullptr: unchanged).
struct TFieldLook {
    const char* type;
    bool value;
    bool first, clearFirst;
    bool second, clearSecond;
    const char* label4;
    const char* label5;
};

const TFieldLook kLooks[] = {
    { "Checkbox", true, false, false, false, false, nullptr, nullptr },
    { "Hidden", true, false, false, false, false, nullptr, nullptr },
    { "Radio Button", true, false, false, false, false, nullptr, nullptr },
    { "Reset Button", true, false, false, false, false, nullptr, nullptr },
    { "Select List", false, false, true, false, false, "Rows", nullptr },
    { "Submit Button", true, false, true, false, false, nullptr, nullptr },
    { "Text", true, true, true, true, true, "Size", "Max Length" },
};
// "Text Area", and any text that names no type.
const TFieldLook kOtherLook = { "", true, true, true, true, true, "Rows", "Columns" };

// The element each type writes.
enum class TFieldKind { Input, Text, Select, TextArea };

struct TFieldType {
    const char* type;
    TFieldKind kind;
    const char* upper;  // the INPUT's TYPE word
    const char* lower;
};

const TFieldType kTypes[] = {
    { "Checkbox", TFieldKind::Input, "CHECKBOX", "checkbox" },
    { "Hidden", TFieldKind::Input, "HIDDEN", "hidden" },
    { "Radio Button", TFieldKind::Input, "RADIO", "radio" },
    { "Reset Button", TFieldKind::Input, "RESET", "reset" },
    { "Select List", TFieldKind::Select, "", "" },
    { "Submit Button", TFieldKind::Input, "SUBMIT", "submit" },
    { "Text", TFieldKind::Text, "TEXT", "text" },
    { "Text Area", TFieldKind::TextArea, "", "" },
};

// The INPUT head is one piece: type word, name and value, always quoted.
std::vector<TPiece> inputPieces(const TFieldType& t)
{
    std::vector<TPiece> pieces = {
        { "<INPUT TYPE=", "<input type=", Always, nullptr, Quote, nullptr, true },
        { t.upper, t.lower, Always, nullptr, Quote, nullptr, true },
        { " NAME=", " name=", Always, "Edit1", Quoted, nullptr, true },
        { " VALUE=", " value=", Always, "Edit2", Quoted, nullptr, t.kind == TFieldKind::Input },
    };
    if (t.kind == TFieldKind::Text) {
        pieces.push_back({ " SIZE=", " size=", NotEmpty, "Edit3", Bare });
        pieces.push_back({ " MAXLENGTH=", " maxlength=", NotEmpty, "Edit4", Bare });
    }
    pieces.push_back({ ">", ">" });
    return pieces;
}

const TPiece kSelect[] = {
    { "<SELECT NAME=", "<select name=", Always, "Edit1", Quoted, nullptr, true },
    { "></SELECT>", "></select>" },
};

const TPiece kTextArea[] = {
    { "<TEXTAREA NAME=", "<textarea name=", Always, "Edit1", Quoted },
    { " ROWS=", " rows=", NotEmpty, "Edit3", Bare },
    { " COLS=", " cols=", NotEmpty, "Edit4", Bare },
    { "></TEXTAREA>", "></textarea>" },
};

}

TForm21::TForm21(TComponent* owner, TPage& page)
    : TOkCancelDialog(owner, page, "Form21", "Form Field", 0, 353, 201)
{
    Label1 = NewLabel(this, "Label1", "Type", 8, 8);
    ComboBox1 = NewComboBox(this, "ComboBox1", 8, 24, 145,
        { "Checkbox", "Hidden", "Radio Button", "Reset Button", "Select List", "Submit Button", "Text", "Text Area" });
    ComboBox1->SetText("Checkbox");
    Label2 = NewLabel(this, "Label2", "Name", 8, 56);
    Edit1 = NewEdit(this, "Edit1", 8, 72, 255);
    Label3 = NewLabel(this, "Label3", "Value", 8, 104);
    Edit2 = NewEdit(this, "Edit2", 8, 120, 255);
    Label4 = NewLabel(this, "Label4", "Rows", 8, 152);
    Edit3 = NewEdit(this, "Edit3", 8, 168, 49, "0");
    UpDown1 = NewUpDown("UpDown1", Edit3, 0, 100);
    Label5 = NewLabel(this, "Label5", "Max Length", 96, 152);
    Edit4 = NewEdit(this, "Edit4", 96, 168, 49, "0");
    UpDown2 = NewUpDown("UpDown2", Edit4, 0, 100);
    for (TControl* number : std::initializer_list<TControl*> { Edit3, UpDown1, Edit4, UpDown2 })
        number->SetEnabled(false);
    SetTabOrder({ ComboBox1, Edit1, Edit2, Edit3, Edit4 });

    NewOkCancel(272, 8, Method(this, &TForm21::Button1Click));

    ComboBox1->OnChange = Method(this, &TForm21::ComboBox1Change);
    SetOpeningHandler(Method(this, &TForm21::FormShow));
    OnCloseQuery = Method(this, &TForm21::FormCloseQuery);
}

// A type typed by hand that names none of the list writes nothing.
void TForm21::Button1Click(TObject*)
{
    for (const TFieldType& t : kTypes) {
        if (ComboBox1->Text() != t.type)
            continue;
        switch (t.kind) {
        case TFieldKind::Input:
        case TFieldKind::Text:
            WritePieces(Page(), *this, inputPieces(t));
            break;
        case TFieldKind::Select:
            WritePieces(Page(), *this, kSelect);
            break;
        case TFieldKind::TextArea:
            WritePieces(Page(), *this, kTextArea);
            break;
        }
        break;
    }
    Close();
}

void TForm21::ComboBox1Change(TObject*)
{
    const TFieldLook* look = &kOtherLook;
    for (const TFieldLook& l : kLooks)
        if (ComboBox1->Text() == l.type)
            look = &l;
    Edit2->SetEnabled(look->value);
    Edit3->SetEnabled(look->first);
    UpDown1->SetEnabled(look->first);
    Edit4->SetEnabled(look->second);
    UpDown2->SetEnabled(look->second);
    if (look->clearFirst)
        Edit3->SetText("");
    if (look->clearSecond)
        Edit4->SetText("");
    if (look->label4) {
        Label4->SetEnabled(true);
        Label4->SetCaption(look->label4);
    }
    if (look->label5)
        Label5->SetCaption(look->label5);
}

void TForm21::FormShow(TObject*) { Edit1->SetFocus(); }

// The type, and with it what is usable, stays for the next opening.
void TForm21::FormCloseQuery(TObject*, bool&)
{
    Edit1->SetText("");
    Edit2->SetText("");
    Edit3->SetText("");
    Edit4->SetText("");
}
