#include "platform/Messages.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QThread>

#include <atomic>
#include <chrono>
#include <map>
#include <memory>
#include <mutex>

namespace {

std::atomic<long> g_pending { 0 };

const QEvent::Type kPostedType = QEvent::Type(QEvent::registerEventType());

class PostedEvent final : public QEvent {
public:
    PostedEvent(HWND target, TMessage message, std::function<void()> call)
        : QEvent(kPostedType)
        , Target(target)
        , Message(message)
        , Call(std::move(call))
    {
        ++g_pending;
    }
    // Counted down here so that dropped messages leave the count too.
    ~PostedEvent() override { --g_pending; }

    HWND Target;
    TMessage Message;
    std::function<void()> Call;
};

struct Receiver {
    TWndMethod Method;
};

std::mutex g_mutex;
std::map<HWND, std::shared_ptr<Receiver>> g_receivers;
HWND g_nextHandle = 0x100;

std::shared_ptr<Receiver> find(HWND h)
{
    std::lock_guard lock(g_mutex);
    auto it = g_receivers.find(h);
    return it == g_receivers.end() ? nullptr : it->second;
}

// One object on the GUI thread takes every posted event; the handle inside
// the event says whom it is for.
class Dispatcher final : public QObject {
public:
    bool event(QEvent* e) override
    {
        if (e->type() != kPostedType)
            return QObject::event(e);
        auto* posted = static_cast<PostedEvent*>(e);
        if (posted->Call) {
            posted->Call();
            return true;
        }
        if (auto receiver = find(posted->Target)) {
            TMessage m = posted->Message;
            receiver->Method(m);
        }
        return true;
    }
};

Dispatcher* dispatcher()
{
    // Made on first use, from the GUI thread (receivers are allocated there).
    static Dispatcher* d = [] {
        auto* obj = new Dispatcher;
        if (auto* app = QCoreApplication::instance())
            obj->moveToThread(app->thread());
        return obj;
    }();
    return d;
}

}

HWND AllocateHWnd(TWndMethod method)
{
    dispatcher();
    std::lock_guard lock(g_mutex);
    HWND h = g_nextHandle++;
    g_receivers[h] = std::make_shared<Receiver>(Receiver { std::move(method) });
    return h;
}

void DeallocateHWnd(HWND h)
{
    std::shared_ptr<Receiver> keep;
    {
        std::lock_guard lock(g_mutex);
        auto it = g_receivers.find(h);
        if (it == g_receivers.end())
            return;
        keep = std::move(it->second);
        g_receivers.erase(it);
    }
    // `keep` may be the receiver whose method runs right now; it is released
    // when that call's own reference goes.
}

bool IsWindow(HWND h) { return h && find(h) != nullptr; }

bool PostMessage(HWND h, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!IsWindow(h))
        return false;
    QCoreApplication::postEvent(dispatcher(), new PostedEvent(h, TMessage { msg, wParam, lParam, 0 }, nullptr));
    return true;
}

LRESULT SendMessage(HWND h, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto receiver = find(h);
    if (!receiver)
        return 0;
    TMessage m { msg, wParam, lParam, 0 };
    receiver->Method(m);
    return m.Result;
}

void PostCall(std::function<void()> call)
{
    QCoreApplication::postEvent(dispatcher(), new PostedEvent(0, TMessage {}, std::move(call)));
}

long PendingMessageCount() { return g_pending.load(); }

void ProcessPostedMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // Messages posted by the handlers themselves are part of this round.
    for (int round = 0; round < 100000 && g_pending.load() > 0; ++round) {
        QCoreApplication::sendPostedEvents(dispatcher(), kPostedType);
        if (g_pending.load() > 0)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

std::uint64_t GetTickCount64()
{
    using namespace std::chrono;
    return std::uint64_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}
