#pragma once
// TForm5, "Image": an image element from its source, size, border,
// alignment and alternate text, written at the page's caret.

#include "dialogs/ElementDialog.h"

class TForm5 : public TOkCancelDialog {
public:
    TForm5(TComponent* owner, TPage& page);

    TGroupBox* GroupBox1;  // "Proporties:"
    TLabel* Label1;
    TEdit* Edit1;  // source (required)
    TBitBtn* BitBtn1;
    TLabel* Label2;
    TEdit* Edit2;  // alternate text
    TLabel* Label3;
    TEdit* Edit3;  // border width
    TUpDown* UpDown1;
    TLabel* Label4;
    TComboBox* ComboBox1;  // alignment
    TLabel* Label5;
    TEdit* Edit5;  // width
    TLabel* Label6;
    TEdit* Edit4;  // height
    TOpenDialog* OpenDialog1;

    void Button1Click(TObject* sender);
    void BitBtn1Click(TObject* sender);
    void FormActivate(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
};

extern TForm5* Form5;
