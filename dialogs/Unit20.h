#pragma once
// TForm20, "Form Action": an empty form that posts to the given action,
// written at the page's caret.

#include "dialogs/ElementDialog.h"

class TForm20 : public TElementDialog {
public:
    TForm20(TComponent* owner, TPage& page);

    TLabel* Label1;
    TEdit* Edit1;  // action
    TButton* Button1;  // OK
    TButton* Button2;  // Cancel

    void Button1Click(TObject* sender);
    void Button2Click(TObject* sender);
    void FormShow(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
};

extern TForm20* Form20;
