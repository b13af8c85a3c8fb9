// Download rate of THttpCli: a 1 GiB file served by nginx on 127.0.0.1 is
// fetched into a file through the client, then by curl (HTTP/1.0) in the
// same run; both rates and their ratio are printed.

#include "Update/HttpProt.h"
#include "platform/Application.h"
#include "platform/Stream.h"

#include <QApplication>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr long long kSize = 1LL << 30;

double seconds(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

int freePort()
{
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a {};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t len = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    ::close(fd);
    return ntohs(a.sin_port);
}

bool makeFile(const std::string& path)
{
    std::ofstream out(path, std::ios::binary);
    std::vector<char> chunk(1 << 20);
    for (std::size_t i = 0; i < chunk.size(); ++i)
        chunk[i] = char((i * 131 + 17) & 0xFF);
    for (long long done = 0; done < kSize; done += static_cast<long long>(chunk.size()))
        out.write(chunk.data(), std::streamsize(chunk.size()));
    return bool(out);
}

pid_t startNginx(const std::string& dir, int port)
{
    std::string conf = dir + "/nginx.conf";
    std::ofstream c(conf);
    c << "daemon off;\nworker_processes 1;\npid " << dir << "/nginx.pid;\nerror_log " << dir << "/error.log;\n"
      << "events { worker_connections 64; }\nhttp {\n  access_log " << dir << "/access.log;\n"
      << "  client_body_temp_path " << dir << "/tmp;\n  proxy_temp_path " << dir << "/tmp;\n"
      << "  fastcgi_temp_path " << dir << "/tmp;\n  uwsgi_temp_path " << dir << "/tmp;\n  scgi_temp_path " << dir << "/tmp;\n"
      << "  sendfile on;\n  server {\n    listen 127.0.0.1:" << port << ";\n    root " << dir << "/www;\n  }\n}\n";
    c.close();
    pid_t pid = ::fork();
    if (pid == 0) {
        ::execl("/usr/sbin/nginx", "nginx", "-p", dir.c_str(), "-c", conf.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    return pid;
}

bool waitForPort(int port)
{
    for (int i = 0; i < 100; ++i) {
        int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a {};
        a.sin_family = AF_INET;
        a.sin_port = htons(std::uint16_t(port));
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
        ::close(fd);
        if (ok)
            return true;
        ::usleep(50 * 1000);
    }
    return false;
}

long long fileSize(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? (long long)st.st_size : -1;
}

}

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication qt(argc, argv);
    Application = new TApplication;

    char pattern[] = "/tmp/httpbench.XXXXXX";
    std::string dir = ::mkdtemp(pattern);
    ::chmod(dir.c_str(), 0755);
    std::string www = dir + "/www";
    ::mkdir(www.c_str(), 0755);
    ::mkdir((dir + "/tmp").c_str(), 0755);
    ::mkdir((dir + "/logs").c_str(), 0755);
    if (!makeFile(www + "/big.bin")) {
        std::fprintf(stderr, "cannot write the test file\n");
        return 1;
    }
    int port = freePort();
    pid_t nginx = startNginx(dir, port);
    if (!waitForPort(port)) {
        std::fprintf(stderr, "nginx did not start\n");
        return 1;
    }
    std::string url = "http://127.0.0.1:" + std::to_string(port) + "/big.bin";

    double ours = 0;
    {
        THttpCli http(nullptr);
        http.URL = url;
        TFileStream out(dir + "/ours.bin", fmCreate);
        http.ReceiveStream = &out;
        auto start = std::chrono::steady_clock::now();
        try {
            http.Get();
        } catch (const std::exception& e) {
            std::fprintf(stderr, "THttpCli failed: %s\n", e.what());
        }
        ours = seconds(start);
    }
    long long oursSize = fileSize(dir + "/ours.bin");
    ::unlink((dir + "/ours.bin").c_str());

    std::string curlOut = dir + "/curl.bin";
    auto start = std::chrono::steady_clock::now();
    std::string command = "curl --http1.0 -s -o " + curlOut + " " + url;
    int rc = std::system(command.c_str());
    double theirs = seconds(start);
    long long curlSize = fileSize(curlOut);

    ::kill(nginx, SIGQUIT);
    ::waitpid(nginx, nullptr, 0);
    std::system(("rm -rf " + dir).c_str());

    double mb = double(kSize) / 1e6;
    std::printf("THttpCli: %lld bytes in %.3f s = %.1f MB/s\n", oursSize, ours, mb / ours);
    std::printf("curl:     %lld bytes in %.3f s = %.1f MB/s (exit %d)\n", curlSize, theirs, mb / theirs, rc);
    std::printf("ratio (THttpCli / curl): %.2f\n", theirs / ours);
    delete Application;
    return oursSize == kSize && curlSize == kSize ? 0 : 1;
}
