// TToolbar97: lays its controls out, docks, floats, and is dragged and
// sized with the mouse.

#include "widgets/TB97Dock.h"

#include "platform/AppHooks.h"
#include "platform/Application.h"
#include "platform/ControlMessages.h"
#include "platform/Exception.h"
#include "platform/Form.h"
#include "platform/Mouse.h"
#include "widgets/TB97.h"

#include <QGuiApplication>
#include <QRegion>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <map>

namespace {

// The main-window hook and the form's own hook serve every toolbar of a
// form and go with the last of them, whichever toolbar installed them.
struct FormHook {
    int id = 0;
    int formId = 0;
    int bars = 0;
};
std::map<TForm*, FormHook>& formHooks()
{
    static std::map<TForm*, FormHook> hooks;
    return hooks;
}

void hookForm(TForm* form)
{
    FormHook& h = formHooks()[form];
    if (h.bars++ == 0) {
        h.id = HookMainWindow([form](TMessage& m) {
            if (m.Msg == WM_ACTIVATEAPP)
                TToolbar97::ShowFloatingBars(form, m.WParam != 0);
            return false;
        });
        // Hidden or minimised, the form takes its floating bars along.
        h.formId = HookFormWindow(form, [form](TMessage& m) {
            if (m.Msg == WM_WINDOWPOSCHANGED)
                TToolbar97::ShowFloatingBars(form, ApplicationActive());
            return false;
        });
    }
}

void unhookForm(TForm* form)
{
    auto it = formHooks().find(form);
    if (it == formHooks().end())
        return;
    if (--it->second.bars == 0) {
        UnhookMainWindow(it->second.id);
        UnhookFormWindow(it->second.formId);
        formHooks().erase(it);
    }
}

TRect screenWorkArea()
{
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = screen->availableGeometry();
        return { r.left(), r.top(), r.right() + 1, r.bottom() + 1 };
    }
    return { 0, 0, 1024, 768 };
}

}

std::function<TRect()> TToolbar97::WorkArea;

const TFloatingFrame& TToolbar97::FloatingFrame()
{
    static const TFloatingFrame frame;
    return frame;
}

TToolbar97::TToolbar97(TComponent* owner)
    : TCustomControl(owner)
{
    m_form = dynamic_cast<TForm*>(owner);
    if (!m_form)
        throw EInvalidOperation("TToolbar97 must be owned by a form");
    ControlStyle = (ControlStyle | csAcceptsControls | csClickEvents | csSetCaption | csDoubleClicks) & ~(csCaptureMouse | csOpaque);
    m_floatParent = new TFloatParent(m_form);
    m_floatParent->SetParent(m_form);
    hookForm(m_form);
    m_parked = true;
    SetDockedTo(nullptr);
    LayoutControls();
}

TToolbar97::~TToolbar97()
{
    hideOutline();
    delete m_outline;
    unhookForm(m_form);
}

TDock97* TToolbar97::DockedTo() const { return dynamic_cast<TDock97*>(Parent()); }

bool TToolbar97::Floating() const { return !DockedTo(); }

TDockType TToolbar97::DockType() const
{
    TDock97* dock = DockedTo();
    return dock ? DockTypeOf(dock->Position()) : TDockType::Floating;
}

void TToolbar97::SetCloseButton(bool on)
{
    m_closeButton = on;
    Invalidate();
}

void TToolbar97::SetDockRow(int row)
{
    m_dockRow = row;
    if (TDock97* dock = DockedTo())
        dock->LayoutBars();
}

void TToolbar97::SetDockPos(int pos)
{
    m_dockPos = pos;
    if (TDock97* dock = DockedTo())
        dock->LayoutBars();
}

std::vector<TBarItem> TToolbar97::Items() const
{
    std::vector<TBarItem> items;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        TBarItem item;
        if (auto* sep = dynamic_cast<TToolbarSep97*>(c)) {
            item.Separator = true;
            item.Blank = sep->Blank();
            item.SizeHorz = sep->SizeHorz();
            item.SizeVert = sep->SizeVert();
        }
        item.Visible = c->Visible();
        item.Width = c->Width();
        item.Height = c->Height();
        items.push_back(item);
    }
    return items;
}

void TToolbar97::LayoutControls()
{
    if (m_layoutLock || Destroying() || (Parent() && Parent()->Destroying()))
        return;
    ++m_layoutLock;
    TDock97* dock = DockedTo();
    const TDockType type = DockType();
    const bool handle = !dock || dock->AllowDrag();
    const std::vector<TBarItem> items = Items();
    m_layout = LayoutBarItems(items, type, handle, dock ? 0 : m_wrapWidth);
    // The frame of a floating window lies around the client area.
    const int dx = dock ? 0 : FloatingFrame().Frame;
    const int dy = dock ? 0 : FloatingFrame().Frame + FloatingFrame().Caption;
    for (int i = 0; i < ControlCount(); ++i) {
        if (!items[std::size_t(i)].Visible)
            continue;
        const TBarItemPlace& p = m_layout.Places[std::size_t(i)];
        Controls(i)->SetBounds(p.Left + dx, p.Top + dy, p.Width, p.Height);
    }
    int width = m_layout.ClientWidth, height = m_layout.ClientHeight;
    if (!dock) {
        width += FloatingFrame().Width();
        height += FloatingFrame().Height();
    }
    ++m_boundsGuard;
    if (dock) {
        // The dock gives the thickness; the toolbar its length.
        if (dock->Vertical())
            SetBounds(Left(), Top(), Width(), height);
        else
            SetBounds(Left(), Top(), width, Height());
    } else {
        SetBounds(m_parked ? -width : Left(), Top(), width, height);
    }
    --m_boundsGuard;
    --m_layoutLock;
    if (dock)
        dock->LayoutBars();
    Invalidate();
}

void TToolbar97::applyParentFlags()
{
    QWidget* w = Widget();
    if (Floating()) {
        // A floating toolbar never takes the activation from its form.
        w->setAttribute(Qt::WA_ShowWithoutActivating);
        w->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
        w->setGeometry(Left(), Top(), Width(), Height());
        w->setVisible(Visible());
    }
}

void TToolbar97::SetParent(TWinControl* parent)
{
    if (parent && parent == m_form)
        parent = m_floatParent;
    if (parent && !dynamic_cast<TDock97*>(parent) && !dynamic_cast<TFloatParent*>(parent))
        throw EInvalidOperation("TToolbar97 can only be placed on a TDock97 or directly on the form");
    if (parent == Parent())
        return;
    if (OnRecreating && !Destroying())
        OnRecreating(this);
    TDock97* oldDock = DockedTo();
    TCustomControl::SetParent(parent);
    applyParentFlags();
    if (oldDock)
        oldDock->barsChanged(false, this);
    if (TDock97* dock = DockedTo())
        dock->barsChanged(true, this);
    if (OnRecreated && !Destroying())
        OnRecreated(this);
}

void TToolbar97::SetVisible(bool on)
{
    if (on == Visible())
        return;
    TCustomControl::SetVisible(on);
    if (TDock97* dock = DockedTo(); dock && !m_changingDock)
        dock->barsChanged(on, this);
}

void TToolbar97::SetDockedTo(TDock97* dock)
{
    const bool changes = dock != DockedTo() || !Parent();
    if (changes && OnDockChanging && Parent())
        OnDockChanging(this);
    if (dock)
        ++dock->m_layoutLock;
    m_changingDock = true;
    const bool hide = Visible() && changes && Parent();
    if (hide)
        Widget()->hide();
    if (dock) {
        SetParent(dock);
    } else {
        if (m_floatingRect.Width() <= 0) {
            TRect r { 0, 0, Width() + FloatingFrame().Width(), Height() + FloatingFrame().Height() };
            m_floatingRect = r;
        }
        SetParent(m_floatParent);
        ++m_boundsGuard;
        SetBounds(m_parked ? -m_floatingRect.Width() : m_floatingRect.Left, m_floatingRect.Top, m_floatingRect.Width(), m_floatingRect.Height());
        m_parkedLeft = m_floatingRect.Left;
        --m_boundsGuard;
    }
    m_changingDock = false;
    if (dock)
        --dock->m_layoutLock;
    LayoutControls();
    if (Floating()) {
        m_floatingRect = { m_parked ? m_parkedLeft : Left(), Top(), (m_parked ? m_parkedLeft : Left()) + Width(), Top() + Height() };
        applyParentFlags();
    }
    if (dock)
        dock->LayoutBars();
    if (hide && !Floating())
        Widget()->show();
    if (changes && OnDockChanged && Parent())
        OnDockChanged(this);
}

// --- Parking and the screen ----------------------------------------------

void TToolbar97::SetParked(bool on)
{
    if (!Floating() || on == m_parked)
        return;
    m_parked = on;
    ++m_boundsGuard;
    if (on) {
        m_parkedLeft = Left();
        SetBounds(-Width(), Top(), Width(), Height());
    } else {
        SetBounds(m_parkedLeft, Top(), Width(), Height());
    }
    --m_boundsGuard;
}

void TToolbar97::ShowFloatingBars(TForm* form, bool applicationActive)
{
    // Minimised by the program or by the window manager.
    auto minimised = [](const TForm* f) { return f && (f->WindowState() == wsMinimized || f->Widget()->isMinimized()); };
    const bool show = applicationActive && form->Visible() && !minimised(form) && !(Application && minimised(Application->MainForm()));
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (auto* bar = dynamic_cast<TToolbar97*>(form->Components(i)); bar && bar->Floating())
            bar->SetParked(!show);
}

void TToolbar97::KeepOnScreen(bool onlyIfFullyOff)
{
    if (!Floating() || m_parked)
        return;
    TRect area = WorkArea ? WorkArea() : screenWorkArea();
    TRect r = ::KeepOnScreen({ Left(), Top(), Left() + Width(), Top() + Height() }, area, onlyIfFullyOff);
    SetBounds(r.Left, r.Top, r.Width(), r.Height());
    m_floatingRect = r;
}

// --- The mouse -----------------------------------------------------------

std::vector<TDock97*> TToolbar97::formDocks() const
{
    std::vector<TDock97*> docks;
    for (int i = 0; i < m_form->ComponentCount(); ++i)
        if (auto* dock = dynamic_cast<TDock97*>(m_form->Components(i)))
            docks.push_back(dock);
    return docks;
}

void TToolbar97::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    if (m_track != Track::None) {  // a second press cancels
        if (m_track == Track::Move)
            endMove(false);
        else if (m_track == Track::Size)
            endSize(false);
        return;
    }
    TDock97* dock = DockedTo();
    if (!dock) {
        const TFloatingFrame& f = FloatingFrame();
        if (m_closeButton && InRect(closeButtonRect(), { x, y })) {
            m_track = Track::Close;
            m_closePressed = true;
            Invalidate();
            return;
        }
        int hit = x < f.Frame ? HTLEFT : x >= Width() - f.Frame ? HTRIGHT : y >= Height() - f.Frame ? HTBOTTOM : y < f.Frame ? HTTOP : HTCLIENT;
        if (hit != HTCLIENT) {
            beginSize(hit);
            return;
        }
    } else if (!dock->AllowDrag()) {
        return;
    }
    if (shift & ssDouble) {
        if (dock) {
            SetDockedTo(nullptr);
            SetParked(false);
        } else if (DefaultDock) {
            m_dockRow = 0;
            m_dockPos = -8;
            SetDockedTo(DefaultDock);
        }
        return;
    }
    beginMove(x, y);
}

void TToolbar97::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    switch (m_track) {
    case Track::Move:
        moveStep(shift & ssCtrl);
        break;
    case Track::Size:
        sizeStep();
        break;
    case Track::Close: {
        bool over = InRect(closeButtonRect(), { x, y });
        if (over != m_closePressed) {
            m_closePressed = over;
            Invalidate();
        }
        break;
    }
    case Track::None:
        break;
    }
}

void TToolbar97::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    if (button != mbLeft)
        return;
    switch (m_track) {
    case Track::Move:
        moveStep(shift & ssCtrl);
        endMove(true);
        break;
    case Track::Size:
        sizeStep();
        endSize(true);
        break;
    case Track::Close: {
        m_track = Track::None;
        const bool over = InRect(closeButtonRect(), { x, y });
        m_closePressed = false;
        Invalidate();
        if (over) {
            Hide();
            if (OnClose)
                OnClose(this);
        }
        break;
    }
    case Track::None:
        break;
    }
}

void TToolbar97::beginMove(int x, int y)
{
    m_track = Track::Move;
    m_dragDocks = formDocks();
    TBarLayout floating = LayoutBarItems(Items(), TDockType::Floating, true, m_wrapWidth);
    m_drag = TMoveDrag {};
    m_drag.Grab = { x, y };
    m_drag.OldWidth = Width();
    m_drag.OldHeight = Height();
    m_drag.FloatingWidth = floating.ClientWidth + FloatingFrame().Width();
    m_drag.FloatingHeight = floating.ClientHeight + FloatingFrame().Height();
    m_drag.WorkArea = WorkArea ? WorkArea() : screenWorkArea();
    m_drag.Inset = FloatingFrame().Frame + 4;
    m_drag.CanDockLeftRight = CanDockLeftRight;
    m_step = {};
}

void TToolbar97::moveStep(bool ctrl)
{
    std::vector<TDockTarget> targets;
    for (TDock97* dock : m_dragDocks) {
        TDockTarget t;
        TPoint origin = dock->ClientToScreen({ 0, 0 });
        t.Screen = { origin.X, origin.Y, origin.X + dock->Width(), origin.Y + dock->Height() };
        if (dock->Bars().empty()) {
            if (dock->Vertical())
                ++t.Screen.Right;
            else
                ++t.Screen.Bottom;
        }
        t.Position = dock->Position();
        t.AllowDrag = dock->AllowDrag();
        if (dock == DockedTo()) {
            t.Width = Width(), t.Height = Height();
        } else {
            TBarLayout l = LayoutBarItems(Items(), DockTypeOf(dock->Position()), dock->AllowDrag(), 0);
            t.Width = l.ClientWidth, t.Height = l.ClientHeight;
        }
        targets.push_back(t);
    }
    m_step = TrackMoveStep(targets, m_drag, GetCursorPos(), ctrl);
    showOutline(m_step.Rect, m_step.Target >= 0 ? 1 : FloatingFrame().Frame);
}

void TToolbar97::endMove(bool apply)
{
    m_track = Track::None;
    hideOutline();
    if (!apply)
        return;
    if (m_step.Target >= 0) {
        TDock97* dock = m_dragDocks[std::size_t(m_step.Target)];
        TPoint origin = dock->ClientToScreen({ 0, 0 });
        const TRect& r = m_step.Rect;
        const bool vertical = dock->Vertical();
        std::vector<int> thickness;
        for (const TDockRowSize& row : dock->RowSizes())
            thickness.push_back(vertical ? row.DockedWidth : row.DockedHeight);
        const int across = vertical ? (r.Left + r.Right) / 2 - origin.X : (r.Top + r.Bottom) / 2 - origin.Y;
        TDropRow drop = DropRow(dock->Bars().empty() ? std::vector<int>() : thickness, across);
        if (drop.NewRow)
            for (TToolbar97* bar : dock->Bars())
                if (bar != this && bar->m_dockRow >= drop.Row)
                    ++bar->m_dockRow;
        m_dockRow = drop.Row;
        m_dockPos = vertical ? r.Top - origin.Y : r.Left - origin.X;
        SetDockedTo(dock);
        dock->LayoutBars();
    } else {
        m_floatingRect = m_step.Rect;
        m_parked = false;
        if (Floating()) {
            SetBounds(m_floatingRect.Left, m_floatingRect.Top, m_floatingRect.Width(), m_floatingRect.Height());
            LayoutControls();
        } else {
            SetDockedTo(nullptr);
        }
    }
    KeepOnScreen(true);
}

void TToolbar97::beginSize(int hit)
{
    m_track = Track::Size;
    m_sizeHit = hit;
    const bool byHeight = hit == HTTOP || hit == HTBOTTOM;
    m_sizeStart = { Left(), Top(), Left() + Width(), Top() + Height() };
    m_sizeRect = m_sizeStart;
    m_sizer = std::make_unique<TSizeTracker>(SizeCandidates(Items(), FloatingFrame(), byHeight), byHeight, byHeight ? Height() : Width());
    m_sizeCandidate = { Width(), Height(), m_wrapWidth };
}

void TToolbar97::sizeStep()
{
    const TPoint cursor = GetCursorPos();
    const TRect& s = m_sizeStart;
    int d = 0;
    switch (m_sizeHit) {
    case HTLEFT:
        d = s.Right - cursor.X;
        break;
    case HTRIGHT:
        d = cursor.X - s.Left;
        break;
    case HTTOP:
        d = s.Bottom - cursor.Y;
        break;
    default:
        d = cursor.Y - s.Top;
        break;
    }
    m_sizeCandidate = m_sizer->Step(d);
    const TSizeCandidate& c = m_sizeCandidate;
    // The opposite edge stays.
    TRect r { s.Left, s.Top, s.Left + c.Width, s.Top + c.Height };
    if (m_sizeHit == HTLEFT)
        r = { s.Right - c.Width, s.Top, s.Right, s.Top + c.Height };
    if (m_sizeHit == HTTOP)
        r = { s.Left, s.Bottom - c.Height, s.Left + c.Width, s.Bottom };
    m_sizeRect = r;
    showOutline(r, FloatingFrame().Frame);
}

void TToolbar97::endSize(bool apply)
{
    m_track = Track::None;
    hideOutline();
    if (!apply)
        return;
    m_wrapWidth = m_sizeCandidate.WrapWidth;
    m_floatingRect = m_sizeRect;
    SetBounds(m_sizeRect.Left, m_sizeRect.Top, m_sizeRect.Width(), m_sizeRect.Height());
    LayoutControls();
    KeepOnScreen(true);
}

// The drag outline: a thin frameless window, as compositing desktops draw
// nothing on the screen itself.
void TToolbar97::showOutline(const TRect& r, int thickness)
{
    if (!m_outline) {
        m_outline = new QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        m_outline->setAttribute(Qt::WA_TransparentForMouseEvents);
        QPalette p = m_outline->palette();
        p.setColor(QPalette::Window, QColor(64, 64, 64));
        m_outline->setPalette(p);
        m_outline->setAutoFillBackground(true);
    }
    m_outline->setGeometry(r.Left, r.Top, std::max(1, r.Width()), std::max(1, r.Height()));
    QRegion outer(0, 0, r.Width(), r.Height());
    QRegion inner(thickness, thickness, std::max(0, r.Width() - 2 * thickness), std::max(0, r.Height() - 2 * thickness));
    m_outline->setMask(outer.subtracted(inner));
    m_outline->show();
}

void TToolbar97::hideOutline()
{
    if (m_outline)
        m_outline->hide();
}
