#include "platform/Process.h"
#include "tests/platform/ChildProcessHelpers.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

using Args = std::vector<std::string>;

TEST(SplitCommandLine, BlanksQuotesAndBackslashes)
{
    EXPECT_EQ(SplitCommandLine(""), Args {});
    EXPECT_EQ(SplitCommandLine("   \t "), Args {});
    EXPECT_EQ(SplitCommandLine("  prog  a   b  "), (Args { "prog", "a", "b" }));
    EXPECT_EQ(SplitCommandLine("\"/opt/my prog/run\" \"two words\" x"), (Args { "/opt/my prog/run", "two words", "x" }));
    EXPECT_EQ(SplitCommandLine("a\"b c\"d"), (Args { "ab cd" }));
    EXPECT_EQ(SplitCommandLine("\"\" x"), (Args { "", "x" }));
    EXPECT_EQ(SplitCommandLine("\"say \"\"hi\"\"\""), (Args { "say \"hi\"" }));
    // A backslash counts only before a quote.
    EXPECT_EQ(SplitCommandLine("a\\b c\\\\d"), (Args { "a\\b", "c\\\\d" }));
    EXPECT_EQ(SplitCommandLine("a\\\"b"), (Args { "a\"b" }));
    EXPECT_EQ(SplitCommandLine("\"a\\\\\" b"), (Args { "a\\", "b" }));
    // An open quote runs to the end.
    EXPECT_EQ(SplitCommandLine("\"open  end"), (Args { "open  end" }));
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
    EXPECT_EQ(runAndWait({ "/bin/sh", { "sh", "-c", "exit 3" }, "", false }), 3);
    EXPECT_EQ(runAndWait({ "/bin/sh", { "sh", "-c", "kill -TERM $$" }, "", false }), 128 + SIGTERM);
    EXPECT_EQ(runAndWait({ "/bin/sh", { "sh", "-c", "kill -KILL $$" }, "", false }), 128 + SIGKILL);
}

TEST(StartProcess, ArgumentsArriveUntouched)
{
    TempDir dir("spawn");
    std::string out = dir.File("args");
    WriteScript(dir.File("rec"), "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" + out + "'");
    Args args { "rec", "two words", "$(touch " + dir.File("pwned") + ")", "a;b", "'q'\"" };
    EXPECT_EQ(runAndWait({ dir.File("rec"), args, "", false }), 0);
    EXPECT_EQ(ReadFileBytes(out), "two words\n$(touch " + dir.File("pwned") + ")\na;b\n'q'\"\n");
    EXPECT_FALSE(FileExistsNow(dir.File("pwned")));
}

TEST(StartProcess, FailuresAreReportedAndLeaveNoChild)
{
    TempDir dir("spawn");
    int error = 0;
    EXPECT_EQ(StartProcess({ dir.File("missing"), {}, "", false }, &error), -1);
    EXPECT_EQ(error, ENOENT);
    EXPECT_EQ(StartProcess({ "/bin/sh", { "sh", "-c", "true" }, dir.File("no-such-folder"), false }, &error), -1);
    EXPECT_NE(error, 0);
    EXPECT_EQ(StartProcess({ dir.Path(), {}, "", false }, &error), -1);
    WriteFileBytes(dir.File("plain"), "not a program\n");
    EXPECT_EQ(StartProcess({ dir.File("plain"), {}, "", false }, &error), -1);
    EXPECT_EQ(StartProcess({ "", {}, "", false }, &error), -1);
    // Nothing was left behind to wait for.
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

// Keeps the test's current folder whatever happens.
struct CurrentFolder {
    std::string saved = GetCwd();
    ~CurrentFolder() { EXPECT_EQ(::chdir(saved.c_str()), 0); }
    static std::string GetCwd()
    {
        char buf[4096];
        return ::getcwd(buf, sizeof buf) ? buf : "/";
    }
};

TEST(StartProcess, BareNameIsInTheCurrentFolderNotOnThePath)
{
    TempDir here("here"), there("there");
    WriteScript(here.File("prog"), "pwd > '" + here.File("where") + "'");
    CurrentFolder keep;
    ASSERT_EQ(::chdir(here.Path().c_str()), 0);

    // Taken from the caller's folder even though the child starts elsewhere.
    EXPECT_EQ(runAndWait({ "prog", {}, there.Path(), false }), 0);
    EXPECT_EQ(ReadFileBytes(here.File("where")), there.Path() + "\n");

    // "sh" is on the PATH but not here.
    int error = 0;
    EXPECT_EQ(StartProcess({ "sh", { "sh", "-c", "true" }, "", false }, &error), -1);
    EXPECT_EQ(error, ENOENT);
    // Asked for, the PATH look-up finds it.
    EXPECT_EQ(runAndWait({ "sh", { "sh", "-c", "exit 4" }, "", true }), 4);
}

TEST(StartProcess, ChildInheritsNoExtraDescriptors)
{
    TempDir dir("spawn");
    int fd = ::open(dir.File("held").c_str(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::dup2(fd, 57), 57);  // no close-on-exec flag
    std::string out = dir.File("fd");
    EXPECT_EQ(runAndWait({ "/bin/sh", { "sh", "-c", "if [ -e /proc/$$/fd/57 ]; then echo open; else echo closed; fi > '" + out + "'" }, "", false }), 0);
    ::close(57);
    ::close(fd);
    EXPECT_EQ(ReadFileBytes(out), "closed\n");
}

TEST(ReapInBackground, AnUnwatchedChildLeavesNoZombie)
{
    pid_t pid = StartProcess({ "/bin/sh", { "sh", "-c", "sleep 0.2" }, "", false });
    ASSERT_GT(pid, 0);
    ReapInBackground(pid);
    EXPECT_TRUE(ProcessAlive(pid));  // not killed
    EXPECT_TRUE(RunUntil([pid] { return ProcessGone(pid); }, 5000));
}
