// Faults of the data connection and of the local file: connections made
// early or by a stranger, resets, aborts, unreadable files and servers that
// read slowly or stop reading.

#include "tests/Ftp/FtpFaultFixture.h"

#include <thread>

namespace {

using namespace std::chrono_literals;

class FtpDataFault : public FtpFault, public ::testing::WithParamInterface<FailCase> { };

const FailCase kDataFaults[] = {
    { .Name = "ResetDuringStoreIsNeverSuccess", .Size = 8 * 1024 * 1024,
        .Script = Answering("STOR", TakingData([](auto&, auto&, int fd, auto&) {
            char buf[4096];
            ::recv(fd, buf, sizeof buf, MSG_WAITALL);
            ResetOnClose(fd);
            // And claims all went well.
        })),
        .Check = [](FtpFault& t) { EXPECT_EQ(t.client->State(), ftpReady); } },
    { .Name = "ControlConnectionClosedAfter150EndsTheRequest",
        .Script = Answering("STOR", [](auto&, ScriptConnection& c, auto&) {
            c.Reply("150 Opening data connection");
            c.Close();
        }),
        .Check = [](FtpFault& t) {
            EXPECT_EQ(std::tuple(t.client.SessionsClosed, t.client->State()), std::tuple(1, ftpReady));
        } },
    { .Name = "AbortThroughProgressResetsTheUpload", .Error = 426, .Size = 4 * 1024 * 1024,
        .Script = Answering("STOR", TakingData([](auto& s, auto&, int fd, auto& arg) { s.TakeFile(arg, fd); })),
        .Before = [](FtpFault& t) {
            t.client->OnProgress = [](TObject*, std::int64_t count, bool& abort) { abort = count > 100000; };
        },
        .Check = [](FtpFault& t) {
            EXPECT_EQ(std::tuple(t.client.SawDisplay("! Abort requested"), t.server->DataReset()), std::tuple(true, true));
            EXPECT_LT(t.server->Received("up.bin").size(), t.content.size());
        } },
    // The server takes the cut-off upload for a whole one.
    { .Name = "LocalReadErrorFailsTheUpload", .Error = 451, .NextWorks = false,
        .Script = Answering("STOR", TakingData([](auto&, auto&, int fd, auto&) { ReadAll(fd); })),
        // A folder opens, but cannot be read.
        .Before = [](FtpFault& t) { t.client->LocalFileName = t.work.Path(); },
        .Check = [](FtpFault& t) { EXPECT_TRUE(t.client.SawDisplay("! Error reading file")); } },
    { .Name = "MissingLocalFileEndsWith550WithoutStor", .Error = 550, .NextWorks = false,
        .Script = Session(),
        .Before = [](FtpFault& t) { t.client->LocalFileName = t.work.File("missing.bin"); },
        .Check = [](FtpFault& t) {
            EXPECT_EQ(t.client.Done[0].LastResponse, "Unable to open local file " + t.work.File("missing.bin"));
            EXPECT_EQ(std::tuple(t.Sent("STOR"), t.Sent("QUIT")), std::tuple(false, true));
        } },
};

}

TEST_P(FtpDataFault, EndsTheRequestOnce) { EndsOnce(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Cases, FtpDataFault, ::testing::ValuesIn(kDataFaults), CaseName<FailCase>);

TEST_F(FtpFault, DataConnectionMadeAtPortTimeIsUsed)
{
    int early = -1;
    Serve(Session([&](ScriptConnection& c, const std::string& verb, const std::string& arg) {
        if (verb == "PORT") {
            early = c.ConnectData();
            c.Reply("200 PORT ok, connected already");
        } else if (verb == "STOR") {
            c.Reply("150 Sending on the open connection");
            server->TakeFile(arg, early);
            ::close(early);
            c.Reply("226 Transfer complete");
        } else
            return false;
        return true;
    }), 300000);
    ExpectUploadWorks(*server);
}

TEST_F(FtpFault, DataConnectionFromAnotherAddressIsRefused)
{
    auto& server = Serve(Answering("STOR", [](ScriptedFtpServer& s, ScriptConnection& c, const std::string& arg) {
        c.Reply("150 Opening data connection");
        // Someone else gets in first.
        int stranger = c.ConnectData("127.0.0.2");
        s.Store("stranger", stranger >= 0 ? ReadAll(stranger) : "");
        ::close(stranger);
        int fd = c.ConnectData();
        s.TakeFile(arg, fd);
        ::close(fd);
        c.Reply("226 Transfer complete");
    }));
    EXPECT_TRUE(client->TransmitSync()) << client->ErrorMessage();
    EXPECT_EQ(std::tuple(server.Received("stranger"), server.Received("up.bin") == content,
                  client.SawDisplay("! Data connection refused from 127.0.0.2")),
        std::tuple("", true, true));
}

namespace {

struct SlowCase {
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
void PrintTo(const SlowCase& c, std::ostream* os) { *os << c.Name; }

class FtpSlowServer : public FtpFault, public ::testing::WithParamInterface<SlowCase> { };

const SlowCase kSlowCases[] = {
    { "Reads100KBs", SIZE_MAX, 4096, 160 * 1024, 1, true },
    { "Reads100KBsThroughLargeBuffers", SIZE_MAX, 256 * 1024, 1 << 20, 4, true },
    { "StopsReading", 64 * 1024, 4096, 160 * 1024, 1, false },
    { "TakesNothing", 0, 4096, 1 << 20, 1, false },
};

}

TEST_P(FtpSlowServer, ASlowServerFinishesTheUploadAndAStalledOneTimesOut)
{
    const SlowCase& k = GetParam();
    // 100 KB a second until it stops reading, if it does.
    auto readSlowly = [&](ScriptedFtpServer& s, ScriptConnection& c, int fd, const std::string& arg) {
        std::string bytes;
        char buf[2048];
        auto start = std::chrono::steady_clock::now();
        while (bytes.size() < k.StopAfter) {
            // The next piece waits for its time.
            std::this_thread::sleep_until(start + std::chrono::microseconds(bytes.size() * 10));
            ssize_t n = ::recv(fd, buf, sizeof buf, 0);
            if (n <= 0)
                break;
            bytes.append(buf, std::size_t(n));
        }
        // Holds the connection without reading until the client goes, then
        // takes what it was left.
        if (bytes.size() >= k.StopAfter) {
            Silence(c);
            bytes += ReadAll(fd);
        }
        s.Store(arg, bytes);
    };
    auto& server = Serve(Answering("STOR", TakingData(readSlowly, k.ReceiveBuffer)), k.Size);
    client->Timeout = k.Timeout;
    EXPECT_EQ(Transmit(), k.Succeeds) << client->ErrorMessage();
    if (!k.Succeeds) {
        EXPECT_EQ(client->ErrorMessage(), "426 Timeout");
        EXPECT_LT(took, 4s);
    }
    EXPECT_TRUE(client.WaitDone(1));
    // What the client reports is what the server ended with.
    EXPECT_TRUE(RunUntil([&] { return server.Received("up.bin") != "<none>"; }, 15000));
    EXPECT_EQ(server.Received("up.bin") == content, k.Succeeds);
}
INSTANTIATE_TEST_SUITE_P(Cases, FtpSlowServer, ::testing::ValuesIn(kSlowCases), CaseName<SlowCase>);
