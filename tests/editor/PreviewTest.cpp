// Preview in the browser: the question before an untitled or changed page
// is shown, the save it leads to, and the browser started with the page's
// path.

#include "tests/editor/MainWindowFixture.h"

#include "tests/widgets/FakeBrowser.h"

namespace {

const char* const kQuestion = "You have to save the project before you can view it in the browser.\nDo you want to save it now?";

// The settings store and the desktop's default browser, which records each
// start, live in a sandbox.
class PreviewTest : public MainWindowTest {
protected:
    FakeBrowser Browser;

    void SetUp() override
    {
        Browser.Register();
        Start();
    }

    void Preview() { Do([] { ClickOn(Form1->ToolbarButton9710); }); }
};

}

TEST_F(PreviewTest, AnUntitledPageIsOfferedForSavingEvenWithoutChanges)
{
    ASSERT_FALSE(Form1->RichEdit1->Modified());
    Answers = { mrNo };
    Preview();
    ASSERT_EQ(Questions.size(), 1u);
    EXPECT_EQ(std::tuple(Questions[0].Text, Questions[0].Type, Questions[0].Buttons, FileDialogTitles.size()),
        std::tuple(kQuestion, mtConfirmation, unsigned(mbYes | mbNo), 0u));
    EXPECT_EQ(Form1->Label4->Caption(), "Orvelin");

    // Yes, then Save As cancelled: still nothing to show.
    Answers = { mrYes };
    FileChoices = { std::nullopt };
    Preview();
    EXPECT_EQ(std::tuple(FileDialogTitles.size(), Form1->Edit1->Text(), Form1->Label4->Caption()),
        std::tuple(1u, "Untitled", "Orvelin"));

    // Yes, then a name: saved there, and the browser gets its path.
    Answers = { mrYes };
    FileChoices = { Dir.File("first page.htm") };
    Preview();
    EXPECT_EQ(std::tuple(FileExistsNow(Dir.File("first page.htm")), Form1->Edit1->Text()),
        std::tuple(true, Dir.File("first page.htm")));
    EXPECT_EQ(Browser.Arguments(), Dir.File("first page.htm") + "\n");
    EXPECT_EQ(std::tuple(Form1->Label4->Caption(), Errors.empty()), std::tuple("Orvelin", true));
}

TEST_F(PreviewTest, ASavedPageWithoutChangesOpensAtOnce)
{
    std::string page = OpenPage("page.htm", "<p>saved</p>");
    Preview();
    EXPECT_TRUE(Questions.empty());
    EXPECT_EQ(Browser.Arguments(), page + "\n");
    EXPECT_EQ(std::tuple(Form1->GoToWeb1->Url, Form1->Label4->Caption()), std::tuple(page, "Orvelin"));
}

TEST_F(PreviewTest, ChangesAreSavedFirstOrNothingStarts)
{
    std::string page = OpenPage("page.htm", "old");
    Form1->RichEdit1->SetSelText("new ");

    Answers = { mrNo };
    Preview();
    EXPECT_EQ(std::tuple(Questions.size(), ReadFileBytes(page), Form1->RichEdit1->Modified()), std::tuple(1u, "old", true));

    Answers = { mrYes };
    Preview();
    EXPECT_EQ(std::tuple(Questions.size(), ReadFileBytes(page), Form1->RichEdit1->Modified()), std::tuple(2u, "new old", false));
    // Only the second preview started the browser.
    EXPECT_EQ(Browser.Arguments(), page + "\n");
}

TEST_F(PreviewTest, AFailedSaveShowsTheErrorAndStartsNothing)
{
    std::string page = OpenPage("gone/page.htm", "old");
    std::filesystem::remove_all(Dir.File("gone"));
    Form1->RichEdit1->SetSelText("x");

    Answers = { mrYes };
    Preview();
    EXPECT_EQ(std::tuple(Errors.size(), Form1->Label4->Caption() != "Yes", Form1->RichEdit1->Modified()),
        std::tuple(1u, true, true));

    // The next preview asks again, and a good save opens the page.
    std::filesystem::create_directory(Dir.File("gone"));
    Answers = { mrYes };
    Preview();
    EXPECT_EQ(Browser.Arguments(), page + "\n");
}

TEST_F(PreviewTest, WithoutABrowserNothingIsShown)
{
    std::filesystem::remove(Browser.xdg.Config() + "/mimeapps.list");
    std::string page = OpenPage("page.htm", "x");
    Preview();
    EXPECT_EQ(std::tuple(Questions.empty(), Errors.empty(), Form1->Label4->Caption()), std::tuple(true, true, "Orvelin"));
    EXPECT_FALSE(Browser.Started());
}
