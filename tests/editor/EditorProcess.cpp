#include "tests/editor/EditorProcess.h"

#include "tests/support/XDesktop.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string_view>
#include <thread>

extern char** environ;

namespace fs = std::filesystem;

namespace {

bool pollFor(const std::function<bool()>& done, int timeoutMs)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    return true;
}

std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);)
        out.push_back(part);
    return out;
}

std::string readIfThere(const std::string& path)
{
    std::error_code ec;
    return fs::exists(path, ec) ? ReadFileBytes(path) : std::string();
}

}  // namespace

EditorProcess::EditorProcess()
{
    // The program and its data files; the test programs stay behind.
    fs::create_directories(m_dir.File("bin"));
    fs::create_directories(m_dir.File("config"));
    for (const auto& entry : fs::directory_iterator(XDesktop::ProgramFolder())) {
        bool executable = (entry.status().permissions() & fs::perms::owner_exec) != fs::perms::none;
        if (entry.is_regular_file() && (!executable || entry.path().filename() == "corvana"))
            fs::copy_file(entry.path(), ProgramFile(entry.path().filename().string()));
    }
    WriteFileBytes(m_dir.File("probe.in"), "");
}

EditorProcess::~EditorProcess()
{
    if (m_pid > 0) {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }
}

void EditorProcess::Start()
{
    const char* asan = std::getenv("ASAN_OPTIONS");
    // The probe comes before the sanitizer's run-time in the load order.
    std::vector<std::string> env = { "QT_QPA_PLATFORM=offscreen", "XDG_CONFIG_HOME=" + m_dir.File("config"),
        std::string("LD_PRELOAD=") + CORVANA_APP_PROBE,
        std::string("ASAN_OPTIONS=") + (asan ? std::string(asan) + ":" : "") + "verify_asan_link_order=0",
        "APP_PROBE_OUT=" + m_dir.File("probe.out"), "APP_PROBE_IN=" + m_dir.File("probe.in") };
    const std::size_t own = env.size();
    // The rest of the test's environment, but for the names set here.
    for (char** e = environ; *e; ++e) {
        const std::string_view v = *e;
        auto setHere = [v](const std::string& o) { return v.starts_with(o.substr(0, o.find('=') + 1)); };
        if (std::none_of(env.begin(), env.begin() + std::ptrdiff_t(own), setHere))
            env.emplace_back(v);
    }
    std::vector<char*> envp;
    for (std::string& v : env)
        envp.push_back(v.data());
    envp.push_back(nullptr);

    std::string program = ProgramFile("corvana"), errors = m_dir.File("stderr");
    char* argv[] = { program.data(), nullptr };
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    if (posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv, envp.data()) != 0)
        m_pid = -1;
    posix_spawn_file_actions_destroy(&actions);
}

std::vector<EditorProcess::Window> EditorProcess::windows()
{
    std::vector<Window> out;
    for (const std::string& line : split(readIfThere(m_dir.File("probe.out")), '\n')) {
        std::vector<std::string> f = split(line, '\t');
        if (f.size() == 5 && f[0] == "window")
            out.push_back({ f[1], f[2], std::atoi(f[3].c_str()), f[4] == "1" });
    }
    return out;
}

int EditorProcess::WidgetCount(const std::string& title)
{
    for (const Window& w : windows())
        if (w.shown && (title == "(message)" ? w.className == "QMessageBox" : w.className != "QMessageBox" && w.title == title))
            return w.widgets;
    return 0;
}

bool EditorProcess::WaitForWindow(const std::string& title, int ms) { return pollFor([&] { return WidgetCount(title); }, ms); }

bool EditorProcess::WaitUntilGone(const std::string& title, int timeoutMs)
{
    // A fresh look of the probe first: the file written since the press.
    fs::remove(m_dir.File("probe.out"));
    return pollFor([&] { return fs::exists(m_dir.File("probe.out")) && WidgetCount(title) == 0; }, timeoutMs);
}

int EditorProcess::TitledWindows()
{
    const std::vector<Window> all = windows();
    auto titled = [](const Window& w) { return !w.title.empty() && w.className != "QMessageBox"; };
    return int(std::count_if(all.begin(), all.end(), titled));
}

std::vector<std::string> EditorProcess::Messages()
{
    std::vector<std::string> out;
    for (const std::string& line : split(readIfThere(m_dir.File("probe.out.log")), '\n'))
        if (line.rfind("message\t", 0) == 0)
            out.push_back(line.substr(8));
    return out;
}

void EditorProcess::Click(const std::string& title, const std::string& button)
{
    WriteFileBytes(m_dir.File("probe.in"), ReadFileBytes(m_dir.File("probe.in")) + "click\t" + title + "\t" + button + "\n");
}

std::string EditorProcess::Errors() const { return readIfThere(m_dir.File("stderr")); }
