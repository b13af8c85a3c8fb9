#include "editor/Unit1.h"

#include "editor/Unit27.h"
#include "editor/Settings.h"
#include "editor/ToolButtons.h"
#include "generators/PageSkeleton.h"
#include "platform/Application.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/StrUtils.h"

TForm1* Form1 = nullptr;

namespace {

const char* const kOrvelin = "Orvelin";
const char* const kOrvelins = "Orvelins";

// The folder that holds the running program, where its companions and data
// files are (not the folder the user happened to start it from).
std::string programFolder()
{
    std::string folder = ExtractFileDir(TApplication::ExeName());
    return folder.empty() ? GetCurrentDir() : folder;
}

}

TForm1::TForm1(TComponent* owner)
    : TDesignedForm(owner, "Form1", "Corvana", 4, 792, 569, bsSizeable, poDesigned)
{
    SetWindowState(wsMaximized);

    buildHiddenFields();
    buildMenus();
    buildToolbars();
    buildSidePanel();
    buildLaunchers();

    RichEdit1 = NewControl<TRichEdit>(this, this, "RichEdit1");
    RichEdit1->PlainText = true;
    RichEdit1->SetWordWrap(false);  // the page's lines as they are written
    RichEdit1->SetBounds(209, 0, 583, 400);
    RichEdit1->SetAlign(alRight);
    RichEdit1->SetPopupMenu(PopupMenu6);
    RichEdit1->SetText(PageSkeleton(true, kDefaultTitle));
    m_page = std::make_unique<TPage>(*RichEdit1, *RichEdit3, *Edit2, *Edit4);
    RichEdit1->OnKeyDown = Method(this, &TForm1::RichEdit1KeyDown);
    RichEdit1->OnSelectionChange = Method(this, &TForm1::RichEdit1SelectionChange);
    acceptPanelDrops();

    StatusBar1 = NewControl<TStatusBar>(this, this, "StatusBar1");
    StatusBar1->SetSimpleText("Welcome to Corvana");
    BindStatusHints(this);

    OnCreate = Method(this, &TForm1::FormCreate);
    OnShow = Method(this, &TForm1::FormShow);
    OnActivate = Method(this, &TForm1::FormActivate);
    OnResize = Method(this, &TForm1::FormResize);
    OnCloseQuery = Method(this, &TForm1::FormCloseQuery);
    OnDestroy = Method(this, &TForm1::FormDestroy);
    buildCaptionBar();
}

void TForm1::FormCreate(TObject*)
{
    // The program folder first: the logo, the templates and the companion
    // programs depend on it even when a later step fails.
    Edit3->SetText(programFolder());
    {
        TSettingsKey key;
        if (m_settings.String(key, "Upercase") == "No") {
            Edit4->SetText("Lowercase");
            itaPopupButton2->SetDown(true);
        } else {
            Edit4->SetText("Upercase");
        }
    }
    bool hasText = ClipboardHasText();
    Paste1->Enabled = hasText;
    ToolbarButton979->SetEnabled(hasText);
    Image2->LoadFromFile(Edit3->Text() + "/Corvana.bmp");
    RichEdit1->BringToFront();
}

void TForm1::FormShow(TObject*)
{
    bool lower = Edit4->Text() == "Lowercase";
    if (lower)
        RichEdit1->SetText(PageSkeleton(false, kDefaultTitle));
    // The marker comment ends the page; the caret goes to the first empty
    // line of the body, in whichever case the skeleton shown has.
    std::string text = RichEdit1->Text();
    std::size_t marker = text.rfind(kMarkerComment);
    std::size_t body = text.find(lower ? "<body>\n" : "<BODY>\n");
    if (marker != std::string::npos) {
        RichEdit1->SetSelStart(int(marker));
        RichEdit1->SetSelLength(int(std::string(kMarkerComment).size()));
        RichEdit1->SetSelColor(clGray);
    }
    RichEdit1->SetSelStart(body == std::string::npos ? 0 : int(body + 7));
    RichEdit1->SetSelLength(0);
    RichEdit1->SetModified(false);
}

void TForm1::FormActivate(TObject*)
{
    if (RichEdit1->CanFocus())
        RichEdit1->SetFocus();
}

void TForm1::FormResize(TObject*)
{
    // A floating bar keeps the width of its own window.
    for (TitaToolBar* bar : { MainMenu, Standard, Toolbar1 }) {
        if (bar->Floating())
            continue;
        bar->SetWidth(Width() - 8);
        bar->SetLeft(0);
    }
    TSettingsKey key;
    if (m_settings.Integer(key, "Panel") == 1) {
        Panel3->SetVisible(false);
        RichEdit1->SetAlign(alClient);
        itaPopupButton1->SetDown(false);
    } else {
        Panel3->SetVisible(true);
        RichEdit1->SetWidth(Width() - 217);
        itaPopupButton1->SetDown(true);
    }
    if (m_settings.String(key, "Tip") != "No" && Label6->Caption() == kOrvelin) {
        Label6->SetCaption(kOrvelins);
        // The window is mapped and painted before the tip goes over it.
        Application->ProcessMessages();
        Repaint();
        if (Form27)
            Form27->ShowModal();
    }
}

void TForm1::FormCloseQuery(TObject*, bool& canClose)
{
    if (!RichEdit1->Modified()) {
        canClose = true;
        return;
    }
    switch (MessageDlg("Do you want to save the changes?", mtConfirmation, mbYesNoCancel)) {
    case mrYes:
        canClose = false;
        Save1Click(this);
        break;
    case mrNo:
        canClose = true;
        break;
    default:
        canClose = false;
        break;
    }
}

void TForm1::FormDestroy(TObject*)
{
    // The help viewer's quit command for this program's help file.
    Application->HelpCommand(2, 0);
}
