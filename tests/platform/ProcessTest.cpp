#include "platform/Process.h"
#include "platform/ProcessIdle.h"
#include "tests/platform/ChildProcessHelpers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

using Args = std::vector<std::string>;

TEST(SplitCommandLine, BlanksQuotesAndBackslashes)
{
    const std::pair<const char*, Args> cases[] = {
        { "", {} }, { "   \t ", {} }, { "  prog  a   b  ", { "prog", "a", "b" } }, { "a\"b c\"d", { "ab cd" } },
        { "\"/opt/my prog/run\" \"two words\" x", { "/opt/my prog/run", "two words", "x" } }, { "\"\" x", { "", "x" } },
        { "\"say \"\"hi\"\"\"", { "say \"hi\"" } },
        // A backslash counts only before a quote.
        { "a\\b c\\\\d", { "a\\b", "c\\\\d" } }, { "a\\\"b", { "a\"b" } }, { "\"a\\\\\" b", { "a\\", "b" } },
        // An open quote runs to the end.
        { "\"open  end", { "open  end" } },
    };
    for (const auto& [line, args] : cases)
        EXPECT_EQ(SplitCommandLine(line), args) << line;
}

static int runAndWait(const TProcessStart& start)
{
    int error = 0;
    pid_t pid = StartProcess(start, &error);
    EXPECT_GT(pid, 0) << error;
    int status = 0;
    EXPECT_EQ(waitpid(pid, &status, 0), pid);
    return ExitCodeFromStatus(status);
}

TEST(StartProcess, ExitCodesAndSignals)
{
    EXPECT_EQ((std::tuple { runAndWait(ShellStart("exit 3")), runAndWait(ShellStart("kill -TERM $$")),
                  runAndWait(ShellStart("kill -KILL $$")) }),
        std::tuple(3, 128 + SIGTERM, 128 + SIGKILL));
}

TEST(StartProcess, ArgumentsArriveUntouched)
{
    TempDir dir("spawn");
    std::string out = dir.File("args");
    WriteScript(dir.File("rec"), "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" + out + "'");
    Args args { "rec", "two words", "$(touch " + dir.File("pwned") + ")", "a;b", "'q'\"" };
    EXPECT_EQ((std::tuple { runAndWait({ dir.File("rec"), args, "", false }), ReadFileBytes(out),
                  FileExistsNow(dir.File("pwned")) }),
        std::tuple(0, "two words\n$(touch " + dir.File("pwned") + ")\na;b\n'q'\"\n", false));
}

TEST(StartProcess, FailuresAreReportedAndLeaveNoChild)
{
    TempDir dir("spawn");
    int error = 0;
    EXPECT_EQ((std::tuple { StartProcess({ dir.File("missing"), {}, "", false }, &error), error }), std::tuple(-1, ENOENT));
    EXPECT_EQ((std::tuple { StartProcess(ShellStart("true", dir.File("no-such-folder")), &error), error != 0 }),
        std::tuple(-1, true)) << error;
    WriteFileBytes(dir.File("plain"), "not a program\n");
    EXPECT_EQ((std::tuple { StartProcess({ dir.Path(), {}, "", false }, &error),
                  StartProcess({ dir.File("plain"), {}, "", false }, &error), StartProcess({ "", {}, "", false }, &error) }),
        std::tuple(-1, -1, -1));
    // Nothing was left behind to wait for.
    EXPECT_EQ((std::tuple { waitpid(-1, nullptr, WNOHANG), errno }), std::tuple(-1, ECHILD));
}

// Keeps the test's current folder whatever happens.
struct CurrentFolder {
    std::string saved = std::filesystem::current_path();
    ~CurrentFolder() { EXPECT_EQ(::chdir(saved.c_str()), 0); }
};

TEST(StartProcess, BareNameIsInTheCurrentFolderNotOnThePath)
{
    TempDir here("here"), there("there");
    WriteScript(here.File("prog"), "pwd > '" + here.File("where") + "'");
    CurrentFolder keep;
    ASSERT_EQ(::chdir(here.Path().c_str()), 0);

    // Taken from the caller's folder even though the child starts elsewhere.
    EXPECT_EQ((std::tuple { runAndWait({ "prog", {}, there.Path(), false }), ReadFileBytes(here.File("where")) }),
        std::tuple(0, there.Path() + "\n"));

    // "sh" is on the PATH but not here; asked for, the PATH look-up finds it.
    int error = 0;
    EXPECT_EQ((std::tuple { StartProcess({ "sh", { "sh", "-c", "true" }, "", false }, &error), error,
                  runAndWait({ "sh", { "sh", "-c", "exit 4" }, "", true }) }),
        std::tuple(-1, ENOENT, 4));
}

TEST(StartProcess, ChildInheritsNoExtraDescriptors)
{
    TempDir dir("spawn");
    int fd = ::open(dir.File("held").c_str(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::dup2(fd, 57), 57);  // no close-on-exec flag
    std::string out = dir.File("fd");
    EXPECT_EQ(runAndWait(ShellStart("if [ -e /proc/$$/fd/57 ]; then echo open; else echo closed; fi > '" + out + "'")), 0);
    ::close(57);
    ::close(fd);
    EXPECT_EQ(ReadFileBytes(out), "closed\n");
}

TEST(ReapInBackground, AnUnwatchedChildLeavesNoZombie)
{
    pid_t pid = StartProcess(ShellStart("sleep 0.2"));
    ASSERT_GT(pid, 0);
    ReapInBackground(pid);
    // Not killed, yet gone once it ends.
    EXPECT_EQ((std::tuple { ProcessAlive(pid), RunUntil([pid] { return ProcessGone(pid); }, 5000) }), std::tuple(true, true));
}

// Whether a program waits for its user: read from the time it spends running.
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
    // Nothing to compare with at the first look.
    EXPECT_EQ((std::tuple { probe.IsIdle(child.pid), idleWithin(probe, child.pid, 20) }), std::tuple(false, true));
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
