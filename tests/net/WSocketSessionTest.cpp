// Connecting, listening, accepting and closing against real sockets on
// 127.0.0.1.

#include "tests/net/SocketTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(WSocketSession, ConnectsAndReportsEveryStateChange)
{
    PlainListener listener;
    TWSocket socket(nullptr);
    std::vector<std::string> log;
    socket.OnChangeState = [&](TObject*, TSocketState from, TSocketState to) {
        log.push_back("state " + std::to_string(from) + ">" + std::to_string(to));
    };
    socket.OnSessionConnected = [&](TObject*, std::uint16_t error) { log.push_back("connected " + std::to_string(error)); };
    EXPECT_EQ(socket.State(), wsClosed);
    int peer = -1;
    ASSERT_TRUE(ConnectTo(socket, listener, peer));
    EXPECT_EQ(log, (std::vector<std::string> { "state 7>1", "state 1>3", "state 3>4", "connected 0" }));
    EXPECT_EQ(socket.GetPeerAddrText(), "127.0.0.1");
    EXPECT_NE(socket.GetLocalPortText(), "error");
    ::close(peer);
}

TEST(WSocketSession, RefusedConnectIsReportedThenClosed)
{
    TWSocket socket(nullptr);
    std::vector<std::string> log;
    socket.OnSessionConnected = [&](TObject*, std::uint16_t error) { log.push_back("connected " + std::to_string(error)); };
    socket.OnSessionClosed = [&](TObject*, std::uint16_t error) { log.push_back("closed " + std::to_string(error)); };
    socket.SetAddr("127.0.0.1");
    socket.SetPort(std::to_string(UnusedLoopbackPort()));
    socket.Connect();
    ASSERT_TRUE(RunUntil([&] { return log.size() >= 2; }));
    EXPECT_EQ(log, (std::vector<std::string> { "connected 10061", "closed 0" }));
    EXPECT_EQ(socket.State(), wsClosed);
    // Every close forgets the port and the address.
    try {
        socket.Connect();
        FAIL() << "no exception";
    } catch (const ESocketException& e) {
        EXPECT_EQ(e.Message, "Connect: No Port Specified");
    }
}

TEST(WSocketSession, ConnectRefusesWhatIsMissing)
{
    TWSocket socket(nullptr);
    int errors = 0;
    socket.OnError = [&](TObject*) { ++errors; };
    socket.Connect();
    EXPECT_EQ(errors, 1);
    socket.OnError = nullptr;
    socket.SetPort("21");
    try {
        socket.Connect();
        FAIL();
    } catch (const ESocketException& e) {
        EXPECT_EQ(e.Message, "Connect: No IP Address Specified");
    }
    EXPECT_EQ(socket.State(), wsClosed);
}

TEST(WSocketSession, ListensAcceptsAndHandsOverWithDup)
{
    TWSocket server(nullptr), worker(nullptr), client(nullptr);
    server.SetAddr("127.0.0.1");
    server.SetPort("0");
    EXPECT_EQ(server.GetLocalPortText(), "error");
    ASSERT_EQ(server.Listen(), 0);
    EXPECT_EQ(server.State(), wsListening);
    std::string port = server.GetLocalPortText();
    ASSERT_NE(port, "0");

    int available = 0;
    bool workerConnectedEvent = false;
    worker.OnSessionConnected = [&](TObject*, std::uint16_t) { workerConnectedEvent = true; };
    server.OnSessionAvailable = [&](TObject*, std::uint16_t error) {
        EXPECT_EQ(error, 0);
        ++available;
        worker.Dup(server.Accept());
    };
    std::string atWorker, atClient;
    worker.OnDataAvailable = [&](TObject*, std::uint16_t) {
        char buf[100];
        int n = worker.Receive(buf, sizeof buf);
        if (n > 0)
            atWorker.append(buf, std::size_t(n));
    };
    client.OnDataAvailable = [&](TObject*, std::uint16_t) {
        char buf[100];
        int n = client.Receive(buf, sizeof buf);
        if (n > 0)
            atClient.append(buf, std::size_t(n));
    };
    client.SetAddr("127.0.0.1");
    client.SetPort(port);
    client.Connect();
    ASSERT_TRUE(RunUntil([&] { return worker.State() == wsConnected && client.State() == wsConnected; }));
    EXPECT_EQ(available, 1);
    EXPECT_FALSE(workerConnectedEvent);
    EXPECT_EQ(worker.GetPeerAddrText(), "127.0.0.1");

    client.SendStr("hello");
    ASSERT_TRUE(RunUntil([&] { return atWorker == "hello"; }));
    worker.SendStr("world");
    ASSERT_TRUE(RunUntil([&] { return atClient == "world"; }));

    // A second connection is announced only after the first was accepted.
    int second = PlainConnect(std::stoi(port));
    ASSERT_GE(second, 0);
    TWSocket other(nullptr);
    server.OnSessionAvailable = [&](TObject*, std::uint16_t) {
        ++available;
        other.Dup(server.Accept());
    };
    ASSERT_TRUE(RunUntil([&] { return other.State() == wsConnected; }));
    EXPECT_EQ(available, 2);
    ::close(second);
}

TEST(WSocketSession, AcceptAndDupRefuseWrongUse)
{
    TWSocket socket(nullptr);
    try {
        socket.Accept();
        FAIL();
    } catch (const ESocketException& e) {
        EXPECT_EQ(e.Message, "Error 10022 in function not a listening socket\r\nInvalid argument");
    }
    try {
        socket.Dup(INVALID_SOCKET);
        FAIL();
    } catch (const ESocketException& e) {
        EXPECT_EQ(e.Message, "Error 10022 in function Dup\r\nInvalid argument");
    }
    try {
        socket.Listen();
        FAIL();
    } catch (const ESocketException& e) {
        EXPECT_EQ(e.Message, "Error 10022 in function listen: port not assigned\r\nInvalid argument");
    }
}

TEST(WSocketSession, ClosingTwiceReportsTheEndOnce)
{
    PlainListener listener;
    TWSocket socket(nullptr);
    int closed = 0;
    socket.OnSessionClosed = [&](TObject*, std::uint16_t error) {
        EXPECT_EQ(error, 0);
        ++closed;
    };
    int peer = -1;
    ASSERT_TRUE(ConnectTo(socket, listener, peer));
    socket.Close();
    socket.Close();
    RunFor(100);
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(socket.State(), wsClosed);
    // The peer sees an orderly end.
    EXPECT_EQ(ReadAll(peer, 10, 2000), "");
    ::close(peer);
}

TEST(WSocketSession, PeerCloseIsReportedAfterItsData)
{
    PlainListener listener;
    TWSocket socket(nullptr);
    std::vector<std::string> log;
    socket.OnDataAvailable = [&](TObject*, std::uint16_t) {
        char buf[100];
        int n = socket.Receive(buf, sizeof buf);
        if (n > 0)
            log.push_back("data " + std::string(buf, std::size_t(n)));
    };
    socket.OnSessionClosed = [&](TObject*, std::uint16_t error) { log.push_back("closed " + std::to_string(error)); };
    int peer = -1;
    ASSERT_TRUE(ConnectTo(socket, listener, peer));
    SendAll(peer, "last words");
    ::close(peer);
    ASSERT_TRUE(RunUntil([&] { return socket.State() == wsClosed; }));
    EXPECT_EQ(log, (std::vector<std::string> { "data last words", "closed 0" }));
}

TEST(WSocketSession, ReadAndCloseInOneNotification)
{
    PlainListener listener;
    ProbeSocket socket(nullptr);
    std::vector<std::string> log;
    socket.OnDataAvailable = [&](TObject*, std::uint16_t) {
        char buf[100];
        int n = socket.Receive(buf, sizeof buf);
        if (n > 0)
            log.push_back("data " + std::string(buf, std::size_t(n)));
    };
    socket.OnSessionClosed = [&](TObject*, std::uint16_t error) { log.push_back("closed " + std::to_string(error)); };
    int peer = -1;
    ASSERT_TRUE(ConnectTo(socket, listener, peer));
    SendAll(peer, "both");
    ::close(peer);
    pollfd p { socket.Handle(), POLLRDHUP, 0 };
    ASSERT_EQ(::poll(&p, 1, 2000), 1);
    // Ahead of anything the platform posts for the same socket.
    PostMessage(socket.Window(), WM_ASYNCSELECT, WPARAM(socket.Handle()), LPARAM(FD_READ | FD_CLOSE));
    ASSERT_TRUE(RunUntil([&] { return socket.State() == wsClosed; }));
    RunFor(50);
    EXPECT_EQ(log, (std::vector<std::string> { "data both", "closed 0" }));
}

TEST(WSocketSession, CloseWhileConnectingIsIgnored)
{
    PlainListener listener;
    ProbeSocket socket(nullptr);
    int closed = 0;
    socket.OnSessionClosed = [&](TObject*, std::uint16_t) { ++closed; };
    socket.SetAddr("127.0.0.1");
    socket.SetPort(listener.PortText());
    socket.Connect();
    ASSERT_EQ(socket.State(), wsConnecting);
    SendMessage(socket.Window(), WM_ASYNCSELECT, WPARAM(socket.Handle()), LPARAM(FD_CLOSE));
    EXPECT_EQ(closed, 0);
    EXPECT_EQ(socket.State(), wsConnecting);
    ASSERT_TRUE(RunUntil([&] { return socket.State() == wsConnected; }));
}

TEST(WSocketSession, PeerResetGives10054)
{
    PlainListener listener;
    TWSocket socket(nullptr);
    std::vector<int> closed;
    socket.OnSessionClosed = [&](TObject*, std::uint16_t error) { closed.push_back(error); };
    int peer = -1;
    ASSERT_TRUE(ConnectTo(socket, listener, peer));
    ResetClose(peer);
    ASSERT_TRUE(RunUntil([&] { return socket.State() == wsClosed; }));
    EXPECT_EQ(closed, std::vector<int> { 10054 });
}

TEST(WSocketSession, HandlersMayFreeTheirComponent)
{
    PlainListener listener;
    // In the data event, with more data and the close still to come.
    auto* socket = new TWSocket(nullptr);
    bool freed = false;
    socket->OnDataAvailable = [&](TObject*, std::uint16_t) {
        delete socket;
        freed = true;
    };
    int peer = -1;
    ASSERT_TRUE(ConnectTo(*socket, listener, peer));
    SendAll(peer, "x");
    ::close(peer);
    ASSERT_TRUE(RunUntil([&] { return freed; }));
    RunFor(50);

    // In the connect event of a refused connection, before its close.
    auto* refused = new TWSocket(nullptr);
    bool gone = false;
    refused->OnSessionConnected = [&](TObject*, std::uint16_t) {
        delete refused;
        gone = true;
    };
    refused->SetAddr("127.0.0.1");
    refused->SetPort(std::to_string(UnusedLoopbackPort()));
    refused->Connect();
    ASSERT_TRUE(RunUntil([&] { return gone; }));

    // In the closed event, and in a state change during Close.
    auto* closing = new TWSocket(nullptr);
    int peer2 = -1;
    ASSERT_TRUE(ConnectTo(*closing, listener, peer2));
    closing->OnSessionClosed = [&](TObject*, std::uint16_t) { delete closing; };
    closing->Close();
    auto* changing = new TWSocket(nullptr);
    int peer3 = -1;
    ASSERT_TRUE(ConnectTo(*changing, listener, peer3));
    changing->OnChangeState = [&](TObject*, TSocketState, TSocketState) { delete changing; };
    changing->SendStr("queued");
    changing->Close();
    RunFor(50);
    ::close(peer2);
    ::close(peer3);
}

TEST(WSocketSession, HandlerMayCloseInsideTheDataEvent)
{
    PlainListener listener;
    TWSocket socket(nullptr);
    int data = 0, closed = 0;
    socket.OnDataAvailable = [&](TObject*, std::uint16_t) {
        ++data;
        socket.Close();
    };
    socket.OnSessionClosed = [&](TObject*, std::uint16_t) { ++closed; };
    int peer = -1;
    ASSERT_TRUE(ConnectTo(socket, listener, peer));
    SendAll(peer, "abc");
    ASSERT_TRUE(RunUntil([&] { return socket.State() == wsClosed; }));
    RunFor(50);
    EXPECT_EQ(data, 1);
    EXPECT_EQ(closed, 1);
    ::close(peer);
}

TEST(WSocketSession, DatagramConnectNeedsNoExchange)
{
    TWSocket socket(nullptr);
    std::vector<int> connected;
    socket.OnSessionConnected = [&](TObject*, std::uint16_t error) { connected.push_back(error); };
    socket.SetProto("udp");
    socket.SetAddr("127.0.0.1");
    socket.SetPort("9");
    socket.Connect();
    EXPECT_EQ(socket.State(), wsConnected);
    EXPECT_EQ(connected, std::vector<int> { 0 });
    socket.Close();
}

TEST(WSocketSession, PausedSocketHearsNothingUntilResumed)
{
    PlainListener listener;
    TWSocket socket(nullptr);
    std::string got;
    socket.OnDataAvailable = [&](TObject*, std::uint16_t) {
        char buf[64];
        int n = socket.Receive(buf, sizeof buf);
        if (n > 0)
            got.append(buf, std::size_t(n));
    };
    int peer = -1;
    ASSERT_TRUE(ConnectTo(socket, listener, peer));
    socket.Pause();
    SendAll(peer, "later");
    RunFor(150);
    EXPECT_EQ(got, "");
    socket.Resume();
    ASSERT_TRUE(RunUntil([&] { return got == "later"; }));
    ::close(peer);
}
