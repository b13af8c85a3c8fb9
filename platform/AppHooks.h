#pragma once
// Hooks into the application: watchers of the main window's messages, an
// application-wide mouse filter, and the runner that shows pop-up menus.

#include "platform/Messages.h"
#include "platform/Types.h"

#include <functional>

class TControl;
class TForm;
class TMenuItem;
class TPopupMenu;

// Main-window hooks see WM_ACTIVATEAPP (WParam 1 when the program becomes
// active, 0 when another one does) and WM_ACTIVATE (WA_ACTIVE / WA_INACTIVE)
// of the main window. A hook answering true keeps the message from the hooks
// installed before it. Newest first.
using TWindowHook = std::function<bool(TMessage&)>;
int HookMainWindow(TWindowHook);  // an id for UnhookMainWindow
void UnhookMainWindow(int id);
// Delivers a message to the hooks; true when one of them handled it.
bool CallMainWindowHooks(TMessage&);
// Whether the program is the active one: as the last WM_ACTIVATEAPP the
// hooks saw says, before any as the window system says.
bool ApplicationActive();

// Form hooks see WM_WINDOWPOSCHANGED of one form after its window was shown,
// hidden, moved, sized, minimised or restored (the form's own state is then
// up to date). A hook answering true keeps it from the older ones.
int HookFormWindow(TForm*, TWindowHook);  // an id for UnhookFormWindow
void UnhookFormWindow(int id);

// The mouse filter sees every mouse message of the program (WM_MOUSEMOVE,
// WM_xBUTTONDOWN, ...), at its screen point, before the control under it;
// true eats the message. The platform watches the mouse only while at least
// one filter is installed.
using TMouseFilter = std::function<bool(UINT msg, TPoint screen, TControl* target)>;
int InstallMouseFilter(TMouseFilter);  // an id for RemoveMouseFilter
void RemoveMouseFilter(int id);
int MouseFilterCount();
// How often the platform started and stopped watching the mouse.
struct TMouseFilterStats {
    int Attached = 0;
    int Detached = 0;
};
TMouseFilterStats MouseFilterStats();

// Shows a pop-up menu at a screen point and returns the item the user chose,
// or nullptr; running the item is the caller's business.
struct TMenuRunner {
    virtual ~TMenuRunner() = default;
    virtual TMenuItem* Run(TPopupMenu*, TPoint screen) = 0;
};
// Tests put a scripted runner in; nullptr restores the real one.
void SetMenuRunner(TMenuRunner*);
TMenuRunner* MenuRunner();
