#pragma once
// TForm8, "E-Mail": a mail link from its address and text, written at the
// page's caret; with no text the caret waits inside it.

#include "dialogs/ElementDialog.h"

class TForm8 : public TElementDialog {
public:
    TForm8(TComponent* owner, TPage& page);

    TLabel* Label1;
    TEdit* Edit1;  // address
    TLabel* Label2;
    TEdit* Edit2;  // description
    TButton* Button1;  // OK
    TButton* Button2;  // Cancel

    void Button1Click(TObject* sender);
    void Button2Click(TObject* sender);
    void FormActivate(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
};

extern TForm8* Form8;
