#include "widgets/GoToWeb.h"

#include "platform/DesktopApps.h"
#include "platform/Process.h"

TGoToWeb::TGoToWeb(TComponent* owner)
    : TComponent(owner)
{
}

bool TGoToWeb::OpenUrl() { return launch(Url); }

bool TGoToWeb::SendMail() { return launch("mailto:" + EMail); }

bool TGoToWeb::launch(const std::string& address)
{
    TProcessStart start;
    start.Arguments = BrowserCommand(address);
    start.Program = start.Arguments[0];
    // A bare program name is looked up the way the desktop does.
    start.SearchPath = true;
    pid_t pid = StartProcess(start);
    if (pid <= 0)
        return false;
    // Nobody waits for the browser; it must not linger as a zombie.
    ReapInBackground(pid);
    return true;
}
