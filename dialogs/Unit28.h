#pragma once
// TForm28, "Embeded Item": any other embedded file with its size, written
// at the page's caret; the element has no end tag.

#include "dialogs/ElementDialog.h"

class TForm28 : public TOkCancelDialog {
public:
    TForm28(TComponent* owner, TPage& page);

    TLabel* Label1;
    TEdit* Edit1;  // item
    TBitBtn* BitBtn1;
    TLabel* Label2;
    TEdit* Edit2;  // height
    TUpDown* UpDown1;
    TLabel* Label3;
    TEdit* Edit3;  // width
    TUpDown* UpDown2;
    TOpenDialog* OpenDialog1;

    void Button1Click(TObject* sender);
    void BitBtn1Click(TObject* sender);
    void FormActivate(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
};

extern TForm28* Form28;
