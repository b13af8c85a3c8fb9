#include "platform/WinSockAsync.h"

#include <QSocketNotifier>

#include <netdb.h>
#include <poll.h>
#include <sys/epoll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace {

// What the notifier knows of one socket. Sockets are used from the GUI
// thread only, like the receivers they notify.
struct Watch {
    std::uint32_t Generation = 0;
    int Type = SOCK_STREAM;
    HWND Window = 0;
    UINT Msg = 0;
    unsigned Events = 0;
    bool Listening = false;
    bool Connecting = false;
    bool Connected = false;
    int ConnectError = 0;
    bool ReadArmed = true;
    bool AcceptArmed = true;
    bool WriteWanted = false;
    bool ClosePosted = false;
    bool LookQueued = false;
};

std::map<SOCKET, Watch> g_watches;
std::uint32_t g_generation = 0;

// One edge-triggered epoll set for every socket, watched from the Qt event
// loop: its edges only say "look again"; what is posted depends on the
// socket's state at that moment, so nothing fires twice for one condition.
int g_epoll = -1;
QSocketNotifier* g_notifier = nullptr;

void look(SOCKET s);

void drainEpoll()
{
    epoll_event events[64];
    for (;;) {
        int n = ::epoll_wait(g_epoll, events, 64, 0);
        if (n <= 0)
            return;
        for (int i = 0; i < n; ++i) {
            SOCKET s = SOCKET(events[i].data.u64 & 0xFFFFFFFFu);
            auto generation = std::uint32_t(events[i].data.u64 >> 32);
            auto it = g_watches.find(s);
            if (it != g_watches.end() && it->second.Generation == generation)
                look(s);
        }
        if (n < 64)
            return;
    }
}

void ensureEpoll()
{
    if (g_epoll >= 0)
        return;
    g_epoll = ::epoll_create1(EPOLL_CLOEXEC);
    g_notifier = new QSocketNotifier(g_epoll, QSocketNotifier::Read);
    QObject::connect(g_notifier, &QSocketNotifier::activated, [] { drainEpoll(); });
}

Watch* find(SOCKET s, std::uint32_t generation)
{
    auto it = g_watches.find(s);
    if (it == g_watches.end() || it->second.Generation != generation)
        return nullptr;
    return &it->second;
}

void post(SOCKET s, const Watch& w, unsigned event, int error)
{
    if (!(w.Events & event))
        return;
    HWND window = w.Window;
    UINT msg = w.Msg;
    std::uint32_t generation = w.Generation;
    LPARAM lParam = LPARAM((unsigned(error) & 0xFFFFu) << 16 | event);
    PostCall([=] {
        // A socket closed since, or a number taken by a new socket, hears
        // nothing of the old one.
        if (find(s, generation))
            SendMessage(window, msg, WPARAM(s), lParam);
    });
}

// Looks at the socket again later from the message loop, after whatever
// the caller is doing now has finished.
void lookLater(SOCKET s)
{
    auto it = g_watches.find(s);
    if (it == g_watches.end() || it->second.LookQueued)
        return;
    it->second.LookQueued = true;
    std::uint32_t generation = it->second.Generation;
    PostCall([s, generation] {
        if (Watch* w = find(s, generation)) {
            w->LookQueued = false;
            look(s);
        }
    });
}

int socketError(SOCKET s)
{
    int error = 0;
    socklen_t len = sizeof error;
    if (::getsockopt(s, SOL_SOCKET, SO_ERROR, &error, &len) < 0)
        return WinsockErrorFromErrno(errno);
    return WinsockErrorFromErrno(error);
}

void look(SOCKET s)
{
    auto it = g_watches.find(s);
    if (it == g_watches.end())
        return;
    Watch& w = it->second;
    if (w.Events == 0 || !w.Window)
        return;
    pollfd p { s, POLLIN | POLLOUT | POLLRDHUP, 0 };
    if (::poll(&p, 1, 0) < 0)
        return;
    short rev = p.revents;

    if (w.Listening) {
        if ((rev & POLLIN) && w.AcceptArmed) {
            w.AcceptArmed = false;
            post(s, w, FD_ACCEPT, 0);
        }
        return;
    }
    if (w.Connecting) {
        int error = w.ConnectError;
        if (!error) {
            if (!(rev & (POLLOUT | POLLERR | POLLHUP)))
                return;
            error = socketError(s);
        }
        w.Connecting = false;
        w.Connected = error == 0;
        post(s, w, FD_CONNECT, error);
        if (!w.Connected)
            return;
        post(s, w, FD_WRITE, 0);
    }
    if (!w.Connected && w.Type == SOCK_STREAM)
        return;

    int waiting = 0;
    if (::ioctl(s, FIONREAD, &waiting) < 0)
        waiting = 0;
    if (waiting > 0 && w.ReadArmed) {
        w.ReadArmed = false;
        post(s, w, FD_READ, 0);
    }
    if (w.Type == SOCK_STREAM && (rev & (POLLRDHUP | POLLHUP | POLLERR)) && !w.ClosePosted) {
        w.ClosePosted = true;
        int error = socketError(s);
        post(s, w, FD_CLOSE, error == WSAECONNRESET || error == WSAECONNABORTED ? WSAECONNRESET : 0);
    }
    if (w.WriteWanted && (rev & POLLOUT)) {
        w.WriteWanted = false;
        post(s, w, FD_WRITE, 0);
    }
}

// Host-name look-ups in flight.
struct LookupTask {
    HANDLE Id = 0;
    HWND Window = 0;
    UINT Msg = 0;
    std::string Name;
    HostEntry* Entry = nullptr;
    std::atomic<bool> Cancelled { false };
    std::vector<std::uint32_t> Addresses;
    int Error = 0;
};

std::map<HANDLE, std::shared_ptr<LookupTask>> g_lookups;
HANDLE g_nextLookup = 1;

void deliver(const std::shared_ptr<LookupTask>& task)
{
    if (task->Cancelled)
        return;
    g_lookups.erase(task->Id);
    task->Entry->Addresses = task->Addresses;
    SendMessage(task->Window, task->Msg, WPARAM(task->Id), LPARAM((unsigned(task->Error) & 0xFFFFu) << 16));
}

void resolve(const std::shared_ptr<LookupTask>& task)
{
    addrinfo hints {};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* list = nullptr;
    int rc = ::getaddrinfo(task->Name.c_str(), nullptr, &hints, &list);
    if (rc != 0) {
        task->Error = WinsockErrorFromLookup(rc);
    } else {
        for (addrinfo* a = list; a && task->Addresses.size() < HostEntry::MaxAddresses; a = a->ai_next)
            task->Addresses.push_back(reinterpret_cast<const sockaddr_in*>(a->ai_addr)->sin_addr.s_addr);
        ::freeaddrinfo(list);
        if (task->Addresses.empty())
            task->Error = WSANO_DATA;
    }
    PostCall([task] { deliver(task); });
}

}

namespace winsock {

int WSAAsyncSelect(SOCKET s, HWND window, UINT msg, long events)
{
    auto it = g_watches.find(s);
    if (it == g_watches.end()) {
        WSASetLastError(WSAENOTSOCK);
        return SOCKET_ERROR;
    }
    Watch& w = it->second;
    w.Window = window;
    w.Msg = msg;
    w.Events = unsigned(events);
    if (events) {
        w.ReadArmed = true;
        w.AcceptArmed = true;
        lookLater(s);
    }
    return 0;
}

HANDLE WSAAsyncGetHostByName(HWND window, UINT msg, const char* name, HostEntry* entry)
{
    if (!name || !entry) {
        WSASetLastError(WSAEFAULT);
        return 0;
    }
    auto task = std::make_shared<LookupTask>();
    task->Id = g_nextLookup++;
    task->Window = window;
    task->Msg = msg;
    task->Name = name;
    task->Entry = entry;
    try {
        std::thread([task] { resolve(task); }).detach();
    } catch (const std::system_error&) {
        WSASetLastError(WSAENOBUFS);
        return 0;
    }
    g_lookups[task->Id] = task;
    return task->Id;
}

int WSACancelAsyncRequest(HANDLE id)
{
    auto it = g_lookups.find(id);
    if (it == g_lookups.end()) {
        WSASetLastError(WSAEINVAL);
        return SOCKET_ERROR;
    }
    it->second->Cancelled = true;
    g_lookups.erase(it);
    return 0;
}

namespace notify {

    void Created(SOCKET s, int type)
    {
        ensureEpoll();
        Watch w;
        w.Generation = ++g_generation;
        w.Type = type;
        g_watches[s] = w;
        epoll_event e {};
        e.events = EPOLLIN | EPOLLOUT | EPOLLRDHUP | EPOLLET;
        e.data.u64 = std::uint64_t(std::uint32_t(s)) | (std::uint64_t(w.Generation) << 32);
        ::epoll_ctl(g_epoll, EPOLL_CTL_ADD, s, &e);
        // An accepted socket is connected already.
        sockaddr_in peer {};
        socklen_t len = sizeof peer;
        if (type == SOCK_STREAM && ::getpeername(s, reinterpret_cast<sockaddr*>(&peer), &len) == 0)
            g_watches[s].Connected = true;
    }

    void Closing(SOCKET s)
    {
        if (g_watches.erase(s) && g_epoll >= 0)
            ::epoll_ctl(g_epoll, EPOLL_CTL_DEL, s, nullptr);
    }

    void Listening(SOCKET s)
    {
        auto it = g_watches.find(s);
        if (it == g_watches.end())
            return;
        it->second.Listening = true;
        lookLater(s);
    }

    void Connecting(SOCKET s, int error)
    {
        auto it = g_watches.find(s);
        if (it == g_watches.end())
            return;
        it->second.Connecting = true;
        it->second.ConnectError = error;
        lookLater(s);
    }

    void Received(SOCKET s)
    {
        auto it = g_watches.find(s);
        if (it == g_watches.end())
            return;
        it->second.ReadArmed = true;
        lookLater(s);
    }

    void Accepted(SOCKET s)
    {
        auto it = g_watches.find(s);
        if (it == g_watches.end())
            return;
        it->second.AcceptArmed = true;
        lookLater(s);
    }

    void SendBlocked(SOCKET s)
    {
        auto it = g_watches.find(s);
        if (it != g_watches.end())
            it->second.WriteWanted = true;
    }

}

}
