// Requests refused before anything goes out, or while another runs: they
// raise, leave the client ready, and the next request works.

#include "tests/Ftp/FtpFaultFixture.h"
#include "tests/support/ThrownMessage.h"

#include <utility>

TEST_F(FtpFault, LineBreaksInArgumentsAreRefusedBeforeAnythingIsSent)
{
    auto& server = Serve(Session());
    std::pair<std::string*, std::string> cases[] { { &client->UserName, "user\r\nDELE x" },
        { &client->PassWord, std::string("pa\0ss", 5) }, { &client->HostDirName, "dir\nDELE x" },
        { &client->HostFileName, "up.bin\rDELE x" } };
    std::size_t done = 0;
    for (auto& [field, value] : cases) {
        std::string saved = std::exchange(*field, value);
        EXPECT_THROW(client->Transmit(), FtpException);
        ASSERT_TRUE(client.WaitDone(++done));
        EXPECT_EQ(std::tuple(client.Done.back().Error != 0, client->State()), std::tuple(true, ftpReady));
        *field = saved;
    }
    client->LocalFileName = "NOOP\r\nDELE x";
    EXPECT_THROW(client->DoQuote(), FtpException);
    ASSERT_TRUE(client.WaitDone(++done));
    // Not even a connection was made.
    RunFor(200);
    EXPECT_EQ(server.Connections(), 0);
    ExpectNextRequestWorks();
}

TEST_F(FtpFault, EmptyHostNameRaisesAndLeavesTheClientReady)
{
    Serve(Session());
    client->HostName = "";
    EXPECT_EQ(ThrownMessage([&] { client->Transmit(); }), "DNS lookup: invalid host name.");
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
    EXPECT_EQ(ThrownMessage<FtpException>([&] { client->MkDir(); }), "FTP component not ready");
    EXPECT_TRUE(client->WaitUntilReady());
    ASSERT_TRUE(client.WaitDone(1));
    EXPECT_EQ(std::tuple(client.Done.size(), client.Done[0].Error, server.Received("up.bin") == content),
        std::tuple(1u, 0, true));
}

TEST_F(FtpFault, RefusedConnectionIsReportedAsItsSocketError)
{
    Serve(Session());
    // Nobody listens there any more.
    server.reset();
    client->HostFileName = "d";
    EXPECT_FALSE(client->MkDirSync());
    ASSERT_TRUE(client.WaitDone(1));
    EXPECT_EQ(std::tuple(client.Done[0].Error, client->LastResponse()),
        std::tuple(10061, "500 Connection refused (Winsock error #10061)"));
}

TEST(FtpClientSettings, PortAbove65535IsRefused)
{
    TFtpClient client(nullptr);
    EXPECT_NE(ThrownMessage([&] { client.SetPort("70000"); }).find("Cannot convert port '70000'"), std::string::npos);
    EXPECT_EQ(client.Port(), "ftp");
    client.SetPort("65535");
    EXPECT_EQ(std::tuple(client.Port(), client.State(), client.Binary(), client.Timeout),
        std::tuple("65535", ftpReady, true, 15));
}
