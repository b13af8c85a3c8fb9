#pragma once
// TForm26, "Parameter": a parameter from its name and value, written at
// the page's caret (typically inside an applet).

#include "dialogs/ElementDialog.h"

class TForm26 : public TElementDialog {
public:
    TForm26(TComponent* owner, TPage& page);

    TLabel* Label1;
    TEdit* Edit1;  // name
    TLabel* Label2;
    TEdit* Edit2;  // value
    TButton* Button1;  // OK
    TButton* Button2;  // Cancel

    void Button1Click(TObject* sender);
    void Button2Click(TObject* sender);
    void FormShow(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
};

extern TForm26* Form26;
