#pragma once
// TForm3, "Select Insert Style": asks how a file from the side panel goes
// into the page. It writes nothing itself; its answer is the caption of the
// hidden Label2 ("Link", "Image", "Sound", "Text" or "No"), which the main
// window reads after ShowModal and resets.

#include "platform/ComboBox.h"
#include "platform/FormBuilder.h"
#include "platform/StdCtrls.h"

class TForm3 : public TDesignedForm {
public:
    explicit TForm3(TComponent* owner);

    TLabel* Label1;        // "Select insert style"
    TComboBox* ComboBox1;  // the choice; the last one stays for the next opening
    TLabel* Label2;        // hidden: the answer
    TButton* Button1;      // "OK"
    TButton* Button2;      // "Cancel"

    void Button1Click(TObject* sender);
    void Button2Click(TObject* sender);
};

extern TForm3* Form3;
