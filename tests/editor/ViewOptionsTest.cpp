// The view options: the panel and tag-case toggles clicked on the Standard
// bar, and the toolbar items of the View menu, the toolbars' context menu
// and the editor's View submenu with their check marks.

#include "tests/editor/MainWindowFixture.h"

#include "platform/AppHooks.h"
#include "platform/FormBuilder.h"
#include "platform/Messages.h"
#include "widgets/flpfrm97.h"
#include "widgets/ita_common.h"

#include <QWidget>

namespace {

bool checked(const char* name) { return FindComponentAs<TMenuItem>(Form1, name)->Checked; }

}  // namespace

TEST_F(MainWindowTest, ThePanelToggleWritesPanelAndPutsTheEditorBesideThePanelAtOnce)
{
    Start();
    Form1->FormResize(Form1);
    ClickAt(Form1->itaPopupButton1->Widget(), { 5, 5 });
    EXPECT_EQ(StoredInteger("Panel"), 1);
    EXPECT_FALSE(Form1->Panel3->Visible());
    EXPECT_EQ(Form1->RichEdit1->Align(), alClient);
    EXPECT_FALSE(Form1->itaPopupButton1->Down());
    ClickAt(Form1->itaPopupButton1->Widget(), { 5, 5 });
    EXPECT_EQ(StoredInteger("Panel"), 2);
    EXPECT_TRUE(Form1->Panel3->Visible());
    EXPECT_TRUE(Form1->itaPopupButton1->Down());
    EXPECT_EQ(Form1->RichEdit1->Width(), Form1->ClientWidth() - 209);
    EXPECT_EQ(Form1->RichEdit1->Left(), 209);
}

TEST_F(MainWindowTest, TheTagCaseToggleTwiceReturnsSettingAndFieldAndLeavesTheText)
{
    Start();
    const std::string text = Form1->RichEdit1->Text();
    ClickAt(Form1->itaPopupButton2->Widget(), { 5, 5 });
    EXPECT_EQ(StoredString("Upercase"), "No");
    EXPECT_EQ(Form1->Edit4->Text(), "Lowercase");
    EXPECT_TRUE(Form1->itaPopupButton2->Down());
    ClickAt(Form1->itaPopupButton2->Widget(), { 5, 5 });
    EXPECT_EQ(StoredString("Upercase"), "Yes");
    EXPECT_EQ(Form1->Edit4->Text(), "Upercase");
    EXPECT_FALSE(Form1->itaPopupButton2->Down());
    EXPECT_EQ(Form1->RichEdit1->Text(), text);
}

TEST_F(MainWindowTest, TogglesWorkOnAStoreThatCannotBeWrittenWhichIsShownOnceAndKept)
{
    Start();
    Form1->FormResize(Form1);
    const std::string store = std::string(std::getenv("XDG_CONFIG_HOME")) + "/corvana-registry/HKEY_LOCAL_MACHINE";
    WriteFileBytes(store, "damaged");
    ClickAt(Form1->itaPopupButton1->Widget(), { 5, 5 });
    EXPECT_FALSE(Form1->Panel3->Visible());
    ClickAt(Form1->itaPopupButton2->Widget(), { 5, 5 });
    EXPECT_EQ(Form1->Edit4->Text(), "Lowercase");
    EXPECT_EQ(Errors, std::vector<std::string>{ "Failed to set data for 'Panel'" });
    EXPECT_EQ(ReadFileBytes(store), "damaged");
}

TEST_F(MainWindowTest, ToolbarItemsShowAndHideTheirBarWithCheckMarksFollowing)
{
    Start();
    TMenuChoice chooser;
    SetMenuRunner(&chooser);
    struct Case {
        TControl* opener;
        const char* item;
        TitaToolBar* bar;
        const char* mark;
    } cases[] = {
        { Form1->itaMenuButton6, "StandardToolbar1", Form1->Standard, "StandardToolbar1" },
        { Form1->itaMenuButton6, "ButtonToolbar1", Form1->Toolbar1, "ButtonToolbar1" },
        { Form1->itaMenuButton6, "StandardToolbar1", Form1->Standard, "StandardToolbar1" },
        { Form1->MainMenu, "MiscToolbar1", Form1->Toolbar1, "MiscToolbar1" },
        { Form1->RichEdit1, "MainToolbar3", Form1->MainMenu, "MainToolbar3" },
        { Form1->RichEdit1, "MainToolbar3", Form1->MainMenu, "MainToolbar3" },
    };
    for (const Case& c : cases) {
        bool before = c.bar->Visible();
        chooser.item = c.item;
        if (c.opener == Form1->itaMenuButton6)
            ClickAt(c.opener->Widget(), { 5, 5 });
        else
            c.opener->PopupMenu()->Popup(0, 0);
        EXPECT_EQ(c.bar->Visible(), !before) << c.item;
        c.bar->Repaint();  // a shown bar stores itself as it paints
        EXPECT_EQ(ReadRegString("ToolBar\\" + c.bar->Caption(), "isVisible", "?"), before ? "0" : "1") << c.item;
        EXPECT_EQ(checked(c.mark), before) << "checked as the menu opened: " << c.item;
    }
    EXPECT_FALSE(Form1->itaMenuButton6->Down());
    EXPECT_EQ(Form1->itaDock1->Height(), 74);
    // The panel item of the View menu flips the panel and its button.
    chooser.item = "ShowHidePanel1";
    ClickAt(Form1->itaMenuButton6->Widget(), { 5, 5 });
    EXPECT_FALSE(Form1->Panel3->Visible());
    EXPECT_FALSE(Form1->itaPopupButton1->Down());
    EXPECT_TRUE(checked("ShowHidePanel1"));
    SetMenuRunner(nullptr);
}

TEST_F(MainWindowTest, TheMenuBarMadeFloatingTakesTheWindowWidth)
{
    Start();
    Form1->MainMenu->MouseDown(mbLeft, ssLeft, 5, 5);
    Form1->MainMenu->MouseMove(ssLeft, 5, 300);
    Form1->MainMenu->MouseUp(mbLeft, 0, 5, 300);
    ProcessPostedMessages();
    ASSERT_TRUE(Form1->MainMenu->Floating());
    EXPECT_EQ(Form1->MainMenu->Width(), Form1->Width() - 8);
    EXPECT_EQ(Form1->MainMenu->FloatingWindow()->ClientWidth(), Form1->MainMenu->Width());
    EXPECT_EQ(Form1->MainMenu->Left(), 0);
    EXPECT_EQ(Form1->itaDock1->Height(), 52);
}
