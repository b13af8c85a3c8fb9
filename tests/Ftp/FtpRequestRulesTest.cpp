// Requests refused before anything goes out, or while another runs: they
// raise, leave the client ready, and the next request works.

#include "tests/Ftp/FtpFaultFixture.h"

TEST_F(FtpFault, LineBreaksInArgumentsAreRefusedBeforeAnythingIsSent)
{
    auto& server = Serve(Session());
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
    Serve(Session());
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
    auto& server = Serve(Session());
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
    Serve(Session());
    // Nobody listens there any more.
    server.reset();
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
