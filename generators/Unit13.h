#pragma once
// TForm13, step 1 of the frame wizard: rows or columns, and how many
// frames. Its OK opens step 2, and it closes as soon as step 2 has.

#include "dialogs/ElementDialog.h"
#include "platform/RadioButton.h"

class TForm13 : public TElementDialog {
public:
    TForm13(TComponent* owner, TPage& page);

    TLabel* Label1;
    TRadioButton* RadioButton1;  // "Rows"
    TRadioButton* RadioButton2;  // "Columns"
    TLabel* Label3;
    TEdit* Edit1;  // the frame count, as text
    TUpDown* UpDown1;
    TButton* Button1;  // OK
    TButton* Button2;  // Cancel

    void Button1Click(TObject* sender);
    void Button2Click(TObject* sender);

    // The opening state, to which step 2 returns it whenever it closes.
    void Reset();
};

extern TForm13* Form13;
