// The "FTP Access" window: its fields, the browse button, and whole
// requests run from its buttons against a server on the ftp port.

#include "Ftp/Unit1.h"
#include "tests/Ftp/FtpTestServers.h"
#include "tests/support/TempDir.h"

#include "platform/Keys.h"
#include "platform/Graphics.h"

#include <QFontInfo>
#include <QWidget>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sched.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace {

class FtpWindow : public ::testing::Test {
protected:
    void TearDown() override { TOpenDialog::Responder = nullptr; }

    std::vector<std::string> Log() const { return SplitLines(form->Memo1->Lines().Text()); }
    bool Logged(const std::string& line) const { return std::ranges::count(Log(), line) > 0; }

    std::unique_ptr<TForm1> form = std::make_unique<TForm1>(nullptr);
};

// Runs the test body inside a network of its own, where 127.0.0.1:21 is
// free for the test's server; the process's own network comes back after.
struct PrivateNetwork {
    PrivateNetwork()
    {
        if (Original < 0 || ::unshare(CLONE_NEWNET) != 0)
            Problem = "a private network namespace is not permitted here";
        else if (std::system("ip link set lo up") != 0)
            Problem = "the loopback device of the private network did not come up";
    }
    // Without the original (-1) both calls fail harmlessly.
    ~PrivateNetwork()
    {
        ::setns(Original, CLONE_NEWNET);
        ::close(Original);
    }

    int Original = ::open("/proc/self/ns/net", O_RDONLY | O_CLOEXEC);
    std::string Problem;
};

}

TEST_F(FtpWindow, FieldsAndClientAsDesigned)
{
    EXPECT_EQ(std::tuple(form->Caption(), form->ClientWidth(), form->ClientHeight(), form->Label1->Visible()),
        std::tuple("FTP Access", 516, 259, false));
    EXPECT_EQ(std::tuple(form->Button1->Caption(), form->Button6->Caption(), form->Button3->Caption(), form->Button2->Caption()),
        std::tuple("Upload", "Make Dir", "Delete", "Exit"));
    EXPECT_EQ(std::tuple(form->Button1->Default, form->FtpClient1->Port(), form->FtpClient1->Timeout, form->FtpClient1->Binary()),
        std::tuple(true, "ftp", 15, true));
    EXPECT_EQ(std::tuple(form->Label5->Caption(), form->OpenDialog1->Filter), std::tuple("Hostdir", "All Files (*.*)|*.*"));
    // Enter anywhere is Upload.
    EXPECT_TRUE(form->Button1->HandlesDialogKey(VK_RETURN));
}

TEST_F(FtpWindow, BrowsePutsThePickedFileInTheField)
{
    form->Edit6->SetText("typed.htm");
    TOpenDialog::Responder = [](TOpenDialog&) -> std::optional<std::string> { return std::nullopt; };
    form->BitBtn1->Click();
    EXPECT_EQ(form->Edit6->Text(), "typed.htm");

    TempDir dir("ftp-window");
    WriteFileBytes(dir.File("page.htm"), "<html></html>");
    TOpenDialog::Responder = [&](TOpenDialog&) -> std::optional<std::string> { return dir.File("page.htm"); };
    form->BitBtn1->Click();
    EXPECT_EQ(form->Edit6->Text(), dir.File("page.htm"));
}

TEST_F(FtpWindow, RefusedStartReachesTheCallerAndIsLogged)
{
    form->Edit1->SetText("");
    form->Edit2->SetText("user");
    form->Edit5->SetText("x.htm");
    form->Edit6->SetText("/nonexistent");
    EXPECT_THROW(form->Button1->Click(), Exception);
    ASSERT_TRUE(RunUntil([&] { return Logged("Request 35 Done."); }));
    EXPECT_EQ(std::tuple(Logged("No error"), form->FtpClient1->State()), std::tuple(false, ftpReady));
}

TEST_F(FtpWindow, UploadMakeDirAndDeleteOnTheFtpPort)
{
    PrivateNetwork network;
    if (!network.Problem.empty())
        GTEST_SKIP() << network.Problem;
    TempDir root("ftp-window-root");
    TempDir work("ftp-window-work");
    std::filesystem::create_directories(root.Path() + "/site");
    auto server = ExternalFtpServer::StartVsftpd(root.Path(), work.Path(), 21);
    if (!server->Running())
        GTEST_SKIP() << server->Problem();

    std::string bytes = PatternBytes(40000, 5);
    WriteFileBytes(work.File("index.htm"), bytes);
    TOpenDialog::Responder = [&](TOpenDialog&) -> std::optional<std::string> { return work.File("index.htm"); };
    form->BitBtn1->Click();
    form->Edit1->SetText("127.0.0.1");
    form->Edit2->SetText("anonymous");
    form->Edit4->SetText("site");
    form->Edit5->SetText("index.htm");
    // Enter in a field runs Upload.
    form->Edit5->SetFocus();
    EXPECT_TRUE(form->DialogKey(VK_RETURN));
    ASSERT_TRUE(RunUntil([&] { return Logged("Request 35 Done."); }));
    EXPECT_EQ(std::tuple(ReadFileBytes(root.File("site/index.htm")) == bytes, Logged("Session Connected, error = 0"),
                  Logged("Session Closed, error = 0"), Logged("StatusCode = 226"), Logged("No error")),
        std::tuple(true, true, true, true, true));
    // Once per request, not twice.
    EXPECT_EQ(std::tuple(std::ranges::count(Log(), "Request 35 Done."), form->Label1->Caption()),
        std::tuple(1, std::to_string(ftpReady)));

    // A click on `button` with `name` in the host file field, until its
    // request is logged as done.
    auto run = [&](TButton* button, const std::string& name, const std::string& done) {
        form->Memo1->Clear();
        form->Edit5->SetText(name);
        button->Click();
        return RunUntil([&] { return Logged(done); });
    };
    ASSERT_TRUE(run(form->Button6, "made", "Request 29 Done."));
    EXPECT_EQ(std::tuple(Logged("No error"), std::filesystem::is_directory(root.File("made"))), std::tuple(true, true));

    ASSERT_TRUE(run(form->Button3, "site/index.htm", "Request 28 Done."));
    EXPECT_EQ(std::tuple(Logged("No error"), std::filesystem::exists(root.File("site/index.htm"))), std::tuple(true, false));

    // A failure is logged with the server's reply.
    ASSERT_TRUE(run(form->Button3, "site/index.htm", "Request 28 Done."));
    EXPECT_TRUE(Logged("StatusCode = 550"));
    EXPECT_TRUE(std::ranges::any_of(Log(), [](const std::string& line) { return line.rfind("Error = 550 (550 ", 0) == 0; }));
}

TEST_F(FtpWindow, ThePanelIsSunkOutsideRaisedInsideAndTheFieldsUseTheWindowFont)
{
    const TColor light = RGB(250, 250, 200), dark = RGB(100, 100, 120);
    SetSysColor(COLOR_BTNHIGHLIGHT, light);
    SetSysColor(COLOR_BTNSHADOW, dark);
    TBitmap shot;
    shot.SetImage(form->Panel1->Widget()->grab().toImage());
    ResetSysColors();
    const int r = shot.Width() - 1, b = shot.Height() - 1;
    // The outer ring at (0, 0) and (r, b), the inner one at (1, 1) and (r - 1, b - 1).
    EXPECT_EQ((std::vector { shot.Pixel(0, 0), shot.Pixel(r, b), shot.Pixel(1, 1), shot.Pixel(r - 1, b - 1) }),
        (std::vector { dark, light, light, dark }));

    QFontInfo used(form->Edit6->Widget()->font());
    EXPECT_EQ(std::tuple(used.pointSize(), used.fixedPitch()), std::tuple(8, false)) << used.family().toStdString();
}
