// Uploads to real servers that take the file slowly: each upload runs in a
// process of its own, all at once, so that the whole measurement lasts about
// as long as its longest upload.

#include "Ftp/Ftpcli.h"
#include "tests/Ftp/FtpTestServers.h"
#include "tests/support/Spawn.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <filesystem>
#include <iomanip>
#include <iostream>
#include <sstream>

namespace {

using namespace std::chrono_literals;

struct Upload {
    std::unique_ptr<TempDir> Root;
    std::unique_ptr<ExternalFtpServer> Server {};
    std::string Local {};
    std::string Bytes {};
    pid_t Pid = -1;
};

}

TEST(ThrottledServer, EveryUploadToAServerReading100KBsEndsWellAndTheServerHoldsItWhole)
{
    std::vector<Upload> uploads;
    for (std::size_t mib : { 1, 3, 10 })
        for (int run = 0; run < 10; ++run) {
            // The file to send lies beside what the server takes.
            auto root = std::make_unique<TempDir>("ftp-root");
            std::string local = root->File("up" + std::to_string(uploads.size()));
            Upload u { std::move(root), nullptr, local, PatternBytes(mib << 20, unsigned(uploads.size())) };
            u.Server = ExternalFtpServer::StartPyftpdlib(u.Root->Path(), 100 * 1024);
            if (!u.Server->Running())
                GTEST_SKIP() << u.Server->Problem();
            WriteFileBytes(u.Local, u.Bytes);
            uploads.push_back(std::move(u));
        }
    for (Upload& u : uploads) {
        u.Pid = SpawnProgram({ CORVANA_BIN_DIR "/ftp_upload_once", std::to_string(u.Server->Port()), u.Server->User(),
                                 u.Server->Password(), u.Local, "up.bin", "15" },
            u.Local + ".out");
        ASSERT_GT(u.Pid, 0);
    }
    // The figures: per size, how many ended well, and each one's seconds.
    std::map<std::size_t, std::ostringstream> figures;
    std::map<std::size_t, int> good;
    for (Upload& u : uploads) {
        ::waitpid(u.Pid, nullptr, 0);
        std::string output = ReadFileBytes(u.Local + ".out");
        int ok = -1;
        long ms = 0;
        std::istringstream(output) >> ok >> ms;
        std::string path = u.Root->File("up.bin");
        auto held = [&] { return std::filesystem::exists(path) ? std::filesystem::file_size(path) : 0; };
        // A server told of a failure may still be writing what it has.
        for (int still = 0, looks = 0; ok != 1 && still < 20 && looks < 300; ++looks) {
            std::uintmax_t before = held();
            std::this_thread::sleep_for(100ms);
            still = before == held() ? still + 1 : 0;
        }
        std::string stored = ReadFileBytes(path);
        bool whole = stored == u.Bytes;
        // It ended well, and what the client says is what the server ended with.
        EXPECT_EQ(std::tuple(ok, whole), std::tuple(1, true))
            << (u.Bytes.size() >> 20) << " MiB: " << output << " (the server holds " << stored.size() << ")";
        good[u.Bytes.size()] += ok == 1 && whole;
        figures[u.Bytes.size()] << " " << std::fixed << std::setprecision(1) << double(ms) / 1000 << (ok == 1 ? "" : " (failed)");
    }
    for (auto& [size, times] : figures)
        std::cout << (size >> 20) << " MiB: " << good[size] << "/10 ended well; seconds:" << times.str() << "\n";
}

// How long a synchronous upload waits, from what the client saw of the
// server at each look: (tick, bytes taken, window offered, whole file held).
TEST(ProgressDeadline, AServerStillReadingIsWaitedForAndOneThatStoppedIsNot)
{
    using Look = std::tuple<std::uint64_t, std::int64_t, std::uint32_t, bool>;
    struct Case {
        const char* Name;
        std::vector<Look> Looks;
        std::uint64_t GivesUpFrom, GivesUpBy;
    };
    const std::int64_t file = 3 << 20;
    std::vector<Look> closing;
    for (std::uint64_t t = 500; t <= 5000; t += 500)
        closing.push_back({ t, std::int64_t(t) * 100, 0, false });
    closing.push_back({ 5500, 600000, 200000, true });
    // Its buffers grew by 2 MB while its window stayed closed; it read 100 KB/s
    // throughout, so 2.6 MB are still unread when it holds the whole file.
    std::vector<Look> grew { { 500, 500000, 0, false }, { 2000, 500000, 0, false } };
    for (std::uint64_t t = 2500; t <= 4500; t += 500)
        grew.push_back({ t, std::int64_t(2600000 + (t - 2500) * 100), 0, false });
    grew.push_back({ 5000, file, 18432, true });
    const std::vector<Case> cases {
        { "stops taking part-way", { { 1, 0, 65536, false }, { 1000, 500000, 0, false }, { 9000, 500000, 0, false } }, 16000, 16000 },
        { "holds the whole file behind a window that never moves",
            { { 1, 0, 65536, false }, { 2000, file, 730112, true }, { 30000, file, 730112, true } }, 60000, 90000 },
        { "holds the whole file and its window grows 100 KB/s",
            { { 1, file, 1000000, true }, { 1000, file, 1100000, true }, { 2000, file, 1200000, true } }, 55000, 65000 },
        { "read 100 KB/s through a closed window, then took the end", closing, 21000, 21500 },
        { "read 100 KB/s through a closed window that hid its buffers' growth", grew, 31000, 60000 },
    };
    for (const Case& k : cases) {
        TProgressDeadline deadline(15, 1);
        for (const auto& [at, taken, window, whole] : k.Looks)
            deadline.Look(at, TFtpTransferProgress { taken, window, whole, 1 });
        EXPECT_GE(deadline.At(), k.GivesUpFrom) << k.Name;
        EXPECT_LE(deadline.At(), k.GivesUpBy) << k.Name;
    }
}
