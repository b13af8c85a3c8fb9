// Download rate of THttpCli: a 1 GiB file served by nginx on 127.0.0.1 is
// fetched into a file through the client, then by curl (HTTP/1.0) in the
// same run; both rates and their ratio are printed.

#include "Update/HttpProt.h"
#include "bench/BenchSupport.h"
#include "platform/Application.h"
#include "platform/Stream.h"
#include "tests/Update/NginxServer.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication qt(argc, argv);
    Application = new TApplication;

    NginxServer nginx;
    if (!bench::WriteTestFile(nginx.Root() + "/big.bin")) {
        std::fprintf(stderr, "cannot write the test file\n");
        return 1;
    }
    if (!nginx.Start()) {
        std::fprintf(stderr, "nginx did not start\n");
        return 1;
    }
    std::string url = nginx.Url("/big.bin");

    std::string ours = nginx.Dir() + "/ours.bin";
    double oursSeconds = 0;
    {
        THttpCli http(nullptr);
        http.URL = url;
        TFileStream out(ours, fmCreate);
        http.ReceiveStream = &out;
        auto start = std::chrono::steady_clock::now();
        try {
            http.Get();
        } catch (const std::exception& e) {
            std::fprintf(stderr, "THttpCli failed: %s\n", e.what());
        }
        oursSeconds = bench::SecondsSince(start);
    }
    long long oursSize = bench::FileSize(ours);
    bool oursSame = bench::SameFile(ours, nginx.Root() + "/big.bin");
    std::filesystem::remove(ours);

    std::string theirs = nginx.Dir() + "/curl.bin";
    auto start = std::chrono::steady_clock::now();
    int rc = bench::RunProgram({ "/usr/bin/curl", "--http1.0", "-s", "-o", theirs, url });
    double theirsSeconds = bench::SecondsSince(start);
    long long curlSize = bench::FileSize(theirs);
    bool curlSame = bench::SameFile(theirs, nginx.Root() + "/big.bin");

    std::printf("THttpCli: %lld bytes in %.3f s = %.1f MB/s\n", oursSize, oursSeconds, bench::Rate(oursSeconds));
    std::printf("curl:     %lld bytes in %.3f s = %.1f MB/s (exit %d)\n", curlSize, theirsSeconds, bench::Rate(theirsSeconds), rc);
    std::printf("ratio (THttpCli / curl): %.2f\n", theirsSeconds / oursSeconds);
    delete Application;
    if (!oursSame || !curlSame)
        std::printf("the bytes received differ from the file served:%s%s\n", oursSame ? "" : " THttpCli", curlSame ? "" : " curl");
    return oursSize == bench::kFileSize && curlSize == bench::kFileSize && oursSame && curlSame ? 0 : 1;
}
