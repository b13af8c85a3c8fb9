#include "widgets/AppRun.h"

#include "platform/Process.h"
#include "platform/ProcessIdle.h"

#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

constexpr UINT kIdleChanged = WM_USER + 1;   // WParam: run, LParam: 1 idle / 0 busy
constexpr UINT kEnded = WM_USER + 2;         // WParam: run, LParam: exit code
constexpr auto kCycle = std::chrono::milliseconds(100);

}

// The watcher. Everything it shares with the GUI thread lies under its mutex;
// it reports by posting to the runner's receiver only, so it never waits for
// the GUI thread and the runner's destructor can always join it.
class TAppRunnerSpyThread {
public:
    explicit TAppRunnerSpyThread(HWND receiver)
        : m_receiver(receiver)
    {
    }

    ~TAppRunnerSpyThread()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stop = true;
            // Still running, or ended and not yet waited for: either way the
            // background reaper takes it.
            ReapInBackground(m_pid);
            m_pid = 0;
        }
        m_wake.notify_all();
        if (m_thread.joinable())
            m_thread.join();
    }

    // Watches `pid` (0: nothing) from now on as run `run`; a program watched
    // so far goes to the background reaper.
    void Watch(pid_t pid, std::uint64_t run)
    {
        {
            std::lock_guard lock(m_mutex);
            ReapInBackground(m_pid);
            m_pid = pid;
            m_run = run;
            if (pid > 0 && !m_thread.joinable())
                m_thread = std::thread([this] { Execute(); });
        }
        m_wake.notify_all();
    }

    void SetProbe(std::shared_ptr<TIdleProbe> probe)
    {
        std::lock_guard lock(m_mutex);
        m_probe = std::move(probe);
    }

private:
    void Execute()
    {
        std::unique_lock lock(m_mutex);
        std::uint64_t seenRun = 0;
        bool reportedIdle = false;
        while (!m_stop) {
            if (m_pid <= 0) {
                m_wake.wait(lock);
                continue;
            }
            if (m_run != seenRun) {
                seenRun = m_run;
                reportedIdle = false;
            }
            // Waited for under the lock, so that the child is reaped exactly
            // once: here, or by the reaper after Watch or the destructor.
            int status = 0;
            pid_t r = waitpid(m_pid, &status, WNOHANG);
            if (r == m_pid || (r < 0 && errno == ECHILD)) {
                int code = r == m_pid ? ExitCodeFromStatus(status) : 0;
                PostMessage(m_receiver, kEnded, WPARAM(seenRun), LPARAM(code));
                m_pid = 0;
                continue;
            }
            pid_t pid = m_pid;
            auto probe = m_probe;
            lock.unlock();
            bool idle = probe && probe->IsIdle(pid);
            lock.lock();
            if (m_stop || m_run != seenRun)
                continue;
            if (idle != reportedIdle) {
                reportedIdle = idle;
                PostMessage(m_receiver, kIdleChanged, WPARAM(seenRun), idle ? 1 : 0);
            }
            m_wake.wait_for(lock, kCycle, [&] { return m_stop || m_run != seenRun; });
        }
    }

    HWND m_receiver;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    pid_t m_pid = 0;
    std::uint64_t m_run = 0;
    std::shared_ptr<TIdleProbe> m_probe = std::make_shared<TDesktopIdleProbe>();
    std::thread m_thread;
};

TAppRunner::TAppRunner(TComponent* owner)
    : TComponent(owner)
{
    m_receiver = AllocateHWnd([this](TMessage& m) { received(m); });
    m_spy = std::make_unique<TAppRunnerSpyThread>(m_receiver);
}

TAppRunner::~TAppRunner()
{
    BeginDestroy();
    m_spy.reset();
    // Reports still on their way are dropped with the receiver.
    DeallocateHWnd(m_receiver);
}

bool TAppRunner::Execute()
{
    TProcessStart start;
    start.CurrentDirectory = CurrentDirectory;
    if (!CommandLine.empty())
        start.Arguments = SplitCommandLine(CommandLine);
    // Without an application name the command line's first word is the program.
    start.Program = !ApplicationName.empty() ? ApplicationName : start.Arguments.empty() ? std::string() : start.Arguments[0];
    if (start.Arguments.empty())
        start.Arguments = { start.Program };

    pid_t pid = StartProcess(start);
    // A start that fails changes nothing: a program started before is still
    // watched and its end still reported.
    if (pid <= 0)
        return false;
    ++m_run;
    m_idle = false;
    m_terminated = false;
    m_exitCode = StillActive;
    m_pid = pid;
    m_spy->Watch(m_pid, m_run);
    return true;
}

void TAppRunner::SetIdleProbe(std::shared_ptr<TIdleProbe> probe) { m_spy->SetProbe(std::move(probe)); }

void TAppRunner::DoIdle()
{
    if (OnIdle)
        OnIdle(this);
}

void TAppRunner::DoTerminated()
{
    if (OnTerminated)
        OnTerminated(this);
}

void TAppRunner::received(TMessage& m)
{
    // A report about an earlier start comes too late to count.
    if (Destroying() || m.WParam != WPARAM(m_run))
        return;
    if (m.Msg == kIdleChanged) {
        m_idle = m.LParam != 0;
        if (m_idle)
            DoIdle();
    } else if (m.Msg == kEnded) {
        m_terminated = true;
        m_exitCode = std::uint32_t(m.LParam);
        DoTerminated();
    }
}
