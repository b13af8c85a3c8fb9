#pragma once
// Servers for the FTP client's tests, all on 127.0.0.1: vsftpd and
// pyftpdlib started by the test itself, and a scripted server that plays a
// session line by line from a thread of its own (for faults a real server
// does not produce on demand).

#include "tests/support/Loopback.h"
#include "tests/support/MessageLoop.h"
#include "tests/support/Spawn.h"

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

// A real server started as a child process, stopped when the object goes.
class ExternalFtpServer {
public:
    explicit ExternalFtpServer(std::string user, std::string password = "") : m_user(user), m_password(password) { }
    int Port() const { return m_program ? m_program->Port() : 0; }
    const std::string& User() const { return m_user; }
    const std::string& Password() const { return m_password; }
    bool Running() const { return Port() > 0; }
    // Why the server could not be started.
    const std::string& Problem() const { return m_problem; }

    // vsftpd with anonymous uploads into `root`; `port` 0 picks a free one.
    static std::unique_ptr<ExternalFtpServer> StartVsftpd(const std::string& root, const std::string& work, int port = 0);
    // pyftpdlib with the account corvana/secret rooted in `root`; it reads
    // uploads at `readLimit` bytes a second when that is not 0.
    static std::unique_ptr<ExternalFtpServer> StartPyftpdlib(const std::string& root, int readLimit = 0);

private:
    // Starts the program `args(port)` gives until it listens on the port.
    void Launch(const std::function<std::vector<std::string>(int port)>& args, int port, const std::string& problem);

    std::string m_user, m_password, m_problem;
    std::optional<LoopbackProgram> m_program;
};

// One control connection of the scripted server, seen from the server.
class ScriptConnection {
public:
    explicit ScriptConnection(int fd) : m_fd(fd) { }
    ~ScriptConnection() { Close(); }

    void Send(const std::string& bytes) { SendAll(m_fd, bytes); }
    void Reply(const std::string& line) { Send(line + "\r\n"); }
    // The next command line without CR LF; false when the client closed or
    // the time passed.
    bool ReadCommand(std::string& line, int timeoutMs = 10000);
    // Connects to the address of the last PORT line (from `sourceAddress`);
    // `receiveBuffer` bytes of receive buffer when not 0.
    int ConnectData(const std::string& sourceAddress = "127.0.0.1", int receiveBuffer = 0);
    void Close() { ::close(std::exchange(m_fd, -1)); }
    bool Open() const { return m_fd >= 0; }

    std::string PortLine;

private:
    int m_fd;
    std::string m_pending;
};

class ScriptedFtpServer {
public:
    using Script = std::function<void(ScriptConnection&)>;
    // Each connection runs the script on the server's thread.
    explicit ScriptedFtpServer(Script script) : m_script(std::move(script)) { }
    int Port() const { return m_server.Port(); }
    int Connections() const { return m_server.Connections(); }

    // Commands received so far, in order, over all connections.
    std::vector<std::string> Commands() const { return Locked([&] { return m_commands; }); }
    void Record(const std::string& command) { Locked([&] { m_commands.push_back(command); }); }
    // Bytes the data connection delivered, by file name.
    std::string Received(const std::string& name) const
    {
        return Locked([&] { return m_files.contains(name) ? m_files.at(name) : std::string("<none>"); });
    }
    void Store(const std::string& name, const std::string& bytes) { Locked([&] { m_files[name] = bytes; }); }
    // Stores all the data connection `fd` brings as `name`; true when it
    // ended with a reset.
    bool TakeFile(const std::string& name, int fd);
    bool DataReset() const { return m_dataReset; }

private:
    template <class F> std::invoke_result_t<F> Locked(F f) const
    {
        std::lock_guard lock(m_mutex);
        return f();
    }

    Script m_script;
    std::atomic<bool> m_dataReset { false };
    mutable std::mutex m_mutex;
    std::vector<std::string> m_commands;
    std::map<std::string, std::string> m_files;
    // Last, so that its thread ends before the rest goes.
    LoopbackServer m_server { [this](int fd, int) {
        ScriptConnection c(fd);
        m_script(c);
    } };
};

// What a well-behaved server answers, with a hook that may answer a command
// first (returning true). STOR reads the data connection into the server's
// files; QUIT ends the session.
using CommandHook = std::function<bool(ScriptConnection&, const std::string& verb, const std::string& arg)>;
void RunStandardSession(ScriptedFtpServer& server, ScriptConnection& c, const CommandHook& hook = nullptr,
    const std::string& greeting = "220 scripted server ready");
// Holds the connection open without a word until the client goes.
void Silence(ScriptConnection& c);
// A hook that answers the listed commands with their bytes as they stand
// (CR LF included), and leaves the others to the standard session.
CommandHook Answers(std::map<std::string, std::string> replies);
