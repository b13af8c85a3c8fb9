#include "platform/Process.h"

#include <cerrno>
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

extern char** environ;

namespace {

std::string currentDir()
{
    std::string buf(4096, '\0');
    while (!getcwd(buf.data(), buf.size())) {
        if (errno != ERANGE)
            return {};
        buf.resize(buf.size() * 2);
    }
    buf.resize(std::char_traits<char>::length(buf.c_str()));
    return buf;
}

}

pid_t StartProcess(const TProcessStart& start, int* error)
{
    auto fail = [error](int e) {
        if (error)
            *error = e;
        return pid_t(-1);
    };
    if (start.Program.empty())
        return fail(ENOENT);

    // The working folder changes before the program is looked up, so a name
    // relative to the caller's folder is made whole first.
    std::string program = start.Program;
    bool hasFolder = program.find('/') != std::string::npos;
    if (!start.SearchPath || hasFolder) {
        if (program[0] != '/') {
            std::string cwd = currentDir();
            if (cwd.empty())
                return fail(errno ? errno : ENOENT);
            program = cwd + "/" + program;
        }
    }

    std::vector<std::string> args = start.Arguments.empty() ? std::vector<std::string> { start.Program } : start.Arguments;
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    if (!start.CurrentDirectory.empty())
        posix_spawn_file_actions_addchdir_np(&actions, start.CurrentDirectory.c_str());

    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    sigdelset(&all, SIGKILL);
    sigdelset(&all, SIGSTOP);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setsigdefault(&attr, &all);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    pid_t pid = -1;
    int rc = start.SearchPath && !hasFolder ? posix_spawnp(&pid, program.c_str(), &actions, &attr, argv.data(), environ)
                                            : posix_spawn(&pid, program.c_str(), &actions, &attr, argv.data(), environ);
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return fail(rc);
    return pid;
}

std::vector<std::string> SplitCommandLine(std::string_view line)
{
    std::vector<std::string> out;
    std::size_t i = 0, n = line.size();
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (true) {
        while (i < n && blank(line[i]))
            ++i;
        if (i >= n)
            break;
        std::string arg;
        bool quoted = false;
        while (i < n && (quoted || !blank(line[i]))) {
            if (line[i] == '\\') {
                std::size_t slashes = 0;
                while (i < n && line[i] == '\\') {
                    ++slashes;
                    ++i;
                }
                if (i < n && line[i] == '"') {
                    arg.append(slashes / 2, '\\');
                    if (slashes % 2) {
                        arg += '"';
                        ++i;
                    }
                } else {
                    arg.append(slashes, '\\');
                }
                continue;
            }
            if (line[i] == '"') {
                if (quoted && i + 1 < n && line[i + 1] == '"') {
                    arg += '"';
                    i += 2;
                    continue;
                }
                quoted = !quoted;
                ++i;
                continue;
            }
            arg += line[i++];
        }
        out.push_back(std::move(arg));
    }
    return out;
}

int ExitCodeFromStatus(int status)
{
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return 0;
}

void ReapInBackground(pid_t pid, std::function<void(int status)> ended)
{
    if (pid <= 0)
        return;
    // One small waiting thread per child: it blocks until the child ends and
    // holds nothing else.
    std::thread([pid, ended = std::move(ended)] {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        if (ended)
            ended(status);
    }).detach();
}
