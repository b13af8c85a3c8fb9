#include "platform/AppHooks.h"

#include "platform/Application.h"
#include "platform/Control.h"
#include "platform/ControlMessages.h"
#include "platform/Form.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

#include <map>
#include <memory>

namespace {

template<class F>
struct Registry {
    std::map<int, F> items;
    int next = 1;

    int add(F f)
    {
        items.emplace(next, std::move(f));
        return next++;
    }
};

Registry<TWindowHook>& hooks()
{
    static Registry<TWindowHook> r;
    return r;
}

struct TFormHook {
    const TControl* form;
    TWindowHook hook;
};

Registry<TFormHook>& formHooks()
{
    static Registry<TFormHook> r;
    return r;
}

// The last word of WM_ACTIVATEAPP: -1 none yet, else 0 or 1.
int g_applicationActive = -1;

void callFormHooks(const QWidget* window)
{
    const TControl* form = TControl::FromWidget(window);
    if (!form || form->Destroying())
        return;
    TMessage m { WM_WINDOWPOSCHANGED, 0, 0, 0 };
    auto snapshot = formHooks().items;  // a hook may remove itself
    for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it)
        if (it->second.form == form && it->second.hook(m))
            return;
}

Registry<TMouseFilter>& filters()
{
    static Registry<TMouseFilter> r;
    return r;
}

TMouseFilterStats g_stats;

// Turns what Qt tells the application into the messages hooks and filters see.
class Watcher final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::ApplicationStateChange:
            if (watched == qApp && !hooks().items.empty()) {
                bool active = static_cast<QApplicationStateChangeEvent*>(e)->applicationState() == Qt::ApplicationActive;
                TMessage m { WM_ACTIVATEAPP, WPARAM(active), 0, 0 };
                CallMainWindowHooks(m);
            }
            return false;
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate:
            if (!hooks().items.empty() && Application && Application->MainForm() && watched == Application->MainForm()->Widget()) {
                TMessage m { WM_ACTIVATE, e->type() == QEvent::WindowActivate ? WA_ACTIVE : WA_INACTIVE, 0, 0 };
                CallMainWindowHooks(m);
            }
            return false;
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowStateChange:
            if (!formHooks().items.empty() && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
                callFormHooks(static_cast<QWidget*>(watched));
            return false;
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return !filters().items.empty() && watched->isWidgetType() && mouse(static_cast<QWidget*>(watched), static_cast<QMouseEvent*>(e));
        default:
            return false;
        }
    }

private:
    bool mouse(QWidget* widget, QMouseEvent* e)
    {
        // An event a widget ignores travels on to its parent: filter it once.
        // (Events are often made at one address one after another, so the
        // address alone does not tell.)
        QPointF global = e->globalPosition();
        bool passedOn = e == m_last && e->type() == m_lastType && e->timestamp() == m_lastTime && global == m_lastGlobal
            && m_lastReceiver && widget->isAncestorOf(m_lastReceiver);
        m_last = e;
        m_lastType = e->type();
        m_lastTime = e->timestamp();
        m_lastGlobal = global;
        m_lastReceiver = widget;
        if (passedOn)
            return false;
        Qt::MouseButton b = e->button();
        TMouseButton button = b == Qt::RightButton ? mbRight : b == Qt::MiddleButton ? mbMiddle : mbLeft;
        TMouseAction action = e->type() == QEvent::MouseMove ? TMouseAction::Move
            : e->type() == QEvent::MouseButtonPress         ? TMouseAction::Down
            : e->type() == QEvent::MouseButtonRelease       ? TMouseAction::Up
                                                            : TMouseAction::DoubleClick;
        UINT msg = MouseMessage(action, button);
        QPoint p = e->globalPosition().toPoint();
        TControl* target = TControl::FromWidget(widget);
        auto snapshot = filters().items;  // a filter may remove itself
        for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it)
            if (it->second(msg, { p.x(), p.y() }, target))
                return true;
        return false;
    }

    const QEvent* m_last = nullptr;
    QEvent::Type m_lastType = QEvent::None;
    quint64 m_lastTime = 0;
    QPointF m_lastGlobal;
    QPointer<QWidget> m_lastReceiver;
};

std::unique_ptr<Watcher> g_watcher;
bool g_watchingMouse = false;

void updateWatcher()
{
    bool wanted = !hooks().items.empty() || !filters().items.empty() || !formHooks().items.empty();
    bool mouse = !filters().items.empty();
    if (mouse != g_watchingMouse) {
        g_watchingMouse = mouse;
        ++(mouse ? g_stats.Attached : g_stats.Detached);
    }
    if (wanted && !g_watcher && qApp) {
        g_watcher = std::make_unique<Watcher>();
        qApp->installEventFilter(g_watcher.get());
    } else if (!wanted && g_watcher) {
        if (qApp)
            qApp->removeEventFilter(g_watcher.get());
        g_watcher.reset();
        g_applicationActive = -1;  // nobody heard of changes meanwhile
    }
}

}

namespace {

template<class F>
int install(Registry<F>& registry, F f)
{
    int id = registry.add(std::move(f));
    updateWatcher();
    return id;
}

template<class F>
void uninstall(Registry<F>& registry, int id)
{
    registry.items.erase(id);
    updateWatcher();
}

}

int HookMainWindow(TWindowHook hook) { return install(hooks(), std::move(hook)); }
void UnhookMainWindow(int id) { uninstall(hooks(), id); }
int InstallMouseFilter(TMouseFilter filter) { return install(filters(), std::move(filter)); }
void RemoveMouseFilter(int id) { uninstall(filters(), id); }

int HookFormWindow(TForm* form, TWindowHook hook) { return install(formHooks(), TFormHook { form, std::move(hook) }); }
void UnhookFormWindow(int id) { uninstall(formHooks(), id); }

bool ApplicationActive()
{
    if (g_applicationActive >= 0)
        return g_applicationActive != 0;
    return qApp && QGuiApplication::applicationState() == Qt::ApplicationActive;
}

bool CallMainWindowHooks(TMessage& m)
{
    if (m.Msg == WM_ACTIVATEAPP)
        g_applicationActive = m.WParam != 0;
    auto snapshot = hooks().items;  // a hook may remove itself
    for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it)
        if (it->second(m))
            return true;
    return false;
}

int MouseFilterCount() { return int(filters().items.size()); }

TMouseFilterStats MouseFilterStats() { return g_stats; }
