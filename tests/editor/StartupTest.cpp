// Start-up of the main window: settings, the page skeleton, layout on
// resize, the start-up tip and the close question.

#include "tests/editor/MainWindowFixture.h"

#include "generators/PageSkeleton.h"
#include "platform/StrUtils.h"

static const std::string kUpperSkeleton =
    "<HTML>\n<HEAD>\n<TITLE>Place your title here</TITLE>\n</HEAD>\n<BODY>\n\n\n</BODY>\n</HTML>\n\n\n<!---Made with Corvana--->";

TEST_F(MainWindowTest, FirstStartShowsTheUpperCaseSkeletonWithTheCaretInTheBody)
{
    Start();
    EXPECT_EQ(std::tuple(Form1->Caption(), Form1->Edit4->Text(), Form1->StatusBar1->SimpleText()),
        std::tuple("Corvana", "Upercase", "Welcome to Corvana"));
    EXPECT_EQ(EditorState(), (PageState { kUpperSkeleton, int(kUpperSkeleton.find("<BODY>\n") + 7), 0 }));
    EXPECT_EQ(Document(), (DocumentState { "Untitled", false, false }));

    // The marker comment is grey, the text before it is not.
    Select(int(kUpperSkeleton.rfind("<!---")), 3);
    EXPECT_EQ(Form1->RichEdit1->SelColor(), clGray);
    Select(0, 3);
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
    EXPECT_EQ(std::tuple(Form1->Edit4->Text(), Form1->itaPopupButton2->Down(), Form1->RichEdit1->Modified()),
        std::tuple("Lowercase", true, false));
    const std::string skeleton = PageSkeleton(false, "Place your title here");
    EXPECT_EQ(EditorState(), (PageState { skeleton, int(skeleton.find("<body>\n") + 7), 0 }));
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
    for (int value : { 1, 0, 2, 7 }) {
        SetSetting("Panel", value);
        Start();
        Form1->FormResize(Form1);
        const bool shown = value != 1;
        // Hidden, the editor fills the window; shown, it leaves the panel its width.
        const bool fits = shown ? Form1->RichEdit1->Width() == Form1->Width() - 217 : Form1->RichEdit1->Align() == alClient;
        EXPECT_EQ(std::tuple(Form1->Panel3->Visible(), fits, Form1->itaPopupButton1->Down()), std::tuple(shown, true, shown))
            << value;
    }
}

TEST_F(MainWindowTest, ToolbarsTakeTheWindowWidthOnResize)
{
    Start();
    Form1->SetBounds(0, 0, 700, 500);
    ProcessPostedMessages();
    Form1->FormResize(Form1);
    for (TitaToolBar* bar : { Form1->MainMenu, Form1->Standard, Form1->Toolbar1 })
        EXPECT_EQ(std::tuple(bar->Width(), bar->Left()), std::tuple(Form1->Width() - 8, 0)) << bar->Name;
}

TEST_F(MainWindowTest, StartUpTipIsShownOnceWhenNotSwitchedOff)
{
    Start(/*tip=*/true);
    EXPECT_EQ(std::tuple(ModalShowings, Form1->Label6->Caption()), std::tuple(1, "Orvelins"));
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
    const std::pair<std::string, std::function<void()>> cases[] = {
        { "Upercase", [] { SetSetting("Upercase", 5); } }, { "Panel", [] { SetSetting("Panel", "1"); } },
        { "Tip", [] { SetSetting("Tip", 0); } },
    };
    for (const auto& [name, store] : cases) {
        SCOPED_TRACE(name);
        Errors.clear();
        TRegistry reg;
        reg.RootKey = HKEY_LOCAL_MACHINE;
        reg.DeleteKey("Software\\Corvana");
        store();
        Start(/*tip=*/name == "Tip");
        EXPECT_EQ(Errors, std::vector { "Invalid data type for '" + name + "'" });

        // The window is complete: upper case, logo, side panel, laid out;
        // typed text goes into the body.
        EXPECT_EQ(std::tuple(Form1->Edit4->Text(), Form1->Image2->Empty(), Form1->Panel3->Visible(), Form1->RichEdit1->Width()),
            std::tuple("Upercase", false, true, Form1->Width() - 217));
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
    CloseBox(Form1);
    EXPECT_EQ(std::tuple(Application->Terminated(), Questions.size()), std::tuple(true, 0u));
}

TEST_F(MainWindowTest, ClosingWithChangesAsksAndFollowsTheAnswer)
{
    Start();
    Form1->RichEdit1->SetSelText("x");
    // Each close box that closes the window.
    int closes = 0;
    Form1->OnClose = [&closes](TObject*, TCloseAction&) { ++closes; };

    Answers = { mrCancel };
    CloseBox(Form1);
    ASSERT_EQ(std::tuple(closes, Questions.size()), std::tuple(0, 1u));
    EXPECT_EQ(std::tuple(Questions[0].Text, Questions[0].Buttons), std::tuple("Do you want to save the changes?", mbYesNoCancel));

    // Yes on an "Untitled" page asks for a name; cancelling that keeps all.
    Answers = { mrYes };
    CloseBox(Form1);
    EXPECT_EQ(std::tuple(closes, FileDialogTitles.size(), Form1->RichEdit1->Modified(), Form1->Edit1->Text()),
        std::tuple(0, 1u, true, "Untitled"));

    // Yes with a name saves and still keeps the window open; the next close
    // finds nothing to save.
    Answers = { mrYes };
    FileChoices = { Dir.File("page.htm") };
    CloseBox(Form1);
    EXPECT_EQ(std::tuple(closes, Form1->RichEdit1->Modified(), FileExists(Dir.File("page.htm")), Application->Terminated()),
        std::tuple(0, false, true, false));
    CloseBox(Form1);
    EXPECT_EQ(std::tuple(closes, Application->Terminated()), std::tuple(1, true));

    Form1->RichEdit1->SetSelText("y");
    Answers = { mrNo };
    CloseBox(Form1);
    EXPECT_EQ(closes, 2);
}

TEST_F(MainWindowTest, ExitAsksLikeClosingAndEndsOnlyWhenAllowed)
{
    Start();
    Form1->RichEdit1->SetSelText("unsaved");
    Answers = { mrCancel };
    ChooseMenu("Exit1");
    EXPECT_EQ(std::tuple(Questions.size(), Application->Terminated()), std::tuple(1u, false));

    Answers = { mrNo };
    ChooseMenu("Exit1");
    EXPECT_TRUE(Application->Terminated());
}

TEST_F(MainWindowTest, ACorruptSettingsStoreReadsAsEmptyAndIsNotOverwritten)
{
    std::string folder = std::string(std::getenv("XDG_CONFIG_HOME")) + "/corvana-registry";
    std::filesystem::create_directories(folder);
    std::string file = folder + "/HKEY_LOCAL_MACHINE";
    const std::string garbage = "\x01\x02 this is not a settings file [[[";
    WriteFileBytes(file, garbage);
    StartDesktop();  // not Start(): its switching off of the tip would write the store
    MakeWindows();
    EXPECT_EQ(std::tuple(Form1->Edit4->Text(), Form1->Panel3->Visible(), ModalShowings, ReadFileBytes(file)),
        std::tuple("Upercase", true, 1, garbage)) << "the tip shows as with no settings at all";
}
