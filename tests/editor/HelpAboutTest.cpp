#include "tests/editor/MainWindowFixture.h"

#include "generators/HomePage.h"
#include "tests/widgets/FakeBrowser.h"

namespace {

class HelpAboutTest : public MainWindowTest {
protected:
    // The program folder is a folder of the test's own, with this tips file.
    void StartWithTips(const std::optional<std::string>& tips)
    {
        StartAll();
        Form1->Edit3->SetText(Dir.Path());
        if (tips)
            WriteFileBytes(Dir.File("Tips.dat"), *tips);
    }
    // Opens the tip window from the Help menu and records what it shows.
    std::vector<std::string> ShowTips(int nextClicks)
    {
        std::vector<std::string> shown;
        InModal = [&](TForm*) {
            shown.push_back(Form27->RichEdit1->Text());
            for (int i = 0; i < nextClicks; ++i) {
                Do([] { ClickOn(Form27->Button1); });
                shown.push_back(Form27->RichEdit1->Text());
            }
            ClickOn(Form27->Button2);
        };
        Do([] { ChooseMenu("TipoftheDay2"); });
        InModal = nullptr;
        return shown;
    }
    const std::string threeTips = "[Orvelin]\r\nItems=2\r\n0=First, \"quoted\" tip\r\n1=Second\r\n2=Third\r\n";
};

}

TEST_F(HelpAboutTest, TipsGoRoundAndTheNextNumberIsStored)
{
    // "TNumber" before (nullptr for none), the clicks on Next, the tips shown, "TNumber" after.
    const std::tuple<const char*, int, std::vector<std::string>, const char*> cases[] = {
        { nullptr, 0, { "First, \"quoted\" tip" }, "1" }, { "1", 2, { "Second", "Third", "First, \"quoted\" tip" }, "1" },
        { "2", 0, { "Third" }, "0" },
        // Numbers that name no tip start again at the first.
        { "5", 0, { "First, \"quoted\" tip" }, "1" }, { "-3", 0, { "First, \"quoted\" tip" }, "1" },
        { "abc", 0, { "First, \"quoted\" tip" }, "1" },
    };
    StartWithTips(threeTips);
    for (const auto& [stored, clicks, shown, after] : cases) {
        if (stored)
            SetSetting("TNumber", stored);
        else
            ClearSetting("TNumber");
        EXPECT_EQ(ShowTips(clicks), shown) << (stored ? stored : "none");
        EXPECT_EQ(StoredString("TNumber"), after);
    }
    EXPECT_EQ(std::tuple(Form1->Label6->Caption(), Errors.empty()), std::tuple("Orvelins", true));
}

TEST_F(HelpAboutTest, AMissingTipShowsItsNumber)
{
    StartWithTips("[Orvelin]\nItems=1\n0=Only one\n");
    SetSetting("TNumber", "1");
    EXPECT_EQ(ShowTips(0), std::vector<std::string> { "1" });
    EXPECT_EQ(StoredString("TNumber"), "0");
}

TEST_F(HelpAboutTest, ATipsFileWithoutItemsIsNamedAndChangesNothing)
{
    using Tips = std::optional<std::string>;
    for (const Tips& tips : { Tips(), Tips("[Orvelin]\n0=x\n"), Tips("[Orvelin]\nItems=two\n") }) {
        StartWithTips(tips);
        SetSetting("TNumber", "1");
        Errors.clear();
        EXPECT_EQ(ShowTips(1), (std::vector<std::string> { "", "" }));
        ASSERT_EQ(Errors.size(), 2u);
        EXPECT_NE(Errors[0].find(Dir.File("Tips.dat")), std::string::npos) << Errors[0];
        EXPECT_EQ(StoredString("TNumber"), "1");
        TearDown();
    }
}

TEST_F(HelpAboutTest, ItemsReadOnceServeALaterMissingFile)
{
    StartWithTips(threeTips);
    ShowTips(0);
    std::remove(Dir.File("Tips.dat").c_str());
    EXPECT_EQ(ShowTips(0), std::vector<std::string> { "1" });
    EXPECT_TRUE(Errors.empty());
}

TEST_F(HelpAboutTest, CloseStoresTheStartUpChoiceAndTheCloseBoxDoesNot)
{
    StartWithTips(threeTips);
    SetSetting("Tip", "Yes");
    // Close keeps the box unticked; the close box, with it ticked again, keeps nothing.
    for (bool closeBox : { false, true }) {
        InModal = [closeBox](TForm*) {
            EXPECT_EQ(Form27->CheckBox1->Checked(), !closeBox);
            ClickOn(Form27->CheckBox1);
            if (closeBox)
                CloseBox(Form27);
            else
                ClickOn(Form27->Button2);
        };
        Do([] { ChooseMenu("TipoftheDay2"); });
        EXPECT_EQ(StoredString("Tip"), "No") << closeBox;
    }
}

TEST_F(HelpAboutTest, TheHiddenPictureNeedsBothHotSpots)
{
    StartWithTips(std::nullopt);
    std::vector<bool> seen;
    InModal = [&](TForm*) {
        DoubleClickOn(Form4->Label12);
        seen.push_back(Form4->Panel2->Visible());
        ClickOn(Form4->Button1);
    };
    auto about = [] { ChooseMenu("About1"); };
    Do(about);
    DoubleClickOn(Form1->Label2);
    EXPECT_EQ(Form1->Label8->Caption(), "Orvelins");
    Do(about);
    Do(about);
    EXPECT_EQ(std::tuple(seen, Form4->Label2->Caption(), Form4->URLLabel1->FontColor()),
        std::tuple(std::vector { false, true, false }, "Version 1.1", clBlue));
}

TEST_F(HelpAboutTest, TheAboutBoxLinkOpensTheHomePage)
{
    FakeBrowser browser;
    browser.Register();
    StartWithTips(std::nullopt);
    InModal = [](TForm*) {
        ClickOn(Form4->URLLabel1);
        ClickOn(Form4->Button1);
    };
    Do([] { ChooseMenu("About1"); });
    EXPECT_EQ(browser.Arguments(), std::string(kProductHomePage) + "\n");
}

TEST_F(HelpAboutTest, AboutBoxKeepsTheMainLogoWhenItsOwnFileIsMissing)
{
    StartWithTips(std::nullopt);
    InModal = [](TForm* form) {
        Form4->FormActivate(Form4);
        form->SetModalResult(mrOk);
    };
    Do([] { ChooseMenu("About1"); });
    EXPECT_FALSE(Form4->Image1->Empty());
    ASSERT_FALSE(Errors.empty());
    EXPECT_NE(Errors.back().find("Corvana.bmp"), std::string::npos);
}

TEST_F(HelpAboutTest, HelpOpensTheHelpPageOrSaysItIsNotAvailable)
{
    FakeBrowser browser;
    browser.Register();
    StartWithTips(std::nullopt);
    auto help = [] { ChooseMenu("Help1"); };
    Do(help);
    ASSERT_EQ(Questions.size(), 1u);
    EXPECT_EQ(std::tuple(Questions[0].Text, browser.Started()), std::tuple("Help is not available", false));
    WriteFileBytes(Dir.File("Help.htm"), "<HTML></HTML>");
    Do(help);
    EXPECT_EQ(std::tuple(browser.Arguments(), Questions.size(), Application->LastHelpCommand),
        std::tuple(Dir.File("Help.htm") + "\n", 1u, 3u));
}

TEST_F(HelpAboutTest, HelpSaysItIsNotAvailableWhenTheOpenerFindsNoBrowser)
{
    XdgSandbox xdg;  // no browser registered: xdg-open is the opener
    std::filesystem::create_directories(xdg.File("bin"));
    WriteScript(xdg.File("bin/xdg-open"), "exit 3");
    ::setenv("PATH", (xdg.File("bin") + ":" + std::getenv("PATH")).c_str(), 1);
    StartWithTips(std::nullopt);
    WriteFileBytes(Dir.File("Help.htm"), "<HTML></HTML>");
    Do([] { ChooseMenu("Help1"); });
    ASSERT_TRUE(RunUntil([this] { return !Questions.empty(); }, 3000));
    EXPECT_EQ(Questions[0].Text, "Help is not available");
}
