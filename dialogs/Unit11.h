#pragma once
// TForm11, "Music/Sound Effects": a background sound from its file and the
// number of plays, or an endless loop, written at the page's caret.

#include "dialogs/ElementDialog.h"

class TForm11 : public TOkCancelDialog {
public:
    TForm11(TComponent* owner, TPage& page);

    TLabel* Label1;
    TEdit* Edit1;  // source
    TBitBtn* BitBtn1;
    TLabel* Label2;
    TMultiBaseEdit* MultiBaseEdit1;  // loop
    TUpDown* UpDown1;
    TCheckBox* CheckBox1;  // "Infinite"
    TOpenDialog* OpenDialog1;

    void Button1Click(TObject* sender);
    void BitBtn1Click(TObject* sender);
    void MultiBaseEdit1Change(TObject* sender);
    void FormActivate(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
};

extern TForm11* Form11;
