#pragma once
// A real X desktop for a test: its own Xvfb (the display number comes back
// through -displayfd, so tests running side by side never collide),
// openbox on it when asked for, and the programs the test starts there.
// Everything ends with the object, whatever the test's outcome.

#include <string>
#include <sys/types.h>
#include <vector>

struct TWindowGeometry {
    int X = 0, Y = 0, Width = 0, Height = 0;
};

class XDesktop {
public:
    static constexpr int kScreenWidth = 1280, kScreenHeight = 1024;

    explicit XDesktop(bool windowManager);
    ~XDesktop();
    XDesktop(const XDesktop&) = delete;
    XDesktop& operator=(const XDesktop&) = delete;

    // build/bin, where the programs are.
    static std::string ProgramFolder();

    // What keeps the desktop from starting: Xvfb missing (a reason to skip),
    // or anything else (a failure). Both empty once it is up.
    const std::string& Missing() const { return m_missing; }
    const std::string& Broken() const { return m_broken; }
    const std::string& Display() const { return m_display; }

    // Starts a program on the display, with the platform left to it
    // whatever the test itself runs on, and extra NAME=value settings; what
    // it reports goes to the file `errors` when one is named.
    pid_t Start(const std::string& path, const std::vector<std::string>& env = {}, const std::string& errors = {});
    // The program has not ended (an ended one is reaped).
    bool Running(pid_t);

    // The visible window of that exact title, waited for; 0 when none came.
    unsigned long WaitForWindow(const std::string& title, int ms = 30000);
    TWindowGeometry Geometry(unsigned long window);
    // Waits until the window's geometry satisfies `done`; the last one read.
    template<class F>
    TWindowGeometry WaitForGeometry(unsigned long window, F done, int ms = 8000)
    {
        TWindowGeometry g = Geometry(window);
        for (int waited = 0; !done(g) && waited < ms; waited += 50, g = Geometry(window))
            pause(50);
        return g;
    }
    bool WaitUntilGone(pid_t, int ms);

    // Runs xdotool on the display; what it printed.
    std::string XDoTool(std::vector<std::string> args);

private:
    pid_t spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env, int displayFd = -1, int outFd = -1,
        const std::string& errors = {});
    // What the program printed once it ended, or the display number that
    // a display server gives at its start.
    std::string run(const std::vector<std::string>& argv, bool displayNumber = false);
    static void pause(int ms);

    std::string m_missing, m_broken;
    std::string m_display;
    std::vector<pid_t> m_started;  // Xvfb first
};
