#include "widgets/GoToWeb.h"

#include "platform/DesktopApps.h"
#include "platform/Process.h"

TGoToWeb::TGoToWeb(TComponent* owner)
    : TComponent(owner)
{
    m_receiver = AllocateHWnd([this](TMessage& m) {
        auto it = m_watched.find(m.WParam);
        if (it == m_watched.end())
            return;
        std::function<void()> failed = std::move(it->second);
        m_watched.erase(it);
        if (m.LParam && failed)
            failed();
    });
}

TGoToWeb::~TGoToWeb() { DeallocateHWnd(m_receiver); }

bool TGoToWeb::OpenUrl(std::function<void()> failed) { return launch(Url, std::move(failed)); }

bool TGoToWeb::SendMail() { return launch("mailto:" + EMail, {}); }

bool TGoToWeb::launch(const std::string& address, std::function<void()> failed)
{
    TProcessStart start;
    start.Arguments = BrowserCommand(address);
    start.Program = start.Arguments[0];
    // A bare program name is looked up the way the desktop does.
    start.SearchPath = true;
    pid_t pid = StartProcess(start);
    if (pid <= 0)
        return false;
    if (!failed) {
        // Nobody waits for the browser; it must not linger as a zombie.
        ReapInBackground(pid);
        return true;
    }
    // Waited for off the message loop: a browser may run for hours.
    WPARAM watch = ++m_lastWatch;
    m_watched[watch] = std::move(failed);
    ReapInBackground(pid, [watch, receiver = m_receiver, started = GetTickCount64()](int status) {
        bool soon = GetTickCount64() - started <= kOpenerFailMs;
        PostMessage(receiver, WM_USER, watch, soon && ExitCodeFromStatus(status) != 0);
    });
    return true;
}
