// The Help menu: the help page, the Tip of the Day and the About box, and
// the hot spot that allows the About box's hidden picture.

#include "editor/Unit1.h"

#include "editor/Unit27.h"
#include "editor/Unit4.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/StrUtils.h"

namespace {

// The help viewer's commands, as the platform numbers them.
constexpr unsigned kHelpContents = 3;

}

void TForm1::Help1Click(TObject*)
{
    putUp(itaMenuButton5);
    Application->HelpCommand(kHelpContents, HelpContext);
    // There is no help viewer here: the help page opens in the browser.
    std::string page = Edit3->Text() + "/Help.htm";
    GoToWeb1->Url = page;
    auto notAvailable = [] { ShowMessage("Help is not available"); };
    if (!FileExists(page) || !GoToWeb1->OpenUrl(notAvailable))
        notAvailable();
}

void TForm1::TipoftheDay2Click(TObject*)
{
    putUp(itaMenuButton5);
    Label6->SetCaption("Orvelins");
    Form27->ShowModal();
}

void TForm1::About1Click(TObject*)
{
    putUp(itaMenuButton5);
    Form4->Image1->Assign(*Image2);
    Form4->ShowModal();
}

void TForm1::Label2DblClick(TObject*) { Label8->SetCaption("Orvelins"); }
