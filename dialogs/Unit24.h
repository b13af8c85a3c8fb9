#pragma once
// TForm24, "Script": a SCRIPT element in the script language chosen, with
// an external source file when one is given, and its end tag on the next
// line.

#include "dialogs/ElementDialog.h"

class TForm24 : public TOkCancelDialog {
public:
    TForm24(TComponent* owner, TPage& page);

    TLabel* Label1;
    TComboBox* ComboBox1;  // language
    TLabel* Label2;
    TEdit* Edit1;  // source file
    TBitBtn* BitBtn1;
    TOpenDialog* OpenDialog1;

    void Button1Click(TObject* sender);
    void BitBtn1Click(TObject* sender);
    void FormShow(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
};

extern TForm24* Form24;
