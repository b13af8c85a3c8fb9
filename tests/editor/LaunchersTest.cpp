// The buttons and menu items that open the dialog windows, and the Tools
// menu's companion programs.

#include "tests/editor/AllWindowsFixture.h"

#include "platform/Menus.h"
#include "platform/StrUtils.h"
#include "tests/platform/ChildProcessHelpers.h"

namespace {

struct Launch {
    const char* control;
    const char* window;
};

// Every button and the window it opens: the Normal tab's button before its
// Misc Toolbar twin, where it has one.
const Launch kButtons[] = {
    { "ToolbarButton97113", "Form5" }, { "ToolbarButton97127", "Form5" },
    { "ToolbarButton97130", "Form6" }, { "ToolbarButton97131", "Form6" },
    { "ToolbarButton97133", "Form7" }, { "ToolbarButton97134", "Form7" },
    { "ToolbarButton97135", "Form8" }, { "ToolbarButton97136", "Form8" },
    { "ToolbarButton97123", "Form9" },
    { "ToolbarButton97137", "Form11" }, { "ToolbarButton97138", "Form11" },
    { "ToolbarButton97140", "Form12" }, { "ToolbarButton97139", "Form12" },
    { "ToolbarButton97142", "Form13" }, { "ToolbarButton97141", "Form13" },
    { "ToolbarButton97145", "Form17" }, { "ToolbarButton97146", "Form17" },
    { "ToolbarButton97147", "Form18" },
    { "ToolbarButton97148", "Form19" }, { "ToolbarButton97149", "Form19" },
    { "ToolbarButton97150", "Form20" }, { "ToolbarButton97151", "Form20" },
    { "ToolbarButton97152", "Form21" }, { "ToolbarButton97153", "Form21" },
    { "ToolbarButton97154", "Form22" }, { "ToolbarButton97155", "Form22" },
    { "ToolbarButton97156", "Form23" }, { "ToolbarButton97157", "Form23" },
    { "ToolbarButton97158", "Form24" }, { "ToolbarButton97159", "Form24" },
    { "ToolbarButton97160", "Form25" }, { "ToolbarButton97161", "Form25" },
    { "ToolbarButton97162", "Form26" }, { "ToolbarButton97163", "Form26" },
    { "ToolbarButton97164", "Form28" }, { "ToolbarButton97165", "Form28" },
};

template<class T>
T* find(const char* name)
{
    auto* c = dynamic_cast<T*>(Form1->FindComponent(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

}

TEST_F(AllWindowsTest, EveryDialogButtonOpensItsWindowModally)
{
    StartAll();
    for (const Launch& launch : kButtons) {
        Shown.clear();
        auto* button = find<TToolbarButton97>(launch.control);
        ASSERT_NE(button, nullptr);
        Do([&] { button->Click(); });
        ASSERT_EQ(Shown.size(), 1u) << launch.control;
        EXPECT_EQ(Shown[0], launch.window) << launch.control;
    }
    // The dialogs are only shown and hidden again, never made anew.
    EXPECT_FALSE(Form5->Visible());
    EXPECT_TRUE(Errors.empty());
}

TEST_F(AllWindowsTest, MenuItemsOpenTheirWindowsAndPutTheToolsButtonUp)
{
    StartAll();
    const Launch items[] = {
        { "FrameWizard1", "Form13" },
        { "PageGenerator1", "Form10" },
        { "HorizontalRule1", "Form6" },
    };
    for (const Launch& item : items) {
        Shown.clear();
        Form1->itaMenuButton3->SetDown(true);
        auto* menuItem = find<TMenuItem>(item.control);
        ASSERT_NE(menuItem, nullptr);
        Do([&] { menuItem->Click(); });
        ASSERT_EQ(Shown.size(), 1u) << item.control;
        EXPECT_EQ(Shown[0], item.window);
        if (std::string(item.control) != "HorizontalRule1") {
            EXPECT_FALSE(Form1->itaMenuButton3->Down()) << item.control;
        }
    }
    // The Tools menu in its order, the separator before the generator.
    TMenuItem* tools = Form1->PopupMenu5->Items();
    std::vector<std::string> captions;
    for (int i = 0; i < tools->Count(); ++i)
        captions.push_back(tools->Items(i)->Caption);
    EXPECT_EQ(captions, (std::vector<std::string> { "Frame Wizard", "FTP Access", "Update Corvana", "-", "&Page Generator" }));
    EXPECT_EQ(find<TMenuItem>("HorizontalRule1")->Caption, "Horizontal Rule...");
    EXPECT_EQ(find<TMenuItem>("Tags1")->Caption, "&Tags");
}

TEST_F(AllWindowsTest, TheSidePanelTabsCarryTheDialogButtonsWithTheirHints)
{
    StartAll();
    EXPECT_EQ(Form1->TabSheet4->Caption(), "Normal");
    EXPECT_EQ(Form1->TabSheet7->Caption(), "Applets");
    auto* transfer = find<TToolbarButton97>("ToolbarButton97123");
    auto* scroller = find<TToolbarButton97>("ToolbarButton97147");
    EXPECT_EQ(transfer->Parent(), Form1->TabSheet7);
    EXPECT_EQ(scroller->Parent(), Form1->TabSheet7);
    EXPECT_EQ(transfer->Hint(), "Page Transfer");
    EXPECT_EQ(scroller->Hint(), "Scrolling text on statusbar");

    // Each Normal-tab button has the hint of its Misc Toolbar twin, and no
    // two buttons of the tab overlap.
    // The twins stand side by side in the launch table, opening one window.
    std::vector<std::pair<const char*, const char*>> twins;
    for (std::size_t i = 0; i + 1 < std::size(kButtons); ++i)
        if (std::string(kButtons[i].window) == kButtons[i + 1].window)
            twins.push_back({ kButtons[i].control, kButtons[++i].control });
    ASSERT_EQ(twins.size(), 17u);
    std::vector<TToolbarButton97*> placed;
    for (auto [tab, misc] : twins) {
        auto* button = find<TToolbarButton97>(tab);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->Parent(), Form1->TabSheet4) << tab;
        EXPECT_EQ(button->Hint(), find<TToolbarButton97>(misc)->Hint()) << tab;
        EXPECT_FALSE(button->Hint().empty());
        for (TToolbarButton97* other : placed) {
            bool apart = button->Left() >= other->Left() + other->Width() || other->Left() >= button->Left() + button->Width()
                || button->Top() >= other->Top() + other->Height() || other->Top() >= button->Top() + button->Height();
            EXPECT_TRUE(apart) << tab << " overlaps " << other->Name;
        }
        placed.push_back(button);
    }
    EXPECT_EQ(find<TToolbarButton97>("ToolbarButton97140")->Caption(), "Abc");
    EXPECT_EQ(find<TToolbarButton97>("ToolbarButton97139")->Caption(), "Abc");
}

TEST_F(AllWindowsTest, ToolsStartTheCompanionProgramsFromTheProgramFolderWithoutWaiting)
{
    TempDir programs("programs");
    // Each program records its arguments, then stays running for a while, as
    // a real window would.
    for (const char* name : { "update", "ftp" })
        WriteScript(programs.File(name),
            "printf '%s|' \"$@\" > '" + programs.File(std::string(name) + ".ran") + "'; echo \"$PWD\" >> '" + programs.File(std::string(name) + ".ran") + "'; sleep 1");
    StartAll();
    Form1->Edit3->SetText(programs.Path());

    Form1->itaMenuButton3->SetDown(true);
    auto started = std::chrono::steady_clock::now();
    Do([] { find<TMenuItem>("UpdateCorvana1")->Click(); });
    // The command returns while the program still runs.
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1));
    EXPECT_FALSE(Form1->itaMenuButton3->Down());
    EXPECT_EQ(Form1->AppRunner1->ApplicationName, programs.Path() + "/update");
    ASSERT_TRUE(RunUntil([&] { return FileExistsNow(programs.File("update.ran")); }));

    Form1->itaMenuButton3->SetDown(true);
    Do([] { find<TMenuItem>("FTPAccess1")->Click(); });
    EXPECT_FALSE(Form1->itaMenuButton3->Down());
    ASSERT_TRUE(RunUntil([&] { return FileExistsNow(programs.File("ftp.ran")); }));
    // No arguments, and the folder the editor runs in.
    RunUntil([&] { return ReadFileBytes(programs.File("ftp.ran")).find('\n') != std::string::npos; });
    EXPECT_EQ(ReadFileBytes(programs.File("update.ran")), "|" + GetCurrentDir() + "\n");
    EXPECT_EQ(ReadFileBytes(programs.File("ftp.ran")), "|" + GetCurrentDir() + "\n");
    EXPECT_TRUE(Questions.empty());
    EXPECT_TRUE(Errors.empty());
}

TEST_F(AllWindowsTest, AMissingCompanionProgramDoesNothingVisible)
{
    TempDir empty("programs");
    StartAll();
    Form1->Edit3->SetText(empty.Path());
    Do([] { find<TMenuItem>("UpdateCorvana1")->Click(); });
    Do([] { find<TMenuItem>("FTPAccess1")->Click(); });
    RunFor(50);
    EXPECT_TRUE(Questions.empty());
    EXPECT_TRUE(Errors.empty());
    EXPECT_FALSE(Form1->AppRunner1->Terminated());
}
