#pragma once
// TForm21, "Form Field": one control of a form (an input of six kinds, a
// selection list or a text area), written at the page's caret. The chosen
// type decides which fields are usable, how the numbers are labelled and
// which element is written; it stays chosen from one opening to the next.

#include "dialogs/ElementDialog.h"

class TForm21 : public TOkCancelDialog {
public:
    TForm21(TComponent* owner, TPage& page);

    TLabel* Label1;
    TComboBox* ComboBox1;  // type
    TLabel* Label2;
    TEdit* Edit1;  // name
    TLabel* Label3;
    TEdit* Edit2;  // value
    TLabel* Label4;  // "Rows" or "Size"
    TEdit* Edit3;
    TUpDown* UpDown1;
    TLabel* Label5;  // "Max Length" or "Columns"
    TEdit* Edit4;
    TUpDown* UpDown2;

    void Button1Click(TObject* sender);
    void ComboBox1Change(TObject* sender);
    void FormShow(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
};

extern TForm21* Form21;
