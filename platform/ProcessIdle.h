#pragma once
// Whether a started program waits for input.
//
// The platform has no "wait until the program is idle for input". The
// stand-in: a program waits for input once it has put up a window on the
// desktop's display (platform/ProcessWindow.h) and sleeps there. That it
// sleeps is read from /proc: every one of its threads sleeps and its
// processor time has not moved since the previous look, so a freshly
// looked-at program is never idle on the first look. A program that shows no
// window (a console program) is never idle, however long it sleeps, and
// without a display nothing is.

#include "platform/ProcessWindow.h"

#include <sys/types.h>

#include <string>

class TIdleProbe {
public:
    virtual ~TIdleProbe() = default;
    // Asked about one program roughly every 100 ms, from a worker thread.
    virtual bool IsIdle(pid_t pid) = 0;
};

// Every thread sleeps and the processor time stands still (from /proc).
class TProcIdleProbe : public TIdleProbe {
public:
    bool IsIdle(pid_t pid) override;

private:
    pid_t m_lastPid = 0;
    unsigned long long m_lastTicks = 0;
};

// The runner's probe: a window on `display` and asleep.
class TDesktopIdleProbe : public TIdleProbe {
public:
    explicit TDesktopIdleProbe(std::string display = TDisplayWindows::DesktopDisplay());
    bool IsIdle(pid_t pid) override;

private:
    TProcIdleProbe m_sleeping;
    TDisplayWindows m_windows;
};

// Read from /proc: false when the process is gone.
bool ReadProcessTicks(pid_t pid, unsigned long long& ticks);
bool AllThreadsSleeping(pid_t pid);
