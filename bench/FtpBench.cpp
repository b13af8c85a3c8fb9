// Upload throughput of the FTP client: a 1 GiB file to a vsftpd on
// 127.0.0.1 through TFtpClient (active mode, image type), and beside it
// curl uploading the same file to the same server in active mode.

#include "Ftp/Ftpcli.h"
#include "platform/Application.h"

#include <QApplication>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr long long kTotal = 1LL << 30;

double rate(long long bytes, double secs) { return secs > 0 ? double(bytes) / 1e6 / secs : 0; }

int freePort()
{
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a {};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t len = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    ::close(fd);
    return ntohs(a.sin_port);
}

pid_t spawn(std::vector<std::string> args)
{
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    int devNull = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    pid_t pid = ::fork();
    if (pid == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        ::dup2(devNull, 0);
        ::dup2(devNull, 1);
        ::dup2(devNull, 2);
        ::execve(argv[0], argv.data(), environ);
        ::_exit(127);
    }
    ::close(devNull);
    return pid;
}

bool writeFile(const std::string& path)
{
    std::ofstream out(path, std::ios::binary);
    std::vector<char> chunk(1 << 20);
    for (std::size_t i = 0; i < chunk.size(); ++i)
        chunk[i] = char((i * 131 + 17) & 0xFF);
    for (long long done = 0; done < kTotal; done += static_cast<long long>(chunk.size())) {
        chunk[0] = char(done >> 20);
        out.write(chunk.data(), std::streamsize(chunk.size()));
    }
    return bool(out);
}

long long fileSize(const std::string& path)
{
    std::error_code ec;
    auto n = std::filesystem::file_size(path, ec);
    return ec ? -1 : (long long)n;
}

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
    double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!ok) {
        std::fprintf(stderr, "client upload failed: %s\n", client.ErrorMessage().c_str());
        return -1;
    }
    return rate(kTotal, secs);
}

double curlUpload(int port, const std::string& local)
{
    auto start = std::chrono::steady_clock::now();
    pid_t pid = spawn({ "/usr/bin/curl", "-sS", "-T", local, "--ftp-port", "127.0.0.1", "-u", "anonymous:",
        "ftp://127.0.0.1:" + std::to_string(port) + "/curl.bin" });
    int status = 0;
    ::waitpid(pid, &status, 0);
    double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "curl upload failed\n");
        return -1;
    }
    return rate(kTotal, secs);
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
    if (!writeFile(local)) {
        std::fprintf(stderr, "cannot write %s\n", local.c_str());
    } else {
        int port = freePort();
        std::string conf = work + "/vsftpd.conf";
        std::ofstream out(conf);
        out << "listen=YES\nlisten_ipv6=NO\nlisten_address=127.0.0.1\nlisten_port=" << port << "\n"
            << "background=NO\nrun_as_launching_user=YES\nseccomp_sandbox=NO\n"
            << "anonymous_enable=YES\nno_anon_password=YES\nanon_root=" << root << "\n"
            << "anon_upload_enable=YES\nanon_other_write_enable=YES\nwrite_enable=YES\nlocal_enable=NO\n"
            << "pasv_enable=YES\nport_enable=YES\nconnect_from_port_20=NO\nsecure_chroot_dir=" << work << "/empty\n"
            << "xferlog_enable=NO\n";
        out.close();
        pid_t server = spawn({ "/usr/sbin/vsftpd", conf });
        ::usleep(300000);

        std::printf("upload of %lld bytes to vsftpd on 127.0.0.1 (active mode, image type)\n", kTotal);
        for (int round = 1; round <= 2; ++round) {
            double mine = clientUpload(port, local);
            bool mineOk = fileSize(root + "/client.bin") == kTotal;
            std::filesystem::remove(root + "/client.bin");
            double theirs = curlUpload(port, local);
            bool theirsOk = fileSize(root + "/curl.bin") == kTotal;
            std::filesystem::remove(root + "/curl.bin");
            if (mine < 0 || theirs < 0 || !mineOk || !theirsOk) {
                std::printf("round %d failed\n", round);
                break;
            }
            std::printf("round %d: TFtpClient %.0f MB/s, curl -T %.0f MB/s, ratio %.2f\n", round, mine, theirs, mine / theirs);
            rc = 0;
        }
        ::kill(server, SIGTERM);
        ::waitpid(server, nullptr, 0);
    }
    std::error_code ec;
    std::filesystem::remove_all(work, ec);
    delete Application;
    return rc;
}
