#pragma once
// TGoToWeb: opens an address, or a "mailto:" address, in the desktop's
// web browser (platform/DesktopApps.h: BrowserCommand).
//
// The browser's command is split into an argument vector and the address is
// added as one more argument, whatever it holds; no shell sees any of it.

#include "platform/Component.h"
#include "platform/Messages.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>

enum TBrowserState { gwMaximized, gwNormal };

class TGoToWeb : public TComponent {
public:
    explicit TGoToWeb(TComponent* owner);
    ~TGoToWeb() override;

    std::string Url = "about:blank";
    std::string EMail = "webmaster@localhost";
    // The browser window's state. Desktop launchers have no way to pass it
    // on, so it is only kept.
    TBrowserState BrowserState = gwMaximized;

    // False when the browser cannot be started (none found, not even
    // xdg-open). An opener that starts but soon ends with a failure (it found
    // no browser to hand the address to) is told later, from the message
    // loop, through `failed`, unless the component is gone by then.
    bool OpenUrl(std::function<void()> failed = {});
    bool SendMail();

    // How soon after its start an ending opener counts as failed to open: a
    // browser that runs longer and then fails did show the address.
    static constexpr std::uint64_t kOpenerFailMs = 5000;

private:
    bool launch(const std::string& address, std::function<void()> failed);

    HWND m_receiver = 0;  // hears how watched openers ended
    std::map<WPARAM, std::function<void()>> m_watched;
    WPARAM m_lastWatch = 0;
};
