// Connecting, listening, accepting and closing against real sockets on
// 127.0.0.1.

#include "tests/net/SocketTestSupport.h"

using WSocketSession = SocketPeer;

TEST_F(WSocketSession, ConnectsAndReportsEveryStateChange)
{
    LogEvents();
    socket.OnChangeState = [&](TObject*, TSocketState from, TSocketState to) {
        log.push_back("state " + std::to_string(from) + ">" + std::to_string(to));
    };
    EXPECT_EQ(socket.State(), wsClosed);
    ASSERT_TRUE(Connect());
    EXPECT_EQ(log, (Log { "state 7>1", "state 1>3", "state 3>4", "connected 0" }));
    EXPECT_EQ(socket.GetPeerAddrText(), "127.0.0.1");
    EXPECT_NE(socket.GetLocalPortText(), "error");
}

TEST_F(WSocketSession, RefusedConnectIsReportedThenClosed)
{
    LogEvents();
    StartConnect(socket, UnusedLoopbackPort());
    ASSERT_TRUE(RunUntil([&] { return log.size() >= 2; }));
    EXPECT_EQ(std::tuple(log, socket.State()), std::tuple(Log { "connected 10061", "closed 0" }, wsClosed));
    // Every close forgets the port and the address.
    EXPECT_EQ(ThrownMessage([&] { socket.Connect(); }), "Connect: No Port Specified");
}

TEST_F(WSocketSession, ConnectRefusesWhatIsMissing)
{
    socket.OnError = [&](TObject*) { log.push_back("error"); };
    socket.Connect();
    EXPECT_EQ(log, Log { "error" });
    socket.OnError = nullptr;
    socket.SetPort("21");
    EXPECT_EQ(ThrownMessage([&] { socket.Connect(); }), "Connect: No IP Address Specified");
    EXPECT_EQ(socket.State(), wsClosed);
}

TEST_F(WSocketSession, ListensAcceptsAndHandsOverWithDup)
{
    TWSocket server(nullptr), worker(nullptr), client(nullptr);
    server.SetAddr("127.0.0.1");
    server.SetPort("0");
    EXPECT_EQ(server.GetLocalPortText(), "error");
    ASSERT_EQ(server.Listen(), 0);
    EXPECT_EQ(server.State(), wsListening);
    std::string port = server.GetLocalPortText();
    ASSERT_NE(port, "0");

    // The worker takes the connection over without a connect event of its own.
    worker.OnSessionConnected = [&](TObject*, std::uint16_t) { log.push_back("worker connected"); };
    TWSocket* taker = &worker;
    server.OnSessionAvailable = [&](TObject*, std::uint16_t error) {
        log.push_back("available " + std::to_string(error));
        taker->Dup(server.Accept());
    };
    std::string atWorker, atClient;
    CollectData(worker, atWorker);
    CollectData(client, atClient);
    StartConnect(client, std::stoi(port));
    ASSERT_TRUE(RunUntil([&] { return worker.State() == wsConnected && client.State() == wsConnected; }));
    EXPECT_EQ(std::tuple(log, worker.GetPeerAddrText()), std::tuple(Log { "available 0" }, "127.0.0.1"));

    client.SendStr("hello");
    ASSERT_TRUE(RunUntil([&] { return atWorker == "hello"; }));
    worker.SendStr("world");
    ASSERT_TRUE(RunUntil([&] { return atClient == "world"; }));

    // A second connection is announced only after the first was accepted.
    peer = LoopbackConnect(std::stoi(port));
    ASSERT_GE(peer, 0);
    taker = &socket;
    ASSERT_TRUE(RunUntil([&] { return socket.State() == wsConnected; }));
    EXPECT_EQ(log, (Log { "available 0", "available 0" }));
}

TEST_F(WSocketSession, AcceptAndDupRefuseWrongUse)
{
    EXPECT_EQ(ThrownMessage([&] { socket.Accept(); }), "Error 10022 in function not a listening socket\r\nInvalid argument");
    EXPECT_EQ(ThrownMessage([&] { socket.Dup(INVALID_SOCKET); }), "Error 10022 in function Dup\r\nInvalid argument");
    EXPECT_EQ(ThrownMessage([&] { socket.Listen(); }), "Error 10022 in function listen: port not assigned\r\nInvalid argument");
}

TEST_F(WSocketSession, ClosingTwiceReportsTheEndOnce)
{
    socket.OnSessionClosed = [&](TObject*, std::uint16_t error) { log.push_back("closed " + std::to_string(error)); };
    ASSERT_TRUE(Connect());
    socket.Close();
    socket.Close();
    RunFor(100);
    EXPECT_EQ(std::tuple(log, socket.State()), std::tuple(Log { "closed 0" }, wsClosed));
    // The peer sees an orderly end.
    EXPECT_EQ(ReadAll(peer, 10, 2000), "");
}

TEST_F(WSocketSession, PeerCloseIsReportedAfterItsData)
{
    LogEvents();
    ASSERT_TRUE(Connect());
    SendAll(peer, "last words");
    ClosePeer();
    ASSERT_TRUE(RunUntil([&] { return socket.State() == wsClosed; }));
    EXPECT_EQ(log, (Log { "connected 0", "data last words", "closed 0" }));
}

TEST_F(WSocketSession, ReadAndCloseInOneNotification)
{
    LogEvents();
    ASSERT_TRUE(Connect());
    SendAll(peer, "both");
    pollfd p { socket.Handle(), POLLRDHUP, 0 };
    ClosePeer();
    ASSERT_EQ(::poll(&p, 1, 2000), 1);
    // Ahead of anything the platform posts for the same socket.
    PostMessage(socket.Window(), WM_ASYNCSELECT, WPARAM(socket.Handle()), LPARAM(FD_READ | FD_CLOSE));
    ASSERT_TRUE(RunUntil([&] { return socket.State() == wsClosed; }));
    RunFor(50);
    EXPECT_EQ(log, (Log { "connected 0", "data both", "closed 0" }));
}

TEST_F(WSocketSession, PeerResetGives10054)
{
    LogEvents();
    ASSERT_TRUE(Connect());
    ResetClose(std::exchange(peer, -1));
    ASSERT_TRUE(RunUntil([&] { return socket.State() == wsClosed; }));
    EXPECT_EQ(log, (Log { "connected 0", "closed 10054" }));
}

TEST_F(WSocketSession, CloseWhileConnectingIsIgnored)
{
    socket.OnSessionClosed = [&](TObject*, std::uint16_t error) { log.push_back("closed " + std::to_string(error)); };
    StartConnect(socket, listener.Port());
    ASSERT_EQ(socket.State(), wsConnecting);
    SendMessage(socket.Window(), WM_ASYNCSELECT, WPARAM(socket.Handle()), LPARAM(FD_CLOSE));
    EXPECT_EQ(std::tuple(log, socket.State()), std::tuple(Log {}, wsConnecting));
    ASSERT_TRUE(RunUntil([&] { return socket.State() == wsConnected; }));
}

TEST_F(WSocketSession, HandlersMayFreeTheirComponent)
{
    // In the data event, with more data and the close still to come.
    auto* reading = new TWSocket(nullptr);
    reading->OnDataAvailable = [&](TObject*, std::uint16_t) { delete std::exchange(reading, nullptr); };
    ASSERT_TRUE(ConnectTo(*reading, listener, peer));
    SendAll(peer, "x");
    ClosePeer();
    ASSERT_TRUE(RunUntil([&] { return !reading; }));
    RunFor(50);

    // In the connect event of a refused connection, before its close.
    auto* refused = new TWSocket(nullptr);
    refused->OnSessionConnected = [&](TObject*, std::uint16_t) { delete std::exchange(refused, nullptr); };
    StartConnect(*refused, UnusedLoopbackPort());
    ASSERT_TRUE(RunUntil([&] { return !refused; }));

    // In the closed event, and in a state change during Close.
    auto* closing = new TWSocket(nullptr);
    int peer2 = -1;
    ASSERT_TRUE(ConnectTo(*closing, listener, peer2));
    closing->OnSessionClosed = [&](TObject*, std::uint16_t) { delete closing; };
    closing->Close();
    auto* changing = new TWSocket(nullptr);
    ASSERT_TRUE(ConnectTo(*changing, listener, peer));
    changing->OnChangeState = [&](TObject*, TSocketState, TSocketState) { delete changing; };
    changing->SendStr("queued");
    changing->Close();
    RunFor(50);
    ::close(peer2);
}

TEST_F(WSocketSession, HandlerMayCloseInsideTheDataEvent)
{
    socket.OnDataAvailable = [&](TObject*, std::uint16_t) {
        log.push_back("data");
        socket.Close();
    };
    socket.OnSessionClosed = [&](TObject*, std::uint16_t error) { log.push_back("closed " + std::to_string(error)); };
    ASSERT_TRUE(Connect());
    SendAll(peer, "abc");
    ASSERT_TRUE(RunUntil([&] { return socket.State() == wsClosed; }));
    RunFor(50);
    EXPECT_EQ(log, (Log { "data", "closed 0" }));
}

TEST_F(WSocketSession, DatagramConnectNeedsNoExchange)
{
    LogEvents();
    socket.SetProto("udp");
    StartConnect(socket, 9);
    EXPECT_EQ(std::tuple(socket.State(), log), std::tuple(wsConnected, Log { "connected 0" }));
    socket.Close();
}

TEST_F(WSocketSession, PausedSocketHearsNothingUntilResumed)
{
    std::string got;
    CollectData(socket, got);
    ASSERT_TRUE(Connect());
    socket.Pause();
    SendAll(peer, "later");
    RunFor(150);
    EXPECT_EQ(got, "");
    socket.Resume();
    ASSERT_TRUE(RunUntil([&] { return got == "later"; }));
}
