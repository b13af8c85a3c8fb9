#include "widgets/AppRun.h"

#include "platform/ProcessIdle.h"
#include "tests/platform/ChildProcessHelpers.h"
#include "tests/support/XDesktop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <optional>
#include <tuple>

namespace {

// Counts the runner's events and checks they arrive on the GUI thread.
struct Recorder {
    int idle = 0, terminated = 0;
    bool offThread = false;
    std::thread::id gui = std::this_thread::get_id();

    explicit Recorder(TAppRunner& r)
    {
        r.OnIdle = [this](TObject*) { Count(idle); };
        r.OnTerminated = [this](TObject*) { Count(terminated); };
    }
    void Count(int& events)
    {
        ++events;
        offThread |= std::this_thread::get_id() != gui;
    }
};

// Idle exactly when the test says so.
struct SwitchProbe : TIdleProbe {
    std::atomic<bool> idle { false };
    bool IsIdle(pid_t) override { return idle; }
};

// The runner started on the program with the command line: whether it started.
bool Start(TAppRunner& runner, const std::string& program, const std::string& commandLine)
{
    runner.ApplicationName = program;
    runner.CommandLine = commandLine;
    return runner.Execute();
}
// Started on the shell with `script`; on the test program that puts up a window on `display` after a while.
bool StartShell(TAppRunner& runner, const std::string& script) { return Start(runner, "/bin/sh", "sh -c \"" + script + "\""); }
bool StartWindowProgram(TAppRunner& runner, const std::string& display, const std::string& marker)
{
    return Start(runner, CORVANA_BIN_DIR "/test_show_window", "test_show_window \"" + display + "\" \"" + marker + "\"");
}

// A runner whose events are counted, and a folder for its programs.
struct AppRunner : ::testing::Test {
    TempDir dir { "runner" };
    TAppRunner runner { nullptr };
    Recorder rec { runner };
    // The shell running `script`, started.
    bool Shell(const std::string& script) { return StartShell(runner, script); }
    // A runner of its own, on the shell with `script`, started.
    static TAppRunner* Started(const std::string& script, TComponent* owner = nullptr)
    {
        auto* started = new TAppRunner(owner);
        EXPECT_TRUE(StartShell(*started, script));
        return started;
    }
    bool RunUntilEnded() { return RunUntil([&] { return runner.Terminated(); }); }
    bool RunUntilReported() { return RunUntil([&] { return rec.terminated > 0; }); }
    // Ended by the signal, the end reported once.
    void KillAndExpectTheEnd(TAppRunner& each, const Recorder& seen, int signal = SIGTERM)
    {
        ::kill(each.ProcessId(), signal);
        EXPECT_EQ((std::tuple { RunUntil([&] { return each.Terminated(); }), seen.terminated, each.ExitCode() }),
            std::tuple(true, 1, 128u + signal));
    }
};

}

TEST_F(AppRunner, RunsTheProgramAndReportsItsEnd)
{
    std::string out = dir.File("out");
    WriteScript(dir.File("prog"), "{ pwd; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > '" + out + "'; exit 7");
    runner.CurrentDirectory = "/";
    EXPECT_EQ(runner.ExitCode(), 0u);
    ASSERT_TRUE(Start(runner, dir.File("prog"), "prog \"two words\" plain"));
    EXPECT_EQ(std::tuple(runner.ExitCode(), runner.Terminated()), std::tuple(TAppRunner::StillActive, false));
    pid_t pid = runner.ProcessId();
    EXPECT_GT(pid, 0);

    ASSERT_TRUE(RunUntilReported());
    RunFor(300);
    EXPECT_EQ(std::tuple(rec.terminated, runner.Terminated(), runner.ExitCode(), rec.offThread, ReadFileBytes(out),
                  ProcessGone(pid)),
        std::tuple(1, true, 7u, false, "/\ntwo words\nplain\n", true));
}

TEST_F(AppRunner, ProgramNamedFirstInTheCommandLine)
{
    WriteScript(dir.File("my prog"), "echo \"$0|$1\" > '" + dir.File("out") + "'");
    runner.CommandLine = "\"" + dir.File("my prog") + "\" arg";
    ASSERT_TRUE(runner.Execute());
    ASSERT_TRUE(RunUntilEnded());
    EXPECT_EQ(ReadFileBytes(dir.File("out")), dir.File("my prog") + "|arg\n");
}

TEST_F(AppRunner, ExitBySignalIs128PlusTheSignal)
{
    ASSERT_TRUE(Shell("kill -KILL $$"));
    ASSERT_TRUE(RunUntilEnded());
    EXPECT_EQ(runner.ExitCode(), 128u + SIGKILL);
}

TEST_F(AppRunner, FailedStartLeavesTheRunnerNotStarted)
{
    // A missing program, a missing folder, a command line of blanks.
    const std::string starts[][3] = { { dir.File("missing"), "", "" }, { "/bin/sh", dir.File("no-such-folder"), "" },
        { "", "", "   " } };
    for (const auto& [program, folder, line] : starts) {
        runner.CurrentDirectory = folder;
        EXPECT_FALSE(Start(runner, program, line)) << program << folder << line;
    }
    RunFor(300);
    EXPECT_EQ(std::tuple(runner.Idle(), runner.Terminated(), runner.ExitCode(), runner.ProcessId(), rec.idle + rec.terminated),
        std::tuple(false, false, 0u, 0, 0));
}

TEST_F(AppRunner, BareNameIsLookedForInTheCurrentFolderOnly)
{
    EXPECT_FALSE(Start(runner, "sh", "sh -c true"));  // on the PATH, not here
}

TEST_F(AppRunner, IdleFiresEachTimeTheProgramTurnsIdle)
{
    auto probe = std::make_shared<SwitchProbe>();
    runner.SetIdleProbe(probe);
    ASSERT_TRUE(Start(runner, "/bin/sleep", "sleep 30"));

    RunFor(250);
    EXPECT_EQ(rec.idle, 0);
    probe->idle = true;
    ASSERT_TRUE(RunUntil([&] { return rec.idle == 1; }));
    EXPECT_TRUE(runner.Idle());
    RunFor(300);
    EXPECT_EQ(rec.idle, 1);  // once per turn, not once per look
    probe->idle = false;
    ASSERT_TRUE(RunUntil([&] { return !runner.Idle(); }));
    probe->idle = true;
    ASSERT_TRUE(RunUntil([&] { return rec.idle == 2; }));
    EXPECT_FALSE(rec.offThread);
    KillAndExpectTheEnd(runner, rec);
}

TEST_F(AppRunner, WithoutAWindowOnTheDesktopNothingIsIdleAndTheEndIsReported)
{
    XDesktop display(false);
    if (!display.Missing().empty())
        GTEST_SKIP() << display.Missing();
    ASSERT_EQ(display.Broken(), "");
    // The display the runner looks at (none: the desktop's, which under the
    // offscreen platform has none), and the console program, if not the window one.
    const std::tuple<const char*, std::optional<std::string>, const char*> cases[] {
        { "a sleeping console program", display.Display(), "exec sleep 30" },
        { "a busy console program", display.Display(), "while :; do :; done" },
        { "a window, offscreen desktop", std::nullopt, nullptr },
        { "a window, no display", "", nullptr },
    };
    for (const auto& [name, looks, console] : cases) {
        SCOPED_TRACE(name);
        TAppRunner each(nullptr);
        Recorder seen(each);
        if (looks)
            each.SetIdleProbe(std::make_shared<TDesktopIdleProbe>(*looks));
        std::string marker = dir.File(std::string(name) + ".shown");
        ASSERT_TRUE(console ? StartShell(each, console) : StartWindowProgram(each, display.Display(), marker));
        EXPECT_TRUE(console || RunUntil([&] { return FileExistsNow(marker); }, 10000)) << "the window shown";
        RunFor(1500);
        EXPECT_EQ(std::tuple(seen.idle, each.Idle()), std::tuple(0, false));
        KillAndExpectTheEnd(each, seen);
    }
}

struct AppRunnerOnADisplay : AppRunner, ::testing::WithParamInterface<bool> {};

TEST_P(AppRunnerOnADisplay, AProgramIsIdleOnceItsWindowShows)
{
    XDesktop display(GetParam());
    if (!display.Missing().empty())
        GTEST_SKIP() << display.Missing();
    ASSERT_EQ(display.Broken(), "");
    std::string marker = dir.File("shown");
    runner.SetIdleProbe(std::make_shared<TDesktopIdleProbe>(display.Display()));
    bool shownAtIdle = false;
    runner.OnIdle = [&](TObject*) {
        ++rec.idle;
        shownAtIdle = FileExistsNow(marker);
    };
    ASSERT_TRUE(StartWindowProgram(runner, display.Display(), marker));
    ASSERT_TRUE(RunUntil([&] { return rec.idle > 0; }, 10000));
    EXPECT_TRUE(shownAtIdle);
    RunFor(300);
    EXPECT_EQ(rec.idle, 1);
    KillAndExpectTheEnd(runner, rec);
}

INSTANTIATE_TEST_SUITE_P(Desktop, AppRunnerOnADisplay, ::testing::Values(false, true),
    [](const auto& info) { return info.param ? "openbox" : "NoWindowManager"; });

TEST_F(AppRunner, SecondExecuteHandsOverAndTheFirstIsStillReaped)
{
    ASSERT_TRUE(Shell("sleep 0.4; exit 1"));
    pid_t first = runner.ProcessId();
    ASSERT_TRUE(Shell("sleep 0.8; exit 2"));
    pid_t second = runner.ProcessId();
    EXPECT_NE(first, second);

    ASSERT_TRUE(RunUntilReported());
    RunFor(300);
    // The first program's end was not reported.
    EXPECT_EQ(std::tuple(rec.terminated, runner.ExitCode(), ProcessGone(first), ProcessGone(second)),
        std::tuple(1, 2u, true, true));
}

TEST_F(AppRunner, AReportAlreadyPostedForAnEarlierStartIsDropped)
{
    ASSERT_TRUE(Shell("exit 5"));
    pid_t first = runner.ProcessId();
    // Let the watcher see the end and post it, without delivering it.
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    ASSERT_TRUE(Shell("sleep 0.3; exit 6"));
    ASSERT_TRUE(RunUntilReported());
    RunFor(200);
    EXPECT_EQ(std::tuple(rec.terminated, runner.ExitCode(), ProcessGone(first)), std::tuple(1, 6u, true));
}

TEST_F(AppRunner, DestroyingTheRunnerNeitherKillsNorForgetsTheChild)
{
    pid_t pid = 0;
    int events = 0;
    auto started = std::chrono::steady_clock::now();
    {
        std::unique_ptr<TAppRunner> gone(Started("sleep 0.6"));
        gone->OnTerminated = [&](TObject*) { ++events; };
        pid = gone->ProcessId();
        RunFor(150);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(600));
    // Alive, then reaped, unreported.
    EXPECT_EQ((std::tuple { ProcessAlive(pid), RunUntil([&] { return ProcessGone(pid); }), events }), std::tuple(true, true, 0));
}

TEST_F(AppRunner, AnEndedButUnreportedChildIsReapedWhenTheRunnerGoes)
{
    pid_t pid = std::unique_ptr<TAppRunner>(Started("exit 0"))->ProcessId();  // the runner freed at once
    EXPECT_TRUE(RunUntil([&] { return ProcessGone(pid); }));
}

TEST_F(AppRunner, HandlerMayFreeTheRunner)
{
    auto* freeing = Started("true");
    bool freed = false;
    freeing->OnTerminated = [&](TObject* sender) {
        // Nothing of the closure may be used once its runner is gone.
        freed = true;
        delete static_cast<TAppRunner*>(sender);
    };
    EXPECT_TRUE(RunUntil([&] { return freed; }));
}

TEST_F(AppRunner, HandlerMayStartTheNextRun)
{
    int runs = 0;
    runner.OnTerminated = [&](TObject*) {
        if (++runs < 3)
            runner.Execute();
    };
    ASSERT_TRUE(Shell("exit 3"));
    EXPECT_EQ((std::tuple { RunUntil([&] { return runs == 3; }), runner.ExitCode() }), std::tuple(true, 3u));
}

TEST_F(AppRunner, OwnerFreesIt)
{
    TComponent owner(nullptr);
    Started("sleep 0.2", &owner);
    EXPECT_EQ(owner.ComponentCount(), 1);
}

TEST_F(AppRunner, AFailedStartKeepsWatchingTheProgramStartedBefore)
{
    ASSERT_TRUE(Shell("sleep 0.3; exit 3"));
    pid_t first = runner.ProcessId();
    runner.ApplicationName = dir.File("missing");
    EXPECT_EQ((std::tuple { runner.Execute(), runner.ProcessId(), runner.ExitCode() }),
        std::tuple(false, first, TAppRunner::StillActive));

    ASSERT_TRUE(RunUntilReported());
    EXPECT_EQ(std::tuple(runner.ExitCode(), ProcessGone(first)), std::tuple(3u, true));
}
