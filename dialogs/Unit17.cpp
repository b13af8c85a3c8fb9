#include "dialogs/Unit17.h"

#include "dialogs/PageWriter.h"
#include "dialogs/TagTemplates.h"
#include "page/Page.h"

TForm17* Form17 = nullptr;

TForm17::TForm17(TComponent* owner, TPage& page)
    : TOkCancelDialog(owner, page, "Form17", "Insert Tags", 46, 353, 241)
{
    // The list comes first, so it has the focus when the dialog opens.
    ListBox1 = NewControl<TListBox>(this, this, "ListBox1", 8, 8, 257, 193);
    ListBox1->SetItems(std::vector<std::string>(kTagTemplates.begin(), kTagTemplates.end()));
    Edit1 = NewEdit(this, "Edit1", 8, 212, 257);
    NewOkCancel(272, 16, Method(this, &TForm17::Button1Click));
    SetActiveControl(ListBox1);

    ListBox1->OnClick = Method(this, &TForm17::ListBox1Click);
    ListBox1->OnDblClick = Method(this, &TForm17::ListBox1DblClick);
    OnCloseQuery = Method(this, &TForm17::FormCloseQuery);
}

void TForm17::ListBox1Click(TObject*)
{
    // The edit keeps lower-case pages lower case, in what is typed too.
    Edit1->SetCharCase(Page().UpperCase() ? ecNormal : ecLowerCase);
    if (ListBox1->ItemIndex() >= 0)
        Edit1->SetText(ListBox1->Items(ListBox1->ItemIndex()));
}

// The click before it has already copied the template.
void TForm17::ListBox1DblClick(TObject* sender) { Button1Click(sender); }

// Writes without closing, so that several tags go in one visit; an empty
// edit still replaces the page's selection.
void TForm17::Button1Click(TObject*) { Page().Replace(Edit1->Text()); }

void TForm17::FormCloseQuery(TObject*, bool&) { Edit1->SetText(""); }
