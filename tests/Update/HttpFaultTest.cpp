// Responses and settings that must never pass for a whole document: each
// ends the request as failed, so that Get raises.

#include "tests/Update/HttpTestSupport.h"

#include "Update/HttpProt.h"
#include "platform/Stream.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

GetOutcome Fetch(const std::string& response, std::string* bodyOut = nullptr)
{
    ScriptedServer server(Answer(response));
    THttpCli http(nullptr);
    http.URL = server.Url("/doc.txt");
    TMemoryStream body;
    http.ReceiveStream = &body;
    GetOutcome out = RunGet(http);
    if (bodyOut)
        *bodyOut = body.Data();
    EXPECT_EQ(http.State(), HttpClientState::Ready);
    return out;
}

// A stream whose disk is full.
class FullStream : public TMemoryStream {
public:
    std::int64_t Write(const void*, std::int64_t count) override { return count > 3 ? 3 : count; }
};

}

TEST(HttpFaults, AResetConnectionIsAFailure)
{
    ScriptedServer server([](int fd, const std::string&, int) {
        SendText(fd, "HTTP/1.0 200 OK\r\n\r\npart of it");
        usleep(100 * 1000);
        ResetConnection(fd);
    });
    THttpCli http(nullptr);
    http.URL = server.Url("/doc.txt");
    GetOutcome out = RunGet(http);
    EXPECT_TRUE(out.Raised);
    EXPECT_EQ(out.Message, "connection lost: Connection reset by peer (Error #10054)");
}

TEST(HttpFaults, AFailedWriteOfTheBodyIsAFailure)
{
    ScriptedServer server(Answer("HTTP/1.0 200 OK\r\n\r\n" + std::string(50000, 'x')));
    THttpCli http(nullptr);
    http.URL = server.Url("/doc.txt");
    FullStream stream;
    http.ReceiveStream = &stream;
    int docEnds = 0;
    http.OnDocEnd = [&](TObject*) { ++docEnds; };
    GetOutcome out = RunGet(http);
    EXPECT_TRUE(out.Raised);
    EXPECT_EQ(out.Message, "can't save the document: Stream write error");
    EXPECT_EQ(docEnds, 1);
}

TEST(HttpFaults, AnExceptionInADocumentHandlerEndsTheRequest)
{
    ScriptedServer server(Answer("HTTP/1.0 200 OK\r\n\r\nbody"));
    THttpCli http(nullptr);
    http.URL = server.Url("/doc.txt");
    http.OnDocBegin = [](TObject*) { throw EFCreateError("Cannot create file doc.txt"); };
    GetOutcome out = RunGet(http);
    EXPECT_TRUE(out.Raised);
    EXPECT_EQ(out.Message, "Cannot create file doc.txt");
}

TEST(HttpFaults, OverlongHeaderLinesAndEndlessHeadersFailAndClose)
{
    std::atomic<bool> closed { false };
    ScriptedServer longLine([&](int fd, const std::string&, int) {
        SendText(fd, "HTTP/1.0 200 OK\r\nX-Long: " + std::string(10000, 'a'));
        closed = PeerClosed(fd);
    });
    THttpCli http(nullptr);
    http.URL = longLine.Url("/doc.txt");
    GetOutcome out = RunGet(http);
    EXPECT_TRUE(out.Raised);
    EXPECT_EQ(out.Message, "header line too long");
    RunUntil([&] { return closed.load(); }, 6000);
    EXPECT_TRUE(closed.load());

    std::atomic<bool> stopped { false };
    ScriptedServer endless([&](int fd, const std::string&, int) {
        SendText(fd, "HTTP/1.0 200 OK\r\n");
        for (int i = 0; i < 100000; ++i) {
            if (::send(fd, "X-More: yes\r\n", 13, MSG_NOSIGNAL) <= 0) {
                stopped = true;
                return;
            }
        }
    });
    http.URL = endless.Url("/doc.txt");
    out = RunGet(http);
    EXPECT_TRUE(out.Raised);
    EXPECT_EQ(out.Message, "response header too large");
    RunUntil([&] { return stopped.load(); }, 6000);
    EXPECT_TRUE(stopped.load());
}

TEST(HttpFaults, RelocationsAreBounded)
{
    ScriptedServer server([](int fd, const std::string&, int index) {
        SendText(fd, "HTTP/1.0 302 Found\r\nLocation: /again" + std::to_string(index) + "\r\n\r\n");
    });
    THttpCli http(nullptr);
    http.URL = server.Url("/start");
    GetOutcome out = RunGet(http);
    EXPECT_TRUE(out.Raised);
    EXPECT_EQ(out.Message, "too many relocations");
    EXPECT_EQ(server.Connections(), THttpCli::MaxRelocations + 1);
}

TEST(HttpFaults, AnAbsoluteLocationWithoutPortMeansPort80)
{
    // Something answers on the old port of the other address; following
    // there would be the fault.
    ScriptedServer server([](int fd, const std::string&, int) {
        SendText(fd, "HTTP/1.0 302 Found\r\nLocation: http://127.0.0.2/x\r\n\r\n");
    });
    ScriptedServer samePort(Answer("HTTP/1.0 200 OK\r\n\r\nwrong"), "127.0.0.2", server.Port());
    ASSERT_TRUE(samePort.Bound());
    THttpCli http(nullptr);
    http.URL = server.Url("/start");
    GetOutcome out = RunGet(http);
    EXPECT_EQ(samePort.Connections(), 0);
    // Nobody listens on port 80 of 127.0.0.2 (or, when something does, it is
    // not the old port).
    if (out.Raised) {
        EXPECT_EQ(out.Message, "Connection refused (Error #10061)");
    }
}

TEST(HttpFaults, CredentialsStayWithTheirHost)
{
    ScriptedServer other(Answer("HTTP/1.0 200 OK\r\n\r\nok"), "127.0.0.2");
    ASSERT_TRUE(other.Bound());
    ScriptedServer server([&](int fd, const std::string&, int index) {
        if (index == 0)
            SendText(fd, "HTTP/1.0 302 Found\r\nLocation: /same-host\r\n\r\n");
        else
            SendText(fd, "HTTP/1.0 302 Found\r\nLocation: " + other.Url("/elsewhere") + "\r\n\r\n");
    });
    THttpCli http(nullptr);
    http.URL = "http://joe:pw@127.0.0.1:" + std::to_string(server.Port()) + "/start";
    ASSERT_FALSE(RunGet(http).Raised);
    ASSERT_EQ(server.Requests().size(), 2u);
    EXPECT_NE(server.Requests()[0].find("Authorization: Basic am9lOnB3\r\n"), std::string::npos);
    EXPECT_NE(server.Requests()[1].find("Authorization: Basic am9lOnB3\r\n"), std::string::npos);
    ASSERT_EQ(other.Requests().size(), 1u);
    EXPECT_EQ(other.Requests()[0].find("Authorization"), std::string::npos);
}

TEST(HttpFaults, LocationsThatCannotBeFollowedFail)
{
    struct Case {
        std::string location;
        std::string reason;
    } cases[] = {
        { "ftp://127.0.0.1/file", "relocation to an unsupported protocol: ftp" },
        { "mailto:someone@example.org", "relocation to an unsupported protocol: mailto" },
        { "", "relocation without a location" },
        { "http:///nohost", "relocation without a host name" },
        { "http://127.0.0.1:http/x", "invalid port number in the relocation" },
        { "/a\rX-Injected: 1", "line break or NUL in the relocation" },
        { std::string("/a\0b", 4), "line break or NUL in the relocation" },
    };
    for (const Case& c : cases) {
        ScriptedServer server(Answer("HTTP/1.0 302 Found\r\nLocation: " + c.location + "\r\n\r\n"));
        THttpCli http(nullptr);
        http.URL = server.Url("/start");
        GetOutcome out = RunGet(http);
        EXPECT_TRUE(out.Raised) << c.location;
        EXPECT_EQ(out.Message, c.reason) << c.location;
        EXPECT_EQ(server.Connections(), 1) << c.location;
    }
}

TEST(HttpFaults, UrlsThatCannotBeFetchedFailInsteadOfHanging)
{
    ScriptedServer server(Answer("HTTP/1.0 200 OK\r\n\r\nok"));
    std::string port = std::to_string(server.Port());
    struct Case {
        std::string url;
        std::string reason;
    } cases[] = {
        { "http:///x", "no host name given" },
        { "", "no host name given" },
        { "http://127.0.0.1:8o/x", "invalid port number" },
        { "http://127.0.0.1:99999/x", "invalid port number" },
        { "https://127.0.0.1:" + port + "/x", "unsupported protocol: https" },
        { "http://127.0.0.1:" + port + "/x\r\nX-Injected: 1", "line break or NUL in the request" },
        { "http://127.0.0.1:" + port + std::string("/x\0y", 4), "line break or NUL in the request" },
    };
    for (const Case& c : cases) {
        THttpCli http(nullptr);
        http.URL = c.url;
        int done = 0;
        http.OnRequestDone = [&](TObject*, THttpRequest, std::uint16_t) { ++done; };
        GetOutcome out = RunGet(http);
        EXPECT_TRUE(out.Raised) << c.url;
        EXPECT_EQ(out.Message, c.reason) << c.url;
        EXPECT_EQ(done, 1) << c.url;
    }

    THttpCli http(nullptr);
    http.URL = server.Url("/x");
    http.Agent = "Corvana\r\nX-Injected: 1";
    EXPECT_EQ(RunGet(http).Message, "line break or NUL in the request");
    http.Agent = "Corvana";
    http.Proxy = ":" + port;
    EXPECT_EQ(RunGet(http).Message, "no host name given");
    EXPECT_EQ(server.Connections(), 0);
}

namespace {

// An answer and what Get makes of it: the failure's message (empty: Get
// does not raise), and the body kept, when given.
struct AnswerCase {
    const char* Name;
    std::string Response;
    std::string Message;
    std::optional<std::string> Body = std::nullopt;
    bool Raises = true;
};
void PrintTo(const AnswerCase& c, std::ostream* os) { *os << c.Name; }

class HttpAnswer : public ::testing::TestWithParam<AnswerCase> {
};

const AnswerCase kAnswers[] = {
    // A document that did not arrive whole is a failure.
    { "ADocumentThatDidNotArriveWholeIsAFailure_NoAnswer", "", "no response from the server" },
    { "ADocumentThatDidNotArriveWholeIsAFailure_NoStatusLine", "Just some text\r\n\r\nwithout a status line", "no response from the server" },
    { "ADocumentThatDidNotArriveWholeIsAFailure_HeaderCut", "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n",
        "connection closed before the end of the header" },
    { "ADocumentThatDidNotArriveWholeIsAFailure_BodyCut", "HTTP/1.0 200 OK\r\nContent-Length: 10\r\n\r\n12345",
        "connection closed before the end of the document (5 of 10 bytes)", "12345" },
    // Without a length, a close ends the document.
    { "ADocumentThatDidNotArriveWholeIsAFailure_NoLength", "HTTP/1.0 200 OK\r\n\r\n12345", "", "12345", false },
    { "StatusAndLengthThatAreNotNumbersFail_Status", "HTTP/1.0 2x0 OK\r\n\r\nbody", "bad status line from the server" },
    { "StatusAndLengthThatAreNotNumbersFail_Length", "HTTP/1.0 200 OK\r\nContent-Length: lots\r\n\r\nbody",
        "bad Content-Length from the server" },
    { "StatusAndLengthThatAreNotNumbersFail_NegativeLength", "HTTP/1.0 200 OK\r\nContent-Length: -4\r\n\r\nbody", "" },
    { "TransferCodingsOtherThanIdentityFail_Chunked", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n0\r\n\r\n",
        "the server sent the document in a transfer coding this client does not read: chunked" },
    { "TransferCodingsOtherThanIdentityFail_GzipChunked",
        "HTTP/1.1 200 OK\r\nContent-Length: 5\r\nTransfer-Encoding: gzip, chunked\r\n\r\nhello",
        "the server sent the document in a transfer coding this client does not read: gzip, chunked" },
    { "TransferCodingsOtherThanIdentityFail_Identity", "HTTP/1.0 200 OK\r\nTransfer-Encoding: Identity\r\nContent-Length: 5\r\n\r\nhello",
        "", "hello", false },
    { "ABodyOfAnotherLengthThanAnnouncedFails_Longer", "HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\nhello, and more",
        "the document is longer than its Content-Length (5 bytes)" },
    { "ABodyOfAnotherLengthThanAnnouncedFails_LongerThanNothing", "HTTP/1.0 200 OK\r\nContent-Length: 0\r\n\r\nx",
        "the document is longer than its Content-Length (0 bytes)" },
    { "ABodyOfAnotherLengthThanAnnouncedFails_Shorter", "HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\nhel",
        "connection closed before the end of the document (3 of 5 bytes)" },
};

}

TEST_P(HttpAnswer, GetRaisesExactlyForAnAnswerThatIsNotAWholeDocument)
{
    const AnswerCase& k = GetParam();
    std::string body;
    GetOutcome out = Fetch(k.Response, &body);
    EXPECT_EQ(out.Raised, k.Raises) << out.Message;
    if (k.Raises && !k.Message.empty()) {
        EXPECT_EQ(out.Message, k.Message);
    }
    if (k.Raises && k.Response.empty()) {
        EXPECT_GE(out.Code, 400);
    }
    if (k.Body) {
        EXPECT_EQ(body, *k.Body);
    }
}
INSTANTIATE_TEST_SUITE_P(HttpFaults, HttpAnswer, ::testing::ValuesIn(kAnswers), [](const auto& info) { return std::string(info.param.Name); });
