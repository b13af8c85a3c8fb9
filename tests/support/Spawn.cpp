#include "tests/support/Spawn.h"
#include "tests/support/Loopback.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>

extern char** environ;

namespace {

constexpr int kWrite = O_WRONLY | O_CREAT | O_TRUNC;

// What exec takes: the strings, then a null.
std::vector<char*> terminated(const std::vector<std::string>& strings)
{
    std::vector<char*> out;
    for (const std::string& s : strings)
        out.push_back(const_cast<char*>(s.c_str()));
    out.push_back(nullptr);
    return out;
}

}

pid_t SpawnWith(const std::vector<std::string>& argv, const std::vector<std::string>& env, std::initializer_list<ChildFd> fds)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (const ChildFd& fd : fds) {
        if (fd.From >= 0)
            posix_spawn_file_actions_adddup2(&actions, fd.From, fd.Number);
        else if (!fd.Path.empty())
            posix_spawn_file_actions_addopen(&actions, fd.Number, fd.Path.c_str(), fd.Number ? kWrite : O_RDONLY, 0644);
    }
    std::vector<char*> args = terminated(argv), envp = terminated(env);
    pid_t pid = -1;
    if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), envp.data()) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

pid_t SpawnProgram(std::vector<std::string> args, const std::string& output, std::vector<std::string> extraEnv, int passFd)
{
    for (char** e = environ; *e; ++e)
        extraEnv.emplace_back(*e);
    return SpawnWith(args, extraEnv, { { 1, output.empty() ? "/dev/null" : output }, { 2, "/dev/null" }, { 3, {}, passFd } });
}

LoopbackProgram::LoopbackProgram(const std::function<std::vector<std::string>(int port)>& command, int port)
{
    for (int attempt = 0; attempt < (port ? 1 : 5) && m_pid <= 0; ++attempt) {
        m_port = port ? port : UnusedLoopbackPort();
        std::vector<std::string> args = command(m_port);
        args.insert(args.begin(), { "setpriv", "--pdeathsig", "KILL", "--" });
        m_pid = SpawnProgram(args);
        if (m_pid > 0 && !WaitForLoopbackPort(m_port, m_pid))
            Stop();
    }
}

void LoopbackProgram::Stop()
{
    // One that ended while starting has been reaped already.
    if (m_pid > 0 && ::kill(m_pid, SIGTERM) == 0) {
        for (int i = 0; i < 100 && ::waitpid(m_pid, nullptr, WNOHANG) == 0; ++i)
            ::usleep(20000);
        if (::waitpid(m_pid, nullptr, WNOHANG) == 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    m_pid = -1;
}
