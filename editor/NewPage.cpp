// The new-page procedure: the New Template dialog's choice turned into the
// page.

#include "editor/Unit1.h"

#include "generators/PageSkeleton.h"
#include "generators/Unit2.h"

void TForm1::OfficeButton1Click(TObject*)
{
    Form2->ShowModal();
    int choice = Form2->Label2->Caption() == "Orvelin" ? Form2->SelectedPosition() : -1;
    switch (choice) {
    case 0:  // "Blank Document"
        RichEdit1->Lines().Clear();
        break;
    case 1:  // "Default Template"
        RichEdit1->Lines().Clear();
        RichEdit1->Lines().SetText(PageSkeleton(UpperCaseTags(), Form2->Edit1->Text()));
        break;
    case 2: {  // "Alphabetical"
        const char* name = UpperCaseTags() ? "/Alphabet.lat" : "/Alphabet2.lat";
        Form2->RichEdit1->Lines().LoadFromFile(Edit3->Text() + name);
        RichEdit1->Lines().SetText(Form2->RichEdit1->Lines().Text());
        Form2->RichEdit1->Lines().Clear();
        break;
    }
    default:
        break;
    }
    if (choice >= 0) {
        // Every new page starts without a file and unchanged, so that no
        // later Save can overwrite the file that was open before.
        Edit1->SetText("Untitled");
        RichEdit1->SetModified(false);
        ToolbarButton977->SetEnabled(false);
    }
    if (choice == 1)
        Form2->Edit1->SetText(kDefaultTitle);
    Form2->Label2->SetCaption("Orvelin");
}
