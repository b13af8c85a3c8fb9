// The send queue and the receive path.

#include "tests/net/SocketTestSupport.h"

#include <atomic>

using WSocketData = SocketPeer;

TEST_F(WSocketData, SendQueuesBlocksAndReportsFromTheLoop)
{
    ASSERT_TRUE(Connect());
    RunFor(50);  // the write notification that follows the connect
    socket.OnDataSent = [&](TObject*, std::uint16_t error) { log.push_back("sent " + std::to_string(error)); };
    std::string data = PatternBytes(4000);
    EXPECT_EQ(socket.Send(data.data(), int(data.size())), 4000);
    // Drained blocks are freed but the last, which stays for reuse.
    EXPECT_EQ(std::tuple(log, socket.QueuedBlocks(), socket.AllSent()), std::tuple(Log {}, 1u, true));
    ASSERT_TRUE(RunUntil([&] { return !log.empty(); }));
    RunFor(50);
    EXPECT_EQ(log, Log { "sent 0" });
    EXPECT_EQ(ReadAll(peer, 4000), data);
}

TEST_F(WSocketData, SendOnAClosedSocketIsRefused)
{
    EXPECT_EQ(ThrownMessage([&] { socket.SendStr("x"); }), "Error 10057 in function Send\r\nSocket is not connected");
    socket.OnError = [&](TObject*) { log.push_back("error"); };
    EXPECT_EQ(socket.SendStr("x"), -1);
    EXPECT_EQ(log, Log { "error" });
}

TEST_F(WSocketData, LargeSendToASlowReaderArrivesWholeAndInOrder)
{
    ASSERT_TRUE(Connect());
    const std::string data = PatternBytes(24 * 1024 * 1024 + 123);
    std::string received;
    std::atomic<bool> done { false };
    std::thread reader([&] {
        char buf[32768];
        for (ssize_t n; (n = ::recv(peer, buf, sizeof buf, 0)) > 0;) {
            received.append(buf, std::size_t(n));
            if (received.size() % (1024 * 1024) < sizeof buf)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        done = true;
    });
    bool allSent = false;
    socket.OnDataSent = [&](TObject*, std::uint16_t) { allSent = true; };
    // In pieces of odd sizes, as a caller would.
    for (std::size_t at = 0, n; at < data.size(); at += n) {
        n = std::min<std::size_t>(777777, data.size() - at);
        ASSERT_EQ(socket.Send(data.data() + at, int(n)), int(n));
    }
    EXPECT_TRUE(RunUntil([&] { return allSent; }, 60000));
    // Closing at once loses nothing that was queued.
    socket.Close();
    EXPECT_TRUE(RunUntil([&] { return done.load(); }, 60000));
    reader.join();
    EXPECT_EQ(received.size(), data.size());
    EXPECT_TRUE(received == data);
}

TEST_F(WSocketData, FlushWaitsUntilTheQueueHasGone)
{
    socket.MultiThreaded = true;
    ASSERT_TRUE(Connect());
    const std::string data = PatternBytes(8 * 1024 * 1024);
    std::string received;
    std::thread reader([&] { received = ReadAll(peer, data.size(), 30000); });
    socket.Send(data.data(), int(data.size()));
    socket.Flush();
    EXPECT_TRUE(socket.AllSent());
    reader.join();
    EXPECT_TRUE(received == data);
}

TEST_F(WSocketData, ReceiveCountsAndReportsWaitingBytes)
{
    ASSERT_TRUE(Connect());
    SendAll(peer, "0123456789");
    ASSERT_TRUE(RunUntil([&] { return socket.RcvdCount() == 10; }));
    char buf[4];
    EXPECT_EQ(socket.Receive(buf, 4), 4);
    EXPECT_EQ(std::tuple(socket.ReadCount(), socket.RcvdCount()), std::tuple(4, 6));
    char rest[16];
    EXPECT_EQ(socket.Receive(rest, 16), 6);
    EXPECT_EQ(socket.Receive(rest, 16), -1);
    EXPECT_EQ(std::tuple(socket.LastError(), socket.ReadCount()), std::tuple(10035, 10));
}

TEST_F(WSocketData, AHandlerThatReadsNothingIsNotCalledForEver)
{
    socket.OnDataAvailable = [&](TObject*, std::uint16_t) { log.push_back("data"); };
    ASSERT_TRUE(Connect());
    SendAll(peer, "ignored");
    ASSERT_TRUE(RunUntil([&] { return !log.empty(); }));
    RunFor(100);
    // No further notification until something is received.
    EXPECT_EQ(log, Log { "data" });
}

TEST_F(WSocketData, WhatACloseLeftUnsentIsNotSentOnTheNextConnection)
{
    ASSERT_TRUE(Connect());
    // The peer reads nothing, so most of this stays queued.
    std::string stale(64 * 1024 * 1024, 's');
    socket.Send(stale.data(), int(stale.size()));
    ASSERT_GT(socket.QueuedBlocks(), 1u);
    socket.Close();
    ClosePeer();

    ASSERT_TRUE(Connect());
    socket.SendStr("fresh");
    RunFor(50);
    socket.Close();
    EXPECT_EQ(ReadAll(peer), "fresh");
}

TEST_F(WSocketData, ReceivedByteCountGoesPast2GiB)
{
    ASSERT_TRUE(Connect());
    const std::int64_t total = (std::int64_t(1) << 31) + 10;
    std::thread sender([&] {
        const std::string block(1 << 20, 'x');
        for (std::int64_t left = total; left > 0; left -= std::int64_t(block.size()))
            SendAll(peer, std::string_view(block).substr(0, std::size_t(left)));
    });
    std::vector<char> buffer(1 << 20);
    std::int64_t received = 0;
    for (std::uint64_t end = GetTickCount64() + 60000; received < total && GetTickCount64() < end;) {
        int n = socket.Receive(buffer.data(), int(buffer.size()));
        received += std::max(n, 0);
        pollfd p { socket.Handle(), POLLIN, 0 };
        if (n <= 0)
            ::poll(&p, 1, 100);
    }
    sender.join();
    EXPECT_EQ(std::tuple(received, socket.ReadCount()), std::tuple(total, total));
}
