// Start-up of the main window: settings, the page skeleton, layout on
// resize, the start-up tip and the close question.

#include "tests/editor/MainWindowFixture.h"

#include "generators/PageSkeleton.h"
#include "platform/Messages.h"
#include <filesystem>
#include <functional>
#include "platform/StrUtils.h"

namespace {

const std::string kUpperSkeleton =
    "<HTML>\n<HEAD>\n<TITLE>Place your title here</TITLE>\n</HEAD>\n<BODY>\n\n\n</BODY>\n</HTML>\n\n\n<!---Made with Corvana--->";

}

TEST_F(MainWindowTest, FirstStartShowsTheUpperCaseSkeletonWithTheCaretInTheBody)
{
    Start();
    EXPECT_EQ(Form1->Caption(), "Corvana");
    EXPECT_EQ(Form1->Edit4->Text(), "Upercase");
    EXPECT_EQ(Form1->RichEdit1->Text(), kUpperSkeleton);
    EXPECT_FALSE(Form1->RichEdit1->Modified());
    EXPECT_EQ(Form1->RichEdit1->SelStart(), int(kUpperSkeleton.find("<BODY>\n") + 7));
    EXPECT_EQ(Form1->RichEdit1->SelLength(), 0);
    EXPECT_EQ(Form1->Edit1->Text(), "Untitled");
    EXPECT_EQ(Form1->StatusBar1->SimpleText(), "Welcome to Corvana");
    EXPECT_FALSE(Form1->ToolbarButton977->Enabled());

    // The marker comment is grey, the text before it is not.
    Form1->RichEdit1->SetSelStart(int(kUpperSkeleton.rfind("<!---")));
    Form1->RichEdit1->SetSelLength(3);
    EXPECT_EQ(Form1->RichEdit1->SelColor(), clGray);
    Form1->RichEdit1->SetSelStart(0);
    Form1->RichEdit1->SetSelLength(3);
    EXPECT_NE(Form1->RichEdit1->SelColor(), clGray);
    EXPECT_TRUE(Errors.empty());
}

TEST_F(MainWindowTest, TheProgramFolderIsTheFolderOfTheProgramNotTheCurrentOne)
{
    Start();
    EXPECT_EQ(Form1->Edit3->Text(), ExtractFileDir(TApplication::ExeName()));
    EXPECT_FALSE(Form1->Image2->Empty()) << "the logo is loaded from the program folder";
}

TEST_F(MainWindowTest, LowerCaseSettingGivesTheLowerCaseSkeleton)
{
    SetSetting("Upercase", "No");
    Start();
    EXPECT_EQ(Form1->Edit4->Text(), "Lowercase");
    EXPECT_TRUE(Form1->itaPopupButton2->Down());
    std::string text = Form1->RichEdit1->Text();
    EXPECT_EQ(text, PageSkeleton(false, "Place your title here"));
    EXPECT_EQ(Form1->RichEdit1->SelStart(), int(text.find("<body>\n") + 7));
    EXPECT_FALSE(Form1->RichEdit1->Modified());
}

TEST_F(MainWindowTest, OnlyExactlyNoSelectsLowerCase)
{
    for (const char* value : { "no", "NO", "Yes", "" }) {
        SetSetting("Upercase", value);
        Start();
        EXPECT_EQ(Form1->Edit4->Text(), "Upercase") << value;
    }
}

TEST_F(MainWindowTest, PanelSettingOneHidesThePanelAnyOtherNumberShowsIt)
{
    SetSetting("Panel", 1);
    Start();
    Form1->FormResize(Form1);
    EXPECT_FALSE(Form1->Panel3->Visible());
    EXPECT_EQ(Form1->RichEdit1->Align(), alClient);
    EXPECT_FALSE(Form1->itaPopupButton1->Down());

    for (int value : { 0, 2, 7 }) {
        SetSetting("Panel", value);
        Start();
        Form1->FormResize(Form1);
        EXPECT_TRUE(Form1->Panel3->Visible()) << value;
        EXPECT_EQ(Form1->RichEdit1->Width(), Form1->Width() - 217) << value;
        EXPECT_TRUE(Form1->itaPopupButton1->Down());
    }
}

TEST_F(MainWindowTest, ToolbarsTakeTheWindowWidthOnResize)
{
    Start();
    Form1->SetBounds(0, 0, 700, 500);
    ProcessPostedMessages();
    Form1->FormResize(Form1);
    for (TitaToolBar* bar : { Form1->MainMenu, Form1->Standard, Form1->Toolbar1 }) {
        EXPECT_EQ(bar->Width(), Form1->Width() - 8);
        EXPECT_EQ(bar->Left(), 0);
    }
}

TEST_F(MainWindowTest, StartUpTipIsShownOnceWhenNotSwitchedOff)
{
    Start(/*tip=*/true);
    EXPECT_EQ(ModalShowings, 1);
    EXPECT_EQ(Form1->Label6->Caption(), "Orvelins");
    Form1->FormResize(Form1);
    Form1->FormResize(Form1);
    EXPECT_EQ(ModalShowings, 1);
}

TEST_F(MainWindowTest, NoSettingsKeyCreatesItOnFirstAccess)
{
    Start(/*tip=*/true);
    TRegistry reg;
    reg.RootKey = HKEY_LOCAL_MACHINE;
    EXPECT_TRUE(reg.KeyExists("Software\\Corvana"));
}

TEST_F(MainWindowTest, ASettingOfTheWrongTypeIsShownOnceAndReadsAsAbsent)
{
    struct Case {
        const char* name;
        std::function<void()> store;
    };
    const Case cases[] = {
        { "Upercase", [this] { SetSetting("Upercase", 5); } },
        { "Panel", [this] { SetSetting("Panel", "1"); } },
        { "Tip", [this] { SetSetting("Tip", 0); } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Errors.clear();
        TRegistry reg;
        reg.RootKey = HKEY_LOCAL_MACHINE;
        reg.DeleteKey("Software\\Corvana");
        c.store();
        Start(/*tip=*/std::string(c.name) == "Tip");
        ASSERT_EQ(Errors.size(), 1u);
        EXPECT_EQ(Errors[0], "Invalid data type for '" + std::string(c.name) + "'");

        // The window is complete: upper case, logo, side panel, laid out.
        EXPECT_EQ(Form1->Edit4->Text(), "Upercase");
        EXPECT_FALSE(Form1->Image2->Empty());
        EXPECT_TRUE(Form1->Panel3->Visible());
        EXPECT_EQ(Form1->RichEdit1->Width(), Form1->Width() - 217);
        // Typed text goes into the body.
        EXPECT_EQ(Form1->RichEdit1->SelStart(), int(kUpperSkeleton.find("<BODY>\n") + 7));
        PressKey(Qt::Key_X);
        EXPECT_NE(Form1->RichEdit1->Text().find("<BODY>\nx\n"), std::string::npos);

        Form1->SetBounds(0, 0, 700, 500);
        ProcessPostedMessages();
        Form1->FormResize(Form1);
        EXPECT_EQ(Errors.size(), 1u) << "a resize does not repeat the message";
    }
}

TEST_F(MainWindowTest, ClosingWithoutChangesAsksNothing)
{
    Start();
    bool canClose = false;
    Form1->FormCloseQuery(Form1, canClose);
    EXPECT_TRUE(canClose);
    EXPECT_TRUE(Questions.empty());
}

TEST_F(MainWindowTest, ClosingWithChangesAsksAndFollowsTheAnswer)
{
    Start();
    Form1->RichEdit1->SetSelText("x");

    Answers = { mrCancel };
    bool canClose = true;
    Form1->FormCloseQuery(Form1, canClose);
    EXPECT_FALSE(canClose);
    ASSERT_EQ(Questions.size(), 1u);
    EXPECT_EQ(Questions[0].Text, "Do you want to save the changes?");
    EXPECT_EQ(Questions[0].Buttons, mbYesNoCancel);

    // Yes on an "Untitled" page asks for a name; cancelling that keeps all.
    Answers = { mrYes };
    canClose = true;
    Form1->FormCloseQuery(Form1, canClose);
    EXPECT_FALSE(canClose);
    EXPECT_EQ(FileDialogTitles.size(), 1u);
    EXPECT_TRUE(Form1->RichEdit1->Modified());
    EXPECT_EQ(Form1->Edit1->Text(), "Untitled");

    // Yes with a name saves and still keeps the window open; the next close
    // finds nothing to save.
    Answers = { mrYes };
    FileChoices = { Dir.File("page.htm") };
    Form1->FormCloseQuery(Form1, canClose);
    EXPECT_FALSE(canClose);
    EXPECT_FALSE(Form1->RichEdit1->Modified());
    EXPECT_TRUE(FileExists(Dir.File("page.htm")));
    Form1->FormCloseQuery(Form1, canClose);
    EXPECT_TRUE(canClose);

    Form1->RichEdit1->SetSelText("y");
    Answers = { mrNo };
    Form1->FormCloseQuery(Form1, canClose);
    EXPECT_TRUE(canClose);
}

TEST_F(MainWindowTest, ExitAsksLikeClosingAndEndsOnlyWhenAllowed)
{
    Start();
    Form1->RichEdit1->SetSelText("unsaved");
    Answers = { mrCancel };
    Form1->Exit1Click(Form1);
    EXPECT_EQ(Questions.size(), 1u);
    EXPECT_FALSE(Application->Terminated());

    Answers = { mrNo };
    Form1->Exit1Click(Form1);
    EXPECT_TRUE(Application->Terminated());
}

TEST_F(MainWindowTest, ACorruptSettingsStoreReadsAsEmptyAndIsNotOverwritten)
{
    std::string folder = std::string(std::getenv("XDG_CONFIG_HOME")) + "/corvana-registry";
    std::filesystem::create_directories(folder);
    std::string file = folder + "/HKEY_LOCAL_MACHINE";
    const std::string garbage = "\x01\x02 this is not a settings file [[[";
    WriteFileBytes(file, garbage);
    delete Application;
    Application = new TApplication;
    Application->OnException = [this](TObject*, const std::exception& e) { Errors.push_back(e.what()); };
    TForm::ModalResponder = [this](TForm* f) {
        ++ModalShowings;
        f->SetModalResult(mrCancel);
    };
    MakeWindows();
    EXPECT_EQ(Form1->Edit4->Text(), "Upercase");
    EXPECT_TRUE(Form1->Panel3->Visible());
    EXPECT_EQ(ModalShowings, 1) << "the tip shows as with no settings at all";
    EXPECT_EQ(ReadFileBytes(file), garbage);
}
