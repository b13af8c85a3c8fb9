// The main window's commands that leave the page to others: the preview in
// the browser, the companion programs of the Tools menu, and the buttons and
// menu items that open the element dialogs and generators.

#include "editor/Unit1.h"

#include "dialogs/Unit5.h"
#include "dialogs/Unit9.h"
#include "dialogs/Unit17.h"
#include "dialogs/Unit18.h"
#include "dialogs/Unit22.h"
#include "dialogs/Unit24.h"
#include "generators/Unit10.h"
#include "generators/Unit13.h"
#include "generators/Unit14.h"
#include "dialogs/Unit6.h"
#include "dialogs/Unit7.h"
#include "dialogs/Unit8.h"
#include "dialogs/Unit11.h"
#include "dialogs/Unit12.h"
#include "dialogs/Unit19.h"
#include "dialogs/Unit20.h"
#include "dialogs/Unit21.h"
#include "dialogs/Unit23.h"
#include "dialogs/Unit25.h"
#include "dialogs/Unit26.h"
#include "dialogs/Unit28.h"
#include "platform/Dialogs.h"

namespace {

// The dialog writes into the page itself; its result says nothing more.
void showDialog(TForm* dialog) { dialog->ShowModal(); }

}

void TForm1::ToolbarButton9710Click(TObject* sender)
{
    int answer = mrNone;
    // An untitled page is offered for saving even without changes: the
    // browser needs a file.
    if (Edit1->Text() == "Untitled" || RichEdit1->Modified())
        answer = MessageDlg("You have to save the project before you can view it in the browser.\nDo you want to save it now?",
            mtConfirmation, mbYes | mbNo);
    else
        Label4->SetCaption("Yes");
    if (answer == mrYes)
        OfficeButton2->Click();
    if (Label4->Caption() == "Yes" && Edit1->Text() != "Untitled") {
        GoToWeb1->Url = Edit1->Text();
        GoToWeb1->OpenUrl();
    }
    Label4->SetCaption("Orvelin");
}

void TForm1::OfficeButton2Click(TObject* sender)
{
    Save1Click(sender);
    Label4->SetCaption("Yes");
}

void TForm1::UpdateCorvana1Click(TObject*)
{
    putUp(itaMenuButton3);
    AppRunner1->ApplicationName = Edit3->Text() + "/update";
    AppRunner1->Execute();
}

void TForm1::FTPAccess1Click(TObject*)
{
    putUp(itaMenuButton3);
    AppRunner1->ApplicationName = Edit3->Text() + "/ftp";
    AppRunner1->Execute();
}

void TForm1::FrameWizard1Click(TObject* sender)
{
    putUp(itaMenuButton3);
    ToolbarButton97141Click(sender);
}

void TForm1::PageGenerator1Click(TObject*)
{
    putUp(itaMenuButton3);
    showDialog(Form10);
}

void TForm1::HorizontalRule1Click(TObject* sender) { ToolbarButton97130Click(sender); }

void TForm1::ToolbarButton97113Click(TObject*) { showDialog(Form5); }
void TForm1::ToolbarButton97130Click(TObject*) { showDialog(Form6); }
void TForm1::ToolbarButton97133Click(TObject*) { showDialog(Form7); }
void TForm1::ToolbarButton97135Click(TObject*) { showDialog(Form8); }
void TForm1::ToolbarButton97136Click(TObject*) { showDialog(Form8); }
void TForm1::ToolbarButton97123Click(TObject*) { showDialog(Form9); }
void TForm1::ToolbarButton97137Click(TObject*) { showDialog(Form11); }
void TForm1::ToolbarButton97139Click(TObject*) { showDialog(Form12); }
void TForm1::ToolbarButton97141Click(TObject*) { showDialog(Form13); }
void TForm1::ToolbarButton97145Click(TObject*) { showDialog(Form17); }
void TForm1::ToolbarButton97147Click(TObject*) { showDialog(Form18); }
void TForm1::ToolbarButton97148Click(TObject*) { showDialog(Form19); }
void TForm1::ToolbarButton97150Click(TObject*) { showDialog(Form20); }
void TForm1::ToolbarButton97152Click(TObject*) { showDialog(Form21); }
void TForm1::ToolbarButton97154Click(TObject*) { showDialog(Form22); }
void TForm1::ToolbarButton97156Click(TObject*) { showDialog(Form23); }
void TForm1::ToolbarButton97158Click(TObject*) { showDialog(Form24); }
void TForm1::ToolbarButton97160Click(TObject*) { showDialog(Form25); }
void TForm1::ToolbarButton97162Click(TObject*) { showDialog(Form26); }
void TForm1::ToolbarButton97163Click(TObject*) { showDialog(Form26); }
void TForm1::ToolbarButton97164Click(TObject*) { showDialog(Form28); }
