#pragma once
// Starting a helper program from a test, without a shell: its output goes
// to a file (or nowhere), it gets the test's environment plus `extraEnv`,
// and `passFd`, when given, becomes its descriptor 3.

#include <sys/types.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

// The process id, or -1. `output` empty: /dev/null.
pid_t SpawnProgram(std::vector<std::string> args, const std::string& output = "", std::vector<std::string> extraEnv = {},
    int passFd = -1);

// One descriptor of the child: a copy of `From` when that is open, else the
// file at `Path` (0 opened for reading, the others for writing, made and
// emptied); neither: left alone.
struct ChildFd {
    int Number;
    std::string Path;
    int From = -1;
};

// The lower layer: `argv` looked up on PATH and run with `env` as its whole
// environment and those descriptors; the process id, or -1.
pid_t SpawnWith(const std::vector<std::string>& argv, const std::vector<std::string>& env, std::initializer_list<ChildFd> fds);

// A server program that listens on 127.0.0.1: `command(port)` runs it on
// `port`, or on a free one when that is 0 (tried five times, as a port found
// free may be taken before the server binds it). It goes with the test
// however the test ends, and with the object: SIGTERM, SIGKILL two seconds on.
class LoopbackProgram {
public:
    explicit LoopbackProgram(const std::function<std::vector<std::string>(int port)>& command, int port = 0);
    ~LoopbackProgram() { Stop(); }
    LoopbackProgram(const LoopbackProgram&) = delete;
    LoopbackProgram& operator=(const LoopbackProgram&) = delete;

    // 0 when it did not come up.
    int Port() const { return m_pid > 0 ? m_port : 0; }
    void Stop();

private:
    pid_t m_pid = -1;
    int m_port = 0;
};
