#pragma once
// TForm6, "Horizontal Rule": a rule with its alignment, size, width and
// shading, written at the page's caret.

#include "dialogs/ElementDialog.h"

class TForm6 : public TOkCancelDialog {
public:
    TForm6(TComponent* owner, TPage& page);

    TLabel* Label1;
    TEdit* Edit1;  // width
    TUpDown* UpDown1;
    TLabel* Label2;
    TEdit* Edit2;  // size
    TUpDown* UpDown2;
    TLabel* Label3;
    TComboBox* ComboBox1;  // alignment
    TCheckBox* CheckBox1;  // "No Shading"

    void Button1Click(TObject* sender);
    void FormActivate(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
};

extern TForm6* Form6;
