#pragma once
// TForm8, "E-Mail": a mail link from its address and text, written at the
// page's caret; with no text the caret waits inside it.

#include "dialogs/ElementDialog.h"

class TForm8 : public TOkCancelDialog {
public:
    TForm8(TComponent* owner, TPage& page);

    TLabel* Label1;
    TEdit* Edit1;  // address
    TLabel* Label2;
    TEdit* Edit2;  // description

    void Button1Click(TObject* sender);
    void FormActivate(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
};

extern TForm8* Form8;
