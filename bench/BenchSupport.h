#pragma once
// What the network benchmarks share: the test file, timing, and running the
// program they are measured against (no shell).

#include "platform/Process.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>


namespace bench {

constexpr long long kFileSize = 1LL << 30;

// 1 GiB of a pattern that differs from MiB to MiB.
inline bool WriteTestFile(const std::string& path)
{
    std::ofstream out(path, std::ios::binary);
    std::vector<char> chunk(1 << 20);
    for (std::size_t i = 0; i < chunk.size(); ++i)
        chunk[i] = char((i * 131 + 17) & 0xFF);
    for (long long done = 0; done < kFileSize; done += static_cast<long long>(chunk.size())) {
        chunk[0] = char(done >> 20);
        out.write(chunk.data(), std::streamsize(chunk.size()));
    }
    return bool(out);
}

inline long long FileSize(const std::string& path)
{
    std::error_code ec;
    auto n = std::filesystem::file_size(path, ec);
    return ec ? -1 : static_cast<long long>(n);
}

// Whether two files hold the same bytes: a transfer counts only when what
// arrived is what was sent.
inline bool SameFile(const std::string& a, const std::string& b)
{
    std::ifstream x(a, std::ios::binary), y(b, std::ios::binary);
    if (!x || !y)
        return false;
    std::vector<char> p(1 << 20), q(1 << 20);
    for (;;) {
        x.read(p.data(), std::streamsize(p.size()));
        y.read(q.data(), std::streamsize(q.size()));
        if (x.gcount() != y.gcount() || !std::equal(p.begin(), p.begin() + x.gcount(), q.begin()))
            return false;
        if (x.gcount() == 0)
            return x.eof() && y.eof();
    }
}

inline double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// MB/s (10^6 bytes) of the test file in `seconds`.
inline double Rate(double seconds) { return seconds > 0 ? double(kFileSize) / 1e6 / seconds : 0; }

// Runs a program to its end; its exit code, or -1 when it could not start
// or was killed. What it prints (curl's errors) is seen.
inline int RunProgram(std::vector<std::string> args)
{
    TProcessStart start;
    start.Program = args.front();
    start.Arguments = std::move(args);
    const pid_t pid = StartProcess(start);
    if (pid < 0)
        return -1;
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}
