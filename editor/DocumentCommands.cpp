// The document commands of the main window: New, Open, Save, Save As,
// Insert, Exit, the clipboard and undo commands, and the rules that enable
// their controls.

#include "editor/Unit1.h"
#include "platform/FormBuilder.h"

#include "platform/Clipboard.h"
#include "platform/Dialogs.h"

namespace {

bool discardChangesAllowed(TRichEdit* editor)
{
    if (!editor->Modified())
        return true;
    return MessageDlg("Are you sure you want to discard the changes?", mtConfirmation, mbYes | mbNo) == mrYes;
}

// A file was chosen in the dialog (an empty name counts as none).
bool fileChosen(TOpenDialog* dialog) { return dialog->Execute() && !dialog->FileName.empty(); }

}

void TForm1::putUp(TitaMenuButton* button) { button->SetDown(false); }

void TForm1::New1Click(TObject*)
{
    putUp(itaMenuButton1);
    if (discardChangesAllowed(RichEdit1))
        OfficeButton1->Click();
}

void TForm1::Open1Click(TObject*)
{
    putUp(itaMenuButton1);
    if (discardChangesAllowed(RichEdit1))
        OfficeButton12->Click();
}

void TForm1::OfficeButton12Click(TObject*)
{
    if (!fileChosen(OpenDialog1))
        return;
    RichEdit1->Lines().LoadFromFile(OpenDialog1->FileName);
    pageIsFile(OpenDialog1->FileName);
}

void TForm1::pageIsFile(const std::string& path)
{
    Edit1->SetText(path);
    RichEdit1->SetModified(false);
    ToolbarButton977->SetEnabled(false);
}

void TForm1::Save1Click(TObject* sender)
{
    putUp(itaMenuButton1);
    if (Edit1->Text() == "Untitled") {
        Saveas1Click(sender);
        return;
    }
    RichEdit1->Lines().SaveToFile(Edit1->Text());
    pageIsFile(Edit1->Text());
}

void TForm1::Saveas1Click(TObject*)
{
    putUp(itaMenuButton1);
    if (!fileChosen(SaveDialog1))
        return;
    RichEdit1->Lines().SaveToFile(SaveDialog1->FileName);
    pageIsFile(SaveDialog1->FileName);
}

void TForm1::Insert1Click(TObject*)
{
    putUp(itaMenuButton1);
    if (!fileChosen(OpenDialog2))
        return;
    RichEdit2->Lines().LoadFromFile(OpenDialog2->FileName);
    RichEdit1->SetSelText(RichEdit2->Text());
}

void TForm1::Exit1Click(TObject*)
{
    putUp(itaMenuButton1);
    // Exit asks about unsaved changes exactly as closing the window does.
    Close();
}

void TForm1::Undo1Click(TObject*)
{
    putUp(itaMenuButton2);
    RichEdit1->Undo();
}

void TForm1::ToolbarButton975Click(TObject*)
{
    RichEdit1->CutToClipboard();
    ToolbarButton977->SetEnabled(true);
}

void TForm1::ToolbarButton978Click(TObject*) { RichEdit1->CopyToClipboard(); }

void TForm1::ToolbarButton979Click(TObject*)
{
    RichEdit1->PasteFromClipboard();
    ToolbarButton977->SetEnabled(true);
}

void TForm1::SelectAll2Click(TObject*) { RichEdit1->SelectAll(); }

void TForm1::RichEdit1KeyDown(TObject*, std::uint16_t&, TShiftState) { ToolbarButton977->SetEnabled(true); }

void TForm1::RichEdit1SelectionChange(TObject*)
{
    ToolbarButton979->SetEnabled(ClipboardHasText());
    bool selected = RichEdit1->SelLength() > 0;
    ToolbarButton975->SetEnabled(selected);
    ToolbarButton978->SetEnabled(selected);
}

void TForm1::PopupMenu1Popup(TObject*)
{
    Paste1->Enabled = ClipboardHasText();
    bool selected = RichEdit1->SelLength() > 0;
    Cut1->Enabled = selected;
    Copy1->Enabled = selected;
    Undo1->Enabled = true;
}

void TForm1::PopupMenu6Popup(TObject*)
{
    Paste2->Enabled = ClipboardHasText();
    bool selected = RichEdit1->SelLength() > 0;
    Cut2->Enabled = selected;
    Copy2->Enabled = selected;
    checkViewItems("MainToolbar3", "StandardToolbar3", "MiscToolbar2", "ShowHidePanel2");
}
