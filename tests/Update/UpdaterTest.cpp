// The updater's window against a scripted update server on loopback.

#include "tests/Update/UpdaterFixture.h"

#include "platform/Timer.h"
#include "platform/TrackBar.h"
#include "platform/RichEdit.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

// The update server's answer to a GET, by the file its first line asks for.
static bool UpdateServer(int fd, const std::string& request, int)
{
    std::string target = request.substr(0, request.find("\r\n"));
    for (auto [file, type, body] : { std::tuple("update.txt", "text/plain", kDescription),
             std::tuple("update.exe", "application/octet-stream", kInstaller) })
        if (target.find(file) != std::string::npos)
            return SendAll(fd, "HTTP/1.0 200 OK\r\nContent-Type: " + std::string(type) + "\r\nContent-Length: "
                    + std::to_string(body.size()) + "\r\n\r\n" + body);
    return SendAll(fd, "HTTP/1.0 404 Not Found\r\nContent-Type: text/html\r\n\r\n<html>missing</html>");
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
    EXPECT_EQ(std::tuple(Form1->Caption(), Form1->ClientWidth(), Form1->ClientHeight(), Form2->Caption()),
        std::tuple("Update Corvana", 263, 86, "Update Information"));
    EXPECT_EQ(std::tuple(Status(), Form1->Button1->Caption(), Form1->Button3->Visible()),
        std::tuple("Click the Start button to search for updates", "Start", false));
    EXPECT_EQ(std::tuple(Form1->Edit1->Text(), Form1->Edit5->Text(), Form1->Edit3->Text()),
        std::tuple("http://update.corvana.example/Corvana/update/update.txt",
            "http://update.corvana.example/Corvana/update/update.exe", "80"));
}

TEST_F(Updater, SearchShowsTheDescriptionThenUpdateStartsTheInstaller)
{
    Serve(UpdateServer);

    ClickOn(Form1->Button1);
    ExpectDescriptionShown();
    EXPECT_EQ(ReadFileBytes(File("update.txt")), kDescription);
    EXPECT_EQ(Missing(Log(), { "cmd> GET /Corvana/update/update.txt HTTP/1.0", "text/plain => update.txt", "StatusCode = 200",
                  "hdr>HTTP/1.0 200 OK", "RequestDone Error = 0" }), "");

    ClickOn(Form1->Button3);
    EXPECT_EQ(std::tuple(Status(), Form1->Button3->Caption()), std::tuple("Done...", "Update"));
    ExpectInstallerStarted();
}

TEST_F(Updater, StopDuringASearchFailsAndTheNextStartWorks)
{
    Serve(StallingFirst(UpdateServer));
    Form1->HttpCli1->OnStateChange = [](TObject*) {
        if (Form1->HttpCli1->State() == HttpClientState::WaitingHeader && Form1->Button1->Caption() == "Stop") {
            EXPECT_EQ(Status(), "Searching for updates. Please wait...");
            EXPECT_TRUE(Form1->Timer1->Enabled());
            PostCall([] { ClickOn(Form1->Button1); });
        }
    };
    ClickOn(Form1->Button1);
    EXPECT_EQ(std::tuple(Status(), Form1->Button1->Caption(), Form1->TrackBar1->Position(), InformationShown),
        std::tuple("Receiving failed...", "Start", 0, 0));
    EXPECT_EQ(Missing(Log(), { "GET Failed !", "ReasonPhrase = Connection aborted on request" }), "");

    Form1->HttpCli1->OnStateChange = nullptr;
    ClickOn(Form1->Button1);
    EXPECT_EQ(std::tuple(InformationShown, Status()), std::tuple(1, "Done..."));
}

TEST_F(Updater, AFailedSearchIsLoggedWithItsReason)
{
    Serve(Answer("HTTP/1.0 404 Not Found\r\n\r\n"));
    ClickOn(Form1->Button1);
    EXPECT_EQ(std::tuple(Status(), Form1->Button3->Visible(),
                  Missing(Log(), { "GET Failed !", "StatusCode   = 404", "ReasonPhrase = Not Found" })),
        std::tuple("Receiving failed...", false, ""));
}

TEST_F(Updater, ASecondSearchLogsTheHeaderLinesOfBoth)
{
    Serve(UpdateServer);
    ClickOn(Form1->Button1);
    Form1->Memo1->Clear();
    ClickOn(Form1->Button1);
    std::vector<std::string> log = Log();
    auto status = std::find(log.begin(), log.end(), "StatusCode = 200");
    ASSERT_NE(status, log.end());
    EXPECT_EQ(std::count(status, log.end(), "hdr>HTTP/1.0 200 OK"), 2);
}

TEST_F(Updater, ABrokenInstallerDownloadNeverReplacesOrStartsAnything)
{
    Serve(Answer("HTTP/1.0 200 OK\r\nContent-Length: 5000\r\n\r\n#!/bin/sh\necho bad > installer-ran\n"));
    WriteFileBytes(File("update.exe"), "the good installer");
    Form1->Button3->Show();
    ClickOn(Form1->Button3);
    EXPECT_EQ(std::tuple(Status(), Form1->Button1->Caption()), std::tuple("Receiving failed...", "Start"));
    EXPECT_EQ(ReadFileBytes(File("update.exe")), "the good installer");
    ExpectNothingStarted();
    // The Stop that is left on the button only resets the window.
    EXPECT_EQ(Form1->Button3->Caption(), "Stop");
    ClickOn(Form1->Button3);
    EXPECT_EQ(std::tuple(Form1->Button3->Caption(), Status()), std::tuple("Update", ""));
}

TEST_F(Updater, AnInstallerAnsweredAsAPageIsKeptAsHtmAndNotStarted)
{
    Serve(Answer("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n<html>Please log in</html>"));
    Form1->Button3->Show();
    ClickOn(Form1->Button3);
    EXPECT_EQ(std::tuple(Status(), ReadFileBytes(File("update.htm")), Exists("update.exe"),
                  Missing(Log(), { "text/html => update.htm" })),
        std::tuple("Receiving failed...", "<html>Please log in</html>", false, ""));
}

TEST_F(Updater, TheBusyBarSweepsUpAndDown)
{
    std::vector<int> positions;
    for (int i = 0; i < 102; ++i) {
        Form1->Timer1Timer(Form1->Timer1);
        positions.push_back(Form1->TrackBar1->Position());
    }
    EXPECT_EQ(std::tuple(positions[0], positions[49], positions[50], positions[99], positions[100]), std::tuple(1, 50, 49, 0, 1));
    EXPECT_EQ(std::tuple(Form1->Label2->Caption(), Form1->Label2->Visible()), std::tuple("Orvelins", false));
}

TEST_F(Updater, ADateThatDoesNotConvertStopsBeforeTheRequest)
{
    Serve(UpdateServer);
    Form1->Edit4->SetText("not a date");
    EXPECT_THROW(Form1->Button1Click(Form1->Button1), EConvertError);
    EXPECT_EQ(server->Connections(), 0);

    Form1->Edit4->SetText("2026-12-06 10:05:00");
    ClickOn(Form1->Button1);  // the Stop of the broken start
    ClickOn(Form1->Button1);
    EXPECT_NE(server->Requests().at(0).find("If-Modified-Since: Sun, 06 Dec 2026 10:05:00 GMT\r\n"), std::string::npos);
}

TEST_F(Updater, StopDuringTheDownloadLeavesNoFileBehind)
{
    Serve([](int fd, const std::string&, int) {
        SendAll(fd, "HTTP/1.0 200 OK\r\nContent-Length: 100000\r\n\r\n#!/bin/sh\necho bad > installer-ran\n");
        PeerClosed(fd);
    });
    Form1->HttpCli1->OnStateChange = [](TObject*) {
        if (Form1->HttpCli1->State() == HttpClientState::ReceivingBody)
            PostCall([] { ClickOn(Form1->Button3); });
    };
    Form1->Button3->Show();
    ClickOn(Form1->Button3);
    EXPECT_EQ(std::tuple(Status(), Form1->Button3->Caption(), Form1->Button1->Caption()),
        std::tuple("Receiving failed...", "Update", "Start"));
    EXPECT_EQ(Entries(), std::vector<std::string> {});
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
        SCOPED_TRACE(answer);
        Serve(Answer(answer));
        // An installer of an earlier update is still in the folder.
        WriteFileBytes(File("update.exe"), "#!/bin/sh\necho old > installer-ran\n");
        ::chmod(File("update.exe").c_str(), 0755);
        Form1->Button3->Show();
        ClickOn(Form1->Button3);
        EXPECT_EQ(Status(), "Receiving failed...");
        ExpectNothingStarted();
        ClickOn(Form1->Button3);  // the Stop left on the button
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
