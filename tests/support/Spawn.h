#pragma once
// Starting a helper program from a test, without a shell: its output goes
// to a file (or nowhere), it gets the test's environment plus `extraEnv`,
// and `passFd`, when given, becomes its descriptor 3.

#include <sys/types.h>

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
