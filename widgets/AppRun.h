#pragma once
// TAppRunner: starts one program and watches it from a worker thread,
// reporting on the GUI thread when the program waits for input and when it
// has ended.
//
// The program is started without a shell: ApplicationName is the file
// (without a folder: in the caller's current folder), CommandLine is split
// into the argument vector by its quotes, CurrentDirectory is its working
// folder. Every started program is waited for when it ends, also after the
// runner has started another or has gone; the runner never kills it.

#include "platform/Component.h"
#include "platform/Messages.h"

#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <string>

class TIdleProbe;
class TAppRunnerSpyThread;

class TAppRunner : public TComponent {
public:
    // The exit code while the program runs.
    static constexpr std::uint32_t StillActive = 259;

    explicit TAppRunner(TComponent* owner);
    ~TAppRunner() override;

    std::string ApplicationName;
    std::string CommandLine;
    std::string CurrentDirectory;
    // The program waits for input (again, after having been busy).
    TNotifyEvent OnIdle;
    // The program has ended; fires once per run.
    TNotifyEvent OnTerminated;

    // Starts the program and returns at once. A second start hands the
    // watcher over to the new program; the first one runs on unwatched.
    // False when the program cannot be started; nothing else changes (a
    // program started before is still watched).
    bool Execute();

    // Results of the last start.
    bool Idle() const { return m_idle; }
    bool Terminated() const { return m_terminated; }
    std::uint32_t ExitCode() const { return m_exitCode; }
    pid_t ProcessId() const { return m_pid; }

    // How the watcher tells that the program waits for input: by default,
    // once it shows a window on the desktop's display and sleeps there
    // (platform/ProcessIdle.h); a console program never does.
    void SetIdleProbe(std::shared_ptr<TIdleProbe>);

protected:
    virtual void DoIdle();
    virtual void DoTerminated();

private:
    void received(TMessage&);

    std::unique_ptr<TAppRunnerSpyThread> m_spy;
    HWND m_receiver = 0;
    std::uint64_t m_run = 0;  // the start whose reports count
    bool m_idle = false;
    bool m_terminated = false;
    std::uint32_t m_exitCode = 0;
    pid_t m_pid = 0;
};
