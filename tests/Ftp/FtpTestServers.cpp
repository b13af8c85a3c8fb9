#include "tests/Ftp/FtpTestServers.h"
#include "tests/support/TempDir.h"

#include <sys/stat.h>

#include <cstdio>

// ---- real servers

void ExternalFtpServer::Launch(const std::function<std::vector<std::string>(int port)>& args, int port,
    const std::string& problem)
{
    if (!m_program.emplace(args, port).Port())
        m_problem = problem;
}

std::unique_ptr<ExternalFtpServer> ExternalFtpServer::StartVsftpd(const std::string& root, const std::string& work, int port)
{
    auto server = std::make_unique<ExternalFtpServer>("anonymous");
    ::mkdir((work + "/empty").c_str(), 0755);
    std::string conf = work + "/vsftpd.conf";
    auto configured = [&](int listenPort) {
        WriteFileBytes(conf,
            "listen=YES\nlisten_ipv6=NO\nlisten_address=127.0.0.1\nlisten_port=" + std::to_string(listenPort)
                + "\nbackground=NO\nrun_as_launching_user=YES\nseccomp_sandbox=NO\nanonymous_enable=YES\nno_anon_password=YES\n"
                + "anon_root=" + root + "\nanon_upload_enable=YES\nanon_mkdir_write_enable=YES\nanon_other_write_enable=YES\n"
                + "anon_umask=022\nwrite_enable=YES\nlocal_enable=NO\npasv_enable=YES\nport_enable=YES\nconnect_from_port_20=NO\n"
                + "secure_chroot_dir=" + work + "/empty\nxferlog_enable=NO\ndirmessage_enable=NO\nmax_per_ip=0\nmax_clients=0\n");
        return std::vector<std::string> { "/usr/sbin/vsftpd", conf };
    };
    if (::access("/usr/sbin/vsftpd", X_OK) != 0)
        server->m_problem = "vsftpd is not installed";
    else
        server->Launch(configured, port, "vsftpd did not start");
    return server;
}

std::unique_ptr<ExternalFtpServer> ExternalFtpServer::StartPyftpdlib(const std::string& root, int readLimit)
{
    auto server = std::make_unique<ExternalFtpServer>("corvana", "secret");
    const char* script = "import logging, sys\n"
                         "from pyftpdlib import authorizers, handlers, servers\n"
                         "logging.basicConfig(level=logging.CRITICAL)\n"
                         "handlers.FTPHandler.authorizer = authorizers.DummyAuthorizer()\n"
                         "handlers.FTPHandler.authorizer.add_user('corvana', 'secret', sys.argv[1], perm='elradfmwMT')\n"
                         "if int(sys.argv[2]):\n"
                         "    handlers.ThrottledDTPHandler.read_limit = int(sys.argv[2])\n"
                         "    handlers.FTPHandler.dtp_handler = handlers.ThrottledDTPHandler\n"
                         "servers.FTPServer(('127.0.0.1', int(sys.argv[3])), handlers.FTPHandler).serve_forever()\n";
    server->Launch([&](int p) {
        return std::vector<std::string> { "/usr/bin/python3", "-c", script, root, std::to_string(readLimit), std::to_string(p) };
    }, 0, "pyftpdlib did not start (is python3-pyftpdlib installed?)");
    return server;
}

// ---- scripted server

bool ScriptConnection::ReadCommand(std::string& line, int timeoutMs)
{
    auto whole = [](const std::string& got) { return got.find("\r\n") != std::string::npos; };
    if (!ReadUntil(m_fd, m_pending, whole, timeoutMs) || !whole(m_pending))
        return false;
    std::size_t end = m_pending.find("\r\n");
    line = m_pending.substr(0, end);
    m_pending.erase(0, end + 2);
    return true;
}

int ScriptConnection::ConnectData(const std::string& sourceAddress, int receiveBuffer)
{
    unsigned h1, h2, h3, h4, p1, p2;
    if (std::sscanf(PortLine.c_str(), "PORT %u,%u,%u,%u,%u,%u", &h1, &h2, &h3, &h4, &p1, &p2) != 6)
        return -1;
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (receiveBuffer > 0)
        ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
    sockaddr_in source = LoopbackAddress(0);
    ::inet_pton(AF_INET, sourceAddress.c_str(), &source.sin_addr);
    ::bind(fd, reinterpret_cast<sockaddr*>(&source), sizeof source);
    sockaddr_in target = LoopbackAddress(int(p1 * 256 + p2));
    target.sin_addr.s_addr = htonl(h1 << 24 | h2 << 16 | h3 << 8 | h4);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&target), sizeof target) == 0)
        return fd;
    ::close(fd);
    return -1;
}

bool ScriptedFtpServer::TakeFile(const std::string& name, int fd)
{
    bool reset = false;
    std::string bytes;
    ReadUntil(fd, bytes, [](const std::string&) { return false; }, 10000, &reset);
    Store(name, bytes);
    m_dataReset = m_dataReset || reset;
    return reset;
}

void RunStandardSession(ScriptedFtpServer& server, ScriptConnection& c, const CommandHook& hook, const std::string& greeting)
{
    if (!greeting.empty())
        c.Send(greeting + "\r\n");
    for (std::string line; c.Open() && c.ReadCommand(line);) {
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
            bool reset = server.TakeFile(arg, fd);
            ::close(fd);
            c.Reply(reset ? "426 Connection reset" : "226 Transfer complete");
        } else if (verb == "QUIT") {
            c.Reply("221 Bye");
            c.Close();
        } else
            c.Reply("502 Not implemented");
    }
}

void Silence(ScriptConnection& c)
{
    for (std::string line; c.ReadCommand(line, 20000);) {
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
