// The updater's window against a scripted update server on loopback.

#include "tests/Update/UpdaterFixture.h"

#include "platform/Timer.h"
#include "platform/TrackBar.h"
#include "platform/RichEdit.h"
#include "tests/support/MessageLoop.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace {

bool Contains(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

ScriptedServer::Handler UpdateServer(const std::string& installer = kInstaller)
{
    return [installer](int fd, const std::string& request, int) { SendText(fd, UpdateResponse(RequestPath(request), kDescription, installer)); };
}

}

class Updater : public UpdaterFixture {
protected:
    // Starts the scripted update server and points both address fields at it.
    void Serve(ScriptedServer::Handler handler)
    {
        server = std::make_unique<ScriptedServer>(std::move(handler));
        Form1->Edit1->SetText(server->Url("/Corvana/update/update.txt"));
        Form1->Edit5->SetText(server->Url("/Corvana/update/update.exe"));
    }
    std::unique_ptr<ScriptedServer> server;
};

TEST_F(Updater, StartsIdleWithTheUpdateHostAndNoUpdateButton)
{
    EXPECT_EQ(Form1->Caption(), "Update Corvana");
    EXPECT_EQ(Form1->ClientWidth(), 263);
    EXPECT_EQ(Form1->ClientHeight(), 86);
    EXPECT_EQ(Status(), "Click the Start button to search for updates");
    EXPECT_EQ(Form1->Button1->Caption(), "Start");
    EXPECT_FALSE(Form1->Button3->Visible());
    EXPECT_EQ(Form1->Edit1->Text(), "http://update.corvana.example/Corvana/update/update.txt");
    EXPECT_EQ(Form1->Edit5->Text(), "http://update.corvana.example/Corvana/update/update.exe");
    EXPECT_EQ(Form1->Edit3->Text(), "80");
    EXPECT_EQ(Form2->Caption(), "Update Information");
}

TEST_F(Updater, SearchShowsTheDescriptionThenUpdateStartsTheInstaller)
{
    Serve(UpdateServer());

    Form1->Button1Click(Form1->Button1);
    EXPECT_EQ(InformationShown, 1);
    EXPECT_EQ(ShownText, "Corvana 2.1 is out.\nClick Update to install it.\n");
    EXPECT_EQ(Status(), "Done...");
    EXPECT_EQ(Form1->Button1->Caption(), "Start");
    EXPECT_TRUE(Form1->Button3->Visible());
    EXPECT_EQ(ReadFileBytes(File("update.txt")), kDescription);
    std::vector<std::string> log = Log();
    EXPECT_TRUE(Contains(log, "cmd> GET /Corvana/update/update.txt HTTP/1.0"));
    EXPECT_TRUE(Contains(log, "text/plain => update.txt"));
    EXPECT_TRUE(Contains(log, "StatusCode = 200"));
    EXPECT_TRUE(Contains(log, "hdr>HTTP/1.0 200 OK"));
    EXPECT_TRUE(Contains(log, "RequestDone Error = 0"));

    Form1->Button3Click(Form1->Button3);
    EXPECT_EQ(Status(), "Done...");
    EXPECT_EQ(Form1->Button3->Caption(), "Update");
    EXPECT_EQ(ReadFileBytes(File("update.exe")), kInstaller);
    EXPECT_TRUE(Executable("update.exe"));
    EXPECT_TRUE(RunUntil([&] { return Exists("installer-ran"); }));
    EXPECT_EQ(Entries(), (std::vector<std::string> { "update.txt", "update.exe" }));
}

TEST_F(Updater, StopDuringASearchFailsAndTheNextStartWorks)
{
    Serve([](int fd, const std::string& request, int index) {
        if (index == 0)
            PeerClosed(fd);  // keeps the first search waiting
        else
            SendText(fd, UpdateResponse(RequestPath(request), kDescription, kInstaller));
    });
    Form1->HttpCli1->OnStateChange = [](TObject*) {
        if (Form1->HttpCli1->State() == HttpClientState::WaitingHeader && Form1->Button1->Caption() == "Stop") {
            EXPECT_EQ(Status(), "Searching for updates. Please wait...");
            EXPECT_TRUE(Form1->Timer1->Enabled());
            PostCall([] { Form1->Button1Click(Form1->Button1); });
        }
    };
    Form1->Button1Click(Form1->Button1);
    EXPECT_EQ(Status(), "Receiving failed...");
    EXPECT_EQ(Form1->Button1->Caption(), "Start");
    EXPECT_EQ(Form1->TrackBar1->Position(), 0);
    EXPECT_EQ(InformationShown, 0);
    std::vector<std::string> log = Log();
    EXPECT_TRUE(Contains(log, "GET Failed !"));
    EXPECT_TRUE(Contains(log, "ReasonPhrase = Connection aborted on request"));

    Form1->HttpCli1->OnStateChange = nullptr;
    Form1->Button1Click(Form1->Button1);
    EXPECT_EQ(InformationShown, 1);
    EXPECT_EQ(Status(), "Done...");
}

TEST_F(Updater, AFailedSearchIsLoggedWithItsReason)
{
    Serve(Answer("HTTP/1.0 404 Not Found\r\n\r\n"));
    Form1->Button1Click(Form1->Button1);
    EXPECT_EQ(Status(), "Receiving failed...");
    std::vector<std::string> log = Log();
    EXPECT_TRUE(Contains(log, "GET Failed !"));
    EXPECT_TRUE(Contains(log, "StatusCode   = 404"));
    EXPECT_TRUE(Contains(log, "ReasonPhrase = Not Found"));
    EXPECT_FALSE(Form1->Button3->Visible());
}

TEST_F(Updater, ASecondSearchLogsTheHeaderLinesOfBoth)
{
    Serve(UpdateServer());
    Form1->Button1Click(Form1->Button1);
    Form1->Memo1->Clear();
    Form1->Button1Click(Form1->Button1);
    std::vector<std::string> log = Log();
    auto status = std::find(log.begin(), log.end(), "StatusCode = 200");
    ASSERT_NE(status, log.end());
    EXPECT_EQ(std::count(status, log.end(), "hdr>HTTP/1.0 200 OK"), 2);
}

TEST_F(Updater, ABrokenInstallerDownloadNeverReplacesOrStartsAnything)
{
    Serve([](int fd, const std::string&, int) {
        SendText(fd, "HTTP/1.0 200 OK\r\nContent-Length: 5000\r\n\r\n#!/bin/sh\necho bad > installer-ran\n");
    });
    WriteFileBytes(File("update.exe"), "the good installer");
    Form1->Button3->Show();
    Form1->Button3Click(Form1->Button3);
    EXPECT_EQ(Status(), "Receiving failed...");
    EXPECT_EQ(Form1->Button1->Caption(), "Start");
    EXPECT_EQ(ReadFileBytes(File("update.exe")), "the good installer");
    EXPECT_EQ(Entries(), std::vector<std::string> { "update.exe" });
    usleep(200 * 1000);
    Application->ProcessMessages();
    EXPECT_FALSE(Exists("installer-ran"));
    // The Stop that is left on the button only resets the window.
    EXPECT_EQ(Form1->Button3->Caption(), "Stop");
    Form1->Button3Click(Form1->Button3);
    EXPECT_EQ(Form1->Button3->Caption(), "Update");
    EXPECT_EQ(Status(), "");
}

TEST_F(Updater, AnInstallerAnsweredAsAPageIsKeptAsHtmAndNotStarted)
{
    Serve(Answer("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n<html>Please log in</html>"));
    Form1->Button3Click(Form1->Button3);
    EXPECT_EQ(Status(), "Receiving failed...");
    EXPECT_EQ(ReadFileBytes(File("update.htm")), "<html>Please log in</html>");
    EXPECT_FALSE(Exists("update.exe"));
    EXPECT_TRUE(Contains(Log(), "text/html => update.htm"));
}

TEST_F(Updater, TheBusyBarSweepsUpAndDown)
{
    std::vector<int> positions;
    for (int i = 0; i < 102; ++i) {
        Form1->Timer1Timer(Form1->Timer1);
        positions.push_back(Form1->TrackBar1->Position());
    }
    EXPECT_EQ(positions[0], 1);
    EXPECT_EQ(positions[49], 50);
    EXPECT_EQ(positions[50], 49);
    EXPECT_EQ(positions[99], 0);
    EXPECT_EQ(positions[100], 1);
    EXPECT_EQ(Form1->Label2->Caption(), "Orvelins");
    EXPECT_FALSE(Form1->Label2->Visible());
}

TEST_F(Updater, ADateThatDoesNotConvertStopsBeforeTheRequest)
{
    Serve(UpdateServer());
    Form1->Edit4->SetText("not a date");
    EXPECT_THROW(Form1->Button1Click(Form1->Button1), EConvertError);
    EXPECT_EQ(server->Connections(), 0);

    Form1->Edit4->SetText("2026-12-06 10:05:00");
    Form1->Button1Click(Form1->Button1);  // the Stop of the broken start
    Form1->Button1Click(Form1->Button1);
    EXPECT_NE(server->Requests().at(0).find("If-Modified-Since: Sun, 06 Dec 2026 10:05:00 GMT\r\n"), std::string::npos);
}

TEST_F(Updater, StopDuringTheDownloadLeavesNoFileBehind)
{
    Serve([](int fd, const std::string&, int) {
        SendText(fd, "HTTP/1.0 200 OK\r\nContent-Length: 100000\r\n\r\n#!/bin/sh\necho bad > installer-ran\n");
        PeerClosed(fd);
    });
    Form1->HttpCli1->OnStateChange = [](TObject*) {
        if (Form1->HttpCli1->State() == HttpClientState::ReceivingBody)
            PostCall([] { Form1->Button3Click(Form1->Button3); });
    };
    Form1->Button3Click(Form1->Button3);
    EXPECT_EQ(Status(), "Receiving failed...");
    EXPECT_EQ(Form1->Button3->Caption(), "Update");
    EXPECT_EQ(Form1->Button1->Caption(), "Start");
    EXPECT_TRUE(Entries().empty());
    EXPECT_FALSE(Exists("installer-ran"));
}

TEST_F(Updater, AnAnswerWithoutAWholeInstallerStartsNothing)
{
    const std::vector<std::string> answers {
        "HTTP/1.0 200 OK\r\nContent-Length: 0\r\n\r\n",
        "HTTP/1.0 304 Not Modified\r\n\r\n",
        "HTTP/1.0 200 OK\r\n\r\n",
        "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n20\r\n#!/bin/sh\necho bad > installer-ran\n\r\n0\r\n\r\n",
        "HTTP/1.0 200 OK\r\nContent-Length: 10\r\n\r\n#!/bin/sh\necho bad > installer-ran\n",
    };
    for (const std::string& answer : answers) {
        Serve(Answer(answer));
        // An installer of an earlier update is still in the folder.
        WriteFileBytes(File("update.exe"), "#!/bin/sh\necho old > installer-ran\n");
        ::chmod(File("update.exe").c_str(), 0755);
        Form1->Button3Click(Form1->Button3);
        EXPECT_EQ(Status(), "Receiving failed...") << answer;
        usleep(200 * 1000);
        Application->ProcessMessages();
        EXPECT_FALSE(Exists("installer-ran")) << answer;
        EXPECT_EQ(Entries(), std::vector<std::string> { "update.exe" }) << answer;
        Form1->Button3Click(Form1->Button3);  // the Stop left on the button
    }
}

TEST_F(Updater, TheInformationWrapsALongDescriptionAtWords)
{
    std::string line;
    for (int i = 0; i < 60; ++i)
        line += "update ";
    Form2->RichEdit1->SetText(line);
    Form2->Show();
    RunFor(50);
    auto* editor = Form2->RichEdit1->Editor();
    EXPECT_EQ(editor->horizontalScrollBar()->maximum(), 0) << "no scrolling sideways";
    EXPECT_GT(editor->document()->firstBlock().layout()->lineCount(), 1);
    Form2->Hide();
}
