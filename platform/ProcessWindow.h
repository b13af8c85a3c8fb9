#pragma once
// Whether a program has put up a window on the X display: a top-level
// window, mapped, that carries the program's process id (_NET_WM_PID, as
// Qt and the other toolkits set it) and, where it names one, this machine
// as its client machine (WM_CLIENT_MACHINE). Under a window manager the
// program's window sits inside the manager's frame, one level further down.

#include <sys/types.h>

#include <string>

struct xcb_connection_t;

class TDisplayWindows {
public:
    // `display` as in DISPLAY; empty: there is no display, and no program
    // ever shows a window.
    explicit TDisplayWindows(std::string display);
    ~TDisplayWindows();
    TDisplayWindows(const TDisplayWindows&) = delete;
    TDisplayWindows& operator=(const TDisplayWindows&) = delete;

    // Asks the display each time; false when it cannot be reached.
    bool HasWindow(pid_t);

    // The display the desktop runs on: DISPLAY under the X platform, none
    // under any other (offscreen, say).
    static std::string DesktopDisplay();

private:
    bool connect();
    void disconnect();

    std::string m_display;
    xcb_connection_t* m_connection = nullptr;
    unsigned m_root = 0;
    unsigned m_pidAtom = 0;
};
