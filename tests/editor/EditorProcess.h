#pragma once
// The real editor started as a child process, as a user starts it: from a
// copy of the program folder, with its own settings folder, headless. The
// test sees its windows and shown messages and presses its buttons through
// the probe preloaded into it (tests/support/AppProbe.cpp).

#include "tests/support/MessageLoop.h"
#include "tests/support/Spawn.h"
#include "tests/support/TempDir.h"
#include "tests/support/XDesktop.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string_view>

class EditorProcess {
public:
    // A copy of the program and its data files; the test programs stay behind.
    EditorProcess()
    {
        namespace fs = std::filesystem;
        fs::create_directories(m_dir.File("bin"));
        fs::create_directories(m_dir.File("config"));
        for (const auto& entry : fs::directory_iterator(XDesktop::ProgramFolder())) {
            bool executable = (entry.status().permissions() & fs::perms::owner_exec) != fs::perms::none;
            if (entry.is_regular_file() && (!executable || entry.path().filename() == "corvana"))
                fs::copy_file(entry.path(), ProgramFile(entry.path().filename().string()));
        }
        WriteFileBytes(m_dir.File("probe.in"), "");
    }
    // Ends the editor if it still runs.
    ~EditorProcess()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }

    // A file of the copied program folder, and the settings store's file of
    // a root in the editor's own settings folder, to plant files before Start.
    std::string ProgramFile(const std::string& name) const { return m_dir.File("bin/" + name); }
    std::string StoreFile(const std::string& root) const { return m_dir.File("config/corvana-registry/" + root); }

    void Start()
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
        m_pid = SpawnWith({ ProgramFile("corvana") }, env, { { 0, "/dev/null" }, { 2, m_dir.File("stderr") } });
    }
    // Whether a visible window of that title is there within timeoutMs (the
    // probe answering also says the editor's message loop runs). "(message)"
    // stands for a message box.
    bool WaitForWindow(const std::string& title, int ms = 5000) { return RunUntil([&] { return WidgetCount(title) > 0; }, ms); }
    bool WaitUntilGone(const std::string& title, int ms = 5000)
    {
        // A fresh look of the probe first: the file written since the press.
        std::filesystem::remove(m_dir.File("probe.out"));
        return RunUntil([&] { return std::filesystem::exists(m_dir.File("probe.out")) && WidgetCount(title) == 0; }, ms);
    }
    // The number of widgets in that window, 0 when it is not shown.
    int WidgetCount(const std::string& title)
    {
        const bool box = title == "(message)";
        for (const Window& w : windows())
            if (w.shown && (w.className == "QMessageBox") == box && (box || w.title == title))
                return w.widgets;
        return 0;
    }
    // The windows made so far, shown or hidden (message boxes aside).
    int TitledWindows()
    {
        auto titled = [](const Window& w) { return !w.title.empty() && w.className != "QMessageBox"; };
        return int(std::ranges::count_if(windows(), titled));
    }
    // Every message box shown so far, its text, in order.
    std::vector<std::string> Messages()
    {
        std::vector<std::string> out;
        for (const std::string& line : split(readIfThere(m_dir.File("probe.out.log")), '\n'))
            if (line.rfind("message\t", 0) == 0)
                out.push_back(line.substr(8));
        return out;
    }
    // Presses the button of that caption in that window with the mouse.
    void Click(const std::string& title, const std::string& button)
    {
        WriteFileBytes(m_dir.File("probe.in"), ReadFileBytes(m_dir.File("probe.in")) + "click\t" + title + "\t" + button + "\n");
    }
    // What the editor wrote to its standard error.
    std::string Errors() const { return readIfThere(m_dir.File("stderr")); }

private:
    struct Window {
        std::string title, className;
        int widgets = 0;
        bool shown = false;
    };
    std::vector<Window> windows()
    {
        std::vector<Window> out;
        for (const std::string& line : split(readIfThere(m_dir.File("probe.out")), '\n')) {
            std::vector<std::string> f = split(line, '\t');
            if (f.size() == 5 && f[0] == "window")
                out.push_back({ f[1], f[2], std::atoi(f[3].c_str()), f[4] == "1" });
        }
        return out;
    }
    static std::vector<std::string> split(const std::string& text, char separator)
    {
        std::vector<std::string> out;
        std::istringstream in(text);
        for (std::string part; std::getline(in, part, separator);)
            out.push_back(part);
        return out;
    }
    static std::string readIfThere(const std::string& path)
    {
        std::error_code ec;
        return std::filesystem::exists(path, ec) ? ReadFileBytes(path) : std::string();
    }

    TempDir m_dir{"editor"};
    pid_t m_pid = -1;
};
