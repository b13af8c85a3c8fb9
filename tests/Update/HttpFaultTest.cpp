// Responses and settings that must never pass for a whole document: each
// ends the request as failed, so that Get raises.

#include "tests/Update/HttpTestSupport.h"

#include <optional>

namespace {

// A stream whose disk is full.
struct FullStream : TMemoryStream {
    std::int64_t Write(const void*, std::int64_t count) override { return count > 3 ? 3 : count; }
};

using HttpFaults = HttpTest;

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

class HttpAnswer : public HttpTest, public ::testing::WithParamInterface<AnswerCase> {};

std::string Moved(const std::string& location) { return "HTTP/1.0 302 Found\r\nLocation: " + location + "\r\n\r\n"; }

const AnswerCase kAnswers[] = {
    // A document that did not arrive whole is a failure.
    { "ADocumentThatDidNotArriveWholeIsAFailure_NoAnswer", "", "no response from the server" },
    { "ADocumentThatDidNotArriveWholeIsAFailure_NoStatusLine", "Just some text\r\n\r\nwithout a status line",
        "no response from the server" },
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
    { "TransferCodingsOtherThanIdentityFail_Chunked",
        "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n0\r\n\r\n",
        "the server sent the document in a transfer coding this client does not read: chunked" },
    { "TransferCodingsOtherThanIdentityFail_GzipChunked",
        "HTTP/1.1 200 OK\r\nContent-Length: 5\r\nTransfer-Encoding: gzip, chunked\r\n\r\nhello",
        "the server sent the document in a transfer coding this client does not read: gzip, chunked" },
    { "TransferCodingsOtherThanIdentityFail_Identity",
        "HTTP/1.0 200 OK\r\nTransfer-Encoding: Identity\r\nContent-Length: 5\r\n\r\nhello", "", "hello", false },
    { "ABodyOfAnotherLengthThanAnnouncedFails_Longer", "HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\nhello, and more",
        "the document is longer than its Content-Length (5 bytes)" },
    { "ABodyOfAnotherLengthThanAnnouncedFails_LongerThanNothing", "HTTP/1.0 200 OK\r\nContent-Length: 0\r\n\r\nx",
        "the document is longer than its Content-Length (0 bytes)" },
    { "ABodyOfAnotherLengthThanAnnouncedFails_Shorter", "HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\nhel",
        "connection closed before the end of the document (3 of 5 bytes)" },
    { "LocationsThatCannotBeFollowedFail_Ftp", Moved("ftp://127.0.0.1/file"), "relocation to an unsupported protocol: ftp" },
    { "LocationsThatCannotBeFollowedFail_Mailto", Moved("mailto:someone@example.org"),
        "relocation to an unsupported protocol: mailto" },
    { "LocationsThatCannotBeFollowedFail_Empty", Moved(""), "relocation without a location" },
    { "LocationsThatCannotBeFollowedFail_NoHost", Moved("http:///nohost"), "relocation without a host name" },
    { "LocationsThatCannotBeFollowedFail_PortName", Moved("http://127.0.0.1:http/x"), "invalid port number in the relocation" },
    { "LocationsThatCannotBeFollowedFail_LineBreak", Moved("/a\rX-Injected: 1"), "line break or NUL in the relocation" },
    { "LocationsThatCannotBeFollowedFail_Nul", Moved(std::string("/a\0b", 4)), "line break or NUL in the relocation" },
};

}

TEST_F(HttpFaults, AResetConnectionIsAFailure)
{
    EXPECT_EQ(Fetch([](int fd, const std::string&, int) {
        SendAll(fd, "HTTP/1.0 200 OK\r\n\r\npart of it");
        usleep(100 * 1000);
        ResetOnClose(fd);
    }, "/doc.txt").Failure(), "connection lost: Connection reset by peer (Error #10054)");
}

TEST_F(HttpFaults, AFailedWriteOfTheBodyIsAFailure)
{
    FullStream stream;
    http.ReceiveStream = &stream;
    int docEnds = 0;
    http.OnDocEnd = [&](TObject*) { ++docEnds; };
    EXPECT_EQ(Fetch(Answer("HTTP/1.0 200 OK\r\n\r\n" + std::string(50000, 'x')), "/doc.txt").Failure(),
        "can't save the document: Stream write error");
    EXPECT_EQ(docEnds, 1);
}

TEST_F(HttpFaults, AnExceptionInADocumentHandlerEndsTheRequest)
{
    http.OnDocBegin = [](TObject*) { throw EFCreateError("Cannot create file doc.txt"); };
    EXPECT_EQ(Fetch(Answer("HTTP/1.0 200 OK\r\n\r\nbody"), "/doc.txt").Failure(), "Cannot create file doc.txt");
}

TEST_F(HttpFaults, OverlongHeaderLinesAndEndlessHeadersFailAndClose)
{
    std::atomic<bool> closed { false };
    ScriptedServer longLine([&](int fd, const std::string&, int) {
        SendAll(fd, "HTTP/1.0 200 OK\r\nX-Long: " + std::string(10000, 'a'));
        closed = PeerClosed(fd);
    });
    http.URL = longLine.Url("/doc.txt");
    EXPECT_EQ(RunGet(http).Failure(), "header line too long");
    EXPECT_TRUE(RunUntil([&] { return closed.load(); }, 6000));

    std::atomic<bool> stopped { false };
    ScriptedServer endless([&](int fd, const std::string&, int) {
        SendAll(fd, "HTTP/1.0 200 OK\r\n");
        for (int i = 0; i < 100000 && !stopped; ++i)
            stopped = !SendAll(fd, "X-More: yes\r\n");
    });
    http.URL = endless.Url("/doc.txt");
    EXPECT_EQ(RunGet(http).Failure(), "response header too large");
    EXPECT_TRUE(RunUntil([&] { return stopped.load(); }, 6000));
}

TEST_F(HttpFaults, RelocationsAreBounded)
{
    EXPECT_EQ(Fetch([](int fd, const std::string&, int index) {
        SendAll(fd, "HTTP/1.0 302 Found\r\nLocation: /again" + std::to_string(index) + "\r\n\r\n");
    }, "/start").Failure(), "too many relocations");
    EXPECT_EQ(server->Connections(), THttpCli::MaxRelocations + 1);
}

TEST_F(HttpFaults, AnAbsoluteLocationWithoutPortMeansPort80)
{
    // Something answers on the old port of the other address; following
    // there would be the fault.
    Serve(Answer("HTTP/1.0 302 Found\r\nLocation: http://127.0.0.2/x\r\n\r\n"), "/start");
    ScriptedServer samePort(Answer("HTTP/1.0 200 OK\r\n\r\nwrong"), "127.0.0.2", server->Port());
    ASSERT_TRUE(samePort.Bound());
    GetOutcome out = RunGet(http);
    EXPECT_EQ(samePort.Connections(), 0);
    // Nobody listens on port 80 of 127.0.0.2 (or, when something does, it is
    // not the old port).
    if (out.Raised) {
        EXPECT_EQ(out.Message, "Connection refused (Error #10061)");
    }
}

TEST_F(HttpFaults, CredentialsStayWithTheirHost)
{
    ScriptedServer other(Answer("HTTP/1.0 200 OK\r\n\r\nok"), "127.0.0.2");
    ASSERT_TRUE(other.Bound());
    ASSERT_FALSE(Fetch(InTurn({ Moved("/same-host"), Moved(other.Url("/elsewhere")) }), "http://joe:pw@127.0.0.1:{port}/start")
                     .Raised);
    ASSERT_EQ(server->Requests().size(), 2u);
    for (const std::string& request : server->Requests())
        EXPECT_EQ(Missing(Lines(request), { "Authorization: Basic am9lOnB3" }), "");
    ASSERT_EQ(other.Requests().size(), 1u);
    EXPECT_EQ(other.Requests()[0].find("Authorization"), std::string::npos);
}

TEST_F(HttpFaults, UrlsThatCannotBeFetchedFailInsteadOfHanging)
{
    Serve(Answer("HTTP/1.0 200 OK\r\n\r\nok"));
    std::string port = Port();
    const std::pair<std::string, std::string> cases[] = {
        { "http:///x", "no host name given" },
        { "", "no host name given" },
        { "http://127.0.0.1:8o/x", "invalid port number" },
        { "http://127.0.0.1:99999/x", "invalid port number" },
        { "https://127.0.0.1:" + port + "/x", "unsupported protocol: https" },
        { "http://127.0.0.1:" + port + "/x\r\nX-Injected: 1", "line break or NUL in the request" },
        { "http://127.0.0.1:" + port + std::string("/x\0y", 4), "line break or NUL in the request" },
    };
    for (const auto& [url, reason] : cases) {
        SCOPED_TRACE(url);
        THttpCli fresh(nullptr);
        fresh.URL = url;
        int done = 0;
        fresh.OnRequestDone = [&](TObject*, THttpRequest, std::uint16_t) { ++done; };
        EXPECT_EQ(RunGet(fresh).Failure(), reason);
        EXPECT_EQ(done, 1);
    }

    http.URL = server->Url("/x");
    http.Agent = "Corvana\r\nX-Injected: 1";
    EXPECT_EQ(RunGet(http).Message, "line break or NUL in the request");
    http.Agent = "Corvana";
    http.Proxy = ":" + port;
    EXPECT_EQ(RunGet(http).Message, "no host name given");
    EXPECT_EQ(server->Connections(), 0);
}

TEST_P(HttpAnswer, GetRaisesExactlyForAnAnswerThatIsNotAWholeDocument)
{
    const AnswerCase& k = GetParam();
    http.ReceiveStream = &body;
    GetOutcome out = Fetch(Answer(k.Response), "/doc.txt");
    EXPECT_EQ(std::tuple(http.State(), server->Connections()), std::tuple(HttpClientState::Ready, 1));
    EXPECT_EQ(out.Raised, k.Raises) << out.Message;
    EXPECT_EQ(out.Message, k.Raises && !k.Message.empty() ? k.Message : out.Message);  // when given
    EXPECT_GE(out.Code, k.Raises && k.Response.empty() ? 400 : out.Code);  // when nothing came
    EXPECT_EQ(body.Data(), k.Body.value_or(body.Data()));  // when given
}
INSTANTIATE_TEST_SUITE_P(HttpFaults, HttpAnswer, ::testing::ValuesIn(kAnswers),
    [](const auto& info) { return std::string(info.param.Name); });
