#pragma once
// TForm26, "Parameter": a parameter from its name and value, written at
// the page's caret (typically inside an applet).

#include "dialogs/ElementDialog.h"

class TForm26 : public TOkCancelDialog {
public:
    TForm26(TComponent* owner, TPage& page);

    TLabel* Label1;
    TEdit* Edit1;  // name
    TLabel* Label2;
    TEdit* Edit2;  // value

    void Button1Click(TObject* sender);
    void FormShow(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
};

extern TForm26* Form26;
