// The platform's notifications: one-shot and re-armed, never repeated for
// one condition, dropped once their socket has gone.

#include "platform/WinSockAsync.h"
#include "tests/net/SocketTestSupport.h"

#include <QCoreApplication>

#include <algorithm>
#include <ostream>

namespace {

constexpr UINT kNotify = WM_USER + 1;
constexpr UINT kLookup = WM_USER + 2;

struct Note {
    WPARAM Socket;
    unsigned Event;
    unsigned Error;
    bool operator==(const Note&) const = default;
};
using Notes = std::vector<Note>;

void PrintTo(const Note& n, std::ostream* os) { *os << "socket " << n.Socket << " event " << n.Event << " error " << n.Error; }

// A call's result with the error it left.
std::pair<int, int> WithError(int result) { return { result, winsock::WSAGetLastError() }; }
const std::pair<int, int> kWouldBlock { SOCKET_ERROR, WSAEWOULDBLOCK };
// What one recv of up to `size` bytes returns.
int Recv(SOCKET s, int size)
{
    char buf[64];
    return winsock::recv(s, buf, size, 0);
}

// A receiver that writes down what reaches it.
struct Recorder {
    ~Recorder() { DeallocateHWnd(Window); }
    int Count(unsigned event) const { return int(std::ranges::count(Notes, event, &Note::Event)); }

    HWND Window = AllocateHWnd([this](TMessage& m) {
        Notes.push_back(Note { m.WParam, unsigned(m.LParam) & 0xFFFF, unsigned(m.LParam >> 16) & 0xFFFF });
        Messages.push_back(m.Msg);
    });
    std::vector<Note> Notes;
    std::vector<UINT> Messages;
};

// A platform socket connected to a plain listener, announcing everything
// to a recorder; the listener's end in `peer`.
class WinSockNotify : public ListenerEnd {
protected:
    void TearDown() override { CloseBoth(); }
    void CloseBoth()
    {
        winsock::closesocket(std::exchange(s, INVALID_SOCKET));
        ClosePeer();
    }
    // A connect started to that port of 127.0.0.1.
    SOCKET Open(Recorder& to, int port)
    {
        SOCKET made = winsock::socket(AF_INET, SOCK_STREAM, 0);
        winsock::WSAAsyncSelect(made, to.Window, kNotify, FD_READ | FD_WRITE | FD_CONNECT | FD_CLOSE);
        sockaddr_in a = LoopbackAddress(port);
        EXPECT_EQ(WithError(winsock::connect(made, &a, sizeof a)), kWouldBlock);
        return made;
    }
    SOCKET Connect(Recorder& to)
    {
        SOCKET made = Open(to, listener.Port());
        peer = listener.Accept();
        RunUntil([&] { return to.Count(FD_WRITE) == 1; });
        return made;
    }
    void Connect() { s = Connect(recorder); }
    // How often `event` has come, a tenth of a second on.
    int CountLater(unsigned event)
    {
        RunFor(100);
        return recorder.Count(event);
    }

    Recorder recorder;
    SOCKET s = INVALID_SOCKET;
};

}

TEST_F(WinSockNotify, ConnectIsFollowedByOneWrite)
{
    Connect();
    RunFor(100);
    EXPECT_EQ(recorder.Notes, (Notes { { WPARAM(s), FD_CONNECT, 0 }, { WPARAM(s), FD_WRITE, 0 } }));
}

TEST_F(WinSockNotify, ReadIsAnnouncedAgainOnlyAfterARecv)
{
    Connect();
    SendAll(peer, "one");
    ASSERT_TRUE(RunUntil([&] { return recorder.Count(FD_READ) == 1; }));
    SendAll(peer, "two");
    EXPECT_EQ(CountLater(FD_READ), 1);
    // A recv that leaves data behind re-arms and announces at once.
    EXPECT_EQ(Recv(s, 2), 2);
    ASSERT_TRUE(RunUntil([&] { return recorder.Count(FD_READ) == 2; }));
    EXPECT_EQ(Recv(s, 16), 4);
    EXPECT_EQ(CountLater(FD_READ), 2);
    SendAll(peer, "three");
    ASSERT_TRUE(RunUntil([&] { return recorder.Count(FD_READ) == 3; }));
}

TEST_F(WinSockNotify, CloseComesOnceAfterTheDataAndResetsSay10054)
{
    Connect();
    SendAll(peer, "bye");
    ClosePeer();
    ASSERT_TRUE(RunUntil([&] { return recorder.Count(FD_CLOSE) == 1; }));
    ASSERT_GE(recorder.Notes.size(), 4u);
    EXPECT_EQ(Notes(recorder.Notes.begin() + 2, recorder.Notes.begin() + 4),
        (Notes { { WPARAM(s), FD_READ, 0 }, { WPARAM(s), FD_CLOSE, 0 } }));
    EXPECT_EQ(Recv(s, 8), 3);
    EXPECT_EQ(Recv(s, 8), 0);
    EXPECT_EQ(CountLater(FD_CLOSE), 1);
    CloseBoth();

    Recorder second;
    s = Connect(second);
    ResetClose(std::exchange(peer, -1));
    ASSERT_TRUE(RunUntil([&] { return second.Count(FD_CLOSE) == 1; }));
    EXPECT_EQ(second.Notes.back().Error, 10054u);
    EXPECT_EQ(WithError(winsock::send(s, "x", 1, 0)), std::pair(SOCKET_ERROR, 10054));
}

TEST_F(WinSockNotify, AcceptIsAnnouncedAgainOnlyAfterAnAccept)
{
    s = winsock::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a = LoopbackAddress(0);
    ASSERT_EQ(winsock::bind(s, &a, sizeof a), 0);
    ASSERT_EQ(winsock::listen(s, 5), 0);
    winsock::WSAAsyncSelect(s, recorder.Window, kNotify, FD_ACCEPT);
    int c1 = LoopbackConnect(LocalPort(s)), c2 = LoopbackConnect(LocalPort(s));
    ASSERT_TRUE(RunUntil([&] { return recorder.Count(FD_ACCEPT) == 1; }));
    EXPECT_EQ(CountLater(FD_ACCEPT), 1);
    SOCKET first = winsock::accept(s, nullptr, nullptr);
    ASSERT_NE(first, INVALID_SOCKET);
    ASSERT_TRUE(RunUntil([&] { return recorder.Count(FD_ACCEPT) == 2; }));
    SOCKET second = winsock::accept(s, nullptr, nullptr);
    ASSERT_NE(second, INVALID_SOCKET);
    // Accepted sockets never block.
    EXPECT_EQ(WithError(Recv(second, 4)), kWouldBlock);
    EXPECT_EQ(CountLater(FD_ACCEPT), 2);
    // The plain clients close the same way: nothing of theirs is watched.
    for (SOCKET end : { first, second, c1, c2 })
        winsock::closesocket(end);
}

TEST_F(WinSockNotify, WriteReturnsOnlyAfterASendThatWouldBlock)
{
    Connect();
    std::string block(1 << 20, 'z');
    long long queued = 0;
    for (int n; (n = winsock::send(s, block.data(), int(block.size()), 0)) != SOCKET_ERROR;)
        queued += n;
    EXPECT_EQ(winsock::WSAGetLastError(), WSAEWOULDBLOCK);
    EXPECT_EQ(CountLater(FD_WRITE), 1);
    EXPECT_EQ(ReadAll(peer, std::size_t(queued)).size(), std::size_t(queued));
    ASSERT_TRUE(RunUntil([&] { return recorder.Count(FD_WRITE) == 2; }));
}

TEST_F(WinSockNotify, ARefusedConnectIsReportedLater)
{
    s = Open(recorder, UnusedLoopbackPort());
    ASSERT_TRUE(RunUntil([&] { return !recorder.Notes.empty(); }));
    RunFor(100);
    EXPECT_EQ(recorder.Notes, (Notes { { WPARAM(s), FD_CONNECT, 10061 } }));
}

TEST_F(WinSockNotify, NothingArrivesForAClosedSocketOrAGoneReceiver)
{
    Connect();
    SendAll(peer, "data");
    ASSERT_TRUE(RunUntil([&] { return recorder.Count(FD_READ) == 1; }));
    std::size_t before = recorder.Notes.size();
    // A recv that leaves data re-arms; one round of delivery makes the
    // platform post the next FD_READ, which is then still on its way.
    ASSERT_EQ(Recv(s, 2), 2);
    QCoreApplication::sendPostedEvents();
    ASSERT_GT(PendingMessageCount(), 0);
    winsock::closesocket(std::exchange(s, INVALID_SOCKET));
    // A new socket may take the same number.
    SOCKET fresh = winsock::socket(AF_INET, SOCK_STREAM, 0);
    winsock::WSAAsyncSelect(fresh, recorder.Window, kNotify, FD_READ | FD_CLOSE);
    RunFor(100);
    EXPECT_EQ(recorder.Notes.size(), before);
    ClosePeer();
    winsock::closesocket(fresh);

    auto* gone = new Recorder;
    s = Connect(*gone);
    SendAll(peer, "late");
    delete gone;
    RunFor(100);
}

TEST_F(WinSockNotify, LookupAnswersAsItsOwnMessage)
{
    HostEntry entry;
    HANDLE task = winsock::WSAAsyncGetHostByName(recorder.Window, kLookup, "localhost", &entry);
    ASSERT_NE(task, 0u);
    ASSERT_TRUE(RunUntil([&] { return !recorder.Notes.empty(); }));
    EXPECT_EQ(std::tuple(recorder.Messages[0], recorder.Notes[0].Socket, recorder.Notes[0].Error),
        std::tuple(kLookup, WPARAM(task), 0u));
    ASSERT_FALSE(entry.Addresses.empty());
    EXPECT_EQ(entry.Addresses[0], htonl(INADDR_LOOPBACK));
    EXPECT_EQ(winsock::WSACancelAsyncRequest(task), SOCKET_ERROR);

    HostEntry dropped;
    HANDLE cancelled = winsock::WSAAsyncGetHostByName(recorder.Window, kLookup, "localhost", &dropped);
    EXPECT_EQ(winsock::WSACancelAsyncRequest(cancelled), 0);
    RunFor(300);
    EXPECT_EQ(std::tuple(recorder.Notes.size(), dropped.Addresses.empty()), std::tuple(1u, true));
}
