#pragma once
// TForm20, "Form Action": an empty form that posts to the given action,
// written at the page's caret.

#include "dialogs/ElementDialog.h"

class TForm20 : public TOkCancelDialog {
public:
    TForm20(TComponent* owner, TPage& page);

    TLabel* Label1;
    TEdit* Edit1;  // action

    void Button1Click(TObject* sender);
    void FormShow(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
};

extern TForm20* Form20;
