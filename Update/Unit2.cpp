#include "Update/Unit2.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(TComponent* owner)
    : TDesignedForm(owner, "Form2", "Update Information", 0, 334, 288, bsNone)
{
    RichEdit1 = NewControl<TRichEdit>(this, this, "RichEdit1");
    RichEdit1->PlainText = true;
    RichEdit1->SetAlign(alClient);
    RichEdit1->OnMouseDown = Method(this, &TForm2::RichEdit1MouseDown);
}

void TForm2::RichEdit1MouseDown(TObject*, TMouseButton, TShiftState, int, int) { Close(); }
