#include "dialogs/Unit9.h"

#include "page/ScratchBlock.h"
#include "dialogs/ScriptBlocks.h"
#include "page/Page.h"

TForm9* Form9 = nullptr;

namespace {

constexpr int kHttpLength = 7;  // the caret goes after "http://"

void focusAfterHttp(TEdit* edit)
{
    edit->SetFocus();
    edit->SetSelStart(kHttpLength);
}

}

TForm9::TForm9(TComponent* owner, TPage& page)
    : TElementDialog(owner, page, "Form9", "Page Transfer", 57, 289, 134)
{
    Panel1 = NewControl<TPanel>(this, this, "Panel1", 8, 8, 273, 89);
    Label1 = NewLabel(Panel1, "Label1", "URL", 8, 8);
    Edit1 = NewEdit(Panel1, "Edit1", 8, 24, 257);
    CheckBox1 = NewCheckBox(Panel1, "CheckBox1", "Check Browser", 8, 56, 121);

    Panel2 = NewControl<TPanel>(this, this, "Panel2", 8, 8, 273, 120);
    Panel2->SetVisible(false);
    Label2 = NewLabel(Panel2, "Label2", "URL  (if user is running Netscape)", 8, 8);
    Edit2 = NewEdit(Panel2, "Edit2", 8, 24, 257);
    Label3 = NewLabel(Panel2, "Label3", "URL  (If user is not running Netscape)", 8, 50);
    Edit3 = NewEdit(Panel2, "Edit3", 8, 66, 257);
    CheckBox2 = NewCheckBox(Panel2, "CheckBox2", "Check Browser", 8, 96, 121);

    Button1 = NewButton(this, "Button1", "Cancel", 126, 104, Method(this, &TForm9::Button1Click));
    Button1->Cancel = true;
    Button2 = NewButton(this, "Button2", "OK", 206, 104, Method(this, &TForm9::Button2Click));
    Button2->Default = true;

    CheckBox1->OnClick = Method(this, &TForm9::CheckBox1Click);
    CheckBox2->OnClick = Method(this, &TForm9::CheckBox2Click);
    SetOpeningHandler(Method(this, &TForm9::FormActivate));
    OnCloseQuery = Method(this, &TForm9::FormCloseQuery);
}

void TForm9::Button2Click(TObject*)
{
    // Always lower case: the script is the same for every tag case.
    std::string q = Page().Quote();
    TScratchBlock block(Page());
    block.AddLines(CheckBox2->Checked() ? BrowserCheckScript(q, Edit2->Text(), Edit3->Text()) : TransferScript(q, Edit1->Text()));
    block.Insert();
    Close();
}

void TForm9::Button1Click(TObject*) { Close(); }

void TForm9::CheckBox1Click(TObject*)
{
    if (Panel1->Visible())
        ShowSecondPanel();
}

void TForm9::CheckBox2Click(TObject*)
{
    if (Panel2->Visible())
        ShowFirstPanel();
}

void TForm9::ShowSecondPanel()
{
    Button1->SetTop(135);
    Button2->SetTop(135);
    Panel2->Show();
    Panel1->Hide();
    SetHeight(188);
    CheckBox2->SetChecked(true);
    focusAfterHttp(Edit2);
}

void TForm9::ShowFirstPanel()
{
    Button1->SetTop(104);
    Button2->SetTop(104);
    SetHeight(159);
    Panel1->Show();
    Panel2->Hide();
    CheckBox1->SetChecked(false);
}

void TForm9::FormActivate(TObject*)
{
    Edit1->SetText("http://");
    Edit2->SetText("http://");
    Edit3->SetText("http://");
    focusAfterHttp(Edit1);
}

void TForm9::FormCloseQuery(TObject*, bool&)
{
    Edit1->SetText("");
    Edit2->SetText("");
    Edit3->SetText("");
    CheckBox1->SetChecked(false);
    CheckBox2->SetChecked(false);
    // The box's own switch, so that the dialog reopens on the first panel.
    if (Panel2->Visible())
        ShowFirstPanel();
}
