#include "generators/Unit13.h"

#include "generators/FrameSet.h"
#include "generators/Unit14.h"

TForm13* Form13 = nullptr;

TForm13::TForm13(TComponent* owner, TPage& page)
    : TElementDialog(owner, page, "Form13", "Frame Wizard", 45, 345, 161)
{
    Label1 = NewLabel(this, "Label1", "Do you want to divide the page into rows or columns?", 8, 8);
    RadioButton1 = NewControl<TRadioButton>(this, this, "RadioButton1", 24, 36, 113, 17);
    RadioButton1->SetCaption("Rows");
    RadioButton2 = NewControl<TRadioButton>(this, this, "RadioButton2", 160, 36, 113, 17);
    RadioButton2->SetCaption("Columns");
    Label3 = NewLabel(this, "Label3", "How many frames do you want?", 8, 72);
    Edit1 = NewEdit(this, "Edit1", 8, 90, 41);
    UpDown1 = NewUpDown("UpDown1", Edit1, kMinFrames, kMaxFrames);
    Button1 = NewButton(this, "Button1", "OK", 182, 128, Method(this, &TForm13::Button1Click));
    Button1->Default = true;
    Button2 = NewButton(this, "Button2", "Cancel", 262, 128, Method(this, &TForm13::Button2Click));
    Button2->Cancel = true;
    Reset();

}

void TForm13::Button1Click(TObject*)
{
    // No way back: whatever step 2 does, the wizard ends with it.
    Form14->ShowModal();
    Close();
}

// The choices stay for the next opening.
void TForm13::Button2Click(TObject*) { Close(); }

void TForm13::Reset()
{
    RadioButton1->SetChecked(true);
    Edit1->SetText("2");
}
