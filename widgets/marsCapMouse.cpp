#include "widgets/marsCapMouse.h"

std::uint64_t TCaptionMouse::now() const { return Clock ? Clock() : GetTickCount64(); }

TCaptionStep TCaptionMouse::NonClient(UINT msg, int hitTest, TPoint p, const TCaptionLayout& l, const TCaptionState& w)
{
    TCaptionStep step;
    if (hitTest != HTCAPTION)
        return step;
    step.BringToFront = msg == WM_NCLBUTTONDOWN || msg == WM_NCRBUTTONDOWN || msg == WM_NCMBUTTONDOWN;

    int button = CaptionButtonAt(l, p);
    if (button >= 0) {
        if (msg == WM_NCRBUTTONUP)
            m_menuPending = false;
        const TCaptionButtonPlace& b = l.Buttons[button];
        step.Do = TCaptionDo::ToButton;
        step.Button = button;
        step.ButtonMessage = msg + kNcToClientMessage;
        step.ButtonPoint = { p.X - b.X, p.Y - b.Y };
        return step;
    }
    if (w.State == wsMinimized) {
        step.Do = TCaptionDo::Handled;
        if (msg == WM_NCLBUTTONDOWN) {
            step.CaptureMouse = true;
            m_armed = true;
            m_press = p;
            m_iconClickTime = now();
        }
        return step;
    }
    switch (msg) {
    case WM_NCLBUTTONDOWN:
        if (InRect(l.Icon, p)) {
            m_iconClickTime = now();
            step.Do = TCaptionDo::IconMenu;
        } else if (w.State == wsMaximized) {
            step.Do = TCaptionDo::PassOnNowhere;
        }
        return step;
    case WM_NCLBUTTONUP:
        if (m_iconClickTime) {
            if (now() - m_iconClickTime <= DoubleClickTime) {
                step.Do = TCaptionDo::Command;
                step.Command = SC_CLOSE;
            } else {
                step.Do = TCaptionDo::Handled;
            }
            m_iconClickTime = 0;
        }
        return step;
    case WM_NCLBUTTONDBLCLK:
        if (InRect(l.Text, p)) {
            step.Do = TCaptionDo::Handled;
            if ((l.Icons & biMaximize) && w.MaximizeEnabled) {
                step.Do = TCaptionDo::Command;
                step.Command = w.State == wsMaximized ? SC_RESTORE : SC_MAXIMIZE;
            }
        }
        return step;
    case WM_NCRBUTTONDOWN:
        if (p.X < l.ButtonArea.Left && !w.MdiChild) {
            m_menuPending = true;
            step.Do = TCaptionDo::Handled;
        }
        return step;
    case WM_NCRBUTTONUP:
        if (m_menuPending) {
            m_menuPending = false;
            step.Do = TCaptionDo::CursorMenu;
        }
        return step;
    default:
        return step;
    }
}

TCaptionStep TCaptionMouse::ClientMove(TPoint client, TPoint screen, TPoint pressScreen)
{
    TCaptionStep step;
    if (m_armed && (client.X != m_press.X || client.Y != m_press.Y)) {
        m_moving = true;
        m_armed = false;
        m_last = pressScreen;
    }
    if (m_moving && (screen.X != m_last.X || screen.Y != m_last.Y)) {
        step.MoveWindow = true;
        step.Delta = { screen.X - m_last.X, screen.Y - m_last.Y };
        m_last = screen;
    }
    return step;
}

TCaptionStep TCaptionMouse::ClientLeftUp()
{
    TCaptionStep step;
    if (m_moving) {
        step.SetMinPosition = true;
        step.ReleaseMouse = true;
        m_moving = false;
    }
    if (m_armed) {
        step.Do = TCaptionDo::MinimizedMenu;
        m_armed = false;
    }
    return step;
}

bool TCaptionButtonTrack::Down(bool enabled)
{
    if (!enabled)
        return false;
    Pushed = Tracking = true;
    return true;
}

bool TCaptionButtonTrack::Move(bool overHot)
{
    if (!Tracking || Pushed == overHot)
        return false;
    Pushed = overHot;
    return true;
}

bool TCaptionButtonTrack::Up(bool overHot)
{
    if (!Tracking)
        return false;
    Pushed = Tracking = false;
    return overHot;
}
