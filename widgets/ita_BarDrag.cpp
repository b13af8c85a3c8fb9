// A bar dragged by the mouse: along its row, onto another bar's row (the
// two change places), off its dock into a floating window, onto a dock.

#include "widgets/ita_Office97.h"

#include "platform/Application.h"
#include "platform/Messages.h"
#include "widgets/flpfrm97.h"

#include <QWidget>

#include <algorithm>

namespace {

using ToolBarState::kCaptionOffset;

// Set while a bar's MouseMove runs: a move arriving meanwhile (messages
// processed by a swap, or sent by re-parenting) returns at once.
bool g_dragGuard = false;

TPoint toScreen(const TControl* c, TPoint p)
{
    QPoint g = c->Widget()->mapToGlobal(QPoint(p.X, p.Y));
    return { g.x(), g.y() };
}

TRect screenRect(const TControl* c, TRect r)
{
    TPoint a = toScreen(c, { r.Left, r.Top });
    return { a.X, a.Y, a.X + r.Width(), a.Y + r.Height() };
}

bool intersects(const TRect& a, const TRect& b)
{
    return std::max(a.Left, b.Left) < std::min(a.Right, b.Right) && std::max(a.Top, b.Top) < std::min(a.Bottom, b.Bottom);
}

}  // namespace

TitaDock* TitaToolBar::dockAtPoint(TPoint p) const
{
    if (!Owner())
        return nullptr;
    for (int i = 0; i < Owner()->ComponentCount(); ++i) {
        auto* d = dynamic_cast<TitaDock*>(Owner()->Components(i));
        if (!d)
            continue;
        TRect probe;
        if (m_floating && d->Horizontal() && m_form) {
            TRect r { std::max(0, Left()), std::max(0, Top()), std::min(Left() + Width(), m_form->ClientWidth()),
                std::min(Top() + Height(), m_form->ClientHeight()) };
            r = { r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1 };
            TPoint a = toScreen(m_form, { r.Left, r.Top });
            probe = { a.X, a.Y, a.X + r.Width(), a.Y + r.Height() };
        } else {
            TPoint s = toScreen(this, p);
            probe = { s.X - 5, s.Y - 5, s.X + 5, s.Y + 5 };
        }
        TRect area = screenRect(d, { 0, 0, d->Width(), d->Height() });
        if (d->Width() == 0)
            area = { area.Left - 1, area.Top + 1, area.Right + 1, area.Bottom - 1 };
        if (d->Height() == 0)
            area = { area.Left + 1, area.Top - 1, area.Right - 1, area.Bottom + 1 };
        if (d->Align() != alNone && d->Align() != alClient && intersects(probe, area))
            return d;
    }
    return nullptr;
}

TitaToolBar* TitaToolBar::barAtPoint(TPoint p) const
{
    TitaDock* d = dock();
    if (!d)
        return nullptr;
    TPoint at { p.X + Left(), p.Y + Top() };
    for (int i = 0; i < d->ControlCount(); ++i) {
        auto* bar = dynamic_cast<TitaToolBar*>(d->Controls(i));
        // A hidden bar is out of its dock's rows: nothing changes place with it.
        if (!bar || bar == this || !bar->Visible())
            continue;
        TRect r { bar->Left() + 1, bar->Top() + 1, bar->Left() + bar->Width() - 1, bar->Top() + bar->Height() - 1 };
        if (d->Horizontal()) {
            int middle = (r.Top + r.Bottom) / 2;
            if ((Top() < r.Top && at.Y > middle) || (r.Top < Top() && at.Y < middle))
                return bar;
        } else {
            int middle = (r.Left + r.Right) / 2;
            if ((Left() < r.Left && at.X > middle) || (r.Left < Left() && at.X < middle))
                return bar;
        }
    }
    return nullptr;
}

void TitaToolBar::swapBars(TitaToolBar* other)
{
    TitaDock* d = dock();
    if (!other || other == this || !d)
        return;
    // Only the bars shown take part; hidden ones keep their place and stay
    // hidden.
    std::vector<TitaToolBar*> shown;
    for (int i = 0; i < d->ControlCount(); ++i)
        if (auto* bar = dynamic_cast<TitaToolBar*>(d->Controls(i)); bar && bar->Visible())
            shown.push_back(bar);
    SetVisible(false);
    other->SetVisible(false);
    bool horizontal = d->Horizontal();
    auto pos = [horizontal](TControl* c) { return horizontal ? c->Top() : c->Left(); };
    auto size = [horizontal](TControl* c) { return horizontal ? c->Height() : c->Width(); };
    auto move = [horizontal](TControl* c, int to) { horizontal ? c->SetTop(to) : c->SetLeft(to); };
    TitaToolBar* upper = pos(this) < pos(other) ? this : other;
    TitaToolBar* lower = upper == this ? other : this;
    auto shiftBeyond = [&](int limit, int by) {
        for (TitaToolBar* bar : shown)
            if (pos(bar) > limit)
                move(bar, pos(bar) + by);
    };
    shiftBeyond(pos(lower), size(upper) - size(lower));
    int t = pos(upper);
    move(upper, pos(lower));
    shiftBeyond(t, size(lower) - size(upper));
    move(lower, t);
    if (Application)
        Application->ProcessMessages();
    SetVisible(true);
    other->SetVisible(true);
}

void TitaToolBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TitaCustomPanel::MouseDown(button, shift, x, y);
    m_held = button == mbLeft;
    if (button == mbLeft) {
        m_grabX = x;
        m_grabY = y;
    }
}

void TitaToolBar::MouseMove(TShiftState shift, int x, int y)
{
    if (g_dragGuard)
        return;
    struct Guard {
        Guard() { g_dragGuard = true; }
        ~Guard() { g_dragGuard = false; }
    } guard;
    TitaCustomPanel::MouseMove(shift, x, y);
    if (!(shift & ssLeft))
        return;
    TitaDock* target = dockAtPoint({ x, y });
    if (!target) {
        if (!m_floating) {
            if (!dock())
                return;
            bool horizontal = dock()->Horizontal();
            undock();
            if (horizontal) {
                m_grabX = x;
                m_grabY = y < 0 ? Height() + y : kCaptionOffset;
            } else {
                m_grabX = y;
                m_grabY = kCaptionOffset;
            }
            // The bar floats narrower than its row: the mouse keeps to it.
            m_grabX = std::min(m_grabX, neededWidth() - 1);
        }
        TPoint s = toScreen(this, { x - m_grabX, y - m_grabY });
        floatAt(s.X, s.Y);
        if (!ToolBarState::Restoring())
            takeMouseCapture();
        return;
    }
    if (target == Parent()) {
        swapBars(barAtPoint({ x, y }));
        if (target->Horizontal()) {
            int left = std::max(0, Left() + x - m_grabX);
            if (target->Width() < left + Width())
                left = target->Width() - Width();
            SetBounds(left, Top(), Width(), Height());
        } else {
            int top = Top() + y - m_grabY;
            if (target->Height() < top + Height())
                top = target->Height() - Height();
            SetBounds(Left(), std::max(0, top), Width(), Height());
        }
        Widget()->repaint();
        return;
    }
    if (m_floating) {
        m_floating = false;
        TFPForm97* old = m_form;
        m_form = nullptr;
        old->ToolBar = nullptr;
        SetParent(target);
        dockIn();
        // The old window may be delivering this very move: it goes once
        // the event is done.
        old->TControl::SetVisible(false);
        old->Widget()->hide();
        PostCall([old] { delete old; });
        return;
    }
    undock();
    SetParent(target);
    dockIn();
}

void TitaToolBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TitaCustomPanel::MouseUp(button, shift, x, y);
    if (m_held) {
        m_held = false;
        SaveState();
    }
    if (Widget() && QWidget::mouseGrabber() == Widget())
        Widget()->releaseMouse();
}
