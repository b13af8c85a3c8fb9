#pragma once
// TForm12, "Marquee": a complete scrolling-text element, its text and up
// to ten attributes, written at the page's caret.

#include "dialogs/ElementDialog.h"

class TForm12 : public TOkCancelDialog {
public:
    TForm12(TComponent* owner, TPage& page);

    TLabel* Label1;
    TEdit* Edit1;  // text to scroll
    TLabel* Label2;
    TComboBox* ComboBox1;  // behaviour
    TLabel* Label3;
    TComboBox* ComboBox2;  // direction
    TLabel* Label4;
    TMultiBaseEdit* MultiBaseEdit1;  // vertical space
    TUpDown* UpDown1;
    TLabel* Label5;
    TMultiBaseEdit* MultiBaseEdit2;  // horizontal space
    TUpDown* UpDown2;
    TLabel* Label6;
    TMultiBaseEdit* MultiBaseEdit3;  // loop
    TUpDown* UpDown3;
    TCheckBox* CheckBox1;  // "Infinite"
    TLabel* Label7;
    TComboBox* ComboBox3;  // background colour
    TLabel* Label8;
    TComboBox* ComboBox4;  // text alignment
    TLabel* Label9;
    TMultiBaseEdit* MultiBaseEdit4;  // height
    TUpDown* UpDown4;
    TLabel* Label10;
    TMultiBaseEdit* MultiBaseEdit5;  // width
    TUpDown* UpDown5;

    void Button1Click(TObject* sender);
    void MultiBaseEdit3Change(TObject* sender);
    void FormActivate(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
};

extern TForm12* Form12;
