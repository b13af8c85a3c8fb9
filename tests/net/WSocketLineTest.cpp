// Line mode, ReadLine and Wait, pumping themselves or through the countdown.

#include "net/Wait.h"
#include "tests/net/SocketTestSupport.h"

#include <optional>

namespace {

// Sends `bytes` from the peer's end after a fifth of a second, then closes
// that end if asked.
std::thread Later(int peer, std::string bytes, bool close = false)
{
    return std::thread([=] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        SendAll(peer, bytes);
        if (close)
            ::close(peer);
    });
}

// The lines ReadLine gives, one call each.
Log ReadLines(TWSocket& socket, int count)
{
    Log lines(static_cast<std::size_t>(count));
    for (auto& line : lines)
        socket.ReadLine(5, line);
    return lines;
}

// A component that waits by pumping messages itself or through a countdown.
class WaitingSocket : public SocketPeer {
protected:
    bool Connect(bool countdown)
    {
        if (countdown)
            socket.SetWaitCtrl(&wait);
        else
            socket.MultiThreaded = true;
        return SocketPeer::Connect();
    }
    // The line ReadLine gives while the peer sends `bytes` a little later
    // (and then closes, if asked); read from inside a handler when `nested`.
    std::string LineSentLater(const std::string& bytes, int seconds, bool close = false, bool nested = false)
    {
        std::thread later = Later(close ? std::exchange(peer, -1) : peer, bytes, close);
        std::optional<std::string> line;
        auto read = [&] { socket.ReadLine(seconds, line.emplace()); };
        EXPECT_LT(Took([&] {
            nested ? PostCall(read) : read();
            EXPECT_TRUE(RunUntil([&] { return line.has_value(); }, 15000));
            later.join();
        }), 5000u);
        return line.value_or("");
    }

    TWait wait { nullptr };
};

}

using WSocketLine = WaitingSocket;
using WSocketWait = WaitingSocket;

TEST_F(WSocketLine, OnlyLineFeedEndsALine)
{
    ASSERT_TRUE(Connect(false));
    SendAll(peer, "abc\r\ndef\nghi\rjkl\n");
    EXPECT_EQ(ReadLines(socket, 3), (Log { "abc", "def", "ghijkl" }));
    EXPECT_EQ(socket.ReadCount(), 17);
}

TEST_F(WSocketLine, ALongLineIsCutAt254Characters)
{
    socket.OnLineTooLong = [&](TObject*) { log.push_back("cut"); };
    ASSERT_TRUE(Connect(false));
    SendAll(peer, std::string(253, 'a') + "\n" + std::string(254, 'b') + std::string(46, 'c') + "\r\n");
    // Each line as it is read, and each cut as it happens.
    for (int i = 0; i < 3; ++i)
        log.push_back(ReadLines(socket, 1)[0]);
    EXPECT_EQ(log, (Log { std::string(253, 'a'), "cut", std::string(254, 'b'), std::string(46, 'c') }));
}

TEST_F(WSocketLine, ReadLineTimesOutWithThePartAndGoesOnLater)
{
    ASSERT_TRUE(Connect(false));
    SendAll(peer, "part");
    std::string line;
    std::uint64_t took = Took([&] { socket.ReadLine(1, line); });
    EXPECT_EQ(line, "part");
    EXPECT_GE(took, 900u);
    EXPECT_LT(took, 3000u);
    SendAll(peer, "ial\nnext\n");
    EXPECT_EQ(ReadLines(socket, 2), (Log { "partial", "next" }));
}

TEST_F(WSocketLine, ReadLineThroughTheCountdown)
{
    ASSERT_TRUE(Connect(true));
    EXPECT_EQ(LineSentLater("late line\r\n", 10), "late line");
    EXPECT_EQ(std::tuple(wait.Running(), wait.Visible()), std::tuple(false, false));

    // Nothing comes: the countdown runs out and the part is returned.
    SendAll(peer, "no end");
    std::string line;
    wait.SetInterval(100);
    EXPECT_LT(Took([&] { socket.ReadLine(2, line); }), 3000u);
    EXPECT_EQ(std::tuple(line, wait.ModalResult), std::tuple("no end", mrCancel));
}

TEST_F(WSocketLine, ReadLineNeedsAWaitObject)
{
    std::string line = "kept";
    EXPECT_EQ(ThrownMessage([&] { socket.ReadLine(1, line); }), "No wait object assigned");
    EXPECT_EQ(ThrownMessage([&] { socket.Wait(1, wsConnected); }), "Error 11004 in function TWSocket.Wait\r\nNo Data");
}

TEST_F(WSocketLine, PeerCloseEndsALineWait)
{
    ASSERT_TRUE(Connect(true));
    EXPECT_EQ(LineSentLater("cut", 20, true), "cut");
    EXPECT_TRUE(RunUntil([&] { return socket.State() == wsClosed; }));
}

TEST_F(WSocketWait, WaitsForAStateOrTimesOut)
{
    socket.MultiThreaded = true;
    StartConnect(socket, listener.Port());
    EXPECT_TRUE(socket.Wait(5, wsConnected));
    // Already there: false at once.
    EXPECT_FALSE(socket.Wait(5, wsConnected));
    EXPECT_GE(Took([&] { EXPECT_FALSE(socket.Wait(1, wsClosed)); }), 900u);
    EXPECT_EQ(socket.State(), wsConnected);
}

TEST_F(WSocketWait, CountdownStopsWhenTheStateIsReached)
{
    ASSERT_TRUE(Connect(true));
    std::thread closer = Later(std::exchange(peer, -1), "", true);
    EXPECT_LT(Took([&] { EXPECT_TRUE(socket.Wait(10, wsClosed)); }), 5000u);
    closer.join();
    EXPECT_EQ(wait.ModalResult, mrOk);

    // A refused connect ends a wait for the connection.
    StartConnect(socket, UnusedLoopbackPort());
    EXPECT_LT(Took([&] { EXPECT_FALSE(socket.Wait(10, wsConnected)); }), 5000u);
}

TEST_F(WSocketWait, AFreedWaitControlIsForgotten)
{
    auto* freed = new TWait(nullptr);
    socket.SetWaitCtrl(freed);
    EXPECT_EQ(socket.WaitCtrl(), freed);
    delete freed;
    EXPECT_EQ(socket.WaitCtrl(), nullptr);
}

TEST_F(WSocketLine, ReadLineInsideAnEventHandler)
{
    // The synchronous calls of the clients run inside a handler, so the
    // wait is a loop nested in the delivery of another message.
    ASSERT_TRUE(Connect(true));
    EXPECT_EQ(LineSentLater("nested\n", 10, false, true), "nested");
}
