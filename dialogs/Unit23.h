#pragma once
// TForm23, "Meta": a meta element with its HTTP-EQUIV, CONTENT, NAME and
// URL, all four always written, at the page's caret.

#include "dialogs/ElementDialog.h"

class TForm23 : public TOkCancelDialog {
public:
    TForm23(TComponent* owner, TPage& page);

    TLabel* Label1;
    TComboBox* ComboBox1;  // HTTP-EQUIV
    TLabel* Label2;
    TEdit* Edit1;  // content
    TLabel* Label3;
    TComboBox* ComboBox2;  // name
    TLabel* Label4;
    TEdit* Edit2;  // URL

    void Button1Click(TObject* sender);
    void FormShow(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
};

extern TForm23* Form23;
