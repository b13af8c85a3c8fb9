#pragma once
// The caption bar's mouse: what a title-bar mouse message, and the client
// messages of a minimised window being dragged, come to. The machine
// decides; the caption bar carries the decision out (opens the menu, sends
// the command, moves the window). The clock and the double-click time are
// injected so the timing can be driven.

#include "widgets/marsCapLayout.h"

#include <cstdint>
#include <functional>

enum class TCaptionDo {
    PassOn,         // to the window's own handling (a press then moves the window)
    PassOnNowhere,  // passed on as a press on nothing: a maximised window stays put
    Handled,
    ToButton,       // ButtonMessage at ButtonPoint to system button Button
    IconMenu,       // the window menu under the icon
    CursorMenu,     // the window menu at the cursor
    Command,        // the system command Command
    MinimizedMenu,  // the window menu of a minimised window; SC_RESTORE on a double click
};

struct TCaptionStep {
    TCaptionDo Do = TCaptionDo::PassOn;
    bool BringToFront = false;
    int Button = -1;
    UINT ButtonMessage = 0;
    TPoint ButtonPoint;
    UINT Command = 0;
    bool CaptureMouse = false;   // a minimised window was pressed
    bool ReleaseMouse = false;   // its drag has ended
    bool MoveWindow = false;     // by Delta
    TPoint Delta;
    bool SetMinPosition = false;
};

struct TCaptionState {
    TWindowState State = wsNormal;
    bool MdiChild = false;
    bool MaximizeEnabled = true;
};

class TCaptionMouse {
public:
    std::function<std::uint64_t()> Clock;  // GetTickCount64 when empty
    unsigned DoubleClickTime = 500;        // milliseconds

    // A title-bar mouse message (WM_NCMOUSEMOVE .. WM_NCMBUTTONDBLCLK) with
    // its hit-test code and its point in window coordinates.
    TCaptionStep NonClient(UINT msg, int hitTest, TPoint window, const TCaptionLayout&, const TCaptionState&);
    // WM_MOUSEMOVE of the window: the drag of a minimised window. `pressScreen`
    // is the press point in screen coordinates.
    TCaptionStep ClientMove(TPoint client, TPoint screen, TPoint pressScreen);
    // WM_LBUTTONUP of the window.
    TCaptionStep ClientLeftUp();
    // WM_RBUTTONUP in the client area.
    void ClientRightUp() { m_menuPending = false; }

    bool MenuPending() const { return m_menuPending; }
    std::uint64_t IconClickTime() const { return m_iconClickTime; }
    bool IconDragArmed() const { return m_armed; }
    bool IconMoving() const { return m_moving; }

private:
    std::uint64_t now() const;

    bool m_menuPending = false;
    std::uint64_t m_iconClickTime = 0;
    bool m_armed = false;
    bool m_moving = false;
    TPoint m_press;
    TPoint m_last;
};

// A system button's press: pushed while the mouse is over it, clicked when
// released over it.
struct TCaptionButtonTrack {
    bool Pushed = false;
    bool Tracking = false;
    // Each returns whether the button must be drawn again.
    bool Down(bool enabled);
    bool Move(bool overHot);
    // True when the release clicks.
    bool Up(bool overHot);
};
