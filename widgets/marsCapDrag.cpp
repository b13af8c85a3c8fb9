#include "widgets/marsCapDrag.h"

#include "platform/Form.h"
#include "widgets/marsCap.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdlib>

namespace {

// The narrowest a window sized by the caption bar gets: room for the icon
// and the system buttons.
constexpr int kMinimumWidth = 120;

}

bool TCaptionDrag::FarEnough(TPoint p) const
{
    return std::abs(p.X - Anchor.X) >= kMoveDistance || std::abs(p.Y - Anchor.Y) >= kMoveDistance;
}

TRect TCaptionDrag::Follow(TPoint p, TPoint minimum) const
{
    const int dx = p.X - Anchor.X, dy = p.Y - Anchor.Y;
    TRect r = Start;
    if (Kind == TCaptionDragKind::Move)
        return { r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy };
    if (Edges & Qt::LeftEdge)
        r.Left = std::min(r.Left + dx, r.Right - minimum.X);
    if (Edges & Qt::RightEdge)
        r.Right = std::max(r.Right + dx, r.Left + minimum.X);
    if (Edges & Qt::TopEdge)
        r.Top = std::min(r.Top + dy, r.Bottom - minimum.Y);
    if (Edges & Qt::BottomEdge)
        r.Bottom = std::max(r.Bottom + dy, r.Top + minimum.Y);
    return r;
}

// --- The caption bar following the mouse ----------------------------------

void TMarsCaption::beginDrag(TCaptionDragKind kind, Qt::Edges edges, bool byMenu, TPoint screen)
{
    QWidget* w = m_form->Widget();
    const QRect g = w->geometry();
    m_drag = { kind, edges, byMenu, screen, { g.left(), g.top(), g.right() + 1, g.bottom() + 1 } };
    // Begun from the menu, no button holds the pointer for the window.
    if (byMenu)
        w->grabMouse();
}

void TMarsCaption::beginSize(Qt::Edges edges, bool byMenu, TPoint screen)
{
    QWidget* w = m_form->Widget();
    if (!(w->windowHandle() && w->windowHandle()->startSystemResize(edges)))
        beginDrag(TCaptionDragKind::Size, edges, byMenu, screen);
}

void TMarsCaption::endDrag()
{
    if (m_drag.ByMenu)
        m_form->Widget()->releaseMouse();
    m_drag = {};
}

bool TMarsCaption::followDrag(QMouseEvent* me)
{
    QWidget* w = m_form->Widget();
    const QPoint g = me->globalPosition().toPoint();
    const TPoint screen { g.x(), g.y() };
    switch (me->type()) {
    case QEvent::MouseMove: {
        if (!m_drag.ByMenu && !(me->buttons() & Qt::LeftButton)) {
            endDrag();  // the release went elsewhere
            return false;
        }
        if (m_drag.Kind == TCaptionDragKind::Pending) {
            if (!m_drag.FarEnough(screen))
                return true;
            // The desktop moves on from where the pointer is now: the
            // window first catches up with the way already gone.
            m_drag.Kind = TCaptionDragKind::Move;
            const TRect r = m_drag.Follow(screen, {});
            w->move(r.Left, r.Top);
            if (w->windowHandle() && w->windowHandle()->startSystemMove()) {
                endDrag();
                return true;
            }
        }
        if (m_drag.Kind == TCaptionDragKind::Minimized) {
            const QPoint local = w->mapFromGlobal(g);
            const TCaptionStep step = m_mouse.ClientMove({ local.x(), local.y() }, screen, m_drag.Anchor);
            if (step.MoveWindow)
                w->move(w->pos() + QPoint(step.Delta.X, step.Delta.Y));
            return true;
        }
        const TPoint minimum { std::max(w->minimumWidth(), kMinimumWidth), std::max(w->minimumHeight(), TForm::kCaption + 2 * TForm::kFrame) };
        const TRect r = m_drag.Follow(screen, minimum);
        m_form->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // A move or size from the menu ends with a click; any other press
        // starts afresh.
        if (m_drag.ByMenu)
            return true;
        endDrag();
        return false;
    case QEvent::MouseButtonRelease: {
        const TCaptionDragKind kind = m_drag.Kind;
        endDrag();
        if (kind == TCaptionDragKind::Minimized) {
            if (m_mouse.ClientLeftUp().Do == TCaptionDo::MinimizedMenu)
                openMinimizedMenu();
            return true;
        }
        // A press that never moved is a click: the caption's mouse has it.
        return kind != TCaptionDragKind::Pending;
    }
    default:
        return false;
    }
}

