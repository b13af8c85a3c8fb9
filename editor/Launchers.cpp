// The main window's commands that leave the page to others: the preview in
// the browser and the companion programs of the Tools menu. (The buttons and
// menu items that open the element dialogs and generators name their windows
// in their table rows.)

#include "editor/Unit1.h"

#include "platform/Dialogs.h"

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


