#pragma once
// Starting a helper program from a test, without a shell: its output goes
// to a file (or nowhere), it gets the test's environment plus `extraEnv`,
// and `passFd`, when given, becomes its descriptor 3.

#include <sys/types.h>

#include <string>
#include <vector>

// The process id, or -1. `output` empty: /dev/null.
pid_t SpawnProgram(std::vector<std::string> args, const std::string& output = "", std::vector<std::string> extraEnv = {},
    int passFd = -1);
