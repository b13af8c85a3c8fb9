// Line mode, ReadLine and Wait, pumping themselves or through the countdown.

#include "net/Wait.h"
#include "tests/net/SocketTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

TEST(WSocketLine, OnlyLineFeedEndsALine)
{
    PlainListener listener;
    TWSocket socket(nullptr);
    socket.MultiThreaded = true;
    int peer = -1;
    ASSERT_TRUE(ConnectTo(socket, listener, peer));
    SendAll(peer, "abc\r\ndef\nghi\rjkl\n");
    std::string line;
    socket.ReadLine(5, line);
    EXPECT_EQ(line, "abc");
    socket.ReadLine(5, line);
    EXPECT_EQ(line, "def");
    socket.ReadLine(5, line);
    EXPECT_EQ(line, "ghijkl");
    EXPECT_EQ(socket.ReadCount(), 17);
    ::close(peer);
}

TEST(WSocketLine, ALongLineIsCutAt254Characters)
{
    PlainListener listener;
    TWSocket socket(nullptr);
    socket.MultiThreaded = true;
    int tooLong = 0;
    socket.OnLineTooLong = [&](TObject*) { ++tooLong; };
    int peer = -1;
    ASSERT_TRUE(ConnectTo(socket, listener, peer));
    SendAll(peer, std::string(253, 'a') + "\n" + std::string(254, 'b') + std::string(46, 'c') + "\r\n");
    std::string line;
    socket.ReadLine(5, line);
    EXPECT_EQ(line, std::string(253, 'a'));
    EXPECT_EQ(tooLong, 0);
    socket.ReadLine(5, line);
    EXPECT_EQ(line, std::string(254, 'b'));
    EXPECT_EQ(tooLong, 1);
    socket.ReadLine(5, line);
    EXPECT_EQ(line, std::string(46, 'c'));
    EXPECT_EQ(tooLong, 1);
    ::close(peer);
}

TEST(WSocketLine, ReadLineTimesOutWithThePartAndGoesOnLater)
{
    PlainListener listener;
    TWSocket socket(nullptr);
    socket.MultiThreaded = true;
    int peer = -1;
    ASSERT_TRUE(ConnectTo(socket, listener, peer));
    SendAll(peer, "part");
    std::string line;
    std::uint64_t start = GetTickCount64();
    socket.ReadLine(1, line);
    std::uint64_t took = GetTickCount64() - start;
    EXPECT_EQ(line, "part");
    EXPECT_GE(took, 900u);
    EXPECT_LT(took, 3000u);
    SendAll(peer, "ial\nnext\n");
    socket.ReadLine(5, line);
    EXPECT_EQ(line, "partial");
    socket.ReadLine(5, line);
    EXPECT_EQ(line, "next");
    ::close(peer);
}

TEST(WSocketLine, ReadLineThroughTheCountdown)
{
    PlainListener listener;
    TWSocket socket(nullptr);
    TWait wait(nullptr);
    socket.SetWaitCtrl(&wait);
    int peer = -1;
    ASSERT_TRUE(ConnectTo(socket, listener, peer));
    std::thread late([peer] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        SendAll(peer, "late line\r\n");
    });
    std::string line;
    std::uint64_t start = GetTickCount64();
    socket.ReadLine(10, line);
    late.join();
    EXPECT_EQ(line, "late line");
    EXPECT_LT(GetTickCount64() - start, 5000u);
    EXPECT_FALSE(wait.Running());
    EXPECT_FALSE(wait.Visible());

    // Nothing comes: the countdown runs out and the part is returned.
    SendAll(peer, "no end");
    wait.SetInterval(100);
    start = GetTickCount64();
    socket.ReadLine(2, line);
    EXPECT_EQ(line, "no end");
    EXPECT_EQ(wait.ModalResult, mrCancel);
    EXPECT_LT(GetTickCount64() - start, 3000u);
    ::close(peer);
}

TEST(WSocketLine, ReadLineNeedsAWaitObject)
{
    TWSocket socket(nullptr);
    std::string line = "kept";
    try {
        socket.ReadLine(1, line);
        FAIL();
    } catch (const ESocketException& e) {
        EXPECT_EQ(e.Message, "No wait object assigned");
    }
    try {
        socket.Wait(1, wsConnected);
        FAIL();
    } catch (const ESocketException& e) {
        EXPECT_EQ(e.Message, "Error 11004 in function TWSocket.Wait\r\nNo Data");
    }
}

TEST(WSocketLine, PeerCloseEndsALineWait)
{
    PlainListener listener;
    TWSocket socket(nullptr);
    TWait wait(nullptr);
    socket.SetWaitCtrl(&wait);
    int peer = -1;
    ASSERT_TRUE(ConnectTo(socket, listener, peer));
    std::thread closer([peer] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        SendAll(peer, "cut");
        ::close(peer);
    });
    std::string line;
    std::uint64_t start = GetTickCount64();
    socket.ReadLine(20, line);
    closer.join();
    EXPECT_EQ(line, "cut");
    EXPECT_LT(GetTickCount64() - start, 5000u);
    RunUntil([&] { return socket.State() == wsClosed; });
    EXPECT_EQ(socket.State(), wsClosed);
}

TEST(WSocketWait, WaitsForAStateOrTimesOut)
{
    PlainListener listener;
    TWSocket socket(nullptr);
    socket.MultiThreaded = true;
    socket.SetAddr("127.0.0.1");
    socket.SetPort(listener.PortText());
    socket.Connect();
    EXPECT_TRUE(socket.Wait(5, wsConnected));
    // Already there: false at once.
    EXPECT_FALSE(socket.Wait(5, wsConnected));
    std::uint64_t start = GetTickCount64();
    EXPECT_FALSE(socket.Wait(1, wsClosed));
    EXPECT_GE(GetTickCount64() - start, 900u);
    EXPECT_EQ(socket.State(), wsConnected);
}

TEST(WSocketWait, CountdownStopsWhenTheStateIsReached)
{
    PlainListener listener;
    TWSocket socket(nullptr);
    TWait wait(nullptr);
    socket.SetWaitCtrl(&wait);
    int peer = -1;
    ASSERT_TRUE(ConnectTo(socket, listener, peer));
    std::thread closer([peer] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        ::close(peer);
    });
    std::uint64_t start = GetTickCount64();
    EXPECT_TRUE(socket.Wait(10, wsClosed));
    closer.join();
    EXPECT_LT(GetTickCount64() - start, 5000u);
    EXPECT_EQ(wait.ModalResult, mrOk);

    // A refused connect ends a wait for the connection.
    socket.SetAddr("127.0.0.1");
    socket.SetPort(std::to_string(UnusedLoopbackPort()));
    socket.Connect();
    start = GetTickCount64();
    EXPECT_FALSE(socket.Wait(10, wsConnected));
    EXPECT_LT(GetTickCount64() - start, 5000u);
}

TEST(WSocketWait, AFreedWaitControlIsForgotten)
{
    TWSocket socket(nullptr);
    auto* wait = new TWait(nullptr);
    socket.SetWaitCtrl(wait);
    EXPECT_EQ(socket.WaitCtrl(), wait);
    delete wait;
    EXPECT_EQ(socket.WaitCtrl(), nullptr);
}

TEST(WSocketLine, ReadLineInsideAnEventHandler)
{
    // The synchronous calls of the clients run inside a handler, so the
    // wait is a loop nested in the delivery of another message.
    PlainListener listener;
    TWSocket socket(nullptr);
    TWait wait(nullptr);
    socket.SetWaitCtrl(&wait);
    int peer = -1;
    ASSERT_TRUE(ConnectTo(socket, listener, peer));
    std::string line;
    bool ran = false;
    std::thread late([peer] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        SendAll(peer, "nested\n");
    });
    std::uint64_t start = GetTickCount64();
    PostCall([&] {
        socket.ReadLine(10, line);
        ran = true;
    });
    ASSERT_TRUE(RunUntil([&] { return ran; }, 15000));
    late.join();
    EXPECT_EQ(line, "nested");
    EXPECT_LT(GetTickCount64() - start, 5000u);
    ::close(peer);
}
