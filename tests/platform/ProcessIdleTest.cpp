#include "platform/Process.h"
#include "platform/ProcessIdle.h"
#include "tests/platform/ChildProcessHelpers.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

namespace {

struct Child {
    pid_t pid;
    explicit Child(const char* script) : pid(StartProcess(ShellStart(script))) {}
    ~Child()
    {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
};

bool idleWithin(TIdleProbe& probe, pid_t pid, int looks)
{
    for (int i = 0; i < looks; ++i, std::this_thread::sleep_for(std::chrono::milliseconds(100)))
        if (probe.IsIdle(pid))
            return true;
    return false;
}

}

TEST(ProcIdleProbe, ASleepingProgramTurnsIdleOnTheSecondLook)
{
    Child child("exec sleep 30");
    ASSERT_GT(child.pid, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    TProcIdleProbe probe;
    EXPECT_FALSE(probe.IsIdle(child.pid));  // nothing to compare with yet
    EXPECT_TRUE(idleWithin(probe, child.pid, 20));
}

TEST(ProcIdleProbe, ABusyProgramNeverIs)
{
    Child child("while :; do :; done");
    ASSERT_GT(child.pid, 0);
    TProcIdleProbe probe;
    EXPECT_FALSE(idleWithin(probe, child.pid, 6));
}

TEST(ProcIdleProbe, AnEndedProgramIsNotIdle)
{
    pid_t pid = StartProcess(ShellStart("exit 0"));
    ASSERT_GT(pid, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    TProcIdleProbe probe;
    EXPECT_FALSE(idleWithin(probe, pid, 3));  // a zombie
    ::waitpid(pid, nullptr, 0);
    unsigned long long ticks = 0;
    EXPECT_EQ((std::tuple { probe.IsIdle(pid), ReadProcessTicks(pid, ticks) }), std::tuple(false, false));
}
