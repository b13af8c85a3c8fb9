#pragma once
// TForm18, "Scrolling Text": a script that scrolls the user's text through
// the browser's status bar, with the body tag that starts it.

#include "dialogs/ElementDialog.h"

class TForm18 : public TOkCancelDialog {
public:
    TForm18(TComponent* owner, TPage& page);

    TLabel* Label1;
    TEdit* Edit1;  // the text to scroll
    TLabel* Label2;  // "ABC", decoration
    TLabel* Label3;  // "ABC", decoration

    void Button1Click(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
};

extern TForm18* Form18;
