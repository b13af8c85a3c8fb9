#pragma once
// Helpers of the socket tests: plain blocking peers on 127.0.0.1 and a loop
// that pumps messages until a condition holds.

#include "platform/MessagePump.h"
#include "net/WSocket.h"
#include "tests/support/Loopback.h"
#include "tests/support/MessageLoop.h"
#include "tests/support/ThrownMessage.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

using Log = std::vector<std::string>;

// Milliseconds the step takes.
inline std::uint64_t Took(const std::function<void()>& step)
{
    const std::uint64_t start = GetTickCount64();
    step();
    return GetTickCount64() - start;
}

// Sends a reset instead of an orderly close.
inline void ResetClose(int fd)
{
    ResetOnClose(fd);
    ::close(fd);
}

// Reaches the component's handle and hidden receiver.
class ProbeSocket : public TWSocket {
public:
    using TWSocket::TWSocket;
    SOCKET Handle() const { return m_hSocket; }
    HWND Window() const { return m_window; }
    int PortNumber() const { return m_portNumber; }
    int Protocol() const { return m_protocol; }
    int Type() const { return m_type; }
    std::size_t QueuedBlocks() const { return m_bufferList.size(); }
    bool AllSent() const { return m_allSent; }
};

// A connect started to 127.0.0.1:port, not waited for.
inline void StartConnect(TWSocket& socket, int port)
{
    socket.SetAddr("127.0.0.1");
    socket.SetPort(std::to_string(port));
    socket.Connect();
}

// A client component connected to a plain listener; the peer's descriptor
// in `peer`.
inline bool ConnectTo(TWSocket& socket, PlainListener& listener, int& peer)
{
    socket.SetProto("tcp");
    StartConnect(socket, listener.Port());
    if (!RunUntil([&] { return socket.State() == wsConnected; }))
        return false;
    peer = listener.Accept();
    return peer >= 0;
}

// Hands what one receive takes, at each notification of data, to `take`.
inline void OnReceived(TWSocket& socket, std::function<void(const std::string&)> take)
{
    socket.OnDataAvailable = [&socket, take](TObject*, std::uint16_t) {
        char buf[100];
        int n = socket.Receive(buf, sizeof buf);
        if (n > 0)
            take(std::string(buf, std::size_t(n)));
    };
}

// What the component says, as "connected N", "data TEXT" (one entry per
// notification) and "closed N".
inline void LogEvents(TWSocket& socket, Log& log)
{
    socket.OnSessionConnected = [&log](TObject*, std::uint16_t error) { log.push_back("connected " + std::to_string(error)); };
    OnReceived(socket, [&log](const std::string& bytes) { log.push_back("data " + bytes); });
    socket.OnSessionClosed = [&log](TObject*, std::uint16_t error) { log.push_back("closed " + std::to_string(error)); };
}

// Everything the component receives, appended to `into`.
inline void CollectData(TWSocket& socket, std::string& into)
{
    OnReceived(socket, [&into](const std::string& bytes) { into += bytes; });
}

// A plain listener; its end of the connection in `peer`, closed after the
// test.
class ListenerEnd : public ::testing::Test {
protected:
    void TearDown() override { ClosePeer(); }
    // Closing nothing (-1) does no harm.
    void ClosePeer() { ::close(std::exchange(peer, -1)); }

    PlainListener listener;
    int peer = -1;
};

// A component to connect to the listener; `log` holds what it says once
// LogEvents is asked for.
class SocketPeer : public ListenerEnd {
protected:
    bool Connect() { return ConnectTo(socket, listener, peer); }
    void LogEvents() { ::LogEvents(socket, log); }

    ProbeSocket socket { nullptr };
    Log log;
};
