#pragma once
// TForm17, "Insert Tags": a list of ready-made tags. A pick copies one into
// the edit, where the user may change it; OK writes the edit at the page's
// caret and leaves the dialog open for the next tag.

#include "dialogs/ElementDialog.h"
#include "platform/ListBox.h"

class TForm17 : public TOkCancelDialog {
public:
    TForm17(TComponent* owner, TPage& page);

    TListBox* ListBox1;  // the templates
    TEdit* Edit1;  // the text to insert

    void ListBox1Click(TObject* sender);
    void ListBox1DblClick(TObject* sender);
    void Button1Click(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
};

extern TForm17* Form17;
