// Open, Save, Save As, Insert and the enabling rules of the main window.

#include "tests/editor/MainWindowFixture.h"

#include "platform/StrUtils.h"

#include <QApplication>
#include <QClipboard>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

TEST_F(MainWindowTest, SaveOfAnUntitledPageIsSaveAsAndWritesCrLfLines)
{
    Start();
    FileChoices = { Dir.File("index") };
    Form1->Save1Click(Form1);
    std::string expected =
        "<HTML>\r\n<HEAD>\r\n<TITLE>Place your title here</TITLE>\r\n</HEAD>\r\n<BODY>\r\n\r\n\r\n</BODY>\r\n</HTML>\r\n\r\n\r\n<!---Made with Corvana--->";
    // A name typed without an extension gets ".htm".
    EXPECT_EQ(ReadFileBytes(Dir.File("index.htm")), expected);
    EXPECT_EQ(Form1->Edit1->Text(), Dir.File("index.htm"));
    EXPECT_FALSE(Form1->RichEdit1->Modified());
    EXPECT_FALSE(Form1->ToolbarButton977->Enabled());
}

TEST_F(MainWindowTest, OpenThenSaveKeepsEveryByte)
{
    std::string bytes = "<p>caf\xC3\xA9 \xE9t\xE9 \x80\xFF</p>\r\n\t<b>x</b>\r\n\xA0 nbsp\r\n";
    Start();
    OpenPage("old.htm", bytes);
    EXPECT_EQ(Form1->Edit1->Text(), Dir.File("old.htm"));
    EXPECT_FALSE(Form1->RichEdit1->Modified());
    Form1->ToolbarButton977->SetEnabled(true);
    Form1->Save1Click(Form1);
    EXPECT_EQ(ReadFileBytes(Dir.File("old.htm")), bytes);
    EXPECT_TRUE(Errors.empty());
}

TEST_F(MainWindowTest, NewAndOpenAskBeforeDiscardingChanges)
{
    WriteFileBytes(Dir.File("a.htm"), "A");
    Start();
    Form1->RichEdit1->SetSelText("typed");
    std::string before = Form1->RichEdit1->Text();

    Answers = { mrNo };
    Form1->Open1Click(Form1);
    ASSERT_EQ(Questions.size(), 1u);
    EXPECT_EQ(Questions[0].Text, "Are you sure you want to discard the changes?");
    EXPECT_EQ(Questions[0].Buttons, unsigned(mbYes | mbNo));
    EXPECT_TRUE(FileDialogTitles.empty());
    EXPECT_EQ(Form1->RichEdit1->Text(), before);

    Answers = { mrYes };
    OpenFile(Dir.File("a.htm"));
    EXPECT_EQ(Form1->RichEdit1->Text(), "A");

    // Without changes nothing is asked.
    Questions.clear();
    OpenFile(std::nullopt);
    EXPECT_TRUE(Questions.empty());
    EXPECT_EQ(FileDialogTitles.size(), 2u);
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
    struct rlimit small = old;
    small.rlim_cur = 1024;
    ::setrlimit(RLIMIT_FSIZE, &small);
    Do([] { Form1->Save1Click(Form1); });
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(ReadFileBytes(page), "old contents");
    EXPECT_TRUE(Form1->RichEdit1->Modified());
    EXPECT_EQ(Form1->Edit1->Text(), page);
    EXPECT_EQ(std::filesystem::directory_iterator(Dir.Path())->path().filename(), "page.htm") << "no temporary file is left";
}

TEST_F(MainWindowTest, SaveIntoAMissingFolderIsShownAndChangesNothing)
{
    Start();
    Form1->RichEdit1->SetSelText("x");
    Form1->Edit1->SetText(Dir.File("no/such/folder/page.htm"));
    Do([] { Form1->Save1Click(Form1); });
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0], "Cannot create file " + Dir.File("no/such/folder/page.htm"));
    EXPECT_TRUE(Form1->RichEdit1->Modified());
}

TEST_F(MainWindowTest, OpeningAMissingBinaryOrHugeFileChangesNothing)
{
    WriteFileBytes(Dir.File("binary.htm"), std::string("MZ\0\0\x90", 5));
    {
        std::string huge(TRichEdit::kMaxFileSize + 1, 'a');
        WriteFileBytes(Dir.File("huge.htm"), huge);
    }
    Start();
    std::string before = Form1->RichEdit1->Text();
    for (const char* name : { "missing.htm", "binary.htm", "huge.htm" }) {
        Errors.clear();
        FileChoices = { Dir.File(name) };
        // The dialog itself refuses a missing file; the others reach the load.
        Do([] { Form1->OfficeButton12Click(Form1); });
        if (std::string(name) != "missing.htm") {
            EXPECT_EQ(Errors.size(), 1u) << name;
        }
        EXPECT_EQ(Form1->RichEdit1->Text(), before) << name;
        EXPECT_EQ(Form1->Edit1->Text(), "Untitled") << name;
    }
}

TEST_F(MainWindowTest, OpenAndInsertRefuseSpecialAndHugeFilesWithoutReadingOrWaiting)
{
    std::string fifo = Dir.File("pipe.htm");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::string sparse = Dir.File("sparse.htm");
    {
        std::filesystem::path p(sparse);
        WriteFileBytes(sparse, "");
        std::filesystem::resize_file(p, std::uintmax_t(20) << 30);  // 20 GB, no blocks
    }
    struct Case {
        std::string file;
        const char* reason;
    };
    const Case cases[] = {
        { fifo, ": it is not a file" },
        { "/dev/zero", ": it is not a file" },
        { sparse, ": it is larger than the editor takes (32 MB)" },
    };
    Start();
    std::string before = Form1->RichEdit1->Text();
    for (const auto& c : cases) {
        for (bool insert : { false, true }) {
            SCOPED_TRACE(c.file + (insert ? " (Insert)" : " (Open)"));
            Errors.clear();
            FileChoices = { c.file };
            alarm(20);  // a read that blocks fails the run instead of hanging it
            Do([insert] { insert ? Form1->Insert1Click(Form1) : Form1->OfficeButton12Click(Form1); });
            alarm(0);
            ASSERT_EQ(Errors.size(), 1u);
            EXPECT_EQ(Errors[0], "Cannot open file " + c.file + c.reason);
            EXPECT_EQ(Form1->RichEdit1->Text(), before);
            EXPECT_EQ(Form1->Edit1->Text(), "Untitled");
        }
    }
}

TEST_F(MainWindowTest, SaveAsAsksBeforeReplacingAFile)
{
    WriteFileBytes(Dir.File("taken.htm"), "keep me");
    Start();
    Answers = { mrNo };
    FileChoices = { Dir.File("taken") };
    Form1->Saveas1Click(Form1);
    ASSERT_EQ(Questions.size(), 1u);
    EXPECT_NE(Questions[0].Text.find("already exists"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(Dir.File("taken.htm")), "keep me");
    EXPECT_EQ(Form1->Edit1->Text(), "Untitled");
}

TEST_F(MainWindowTest, InsertPutsTheFileAtTheCaretAndLeavesPathAndSaveButton)
{
    WriteFileBytes(Dir.File("part.txt"), "one\r\ntwo");
    WriteFileBytes(Dir.File("part.rtf"), "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Bold\\par words}");
    Start();
    Form1->RichEdit1->SetText("[]");
    Form1->RichEdit1->SetModified(false);
    Form1->RichEdit1->SetSelStart(1);
    FileChoices = { Dir.File("part.txt") };
    Form1->Insert1Click(Form1);
    EXPECT_EQ(Form1->RichEdit1->Text(), "[one\ntwo]");
    EXPECT_EQ(Form1->RichEdit1->SelStart(), 8);
    EXPECT_EQ(Form1->Edit1->Text(), "Untitled");
    EXPECT_FALSE(Form1->ToolbarButton977->Enabled());
    EXPECT_TRUE(Form1->RichEdit1->Modified());
    EXPECT_EQ(FileDialogTitles.back(), "Insert File");

    // A selection is replaced; rich text comes in as its plain text.
    Form1->RichEdit1->SetSelStart(1);
    Form1->RichEdit1->SetSelLength(7);
    FileChoices = { Dir.File("part.rtf") };
    Form1->Insert1Click(Form1);
    EXPECT_EQ(Form1->RichEdit1->Text(), "[Bold\nwords]");
}

TEST_F(MainWindowTest, AnyKeyInTheEditorEnablesSave)
{
    Start();
    EXPECT_FALSE(Form1->ToolbarButton977->Enabled());
    PressKey(Qt::Key_Left);
    EXPECT_TRUE(Form1->ToolbarButton977->Enabled());
    EXPECT_FALSE(Form1->RichEdit1->Modified()) << "an arrow key changes nothing";
}

TEST_F(MainWindowTest, CtrlSSavesOnceThroughTheContextMenu)
{
    Start();
    OpenPage("p.htm", "P");
    int saves = 0;
    Form1->FindComponent("Save2");
    auto* save2 = static_cast<TMenuItem*>(Form1->FindComponent("Save2"));
    auto original = save2->OnClick;
    save2->OnClick = [&](TObject* s) {
        ++saves;
        original(s);
    };
    PressKey(Qt::Key_Z, Qt::NoModifier);
    ASSERT_TRUE(Form1->RichEdit1->Modified());
    PressKey(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(saves, 1);
    EXPECT_FALSE(Form1->RichEdit1->Modified());
    EXPECT_FALSE(Form1->ToolbarButton977->Enabled()) << "the shortcut is no key for the editor";
    EXPECT_EQ(ReadFileBytes(Dir.File("p.htm")), "zP");
}

TEST_F(MainWindowTest, CutAndCopyFollowTheSelectionAndCutEnablesSave)
{
    Start();
    Form1->RichEdit1->SetSelStart(0);
    EXPECT_FALSE(Form1->ToolbarButton975->Enabled());
    EXPECT_FALSE(Form1->ToolbarButton978->Enabled());
    Form1->RichEdit1->SetSelLength(6);
    EXPECT_TRUE(Form1->ToolbarButton975->Enabled());
    EXPECT_TRUE(Form1->ToolbarButton978->Enabled());

    Form1->ToolbarButton978Click(Form1);
    EXPECT_FALSE(Form1->ToolbarButton977->Enabled()) << "Copy does not enable Save";
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "<HTML>");
    Form1->ToolbarButton975Click(Form1);
    EXPECT_TRUE(Form1->ToolbarButton977->Enabled());
    EXPECT_EQ(Form1->RichEdit1->Text().substr(0, 7), "\n<HEAD>");

    Form1->RichEdit1->SetSelStart(0);
    Form1->ToolbarButton979Click(Form1);
    EXPECT_EQ(Form1->RichEdit1->Text().substr(0, 7), "<HTML>\n");

    Form1->PopupMenu1Popup(Form1);
    EXPECT_TRUE(Form1->Paste1->Enabled);
    EXPECT_FALSE(Form1->Cut1->Enabled);
    EXPECT_TRUE(Form1->Undo1->Enabled);
}
