// Requests other than the window's: low-level steps on a logged-in
// session, retrieval, aborts at each stage, and the idle connection.

#include "tests/Ftp/FtpFaultFixture.h"

#include <algorithm>
#include <filesystem>

using FtpRequests = FtpFault;

TEST_F(FtpRequests, LowLevelStepsOnALoggedInSession)
{
    Serve(Session(Answers({ { "USER", "230 No password needed\r\n" }, { "PWD", "257 \"/home/\"\"q\"\"\" is current\r\n" },
        { "SIZE", "213 6442450944\r\n" } })));
    client->Login();
    ASSERT_TRUE(client.WaitDone(1));
    // USER answered 230: no PASS.
    EXPECT_EQ(std::tuple(client.Done[0].RqType, client.Done[0].Error, client.SawDisplay("> PASS"), client->State()),
        std::tuple(ftpRqLogin, 0, false, ftpReady));

    client->Pwd();
    ASSERT_TRUE(client.WaitDone(2));
    EXPECT_EQ(std::tuple(client.Done[1].RqType, client->DirResult()), std::tuple(ftpRqPwd, "/home/\"q\""));

    client->HostFileName = "big.iso";
    client->Size();
    ASSERT_TRUE(client.WaitDone(3));
    EXPECT_EQ(std::tuple(client.Done[2].RqType, client->SizeResult()), std::tuple(ftpRqSize, 6442450944LL));

    // Refused while connected; Open needs a closed session.
    EXPECT_THROW(client->Open(), FtpException);
    EXPECT_THROW(client->Transmit(), FtpException);
    EXPECT_EQ(client.Done.size(), 3u);

    client->Quit();
    ASSERT_TRUE(client.WaitDone(4));
    EXPECT_EQ(std::tuple(client.Done[3].RqType, client.Done[3].Error, client.SessionsClosed), std::tuple(ftpRqQuit, 0, 1));

    // A step on no connection ends its request with an error, then raises.
    EXPECT_THROW(client->Pwd(), FtpException);
    ASSERT_TRUE(client.WaitDone(5));
    EXPECT_EQ(std::tuple(client.Done[4].Error != 0, client->State()), std::tuple(true, ftpReady));
}

TEST_F(FtpRequests, ServerClosingAnIdleSessionLeavesTheClientReady)
{
    Serve(Session([](ScriptConnection& c, const std::string& verb, const std::string&) {
        if (verb != "PASS")
            return false;
        c.Reply("230 Logged in");
        std::string line;
        c.ReadCommand(line, 300);
        c.Reply("421 Idle too long");
        c.Close();
        return true;
    }));
    client->Login();
    ASSERT_TRUE(client.WaitDone(1));
    EXPECT_EQ(client.Done[0].Error, 0);
    ASSERT_TRUE(RunUntil([&] { return client.SessionsClosed == 1; }));
    EXPECT_EQ(std::tuple(client->State(), client.Done.size()), std::tuple(ftpReady, 1u));
    client->Login();
    ASSERT_TRUE(client.WaitDone(2));
    EXPECT_EQ(client.Done[1].Error, 0);
}

TEST_F(FtpRequests, EmptyUserNameEndsTheRequestAndReachesTheApplication)
{
    Serve(Session());
    client->UserName = "";
    client->Login();
    ASSERT_TRUE(client.WaitDone(1));
    EXPECT_EQ(std::tuple(client.Done[0].Error != 0, client.Exceptions, client->State()),
        std::tuple(true, std::vector<std::string> { "UserName emtpy" }, ftpReady));
    ASSERT_TRUE(RunUntil([&] { return server->Connections() == 1; }));
}

TEST_F(FtpRequests, AbortAtEachStageEndsTheRequestOnce)
{
    Serve([](auto&, ScriptConnection& c) { Silence(c); });
    client->HostFileName = "d";

    // While the name is looked up.
    client->HostName = "localhost";
    client->MkDir();
    client->AbortRequest();
    EXPECT_EQ(client->State(), ftpReady);
    ASSERT_TRUE(client.WaitDone(1));
    EXPECT_EQ(std::tuple(client.Done[0].Error, client.Done[0].ErrorMessage), std::tuple(426, "426 Operation aborted."));

    // While the greeting is awaited.
    client->HostName = "127.0.0.1";
    client->MkDir();
    ASSERT_TRUE(RunUntil([&] { return server->Connections() == 1; }));
    client->AbortRequest();
    ASSERT_TRUE(client.WaitDone(2));
    EXPECT_EQ(std::tuple(client.Done[1].Error, client->State()), std::tuple(426, ftpReady));
    RunFor(100);
    EXPECT_EQ(client.Done.size(), 2u);

    // Aborting with nothing running changes nothing.
    client->AbortRequest();
    RunFor(50);
    EXPECT_EQ(client.Done.size(), 2u);
}

TEST_F(FtpRequests, RetrievalAndListingFromVsftpd)
{
    TempDir root("ftp-root");
    std::filesystem::create_directories(root.Path() + "/pub");
    std::string bytes = PatternBytes(300000, 9);
    WriteFileBytes(root.File("pub/data.bin"), bytes);
    auto vsftpd = ExternalFtpServer::StartVsftpd(root.Path(), work.Path());
    if (!vsftpd->Running())
        GTEST_SKIP() << vsftpd->Problem();
    client.PointAt(vsftpd->Port(), "anonymous");
    client->HostDirName = "pub";
    client->HostFileName = "data.bin";
    client->LocalFileName = work.File("copy.bin");
    client->ReceiveFile();
    ASSERT_TRUE(client->WaitUntilReady()) << client->ErrorMessage();
    ASSERT_TRUE(client.WaitDone(1));
    EXPECT_EQ(std::tuple(client.Done[0].RqType, ReadFileBytes(work.File("copy.bin")) == bytes,
                  client.SawDisplay("! 300000 bytes received/sent in")),
        std::tuple(ftpRqReceiveFile, true, true));

    // A partial copy is completed from where it stops.
    WriteFileBytes(work.File("copy.bin"), bytes.substr(0, 100000));
    std::int64_t firstCount = -1;
    client->OnProgress = [&](TObject*, std::int64_t count, bool&) { firstCount = firstCount < 0 ? count : firstCount; };
    client->RestartGet();
    ASSERT_TRUE(client->WaitUntilReady()) << client->ErrorMessage();
    EXPECT_GE(firstCount, 100000);
    EXPECT_EQ(std::tuple(client.SawDisplay("> REST 100000"), ReadFileBytes(work.File("copy.bin")) == bytes),
        std::tuple(true, true));
    client->OnProgress = nullptr;

    client->DisplayFlag = true;
    client->HostFileName = "";
    client->LocalFileName = work.File("list.txt");
    client->Directory();
    ASSERT_TRUE(client->WaitUntilReady()) << client->ErrorMessage();
    EXPECT_NE(ReadFileBytes(work.File("list.txt")).find("data.bin"), std::string::npos);
    EXPECT_TRUE(client.SawDisplay("> LIST"));
    EXPECT_TRUE(std::any_of(client.Log.begin(), client.Log.end(),
        [](const std::string& line) { return line.rfind("! Data: ", 0) == 0 && line.find("data.bin") != std::string::npos; }));
}
