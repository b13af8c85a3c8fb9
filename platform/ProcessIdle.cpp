#include "platform/ProcessIdle.h"

#include <dirent.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

// The fields of a stat line after the command name, which may hold blanks
// and parentheses itself: the state first.
bool statFields(const std::string& path, std::string& rest)
{
    std::ifstream in(path);
    std::string line;
    if (!in || !std::getline(in, line))
        return false;
    auto close = line.rfind(')');
    if (close == std::string::npos || close + 2 > line.size())
        return false;
    rest = line.substr(close + 2);
    return !rest.empty();
}

}

bool ReadProcessTicks(pid_t pid, unsigned long long& ticks)
{
    std::string rest;
    if (!statFields("/proc/" + std::to_string(pid) + "/stat", rest))
        return false;
    // state(3) ... utime(14) stime(15), counted from the pid as field 1.
    std::istringstream fields(rest);
    std::string field;
    unsigned long long utime = 0, stime = 0;
    for (int n = 3; n <= 15 && fields >> field; ++n) {
        if (n == 14)
            utime = std::strtoull(field.c_str(), nullptr, 10);
        if (n == 15)
            stime = std::strtoull(field.c_str(), nullptr, 10);
    }
    ticks = utime + stime;
    return true;
}

bool AllThreadsSleeping(pid_t pid)
{
    std::string folder = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return false;
    bool any = false, sleeping = true;
    while (dirent* e = readdir(dir)) {
        if (e->d_name[0] == '.')
            continue;
        std::string rest;
        if (!statFields(folder + "/" + e->d_name + "/stat", rest))
            continue;  // a thread that ended meanwhile
        any = true;
        if (rest[0] != 'S') {
            sleeping = false;
            break;
        }
    }
    closedir(dir);
    return any && sleeping;
}

bool TProcIdleProbe::IsIdle(pid_t pid)
{
    unsigned long long ticks = 0;
    if (!ReadProcessTicks(pid, ticks)) {
        m_lastPid = 0;
        return false;
    }
    bool steady = pid == m_lastPid && ticks == m_lastTicks;
    m_lastPid = pid;
    m_lastTicks = ticks;
    return steady && AllThreadsSleeping(pid);
}

TDesktopIdleProbe::TDesktopIdleProbe(std::string display)
    : m_windows(std::move(display))
{
}

bool TDesktopIdleProbe::IsIdle(pid_t pid)
{
    // Looked at each time, so that the second look can compare.
    bool sleeping = m_sleeping.IsIdle(pid);
    return sleeping && m_windows.HasWindow(pid);
}
