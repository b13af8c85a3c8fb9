// The main window's parts, built from tables: the menus, the three toolbars
// on their dock, the side panel with its dialog buttons, the hidden fields,
// and the commands the dialog buttons run.

#include "editor/Unit1.h"

namespace {

using Handler = void (TForm1::*)(TObject*);

// One row of a toolbar; an empty name is a separator.
struct ToolButtonRow {
    const char* name;
    const char* hint;
    const char* glyph;
};

const ToolButtonRow kStandardButtons[] = {
    { "ToolbarButton976", "New", "N" }, { "ToolbarButton974", "Open", "O" }, { "ToolbarButton977", "Save", "S" },
    { "", "", "" },
    { "ToolbarButton975", "Cut", "X" }, { "ToolbarButton978", "Copy", "C" }, { "ToolbarButton979", "Paste", "V" },
    { "", "", "" },
    { "itaPopupButton1", "View/Hide the panel", "P" },
    { "", "", "" },
    { "itaPopupButton2", "Change to Uppercase or Lowercase letters", "Aa" },
    { "", "", "" },
    { "ToolbarButton9710", "Preview in Browser", "W" },
    { "", "", "" },
    { "ToolbarButton9711", "Bold", "B" }, { "ToolbarButton9713", "Italic", "I" }, { "ToolbarButton9712", "Underlined", "U" },
    { "", "", "" },
    { "ToolbarButton9726", "Left Justify", "L" }, { "ToolbarButton9714", "Center", "C" }, { "ToolbarButton9718", "Right Justify", "R" },
    { "", "", "" },
    { "ToolbarButton9715", "Paragraph", "P" },
    { "", "", "" },
    { "ToolbarButton9716", "Break", "BR" }, { "ToolbarButton9717", "Non-breaking space", "NB" },
    { "", "", "" },
    { "ToolbarButton9719", "Heading 1", "H1" }, { "ToolbarButton9720", "Heading 2", "H2" },
    { "ToolbarButton9721", "Heading 3", "H3" }, { "ToolbarButton9722", "Heading 4", "H4" },
    { "ToolbarButton9723", "Heading 5", "H5" }, { "ToolbarButton9724", "Heading 6", "H6" },
    { "", "", "" },
};

const ToolButtonRow kMiscButtons[] = {
    { "ToolbarButton9725", "Strong", "S" }, { "ToolbarButton97126", "Link From the Selected Text", "LS" },
    { "", "", "" },
    { "ToolbarButton97134", "Insert Hyper Link", "A" }, { "ToolbarButton97127", "Insert Image", "Im" },
    { "ToolbarButton97136", "E-Mail", "@" },
    { "", "", "" },
    { "ToolbarButton97138", "Add Music or Sound", "Mu" }, { "ToolbarButton97139", "Insert Marquee", "Abc" },
    { "ToolbarButton97149", "Font", "F" }, { "ToolbarButton97131", "Horizontal Rule", "HR" },
    { "", "", "" },
    { "ToolbarButton97141", "Start the Frame Wizard", "Fr" }, { "ToolbarButton97146", "Insert Tags", "<>" },
    { "ToolbarButton97144", "Insert Comment", "!" },
    { "", "", "" },
    { "ToolbarButton97151", "Form Action", "Fa" }, { "ToolbarButton97153", "Form Field", "Ff" },
    { "ToolbarButton97155", "Image Map", "Map" }, { "ToolbarButton97157", "Insert Meta", "Me" },
    { "ToolbarButton97159", "Insert Script", "Js" }, { "ToolbarButton97161", "JAVA Applet", "Ap" },
    { "ToolbarButton97163", "Parameter", "Pa" },
    { "", "", "" },
    { "ToolbarButton97165", "Embeded Item", "Em" },
    { "", "", "" },
};

// One menu item; caption "-" is a separator, a parent name nests it.
struct MenuRow {
    const char* name;
    const char* parent;
    const char* caption;
    const char* shortcut;
    Handler handler;
    bool enabled;
};

const MenuRow kFileMenu[] = {
    { "New1", "", "&New", "Ctrl+N", &TForm1::New1Click, true },
    { "Open1", "", "&Open...", "Ctrl+O", &TForm1::Open1Click, true },
    { "Save1", "", "&Save", "Ctrl+S", &TForm1::Save1Click, true },
    { "Saveas1", "", "S&ave As...", "", &TForm1::Saveas1Click, true },
    { "N1", "", "-", "", nullptr, true },
    { "Insert1", "", "&Insert...", "", &TForm1::Insert1Click, true },
    { "N2", "", "-", "", nullptr, true },
    { "Exit1", "", "E&xit", "", &TForm1::Exit1Click, true },
};

const MenuRow kEditMenu[] = {
    { "Undo1", "", "&Undo", "Ctrl+Z", &TForm1::Undo1Click, false },
    { "N3", "", "-", "", nullptr, true },
    { "Cut1", "", "Cut", "Ctrl+X", &TForm1::Cut1Click, false },
    { "Copy1", "", "Copy", "Ctrl+C", &TForm1::Copy1Click, false },
    { "Paste1", "", "Paste", "Ctrl+V", &TForm1::Paste1Click, false },
    { "N4", "", "-", "", nullptr, true },
    { "SelectAll1", "", "&Select All", "Ctrl+A", &TForm1::SelectAll1Click, true },
};

// The editor's context menu carries the document keys while it has the focus.
const MenuRow kContextMenu[] = {
    { "File1", "", "&File", "", nullptr, true },
    { "New2", "File1", "&New...", "Ctrl+N", &TForm1::New1Click, true },
    { "N5", "File1", "-", "", nullptr, true },
    { "Open2", "File1", "&Open", "Ctrl+O", &TForm1::Open1Click, true },
    { "Save2", "File1", "Save", "Ctrl+S", &TForm1::Save1Click, true },
    { "SaveAs2", "File1", "Save As...", "", &TForm1::Saveas1Click, true },
    { "N6", "", "-", "", nullptr, true },
    { "Tags1", "", "&Tags", "", nullptr, true },
    { "HorizontalRule1", "Tags1", "Horizontal Rule...", "", &TForm1::HorizontalRule1Click, true },
    { "N9", "", "-", "", nullptr, true },
    { "Cut2", "", "Cut", "Ctrl+X", &TForm1::ToolbarButton975Click, true },
    { "Copy2", "", "Copy", "Ctrl+C", &TForm1::ToolbarButton978Click, true },
    { "Paste2", "", "Paste", "Ctrl+V", &TForm1::ToolbarButton979Click, true },
    { "N7", "", "-", "", nullptr, true },
    { "SelectAll2", "", "Select All", "Ctrl+A", &TForm1::SelectAll2Click, true },
};

const MenuRow kToolsMenu[] = {
    { "FrameWizard1", "", "Frame Wizard", "", &TForm1::FrameWizard1Click, true },
    { "FTPAccess1", "", "FTP Access", "", &TForm1::FTPAccess1Click, true },
    { "UpdateCorvana1", "", "Update Corvana", "", &TForm1::UpdateCorvana1Click, true },
    { "N8", "", "-", "", nullptr, true },
    { "PageGenerator1", "", "&Page Generator", "", &TForm1::PageGenerator1Click, true },
};

const MenuRow kHelpMenu[] = {
    { "Help1", "", "Help", "", &TForm1::Help1Click, true },
    { "TipoftheDay2", "", "Tip of the Day", "", &TForm1::TipoftheDay2Click, true },
    { "N12", "", "-", "", nullptr, true },
    { "About1", "", "&About", "", &TForm1::About1Click, true },
};

// The dialog buttons of the side panel's "Normal" and "Applets" tabs.
struct TabButtonRow {
    const char* name;
    const char* hint;
    const char* glyph;
};

const TabButtonRow kNormalTabButtons[] = {
    { "ToolbarButton97113", "Insert Image", "Im" }, { "ToolbarButton97130", "Horizontal Rule", "HR" },
    { "ToolbarButton97133", "Insert Hyper Link", "A" }, { "ToolbarButton97135", "E-Mail", "@" },
    { "ToolbarButton97137", "Add Music or Sound", "Mu" }, { "ToolbarButton97140", "Insert Marquee", "Abc" },
    { "ToolbarButton97142", "Start the Frame Wizard", "Fr" }, { "ToolbarButton97145", "Insert Tags", "<>" },
    { "ToolbarButton97148", "Font", "F" }, { "ToolbarButton97150", "Form Action", "Fa" },
    { "ToolbarButton97152", "Form Field", "Ff" }, { "ToolbarButton97154", "Image Map", "Map" },
    { "ToolbarButton97156", "Insert Meta", "Me" }, { "ToolbarButton97158", "Insert Script", "Js" },
    { "ToolbarButton97160", "JAVA Applet", "Ap" }, { "ToolbarButton97162", "Parameter", "Pa" },
    { "ToolbarButton97164", "Embeded Item", "Em" },
};

const TabButtonRow kAppletsTabButtons[] = {
    { "ToolbarButton97123", "Page Transfer", "Go" },
    { "ToolbarButton97147", "Scrolling text on statusbar", "St" },
};

// Which command each dialog button runs, wherever the button sits.
struct LaunchRow {
    const char* button;
    Handler handler;
};

const LaunchRow kLaunchers[] = {
    { "ToolbarButton9710", &TForm1::ToolbarButton9710Click },
    { "ToolbarButton97113", &TForm1::ToolbarButton97113Click }, { "ToolbarButton97127", &TForm1::ToolbarButton97113Click },
    { "ToolbarButton97130", &TForm1::ToolbarButton97130Click }, { "ToolbarButton97131", &TForm1::ToolbarButton97130Click },
    { "ToolbarButton97133", &TForm1::ToolbarButton97133Click }, { "ToolbarButton97134", &TForm1::ToolbarButton97133Click },
    { "ToolbarButton97135", &TForm1::ToolbarButton97135Click }, { "ToolbarButton97136", &TForm1::ToolbarButton97136Click },
    { "ToolbarButton97123", &TForm1::ToolbarButton97123Click },
    { "ToolbarButton97137", &TForm1::ToolbarButton97137Click }, { "ToolbarButton97138", &TForm1::ToolbarButton97137Click },
    { "ToolbarButton97140", &TForm1::ToolbarButton97139Click }, { "ToolbarButton97139", &TForm1::ToolbarButton97139Click },
    { "ToolbarButton97142", &TForm1::ToolbarButton97141Click }, { "ToolbarButton97141", &TForm1::ToolbarButton97141Click },
    { "ToolbarButton97145", &TForm1::ToolbarButton97145Click }, { "ToolbarButton97146", &TForm1::ToolbarButton97145Click },
    { "ToolbarButton97147", &TForm1::ToolbarButton97147Click },
    { "ToolbarButton97148", &TForm1::ToolbarButton97148Click }, { "ToolbarButton97149", &TForm1::ToolbarButton97148Click },
    { "ToolbarButton97150", &TForm1::ToolbarButton97150Click }, { "ToolbarButton97151", &TForm1::ToolbarButton97150Click },
    { "ToolbarButton97152", &TForm1::ToolbarButton97152Click }, { "ToolbarButton97153", &TForm1::ToolbarButton97152Click },
    { "ToolbarButton97154", &TForm1::ToolbarButton97154Click }, { "ToolbarButton97155", &TForm1::ToolbarButton97154Click },
    { "ToolbarButton97156", &TForm1::ToolbarButton97156Click }, { "ToolbarButton97157", &TForm1::ToolbarButton97156Click },
    { "ToolbarButton97158", &TForm1::ToolbarButton97158Click }, { "ToolbarButton97159", &TForm1::ToolbarButton97158Click },
    { "ToolbarButton97160", &TForm1::ToolbarButton97160Click }, { "ToolbarButton97161", &TForm1::ToolbarButton97160Click },
    { "ToolbarButton97162", &TForm1::ToolbarButton97162Click }, { "ToolbarButton97163", &TForm1::ToolbarButton97163Click },
    { "ToolbarButton97164", &TForm1::ToolbarButton97164Click }, { "ToolbarButton97165", &TForm1::ToolbarButton97164Click },
};

// The main menu is never shown: its one top-level item is invisible and
// holds the window's shortcut items.
const MenuRow kMainMenu[] = {
    { "Shortcuts1", "", "Shortcuts", "", nullptr, true },
    { "New3", "Shortcuts1", "New", "Ctrl+N", &TForm1::New1Click, true },
    { "Open3", "Shortcuts1", "Open", "Ctrl+O", &TForm1::Open1Click, true },
    { "Save3", "Shortcuts1", "Save", "Ctrl+S", &TForm1::Save1Click, true },
};

template<std::size_t N>
void fillMenu(TForm1* form, TMenu* menu, const MenuRow (&rows)[N])
{
    for (const MenuRow& row : rows) {
        TMenuItem* parent = menu->Items();
        if (*row.parent)
            parent = static_cast<TMenuItem*>(form->FindComponent(row.parent));
        TNotifyEvent onClick;
        if (row.handler)
            onClick = [form, h = row.handler](TObject* sender) { (form->*h)(sender); };
        TMenuItem* item = NewItem(form, parent, row.name, row.caption, TextToShortCut(row.shortcut), onClick);
        item->Enabled = row.enabled;
    }
}

// Tab buttons stand in rows of six from the tab's top left corner.
template<std::size_t N>
void fillTab(TForm1* form, TTabSheet* tab, const TabButtonRow (&rows)[N])
{
    const int perRow = 6, size = 28, margin = 8;
    for (std::size_t i = 0; i < N; ++i) {
        auto* button = new TToolbarButton97(form);
        button->Name = rows[i].name;
        button->SetHint(rows[i].hint);
        button->SetGlyphText(rows[i].glyph);
        button->SetParent(tab);
        button->SetBounds(margin + int(i % perRow) * size, margin + int(i / perRow) * size, size - 2, size - 2);
    }
}

template<std::size_t N>
void fillToolbar(TForm1* form, TitaToolBar* bar, const ToolButtonRow (&rows)[N])
{
    int separators = 0;
    for (const ToolButtonRow& row : rows) {
        if (!*row.name) {
            NewControl<TToolbarSep97>(form, bar, bar->Name + "Sep" + std::to_string(++separators));
            continue;
        }
        if (std::string(row.name).rfind("itaPopupButton", 0) == 0) {
            auto* toggle = NewControl<TitaPopupButton>(form, bar, row.name);
            toggle->SetHint(row.hint);
            toggle->SetGlyphText(row.glyph);
            continue;
        }
        auto* button = NewControl<TToolbarButton97>(form, bar, row.name);
        button->SetHint(row.hint);
        button->SetGlyphText(row.glyph);
    }
}

TitaToolBar* newToolbar(TForm1* form, TitaDock* dock, const char* name, const char* caption, int top)
{
    auto* bar = new TitaToolBar(form);
    bar->Name = name;
    bar->SetCaption(caption);
    bar->Resizable = false;
    bar->SetTop(top);
    bar->SetParent(dock);
    bar->SetPopupMenu(form->PopupMenu8);
    return bar;
}

TEdit* hiddenEdit(TForm1* form, const char* name, const std::string& text)
{
    auto* edit = NewControl<TEdit>(form, form, name);
    edit->SetVisible(false);
    edit->SetText(text);
    return edit;
}

TLabel* hiddenLabel(TForm1* form, const char* name, const std::string& caption)
{
    auto* label = NewControl<TLabel>(form, form, name);
    label->SetVisible(false);
    label->SetCaption(caption);
    return label;
}

TOfficeButton* hiddenOfficeButton(TForm1* form, const char* name, TNotifyEvent onClick)
{
    auto* button = NewControl<TOfficeButton>(form, form, name);
    button->SetVisible(false);
    button->SetCaption("Orvelin");
    button->OnClick = std::move(onClick);
    return button;
}

template<class T>
T* find(TForm1* form, const char* name)
{
    return static_cast<T*>(form->FindComponent(name));
}

}

void TForm1::buildHiddenFields()
{
    Edit1 = hiddenEdit(this, "Edit1", "Untitled");
    Edit2 = hiddenEdit(this, "Edit2", "\"");
    Edit3 = hiddenEdit(this, "Edit3", "");
    Edit4 = hiddenEdit(this, "Edit4", "");
    Label3 = hiddenLabel(this, "Label3", "");
    Label4 = hiddenLabel(this, "Label4", "");
    Label6 = hiddenLabel(this, "Label6", "Orvelin");
    Label8 = hiddenLabel(this, "Label8", "Orvelin");

    RichEdit2 = NewControl<TRichEdit>(this, this, "RichEdit2");
    RichEdit2->SetVisible(false);
    RichEdit2->PlainText = false;

    RichEdit3 = NewControl<TRichEdit>(this, this, "RichEdit3");
    RichEdit3->SetVisible(false);
    RichEdit3->PlainText = true;

    OfficeButton1 = hiddenOfficeButton(this, "OfficeButton1", [this](TObject* s) { OfficeButton1Click(s); });
    OfficeButton2 = hiddenOfficeButton(this, "OfficeButton2", [this](TObject* s) { OfficeButton2Click(s); });
    OfficeButton12 = hiddenOfficeButton(this, "OfficeButton12", [this](TObject* s) { OfficeButton12Click(s); });

    const char* const pageFilter = "HTML Files (*.htm; *.html)|*.htm; *.html|All Files (*.*)|*.*";
    OpenDialog1 = new TOpenDialog(this);
    OpenDialog1->Name = "OpenDialog1";
    OpenDialog1->Filter = pageFilter;
    OpenDialog1->DefaultExt = "*.htm; *.html";
    OpenDialog1->Options = ofHideReadOnly | ofPathMustExist | ofFileMustExist;
    SaveDialog1 = new TSaveDialog(this);
    SaveDialog1->Name = "SaveDialog1";
    SaveDialog1->Filter = pageFilter;
    SaveDialog1->DefaultExt = "*.htm; *.html";
    SaveDialog1->Options = ofOverwritePrompt | ofHideReadOnly | ofPathMustExist;
    OpenDialog2 = new TOpenDialog(this);
    OpenDialog2->Name = "OpenDialog2";
    OpenDialog2->Title = "Insert File";
    OpenDialog2->Filter = "All Files (*.*)|*.*|Web Files (*.htm; *.html)|*.htm; *.html|Text Files (*.txt)|*.txt";
    OpenDialog2->DefaultExt = "*.*";
    OpenDialog2->Options = ofHideReadOnly | ofPathMustExist | ofFileMustExist;
}

void TForm1::buildMenus()
{
    MainMenu1 = new TMainMenu(this);
    MainMenu1->Name = "MainMenu1";
    fillMenu(this, MainMenu1, kMainMenu);
    find<TMenuItem>(this, "Shortcuts1")->Visible = false;
    Menu = MainMenu1;

    auto popup = [this](const char* name) {
        auto* menu = new TPopupMenu(this);
        menu->Name = name;
        return menu;
    };
    PopupMenu1 = popup("PopupMenu1");
    PopupMenu2 = popup("PopupMenu2");
    PopupMenu3 = popup("PopupMenu3");
    PopupMenu4 = popup("PopupMenu4");
    PopupMenu5 = popup("PopupMenu5");
    PopupMenu6 = popup("PopupMenu6");
    PopupMenu7 = popup("PopupMenu7");
    PopupMenu8 = popup("PopupMenu8");
    fillMenu(this, PopupMenu2, kFileMenu);
    fillMenu(this, PopupMenu1, kEditMenu);
    fillMenu(this, PopupMenu6, kContextMenu);
    fillMenu(this, PopupMenu5, kToolsMenu);
    fillMenu(this, PopupMenu4, kHelpMenu);
    PopupMenu1->OnPopup = [this](TObject* s) { PopupMenu1Popup(s); };
    PopupMenu6->OnPopup = [this](TObject* s) { PopupMenu6Popup(s); };
    Undo1 = find<TMenuItem>(this, "Undo1");
    Cut1 = find<TMenuItem>(this, "Cut1");
    Copy1 = find<TMenuItem>(this, "Copy1");
    Paste1 = find<TMenuItem>(this, "Paste1");
    Cut2 = find<TMenuItem>(this, "Cut2");
    Copy2 = find<TMenuItem>(this, "Copy2");
    Paste2 = find<TMenuItem>(this, "Paste2");
}

void TForm1::buildToolbars()
{
    itaDock1 = NewControl<TitaDock>(this, this, "itaDock1");
    itaDock1->SetAlign(alTop);

    MainMenu = newToolbar(this, itaDock1, "MainMenu", "Main Menu", 0);
    struct MenuButtonRow {
        TitaMenuButton** button;
        const char* name;
        const char* caption;
        TPopupMenu* menu;
    };
    const MenuButtonRow menuButtons[] = {
        { &itaMenuButton1, "itaMenuButton1", "File", PopupMenu2 },
        { &itaMenuButton2, "itaMenuButton2", "Edit", PopupMenu1 },
        { &itaMenuButton3, "itaMenuButton3", "Tools", PopupMenu5 },
        { &itaMenuButton4, "itaMenuButton4", "Tags", PopupMenu3 },
        { &itaMenuButton5, "itaMenuButton5", "Help", PopupMenu4 },
        { &itaMenuButton6, "itaMenuButton6", "View", PopupMenu7 },
    };
    for (const auto& row : menuButtons) {
        auto* button = new TitaMenuButton(this);
        button->Name = row.name;
        button->SetCaption(row.caption);
        button->DropdownMenu = row.menu;
        button->SetParent(MainMenu);
        *row.button = button;
    }

    Standard = newToolbar(this, itaDock1, "Standard", "Standard", 30);
    fillToolbar(this, Standard, kStandardButtons);
    Toolbar1 = newToolbar(this, itaDock1, "Toolbar1", "No Name", 60);
    fillToolbar(this, Toolbar1, kMiscButtons);

    itaPopupButton1 = find<TitaPopupButton>(this, "itaPopupButton1");
    itaPopupButton2 = find<TitaPopupButton>(this, "itaPopupButton2");
    ToolbarButton976 = find<TToolbarButton97>(this, "ToolbarButton976");
    ToolbarButton974 = find<TToolbarButton97>(this, "ToolbarButton974");
    ToolbarButton977 = find<TToolbarButton97>(this, "ToolbarButton977");
    ToolbarButton975 = find<TToolbarButton97>(this, "ToolbarButton975");
    ToolbarButton978 = find<TToolbarButton97>(this, "ToolbarButton978");
    ToolbarButton979 = find<TToolbarButton97>(this, "ToolbarButton979");
    ToolbarButton9710 = find<TToolbarButton97>(this, "ToolbarButton9710");
    for (TToolbarButton97* b : { ToolbarButton977, ToolbarButton975, ToolbarButton978, ToolbarButton979 })
        b->SetEnabled(false);

    ToolbarButton976->OnClick = [this](TObject* s) { New1Click(s); };
    ToolbarButton974->OnClick = [this](TObject* s) { Open1Click(s); };
    ToolbarButton977->OnClick = [this](TObject* s) { Save1Click(s); };
    ToolbarButton975->OnClick = [this](TObject* s) { ToolbarButton975Click(s); };
    ToolbarButton978->OnClick = [this](TObject* s) { ToolbarButton978Click(s); };
    ToolbarButton979->OnClick = [this](TObject* s) { ToolbarButton979Click(s); };
}

void TForm1::buildSidePanel()
{
    Panel3 = NewControl<TPanel>(this, this, "Panel3");
    Panel3->SetBevelOuter(bvNone);
    Panel3->SetBounds(0, 0, 209, 400);
    Panel3->SetAlign(alLeft);

    PageControl1 = NewControl<TPageControl>(this, Panel3, "PageControl1");
    PageControl1->SetAlign(alClient);
    auto sheet = [this](TPageControl* control, const char* name, const char* caption) {
        auto* page = new TTabSheet(this);
        page->Name = name;
        page->SetCaption(caption);
        page->SetParent(control);
        return page;
    };
    TabSheet1 = sheet(PageControl1, "TabSheet1", "Web Pages");
    TabSheet2 = sheet(PageControl1, "TabSheet2", "Link to File");
    TabSheet3 = sheet(PageControl1, "TabSheet3", "Insert HTML");

    PageControl2 = NewControl<TPageControl>(this, TabSheet3, "PageControl2");
    PageControl2->SetAlign(alClient);
    TabSheet4 = sheet(PageControl2, "TabSheet4", "Normal");
    sheet(PageControl2, "TabSheet5", "Fonts");
    TabSheet7 = sheet(PageControl2, "TabSheet7", "Applets");
    sheet(PageControl2, "TabSheet6", "Characters");
    fillTab(this, TabSheet4, kNormalTabButtons);
    fillTab(this, TabSheet7, kAppletsTabButtons);

    Image2 = NewControl<TImage>(this, TabSheet1, "Image2", 8, 8, 185, 121);
    Image2->SetStretch(true);

    Label2 = NewControl<TLabel>(this, TabSheet1, "Label2");
    Label2->SetAutoSize(false);
    Label2->Transparent = true;
    Label2->SetBounds(160, 272, 17, 17);
    Label2->OnDblClick = [this](TObject* s) { Label2DblClick(s); };
    buildWebPagesTab();
    buildLinkToFileTab();
}

void TForm1::buildLaunchers()
{
    GoToWeb1 = new TGoToWeb(this);
    GoToWeb1->Name = "GoToWeb1";
    GoToWeb1->BrowserState = gwMaximized;
    AppRunner1 = new TAppRunner(this);
    AppRunner1->Name = "AppRunner1";

    for (const LaunchRow& row : kLaunchers)
        find<TToolbarButton97>(this, row.button)->OnClick = [this, h = row.handler](TObject* sender) { (this->*h)(sender); };
    // The Marquee buttons are the ones with a caption.
    find<TToolbarButton97>(this, "ToolbarButton97139")->SetCaption("Abc");
    find<TToolbarButton97>(this, "ToolbarButton97140")->SetCaption("Abc");
}
