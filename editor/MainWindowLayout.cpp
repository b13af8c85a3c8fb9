// The main window's parts, built from tables: the menus, the three toolbars
// on their dock, the side panel with its palette tabs, the hidden fields and
// the launchers. The tool buttons themselves, with their commands, come from
// the table of ToolButtons.h.

#include "editor/Unit1.h"
#include "platform/FormBuilder.h"

#include "dialogs/Unit6.h"
#include "editor/HotSpot.h"
#include "generators/Unit10.h"
#include "generators/Unit13.h"
#include "editor/ToolButtons.h"
#include "widgets/GlyphStrip.h"

#include <QFont>
#include <QFontMetrics>

namespace {

// The items of the menu bar's "Edit", "Tools", "Tags" and "View" menus pop
// that button up first.
constexpr MenuBarButton kFromEdit = &TForm1::itaMenuButton2;
constexpr MenuBarButton kFromTools = &TForm1::itaMenuButton3;
constexpr MenuBarButton kFromTags = &TForm1::itaMenuButton4;
constexpr MenuBarButton kFromView = &TForm1::itaMenuButton6;

// One menu item; caption "-" is a separator, a parent name nests it. Its
// click handler is named after it ("Bold1Click"); the hidden shortcut items
// run their "Tags" menu item's command.
struct MenuRow {
    const char* name;
    const char* parent;
    const char* caption;
    const char* shortcut;
    EditorCommand command;
    bool enabled;
};

const MenuRow kFileMenu[] = {
    { "New1", "", "&New", "Ctrl+N", &TForm1::New1Click, true },
    { "Open1", "", "&Open...", "Ctrl+O", &TForm1::Open1Click, true },
    { "Save1", "", "&Save", "Ctrl+S", &TForm1::Save1Click, true },
    { "Saveas1", "", "S&ave As...", "", &TForm1::Saveas1Click, true },
    { "N1", "", "-", "", {}, true },
    { "Insert1", "", "&Insert...", "", &TForm1::Insert1Click, true },
    { "N2", "", "-", "", {}, true },
    { "Exit1", "", "E&xit", "", &TForm1::Exit1Click, true },
};

const MenuRow kEditMenu[] = {
    { "Undo1", "", "&Undo", "Ctrl+Z", &TForm1::Undo1Click, false },
    { "N3", "", "-", "", {}, true },
    { "Cut1", "", "Cut", "Ctrl+X", { &TForm1::ToolbarButton975Click, kFromEdit }, false },
    { "Copy1", "", "Copy", "Ctrl+C", { &TForm1::ToolbarButton978Click, kFromEdit }, false },
    { "Paste1", "", "Paste", "Ctrl+V", { &TForm1::ToolbarButton979Click, kFromEdit }, false },
    { "N4", "", "-", "", {}, true },
    { "SelectAll1", "", "&Select All", "Ctrl+A", { &TForm1::SelectAll2Click, kFromEdit }, true },
};

// The editor's context menu carries the document keys while it has the focus.
const MenuRow kContextMenu[] = {
    { "File1", "", "&File", "", {}, true },
    { "New2", "File1", "&New...", "Ctrl+N", &TForm1::New1Click, true },
    { "N5", "File1", "-", "", {}, true },
    { "Open2", "File1", "&Open", "Ctrl+O", &TForm1::Open1Click, true },
    { "Save2", "File1", "Save", "Ctrl+S", &TForm1::Save1Click, true },
    { "SaveAs2", "File1", "Save As...", "", &TForm1::Saveas1Click, true },
    { "N6", "", "-", "", {}, true },
    { "Tags1", "", "&Tags", "", {}, true },
    { "Bold2", "Tags1", "Bold", "Ctrl+B", tcBold, true },
    { "Italic2", "Tags1", "Italic", "Ctrl+I", tcItalic, true },
    { "Underlined2", "Tags1", "Underlined", "Ctrl+U", tcUnderlined, true },
    { "N10", "Tags1", "-", "", {}, true },
    { "Center2", "Tags1", "Center", "Ctrl+E", tcCenter, true },
    { "LeftJustify2", "Tags1", "Left Justify", "", tcLeftJustify, true },
    { "RightJustify2", "Tags1", "Right Justify", "", tcRightJustify, true },
    { "N11", "Tags1", "-", "", {}, true },
    { "LineBreak1", "Tags1", "Line Break", "", tcBreak, true },
    { "Paragraph1", "Tags1", "Paragraph", "", tcParagraph, true },
    { "HorizontalRule1", "Tags1", "Horizontal Rule...", "", ShowDialog<Form6>, true },
    { "N9", "", "-", "", {}, true },
    { "View2", "", "View", "", {}, true },
    { "MainToolbar3", "View2", "Main Toolbar", "", &TForm1::MainToolbar2Click, true },
    { "StandardToolbar3", "View2", "Standard Toolbar", "", &TForm1::StandardToolbar2Click, true },
    { "MiscToolbar2", "View2", "Misc Toolbar", "", &TForm1::MiscToolbar1Click, true },
    { "N31", "View2", "-", "", {}, true },
    { "ShowHidePanel2", "View2", "Show/Hide Panel", "", &TForm1::ShowHidePanel2Click, true },
    { "N32", "", "-", "", {}, true },
    { "Cut2", "", "Cut", "Ctrl+X", &TForm1::ToolbarButton975Click, true },
    { "Copy2", "", "Copy", "Ctrl+C", &TForm1::ToolbarButton978Click, true },
    { "Paste2", "", "Paste", "Ctrl+V", &TForm1::ToolbarButton979Click, true },
    { "N7", "", "-", "", {}, true },
    { "SelectAll2", "", "Select All", "Ctrl+A", &TForm1::SelectAll2Click, true },
};

// The menu bar's "Tags" menu.
const MenuRow kTagsMenu[] = {
    { "Starttag1", "", "Start tag <>", "", { tcStartTag, kFromTags }, true },
    { "Endtag1", "", "End tag </>", "", { tcEndTag, kFromTags }, true },
    { "N12", "", "-", "", {}, true },
    { "Bold1", "", "Bold", "Ctrl+B", { tcBold, kFromTags }, true },
    { "Italic1", "", "Italic", "Ctrl+I", { tcItalic, kFromTags }, true },
    { "Underlined1", "", "Underline", "Ctrl+U", { tcUnderlined, kFromTags }, true },
    { "N13", "", "-", "", {}, true },
    { "DecreaseTextSize1", "", "Decrease Text Size", "", { tcSmall, kFromTags }, true },
    { "IncreaseTextSize1", "", "Increase Text Size", "", { tcBig, kFromTags }, true },
    { "N14", "", "-", "", {}, true },
    { "Center1", "", "Center", "Ctrl+E", { tcCenter, kFromTags }, true },
    { "LeftJustify1", "", "Left Justify", "", { tcLeftJustify, kFromTags }, true },
    { "RightJustify1", "", "Right Justify", "", { tcRightJustify, kFromTags }, true },
    { "N15", "", "-", "", {}, true },
    { "Paragraph2", "", "Paragraph", "", { tcParagraph, kFromTags }, true },
    { "N16", "", "-", "", {}, true },
    { "Strong1", "", "Strong", "", { tcStrong, kFromTags }, true },
};

// The menu bar's "View" menu.
const MenuRow kViewMenu[] = {
    { "MainToolbar1", "", "Main Toolbar", "", { &TForm1::MainToolbar2Click, kFromView }, true },
    { "StandardToolbar1", "", "Standard Toolbar", "", { &TForm1::StandardToolbar2Click, kFromView }, true },
    { "ButtonToolbar1", "", "Misc Toolbar", "", { &TForm1::MiscToolbar1Click, kFromView }, true },
    { "N30", "", "-", "", {}, true },
    { "ShowHidePanel1", "", "Show/Hide Panel", "", { &TForm1::ShowHidePanel2Click, kFromView }, true },
};

// The toolbars' context menu.
const MenuRow kToolbarMenu[] = {
    { "MainToolbar2", "", "Main Toolbar", "", &TForm1::MainToolbar2Click, true },
    { "StandardToolbar2", "", "Standard Toolbar", "", &TForm1::StandardToolbar2Click, true },
    { "MiscToolbar1", "", "Misc Toolbar", "", &TForm1::MiscToolbar1Click, true },
};

const MenuRow kToolsMenu[] = {
    { "FrameWizard1", "", "Frame Wizard", "", { ShowDialog<Form13>, kFromTools }, true },
    { "FTPAccess1", "", "FTP Access", "", &TForm1::FTPAccess1Click, true },
    { "UpdateCorvana1", "", "Update Corvana", "", &TForm1::UpdateCorvana1Click, true },
    { "N8", "", "-", "", {}, true },
    { "PageGenerator1", "", "&Page Generator", "", { ShowDialog<Form10>, kFromTools }, true },
};

const MenuRow kHelpMenu[] = {
    { "Help1", "", "Help", "", &TForm1::Help1Click, true },
    { "TipoftheDay2", "", "Tip of the Day", "", &TForm1::TipoftheDay2Click, true },
    { "N12", "", "-", "", {}, true },
    { "About1", "", "&About", "", &TForm1::About1Click, true },
};

// The main menu is never shown: its one top-level item is invisible and
// holds the window's shortcut items.
const MenuRow kMainMenu[] = {
    { "Shortcuts1", "", "Shortcuts", "", {}, true },
    { "New3", "Shortcuts1", "New", "Ctrl+N", &TForm1::New1Click, true },
    { "Open3", "Shortcuts1", "Open", "Ctrl+O", &TForm1::Open1Click, true },
    { "Save3", "Shortcuts1", "Save", "Ctrl+S", &TForm1::Save1Click, true },
    { "Bold3", "Shortcuts1", "Bold", "Ctrl+B", { tcBold, kFromTags }, true },
    { "Italic3", "Shortcuts1", "Italic", "Ctrl+I", { tcItalic, kFromTags }, true },
    { "Underlined3", "Shortcuts1", "Underlined", "Ctrl+U", { tcUnderlined, kFromTags }, true },
    { "Center3", "Shortcuts1", "Center", "Ctrl+E", { tcCenter, kFromTags }, true },
};

template<std::size_t N>
void fillMenu(TForm1* form, TMenu* menu, const MenuRow (&rows)[N])
{
    for (const MenuRow& row : rows) {
        TMenuItem* parent = menu->Items();
        if (*row.parent)
            parent = FindComponentAs<TMenuItem>(form, row.parent);
        TMenuItem* item = NewItem(form, parent, row.name, row.caption, TextToShortCut(row.shortcut), CommandEvent(form, row.command));
        item->Enabled = row.enabled;
    }
}

// The bar's buttons in the table's order, each group followed by a bevel
// line; the two toggles stand in the Standard bar after Paste.
void fillToolbar(TForm1* form, TitaToolBar* bar, ButtonPlace place)
{
    int separators = 0;
    auto bevel = [&] { NewControl<TBevel>(form, bar, bar->Name + "Sep" + std::to_string(++separators)); };
    auto toggle = [&](const char* name, const char* hint, const char* letters, int cell, int group) {
        auto* button = NewControl<TitaPopupButton>(form, bar, name, 0, 0, 23, 22);
        button->SetHint(hint);
        // The letters stand in while the strip has no picture.
        button->SetGlyphText(letters);
        button->Glyphs = form->itaGlyphs1;
        button->SetGlyphIndex(cell);
        button->SetGroupIndex(group);
        bevel();
    };
    for (int i = 0; i < ToolButtonCount(); ++i) {
        const ToolButtonRow& row = ToolButtonAt(i);
        if (row.place != place)
            continue;
        NewToolButton(form, bar, row.name);
        if (row.gap != gapNone)
            bevel();
        if (row.gap == gapToggles) {
            toggle("itaPopupButton1", "View/Hide the panel", "P", 0, 6990);
            toggle("itaPopupButton2", "Change to Uppercase or Lowercase letters", "Aa", 1, 5898);
        }
    }
}

TitaToolBar* newToolbar(TForm1* form, TitaDock* dock, const char* name, const char* caption, TRect bounds)
{
    auto* bar = NewControl<TitaToolBar>(form, dock, name, bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    bar->SetCaption(caption);
    bar->AllowResize = false;
    bar->SetPopupMenu(form->PopupMenu8);
    return bar;
}

TitaGlyphs* loadGlyphs(TitaGlyphs* glyphs, const char* file)
{
    TGlyphStrip picture;
    if (picture.Load(GlyphStripPath(file), 16, 8))
        glyphs->SetPicture(picture.Picture());
    glyphs->Cols = 8;
    return glyphs;
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
    return FindComponentAs<T>(form, name);
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

    OfficeButton1 = hiddenOfficeButton(this, "OfficeButton1", Method(this, &TForm1::OfficeButton1Click));
    OfficeButton2 = hiddenOfficeButton(this, "OfficeButton2", Method(this, &TForm1::OfficeButton2Click));
    OfficeButton12 = hiddenOfficeButton(this, "OfficeButton12", Method(this, &TForm1::OfficeButton12Click));

    const char* const pageFilter = "HTML Files (*.htm; *.html)|*.htm; *.html|All Files (*.*)|*.*";
    OpenDialog1 = NewComponent<TOpenDialog>("OpenDialog1");
    OpenDialog1->Filter = pageFilter;
    OpenDialog1->DefaultExt = "*.htm; *.html";
    OpenDialog1->Options = ofHideReadOnly | ofPathMustExist | ofFileMustExist;
    SaveDialog1 = NewComponent<TSaveDialog>("SaveDialog1");
    SaveDialog1->Filter = pageFilter;
    SaveDialog1->DefaultExt = "*.htm; *.html";
    SaveDialog1->Options = ofOverwritePrompt | ofHideReadOnly | ofPathMustExist;
    OpenDialog2 = NewComponent<TOpenDialog>("OpenDialog2");
    OpenDialog2->Title = "Insert File";
    OpenDialog2->Filter = "All Files (*.*)|*.*|Web Files (*.htm; *.html)|*.htm; *.html|Text Files (*.txt)|*.txt";
    OpenDialog2->DefaultExt = "*.*";
    OpenDialog2->Options = ofHideReadOnly | ofPathMustExist | ofFileMustExist;
}

void TForm1::buildMenus()
{
    MainMenu1 = NewComponent<TMainMenu>("MainMenu1");
    fillMenu(this, MainMenu1, kMainMenu);
    find<TMenuItem>(this, "Shortcuts1")->Visible = false;
    Menu = MainMenu1;

    PopupMenu1 = NewComponent<TPopupMenu>("PopupMenu1");
    PopupMenu2 = NewComponent<TPopupMenu>("PopupMenu2");
    PopupMenu3 = NewComponent<TPopupMenu>("PopupMenu3");
    PopupMenu4 = NewComponent<TPopupMenu>("PopupMenu4");
    PopupMenu5 = NewComponent<TPopupMenu>("PopupMenu5");
    PopupMenu6 = NewComponent<TPopupMenu>("PopupMenu6");
    PopupMenu7 = NewComponent<TPopupMenu>("PopupMenu7");
    PopupMenu8 = NewComponent<TPopupMenu>("PopupMenu8");
    fillMenu(this, PopupMenu2, kFileMenu);
    fillMenu(this, PopupMenu1, kEditMenu);
    fillMenu(this, PopupMenu6, kContextMenu);
    fillMenu(this, PopupMenu5, kToolsMenu);
    fillMenu(this, PopupMenu3, kTagsMenu);
    fillMenu(this, PopupMenu4, kHelpMenu);
    PopupMenu1->OnPopup = Method(this, &TForm1::PopupMenu1Popup);
    PopupMenu6->OnPopup = Method(this, &TForm1::PopupMenu6Popup);
    fillMenu(this, PopupMenu7, kViewMenu);
    fillMenu(this, PopupMenu8, kToolbarMenu);
    PopupMenu7->OnPopup = Method(this, &TForm1::PopupMenu7Popup);
    PopupMenu8->OnPopup = Method(this, &TForm1::PopupMenu8Popup);
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
    itaGlyphs1 = loadGlyphs(NewComponent<TitaGlyphs>("itaGlyphs1"), "BarGlyphs1.bmp");
    itaGlyphs2 = loadGlyphs(NewComponent<TitaGlyphs>("itaGlyphs2"), "BarGlyphs2.bmp");
    itaDock1 = NewControl<TitaDock>(this, this, "itaDock1");
    itaDock1->SetAlign(alTop);
    itaDock1->SetHeight(74);

    MainMenu = newToolbar(this, itaDock1, "MainMenu", "Main Menu", { 0, 0, 185, 22 });
    struct MenuButtonRow {
        TitaMenuButton** button;
        const char* name;
        const char* caption;
        TPopupMenu* menu;
        int group;
    };
    const MenuButtonRow menuButtons[] = {
        { &itaMenuButton1, "itaMenuButton1", "File", PopupMenu2, 1017 },
        { &itaMenuButton2, "itaMenuButton2", "Edit", PopupMenu1, 7163 },
        { &itaMenuButton3, "itaMenuButton3", "Tools", PopupMenu5, 2183 },
        { &itaMenuButton4, "itaMenuButton4", "Tags", PopupMenu3, 9828 },
        { &itaMenuButton5, "itaMenuButton5", "Help", PopupMenu4, 1896 },
        { &itaMenuButton6, "itaMenuButton6", "View", PopupMenu7, 8938 },
    };
    for (const auto& row : menuButtons) {
        int width = 10 + QFontMetrics(ToQFont(Font())).horizontalAdvance(row.caption) + 8;
        auto* button = NewControl<TitaMenuButton>(this, MainMenu, row.name, 0, 0, width, 18);
        button->SetCaption(row.caption);
        button->Menu = row.menu;
        button->SetGroupIndex(row.group);
        *row.button = button;
    }

    Standard = newToolbar(this, itaDock1, "Standard", "Standard", { 0, 22, 617, 48 });
    fillToolbar(this, Standard, bpStandard);
    Toolbar1 = newToolbar(this, itaDock1, "Toolbar1", "No Name", { 0, 48, 505, 74 });
    fillToolbar(this, Toolbar1, bpMisc);
    // The bars' controls stand in a row from the grip; then each bar puts
    // back its stored place.
    for (TitaToolBar* bar : { MainMenu, Standard, Toolbar1 }) {
        int x = bar->DragBox()->Left() + bar->DragBox()->Width();
        for (int i = 0; i < bar->ControlCount(); ++i) {
            TControl* c = bar->Controls(i);
            if (c == bar->DragBox())
                continue;
            c->SetLeft(x);
            c->SetAlign(alLeft);
            x += c->Width();
        }
        bar->Loaded();
    }
    itaDock1->Loaded();

    itaPopupButton1 = find<TitaPopupButton>(this, "itaPopupButton1");
    itaPopupButton2 = find<TitaPopupButton>(this, "itaPopupButton2");
    ToolbarButton976 = find<TToolbarButton97>(this, "ToolbarButton976");
    ToolbarButton974 = find<TToolbarButton97>(this, "ToolbarButton974");
    ToolbarButton977 = find<TToolbarButton97>(this, "ToolbarButton977");
    ToolbarButton975 = find<TToolbarButton97>(this, "ToolbarButton975");
    ToolbarButton978 = find<TToolbarButton97>(this, "ToolbarButton978");
    ToolbarButton979 = find<TToolbarButton97>(this, "ToolbarButton979");
    ToolbarButton9710 = find<TToolbarButton97>(this, "ToolbarButton9710");
    MainMenu->OnFloat = Method(this, &TForm1::MainMenuFloat);
    itaPopupButton1->OnClick = Method(this, &TForm1::itaPopupButton1Click);
    itaPopupButton2->OnClick = Method(this, &TForm1::itaPopupButton2Click);
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
        auto* page = NewControl<TTabSheet>(this, control, name);
        page->SetCaption(caption);
        return page;
    };
    TabSheet1 = sheet(PageControl1, "TabSheet1", "Web Pages");
    TabSheet2 = sheet(PageControl1, "TabSheet2", "Link to File");
    TabSheet3 = sheet(PageControl1, "TabSheet3", "Insert HTML");

    PageControl2 = NewControl<TPageControl>(this, TabSheet3, "PageControl2");
    PageControl2->SetAlign(alClient);
    TabSheet4 = sheet(PageControl2, "TabSheet4", "Normal");
    TabSheet5 = sheet(PageControl2, "TabSheet5", "Fonts");
    TabSheet7 = sheet(PageControl2, "TabSheet7", "Applets");
    TabSheet6 = sheet(PageControl2, "TabSheet6", "Characters");
    PlaceTabButtons(this, TabSheet4, bpNormal);
    PlaceTabButtons(this, TabSheet5, bpFonts);
    PlaceTabButtons(this, TabSheet7, bpApplets);
    PlaceTabButtons(this, TabSheet6, bpCharacters);

    Image2 = NewControl<TImage>(this, TabSheet1, "Image2", 8, 8, 185, 121);
    Image2->SetStretch(true);

    Label2 = NewHotSpot(this, TabSheet1, "Label2", 160, 272, 17, 17, Method(this, &TForm1::Label2DblClick));
    buildWebPagesTab();
    buildLinkToFileTab();
}

void TForm1::buildLaunchers()
{
    GoToWeb1 = NewComponent<TGoToWeb>("GoToWeb1");
    GoToWeb1->BrowserState = gwMaximized;
    AppRunner1 = NewComponent<TAppRunner>("AppRunner1");
}
