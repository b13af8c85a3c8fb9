#include "tests/Ftp/FtpTestServers.h"
#include "tests/support/Loopback.h"

#include "platform/MessagePump.h"
#include "platform/Application.h"
#include "platform/Messages.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <memory>

extern char** environ;

std::string PatternBytes(std::size_t size, unsigned seed)
{
    std::string bytes(size, '\0');
    std::uint32_t x = 2463534242u ^ seed;
    for (std::size_t i = 0; i < size; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        bytes[i] = char(x & 0xFF);
    }
    return bytes;
}

namespace {

sockaddr_in loopback(int port, const char* address = "127.0.0.1")
{
    sockaddr_in a {};
    a.sin_family = AF_INET;
    a.sin_port = htons(std::uint16_t(port));
    ::inet_pton(AF_INET, address, &a.sin_addr);
    return a;
}

int spawn(const std::vector<std::string>& args, int stdoutFd)
{
    std::vector<char*> argv;
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    int devNull = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    pid_t pid = ::fork();
    if (pid == 0) {
        // The server goes with the test, however the test ends.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        ::dup2(devNull, 0);
        ::dup2(stdoutFd >= 0 ? stdoutFd : devNull, 1);
        ::dup2(devNull, 2);
        ::execve(argv[0], argv.data(), environ);
        ::_exit(127);
    }
    ::close(devNull);
    return pid;
}

}

// ---- real servers

ExternalFtpServer::~ExternalFtpServer() { Stop(); }

void ExternalFtpServer::Stop()
{
    if (m_pid <= 0)
        return;
    ::kill(m_pid, SIGTERM);
    int status = 0;
    for (int i = 0; i < 100 && ::waitpid(m_pid, &status, WNOHANG) != m_pid; ++i)
        ::usleep(20000);
    if (::waitpid(m_pid, &status, WNOHANG) == 0) {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, &status, 0);
    }
    m_pid = -1;
}

bool ExternalFtpServer::WaitForGreeting(int timeoutMs)
{
    std::uint64_t deadline = GetTickCount64() + std::uint64_t(timeoutMs);
    while (GetTickCount64() < deadline) {
        int status = 0;
        if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            return false;
        }
        int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a = loopback(m_port);
        if (::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0) {
            char buf[256];
            pollfd p { fd, POLLIN, 0 };
            bool greeted = ::poll(&p, 1, 3000) == 1 && ::recv(fd, buf, sizeof buf, 0) >= 3 && std::strncmp(buf, "220", 3) == 0;
            ::close(fd);
            if (greeted)
                return true;
        } else {
            ::close(fd);
        }
        ::usleep(20000);
    }
    return false;
}

std::unique_ptr<ExternalFtpServer> ExternalFtpServer::StartVsftpd(const std::string& root, const std::string& work, int port)
{
    auto server = std::unique_ptr<ExternalFtpServer>(new ExternalFtpServer);
    server->m_root = root;
    server->m_user = "anonymous";
    if (::access("/usr/sbin/vsftpd", X_OK) != 0) {
        server->m_problem = "vsftpd is not installed";
        return server;
    }
    ::mkdir((work + "/empty").c_str(), 0755);
    // A port picked free may be taken again before vsftpd binds it.
    for (int attempt = 0; attempt < 5; ++attempt) {
        server->m_port = port ? port : UnusedLoopbackPort();
        std::string conf = work + "/vsftpd.conf";
        std::ofstream out(conf);
        out << "listen=YES\nlisten_ipv6=NO\nlisten_address=127.0.0.1\nlisten_port=" << server->m_port << "\n"
            << "background=NO\nrun_as_launching_user=YES\nseccomp_sandbox=NO\n"
            << "anonymous_enable=YES\nno_anon_password=YES\nanon_root=" << root << "\n"
            << "anon_upload_enable=YES\nanon_mkdir_write_enable=YES\nanon_other_write_enable=YES\nanon_umask=022\n"
            << "write_enable=YES\nlocal_enable=NO\npasv_enable=YES\nport_enable=YES\nconnect_from_port_20=NO\n"
            << "secure_chroot_dir=" << work << "/empty\nxferlog_enable=NO\ndirmessage_enable=NO\n"
            << "max_per_ip=0\nmax_clients=0\n";
        out.close();
        server->m_pid = spawn({ "/usr/sbin/vsftpd", conf }, -1);
        if (server->m_pid > 0 && server->WaitForGreeting(5000))
            return server;
        server->Stop();
        if (port)
            break;
    }
    server->m_problem = "vsftpd did not start";
    return server;
}

std::unique_ptr<ExternalFtpServer> ExternalFtpServer::StartPyftpdlib(const std::string& root, const std::string& work, int readLimit)
{
    auto server = std::unique_ptr<ExternalFtpServer>(new ExternalFtpServer);
    server->m_root = root;
    server->m_user = "corvana";
    server->m_password = "secret";
    std::string script = work + "/pyftpd.py";
    std::ofstream out(script);
    out << "import logging, sys\n"
           "logging.basicConfig(level=logging.CRITICAL)\n"
           "from pyftpdlib.authorizers import DummyAuthorizer\n"
           "from pyftpdlib.handlers import FTPHandler\n"
           "from pyftpdlib.servers import FTPServer\n"
           "a = DummyAuthorizer()\n"
           "a.add_user('corvana', 'secret', sys.argv[1], perm='elradfmwMT')\n"
           "FTPHandler.authorizer = a\n"
           "if int(sys.argv[2]):\n"
           "    from pyftpdlib.handlers import ThrottledDTPHandler\n"
           "    ThrottledDTPHandler.read_limit = int(sys.argv[2])\n"
           "    FTPHandler.dtp_handler = ThrottledDTPHandler\n"
           "s = FTPServer(('127.0.0.1', 0), FTPHandler)\n"
           "print(s.address[1], flush=True)\n"
           "s.serve_forever()\n";
    out.close();
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        server->m_problem = "no pipe";
        return server;
    }
    server->m_pid = spawn({ "/usr/bin/python3", script, root, std::to_string(readLimit) }, pipeFds[1]);
    ::close(pipeFds[1]);
    std::string line;
    pollfd p { pipeFds[0], POLLIN, 0 };
    std::uint64_t deadline = GetTickCount64() + 10000;
    while (line.find('\n') == std::string::npos && GetTickCount64() < deadline) {
        if (::poll(&p, 1, 200) == 1) {
            char buf[64];
            ssize_t n = ::read(pipeFds[0], buf, sizeof buf);
            if (n <= 0)
                break;
            line.append(buf, std::size_t(n));
        }
    }
    ::close(pipeFds[0]);
    server->m_port = std::atoi(line.c_str());
    if (server->m_pid <= 0 || server->m_port <= 0 || !server->WaitForGreeting(5000)) {
        server->m_problem = "pyftpdlib did not start (is python3-pyftpdlib installed?)";
        server->Stop();
    }
    return server;
}

// ---- scripted server

ScriptConnection::~ScriptConnection() { Close(); }

void ScriptConnection::Close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

void ScriptConnection::ResetAndClose()
{
    if (m_fd < 0)
        return;
    linger hard { 1, 0 };
    ::setsockopt(m_fd, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    Close();
}

void ScriptConnection::Send(const std::string& bytes)
{
    std::size_t done = 0;
    while (m_fd >= 0 && done < bytes.size()) {
        ssize_t n = ::send(m_fd, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n <= 0)
            return;
        done += std::size_t(n);
    }
}

bool ScriptConnection::ReadCommand(std::string& line, int timeoutMs)
{
    std::uint64_t deadline = GetTickCount64() + std::uint64_t(timeoutMs);
    for (;;) {
        std::size_t end = m_pending.find("\r\n");
        if (end != std::string::npos) {
            line = m_pending.substr(0, end);
            m_pending.erase(0, end + 2);
            return true;
        }
        std::uint64_t now = GetTickCount64();
        if (m_fd < 0 || now >= deadline)
            return false;
        pollfd p { m_fd, POLLIN, 0 };
        if (::poll(&p, 1, int(deadline - now)) != 1)
            return false;
        char buf[4096];
        ssize_t n = ::recv(m_fd, buf, sizeof buf, 0);
        if (n <= 0)
            return false;
        m_pending.append(buf, std::size_t(n));
    }
}

int ScriptConnection::ConnectData(const std::string& sourceAddress, int receiveBuffer)
{
    int h1, h2, h3, h4, p1, p2;
    if (std::sscanf(PortLine.c_str(), "PORT %d,%d,%d,%d,%d,%d", &h1, &h2, &h3, &h4, &p1, &p2) != 6)
        return -1;
    std::string address = std::to_string(h1) + "." + std::to_string(h2) + "." + std::to_string(h3) + "." + std::to_string(h4);
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (receiveBuffer > 0)
        ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
    sockaddr_in source = loopback(0, sourceAddress.c_str());
    ::bind(fd, reinterpret_cast<sockaddr*>(&source), sizeof source);
    sockaddr_in target = loopback(p1 * 256 + p2, address.c_str());
    if (::connect(fd, reinterpret_cast<sockaddr*>(&target), sizeof target) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

std::string ScriptConnection::ReceiveAll(int fd, bool* reset)
{
    std::string bytes;
    if (reset)
        *reset = false;
    char buf[65536];
    for (;;) {
        pollfd p { fd, POLLIN, 0 };
        if (::poll(&p, 1, 10000) != 1)
            break;
        ssize_t n = ::recv(fd, buf, sizeof buf, 0);
        if (n > 0) {
            bytes.append(buf, std::size_t(n));
            continue;
        }
        if (n < 0 && errno == ECONNRESET && reset)
            *reset = true;
        break;
    }
    return bytes;
}

ScriptedFtpServer::ScriptedFtpServer(Script script)
    : m_script(std::move(script))
{
    m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int on = 1;
    ::setsockopt(m_listener, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in a = loopback(0);
    ::bind(m_listener, reinterpret_cast<sockaddr*>(&a), sizeof a);
    ::listen(m_listener, 8);
    socklen_t len = sizeof a;
    ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&a), &len);
    m_port = ntohs(a.sin_port);
    m_thread = std::thread([this] {
        while (!m_stop) {
            pollfd p { m_listener, POLLIN, 0 };
            if (::poll(&p, 1, 50) != 1)
                continue;
            int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd < 0)
                continue;
            ++m_connections;
            ScriptConnection c(fd);
            m_script(c);
        }
    });
}

ScriptedFtpServer::~ScriptedFtpServer()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    ::close(m_listener);
}

std::vector<std::string> ScriptedFtpServer::Commands() const
{
    std::lock_guard lock(m_mutex);
    return m_commands;
}

void ScriptedFtpServer::Record(const std::string& command)
{
    std::lock_guard lock(m_mutex);
    m_commands.push_back(command);
}

std::string ScriptedFtpServer::Received(const std::string& name) const
{
    std::lock_guard lock(m_mutex);
    auto it = m_files.find(name);
    return it == m_files.end() ? std::string("<none>") : it->second;
}

void ScriptedFtpServer::Store(const std::string& name, const std::string& bytes)
{
    std::lock_guard lock(m_mutex);
    m_files[name] = bytes;
}

void RunStandardSession(ScriptedFtpServer& server, ScriptConnection& c, const CommandHook& hook, const std::string& greeting)
{
    if (!greeting.empty())
        c.Send(greeting + "\r\n");
    std::string line;
    while (c.Fd() >= 0 && c.ReadCommand(line)) {
        server.Record(line);
        std::size_t space = line.find(' ');
        std::string verb = line.substr(0, space);
        std::string arg = space == std::string::npos ? "" : line.substr(space + 1);
        if (verb == "PORT")
            c.PortLine = line;
        if (hook && hook(c, verb, arg))
            continue;
        // The plain answers; "%" stands for the argument.
        static const std::map<std::string, std::string> answers { { "USER", "331 Password please" }, { "PASS", "230 Logged in" },
            { "CWD", "250 \"%\" is current" }, { "TYPE", "200 Type set" }, { "PORT", "200 PORT ok" }, { "MKD", "257 \"%\" created" },
            { "DELE", "250 Deleted" } };
        if (auto plain = answers.find(verb); plain != answers.end()) {
            std::string reply = plain->second;
            if (std::size_t at = reply.find('%'); at != std::string::npos)
                reply.replace(at, 1, arg);
            c.Reply(reply);
        } else if (verb == "STOR") {
            c.Reply("150 Opening data connection");
            int fd = c.ConnectData();
            bool reset = false;
            std::string bytes = ScriptConnection::ReceiveAll(fd, &reset);
            if (fd >= 0)
                ::close(fd);
            if (reset)
                server.SetDataReset();
            server.Store(arg, bytes);
            c.Reply(reset ? "426 Connection reset" : "226 Transfer complete");
        } else if (verb == "QUIT") {
            c.Reply("221 Bye");
            c.Close();
        } else
            c.Reply("502 Not implemented");
    }
}

CommandHook Answers(std::map<std::string, std::string> replies)
{
    return [replies = std::move(replies)](ScriptConnection& c, const std::string& verb, const std::string&) {
        auto it = replies.find(verb);
        if (it == replies.end())
            return false;
        c.Send(it->second);
        return true;
    };
}
