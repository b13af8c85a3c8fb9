#pragma once
// Whether a started program waits for input.
//
// The platform has no "wait until the program is idle for input". The
// stand-in: a program counts as idle once every one of its threads sleeps
// and its processor time has not moved since the previous look, both read
// from /proc. A program that sleeps for any other reason (a console program
// reading its input, or one that waits on a timer) therefore counts as idle
// too, and a freshly looked-at program is never idle on the first look.

#include <sys/types.h>

class TIdleProbe {
public:
    virtual ~TIdleProbe() = default;
    // Asked about one program roughly every 100 ms, from a worker thread.
    virtual bool IsIdle(pid_t pid) = 0;
};

class TProcIdleProbe : public TIdleProbe {
public:
    bool IsIdle(pid_t pid) override;

private:
    pid_t m_lastPid = 0;
    unsigned long long m_lastTicks = 0;
};

// Read from /proc: false when the process is gone.
bool ReadProcessTicks(pid_t pid, unsigned long long& ticks);
bool AllThreadsSleeping(pid_t pid);
