#include "dialogs/Unit24.h"

#include "dialogs/PageWriter.h"
#include "page/ScratchBlock.h"

TForm24* Form24 = nullptr;

namespace {

const TAttribute kLanguage = { " LANGUAGE=", " language=", TAttrWhen::NotEmpty, TAttrValue::Quoted };
const TAttribute kSource = { " SOURCE=", " source=", TAttrWhen::NotEmpty, TAttrValue::Quoted };

}

TForm24::TForm24(TComponent* owner, TPage& page)
    : TOkCancelDialog(owner, page, "Form24", "Script", 52, 353, 113)
{
    Label1 = NewLabel(this, "Label1", "Language", 8, 8);
    ComboBox1 = NewComboBox(this, "ComboBox1", 8, 24, 169, { "JavaScript", "JavaScript1.1", "JavaScript1.2", "JScript", "VBScript" });
    Label2 = NewLabel(this, "Label2", "Source", 8, 56);
    Edit1 = NewEdit(this, "Edit1", 8, 72, 225);
    BitBtn1 = NewBrowseButton(this, "BitBtn1", 238, 71);
    NewOkCancel(272, 16, Method(this, &TForm24::Button1Click));
    OpenDialog1 = NewOpenDialog("OpenDialog1", kAnyFiles);

    BitBtn1->OnClick = Method(this, &TForm24::BitBtn1Click);
    SetOpeningHandler(Method(this, &TForm24::FormShow));
    OnCloseQuery = Method(this, &TForm24::FormCloseQuery);
}

void TForm24::Button1Click(TObject*)
{
    bool upper = Page().UpperCase();
    // The opening tag is built on the scratch editor's first line, the end
    // tag added as a line of its own.
    TScratchBlock block(Page());
    block.AddPiece(upper ? "<SCRIPT" : "<script");
    block.AddPiece(AttributePiece(Page(), kLanguage, ComboBox1->Text(), upper));
    block.AddPiece(AttributePiece(Page(), kSource, Edit1->Text(), upper));
    block.AddPiece(">");
    block.AddLine(upper ? "</SCRIPT>" : "</script>");
    block.Insert();
    Close();
}

void TForm24::BitBtn1Click(TObject*) { BrowseBareName(OpenDialog1, Edit1); }

void TForm24::FormShow(TObject*) { ComboBox1->SetFocus(); }

void TForm24::FormCloseQuery(TObject*, bool&)
{
    ComboBox1->SetText("");
    Edit1->SetText("");
}
