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

#include <QFont>
#include <QWidget>

TForm1* Form1 = nullptr;

TForm1::TForm1(TComponent* owner)
    : TForm(owner)
{
    Name = "Form1";
    SetCaption("Update Corvana");
    BorderStyle = bsDialog;
    Position = poScreenCenter;
    SetClientSize(263, 86);
    // The small dialog font the layout is made for.
    QFont font = Widget()->font();
    font.setPixelSize(10);
    Widget()->setFont(font);
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

    struct LabelSpec {
        TLabel** label;
        const char* name;
        const char* caption;
        bool visible;
    } labels[] = {
        { &Label1, "Label1", "Searching for updates. Please wait...", false },
        { &Label3, "Label3", "Click the Start button to search for updates", true },
        { &Label5, "Label5", "Receiving information...", false },
        { &Label6, "Label6", "Receiving failed...", false },
        { &Label7, "Label7", "Receiving file...", false },
        { &Label8, "Label8", "Done...", false },
    };
    for (const LabelSpec& spec : labels) {
        TLabel* label = NewControl<TLabel>(this, this, spec.name);
        label->SetLeft(44);
        label->SetTop(6);
        label->SetCaption(spec.caption);
        label->SetVisible(spec.visible);
        *spec.label = label;
    }
    Label2 = NewControl<TLabel>(this, this, "Label2");
    Label2->SetCaption("Orvelins");
    Label2->SetBounds(200, 6, 50, 16);
    Label2->SetVisible(false);

    TrackBar1 = NewControl<TTrackBar>(this, this, "TrackBar1");
    TrackBar1->SetBounds(44, 24, 213, 24);
    TrackBar1->SetRange(0, 50);
    TrackBar1->SetPosition(0);
    TrackBar1->SetTickStyle(tsNone);
    TrackBar1->SetEnabled(false);

    Button1 = NewControl<TButton>(this, this, "Button1");
    Button1->SetCaption("Start");
    Button1->SetBounds(8, 56, 75, 25);
    Button1->OnClick = [this](TObject* s) { Button1Click(s); };
    Button3 = NewControl<TButton>(this, this, "Button3");
    Button3->SetCaption("Update");
    Button3->SetBounds(94, 56, 75, 25);
    Button3->SetVisible(false);
    Button3->OnClick = [this](TObject* s) { Button3Click(s); };
    Button2 = NewControl<TButton>(this, this, "Button2");
    Button2->SetCaption("Exit");
    Button2->SetBounds(180, 56, 75, 25);
    Button2->OnClick = [this](TObject* s) { Button2Click(s); };

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
        TEdit* edit = NewControl<TEdit>(this, this, spec.name);
        edit->SetText(spec.text);
        edit->SetVisible(false);
        *spec.edit = edit;
    }

    Memo1 = NewControl<TMemo>(this, this, "Memo1");
    Memo1->SetVisible(false);

    Timer1 = new TTimer(this);
    Timer1->Name = "Timer1";
    Timer1->SetEnabled(false);
    Timer1->SetInterval(1);
    Timer1->OnTimer = [this](TObject* s) { Timer1Timer(s); };

    TOfficeButton** officeButtons[] = { &OfficeButton1, &OfficeButton2, &OfficeButton4 };
    const char* officeNames[] = { "OfficeButton1", "OfficeButton2", "OfficeButton4" };
    for (int i = 0; i < 3; ++i) {
        TOfficeButton* button = NewControl<TOfficeButton>(this, this, officeNames[i]);
        button->SetCaption("Orvelin");
        button->SetVisible(false);
        *officeButtons[i] = button;
    }
    OfficeButton1->OnClick = [this](TObject* s) { OfficeButton1Click(s); };
    OfficeButton2->OnClick = [this](TObject* s) { OfficeButton2Click(s); };
    OfficeButton4->OnClick = [this](TObject* s) { OfficeButton4Click(s); };

    HttpCli1 = new THttpCli(this);
    HttpCli1->Name = "HttpCli1";
    HttpCli1->URL = DescriptionUrl;
    HttpCli1->OnCommand = [this](TObject* s, std::string& line) { HttpCli1Command(s, line); };
    HttpCli1->OnDocBegin = [this](TObject* s) { HttpCli1DocBegin(s); };
    HttpCli1->OnDocEnd = [this](TObject* s) { HttpCli1DocEnd(s); };
    HttpCli1->OnRequestDone = [this](TObject* s, THttpRequest kind, std::uint16_t error) { HttpCli1RequestDone(s, kind, error); };

    AppRunner1 = new TAppRunner(this);
    AppRunner1->Name = "AppRunner1";
    AppRunner1->ApplicationName = InstallerName;
}
