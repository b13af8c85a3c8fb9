#include "platform/Form.h"

#include "platform/Application.h"
#include "platform/Exception.h"
#include "platform/Graphics.h"
#include "platform/Menus.h"
#include "platform/Messages.h"
#include "platform/TextCodec.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QScreen>
#include <QWidget>

std::function<void(TForm*)> TForm::ModalResponder;

namespace {

// The window of the program that was activated last (nullptr once it is
// gone, or once the program has been left for another one), and whether
// any window has been activated yet.
TForm* g_lastActive = nullptr;
bool g_anyActivated = false;
// The window active last was freed while the program stayed active: the
// next window to be activated takes over from it.
bool g_lastActiveFreed = false;
// When the program last lost activation altogether. A moment without an
// active window while one of our windows hands over to another (a dialog
// closing) is not a visit to another program.
std::uint64_t g_inactiveSince = 0;
constexpr std::uint64_t kHandOverMs = 500;

void watchApplicationState()
{
    static bool watching = false;
    if (watching || !qApp)
        return;
    watching = true;
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, qApp, [](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive) {
            if (g_inactiveSince && GetTickCount64() - g_inactiveSince > kHandOverMs) {
                g_lastActive = nullptr;
                g_lastActiveFreed = false;
            }
            g_inactiveSince = 0;
        } else if (!g_inactiveSince) {
            g_inactiveSince = GetTickCount64();
        }
    });
}

}

TModalHandBack::TModalHandBack()
    : m_before(QApplication::activeWindow())
{
}

TModalHandBack::~TModalHandBack()
{
    QWidget* w = m_before;
    if (!w && Application && Application->MainForm())
        w = Application->MainForm()->Widget();
    if (w && w->isVisible() && !w->isActiveWindow())
        w->activateWindow();
}

TForm::TForm(TComponent* owner)
    : TWinControl(owner)
{
    watchApplicationState();
    auto* w = new QWidget(nullptr, Qt::Window);
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    // Every window starts in the class library's window font, which its
    // controls inherit.
    w->setFont(ToQFont(TFont()));
    SetWidget(w);
    TControl::SetVisible(false);
    SetBounds(0, 0, 400 + 2 * kFrame, 300 + 2 * kFrame + kCaption);
}

TForm::~TForm()
{
    if (g_lastActive == this) {
        g_lastActive = nullptr;
        g_lastActiveFreed = true;
    }
    if (Application)
        Application->FormDestroyed(this);
}

void TForm::BeforeDestruction()
{
    if (m_destroyFired || !OnDestroy)
        return;
    m_destroyFired = true;
    try {
        OnDestroy(this);
    } catch (...) {
        if (Application)
            Application->HandleException(this);
    }
}

void TForm::AfterConstruction()
{
    if (!OnCreate)
        return;
    try {
        OnCreate(this);
    } catch (...) {
        Application->HandleException(this);
    }
}

void TForm::SetCaption(const std::string& text)
{
    TControl::SetCaption(text);
    Widget()->setWindowTitle(BytesToQString(text));
}

namespace {

// What the platform's frame adds to the client area.
int frameWidth(TFormBorderStyle border) { return 2 * (border == bsDialog ? TForm::kDialogFrame : TForm::kFrame); }
int frameHeight(TFormBorderStyle border)
{
    return border == bsDialog ? 2 * TForm::kDialogFrame + TForm::kDialogCaption : 2 * TForm::kFrame + TForm::kCaption;
}

}

int TForm::Left() const { return Widget()->geometry().x(); }

int TForm::Top() const { return Widget()->geometry().y(); }

int TForm::Width() const { return Widget()->width() + (m_client ? 0 : frameWidth(BorderStyle)); }

int TForm::Height() const { return Widget()->height() + (m_client ? 0 : frameHeight(BorderStyle)); }

void TForm::SetBounds(int left, int top, int width, int height)
{
    if (m_client)
        Widget()->setGeometry(left, top, std::max(1, width), std::max(1, height));
    else
        Widget()->setGeometry(left, top, std::max(1, width - frameWidth(BorderStyle)), std::max(1, height - frameHeight(BorderStyle)));
    TControl::SetBounds(left, top, width, height);
}

QWidget* TForm::ClientWidget() const { return m_client ? m_client : Widget(); }

TRect TForm::ClientRectInWindow() const
{
    if (!m_client)
        return { 0, 0, Widget()->width(), Widget()->height() };
    QRect r = m_client->geometry();
    return { r.left(), r.top(), r.right() + 1, r.bottom() + 1 };
}

void TForm::SetOwnFrame(TNonClientHandler handler)
{
    QWidget* w = Widget();
    const bool on = bool(handler);
    m_nonClient = std::move(handler);
    if (on == bool(m_client))
        return;
    const bool shown = w->isVisible();
    // The window stays where it is; the frame comes out of, or goes back
    // into, its size.
    QRect outer = on ? w->geometry().adjusted(0, 0, 2 * kFrame, 2 * kFrame + kCaption)
                     : w->geometry().adjusted(0, 0, -2 * kFrame, -2 * kFrame - kCaption);
    QWidget* from = ClientWidget();
    if (on) {
        m_client = new QWidget(w);
        m_client->show();
    }
    QWidget* to = on ? m_client : w;
    for (int i = 0; i < ControlCount(); ++i)
        if (QWidget* child = Controls(i)->Widget(); child && child->parentWidget() == from) {
            child->setParent(to);
            child->setVisible(Controls(i)->Visible());
        }
    if (!on) {
        delete m_client;
        m_client = nullptr;
    }
    w->setWindowFlag(Qt::FramelessWindowHint, on);
    w->setGeometry(outer);
    if (m_client)
        m_client->setGeometry(kFrame, kFrame + kCaption, std::max(1, outer.width() - 2 * kFrame), std::max(1, outer.height() - 2 * kFrame - kCaption));
    if (shown)
        w->show();
    Realign();
}

void TForm::SetClientSize(int width, int height) { SetBounds(Left(), Top(), width + frameWidth(BorderStyle), height + frameHeight(BorderStyle)); }

void TForm::SetWindowState(TWindowState state)
{
    m_windowState = state;
    if (Visible())
        applyWindowState();
}

void TForm::applyWindowState()
{
    switch (m_windowState) {
    case wsMaximized:
        // Without a window manager to honour the request the window still
        // takes the screen's free area, and gets its own size back later.
        if (!Widget()->isMaximized())
            m_normalGeometry = Widget()->geometry();
        if (QScreen* screen = QGuiApplication::primaryScreen())
            Widget()->setGeometry(screen->availableGeometry());
        Widget()->showMaximized();
        break;
    case wsMinimized:
        Widget()->showMinimized();
        break;
    case wsNormal: {
        const bool wasMaximized = Widget()->isMaximized();
        Widget()->showNormal();
        if (wasMaximized && m_normalGeometry.isValid())
            Widget()->setGeometry(m_normalGeometry);
        break;
    }
    }
}

void TForm::SetVisible(bool on)
{
    if (on == Visible())
        return;
    TControl::SetVisible(on);
    QWidget* w = Widget();
    if (on) {
        if (OnShow) {
            try {
                OnShow(this);
            } catch (...) {
                Application->HandleException(this);
            }
        }
        if (Position == poScreenCenter && !m_shownOnce) {
            if (QScreen* screen = QGuiApplication::primaryScreen()) {
                QRect area = screen->availableGeometry();
                w->move(area.center() - QPoint(w->width() / 2, w->height() / 2));
            }
        }
        m_shownOnce = true;
        if ((BorderStyle == bsToolWindow || BorderStyle == bsSizeToolWin) && w->windowType() != Qt::Tool)
            w->setWindowFlag(Qt::Tool, true);
        m_inShow = true;
        applyWindowState();
        m_inShow = false;
        if (m_resizedInShow) {
            m_resizedInShow = false;
            PostCall([this, alive = AliveGuard()] {
                if (alive && OnResize)
                    OnResize(this);
            });
        }
        // The headless platform cannot raise a window; it can activate one.
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            w->raise();
        w->activateWindow();
        if (m_activeControl && m_activeControl->CanFocus())
            m_activeControl->SetFocus();
    } else {
        w->hide();
        if (OnHide)
            OnHide(this);
    }
}

bool TForm::Active() const { return Widget()->isActiveWindow(); }

TWinControl* TForm::ActiveControl() const
{
    if (QWidget* focus = QApplication::focusWidget())
        if (focus->window() == Widget())
            return dynamic_cast<TWinControl*>(TControl::FromWidget(focus));
    return m_activeControl;
}

void TForm::SetActiveControl(TWinControl* control)
{
    m_activeControl = control;
    if (control && Visible() && control->CanFocus())
        control->SetFocus();
}

bool TForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TForm::Close()
{
    if (m_inModal) {
        SetModalResult(mrCancel);
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = caHide;
    if (OnClose)
        OnClose(this, action);
    if (action == caNone)
        return;
    if (Application && Application->MainForm() == this)
        Application->Terminate();
    else
        Hide();
}

void TForm::SetModalResult(TModalResult result)
{
    m_modalResult = result;
    if (m_loop && result != mrNone)
        m_loop->quit();
}

int TForm::ShowModal()
{
    if (m_inModal || Visible())
        throw EInvalidOperation("Cannot make a visible window modal");
    // A program that is ending shows no more modal windows.
    if (Application && Application->Terminated())
        return mrCancel;
    TModalHandBack handBack;
    m_inModal = true;
    m_modalResult = mrNone;
    Widget()->setWindowModality(Qt::ApplicationModal);
    Show();
    QEventLoop loop;
    m_loop = &loop;
    if (ModalResponder)
        PostCall([this] {
            if (m_inModal && ModalResponder)
                ModalResponder(this);
        });
    for (;;) {
        if (m_modalResult == mrNone) {
            loop.exec();
            // Only a modal result or a quit request ends the loop; after a
            // quit request every loop returns at once, so waiting on would spin.
            if (m_modalResult == mrNone) {
                m_modalResult = mrCancel;
                break;
            }
        }
        if (Application && Application->Terminated()) {
            if (m_modalResult == mrNone)
                m_modalResult = mrCancel;
            break;
        }
        if (m_modalResult == mrNone)
            continue;
        if (!CloseQuery()) {
            m_modalResult = mrNone;
            continue;
        }
        TCloseAction action = caHide;
        if (OnClose)
            OnClose(this, action);
        if (action == caNone) {
            m_modalResult = mrNone;
            continue;
        }
        break;
    }
    m_loop = nullptr;
    Hide();
    Widget()->setWindowModality(Qt::NonModal);
    m_inModal = false;
    return m_modalResult;
}

static TMenuItem* findInPopup(TControl* c, TShortCut sc)
{
    for (; c; c = c->Parent())
        if (TPopupMenu* menu = c->PopupMenu())
            if (TMenuItem* item = menu->Items()->FindShortCut(sc))
                return item;
    return nullptr;
}

TMenuItem* TForm::FindShortCut(TControl* focused, TShortCut sc) const
{
    if (!(sc & (scCtrl | scAlt)) && !((sc & 0xFF) >= VK_F1 && (sc & 0xFF) < VK_F1 + 24))
        return nullptr;
    if (TMenuItem* item = findInPopup(focused, sc))
        return item;
    return Menu ? Menu->Items()->FindShortCut(sc) : nullptr;
}

bool TForm::IsShortCut(TControl* focused, TShortCut sc)
{
    TMenuItem* item = FindShortCut(focused, sc);
    if (!item)
        return false;
    item->Click();
    return true;
}

static bool pressDialogButton(TWinControl* parent, std::uint16_t key)
{
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (!c->Visible() || !c->Enabled())
            continue;
        if (c->HandlesDialogKey(key)) {
            c->Click();
            return true;
        }
        if (auto* w = dynamic_cast<TWinControl*>(c))
            if (pressDialogButton(w, key))
                return true;
    }
    return false;
}

bool TForm::DialogKey(std::uint16_t key) { return pressDialogButton(this, key); }

void TForm::activated()
{
    // Qt activates the new window before it deactivates the old one, so the
    // hand-over is judged by which window of ours was active last.
    bool fromOwnWindow = !g_anyActivated || g_lastActiveFreed || (g_lastActive && g_lastActive != this);
    g_anyActivated = true;
    g_lastActiveFreed = false;
    g_lastActive = this;
    if (fromOwnWindow && OnActivate)
        OnActivate(this);
}

bool TForm::WidgetEvent(QEvent* e)
{
    if (m_client && e->type() == QEvent::Resize) {
        QWidget* w = Widget();
        m_client->setGeometry(kFrame, kFrame + kCaption, std::max(1, w->width() - 2 * kFrame), std::max(1, w->height() - 2 * kFrame - kCaption));
    }
    if (m_nonClient && m_nonClient(e))
        return true;
    switch (e->type()) {
    case QEvent::Close:
        // The close box: the window decides through Close.
        e->ignore();
        Close();
        return true;
    case QEvent::WindowActivate:
        activated();
        return false;
    case QEvent::Resize:
        if (m_inShow) {
            Realign();
            m_resizedInShow = true;
            return false;
        }
        return TWinControl::WidgetEvent(e);
    case QEvent::WindowDeactivate:
        if (OnDeactivate)
            OnDeactivate(this);
        return false;
    default:
        return TWinControl::WidgetEvent(e);
    }
}
