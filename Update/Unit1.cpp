// The updater's window and its components.

#include "Update/Unit1.h"

#include "Update/BusyCursor.h"
#include "Update/anifile.h"
#include "platform/Memo.h"
#include "platform/Stream.h"
#include "platform/Timer.h"
#include "platform/TrackBar.h"
#include "widgets/AppRun.h"
#include "widgets/explbtn.h"


TForm1* Form1 = nullptr;

TForm1::TForm1(TComponent* owner)
    : TDesignedForm(owner, "Form1", "Update Corvana", 0, 263, 86)
{
    // The small dialog font the layout is made for.
    TFont font;
    font.Height = -10;
    SetFont(font);
    BuildControls();
}

TForm1::~TForm1()
{
    // A download cut short by the end of the program leaves nothing behind.
    if (HttpCli1->ReceiveStream) {
        delete HttpCli1->ReceiveStream;
        HttpCli1->ReceiveStream = nullptr;
    }
    DiscardPartial();
}

void TForm1::BuildControls()
{
    AniIcon1 = NewControl<TAniIcon>(this, this, "AniIcon1", 8, 8, 32, 32);
    AniIcon1->AniFile().ReadData(BusyCursorData());
    AniIcon1->SetFrame(0);

    // One place, one label at a time: the window shows the label of its
    // state, at first the invitation to start.
    auto stateLabel = [this](const char* name, const char* caption) {
        TLabel* label = NewLabel(this, name, caption, 44, 6);
        label->SetVisible(false);
        return label;
    };
    Label1 = stateLabel("Label1", "Searching for updates. Please wait...");
    Label3 = stateLabel("Label3", "Click the Start button to search for updates");
    Label5 = stateLabel("Label5", "Receiving information...");
    Label6 = stateLabel("Label6", "Receiving failed...");
    Label7 = stateLabel("Label7", "Receiving file...");
    Label8 = stateLabel("Label8", "Done...");
    Label3->SetVisible(true);
    Label2 = NewLabel(this, "Label2", "Orvelins", 200, 6);
    Label2->SetBounds(200, 6, 50, 16);
    Label2->SetVisible(false);

    TrackBar1 = NewControl<TTrackBar>(this, this, "TrackBar1", 44, 24, 213, 24);
    TrackBar1->SetRange(0, 50);
    TrackBar1->SetPosition(0);
    TrackBar1->SetTickStyle(tsNone);
    TrackBar1->SetEnabled(false);

    Button1 = NewButton(this, "Button1", "Start", 8, 56, Method(this, &TForm1::Button1Click));
    Button3 = NewButton(this, "Button3", "Update", 94, 56, Method(this, &TForm1::Button3Click));
    Button3->SetVisible(false);
    Button2 = NewButton(this, "Button2", "Exit", 180, 56, Method(this, &TForm1::Button2Click));

    // The request settings, never shown.
    struct EditSpec {
        TEdit** edit;
        const char* name;
        const char* text;
    } edits[] = {
        { &Edit1, "Edit1", DescriptionUrl },
        { &Edit5, "Edit5", InstallerUrl },
        { &Edit2, "Edit2", "" },
        { &Edit3, "Edit3", "80" },
        { &Edit4, "Edit4", "" },
    };
    for (const EditSpec& spec : edits) {
        *spec.edit = NewEdit(this, spec.name, 0, 0, 121, spec.text);
        (*spec.edit)->SetVisible(false);
    }

    Memo1 = NewMemo(this, "Memo1", 0, 0, 185, 89);
    Memo1->SetVisible(false);

    Timer1 = NewTimer("Timer1", 1, Method(this, &TForm1::Timer1Timer), false);

    struct OfficeSpec {
        TOfficeButton** button;
        const char* name;
        void (TForm1::*onClick)(TObject*);
    } officeButtons[] = {
        { &OfficeButton1, "OfficeButton1", &TForm1::OfficeButton1Click },
        { &OfficeButton2, "OfficeButton2", &TForm1::OfficeButton2Click },
        { &OfficeButton4, "OfficeButton4", &TForm1::OfficeButton4Click },
    };
    for (const OfficeSpec& spec : officeButtons) {
        TOfficeButton* button = NewControl<TOfficeButton>(this, this, spec.name);
        button->SetCaption("Orvelin");
        button->SetVisible(false);
        button->OnClick = Method(this, spec.onClick);
        *spec.button = button;
    }

    HttpCli1 = NewComponent<THttpCli>("HttpCli1");
    HttpCli1->URL = DescriptionUrl;
    HttpCli1->OnCommand = Method(this, &TForm1::HttpCli1Command);
    HttpCli1->OnDocBegin = Method(this, &TForm1::HttpCli1DocBegin);
    HttpCli1->OnDocEnd = Method(this, &TForm1::HttpCli1DocEnd);
    HttpCli1->OnRequestDone = Method(this, &TForm1::HttpCli1RequestDone);

    AppRunner1 = NewComponent<TAppRunner>("AppRunner1");
    AppRunner1->ApplicationName = InstallerName;
}
