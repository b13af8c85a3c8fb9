#pragma once
// TForm25, "JAVA Applet": an applet from its class, size and the message
// for browsers without JAVA, written at the page's caret.

#include "dialogs/ElementDialog.h"

class TForm25 : public TOkCancelDialog {
public:
    TForm25(TComponent* owner, TPage& page);

    TLabel* Label1;
    TEdit* Edit1;  // source
    TLabel* Label4;
    TEdit* Edit4;  // message
    TLabel* Label2;
    TEdit* Edit2;  // width
    TUpDown* UpDown1;
    TLabel* Label3;
    TEdit* Edit3;  // height
    TUpDown* UpDown2;

    void Button1Click(TObject* sender);
    void FormShow(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
};

extern TForm25* Form25;
