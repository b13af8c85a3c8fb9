#pragma once
// TGoToWeb: opens an address, or a "mailto:" address, in the desktop's
// web browser (platform/DesktopApps.h: BrowserCommand).
//
// The browser's command is split into an argument vector and the address is
// added as one more argument, whatever it holds; no shell sees any of it.

#include "platform/Component.h"

#include <string>

enum TBrowserState { gwMaximized, gwNormal };

class TGoToWeb : public TComponent {
public:
    explicit TGoToWeb(TComponent* owner);

    std::string Url = "about:blank";
    std::string EMail = "webmaster@localhost";
    // The browser window's state. Desktop launchers have no way to pass it
    // on, so it is only kept.
    TBrowserState BrowserState = gwMaximized;

    // False when the browser cannot be started (none found, not even xdg-open).
    bool OpenUrl();
    bool SendMail();

private:
    bool launch(const std::string& address);
};
