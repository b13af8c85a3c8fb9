#include "tests/support/XDesktop.h"

#include "tests/support/Loopback.h"
#include "tests/support/Spawn.h"

#include <QStandardPaths>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <string_view>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

// The descriptor Xvfb writes its display number to.
constexpr int kDisplayFd = 200;

XDesktop::XDesktop(bool windowManager)
{
    for (const char* tool : { "Xvfb", "openbox", "xdotool", "xprop" })
        if (QStandardPaths::findExecutable(tool).isEmpty() && (windowManager || std::strcmp(tool, "openbox") != 0))
            (std::strcmp(tool, "Xvfb") == 0 ? m_missing : m_broken) += std::string(tool) + " is not installed. ";
    if (!m_missing.empty() || !m_broken.empty())
        return;
    const std::string screen = std::to_string(kScreenWidth) + "x" + std::to_string(kScreenHeight) + "x24";
    const std::string number =
        run({ "Xvfb", "-displayfd", std::to_string(kDisplayFd), "-screen", "0", screen, "-nolisten", "tcp" }, true);
    if (number.empty() || number.back() != '\n') {
        m_broken = "Xvfb gave no display number";
        return;
    }
    m_display = ":" + number.substr(0, number.size() - 1);
    if (!windowManager)
        return;
    // openbox is in charge once it names itself on the root window. A
    // loaded machine may take a while to start it, and now and then a start
    // ends at once, saying nothing: it is started again, three times at most.
    pid_t wm = spawn({ "openbox" }, {});
    for (int waited = 0, starts = 1; waited < 30000; waited += 50, pause(50)) {
        if (run({ "xprop", "-root", "_NET_SUPPORTING_WM_CHECK" }).find("window id") != std::string::npos)
            return;
        if (!Running(wm) && starts++ < 3)
            wm = spawn({ "openbox" }, {});
    }
    m_broken = "openbox did not start";
}

XDesktop::~XDesktop()
{
    // The programs first, the display last.
    for (pid_t pid : std::vector<pid_t>(m_started.rbegin(), m_started.rend())) {
        ::kill(pid, SIGTERM);
        if (!WaitUntilGone(pid, 3000)) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    }
}

std::string XDesktop::ProgramFolder()
{
    if (const char* bin = std::getenv("CORVANA_BIN"))
        return bin;
    // The test programs live beside the programs.
    std::error_code ec;
    return std::filesystem::read_symlink("/proc/self/exe", ec).parent_path().string();
}

void XDesktop::pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

pid_t XDesktop::spawn(const std::vector<std::string>& argv, const std::vector<std::string>& extra, int displayFd, int outFd,
    const std::string& errors)
{
    // The test's own environment, less what places the program elsewhere
    // and what the caller sets anew.
    std::vector<std::string> env = extra, dropped = { "QT_QPA_PLATFORM=", "DISPLAY=", "WAYLAND_DISPLAY=" };
    for (const std::string& e : extra)
        dropped.push_back(e.substr(0, e.find('=') + 1));
    if (!m_display.empty())
        env.push_back("DISPLAY=" + m_display);
    for (char** e = environ; *e; ++e)
        if (std::none_of(dropped.begin(), dropped.end(), [e](const auto& s) { return std::string_view(*e).starts_with(s); }))
            env.push_back(*e);
    const std::string null = "/dev/null";
    pid_t pid = SpawnWith(argv, env,
        { { 0, null }, { 1, null, outFd }, { 2, errors.empty() ? null : errors }, { kDisplayFd, {}, displayFd } });
    if (pid > 0 && outFd < 0)
        m_started.push_back(pid);
    return pid;
}

std::string XDesktop::run(const std::vector<std::string>& argv, bool displayNumber)
{
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0)
        return {};
    pid_t pid = displayNumber ? spawn(argv, {}, fds[1]) : spawn(argv, {}, -1, fds[1]);
    ::close(fds[1]);
    // The display number is one line, and its server stays.
    std::string out = displayNumber ? ReadAll(fds[0], std::size_t(-1), 10000, '\n') : ReadAll(fds[0], std::size_t(-1), 60000);
    ::close(fds[0]);
    if (pid > 0 && !displayNumber)
        ::waitpid(pid, nullptr, 0);
    return out;
}

pid_t XDesktop::Start(const std::string& path, const std::vector<std::string>& env, const std::string& errors)
{
    return spawn({ path }, env, -1, -1, errors);
}

bool XDesktop::Running(pid_t pid)
{
    pid_t r = pid > 0 ? ::waitpid(pid, nullptr, WNOHANG) : -1;
    if (r == pid)
        std::erase(m_started, pid);
    return r == 0;
}

bool XDesktop::WaitUntilGone(pid_t pid, int ms)
{
    for (int waited = 0; waited <= ms; waited += 20, pause(20))
        if (!Running(pid))
            return true;
    return false;
}

std::string XDesktop::XDoTool(std::vector<std::string> args)
{
    args.insert(args.begin(), "xdotool");
    return run(args);
}

unsigned long XDesktop::WaitForWindow(const std::string& title, int ms)
{
    for (int waited = 0; waited <= ms; waited += 50, pause(50))
        if (std::string found = XDoTool({ "search", "--onlyvisible", "--name", "^" + title + "$" }); !found.empty())
            return std::strtoul(found.c_str(), nullptr, 10);
    return 0;
}

TWindowGeometry XDesktop::Geometry(unsigned long window)
{
    // X=..., Y=..., WIDTH=..., HEIGHT=... one a line.
    const std::string out = XDoTool({ "getwindowgeometry", "--shell", std::to_string(window) });
    auto value = [&out](const char* name) {
        std::size_t at = out.find(std::string("\n") + name + "=");
        return at == std::string::npos ? -1 : std::atoi(out.c_str() + at + std::strlen(name) + 2);
    };
    return { value("X"), value("Y"), value("WIDTH"), value("HEIGHT") };
}
