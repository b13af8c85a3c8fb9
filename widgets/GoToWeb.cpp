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
    std::vector<std::string> command = DefaultApplicationCommand("text/html");
    if (command.empty())
        return false;
    TProcessStart start;
    start.Program = command[0];
    // A bare program name is looked up the way the desktop does.
    start.SearchPath = true;
    start.Arguments = command;
    start.Arguments.push_back(address);
    pid_t pid = StartProcess(start);
    if (pid <= 0)
        return false;
    // Nobody waits for the browser; it must not linger as a zombie.
    ReapInBackground(pid);
    return true;
}
