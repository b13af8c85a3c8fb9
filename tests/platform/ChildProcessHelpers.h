#pragma once
// Helpers for tests that start programs: small shell scripts, waiting with
// the message loop running, and zombie checks.

#include "platform/Process.h"
#include "tests/support/MessageLoop.h"
#include "tests/support/TempDir.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <chrono>
#include <fstream>
#include <string>
#include <thread>

// Writes an executable script.
inline std::string WriteScript(const std::string& path, const std::string& body)
{
    WriteFileBytes(path, "#!/bin/sh\n" + body + "\n");
    ::chmod(path.c_str(), 0755);
    return path;
}

// A shell script to start, in the given folder.
inline TProcessStart ShellStart(const std::string& script, const std::string& folder = "")
{
    return { "/bin/sh", { "sh", "-c", script }, folder, false };
}

// Gone entirely: neither running nor left as a zombie.
inline bool ProcessGone(pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; }

inline bool ProcessAlive(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(in, line))
        return false;
    auto close = line.rfind(')');
    return close != std::string::npos && close + 2 < line.size() && line[close + 2] != 'Z';
}

inline bool FileExistsNow(const std::string& path) { return ::access(path.c_str(), F_OK) == 0; }
