// Upload throughput of the FTP client: a 1 GiB file to a vsftpd on
// 127.0.0.1 through TFtpClient (active mode, image type), and beside it
// curl uploading the same file to the same server in active mode.

#include "Ftp/Ftpcli.h"
#include "bench/BenchSupport.h"
#include "tests/Ftp/FtpTestServers.h"
#include "platform/Application.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// MB/s of one upload through the client; negative on failure.
double clientUpload(int port, const std::string& local)
{
    TFtpClient client(nullptr);
    client.HostName = "127.0.0.1";
    client.SetPort(std::to_string(port));
    client.UserName = "anonymous";
    client.HostFileName = "client.bin";
    client.LocalFileName = local;
    client.Timeout = 60;
    auto start = std::chrono::steady_clock::now();
    bool ok = client.TransmitSync();
    double secs = bench::SecondsSince(start);
    if (!ok) {
        std::fprintf(stderr, "client upload failed: %s\n", client.ErrorMessage().c_str());
        return -1;
    }
    return bench::Rate(secs);
}

double curlUpload(int port, const std::string& local)
{
    auto start = std::chrono::steady_clock::now();
    int rc = bench::RunProgram({ "/usr/bin/curl", "-sS", "-T", local, "--ftp-port", "127.0.0.1", "-u", "anonymous:",
        "ftp://127.0.0.1:" + std::to_string(port) + "/curl.bin" });
    double secs = bench::SecondsSince(start);
    if (rc != 0) {
        std::fprintf(stderr, "curl upload failed\n");
        return -1;
    }
    return bench::Rate(secs);
}

}

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication qt(argc, argv);
    Application = new TApplication;

    char pattern[] = "/tmp/corvana-ftpbench-XXXXXX";
    std::string work = ::mkdtemp(pattern);
    std::string root = work + "/root";
    std::filesystem::create_directories(root);
    std::filesystem::create_directories(work + "/empty");
    std::string local = work + "/upload.bin";
    int rc = 1;
    auto server = ExternalFtpServer::StartVsftpd(root, work);
    if (!bench::WriteTestFile(local)) {
        std::fprintf(stderr, "cannot write %s\n", local.c_str());
    } else if (!server->Running()) {
        std::fprintf(stderr, "%s\n", server->Problem().c_str());
    } else {
        int port = server->Port();
        std::printf("upload of %lld bytes to vsftpd on 127.0.0.1 (active mode, image type)\n", bench::kFileSize);
        for (int round = 1; round <= 3; ++round) {
            double mine = clientUpload(port, local);
            bool mineOk = bench::SameFile(root + "/client.bin", local);
            std::filesystem::remove(root + "/client.bin");
            double theirs = curlUpload(port, local);
            bool theirsOk = bench::SameFile(root + "/curl.bin", local);
            std::filesystem::remove(root + "/curl.bin");
            if (mine < 0 || theirs < 0 || !mineOk || !theirsOk) {
                std::printf("round %d failed%s%s\n", round, mineOk ? "" : " (TFtpClient's file differs)",
                    theirsOk ? "" : " (curl's file differs)");
                rc = 1;
                break;
            }
            std::printf("round %d: TFtpClient %.0f MB/s, curl -T %.0f MB/s, ratio %.2f\n", round, mine, theirs, mine / theirs);
            rc = 0;
        }
    }
    server.reset();
    std::error_code ec;
    std::filesystem::remove_all(work, ec);
    delete Application;
    return rc;
}
