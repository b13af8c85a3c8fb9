#pragma once
// TForm2, "Update Information": shows the update description; any mouse
// button pressed in the text closes it. Long lines wrap at words.

#include "platform/FormBuilder.h"
#include "platform/RichEdit.h"

class TForm2 : public TDesignedForm {
public:
    explicit TForm2(TComponent* owner);

    TRichEdit* RichEdit1;

    void RichEdit1MouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
};

extern TForm2* Form2;
