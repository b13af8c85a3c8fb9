// Open, Save, Save As, Insert and the enabling rules of the main window.

#include "tests/editor/MainWindowFixture.h"

#include <QApplication>
#include <QClipboard>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

TEST_F(MainWindowTest, SaveOfAnUntitledPageIsSaveAsAndWritesCrLfLines)
{
    Start();
    FileChoices = { Dir.File("index") };
    PressKey(Qt::Key_S, Qt::ControlModifier);
    // A name typed without an extension gets ".htm".
    EXPECT_EQ(ReadFileBytes(Dir.File("index.htm")), "<HTML>\r\n<HEAD>\r\n<TITLE>Place your title here</TITLE>\r\n</HEAD>\r\n"
                                                   "<BODY>\r\n\r\n\r\n</BODY>\r\n</HTML>\r\n\r\n\r\n<!---Made with Corvana--->");
    EXPECT_EQ(Document(), (DocumentState { Dir.File("index.htm"), false, false }));
}

TEST_F(MainWindowTest, OpenThenSaveKeepsEveryByte)
{
    std::string bytes = "<p>caf\xC3\xA9 \xE9t\xE9 \x80\xFF</p>\r\n\t<b>x</b>\r\n\xA0 nbsp\r\n";
    Start();
    OpenPage("old.htm", bytes);
    EXPECT_EQ(Document(), (DocumentState { Dir.File("old.htm"), false, false }));
    Form1->ToolbarButton977->SetEnabled(true);
    PressKey(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(std::tuple(ReadFileBytes(Dir.File("old.htm")), Errors.empty()), std::tuple(bytes, true));
}

TEST_F(MainWindowTest, NewAndOpenAskBeforeDiscardingChanges)
{
    WriteFileBytes(Dir.File("a.htm"), "A");
    Start();
    Form1->RichEdit1->SetSelText("typed");
    std::string before = Form1->RichEdit1->Text();

    Answers = { mrNo };
    PressKey(Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(Questions.size(), 1u);
    EXPECT_EQ(std::tuple(Questions[0].Text, Questions[0].Buttons, FileDialogTitles.size(), Form1->RichEdit1->Text()),
        std::tuple("Are you sure you want to discard the changes?", unsigned(mbYes | mbNo), 0u, before));

    Answers = { mrYes };
    OpenFile(Dir.File("a.htm"));
    EXPECT_EQ(Form1->RichEdit1->Text(), "A");

    // Without changes nothing is asked.
    Questions.clear();
    OpenFile(std::nullopt);
    EXPECT_EQ(std::tuple(Questions.size(), FileDialogTitles.size()), std::tuple(0u, 2u));
}

TEST_F(MainWindowTest, AFailedSaveKeepsTheOldFileThePathAndTheChanges)
{
    Start();
    std::string page = OpenPage("page.htm", "old contents");
    Form1->RichEdit1->SetSelText(std::string(4096, 'n'));
    // A file-size limit makes the write fail as a full disk would, whoever runs the test.
    struct rlimit old {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    const struct rlimit small { 1024, old.rlim_max };
    ::setrlimit(RLIMIT_FSIZE, &small);
    Do([this] { PressKey(Qt::Key_S, Qt::ControlModifier); });
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(std::tuple(ReadFileBytes(page), Form1->RichEdit1->Modified(), Form1->Edit1->Text()),
        std::tuple("old contents", true, page));
    EXPECT_EQ(std::filesystem::directory_iterator(Dir.Path())->path().filename(), "page.htm") << "no temporary file is left";
}

TEST_F(MainWindowTest, SaveIntoAMissingFolderIsShownAndChangesNothing)
{
    Start();
    Form1->RichEdit1->SetSelText("x");
    Form1->Edit1->SetText(Dir.File("no/such/folder/page.htm"));
    Do([this] { PressKey(Qt::Key_S, Qt::ControlModifier); });
    EXPECT_EQ(std::tuple(Errors, Form1->RichEdit1->Modified()),
        std::tuple(std::vector { "Cannot create file " + Dir.File("no/such/folder/page.htm") }, true));
}

TEST_F(MainWindowTest, OpeningAMissingBinaryOrHugeFileChangesNothing)
{
    WriteFileBytes(Dir.File("binary.htm"), std::string("MZ\0\0\x90", 5));
    WriteFileBytes(Dir.File("huge.htm"), std::string(TRichEdit::kMaxFileSize + 1, 'a'));
    Start();
    std::string before = Form1->RichEdit1->Text();
    for (const char* name : { "missing.htm", "binary.htm", "huge.htm" }) {
        Errors.clear();
        // The dialog itself refuses a missing file; the others reach the load.
        Do([&] { OpenFile(Dir.File(name)); });
        EXPECT_EQ(Errors.size(), std::string(name) == "missing.htm" ? 0u : 1u) << name;
        EXPECT_EQ(std::tuple(Form1->RichEdit1->Text(), Form1->Edit1->Text()), std::tuple(before, "Untitled")) << name;
    }
}

TEST_F(MainWindowTest, OpenAndInsertRefuseSpecialAndHugeFilesWithoutReadingOrWaiting)
{
    std::string fifo = Dir.File("pipe.htm");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::string sparse = Dir.File("sparse.htm");
    WriteFileBytes(sparse, "");
    std::filesystem::resize_file(sparse, std::uintmax_t(20) << 30);  // 20 GB, no blocks
    const std::pair<std::string, const char*> cases[] = {
        { fifo, ": it is not a file" }, { "/dev/zero", ": it is not a file" },
        { sparse, ": it is larger than the editor takes (32 MB)" },
    };
    Start();
    std::string before = Form1->RichEdit1->Text();
    for (const auto& [file, reason] : cases) {
        for (bool insert : { false, true }) {
            SCOPED_TRACE(file + (insert ? " (Insert)" : " (Open)"));
            Errors.clear();
            FileChoices = { file };
            alarm(20);  // a read that blocks fails the run instead of hanging it
            Do([&] { insert ? ChooseMenu("Insert1") : PressKey(Qt::Key_O, Qt::ControlModifier); });
            alarm(0);
            EXPECT_EQ(std::tuple(Errors, Form1->RichEdit1->Text(), Form1->Edit1->Text()),
                std::tuple(std::vector { "Cannot open file " + file + reason }, before, "Untitled"));
        }
    }
}

TEST_F(MainWindowTest, SaveAsAsksBeforeReplacingAFile)
{
    WriteFileBytes(Dir.File("taken.htm"), "keep me");
    Start();
    Answers = { mrNo };
    FileChoices = { Dir.File("taken") };
    ChooseMenu("Saveas1");
    ASSERT_EQ(Questions.size(), 1u);
    EXPECT_NE(Questions[0].Text.find("already exists"), std::string::npos);
    EXPECT_EQ(std::tuple(ReadFileBytes(Dir.File("taken.htm")), Form1->Edit1->Text()), std::tuple("keep me", "Untitled"));
}

TEST_F(MainWindowTest, InsertPutsTheFileAtTheCaretAndLeavesPathAndSaveButton)
{
    WriteFileBytes(Dir.File("part.txt"), "one\r\ntwo");
    WriteFileBytes(Dir.File("part.rtf"), "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Bold\\par words}");
    Start();
    SetPage("[]", 1);
    Form1->RichEdit1->SetModified(false);
    FileChoices = { Dir.File("part.txt") };
    ChooseMenu("Insert1");
    EXPECT_EQ(std::tuple(EditorState(), Document(), FileDialogTitles.back()),
        std::tuple(PageState { "[one\ntwo]", 8, 0 }, DocumentState { "Untitled", true, false }, "Insert File"));

    // A selection is replaced; rich text comes in as its plain text.
    Select(1, 7);
    FileChoices = { Dir.File("part.rtf") };
    ChooseMenu("Insert1");
    EXPECT_EQ(Form1->RichEdit1->Text(), "[Bold\nwords]");
}

TEST_F(MainWindowTest, AnyKeyInTheEditorEnablesSave)
{
    Start();
    EXPECT_FALSE(Form1->ToolbarButton977->Enabled());
    PressKey(Qt::Key_Left);
    EXPECT_EQ(std::tuple(Form1->ToolbarButton977->Enabled(), Form1->RichEdit1->Modified()), std::tuple(true, false))
        << "an arrow key changes nothing";
}

TEST_F(MainWindowTest, CtrlSSavesOnceThroughTheContextMenu)
{
    Start();
    OpenPage("p.htm", "P");
    int saves = 0;
    auto* save2 = FindComponentAs<TMenuItem>(Form1, "Save2");
    auto original = save2->OnClick;
    save2->OnClick = [&](TObject* s) {
        ++saves;
        original(s);
    };
    PressKey(Qt::Key_Z, Qt::NoModifier);
    ASSERT_TRUE(Form1->RichEdit1->Modified());
    PressKey(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(std::tuple(saves, Document(), ReadFileBytes(Dir.File("p.htm"))),
        std::tuple(1, DocumentState { Dir.File("p.htm"), false, false }, "zP")) << "the shortcut is no key for the editor";
}

TEST_F(MainWindowTest, CutAndCopyFollowTheSelectionAndCutEnablesSave)
{
    Start();
    auto cutAndCopy = [] { return std::tuple(Form1->ToolbarButton975->Enabled(), Form1->ToolbarButton978->Enabled()); };
    Form1->RichEdit1->SetSelStart(0);
    EXPECT_EQ(cutAndCopy(), std::tuple(false, false));
    Form1->RichEdit1->SetSelLength(6);
    EXPECT_EQ(cutAndCopy(), std::tuple(true, true));

    ClickOn(Form1->ToolbarButton978);
    EXPECT_EQ(std::tuple(Form1->ToolbarButton977->Enabled(), QApplication::clipboard()->text().toStdString()),
        std::tuple(false, "<HTML>")) << "Copy does not enable Save";
    ClickOn(Form1->ToolbarButton975);
    EXPECT_EQ(std::tuple(Form1->ToolbarButton977->Enabled(), Form1->RichEdit1->Text().substr(0, 7)),
        std::tuple(true, "\n<HEAD>"));

    Form1->RichEdit1->SetSelStart(0);
    ClickOn(Form1->ToolbarButton979);
    EXPECT_EQ(Form1->RichEdit1->Text().substr(0, 7), "<HTML>\n");

    ChooseMenu("PopupMenu1");
    EXPECT_EQ(std::tuple(Form1->Paste1->Enabled, Form1->Cut1->Enabled, Form1->Undo1->Enabled), std::tuple(true, false, true));
}
