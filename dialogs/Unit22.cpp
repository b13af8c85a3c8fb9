#include "dialogs/Unit22.h"

#include "dialogs/BlockLines.h"
#include "dialogs/PageWriter.h"
#include "page/ScratchBlock.h"
#include "page/Page.h"

TForm22* Form22 = nullptr;

namespace {

// The area's three values are left empty between their quotes.
const std::vector<std::string_view> kUpper = {
    "<MAP NAME=${q}${name}${q}>",
    "<AREA SHAPE=${q}${q} COORDS=${q}${q} HREF=${q}${q}>",
    "</MAP>",
};
const std::vector<std::string_view> kLower = {
    "<map name=${q}${name}${q}>",
    "<area shape=${q}${q} coords=${q}${q} href=${q}${q}>",
    "</map>",
};

}

TForm22::TForm22(TComponent* owner, TPage& page)
    : TOkCancelDialog(owner, page, "Form22", "Map Name", 50, 353, 81)
{
    Label1 = NewLabel(this, "Label1", "Map Name", 8, 8);
    Edit1 = NewEdit(this, "Edit1", 8, 24, 257);
    NewOkCancel(272, 16, Method(this, &TForm22::Button1Click));

    SetOpeningHandler(Method(this, &TForm22::FormShow));
    OnCloseQuery = Method(this, &TForm22::FormCloseQuery);
}

void TForm22::Button1Click(TObject*)
{
    TScratchBlock block(Page());
    block.AddLines(FillLines(Page().UpperCase() ? kUpper : kLower, { { "q", Page().Quote() }, { "name", Edit1->Text() } }));
    block.Insert();
    Close();
}

void TForm22::FormShow(TObject*) { Edit1->SetFocus(); }

void TForm22::FormCloseQuery(TObject*, bool&) { Edit1->SetText(""); }
