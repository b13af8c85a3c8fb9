#pragma once
// TForm27, "Tip of the Day": one tip at a time from "Tips.dat" in the
// program folder. The settings key remembers which tip comes next
// ("TNumber") and whether the window shows at start-up ("Tip").

#include "platform/ExtCtrls.h"
#include "platform/FormBuilder.h"
#include "platform/RichEdit.h"
#include "platform/StdCtrls.h"

class TForm27 : public TDesignedForm {
public:
    explicit TForm27(TComponent* owner);

    TImage* Image2;
    TPanel* Panel1;
    TImage* Image1;
    TPanel* Panel2;
    TRichEdit* RichEdit1;  // the tip
    TCheckBox* CheckBox1;  // "Show tip at startup"
    TButton* Button1;      // "Next Tip"
    TButton* Button2;      // "Close"
    TEdit* Edit1;          // the last tip index the file gave, kept for the run

    void FormShow(TObject* sender);
    void Button1Click(TObject* sender);
    void Button2Click(TObject* sender);

    // The tips file's section and its key for the last index.
    static constexpr const char* kSection = "Orvelin";
    static constexpr const char* kItems = "Items";
};

extern TForm27* Form27;
