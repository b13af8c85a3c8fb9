#pragma once
// Starting programs: posix_spawn with an argument vector, never a shell.
//
// Every child started here must be waited for by someone: its watcher, or
// the background reaper once nobody watches it any more.

#include <sys/types.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct TProcessStart {
    // A path. Without a folder it names a file in the caller's current
    // folder, unless SearchPath asks for the PATH look-up.
    std::string Program;
    // The argument vector as the program sees it, its own name first. Empty:
    // just Program.
    std::vector<std::string> Arguments;
    // Empty: the caller's current folder.
    std::string CurrentDirectory;
    bool SearchPath = false;
};

// The process id, or -1 with `error` (when given) set to the errno value.
// The child inherits the environment but no descriptor beyond 0, 1 and 2,
// and starts with default signal handling and an empty signal mask.
pid_t StartProcess(const TProcessStart&, int* error = nullptr);

// Splits a command line the platform's way: blanks separate arguments,
// double quotes group them ("" inside quotes is one quote), and a backslash
// counts only in front of a quote (2n backslashes and a quote: n backslashes
// and the quote groups; 2n+1: n backslashes and a literal quote).
std::vector<std::string> SplitCommandLine(std::string_view);

// The exit code of a wait status: the program's own, or 128 + the signal
// number for a program killed by a signal.
int ExitCodeFromStatus(int status);

// Hands a child nobody watches any more to a background waiter, so that it
// leaves no zombie when it ends. It is not killed. `ended`, when given, is
// told its wait status on that waiting thread.
void ReapInBackground(pid_t, std::function<void(int status)> ended = {});
