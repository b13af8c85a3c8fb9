// The side panel as the user meets it: the main window with the Select
// Insert Style dialog, its file list showing a folder of the test's own,
// clicks and double clicks on the lists, drops onto the editor, and the
// answer given in the dialog.

#include "tests/editor/MainWindowFixture.h"

#include "generators/HomePage.h"
#include "platform/DragDrop.h"
#include "tests/widgets/FakeBrowser.h"

#include <QComboBox>
#include <QMimeData>
#include <QTreeWidget>

#include <sys/stat.h>

#include <cstdio>

class SitePanelTest : public MainWindowTest {
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
        std::filesystem::remove_all(Site);
        std::filesystem::create_directory(Site);
        for (const auto& [name, bytes] : files)
            WriteFileBytes(Site + "/" + name, bytes);
        Form1->DirectoryListBox1->SetDirectory(Site);
        SetPage("0123456789", 5);
    }
    QListWidget* Files() { return static_cast<QListWidget*>(Form1->FileListBox1->Widget()); }

    void ClickFile(int row, bool twice = false)
    {
        Form1->PageControl1->SetActivePage(Form1->TabSheet2);
        ClickInView(Files(), Files()->visualItemRect(Files()->item(row)).center(), twice);
    }
    void ClickTreeItem(int index, bool twice = false)
    {
        Form1->PageControl1->SetActivePage(Form1->TabSheet1);
        Form1->TreeView1->MakeVisible(Form1->TreeView1->Items(index));
        TPoint c = Form1->TreeView1->ItemCentre(Form1->TreeView1->Items(index));
        ClickInView(static_cast<QTreeWidget*>(Form1->TreeView1->Widget()), QPoint(c.X, c.Y), twice);
    }
    // A drag of `source` dropped onto the editor; false when the editor
    // refused it.
    bool Drop(TControl* source)
    {
        QWidget* target = Form1->RichEdit1->Editor()->viewport();
        std::unique_ptr<QMimeData> data(source ? DragData(source) : new QMimeData);
        if (!source)
            data->setText("from elsewhere");
        if (!DragEnterAt(target, data.get(), { 20, 20 }))
            return false;
        Do([&] { DropAt(target, data.get(), { 20, 20 }); });
        return true;
    }
    // How the Select Insert Style dialog is answered: the item to pick and
    // OK, -1 for Cancel, -2 for the close box. Counts the openings.
    void Answer(int choice)
    {
        InModal = [this, choice](TForm* form) {
            ++StyleAsked;
            auto* dialog = static_cast<TForm3*>(form);
            if (choice == -2)
                CloseBox(form);
            else if (choice == -1)
                ClickOn(dialog->Button2);
            else {
                static_cast<QComboBox*>(dialog->ComboBox1->Widget())->setCurrentIndex(choice);
                ClickOn(dialog->Button1);
            }
        };
    }
    int StyleAsked = 0;
    // The folder the file list shows.
    std::string Site = Dir.File("site");

    std::string Page() { return Form1->RichEdit1->Text(); }
    int Caret() { return Form1->RichEdit1->SelStart(); }
};

TEST_F(SitePanelTest, ADropBeforeAnyClickInsertsNothingAndAsksNothing)
{
    StartPanel(true);
    Answer(0);
    EXPECT_TRUE(Drop(Form1->FileListBox1));
    EXPECT_TRUE(Drop(Form1->TreeView1));
    EXPECT_EQ(std::tuple(Page(), StyleAsked, Form3->Label2->Caption()), std::tuple("0123456789", 0, "Orvelin"));
    EXPECT_FALSE(Drop(nullptr)) << "drags from outside the program are refused";
}

TEST_F(SitePanelTest, EveryInsertStyleInBothCasesPutsTheCaretWhereTheTextGoes)
{
    // The choice, the insert in upper and lower case, the characters between the caret and its end.
    const std::tuple<int, const char*, const char*, int> cases[] = {
        { 0, "<A HREF=\"a.htm\"></A>", "<a href=\"a.htm\"></a>", 4 },
        { 1, "<IMG SRC=\"a.htm\" BORDER=0 ALT=\"\">", "<img src=\"a.htm\" border=0 alt=\"\">", 2 },
        { 2, "<BGSOUND SRC=\"a.htm\" LOOP=INFINITE>", "<bgsound src=\"a.htm\" loop=infinite>", 0 },
        { 3, "<PRE>\nline one\nline two\n</PRE>", "<pre>\nline one\nline two\n</pre>", 0 },
        { -1, "", "", 0 },  // Cancel
        { -2, "<A HREF=\"a.htm\"></A>", "<a href=\"a.htm\"></a>", 4 },  // the close box: no word is a link
    };
    for (bool upper : { true, false }) {
        for (const auto& [choice, upperInsert, lowerInsert, caretFromEnd] : cases) {
            StartPanel(upper, { { "a.htm", "line one\r\nline two" } });
            Answer(choice);
            ClickFile(0);
            EXPECT_EQ(Form1->Label3->Caption(), "Orvelins");
            EXPECT_TRUE(Drop(Form1->FileListBox1));
            std::string insert = upper ? upperInsert : lowerInsert;
            EXPECT_EQ(std::tuple(Page(), Caret(), StyleAsked, Form3->Label2->Caption(), Form1->Label3->Caption()),
                std::tuple("01234" + insert + "56789", 5 + int(insert.size()) - caretFromEnd, 1, "Orvelin", "Orvelins"))
                << choice << " upper " << upper << "; a drop keeps the marker";
            TearDown();
        }
    }
}

TEST_F(SitePanelTest, EveryDropAfterAFileClickAsksAgain)
{
    StartPanel(true);
    Answer(-1);
    ClickFile(0);
    Drop(Form1->TreeView1);  // the marker counts, not the drag's source
    Drop(Form1->FileListBox1);
    EXPECT_EQ(StyleAsked, 2);
}

TEST_F(SitePanelTest, LinkToFileWritesUpperCaseOncePerClick)
{
    StartPanel(false);
    Answer(0);
    ClickFile(0);
    ClickOn(Form1->Button2);
    EXPECT_EQ(std::tuple(Page(), Form1->Label3->Caption(), Form3->Label2->Caption()),
        std::tuple("01234<A HREF=\"a.htm\"></A>56789", "Orvelin is best", "Orvelin"));
    ClickOn(Form1->Button2);
    EXPECT_TRUE(Drop(Form1->FileListBox1));
    EXPECT_EQ(StyleAsked, 1);
    // A double click on the file list is a click and Link To File.
    Answer(1);
    ClickFile(0, true);
    EXPECT_NE(Page().find("<IMG SRC=\"a.htm\" BORDER=0 ALT=\"\">"), std::string::npos);
    EXPECT_EQ(std::tuple(StyleAsked, Form1->Label3->Caption()), std::tuple(2, "Orvelin is best"));
}

TEST_F(SitePanelTest, AFileChosenWithTheArrowKeysIsLinkedFromTheKeyboard)
{
    StartPanel(true, { { "a.htm", "x" }, { "b.gif", "y" } });
    Answer(0);
    Form1->PageControl1->SetActivePage(Form1->TabSheet2);
    Form1->FileListBox1->SetFocus();
    KeyOn(Files(), Qt::Key_Down);
    KeyOn(Files(), Qt::Key_Down);
    EXPECT_EQ(Form1->Label3->Caption(), "Orvelins");
    Form1->Button2->SetFocus();
    KeyOn(Form1->Button2, Qt::Key_Return);
    EXPECT_EQ(Page(), "01234<A HREF=\"b.gif\"></A>56789");
}

TEST_F(SitePanelTest, TreeItemsOpenInTheBrowserAndDropAsAnchors)
{
    // The item, what the browser gets ("" for nothing), the text of the lower-case anchor a drop writes
    // with that address (none for nothing).
    const std::tuple<int, const char*, const char*> cases[] = {
        { 0, "", "" }, { 3, "", "" }, { 5, "", "" },
        // The one home page the About box and the entry page name too.
        { 1, kProductHomePage, "Corvana's Homepage" }, { 2, "http://www.corvana.example/palisade/", "Palisade's Homepage" },
        { 4, "mailto:author@corvana.example", "Tomas Brelwick" }, { 6, "https://duckduckgo.com/", "DuckDuckGo" },
        { 7, "https://www.gnu.org/", "The GNU Project" }, { 8, "https://www.qt.io/", "The Qt Company" },
        { 9, "https://www.mozilla.org/", "Mozilla" },
    };
    for (const auto& [index, opened, text] : cases) {
        const std::string anchor = *opened ? "<a href=\"" + std::string(opened) + "\">" + text + "</a>" : "";
        for (bool goThere : { false, true }) {
            FakeBrowser browser;
            browser.Register();
            StartPanel(false);
            ClickTreeItem(index, !goThere);
            if (goThere)
                ClickOn(Form1->Button1);
            if (*opened)
                EXPECT_EQ(browser.Arguments(), std::string(opened) + "\n") << index;
            else
                EXPECT_FALSE(browser.Started(100)) << index;
            EXPECT_EQ(Form1->Label3->Caption(), "Orvelin");
            EXPECT_TRUE(Drop(Form1->FileListBox1));
            EXPECT_EQ(Page(), "01234" + anchor + "56789") << index;
            TearDown();
        }
    }
}

TEST_F(SitePanelTest, AFileListThatLostItsSelectionAsksNothingAndResetsTheMarkers)
{
    StartPanel(true, { { "a.htm", "x" }, { "b.gif", "y" } });
    Answer(0);
    ClickFile(1);
    Form1->FilterComboBox1->SetItemIndex(2);  // web documents only: b.gif goes
    EXPECT_EQ(Form1->FileListBox1->Count(), 1);
    Drop(Form1->FileListBox1);
    ClickOn(Form1->Button2);
    EXPECT_EQ(std::tuple(StyleAsked, Errors, Page(), Form1->Label3->Caption(), Form3->Label2->Caption()),
        std::tuple(0, std::vector<std::string> {}, "0123456789", "Orvelin is best", "Orvelin"));
}

TEST_F(SitePanelTest, TextThatCannotBeReadLeavesThePageUntouched)
{
    // The file, its bytes, whether it goes before the drop, the error.
    const std::tuple<const char*, std::string, bool, const char*> cases[] = {
        { "gone.txt", "x", true, "Cannot open file" },
        { "binary.dat", std::string("a\0b", 3), false, "binary data" },
        { "huge.txt", std::string((50u << 20), 'x'), false, "larger than" },
    };
    for (const auto& [name, bytes, vanish, error] : cases) {
        StartPanel(true, { { name, bytes } });
        Answer(3);
        ClickFile(0);
        if (vanish)
            std::remove((Site + "/" + name).c_str());
        Drop(Form1->FileListBox1);
        EXPECT_EQ(Page(), "0123456789") << name;
        ASSERT_EQ(Errors.size(), 1u) << name;
        EXPECT_NE(Errors[0].find(error), std::string::npos) << Errors[0];
        TearDown();
    }
}

TEST_F(SitePanelTest, AwkwardFileNamesGoInWhole)
{
    const std::pair<std::string, std::string> cases[] = {
        { "my page.htm", "my page.htm" }, { "say \"hi\".htm", "say %22hi%22.htm" }, { "it's <b>.htm", "it%27s %3Cb%3E.htm" },
        { "100%.htm", "100%25.htm" }, { "line\nbreak.htm", "line%0Abreak.htm" }, { "caf\xC3\xA9.htm", "caf\xC3\xA9.htm" },
        { "caf\xE9.htm", "caf%E9.htm" },
    };
    for (const auto& [name, href] : cases) {
        StartPanel(true, { { name, "x" } });
        ASSERT_EQ(Form1->FileListBox1->Count(), 1);
        EXPECT_EQ(Form1->FileListBox1->Items(0), name);
        Answer(0);
        ClickFile(0);
        Drop(Form1->FileListBox1);
        EXPECT_EQ(Page(), "01234<A HREF=\"" + href + "\"></A>56789");
        TearDown();
    }
}

TEST_F(SitePanelTest, TheFileBrowserFollowsPlaceFolderAndFilter)
{
    StartPanel(true,
        { { "page.HTM", "" }, { "b.html", "" }, { "pic.gif", "" }, { "pic2.JPG", "" }, { "notes.txt", "" }, { ".hidden", "" } });
    ::mkdir((Site + "/sub").c_str(), 0755);
    ::symlink((Site + "/nowhere").c_str(), (Site + "/dangling.htm").c_str());
    Form1->DirectoryListBox1->SetDirectory(Site);
    const std::pair<int, std::vector<std::string>> cases[] = {
        { 0, { "b.html", "dangling.htm", "notes.txt", "page.HTM", "pic.gif", "pic2.JPG" } },
        { 1, { "b.html", "dangling.htm", "page.HTM", "pic.gif", "pic2.JPG" } },
        { 2, { "b.html", "dangling.htm", "page.HTM" } },
        { 3, { "pic.gif", "pic2.JPG" } },
    };
    for (const auto& [filter, files] : cases) {
        Form1->FilterComboBox1->SetItemIndex(filter);
        std::vector<std::string> shown;
        for (int i = 0; i < Form1->FileListBox1->Count(); ++i)
            shown.push_back(Form1->FileListBox1->Items(i));
        EXPECT_EQ(shown, files) << Form1->FilterComboBox1->Filters()[std::size_t(filter)].Description;
    }
    EXPECT_EQ(Form1->FilterComboBox1->Filters().size(), 4u);

    // The folder list: the chain from "/" and the folders inside.
    const std::vector<std::string>& folders = Form1->DirectoryListBox1->Folders();
    EXPECT_EQ(std::tuple(folders.front(), folders.back()), std::tuple("/", Site + "/sub"));
    Form1->PageControl1->SetActivePage(Form1->TabSheet2);
    auto* list = static_cast<QListWidget*>(Form1->DirectoryListBox1->Widget());
    ClickInView(list, list->visualItemRect(list->item(int(folders.size()) - 1)).center(), true);
    EXPECT_EQ(std::tuple(Form1->DirectoryListBox1->Directory(), Form1->FileListBox1->Count()), std::tuple(Site + "/sub", 0));
}

TEST_F(SitePanelTest, AFolderThatCannotBeReadIsNamed)
{
    StartPanel(true);
    std::string locked = Dir.File("locked"), vanished = Dir.File("vanished");
    ::mkdir(locked.c_str(), 0);
    bool root = ::geteuid() == 0;  // root reads every folder
    for (const std::string& folder : { vanished, locked }) {
        if (folder == locked && root)
            continue;
        Errors.clear();
        Do([&] { Form1->DirectoryListBox1->SetDirectory(folder); });
        ASSERT_EQ(Errors.size(), 1u);
        EXPECT_NE(Errors[0].find("Cannot read the folder " + folder), std::string::npos) << Errors[0];
        EXPECT_EQ(std::tuple(Form1->FileListBox1->Count(), Form1->DirectoryListBox1->Folders().back()), std::tuple(0, folder))
            << "the chain still shows";
    }
    ::chmod(locked.c_str(), 0755);
}

TEST(Places, MountPointsAUserWouldPickWithTheirEscapesDecoded)
{
    const std::string mounts = "/dev/sda1 / ext4 rw 0 0\nproc /proc proc rw 0 0\n/dev/sdb1 /media/me/USB\\040STICK vfat rw 0 0\n"
                               "/dev/sdc1 /mnt/backup ext4 rw 0 0\n/dev/sdd1 /run/media/me/Disk ext4 rw 0 0\n"
                               "tmpfs /run/user/1000 tmpfs rw 0 0\n/dev/sdb1 /media/me/USB\\040STICK vfat rw 0 0\n";
    EXPECT_EQ(PlacesFromMounts(mounts, "/home/me"),
        (std::vector<std::string> { "/", "/home/me", "/media/me/USB STICK", "/mnt/backup", "/run/media/me/Disk" }));
}
