#pragma once
// TForm9, "Page Transfer": a script that sends the visitor on to another
// page, to one address or, after asking the browser's name, to one of two.
// Two panels share one place; "Check Browser" switches between them.

#include "dialogs/ElementDialog.h"
#include "platform/ExtCtrls.h"

class TForm9 : public TElementDialog {
public:
    TForm9(TComponent* owner, TPage& page);

    TPanel* Panel1;  // one address (shown at start)
    TLabel* Label1;
    TEdit* Edit1;
    TCheckBox* CheckBox1;
    TPanel* Panel2;  // the browser check (hidden at start)
    TLabel* Label2;
    TEdit* Edit2;  // for Netscape
    TLabel* Label3;
    TEdit* Edit3;  // for every other browser
    TCheckBox* CheckBox2;
    TButton* Button1;  // Cancel
    TButton* Button2;  // OK

    void Button2Click(TObject* sender);
    void Button1Click(TObject* sender);
    void CheckBox1Click(TObject* sender);
    void CheckBox2Click(TObject* sender);
    void FormActivate(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);

private:
    // The two stable states: the first panel with its box clear, or the
    // second with its box ticked.
    void ShowFirstPanel();
    void ShowSecondPanel();
};

extern TForm9* Form9;
