#pragma once
// TForm7, "Create Link": a link from its address, text and target frame,
// written at the page's caret; with no text the caret waits inside it.

#include "dialogs/ElementDialog.h"

class TForm7 : public TElementDialog {
public:
    TForm7(TComponent* owner, TPage& page);

    TLabel* Label1;
    TEdit* Edit1;  // URL
    TBitBtn* BitBtn1;
    TLabel* Label2;
    TEdit* Edit2;  // description
    TLabel* Label3;
    TComboBox* ComboBox1;  // target
    TButton* Button1;  // Cancel
    TButton* Button2;  // OK
    TOpenDialog* OpenDialog1;

    void Button1Click(TObject* sender);
    void Button2Click(TObject* sender);
    void BitBtn1Click(TObject* sender);
    void FormActivate(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
};

extern TForm7* Form7;
