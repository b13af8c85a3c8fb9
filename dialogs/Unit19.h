#pragma once
// TForm19, "Font": an empty font element from its size, face and colour,
// written at the page's caret, which then waits between its two tags.

#include "dialogs/ElementDialog.h"

class TForm19 : public TOkCancelDialog {
public:
    TForm19(TComponent* owner, TPage& page);

    TLabel* Label1;
    TComboBox* ComboBox1;  // face
    TLabel* Label2;
    TComboBox* ComboBox2;  // colour
    TLabel* Label3;
    TEdit* Edit1;  // size
    TUpDown* UpDown1;

    void Button1Click(TObject* sender);
    void FormShow(TObject* sender);
    void FormActivate(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
};

extern TForm19* Form19;
