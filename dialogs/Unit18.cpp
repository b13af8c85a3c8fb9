#include "dialogs/Unit18.h"

#include "page/ScratchBlock.h"
#include "dialogs/ScriptBlocks.h"
#include "page/Page.h"

TForm18* Form18 = nullptr;

TForm18::TForm18(TComponent* owner, TPage& page)
    : TOkCancelDialog(owner, page, "Form18", "Scrolling Text", 58, 353, 105)
{
    // The edit comes first, so it has the focus when the dialog opens.
    Label1 = NewLabel(this, "Label1", "Text to scroll", 8, 8);
    Edit1 = NewEdit(this, "Edit1", 8, 24, 257);
    Label2 = NewLabel(this, "Label2", "ABC", 8, 60);
    Label3 = NewLabel(this, "Label3", "ABC", 216, 60);
    NewOkCancel(272, 16, Method(this, &TForm18::Button1Click));
    SetActiveControl(Edit1);

    OnCloseQuery = Method(this, &TForm18::FormCloseQuery);
}

void TForm18::Button1Click(TObject*)
{
    // One fixed form whatever the tag case.
    TScratchBlock block(Page());
    block.AddLines(ScrollerScript(Page().Quote(), Edit1->Text()));
    block.Insert();
    Close();
}

void TForm18::FormCloseQuery(TObject*, bool&) { Edit1->SetText(""); }
