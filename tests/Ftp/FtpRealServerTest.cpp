// Uploads, folders and deletions against real servers on 127.0.0.1.

#include "tests/Ftp/FtpClientFixture.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using std::filesystem::exists;

// The parameter names the server: "vsftpd" or "pyftpdlib".
class RealServer : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(root.Path() + "/pub");
        server = GetParam() == "vsftpd" ? ExternalFtpServer::StartVsftpd(root.Path(), work.Path())
                                        : ExternalFtpServer::StartPyftpdlib(root.Path());
        if (!server->Running())
            GTEST_SKIP() << server->Problem();
        client.PointAt(server->Port(), server->User(), server->Password());
        client->Timeout = 60;
    }

    // Uploads `bytes` as pub/<name> and checks what the server stored.
    void Upload(const std::string& name, const std::string& bytes)
    {
        client->LocalFileName = work.File(name + ".local");
        WriteFileBytes(client->LocalFileName, bytes);
        client->HostDirName = "pub";
        client->HostFileName = name;
        client.ExpectTransmits();
        std::string stored = ReadFileBytes(root.File("pub/" + name));
        ASSERT_EQ(stored.size(), bytes.size());
        EXPECT_TRUE(stored == bytes) << "content differs";
    }

    TempDir root { "ftp-root" };
    TempDir work { "ftp-work" };
    std::unique_ptr<ExternalFtpServer> server;
    RecordingClient client;
};

}

TEST_P(RealServer, UploadsArriveByteForByte)
{
    Upload("empty.bin", "");
    EXPECT_TRUE(client.SawDisplay("! 0 bytes received/sent in"));
    Upload("forty.bin", PatternBytes(40000, 7));
    EXPECT_TRUE(client.SawDisplay("! 40000 bytes received/sent in"));
    Upload("big.bin", PatternBytes(100 * 1024 * 1024, 3));
    // The session ends with QUIT; the reply reported is the transfer's.
    EXPECT_EQ(std::tuple(client->StatusCode(), client->State(), client.SessionsConnected, client.SessionsClosed),
        std::tuple(226, ftpReady, 3, 3));
}

TEST_P(RealServer, MakesFoldersAndDeletesFiles)
{
    client->HostFileName = "pub/made";
    ASSERT_TRUE(client->MkDirSync()) << client->ErrorMessage();
    ASSERT_TRUE(client.WaitDone(1));
    EXPECT_EQ(std::tuple(client.Done.back().RqType, std::filesystem::is_directory(root.File("pub/made"))),
        std::tuple(ftpRqMkDir, true));
    EXPECT_NE(client->DirResult().find("made"), std::string::npos);

    WriteFileBytes(root.File("pub/old.htm"), "old");
    client->HostFileName = "pub/old.htm";
    ASSERT_TRUE(client->DeleteSync()) << client->ErrorMessage();
    ASSERT_TRUE(client.WaitDone(2));
    EXPECT_EQ(std::tuple(client.Done.back().RqType, exists(root.File("pub/old.htm"))), std::tuple(ftpRqDelete, false));

    // Deleting what is not there fails with the server's own answer.
    EXPECT_FALSE(client->DeleteSync());
    ASSERT_TRUE(client.WaitDone(3));
    EXPECT_EQ(std::tuple(client.Done.back().Error, client->StatusCode(), client->ErrorMessage().substr(0, 3)),
        std::tuple(550, 550, "550"));
}

TEST_P(RealServer, FailedFolderChangeEndsWithQuitOnly)
{
    WriteFileBytes(work.File("page.htm"), "<html></html>");
    client->LocalFileName = work.File("page.htm");
    client->HostDirName = "no-such-folder";
    client->HostFileName = "page.htm";
    EXPECT_FALSE(client->TransmitSync());
    ASSERT_TRUE(client.WaitDone(1));
    // The reply reported is CWD's, not QUIT's.
    const DoneRecord& done = client.Done[0];
    EXPECT_EQ(std::tuple(done.RqType, done.Error, done.LastResponse.substr(0, 3)), std::tuple(ftpRqTransmit, 550, "550"));
    EXPECT_EQ(std::tuple(client.SawDisplay("> TYPE"), client.SawDisplay("> STOR"), client.SawDisplay("> QUIT"),
                  exists(root.File("page.htm"))),
        std::tuple(false, false, true, false));
}

INSTANTIATE_TEST_SUITE_P(Servers, RealServer, ::testing::Values("vsftpd", "pyftpdlib"),
    [](const auto& info) { return info.param; });

TEST(RealServerLogin, WrongPasswordIsRefusedAndPasswordIsAskedFor)
{
    TempDir root("ftp-root");
    auto server = ExternalFtpServer::StartPyftpdlib(root.Path());
    if (!server->Running())
        GTEST_SKIP() << server->Problem();
    RecordingClient client;
    client.PointAt(server->Port(), "corvana", "wrong");
    client->HostFileName = "x";
    EXPECT_FALSE(client->MkDirSync());
    ASSERT_TRUE(client.WaitDone(1));
    EXPECT_EQ(std::tuple(client.Done[0].Error, client.SawDisplay("> PASS wrong"), client.SawDisplay("> MKD")),
        std::tuple(530, true, false));

    // The server asks for a password (331), and none is given.
    client->PassWord = "";
    EXPECT_FALSE(client->MkDirSync());
    ASSERT_TRUE(client.WaitDone(2));
    EXPECT_NE(client.Done[1].Error, 0);
    EXPECT_EQ(client.Exceptions, std::vector<std::string> { "Password emtpy" });
    EXPECT_EQ(std::tuple(client.Done[1].ErrorMessage, client->State()), std::tuple("Password emtpy", ftpReady));

    // And the next request works.
    client->PassWord = "secret";
    EXPECT_TRUE(client->MkDirSync()) << client->ErrorMessage();
    EXPECT_TRUE(std::filesystem::is_directory(root.File("x")));
}
