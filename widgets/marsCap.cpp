#include "widgets/marsCap.h"

#include "platform/CustomControl.h"
#include "platform/Exception.h"
#include "platform/Form.h"
#include "platform/Menus.h"
#include "platform/Messages.h"
#include "platform/Mouse.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWhatsThis>
#include <QWidget>
#include <QWindow>

#include <algorithm>

// The left clicks while the window menu is open. A press on the icon that
// closes the menu is the second click of a double click there, and the
// closing menu keeps its release from every widget: the release is taken
// here, as the window system hands it over, and given to the caption.
class TMarsCaption::TMenuClickWatch final : public QObject {
public:
    explicit TMenuClickWatch(TMarsCaption& caption)
        : m_caption(caption)
    {
    }
    ~TMenuClickWatch() override { disarm(); }

    // `icon` (screen) is where a press makes its release the caption's.
    void MenuOpens(const QRect& icon)
    {
        m_icon = icon;
        m_doubleClick = m_iconPressed = false;
        m_menuOpen = true;
        qApp->installEventFilter(this);
    }
    // True when a double click came while the menu was open.
    bool MenuClosed()
    {
        m_menuOpen = false;
        // The menu's window may go before the release reaches it, and the
        // release with it: the press stands for the click, and a release
        // that still comes is eaten.
        if (m_iconPressed)
            releaseToCaption(m_lastPress);
        else
            disarm();
        return m_doubleClick;
    }

    bool eventFilter(QObject* receiver, QEvent* e) override
    {
        const QEvent::Type type = e->type();
        if (!qobject_cast<QWindow*>(receiver)
            || (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseButtonRelease))
            return false;
        auto* me = static_cast<QMouseEvent*>(e);
        const QPoint at = me->globalPosition().toPoint();
        if (me->button() != Qt::LeftButton)
            return false;
        if (type != QEvent::MouseButtonRelease) {
            if (m_menuOpen) {
                m_doubleClick = m_doubleClick || type == QEvent::MouseButtonDblClick;
                m_iconPressed = m_icon.contains(at);
                m_lastPress = at;
                return false;
            }
            // The closing press handed on to the window is already counted.
            if (m_eatRelease && m_icon.contains(at))
                return true;
            disarm();
            return false;
        }
        if (m_eatRelease) {
            disarm();
            return true;
        }
        if (!m_iconPressed)
            return false;
        releaseToCaption(at);
        return true;
    }

private:
    void disarm()
    {
        m_iconPressed = m_eatRelease = false;
        if (qApp)
            qApp->removeEventFilter(this);
    }
    void releaseToCaption(QPoint at)
    {
        m_iconPressed = false;
        m_eatRelease = !m_menuOpen;
        // Run once the event is through: closing may free the window.
        const QPoint local = m_caption.m_form->Widget()->mapFromGlobal(at);
        PostCall([&caption = m_caption, alive = m_caption.AliveGuard(), local] {
            if (alive)
                caption.NonClientMouse(WM_NCLBUTTONUP, HTCAPTION, { local.x(), local.y() });
        });
    }

    TMarsCaption& m_caption;
    QRect m_icon;
    QPoint m_lastPress;
    bool m_menuOpen = false, m_iconPressed = false, m_eatRelease = false, m_doubleClick = false;
};

// --- System buttons --------------------------------------------------------

TMarsCaptionSystemButton::TMarsCaptionSystemButton(TMarsCaption& caption, TCaptionButtonKind kind)
    : m_caption(caption)
    , m_kind(kind)
{
}

void TMarsCaptionSystemButton::MouseMessage(UINT msg, TPoint client)
{
    const TCaptionLayout& l = m_caption.Layout();
    const TCaptionButtonPlace& place = l.Buttons[m_kind];
    const bool hot = InRect(HotRect(l, m_kind), { place.X + client.X, place.Y + client.Y });
    bool repaint = false, click = false;
    if (msg == WM_LBUTTONDOWN)
        repaint = m_track.Down(place.Enabled);
    else if (msg == WM_MOUSEMOVE)
        repaint = m_track.Move(hot);
    else if (msg == WM_LBUTTONUP) {
        repaint = m_track.Tracking;
        click = m_track.Up(hot);
    }
    if (repaint && m_caption.Form())
        m_caption.Form()->Widget()->update();
    if (click)
        PerformCommand();
}

void TMarsCaptionSystemButton::PerformCommand() { m_caption.SystemCommand(CaptionButtonCommand(m_kind, m_caption.WindowState())); }

// --- The caption bar -------------------------------------------------------

TMarsCaption::TMarsCaption(TComponent* owner)
    : TComponent(owner)
{
    m_form = dynamic_cast<TForm*>(owner);
    if (!m_form)
        throw Exception("The MarsCaption's owner must be a Form!");
    for (TCaptionButtonKind kind : { cbClose, cbMinimize, cbMaximize, cbHelp })
        m_buttons[kind] = std::make_unique<TMarsCaptionSystemButton>(*this, kind);
    m_applicationNameFont.Style = fsBold;
    m_menuClicks = std::make_unique<TMenuClickWatch>(*this);
    m_mouse.DoubleClickTime = unsigned(QApplication::doubleClickInterval());
    m_form->SetOwnFrame([this](QEvent* e) { return nonClientEvent(e); });
    m_form->Widget()->setMouseTracking(true);
    refreshFrame();
}

TMarsCaption::~TMarsCaption()
{
    // Freed with its form, the window goes too; freed alone, the form gets
    // the platform's frame back.
    if (Owner() && !Owner()->Destroying())
        m_form->SetOwnFrame(nullptr);
}

void TMarsCaption::setColor(int index, TColor c)
{
    if (Change(m_colors[index], c))
        refreshFrame();
}

void TMarsCaption::SetApplicationName(const std::string& name)
{
    if (Change(m_applicationName, name))
        refreshFrame();
}

void TMarsCaption::SetApplicationNameFont(const TFont& f)
{
    m_applicationNameFont = f;
    refreshFrame();
}

void TMarsCaption::SetCaptionFont(const TFont& f)
{
    m_captionFont = f;
    refreshFrame();
}

void TMarsCaption::SetAutoSize(bool on)
{
    if (Change(m_autoSize, on))
        refreshFrame();
}

void TMarsCaption::SetNumColors(int n)
{
    if (Change(m_numColors, n))
        refreshFrame();
}

void TMarsCaption::refreshFrame() { m_form->Widget()->update(); }

TWindowState TMarsCaption::WindowState() const
{
    QWidget* w = m_form->Widget();
    if (!w->isVisible())
        return m_form->WindowState();
    if (w->isMinimized())
        return wsMinimized;
    return w->isMaximized() ? wsMaximized : wsNormal;
}

bool TMarsCaption::IsActive() const { return m_form->Widget()->isActiveWindow(); }

const TCaptionLayout& TMarsCaption::Layout()
{
    LayoutCaption(m_layout, { m_form->BorderStyle, m_formIcons, WindowState(), m_form->Widget()->width() });
    return m_layout;
}

TCaptionState TMarsCaption::captionState()
{
    Layout();
    return { WindowState(), false, m_layout.Buttons[cbMaximize].Enabled };
}

// --- The mouse -------------------------------------------------------------

int TMarsCaption::HitTest(TPoint p)
{
    const TRect client = m_form->ClientRectInWindow();
    if (InRect(client, p))
        return HTCLIENT;
    Layout();
    if (InRect(m_layout.Caption, p))
        return HTCAPTION;
    const TFormBorderStyle style = m_form->BorderStyle;
    if ((style != bsSizeable && style != bsSizeToolWin) || WindowState() != wsNormal)
        return HTNOWHERE;
    QWidget* w = m_form->Widget();
    const int corner = 16;
    const bool left = p.X < client.Left, right = p.X >= client.Right;
    const bool top = p.Y < m_layout.FrameY, bottom = p.Y >= client.Bottom;
    const bool nearLeft = p.X < corner, nearRight = p.X >= w->width() - corner;
    const bool nearTop = p.Y < corner, nearBottom = p.Y >= w->height() - corner;
    if ((top && nearLeft) || (left && nearTop))
        return HTTOPLEFT;
    if ((top && nearRight) || (right && nearTop))
        return HTTOPRIGHT;
    if ((bottom && nearLeft) || (left && nearBottom))
        return HTBOTTOMLEFT;
    if ((bottom && nearRight) || (right && nearBottom))
        return HTBOTTOMRIGHT;
    if (top)
        return HTTOP;
    if (bottom)
        return HTBOTTOM;
    if (left)
        return HTLEFT;
    if (right)
        return HTRIGHT;
    return HTNOWHERE;
}

namespace {

Qt::Edges edgesOf(int hit)
{
    switch (hit) {
    case HTLEFT:
        return Qt::LeftEdge;
    case HTRIGHT:
        return Qt::RightEdge;
    case HTTOP:
        return Qt::TopEdge;
    case HTBOTTOM:
        return Qt::BottomEdge;
    case HTTOPLEFT:
        return Qt::TopEdge | Qt::LeftEdge;
    case HTTOPRIGHT:
        return Qt::TopEdge | Qt::RightEdge;
    case HTBOTTOMLEFT:
        return Qt::BottomEdge | Qt::LeftEdge;
    case HTBOTTOMRIGHT:
        return Qt::BottomEdge | Qt::RightEdge;
    default:
        return {};
    }
}

Qt::CursorShape cursorOf(int hit)
{
    switch (hit) {
    case HTLEFT:
    case HTRIGHT:
        return Qt::SizeHorCursor;
    case HTTOP:
    case HTBOTTOM:
        return Qt::SizeVerCursor;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        return Qt::SizeFDiagCursor;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        return Qt::SizeBDiagCursor;
    default:
        return Qt::ArrowCursor;
    }
}

TPoint screenOf(QWidget* w, TPoint p)
{
    const QPoint g = w->mapToGlobal(QPoint(p.X, p.Y));
    return { g.x(), g.y() };
}

UINT ncMessage(QEvent::Type type, Qt::MouseButton button)
{
    if (type == QEvent::MouseMove)
        return WM_NCMOUSEMOVE;
    const UINT base = button == Qt::RightButton ? WM_NCRBUTTONDOWN : button == Qt::MiddleButton ? WM_NCMBUTTONDOWN : WM_NCLBUTTONDOWN;
    if (type == QEvent::MouseButtonRelease)
        return base + 1;
    if (type == QEvent::MouseButtonDblClick)
        return base + 2;
    return base;
}

}

void TMarsCaption::NonClientMouse(UINT msg, int hitTest, TPoint p)
{
    TCaptionStep step = m_mouse.NonClient(msg, hitTest, p, Layout(), captionState());
    QWidget* w = m_form->Widget();
    if (step.BringToFront) {
        // The headless platform cannot raise a window; it can activate one.
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            w->raise();
        w->activateWindow();
    }
    switch (step.Do) {
    case TCaptionDo::PassOn:
        // The desktop is asked to move only once the pointer has gone a
        // few pixels: asked at the press, it would take the double click.
        if (msg == WM_NCLBUTTONDOWN && hitTest == HTCAPTION)
            beginDrag(TCaptionDragKind::Pending, {}, false, screenOf(w, p));
        else if (msg == WM_NCLBUTTONDOWN && edgesOf(hitTest))
            beginSize(edgesOf(hitTest), false, screenOf(w, p));
        break;
    case TCaptionDo::ToButton:
        m_buttons[step.Button]->MouseMessage(step.ButtonMessage, step.ButtonPoint);
        if (m_buttons[step.Button]->Tracking())
            m_trackingButton = step.Button;
        break;
    case TCaptionDo::IconMenu: {
        QPoint origin = w->mapToGlobal(QPoint(m_layout.FrameX, m_layout.FrameY + m_layout.CaptionHeight));
        const QRect icon(w->mapToGlobal(QPoint(m_layout.Icon.Left, m_layout.Icon.Top)), QSize(m_layout.Icon.Width(), m_layout.Icon.Height()));
        openSystemMenu({ origin.x(), origin.y() }, icon);
        break;
    }
    case TCaptionDo::CursorMenu:
        openSystemMenu(GetCursorPos());
        break;
    case TCaptionDo::MinimizedMenu:
        openMinimizedMenu();
        break;
    case TCaptionDo::Command:
        SystemCommand(step.Command);
        break;
    case TCaptionDo::PassOnNowhere:
    case TCaptionDo::Handled:
        if (step.CaptureMouse)
            beginDrag(TCaptionDragKind::Minimized, {}, false, screenOf(w, p));
        break;
    }
}

bool TMarsCaption::nonClientEvent(QEvent* e)
{
    QWidget* w = m_form->Widget();
    switch (e->type()) {
    case QEvent::Paint:
        paintNonClient();
        return false;
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::WindowStateChange:
    case QEvent::WindowTitleChange:
        w->update();
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        break;
    default:
        return false;
    }
    auto* me = static_cast<QMouseEvent*>(e);
    const TPoint p { int(me->position().x()), int(me->position().y()) };
    if (m_drag.Kind != TCaptionDragKind::None && followDrag(me))
        return true;
    if (m_trackingButton >= 0) {
        // The pressed button has the mouse until the release.
        TMarsCaptionSystemButton& b = *m_buttons[m_trackingButton];
        const TCaptionButtonPlace& place = Layout().Buttons[m_trackingButton];
        const UINT msg = e->type() == QEvent::MouseMove ? WM_MOUSEMOVE : e->type() == QEvent::MouseButtonRelease ? WM_LBUTTONUP : 0;
        if (msg == WM_LBUTTONUP)
            m_trackingButton = -1;
        if (msg)
            b.MouseMessage(msg, { p.X - place.X, p.Y - place.Y });
        return true;
    }
    const int hit = HitTest(p);
    if (hit == HTCLIENT)
        return false;
    if (e->type() == QEvent::MouseMove && me->buttons() == Qt::NoButton) {
        w->setCursor(cursorOf(hit));
        return true;
    }
    if (e->type() == QEvent::MouseButtonRelease && me->button() == Qt::RightButton && hit != HTCAPTION)
        m_mouse.ClientRightUp();
    NonClientMouse(ncMessage(e->type(), me->button()), hit, p);
    return true;
}

// --- The window menu -------------------------------------------------------

namespace {

const struct {
    const char* caption;
    UINT command;
} kSystemMenu[] = {
    { "&Restore", SC_RESTORE }, { "&Move", SC_MOVE }, { "&Size", SC_SIZE }, { "Mi&nimize", SC_MINIMIZE },
    { "Ma&ximize", SC_MAXIMIZE }, { "-", 0 }, { "&Close", SC_CLOSE },
};

}

TPopupMenu* TMarsCaption::SystemMenu()
{
    if (!m_systemMenu) {
        m_systemMenu = new TPopupMenu(this);
        for (const auto& item : kSystemMenu)
            NewItem(this, m_systemMenu->Items(), "", item.caption, 0,
                item.command ? TNotifyEvent([this, c = item.command](TObject*) { SystemCommand(c); }) : TNotifyEvent());
    }
    Layout();
    const TSystemMenuState s = SystemMenuState(WindowState(), false, m_layout.Icons, m_layout.Buttons[cbMaximize].Enabled,
        m_layout.Buttons[cbMinimize].Enabled);
    const bool enabled[] = { s.Restore, s.Move, s.Size, s.Minimize, s.Maximize, true, true };
    for (int i = 0; i < m_systemMenu->Items()->Count(); ++i) {
        m_systemMenu->Items()->Items(i)->Enabled = enabled[i];
        m_systemMenu->Items()->Items(i)->Default = kSystemMenu[i].command == s.Default;
    }
    return m_systemMenu;
}

bool TMarsCaption::openSystemMenu(TPoint screen, const QRect& icon)
{
    TPopupMenu* menu = SystemMenu();
    m_menuClicks->MenuOpens(icon);
    TMenuItem* chosen = menu->Track(screen.X, screen.Y);
    const bool doubleClick = m_menuClicks->MenuClosed();
    if (chosen)
        chosen->Click();
    return doubleClick;
}

void TMarsCaption::openMinimizedMenu()
{
    Layout();
    const QPoint origin = m_form->Widget()->mapToGlobal(QPoint(0, 2 * m_layout.FrameY + m_layout.CaptionHeight));
    auto alive = AliveGuard();
    if (openSystemMenu({ origin.x(), origin.y() }) && alive)
        SystemCommand(SC_RESTORE);
}

void TMarsCaption::SystemCommand(UINT command)
{
    QWidget* w = m_form->Widget();
    switch (command) {
    case SC_CLOSE:
        m_form->Close();
        return;
    case SC_MINIMIZE:
        m_form->SetWindowState(wsMinimized);
        break;
    case SC_MAXIMIZE:
        m_form->SetWindowState(wsMaximized);
        break;
    case SC_RESTORE:
        m_form->SetWindowState(wsNormal);
        break;
    case SC_MOVE:
        if (!(w->windowHandle() && w->windowHandle()->startSystemMove()))
            beginDrag(TCaptionDragKind::Move, {}, true, GetCursorPos());
        break;
    case SC_SIZE:
        beginSize(Qt::RightEdge | Qt::BottomEdge, true, GetCursorPos());
        break;
    case SC_CONTEXTHELP:
        QWhatsThis::enterWhatsThisMode();
        break;
    default:
        break;
    }
    w->update();
}
