// The gap between groups of controls on a toolbar.

#include "widgets/TB97.h"

#include "widgets/TB97Dock.h"

#include "platform/Exception.h"

// --- Separator ---------------------------------------------------------------------------

TToolbarSep97::TToolbarSep97(TComponent* owner)
    : TGraphicControl(owner)
{
    ControlStyle &= ~unsigned(csCaptureMouse | csOpaque);
    SetBounds(0, 0, 6, 22);
}

void TToolbarSep97::SetBlank(bool blank)
{
    if (!Change(m_blank, blank))
        return;
    Invalidate();
    // A floating toolbar draws its wrap lines by their separators' Blank.
    layoutToolbar();
}

void TToolbarSep97::SetSizeHorz(int size)
{
    if (size < 1 || size == m_sizeHorz)
        return;
    m_sizeHorz = size;
    layoutToolbar();
}

void TToolbarSep97::SetSizeVert(int size)
{
    if (size < 1 || size == m_sizeVert)
        return;
    m_sizeVert = size;
    layoutToolbar();
}

void TToolbarSep97::SetParent(TWinControl* parent)
{
    if (parent && !dynamic_cast<TToolbar97*>(parent))
        throw EInvalidOperation("TToolbarSep97 can only be placed on a TToolbar97");
    TGraphicControl::SetParent(parent);
}

void TToolbarSep97::layoutToolbar()
{
    if (auto* bar = dynamic_cast<TToolbar97*>(Parent()))
        bar->LayoutControls();
}

void TToolbarSep97::Paint()
{
    PaintToolbarSep(*Canvas(), Width(), Height(), DockedLeftRight(this), m_blank);
}

bool TToolbarSep97::forward(UINT msg, TShiftState shift, int x, int y)
{
    auto* bar = dynamic_cast<TToolbar97*>(Parent());
    if (!bar)
        return false;
    bar->Perform(msg, WPARAM(shift & ~ssDouble), PointToLParam(Left() + x, Top() + y));
    return true;
}

void TToolbarSep97::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseDown(button, shift, x, y);
    const TMouseAction action = (shift & ssDouble) ? TMouseAction::DoubleClick : TMouseAction::Down;
    if (forward(MouseMessage(action, button), shift, x, y))
        m_forwarding = true;
}

void TToolbarSep97::MouseMove(TShiftState shift, int x, int y)
{
    TGraphicControl::MouseMove(shift, x, y);
    // The press that began on the separator drags the toolbar: the mouse
    // stays with the separator until the release, so its moves are handed on.
    if (m_forwarding)
        forward(WM_MOUSEMOVE, shift, x, y);
}

void TToolbarSep97::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseUp(button, shift, x, y);
    if (!m_forwarding)
        return;
    m_forwarding = false;
    forward(MouseMessage(TMouseAction::Up, button), shift, x, y);
}
