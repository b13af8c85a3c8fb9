// Servers that are slow, refuse, break off or answer strangely: each request
// ends once with the failure, and the next request works.

#include "tests/Ftp/FtpClientFixture.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

namespace {

using namespace std::chrono_literals;

class FtpFault : public ::testing::Test {
protected:
    // Points the client at the server and a local file of `size` bytes.
    void Prepare(const ScriptedFtpServer& server, std::size_t size = 40000)
    {
        content = PatternBytes(size, 11);
        WriteFileBytes(work.File("up.bin"), content);
        client->HostName = "127.0.0.1";
        client->SetPort(std::to_string(server.Port()));
        client->UserName = "user";
        client->PassWord = "pass";
        client->HostDirName = "";
        client->HostFileName = "up.bin";
        client->LocalFileName = work.File("up.bin");
    }

    // The next request against a well-behaved server goes through.
    void ExpectNextRequestWorks()
    {
        ScriptedFtpServer good([&](ScriptConnection& c) { RunStandardSession(*goodServer, c); });
        goodServer = &good;
        Prepare(good);
        std::size_t before = client.Done.size();
        EXPECT_TRUE(client->TransmitSync()) << client->ErrorMessage();
        ASSERT_TRUE(client.WaitDone(before + 1));
        EXPECT_EQ(client.Done.back().Error, 0);
        EXPECT_TRUE(good.Received("up.bin") == content);
        goodServer = nullptr;
    }

    bool Sent(const ScriptedFtpServer& server, const std::string& verb) const
    {
        auto commands = server.Commands();
        return std::any_of(commands.begin(), commands.end(), [&](const std::string& c) { return c.rfind(verb, 0) == 0; });
    }

    TempDir work { "ftp-fault" };
    std::string content;
    RecordingClient client;
    ScriptedFtpServer* goodServer = nullptr;
};

// Holds the connection open without a word until the client goes.
void Silence(ScriptConnection& c)
{
    std::string line;
    while (c.ReadCommand(line, 20000)) {
    }
}

}

TEST_F(FtpFault, RefusingGreetingEndsTheRequestWithItsNumber)
{
    ScriptedFtpServer server([](ScriptConnection& c) { c.Reply("421 Too many users, try later"); });
    Prepare(server);
    EXPECT_FALSE(client->TransmitSync());
    ASSERT_TRUE(client.WaitDone(1));
    EXPECT_EQ(client.Done[0].RqType, ftpRqTransmit);
    EXPECT_EQ(client.Done[0].Error, 421);
    EXPECT_EQ(client.Done[0].ErrorMessage, "421 Too many users, try later");
    EXPECT_EQ(client->State(), ftpReady);
    ExpectNextRequestWorks();
}

TEST_F(FtpFault, GreetingWithoutDigitsIsNoGreeting)
{
    ScriptedFtpServer server([](ScriptConnection& c) {
        c.Reply("Welcome!");
        Silence(c);
    });
    Prepare(server);
    EXPECT_FALSE(client->TransmitSync());
    ASSERT_TRUE(client.WaitDone(1));
    EXPECT_NE(client.Done[0].Error, 0);
    EXPECT_EQ(client.Done[0].ErrorMessage, "Welcome!");
    EXPECT_EQ(client.SessionsConnected, 0);
    ExpectNextRequestWorks();
}

TEST_F(FtpFault, GreetingThatNeverComesTimesOut)
{
    ScriptedFtpServer server([](ScriptConnection& c) { Silence(c); });
    Prepare(server);
    client->Timeout = 1;
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(client->TransmitSync());
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
    EXPECT_EQ(client->ErrorMessage(), "426 Timeout");
    EXPECT_EQ(client->StatusCode(), 426);
    ASSERT_TRUE(client.WaitDone(1));
    EXPECT_NE(client.Done[0].Error, 0);
    EXPECT_EQ(client->State(), ftpReady);
    client->Timeout = 15;
    ExpectNextRequestWorks();
}

TEST_F(FtpFault, MultiLineRepliesRunTheirStepOnce)
{
    ScriptedFtpServer server([&](ScriptConnection& c) {
        RunStandardSession(
            server, c,
            [](ScriptConnection& c, const std::string& verb, const std::string&) {
                if (verb == "USER")
                    c.Send("331-Password wanted\r\n 331 this line is text\r\n331 Password please\r\n");
                else if (verb == "PASS")
                    c.Send("230-Welcome\r\n230-Second line\r\n230 Logged in\r\n");
                else if (verb == "TYPE")
                    c.Send("200-Type\r\nnot a code\r\n200 Type set to I\r\n");
                else
                    return false;
                return true;
            },
            "220-Welcome to the scripted server\r\n second line begins with a blank\r\n220 ready");
    });
    Prepare(server);
    EXPECT_TRUE(client->TransmitSync()) << client->ErrorMessage();
    ASSERT_TRUE(client.WaitDone(1));
    EXPECT_EQ(client.Done[0].Error, 0);
    EXPECT_TRUE(server.Received("up.bin") == content);
    // One command per step: no step ran on a first or middle line.
    std::vector<std::string> expected { "USER user", "PASS pass", "TYPE I" };
    auto commands = server.Commands();
    ASSERT_GE(commands.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(commands.begin(), commands.begin() + 3), expected);
    EXPECT_EQ(commands[3].substr(0, 5), "PORT ");
    EXPECT_EQ(commands[4], "STOR up.bin");
    EXPECT_EQ(commands[5], "QUIT");
    EXPECT_EQ(commands.size(), 6u);
    // Every line is still shown.
    EXPECT_TRUE(client.SawDisplay("<  second line begins with a blank"));
    EXPECT_TRUE(client.SawDisplay("< 230-Second line"));
    EXPECT_TRUE(client.SawDisplay("< not a code"));
}

TEST_F(FtpFault, ReplyWithoutDigitsFailsItsStep)
{
    ScriptedFtpServer server([&](ScriptConnection& c) {
        RunStandardSession(server, c, [](ScriptConnection& c, const std::string& verb, const std::string&) {
            if (verb != "TYPE" && verb != "NOOP")
                return false;
            c.Reply("Sure, whatever you say");
            return true;
        });
    });
    Prepare(server);
    EXPECT_FALSE(client->TransmitSync());
    ASSERT_TRUE(client.WaitDone(1));
    EXPECT_NE(client.Done[0].Error, 0);
    EXPECT_EQ(client.Done[0].ErrorMessage, "Sure, whatever you say");
    EXPECT_FALSE(Sent(server, "STOR"));
    EXPECT_TRUE(Sent(server, "QUIT"));

    // A quoted command takes any reply below 500, but never one without a number.
    client->LocalFileName = "NOOP";
    client->DoQuote();
    ASSERT_TRUE(client.WaitDone(2));
    EXPECT_EQ(client.Done[1].RqType, ftpRqDoQuote);
    EXPECT_NE(client.Done[1].Error, 0);
}

TEST_F(FtpFault, RefusedPortAndRefusedStoreFailTheUpload)
{
    ScriptedFtpServer server([&](ScriptConnection& c) {
        RunStandardSession(server, c, [&](ScriptConnection& c, const std::string& verb, const std::string&) {
            bool firstSession = server.Connections() == 1;
            if (verb == "PORT" && firstSession)
                c.Reply("500 PORT not understood");
            else if (verb == "STOR" && !firstSession)
                c.Reply("553 Could not create file");
            else
                return false;
            return true;
        });
    });
    Prepare(server);
    EXPECT_FALSE(client->TransmitSync());
    ASSERT_TRUE(client.WaitDone(1));
    EXPECT_EQ(client.Done[0].Error, 500);
    EXPECT_FALSE(Sent(server, "STOR"));

    // QUIT succeeds, yet the request failed: the synchronous call says so.
    EXPECT_FALSE(client->TransmitSync());
    ASSERT_TRUE(client.WaitDone(2));
    EXPECT_EQ(client.Done[1].Error, 553);
    EXPECT_EQ(client.Done[1].LastResponse, "553 Could not create file");
    EXPECT_EQ(server.Commands().back(), "QUIT");
}

TEST_F(FtpFault, DataConnectionMadeAtPortTimeIsUsed)
{
    int early = -1;
    ScriptedFtpServer server([&](ScriptConnection& c) {
        RunStandardSession(server, c, [&](ScriptConnection& c, const std::string& verb, const std::string& arg) {
            if (verb == "PORT") {
                early = c.ConnectData();
                c.Reply("200 PORT ok, connected already");
                return true;
            }
            if (verb == "STOR") {
                c.Reply("150 Sending on the open connection");
                server.Store(arg, ScriptConnection::ReceiveAll(early));
                ::close(early);
                c.Reply("226 Transfer complete");
                return true;
            }
            return false;
        });
    });
    Prepare(server, 300000);
    EXPECT_TRUE(client->TransmitSync()) << client->ErrorMessage();
    ASSERT_TRUE(client.WaitDone(1));
    EXPECT_EQ(client.Done[0].Error, 0);
    EXPECT_TRUE(server.Received("up.bin") == content);
}

TEST_F(FtpFault, DataConnectionFromAnotherAddressIsRefused)
{
    ScriptedFtpServer server([&](ScriptConnection& c) {
        RunStandardSession(server, c, [&](ScriptConnection& c, const std::string& verb, const std::string& arg) {
            if (verb != "STOR")
                return false;
            c.Reply("150 Opening data connection");
            // Someone else gets in first.
            int stranger = c.ConnectData("127.0.0.2");
            std::string taken = stranger >= 0 ? ScriptConnection::ReceiveAll(stranger) : "";
            if (stranger >= 0)
                ::close(stranger);
            int fd = c.ConnectData();
            server.Store("stranger", taken);
            server.Store(arg, ScriptConnection::ReceiveAll(fd));
            ::close(fd);
            c.Reply("226 Transfer complete");
            return true;
        });
    });
    Prepare(server);
    EXPECT_TRUE(client->TransmitSync()) << client->ErrorMessage();
    EXPECT_EQ(server.Received("stranger"), "");
    EXPECT_TRUE(server.Received("up.bin") == content);
    EXPECT_TRUE(client.SawDisplay("! Data connection refused from 127.0.0.2"));
}

TEST_F(FtpFault, ResetDuringStoreIsNeverSuccess)
{
    ScriptedFtpServer server([&](ScriptConnection& c) {
        RunStandardSession(server, c, [&](ScriptConnection& c, const std::string& verb, const std::string&) {
            if (verb != "STOR")
                return false;
            c.Reply("150 Opening data connection");
            int fd = c.ConnectData();
            char buf[4096];
            ::recv(fd, buf, sizeof buf, MSG_WAITALL);
            linger hard { 1, 0 };
            ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
            ::close(fd);
            // And claims all went well.
            c.Reply("226 Transfer complete");
            return true;
        });
    });
    Prepare(server, 8 * 1024 * 1024);
    EXPECT_FALSE(client->TransmitSync());
    ASSERT_TRUE(client.WaitDone(1));
    EXPECT_NE(client.Done[0].Error, 0);
    EXPECT_EQ(client->State(), ftpReady);
    ExpectNextRequestWorks();
}

TEST_F(FtpFault, ControlConnectionClosedAfter150EndsTheRequest)
{
    ScriptedFtpServer server([&](ScriptConnection& c) {
        RunStandardSession(server, c, [&](ScriptConnection& c, const std::string& verb, const std::string&) {
            if (verb != "STOR")
                return false;
            c.Reply("150 Opening data connection");
            c.Close();
            return true;
        });
    });
    Prepare(server);
    EXPECT_FALSE(client->TransmitSync());
    ASSERT_TRUE(client.WaitDone(1));
    EXPECT_NE(client.Done[0].Error, 0);
    EXPECT_EQ(client.SessionsClosed, 1);
    EXPECT_EQ(client->State(), ftpReady);
    ExpectNextRequestWorks();
}

TEST_F(FtpFault, ControlConnectionLostBeforeAnAnswerDropsTheRemainingSteps)
{
    ScriptedFtpServer server([&](ScriptConnection& c) {
        RunStandardSession(server, c, [&](ScriptConnection& c, const std::string& verb, const std::string&) {
            if (verb != "PASS")
                return false;
            c.Close();
            return true;
        });
    });
    Prepare(server);
    EXPECT_FALSE(client->TransmitSync());
    ASSERT_TRUE(client.WaitDone(1));
    EXPECT_EQ(client.Done[0].Error, 421);
    EXPECT_EQ(client.Done[0].ErrorMessage, "421 Connection closed.");
    EXPECT_TRUE(client.Exceptions.empty());
    EXPECT_FALSE(client.SawDisplay("> TYPE"));
}

TEST_F(FtpFault, EndlessLineGivesUpTheConnection)
{
    ScriptedFtpServer server([&](ScriptConnection& c) {
        RunStandardSession(server, c, [&](ScriptConnection& c, const std::string& verb, const std::string&) {
            if (verb != "USER")
                return false;
            c.Send(std::string(4096, 'x'));
            Silence(c);
            return true;
        });
    });
    Prepare(server);
    client->Timeout = 5;
    EXPECT_FALSE(client->TransmitSync());
    ASSERT_TRUE(client.WaitDone(1));
    EXPECT_NE(client.Done[0].Error, 0);
    EXPECT_NE(client->ErrorMessage(), "426 Timeout");
    EXPECT_TRUE(client.SawDisplay("! Reply line too long"));
    ExpectNextRequestWorks();
}

TEST_F(FtpFault, UnansweredQuitTimesOutAfterTheUpload)
{
    ScriptedFtpServer server([&](ScriptConnection& c) {
        RunStandardSession(server, c, [&](ScriptConnection& c, const std::string& verb, const std::string&) {
            if (verb != "QUIT")
                return false;
            Silence(c);
            return true;
        });
    });
    Prepare(server);
    client->Timeout = 1;
    EXPECT_FALSE(client->TransmitSync());
    EXPECT_EQ(client->ErrorMessage(), "426 Timeout");
    ASSERT_TRUE(client.WaitDone(1));
    EXPECT_NE(client.Done[0].Error, 0);
    EXPECT_TRUE(server.Received("up.bin") == content);
    client->Timeout = 15;
    ExpectNextRequestWorks();
}

TEST_F(FtpFault, AbortThroughProgressResetsTheUpload)
{
    ScriptedFtpServer server([&](ScriptConnection& c) {
        RunStandardSession(server, c, [&](ScriptConnection& c, const std::string& verb, const std::string& arg) {
            if (verb != "STOR")
                return false;
            c.Reply("150 Opening data connection");
            int fd = c.ConnectData();
            bool reset = false;
            server.Store(arg, ScriptConnection::ReceiveAll(fd, &reset));
            if (reset)
                server.SetDataReset();
            ::close(fd);
            c.Reply("226 Transfer complete");
            return true;
        });
    });
    Prepare(server, 4 * 1024 * 1024);
    client->OnProgress = [](TObject*, std::int64_t count, bool& abort) { abort = count > 100000; };
    EXPECT_FALSE(client->TransmitSync());
    ASSERT_TRUE(client.WaitDone(1));
    EXPECT_EQ(client.Done[0].Error, 426);
    EXPECT_TRUE(client.SawDisplay("! Abort requested"));
    EXPECT_TRUE(server.DataReset());
    EXPECT_LT(server.Received("up.bin").size(), content.size());
    client->OnProgress = nullptr;
    ExpectNextRequestWorks();
}

TEST_F(FtpFault, LocalReadErrorFailsTheUpload)
{
    // The server takes the cut-off upload for a whole one.
    ScriptedFtpServer server([&](ScriptConnection& c) {
        RunStandardSession(server, c, [&](ScriptConnection& c, const std::string& verb, const std::string&) {
            if (verb != "STOR")
                return false;
            c.Reply("150 Opening data connection");
            int fd = c.ConnectData();
            ScriptConnection::ReceiveAll(fd);
            ::close(fd);
            c.Reply("226 Transfer complete");
            return true;
        });
    });
    Prepare(server);
    // A folder opens, but cannot be read.
    client->LocalFileName = work.Path();
    EXPECT_FALSE(client->TransmitSync());
    ASSERT_TRUE(client.WaitDone(1));
    EXPECT_EQ(client.Done[0].Error, 451);
    EXPECT_TRUE(client.SawDisplay("! Error reading file"));
}

TEST_F(FtpFault, MissingLocalFileEndsWith550WithoutStor)
{
    ScriptedFtpServer server([&](ScriptConnection& c) { RunStandardSession(server, c); });
    Prepare(server);
    client->LocalFileName = work.File("missing.bin");
    EXPECT_FALSE(client->TransmitSync());
    ASSERT_TRUE(client.WaitDone(1));
    EXPECT_EQ(client.Done[0].Error, 550);
    EXPECT_EQ(client.Done[0].LastResponse, "Unable to open local file " + work.File("missing.bin"));
    EXPECT_FALSE(Sent(server, "STOR"));
    EXPECT_TRUE(Sent(server, "QUIT"));
}

TEST_F(FtpFault, LineBreaksInArgumentsAreRefusedBeforeAnythingIsSent)
{
    ScriptedFtpServer server([&](ScriptConnection& c) { RunStandardSession(server, c); });
    Prepare(server);
    struct Case {
        std::string* Field;
        std::string Value;
    };
    std::vector<Case> cases { { &client->UserName, "user\r\nDELE x" }, { &client->PassWord, std::string("pa\0ss", 5) },
        { &client->HostDirName, "dir\nDELE x" }, { &client->HostFileName, "up.bin\rDELE x" } };
    std::size_t done = 0;
    for (auto& c : cases) {
        std::string saved = *c.Field;
        *c.Field = c.Value;
        EXPECT_THROW(client->Transmit(), FtpException);
        ASSERT_TRUE(client.WaitDone(++done));
        EXPECT_NE(client.Done.back().Error, 0);
        EXPECT_EQ(client->State(), ftpReady);
        *c.Field = saved;
    }
    client->LocalFileName = "NOOP\r\nDELE x";
    EXPECT_THROW(client->DoQuote(), FtpException);
    ASSERT_TRUE(client.WaitDone(++done));
    // Not even a connection was made.
    RunUntil([] { return false; }, 200);
    EXPECT_EQ(server.Connections(), 0);
    ExpectNextRequestWorks();
}

TEST_F(FtpFault, EmptyHostNameRaisesAndLeavesTheClientReady)
{
    ScriptedFtpServer server([&](ScriptConnection& c) { RunStandardSession(server, c); });
    Prepare(server);
    client->HostName = "";
    try {
        client->Transmit();
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "DNS lookup: invalid host name.");
    }
    EXPECT_EQ(client->State(), ftpReady);
    ASSERT_TRUE(client.WaitDone(1));
    EXPECT_NE(client.Done[0].Error, 0);
    // The synchronous wrapper turns the same refusal into false.
    EXPECT_FALSE(client->TransmitSync());
    ExpectNextRequestWorks();
}

TEST_F(FtpFault, SecondRequestWhileOneRunsIsRefusedAndTheFirstGoesOn)
{
    ScriptedFtpServer server([&](ScriptConnection& c) { RunStandardSession(server, c); });
    Prepare(server);
    client->Transmit();
    try {
        client->MkDir();
        ADD_FAILURE() << "no exception";
    } catch (const FtpException& e) {
        EXPECT_EQ(e.Message, "FTP component not ready");
    }
    EXPECT_TRUE(client->WaitUntilReady());
    ASSERT_TRUE(client.WaitDone(1));
    EXPECT_EQ(client.Done.size(), 1u);
    EXPECT_EQ(client.Done[0].Error, 0);
    EXPECT_TRUE(server.Received("up.bin") == content);
}

TEST_F(FtpFault, RefusedConnectionIsReportedAsItsSocketError)
{
    int port;
    {
        ScriptedFtpServer gone([](ScriptConnection&) {});
        port = gone.Port();
    }
    client->HostName = "127.0.0.1";
    client->SetPort(std::to_string(port));
    client->UserName = "user";
    client->HostFileName = "d";
    EXPECT_FALSE(client->MkDirSync());
    ASSERT_TRUE(client.WaitDone(1));
    EXPECT_EQ(client.Done[0].Error, 10061);
    EXPECT_EQ(client->LastResponse(), "500 Connection refused (Winsock error #10061)");
}

TEST(FtpClientSettings, PortAbove65535IsRefused)
{
    TFtpClient client(nullptr);
    try {
        client.SetPort("70000");
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_NE(e.Message.find("Cannot convert port '70000'"), std::string::npos);
    }
    EXPECT_EQ(client.Port(), "ftp");
    client.SetPort("65535");
    EXPECT_EQ(client.Port(), "65535");
    EXPECT_EQ(client.State(), ftpReady);
    EXPECT_TRUE(client.Binary());
    EXPECT_EQ(client.Timeout, 15);
}

TEST_F(FtpFault, StatusLastResponseAndErrorMessageTellTheSameFailure)
{
    struct Case {
        const char* Name;
        CommandHook Hook;
    };
    std::vector<Case> cases {
        { "control connection lost mid-upload",
            [](ScriptConnection& c, const std::string& verb, const std::string&) {
                if (verb != "STOR")
                    return false;
                c.Reply("150 Opening data connection");
                int fd = c.ConnectData();
                char buf[4096];
                ::recv(fd, buf, sizeof buf, MSG_WAITALL);
                // The server goes away: the data connection first.
                ::close(fd);
                usleep(50 * 1000);
                c.Close();
                return true;
            } },
        { "reply line too long",
            [](ScriptConnection& c, const std::string& verb, const std::string&) {
                if (verb != "USER")
                    return false;
                c.Send(std::string(4096, 'x'));
                Silence(c);
                return true;
            } },
    };
    for (const Case& k : cases) {
        RecordingClient fresh;
        ScriptedFtpServer server([&](ScriptConnection& c) { RunStandardSession(server, c, k.Hook); });
        Prepare(server, 4 * 1024 * 1024);
        fresh->HostName = client->HostName;
        fresh->SetPort(client->Port());
        fresh->UserName = client->UserName;
        fresh->PassWord = client->PassWord;
        fresh->HostFileName = client->HostFileName;
        fresh->LocalFileName = client->LocalFileName;
        fresh->Timeout = 5;
        EXPECT_FALSE(fresh->TransmitSync()) << k.Name;
        ASSERT_TRUE(fresh.WaitDone(1)) << k.Name;
        const DoneRecord& done = fresh.Done[0];
        EXPECT_NE(done.Error, 0) << k.Name;
        EXPECT_NE(fresh->ErrorMessage(), "426 Timeout") << k.Name;
        EXPECT_EQ(done.LastResponse, done.ErrorMessage) << k.Name;
        EXPECT_EQ(fresh->StatusCode(), done.Error) << k.Name << ": " << done.ErrorMessage;
        EXPECT_EQ(FtpReplyNumber(done.ErrorMessage), done.Error) << k.Name << ": " << done.ErrorMessage;
    }
}

TEST_F(FtpFault, ASlowServerFinishesTheUploadAndAStalledOneTimesOut)
{
    struct Case {
        const char* Name;
        // Bytes the server reads before it stops reading.
        std::size_t StopAfter;
        // The server's receive buffer: a large one holds the end of the file
        // long after the client has sent it.
        int ReceiveBuffer;
        std::size_t Size;
        int Timeout;
        bool Succeeds;
    };
    const std::size_t all = SIZE_MAX;
    const std::vector<Case> cases {
        { "reads 100 KB/s", all, 4096, 160 * 1024, 1, true },
        { "reads 100 KB/s through large buffers", all, 256 * 1024, 1 << 20, 4, true },
        { "stops reading", 64 * 1024, 4096, 160 * 1024, 1, false },
        { "takes nothing", 0, 4096, 1 << 20, 1, false },
    };
    for (const Case& k : cases) {
        ScriptedFtpServer server([&](ScriptConnection& c) {
            RunStandardSession(server, c, [&](ScriptConnection& c, const std::string& verb, const std::string& arg) {
                if (verb != "STOR")
                    return false;
                c.Reply("150 Opening data connection");
                int fd = c.ConnectData("127.0.0.1", k.ReceiveBuffer);
                std::string bytes;
                char buf[2048];
                auto start = std::chrono::steady_clock::now();
                for (;;) {
                    if (bytes.size() >= k.StopAfter) {
                        // Holds the connection without reading until the
                        // client goes, then takes what it was left.
                        std::string line;
                        while (c.ReadCommand(line, 20000)) {
                        }
                        bytes += ScriptConnection::ReceiveAll(fd);
                        break;
                    }
                    // 100 KB a second: the next piece waits for its time.
                    std::this_thread::sleep_until(start + std::chrono::microseconds(bytes.size() * 10));
                    ssize_t n = ::recv(fd, buf, sizeof buf, 0);
                    if (n <= 0)
                        break;
                    bytes.append(buf, std::size_t(n));
                }
                server.Store(arg, bytes);
                ::close(fd);
                c.Reply("226 Transfer complete");
                return true;
            });
        });
        Prepare(server, k.Size);
        client->Timeout = k.Timeout;
        std::size_t before = client.Done.size();
        auto start = std::chrono::steady_clock::now();
        bool ok = client->TransmitSync();
        auto took = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(ok, k.Succeeds) << k.Name << ": " << client->ErrorMessage();
        if (!k.Succeeds) {
            EXPECT_EQ(client->ErrorMessage(), "426 Timeout") << k.Name;
            EXPECT_LT(took, 4s) << k.Name;
        }
        EXPECT_TRUE(client.WaitDone(before + 1)) << k.Name;
        // What the client reports is what the server ended with.
        EXPECT_TRUE(RunUntil([&] { return server.Received("up.bin") != "<none>"; }, 15000)) << k.Name;
        EXPECT_EQ(server.Received("up.bin") == content, k.Succeeds) << k.Name;
    }
    client->Timeout = 15;
}
