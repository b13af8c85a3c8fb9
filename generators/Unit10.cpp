#include "generators/Unit10.h"

#include "page/Page.h"
#include "generators/EntryPage.h"
#include "platform/Dialogs.h"

TForm10* Form10 = nullptr;

namespace {

const char* const kParagraphs[] = {
    "To make other people find your site is not as easy as you might think. There are hundreds of search engines on the "
    "Internet and if your site is one of the first 10 sites in a search query your site will get much higher traffic.",
    "But how can I become one of the first 10 in a search query you might think. Well that is what I will help you with.",
    "This page generator will help you generate a page that is more likely to get a better position in a search engine "
    "based on your keywords.",
    "When you have generated the page you might want to add it to the most popular search engines.",
};

// The keyword edits in reading order, with their names and places.
struct TKeywordPlace {
    const char* name;
    int row, column;
};
const TKeywordPlace kKeywordPlaces[8] = {
    { "Edit3", 0, 0 }, { "Edit4", 0, 1 }, { "Edit5", 0, 2 }, { "Edit8", 0, 3 },
    { "Edit6", 1, 0 }, { "Edit7", 1, 1 }, { "Edit10", 1, 2 }, { "Edit9", 1, 3 },
};

void inform(const char* message) { MessageDlg(message, mtInformation, mbOK, 0); }

}

TForm10::TForm10(TComponent* owner, TPage& page)
    : TElementDialog(owner, page, "Form10", "Page Generator", 0, 441, 337)
{
    PageControl1 = NewControl<TPageControl>(this, this, "PageControl1", 8, 8, 425, 289);
    TabSheet1 = NewControl<TTabSheet>(this, PageControl1, "TabSheet1");
    TabSheet1->SetCaption("Description");
    int top = 12;
    for (int i = 0; i < 4; ++i) {
        auto* paragraph = NewControl<TLabel>(this, TabSheet1, "Paragraph" + std::to_string(i + 1));
        paragraph->SetAutoSize(false);
        paragraph->SetWordWrap(true);
        paragraph->SetBounds(12, top, 393, i == 0 ? 64 : 48);
        paragraph->SetCaption(kParagraphs[i]);
        top += paragraph->Height() + 8;
    }

    TabSheet2 = NewControl<TTabSheet>(this, PageControl1, "TabSheet2");
    TabSheet2->SetCaption("Page Generator");
    Label1 = NewLabel(TabSheet2, "Label1", "Title of the page  -  Be descriptive:", 8, 8);
    Edit1 = NewEdit(TabSheet2, "Edit1", 8, 24, 401);
    Label2 = NewLabel(TabSheet2, "Label2", "URL of your homepage to automatically forward the user to:", 8, 52);
    Edit2 = NewEdit(TabSheet2, "Edit2", 8, 68, 401);
    CheckBox1 = NewCheckBox(TabSheet2, "CheckBox1", "Do not forward to this page automatically", 8, 94, 300);
    Label3 = NewLabel(TabSheet2, "Label3", "Keywords:", 8, 118);
    for (std::size_t k = 0; k < Keywords.size(); ++k) {
        const TKeywordPlace& place = kKeywordPlaces[k];
        Keywords[k] = NewEdit(TabSheet2, place.name, 8 + place.column * 101, 134 + place.row * 28, 97);
    }
    Label4 = NewLabel(TabSheet2, "Label4", "Description of site:", 8, 194);
    Edit11 = NewEdit(TabSheet2, "Edit11", 8, 210, 401);
    RichEdit1 = NewControl<TRichEdit>(this, TabSheet2, "RichEdit1");
    RichEdit1->PlainText = true;
    RichEdit1->SetAlign(alClient);
    RichEdit1->SetVisible(false);

    Button1 = NewButton(this, "Button1", "Generate", 198, 304, Method(this, &TForm10::Button1Click));
    Button1->Default = true;
    Button2 = NewButton(this, "Button2", "Exit", 278, 304, Method(this, &TForm10::Button2Click));
    Button3 = NewButton(this, "Button3", "View Code", 358, 304, Method(this, &TForm10::Button3Click));
    Button3->SetVisible(false);
    OfficeButton1 = NewControl<TOfficeButton>(this, this, "OfficeButton1");
    OfficeButton1->SetVisible(false);
    SaveDialog1 = new TSaveDialog(this);
    SaveDialog1->Name = "SaveDialog1";
    SaveDialog1->Filter = "HTML Files (*.htm; *.html)|*.htm; *.html|All Files (*.*)|*.*";
    // A name typed without an extension gets ".htm".
    SaveDialog1->DefaultExt = "*.htm; *.html";
    SaveDialog1->Options = ofOverwritePrompt | ofHideReadOnly | ofPathMustExist;

    OfficeButton1->OnClick = Method(this, &TForm10::OfficeButton1Click);
    SetOpeningHandler(Method(this, &TForm10::FormActivate));
    OnCloseQuery = Method(this, &TForm10::FormCloseQuery);
}

void TForm10::FormActivate(TObject*) { PageControl1->SetActivePage(TabSheet1); }

void TForm10::Button1Click(TObject*)
{
    // Only exactly empty fields are missing: blanks are content.
    if (Edit1->Text().empty())
        inform("You must enter a site title before you can generate the page");
    else if (Edit11->Text().empty())
        inform("You must write down a description of the site before you can generate the page");
    else if (CheckBox1->Checked() || !Edit2->Text().empty())
        OfficeButton1Click(OfficeButton1);
    else
        inform("You must enter the URL of the site you want to automatically be transfered to, or you can uncheck the checkbox.");
}

void TForm10::OfficeButton1Click(TObject*)
{
    RichEdit1->Clear();
    Button3->Hide();
    TEntryPage page { Edit1->Text(), Edit2->Text(), CheckBox1->Checked(), {}, Edit11->Text() };
    for (std::size_t k = 0; k < Keywords.size(); ++k)
        page.keywords[k] = Keywords[k]->Text();
    for (const auto& line : EntryPageLines(page, Page().Quote()))
        RichEdit1->Lines().Add(line);
    if (!SaveDialog1->Execute())
        return;
    // The save replaces the file in one step or raises "Cannot create
    // file" with the old file intact; "View Code" then stays hidden.
    RichEdit1->Lines().SaveToFile(SaveDialog1->FileName);
    Button3->Show();
}

void TForm10::Button3Click(TObject*)
{
    bool showing = RichEdit1->Visible();
    RichEdit1->SetVisible(!showing);
    Button3->SetCaption(showing ? "View Code" : "Hide Code");
}

void TForm10::Button2Click(TObject*) { Close(); }

void TForm10::FormCloseQuery(TObject*, bool&)
{
    Edit1->SetText("");
    Edit2->SetText("");
    for (TEdit* keyword : Keywords)
        keyword->SetText("");
    Edit11->SetText("");
    CheckBox1->SetChecked(false);
    RichEdit1->Clear();
    Button3->Hide();
    RichEdit1->Hide();
    Button3->SetCaption("View Code");
}
