#pragma once
// TForm1, the main window of corvana: the one page being edited, the hidden
// fields through which the dialogs exchange settings and results, and the
// document commands.

#include "editor/Settings.h"
#include "page/Page.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/FileCtrl.h"
#include "platform/FileDialog.h"
#include "platform/FormBuilder.h"
#include "platform/Menus.h"
#include "platform/RichEdit.h"
#include "platform/StdCtrls.h"
#include "platform/TreeView.h"
#include "widgets/AppRun.h"
#include "widgets/GoToWeb.h"
#include "widgets/TB97.h"
#include "widgets/explbtn.h"
#include "widgets/ita_Office97.h"
#include "widgets/marsCap.h"

#include <memory>
#include <string>

class TForm1 : public TDesignedForm {
public:
    explicit TForm1(TComponent* owner);

    // --- Window parts -----------------------------------------------------
    TitaDock* itaDock1;
    TitaToolBar* MainMenu;
    TitaToolBar* Standard;
    TitaToolBar* Toolbar1;
    TitaMenuButton* itaMenuButton1;  // "File"
    TitaMenuButton* itaMenuButton2;  // "Edit"
    TitaMenuButton* itaMenuButton3;  // "Tools"
    TitaMenuButton* itaMenuButton4;  // "Tags"
    TitaMenuButton* itaMenuButton5;  // "Help"
    TitaMenuButton* itaMenuButton6;  // "View"
    TitaPopupButton* itaPopupButton1;  // panel toggle; down = panel shown
    TitaPopupButton* itaPopupButton2;  // tag-case toggle; down = lower case
    TitaGlyphs* itaGlyphs1;  // the toggles' pictures: cell 0 panel, cell 1 tag case
    TitaGlyphs* itaGlyphs2;  // the same pictures greyed
    TPanel* Panel3;
    TPageControl* PageControl1;
    TTabSheet* TabSheet1;  // "Web Pages"
    TTabSheet* TabSheet2;  // "Link to File"
    TTabSheet* TabSheet3;  // "Insert HTML"
    TPageControl* PageControl2;
    TTabSheet* TabSheet4;  // "Normal"
    TTabSheet* TabSheet5;  // "Fonts"
    TTabSheet* TabSheet7;  // "Applets"
    TTabSheet* TabSheet6;  // "Characters"
    TImage* Image2;
    TTreeView* TreeView1;  // the link tree on "Web Pages"
    TButton* Button1;      // "Go There!"
    TDriveComboBox* DriveComboBox1;      // "Link to File": places
    TDirectoryListBox* DirectoryListBox1;
    TFileListBox* FileListBox1;
    TFilterComboBox* FilterComboBox1;
    TButton* Button2;      // "&Link To File"
    TRichEdit* RichEdit1;
    TStatusBar* StatusBar1;
    TOpenDialog* OpenDialog1;
    TSaveDialog* SaveDialog1;
    TOpenDialog* OpenDialog2;
    TGoToWeb* GoToWeb1;  // opens the saved page in the browser
    TAppRunner* AppRunner1;  // starts the companion programs
    TMarsCaption* MarsCaption1;  // the painted title bar

    // Tool buttons by name (all of them are also found with FindComponent).
    TToolbarButton97* ToolbarButton976;   // New
    TToolbarButton97* ToolbarButton974;   // Open
    TToolbarButton97* ToolbarButton977;   // Save
    TToolbarButton97* ToolbarButton975;   // Cut
    TToolbarButton97* ToolbarButton978;   // Copy
    TToolbarButton97* ToolbarButton979;   // Paste
    TToolbarButton97* ToolbarButton9710;  // Preview in Browser

    // Menus.
    TMainMenu* MainMenu1;
    TPopupMenu* PopupMenu1;  // Edit
    TPopupMenu* PopupMenu2;  // File
    TPopupMenu* PopupMenu3;  // Tags
    TPopupMenu* PopupMenu4;  // Help
    TPopupMenu* PopupMenu5;  // Tools
    TPopupMenu* PopupMenu6;  // the editor's context menu
    TPopupMenu* PopupMenu7;  // View
    TPopupMenu* PopupMenu8;  // the toolbars' context menu
    TMenuItem* Undo1;
    TMenuItem* Cut1;
    TMenuItem* Copy1;
    TMenuItem* Paste1;
    TMenuItem* Cut2;
    TMenuItem* Copy2;
    TMenuItem* Paste2;

    // --- Hidden fields, read and written by the other windows -------------
    TEdit* Edit1;  // path of the page, "Untitled" without one
    TEdit* Edit2;  // quote put around attribute values
    TEdit* Edit3;  // program folder
    TEdit* Edit4;  // tag case: "Upercase" or "Lowercase"
    TLabel* Label2;  // hot spot on the "Web Pages" tab
    TLabel* Label3;  // source of the next drop
    TLabel* Label4;  // preview go-ahead
    TLabel* Label6;  // start-up tip flag
    TLabel* Label8;  // About-box picture flag
    TRichEdit* RichEdit2;  // whole files to be inserted
    TRichEdit* RichEdit3;  // the dialogs' scratch buffer
    TOfficeButton* OfficeButton1;  // the new-page procedure
    TOfficeButton* OfficeButton2;  // save, then allow the preview
    TOfficeButton* OfficeButton12;  // the open-file procedure

    // --- Start-up and window life ------------------------------------------
    void FormCreate(TObject* sender);
    void FormShow(TObject* sender);
    void FormActivate(TObject* sender);
    void FormResize(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);
    void FormDestroy(TObject* sender);

    // --- Document commands ---------------------------------------------------
    void New1Click(TObject* sender);
    void Open1Click(TObject* sender);
    void Save1Click(TObject* sender);
    void Saveas1Click(TObject* sender);
    void Insert1Click(TObject* sender);
    void Exit1Click(TObject* sender);
    void Undo1Click(TObject* sender);
    void ToolbarButton975Click(TObject* sender);  // Cut
    void ToolbarButton978Click(TObject* sender);  // Copy
    void ToolbarButton979Click(TObject* sender);  // Paste
    void SelectAll2Click(TObject* sender);
    void OfficeButton1Click(TObject* sender);  // the new-page procedure
    void OfficeButton12Click(TObject* sender);  // the open-file procedure

    // --- Preview and companion programs ----------------------------------
    void ToolbarButton9710Click(TObject* sender);  // Preview in Browser
    void OfficeButton2Click(TObject* sender);  // save, then allow the preview
    void FTPAccess1Click(TObject* sender);
    void UpdateCorvana1Click(TObject* sender);

    // --- Help, Tip of the Day and About box ------------------------------------
    void Help1Click(TObject* sender);
    void TipoftheDay2Click(TObject* sender);
    void About1Click(TObject* sender);
    void Label2DblClick(TObject* sender);

    // --- Side panel: the link tree and the file browser ------------------------
    void TreeView1Click(TObject* sender);
    void TreeView1DblClick(TObject* sender);
    void Button1Click(TObject* sender);  // Go There!
    void FileListBox1Click(TObject* sender);
    void FileListBox1DblClick(TObject* sender);
    void Button2Click(TObject* sender);  // Link To File
    void RichEdit1DragOver(TObject* sender, TObject* source, int x, int y, bool& accept);
    void RichEdit1DragDrop(TObject* sender, TObject* source, int x, int y);

    // --- Editor events and enabling rules ------------------------------------
    void RichEdit1KeyDown(TObject* sender, std::uint16_t& key, TShiftState shift);
    void RichEdit1SelectionChange(TObject* sender);
    void PopupMenu1Popup(TObject* sender);
    void PopupMenu6Popup(TObject* sender);

    // --- View options ------------------------------------------------------
    void itaPopupButton1Click(TObject* sender);  // panel toggle
    void itaPopupButton2Click(TObject* sender);  // tag-case toggle
    void MainToolbar2Click(TObject* sender);
    void StandardToolbar2Click(TObject* sender);
    void MiscToolbar1Click(TObject* sender);
    void ShowHidePanel2Click(TObject* sender);
    void PopupMenu7Popup(TObject* sender);
    void PopupMenu8Popup(TObject* sender);
    void MainMenuFloat(TObject* sender);

    bool UpperCaseTags() const { return m_page->UpperCase(); }
    // The page over RichEdit1, RichEdit3, Edit2 and Edit4, handed to every
    // dialog and generator.
    TPage& Page() { return *m_page; }
    // The program's reads and writes of its settings, shared with the Tip of
    // the Day.
    TSettingsReader& SettingsReader() { return m_settings; }
    TSettingsWriter& SettingsWriter() { return m_settingsWriter; }

private:
    std::unique_ptr<TPage> m_page;
    TSettingsReader m_settings;
    TSettingsWriter m_settingsWriter;
    void buildToolbars();
    void buildMenus();
    void buildSidePanel();
    void buildHiddenFields();
    void buildLaunchers();
    void buildWebPagesTab();
    void buildLinkToFileTab();
    void acceptPanelDrops();
    void openTreeItem();
    void fileInsert(bool upperCase);
    void buildCaptionBar();
    void putUp(TitaMenuButton*);
    // A View menu's check marks follow which bars and whether the panel show
    // (a null name: the menu has no such item).
    void checkViewItems(const char* mainBar, const char* standardBar, const char* miscBar, const char* panel);
    // The page now is the file at `path`, with nothing left to save.
    void pageIsFile(const std::string& path);
};

extern TForm1* Form1;
