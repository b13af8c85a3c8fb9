#pragma once
// TForm4, "About Corvana": the logo, the product's name and version, the
// credits and the product's web address as a link, and a small hidden
// picture that two hot spots reveal.

#include "platform/ExtCtrls.h"
#include "platform/FormBuilder.h"
#include "platform/StdCtrls.h"
#include "widgets/URLLabel.h"
#include "widgets/ita_Office97.h"

class TForm4 : public TDesignedForm {
public:
    explicit TForm4(TComponent* owner);

    TImage* Image1;      // the logo
    TLabel* Label12;     // hot spot at the logo's left edge
    TPanel* Panel1;      // the text panel
    TLabel* Label1;      // "Corvana"
    TLabel* Label2;      // "Version 1.1"
    TURLLabel* URLLabel1;
    TPanel* Panel2;      // the hidden picture, over the text
    TImage* Image5;
    TLabel* Label11;
    TButton* Button1;    // "OK"
    TitaSpeedButton* itaSpeedButton1;  // hidden, flat

    void FormActivate(TObject* sender);
    void Label12DblClick(TObject* sender);
    void Button1Click(TObject* sender);
};

extern TForm4* Form4;
