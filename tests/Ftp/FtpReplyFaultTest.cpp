// Servers that greet wrongly, answer strangely or not at all: each request
// ends once with the failure, and the next request works.

#include "tests/Ftp/FtpFaultFixture.h"

#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// A USER reply that never ends its line.
ServerScript EndlessLine()
{
    return Answering("USER", [](ScriptedFtpServer&, ScriptConnection& c, const std::string&) {
        c.Send(std::string(4096, 'x'));
        Silence(c);
    });
}

class FtpReplyFault : public FtpFault, public ::testing::WithParamInterface<FailCase> {
};

const FailCase kReplyFaults[] = {
    { .Name = "RefusingGreetingEndsTheRequestWithItsNumber",
        .Script = [](ScriptedFtpServer&, ScriptConnection& c) { c.Reply("421 Too many users, try later"); },
        .Error = 421,
        .Message = "421 Too many users, try later",
        .Check =
            [](FtpFault& t) {
                EXPECT_EQ(t.client.Done[0].RqType, ftpRqTransmit);
                EXPECT_EQ(t.client->State(), ftpReady);
            } },
    { .Name = "GreetingWithoutDigitsIsNoGreeting",
        .Script =
            [](ScriptedFtpServer&, ScriptConnection& c) {
                c.Reply("Welcome!");
                Silence(c);
            },
        .Message = "Welcome!",
        .Check = [](FtpFault& t) { EXPECT_EQ(t.client.SessionsConnected, 0); } },
    { .Name = "GreetingThatNeverComesTimesOut",
        .Script = [](ScriptedFtpServer&, ScriptConnection& c) { Silence(c); },
        .Check =
            [](FtpFault& t) {
                EXPECT_LT(t.took, 5s);
                EXPECT_EQ(t.client->ErrorMessage(), "426 Timeout");
                EXPECT_EQ(t.client->StatusCode(), 426);
                EXPECT_EQ(t.client->State(), ftpReady);
            },
        .Timeout = 1 },
    { .Name = "EndlessLineGivesUpTheConnection",
        .Script = EndlessLine(),
        .Check =
            [](FtpFault& t) {
                EXPECT_NE(t.client->ErrorMessage(), "426 Timeout");
                EXPECT_TRUE(t.client.SawDisplay("! Reply line too long"));
            },
        .Timeout = 5 },
    { .Name = "UnansweredQuitTimesOutAfterTheUpload",
        .Script = Answering("QUIT", [](ScriptedFtpServer&, ScriptConnection& c, const std::string&) { Silence(c); }),
        .Check =
            [](FtpFault& t) {
                EXPECT_EQ(t.client->ErrorMessage(), "426 Timeout");
                EXPECT_TRUE(t.server->Received("up.bin") == t.content);
            },
        .Timeout = 1 },
    { .Name = "ControlConnectionLostBeforeAnAnswerDropsTheRemainingSteps",
        .Script = Answering("PASS", [](ScriptedFtpServer&, ScriptConnection& c, const std::string&) { c.Close(); }),
        .Error = 421,
        .Message = "421 Connection closed.",
        .Check =
            [](FtpFault& t) {
                EXPECT_TRUE(t.client.Exceptions.empty());
                EXPECT_FALSE(t.client.SawDisplay("> TYPE"));
            },
        .NextWorks = false },
};

}

TEST_P(FtpReplyFault, EndsTheRequestOnce) { EndsOnce(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Cases, FtpReplyFault, ::testing::ValuesIn(kReplyFaults), CaseName);

TEST_F(FtpFault, MultiLineRepliesRunTheirStepOnce)
{
    auto& server = Serve(Session(Answers({ { "USER", "331-Password wanted\r\n 331 this line is text\r\n331 Password please\r\n" },
                                     { "PASS", "230-Welcome\r\n230-Second line\r\n230 Logged in\r\n" },
                                     { "TYPE", "200-Type\r\nnot a code\r\n200 Type set to I\r\n" } }),
        "220-Welcome to the scripted server\r\n second line begins with a blank\r\n220 ready"));
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
    for (const char* line : { "<  second line begins with a blank", "< 230-Second line", "< not a code" })
        EXPECT_TRUE(client.SawDisplay(line)) << line;
}

TEST_F(FtpFault, ReplyWithoutDigitsFailsItsStep)
{
    Serve(Session(Answers({ { "TYPE", "Sure, whatever you say\r\n" }, { "NOOP", "Sure, whatever you say\r\n" } })));
    EXPECT_FALSE(client->TransmitSync());
    ASSERT_TRUE(client.WaitDone(1));
    EXPECT_NE(client.Done[0].Error, 0);
    EXPECT_EQ(client.Done[0].ErrorMessage, "Sure, whatever you say");
    EXPECT_FALSE(Sent("STOR"));
    EXPECT_TRUE(Sent("QUIT"));

    // A quoted command takes any reply below 500, but never one without a number.
    client->LocalFileName = "NOOP";
    client->DoQuote();
    ASSERT_TRUE(client.WaitDone(2));
    EXPECT_EQ(client.Done[1].RqType, ftpRqDoQuote);
    EXPECT_NE(client.Done[1].Error, 0);
}

TEST_F(FtpFault, RefusedPortAndRefusedStoreFailTheUpload)
{
    auto& server = Serve([](ScriptedFtpServer& s, ScriptConnection& c) {
        RunStandardSession(s, c, [&](ScriptConnection& c, const std::string& verb, const std::string&) {
            bool firstSession = s.Connections() == 1;
            if (verb == "PORT" && firstSession)
                c.Reply("500 PORT not understood");
            else if (verb == "STOR" && !firstSession)
                c.Reply("553 Could not create file");
            else
                return false;
            return true;
        });
    });
    EXPECT_FALSE(client->TransmitSync());
    ASSERT_TRUE(client.WaitDone(1));
    EXPECT_EQ(client.Done[0].Error, 500);
    EXPECT_FALSE(Sent("STOR"));

    // QUIT succeeds, yet the request failed: the synchronous call says so.
    EXPECT_FALSE(client->TransmitSync());
    ASSERT_TRUE(client.WaitDone(2));
    EXPECT_EQ(client.Done[1].Error, 553);
    EXPECT_EQ(client.Done[1].LastResponse, "553 Could not create file");
    EXPECT_EQ(server.Commands().back(), "QUIT");
}

namespace {

struct TextCase {
    const char* Name;
    ServerScript Script;
};
void PrintTo(const TextCase& c, std::ostream* os) { *os << c.Name; }

class FtpFailureTexts : public FtpFault, public ::testing::WithParamInterface<TextCase> {
};

const TextCase kTextCases[] = {
    { "ControlConnectionLostMidUpload",
        Answering("STOR",
            [](ScriptedFtpServer&, ScriptConnection& c, const std::string&) {
                c.Reply("150 Opening data connection");
                int fd = c.ConnectData();
                char buf[4096];
                ::recv(fd, buf, sizeof buf, MSG_WAITALL);
                // The server goes away: the data connection first.
                ::close(fd);
                usleep(50 * 1000);
                c.Close();
            }) },
    { "ReplyLineTooLong", EndlessLine() },
};

}

TEST_P(FtpFailureTexts, StatusLastResponseAndErrorMessageTellTheSameFailure)
{
    Serve(GetParam().Script, 4 * 1024 * 1024);
    client->Timeout = 5;
    EXPECT_FALSE(client->TransmitSync());
    ASSERT_TRUE(client.WaitDone(1));
    const DoneRecord& done = client.Done[0];
    EXPECT_NE(done.Error, 0);
    EXPECT_NE(client->ErrorMessage(), "426 Timeout");
    EXPECT_EQ(done.LastResponse, done.ErrorMessage);
    EXPECT_EQ(client->StatusCode(), done.Error) << done.ErrorMessage;
    EXPECT_EQ(FtpReplyNumber(done.ErrorMessage), done.Error) << done.ErrorMessage;
}
INSTANTIATE_TEST_SUITE_P(Cases, FtpFailureTexts, ::testing::ValuesIn(kTextCases),
    [](const auto& info) { return std::string(info.param.Name); });
