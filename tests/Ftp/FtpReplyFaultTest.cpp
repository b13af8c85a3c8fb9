// Servers that greet wrongly, answer strangely or not at all: each request
// ends once with the failure, and the next request works.

#include "tests/Ftp/FtpFaultFixture.h"

namespace {

using namespace std::chrono_literals;

// A USER reply that never ends its line.
const ServerScript EndlessLine = Answering("USER", [](auto&, ScriptConnection& c, auto&) {
    c.Send(std::string(4096, 'x'));
    Silence(c);
});

class FtpReplyFault : public FtpFault, public ::testing::WithParamInterface<FailCase> { };

const FailCase kReplyFaults[] = {
    { .Name = "RefusingGreetingEndsTheRequestWithItsNumber", .Error = 421, .Message = "421 Too many users, try later",
        .Script = [](auto&, ScriptConnection& c) { c.Reply("421 Too many users, try later"); },
        .Check = [](FtpFault& t) {
            EXPECT_EQ(std::tuple(t.client.Done[0].RqType, t.client->State()), std::tuple(ftpRqTransmit, ftpReady));
        } },
    { .Name = "GreetingWithoutDigitsIsNoGreeting", .Message = "Welcome!",
        .Script = [](auto&, ScriptConnection& c) {
            c.Reply("Welcome!");
            Silence(c);
        },
        .Check = [](FtpFault& t) { EXPECT_EQ(t.client.SessionsConnected, 0); } },
    { .Name = "GreetingThatNeverComesTimesOut", .Timeout = 1,
        .Script = [](auto&, ScriptConnection& c) { Silence(c); },
        .Check = [](FtpFault& t) {
            EXPECT_LT(t.took, 5s);
            EXPECT_EQ(std::tuple(t.client->ErrorMessage(), t.client->StatusCode(), t.client->State()),
                std::tuple("426 Timeout", 426, ftpReady));
        } },
    { .Name = "EndlessLineGivesUpTheConnection", .Timeout = 5,
        .Script = EndlessLine,
        .Check = [](FtpFault& t) {
            EXPECT_NE(t.client->ErrorMessage(), "426 Timeout");
            EXPECT_TRUE(t.client.SawDisplay("! Reply line too long"));
        } },
    { .Name = "UnansweredQuitTimesOutAfterTheUpload", .Timeout = 1,
        .Script = Answering("QUIT", [](auto&, ScriptConnection& c, auto&) { Silence(c); }),
        .Check = [](FtpFault& t) {
            EXPECT_EQ(std::tuple(t.client->ErrorMessage(), t.server->Received("up.bin") == t.content),
                std::tuple("426 Timeout", true));
        } },
    { .Name = "ControlConnectionLostBeforeAnAnswerDropsTheRemainingSteps", .Error = 421, .Message = "421 Connection closed.",
        .NextWorks = false,
        .Script = Answering("PASS", [](auto&, ScriptConnection& c, auto&) { c.Close(); }),
        .Check = [](FtpFault& t) {
            EXPECT_EQ(std::tuple(t.client.Exceptions, t.client.SawDisplay("> TYPE")),
                std::tuple(std::vector<std::string> {}, false));
        } },
    { .Name = "ReplyWithoutDigitsFailsItsStep", .Message = "Sure, whatever you say", .NextWorks = false,
        .Script = Session(Answers({ { "TYPE", "Sure, whatever you say\r\n" }, { "NOOP", "Sure, whatever you say\r\n" } })),
        .Check = [](FtpFault& t) {
            EXPECT_EQ(std::tuple(t.Sent("STOR"), t.Sent("QUIT")), std::tuple(false, true));
            // A quoted command takes any reply below 500, but never one without a number.
            t.client->LocalFileName = "NOOP";
            t.client->DoQuote();
            ASSERT_TRUE(t.client.WaitDone(2));
            EXPECT_EQ(std::tuple(t.client.Done[1].RqType, t.client.Done[1].Error != 0), std::tuple(ftpRqDoQuote, true));
        } },
    { .Name = "RefusedPortAndRefusedStoreFailTheUpload", .Error = 500, .NextWorks = false,
        .Script = [](ScriptedFtpServer& s, ScriptConnection& c) {
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
        },
        .Check = [](FtpFault& t) {
            EXPECT_FALSE(t.Sent("STOR"));
            // QUIT succeeds, yet the request failed: the synchronous call says so.
            EXPECT_FALSE(t.client->TransmitSync());
            ASSERT_TRUE(t.client.WaitDone(2));
            EXPECT_EQ(std::tuple(t.client.Done[1].Error, t.client.Done[1].LastResponse, t.server->Commands().back()),
                std::tuple(553, "553 Could not create file", "QUIT"));
        } },
};

}

TEST_P(FtpReplyFault, EndsTheRequestOnce) { EndsOnce(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Cases, FtpReplyFault, ::testing::ValuesIn(kReplyFaults), CaseName<FailCase>);

TEST_F(FtpFault, MultiLineRepliesRunTheirStepOnce)
{
    auto& server = Serve(Session(Answers({ { "USER", "331-Password wanted\r\n 331 this line is text\r\n331 Password please\r\n" },
                                     { "PASS", "230-Welcome\r\n230-Second line\r\n230 Logged in\r\n" },
                                     { "TYPE", "200-Type\r\nnot a code\r\n200 Type set to I\r\n" } }),
        "220-Welcome to the scripted server\r\n second line begins with a blank\r\n220 ready"));
    ExpectUploadWorks(server);
    // One command per step: no step ran on a first or middle line.
    auto commands = server.Commands();
    ASSERT_EQ(commands.size(), 6u);
    commands[3] = commands[3].substr(0, 5);
    EXPECT_EQ(commands, (std::vector<std::string> { "USER user", "PASS pass", "TYPE I", "PORT ", "STOR up.bin", "QUIT" }));
    // Every line is still shown.
    for (const char* line : { "<  second line begins with a blank", "< 230-Second line", "< not a code" })
        EXPECT_TRUE(client.SawDisplay(line)) << line;
}

namespace {

class FtpFailureTexts : public FtpFault, public ::testing::WithParamInterface<FailCase> { };

const FailCase kTextCases[] = {
    { .Name = "ControlConnectionLostMidUpload", .Script = Answering("STOR", [](auto&, ScriptConnection& c, auto&) {
         c.Reply("150 Opening data connection");
         int fd = c.ConnectData();
         char buf[4096];
         ::recv(fd, buf, sizeof buf, MSG_WAITALL);
         // The server goes away: the data connection first.
         ::close(fd);
         usleep(50 * 1000);
         c.Close();
     }) },
    { .Name = "ReplyLineTooLong", .Script = EndlessLine },
};

}

TEST_P(FtpFailureTexts, StatusLastResponseAndErrorMessageTellTheSameFailure)
{
    Serve(GetParam().Script, 4 * 1024 * 1024);
    client->Timeout = 5;
    EXPECT_FALSE(client->TransmitSync());
    ASSERT_TRUE(client.WaitDone(1));
    const DoneRecord& done = client.Done[0];
    EXPECT_NE(client->ErrorMessage(), "426 Timeout");
    EXPECT_EQ(std::tuple(done.Error != 0, done.LastResponse, client->StatusCode(), FtpReplyNumber(done.ErrorMessage)),
        std::tuple(true, done.ErrorMessage, done.Error, done.Error));
}
INSTANTIATE_TEST_SUITE_P(Cases, FtpFailureTexts, ::testing::ValuesIn(kTextCases), CaseName<FailCase>);
