// The view options: the panel and tag-case toggles clicked on the Standard
// bar, and the toolbar items of the View menu, the toolbars' context menu
// and the editor's View submenu with their check marks.

#include "tests/editor/MainWindowFixture.h"

#include "widgets/flpfrm97.h"
#include "widgets/ita_common.h"

namespace {

bool checked(const char* name) { return FindComponentAs<TMenuItem>(Form1, name)->Checked; }

void clickToggle(TControl* toggle) { ClickAt(toggle->Widget(), { 5, 5 }); }

// The side panel as the window shows it: whether it is there, and its button.
auto panel() { return std::tuple(Form1->Panel3->Visible(), Form1->itaPopupButton1->Down()); }

}  // namespace

TEST_F(MainWindowTest, ThePanelToggleWritesPanelAndPutsTheEditorBesideThePanelAtOnce)
{
    Start();
    Form1->FormResize(Form1);
    clickToggle(Form1->itaPopupButton1);
    EXPECT_EQ(std::tuple(StoredInteger("Panel"), panel(), Form1->RichEdit1->Align()),
        std::tuple(1, std::tuple(false, false), alClient));
    clickToggle(Form1->itaPopupButton1);
    EXPECT_EQ(std::tuple(StoredInteger("Panel"), panel(), Form1->RichEdit1->Width(), Form1->RichEdit1->Left()),
        std::tuple(2, std::tuple(true, true), Form1->ClientWidth() - 209, 209));
}

TEST_F(MainWindowTest, TheTagCaseToggleTwiceReturnsSettingAndFieldAndLeavesTheText)
{
    Start();
    const std::string text = Form1->RichEdit1->Text();
    // The tag case as stored, shown and on its toggle.
    auto tagCase = [this] { return std::tuple(StoredString("Upercase"), Form1->Edit4->Text(), Form1->itaPopupButton2->Down()); };
    clickToggle(Form1->itaPopupButton2);
    EXPECT_EQ(tagCase(), std::tuple("No", "Lowercase", true));
    clickToggle(Form1->itaPopupButton2);
    EXPECT_EQ(std::tuple(tagCase(), Form1->RichEdit1->Text()), std::tuple(std::tuple("Yes", "Upercase", false), text));
}

TEST_F(MainWindowTest, TogglesWorkOnAStoreThatCannotBeWrittenWhichIsShownOnceAndKept)
{
    Start();
    Form1->FormResize(Form1);
    const std::string store = std::string(std::getenv("XDG_CONFIG_HOME")) + "/corvana-registry/HKEY_LOCAL_MACHINE";
    WriteFileBytes(store, "damaged");
    clickToggle(Form1->itaPopupButton1);
    EXPECT_FALSE(Form1->Panel3->Visible());
    clickToggle(Form1->itaPopupButton2);
    EXPECT_EQ(std::tuple(Form1->Edit4->Text(), Errors, ReadFileBytes(store)),
        std::tuple("Lowercase", std::vector<std::string> { "Failed to set data for 'Panel'" }, "damaged"));
}

TEST_F(MainWindowTest, ToolbarItemsShowAndHideTheirBarWithCheckMarksFollowing)
{
    Start();
    // The control whose menu opens, the item chosen (it carries the check mark), its bar.
    const std::tuple<TControl*, const char*, TitaToolBar*> cases[] = {
        { Form1->itaMenuButton6, "StandardToolbar1", Form1->Standard },
        { Form1->itaMenuButton6, "ButtonToolbar1", Form1->Toolbar1 },
        { Form1->itaMenuButton6, "StandardToolbar1", Form1->Standard }, { Form1->MainMenu, "MiscToolbar1", Form1->Toolbar1 },
        { Form1->RichEdit1, "MainToolbar3", Form1->MainMenu }, { Form1->RichEdit1, "MainToolbar3", Form1->MainMenu },
    };
    for (const auto& [opener, item, bar] : cases) {
        bool before = bar->Visible();
        ChooseMenu(item, opener == Form1->MainMenu ? opener : nullptr);
        EXPECT_EQ(bar->Visible(), !before) << item;
        bar->Repaint();  // a shown bar stores itself as it paints
        EXPECT_EQ(std::tuple(ReadRegString("ToolBar\\" + bar->Caption(), "isVisible", "?"), checked(item)),
            std::tuple(before ? "0" : "1", before)) << "stored, and checked as the menu opened: " << item;
    }
    EXPECT_EQ(std::tuple(Form1->itaMenuButton6->Down(), Form1->itaDock1->Height()), std::tuple(false, 74));
    // The panel item of the View menu flips the panel and its button.
    ChooseMenu("ShowHidePanel1");
    EXPECT_EQ(std::tuple(panel(), checked("ShowHidePanel1")), std::tuple(std::tuple(false, false), true));
}

TEST_F(MainWindowTest, TheMenuBarMadeFloatingTakesTheWindowWidth)
{
    Start();
    DragMouse(Form1->MainMenu->Widget(), { 5, 5 }, { Form1->MainMenu->Widget()->mapToGlobal(QPoint(5, 300)) });
    ProcessPostedMessages();
    ASSERT_TRUE(Form1->MainMenu->Floating());
    EXPECT_EQ(std::tuple(Form1->MainMenu->Width(), Form1->MainMenu->FloatingWindow()->ClientWidth(), Form1->MainMenu->Left(),
                  Form1->itaDock1->Height()),
        std::tuple(Form1->Width() - 8, Form1->MainMenu->Width(), 0, 52));
}
