#include "Update/Unit2.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(TComponent* owner)
    : TForm(owner)
{
    Name = "Form2";
    SetCaption("Update Information");
    BorderStyle = bsNone;
    Position = poScreenCenter;
    SetClientSize(334, 288);

    RichEdit1 = NewControl<TRichEdit>(this, this, "RichEdit1");
    RichEdit1->PlainText = true;
    RichEdit1->SetAlign(alClient);
    RichEdit1->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) { RichEdit1MouseDown(s, b, sh, x, y); };
}

void TForm2::RichEdit1MouseDown(TObject*, TMouseButton, TShiftState, int, int) { Close(); }
