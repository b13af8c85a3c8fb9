#include "dialogs/Unit3.h"

TForm3* Form3 = nullptr;

namespace {

// The answer for each item of the list, by index; typed text is a link.
const char* const kWords[] = { "Link", "Image", "Sound", "Text" };

}

TForm3::TForm3(TComponent* owner)
    : TDesignedForm(owner, "Form3", "Select Insert Style", 0, 241, 105)
{
    Label1 = NewLabel(this, "Label1", "Select insert style", 16, 12);
    ComboBox1 = NewComboBox(this, "ComboBox1", 16, 32, 209, { "Hyper Link", "Image", "Background Sound", "Pre-formated Text" });
    ComboBox1->SetText("Hyper Link");
    Label2 = NewLabel(this, "Label2", "", 0, 0);
    Label2->SetVisible(false);
    Button1 = NewButton(this, "Button1", "OK", 40, 68, Method(this, &TForm3::Button1Click));
    Button1->Default = true;
    // Cancel is a button like any other: Escape does not reach it.
    Button2 = NewButton(this, "Button2", "Cancel", 126, 68, Method(this, &TForm3::Button2Click));
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
