#include "dialogs/Unit3.h"

TForm3* Form3 = nullptr;

namespace {

// The answer for each item of the list, by index; typed text is a link.
const char* const kWords[] = { "Link", "Image", "Sound", "Text" };

}

TForm3::TForm3(TComponent* owner)
    : TForm(owner)
{
    Name = "Form3";
    SetCaption("Select Insert Style");
    BorderStyle = bsDialog;
    Position = poScreenCenter;
    SetClientSize(241, 105);

    Label1 = NewControl<TLabel>(this, this, "Label1", 16, 12, 0, 0);
    Label1->SetCaption("Select insert style");
    ComboBox1 = NewControl<TComboBox>(this, this, "ComboBox1", 16, 32, 209, 21);
    ComboBox1->SetItems({ "Hyper Link", "Image", "Background Sound", "Pre-formated Text" });
    ComboBox1->SetText("Hyper Link");
    Label2 = NewControl<TLabel>(this, this, "Label2");
    Label2->SetVisible(false);
    Label2->SetCaption("");
    Button1 = NewControl<TButton>(this, this, "Button1", 40, 68, 75, 25);
    Button1->SetCaption("OK");
    Button1->Default = true;
    Button1->OnClick = [this](TObject* s) { Button1Click(s); };
    // Cancel is a button like any other: Escape does not reach it.
    Button2 = NewControl<TButton>(this, this, "Button2", 126, 68, 75, 25);
    Button2->SetCaption("Cancel");
    Button2->OnClick = [this](TObject* s) { Button2Click(s); };
}

void TForm3::Button1Click(TObject*)
{
    int index = ComboBox1->ItemIndex();
    Label2->SetCaption(index >= 0 && index < 4 ? kWords[index] : "Link");
    Close();
}

void TForm3::Button2Click(TObject*)
{
    Label2->SetCaption("No");
    Close();
}
