#pragma once
// The main window with the Select Insert Style dialog, its file list showing
// a folder of the test's own, and the user's ways into the side panel:
// clicks and double clicks on the lists, drops onto the editor, and the
// answer given in the dialog.

#include "tests/editor/AllWindowsFixture.h"

#include <QListWidget>
#include <filesystem>
#include <QTreeWidget>

class SitePanelTest : public AllWindowsTest {
protected:
    // The page starts as "<caret>" with the caret at its end; the file list
    // shows `files` (name and bytes) in a folder of the test's own.
    void StartPanel(bool upperCase, const std::vector<std::pair<std::string, std::string>>& files = { { "a.htm", "x" } })
    {
        if (!upperCase)
            SetSetting("Upercase", "No");
        StartAll();
        StyleAsked = 0;
        Errors.clear();
        Site = Dir.File("site" + std::to_string(++m_sites));
        std::filesystem::create_directory(Site);
        for (const auto& [name, bytes] : files)
            WriteFileBytes(Site + "/" + name, bytes);
        Form1->DirectoryListBox1->SetDirectory(Site);
        SetPage("0123456789", 5);
    }
    QListWidget* Files() { return static_cast<QListWidget*>(Form1->FileListBox1->Widget()); }
    QTreeWidget* Tree() { return static_cast<QTreeWidget*>(Form1->TreeView1->Widget()); }

    void ShowTab(TTabSheet* tab) { Form1->PageControl1->SetActivePage(tab); }
    void ClickFile(int row, bool twice = false)
    {
        ShowTab(Form1->TabSheet2);
        QPoint at = Files()->visualItemRect(Files()->item(row)).center();
        ClickInView(Files(), at, twice);
    }
    void ClickTreeItem(int index, bool twice = false)
    {
        ShowTab(Form1->TabSheet1);
        Form1->TreeView1->MakeVisible(Form1->TreeView1->Items(index));
        TPoint c = Form1->TreeView1->ItemCentre(Form1->TreeView1->Items(index));
        ClickInView(Tree(), QPoint(c.X, c.Y), twice);
    }
    // A drag of `source` dropped onto the editor; false when the editor
    // refused it.
    bool Drop(TControl* source);
    // How the Select Insert Style dialog is answered: the item to pick and
    // OK, -1 for Cancel, -2 for the close box. Counts the openings.
    void Answer(int choice);
    int StyleAsked = 0;
    // The folder the file list shows.
    std::string Site;

    std::string Page() { return Form1->RichEdit1->Text(); }
    int Caret() { return Form1->RichEdit1->SelStart(); }

private:
    int m_sites = 0;
};
