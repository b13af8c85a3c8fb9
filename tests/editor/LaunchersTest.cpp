// The buttons and menu items that open the dialog windows, and the Tools
// menu's companion programs.

#include "tests/editor/MainWindowFixture.h"

#include "platform/StrUtils.h"
#include "tests/platform/ChildProcessHelpers.h"

// The main window with every dialog window made.
using AllWindowsTest = MainWindowTest;

namespace {

// Every button and the number of the window it opens ("ToolbarButton97" and
// "Form" before them): the Normal tab's button before its Misc Toolbar twin,
// where it has one.
const std::pair<int, int> kButtons[] = {
    { 113, 5 }, { 127, 5 }, { 130, 6 }, { 131, 6 }, { 133, 7 }, { 134, 7 }, { 135, 8 }, { 136, 8 }, { 123, 9 }, { 137, 11 },
    { 138, 11 }, { 140, 12 }, { 139, 12 }, { 142, 13 }, { 141, 13 }, { 145, 17 }, { 146, 17 }, { 147, 18 }, { 148, 19 },
    { 149, 19 }, { 150, 20 }, { 151, 20 }, { 152, 21 }, { 153, 21 }, { 154, 22 }, { 155, 22 }, { 156, 23 }, { 157, 23 },
    { 158, 24 }, { 159, 24 }, { 160, 25 }, { 161, 25 }, { 162, 26 }, { 163, 26 }, { 164, 28 }, { 165, 28 },
};

// A missing button fails the test with its name.
TToolbarButton97* button(int n) { return FindComponentAs<TToolbarButton97>(Form1, "ToolbarButton97" + std::to_string(n)); }

}

TEST_F(AllWindowsTest, EveryDialogButtonOpensItsWindowModally)
{
    StartAll();
    for (const auto& [number, window] : kButtons) {
        Shown.clear();
        ClickTabsOf(button(number));
        Do([&] { ClickOn(button(number)); });
        EXPECT_EQ(Shown, std::vector { "Form" + std::to_string(window) }) << number;
    }
    // The dialogs are only shown and hidden again, never made anew.
    EXPECT_EQ(std::tuple(Form5->Visible(), Errors.empty()), std::tuple(false, true));
}

TEST_F(AllWindowsTest, MenuItemsOpenTheirWindowsAndPutTheToolsButtonUp)
{
    StartAll();
    // The item, its window, whether it puts the Tools button up (the context menu's leaves it).
    const std::tuple<const char*, const char*, bool> items[] = {
        { "FrameWizard1", "Form13", true }, { "PageGenerator1", "Form10", true }, { "HorizontalRule1", "Form6", false },
    };
    for (const auto& [item, window, putsUp] : items) {
        Shown.clear();
        Form1->itaMenuButton3->SetDown(true);
        Do([item] { ChooseMenu(item); });
        EXPECT_EQ(Shown, std::vector<std::string> { window }) << item;
        EXPECT_EQ(Form1->itaMenuButton3->Down(), !putsUp) << item;
    }
    // The Tools menu in its order, the separator before the generator.
    TMenuItem* tools = Form1->PopupMenu5->Items();
    std::vector<std::string> captions;
    for (int i = 0; i < tools->Count(); ++i)
        captions.push_back(tools->Items(i)->Caption);
    EXPECT_EQ(captions, (std::vector<std::string> { "Frame Wizard", "FTP Access", "Update Corvana", "-", "&Page Generator" }));
    EXPECT_EQ(std::tuple(Form1->FindComponentAs<TMenuItem>("HorizontalRule1")->Caption,
                  Form1->FindComponentAs<TMenuItem>("Tags1")->Caption),
        std::tuple("Horizontal Rule...", "&Tags"));
}

TEST_F(AllWindowsTest, TheSidePanelTabsCarryTheDialogButtonsWithTheirHints)
{
    StartAll();
    EXPECT_EQ(std::tuple(Form1->TabSheet4->Caption(), Form1->TabSheet7->Caption()), std::tuple("Normal", "Applets"));
    EXPECT_EQ(std::tuple(button(123)->Parent(), button(147)->Parent(), button(123)->Hint(), button(147)->Hint()),
        std::tuple(Form1->TabSheet7, Form1->TabSheet7, "Page Transfer", "Scrolling text on statusbar"));

    // Each Normal-tab button has the hint of its Misc Toolbar twin, and no
    // two buttons of the tab overlap.
    // The twins stand side by side in the launch table, opening one window.
    std::vector<std::pair<int, int>> twins;
    for (std::size_t i = 0; i + 1 < std::size(kButtons); ++i)
        if (kButtons[i].second == kButtons[i + 1].second) {
            twins.push_back({ kButtons[i].first, kButtons[i + 1].first });
            ++i;
        }
    ASSERT_EQ(twins.size(), 17u);
    std::vector<TToolbarButton97*> placed;
    for (auto [tab, misc] : twins) {
        TToolbarButton97* b = button(tab);
        EXPECT_EQ(std::tuple(b->Parent(), b->Hint()), std::tuple(Form1->TabSheet4, button(misc)->Hint())) << tab;
        EXPECT_FALSE(b->Hint().empty());
        for (TToolbarButton97* other : placed) {
            bool apart = b->Left() >= other->Left() + other->Width() || other->Left() >= b->Left() + b->Width()
                || b->Top() >= other->Top() + other->Height() || other->Top() >= b->Top() + b->Height();
            EXPECT_TRUE(apart) << tab << " overlaps " << other->Name;
        }
        placed.push_back(b);
    }
    EXPECT_EQ(std::tuple(button(140)->Caption(), button(139)->Caption()), std::tuple("Abc", "Abc"));
}

TEST_F(AllWindowsTest, ToolsStartTheCompanionProgramsFromTheProgramFolderWithoutWaiting)
{
    TempDir programs("programs");
    // Each program records its arguments, then stays running for a while, as
    // a real window would.
    for (const std::string name : { "update", "ftp" }) {
        const std::string ran = programs.File(name + ".ran");
        WriteScript(programs.File(name), "printf '%s|' \"$@\" > '" + ran + "'; echo \"$PWD\" >> '" + ran + "'; sleep 1");
    }
    StartAll();
    Form1->Edit3->SetText(programs.Path());

    for (const auto& [name, item] : { std::pair("update", "UpdateCorvana1"), std::pair("ftp", "FTPAccess1") }) {
        Form1->itaMenuButton3->SetDown(true);
        auto started = std::chrono::steady_clock::now();
        Do([item] { ChooseMenu(item); });
        // The command returns while the program still runs.
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1)) << name;
        const std::string ran = programs.File(std::string(name) + ".ran");
        ASSERT_TRUE(RunUntil([&] { return FileExistsNow(ran) && ReadFileBytes(ran).find('\n') != std::string::npos; }));
        // No arguments, and the folder the editor runs in.
        EXPECT_EQ(std::tuple(Form1->itaMenuButton3->Down(), Form1->AppRunner1->ApplicationName, ReadFileBytes(ran)),
            std::tuple(false, programs.Path() + "/" + name, "|" + GetCurrentDir() + "\n"));
    }
    EXPECT_EQ(std::tuple(Questions.empty(), Errors.empty()), std::tuple(true, true));
}

TEST_F(AllWindowsTest, AMissingCompanionProgramDoesNothingVisible)
{
    TempDir empty("programs");
    StartAll();
    Form1->Edit3->SetText(empty.Path());
    Do([] { ChooseMenu("UpdateCorvana1"); });
    Do([] { ChooseMenu("FTPAccess1"); });
    RunFor(50);
    EXPECT_EQ(std::tuple(Questions.empty(), Errors.empty(), Form1->AppRunner1->Terminated()), std::tuple(true, true, false));
}
