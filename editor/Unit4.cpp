#include "editor/Unit4.h"

#include "editor/HotSpot.h"
#include "generators/HomePage.h"
#include "editor/Unit1.h"
#include "platform/Application.h"

TForm4* Form4 = nullptr;

namespace {

struct CreditRow {
    const char* name;
    const char* caption;
    int top;
};

const CreditRow kCredits[] = {
    { "Label3", "Programming: Tomas Brelwick", 84 },
    { "Label4", "Logo: Ines Varga", 104 },
    { "Label5", "Copyright \xC2\xA9 Brelwick Software.", 124 },
    { "Label6", "All rights reserved.", 144 },
};

}

TForm4::TForm4(TComponent* owner)
    : TDesignedForm(owner, "Form4", "About Corvana", 0, 268, 405)
{
    Image1 = NewControl<TImage>(this, this, "Image1", 8, 8, 257, 161);
    Image1->SetStretch(true);
    Label12 = NewHotSpot(this, this, "Label12", 0, 8, 9, 17, Method(this, &TForm4::Label12DblClick));

    Panel1 = NewControl<TPanel>(this, this, "Panel1", 8, 172, 257, 225);
    Panel1->SetBevelInner(bvRaised);
    Panel1->SetBevelOuter(bvLowered);
    Label1 = NewLabel(Panel1, "Label1", "Corvana", 16, 12);
    Label1->SetFontHeight(19);
    Label1->SetFontBold(true);
    Label2 = NewLabel(Panel1, "Label2", "Version 1.1", 16, 42);
    for (const CreditRow& row : kCredits)
        NewLabel(Panel1, row.name, row.caption, 16, row.top);
    URLLabel1 = NewControl<TURLLabel>(this, Panel1, "URLLabel1", 16, 170, 0, 0);
    URLLabel1->ColorMoveOver = clRed;
    URLLabel1->URL = kProductHomePage;
    URLLabel1->SetCaption("www.corvana.example");

    Panel2 = NewControl<TPanel>(this, Panel1, "Panel2", 8, 8, 241, 209);
    Panel2->SetBevelOuter(bvNone);
    Panel2->SetVisible(false);
    Image5 = NewControl<TImage>(this, Panel2, "Image5", 25, 4, 190, 180);
    Image5->SetStretch(true);
    Label11 = NewLabel(Panel2, "Label11", "The author himself...", 60, 188);

    Button1 = NewButton(this, "Button1", "OK", 96, 366, Method(this, &TForm4::Button1Click));
    Button1->Default = true;
    Button1->ModalResult = mrOk;

    itaSpeedButton1 = NewControl<TitaSpeedButton>(this, this, "itaSpeedButton1");
    itaSpeedButton1->SetVisible(false);

    OnActivate = Method(this, &TForm4::FormActivate);
}

void TForm4::FormActivate(TObject*)
{
    // A missing logo is reported; the box keeps the picture it was given.
    try {
        Image1->LoadFromFile(Form1->Edit3->Text() + "/Corvana.bmp");
    } catch (...) {
        Application->HandleException(this);
    }
}

void TForm4::Label12DblClick(TObject*)
{
    if (Form1->Label8->Caption() != "Orvelin")
        Panel2->SetVisible(!Panel2->Visible());
}

void TForm4::Button1Click(TObject*)
{
    if (!Modal())
        Close();
}
