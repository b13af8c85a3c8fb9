#include "editor/Unit4.h"

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
    : TForm(owner)
{
    Name = "Form4";
    SetCaption("About Corvana");
    BorderStyle = bsDialog;
    Position = poScreenCenter;
    SetClientSize(268, 405);

    Image1 = NewControl<TImage>(this, this, "Image1", 8, 8, 257, 161);
    Image1->SetStretch(true);
    Label12 = NewControl<TLabel>(this, this, "Label12");
    Label12->SetAutoSize(false);
    Label12->Transparent = true;
    Label12->SetBounds(0, 8, 9, 17);
    Label12->OnDblClick = [this](TObject* s) { Label12DblClick(s); };

    Panel1 = NewControl<TPanel>(this, this, "Panel1", 8, 172, 257, 225);
    Panel1->SetBevelInner(bvRaised);
    Panel1->SetBevelOuter(bvLowered);
    Label1 = NewControl<TLabel>(this, Panel1, "Label1", 16, 12, 0, 0);
    Label1->SetFontHeight(19);
    Label1->SetFontBold(true);
    Label1->SetCaption("Corvana");
    Label2 = NewControl<TLabel>(this, Panel1, "Label2", 16, 42, 0, 0);
    Label2->SetCaption("Version 1.1");
    for (const CreditRow& row : kCredits)
        NewControl<TLabel>(this, Panel1, row.name, 16, row.top, 0, 0)->SetCaption(row.caption);
    URLLabel1 = NewControl<TURLLabel>(this, Panel1, "URLLabel1", 16, 170, 0, 0);
    URLLabel1->ColorMoveOver = clRed;
    URLLabel1->URL = "https://www.corvana.example/";
    URLLabel1->SetCaption("www.corvana.example");

    Panel2 = NewControl<TPanel>(this, Panel1, "Panel2", 8, 8, 241, 209);
    Panel2->SetBevelOuter(bvNone);
    Panel2->SetVisible(false);
    Image5 = NewControl<TImage>(this, Panel2, "Image5", 25, 4, 190, 180);
    Image5->SetStretch(true);
    Label11 = NewControl<TLabel>(this, Panel2, "Label11", 60, 188, 0, 0);
    Label11->SetCaption("The author himself...");

    Button1 = NewControl<TButton>(this, this, "Button1", 96, 366, 75, 25);
    Button1->SetCaption("OK");
    Button1->Default = true;
    Button1->ModalResult = mrOk;
    Button1->OnClick = [this](TObject* s) { Button1Click(s); };

    OnActivate = [this](TObject* s) { FormActivate(s); };
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
