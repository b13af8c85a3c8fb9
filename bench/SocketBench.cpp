// Throughput of the socket component: one TWSocket sends 1 GiB to another in
// the same process over 127.0.0.1, everything driven by the message loop;
// beside it, a plain blocking socket pair copies the same bytes.

#include "platform/MessagePump.h"
#include "net/WSocket.h"
#include "platform/Application.h"

#include <QApplication>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr long long kTotal = 1LL << 30;
constexpr int kChunk = 1 << 20;

double seconds(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double rate(long long bytes, double secs) { return secs > 0 ? double(bytes) / 1e6 / secs : 0; }

// Whether `n` bytes read at stream offset `offset` are the pattern's there.
bool samePlace(const std::vector<char>& chunk, long long offset, const char* data, int n)
{
    std::size_t at = std::size_t(offset % kChunk);
    for (std::size_t done = 0; done < std::size_t(n);) {
        std::size_t piece = std::min(std::size_t(n) - done, chunk.size() - at);
        if (std::memcmp(data + done, chunk.data() + at, piece) != 0)
            return false;
        done += piece;
        at = 0;
    }
    return true;
}

std::vector<char> pattern(std::size_t size)
{
    std::vector<char> data(size);
    for (std::size_t i = 0; i < size; ++i)
        data[i] = char((i * 31 + 7) & 0xFF);
    return data;
}

// The component pair; returns MB/s, or a negative number on failure.
double componentPair(const std::vector<char>& chunk)
{
    TWSocket server(nullptr), receiver(nullptr), sender(nullptr);
    server.SetAddr("127.0.0.1");
    server.SetPort("0");
    if (server.Listen() != 0)
        return -1;
    server.OnSessionAvailable = [&](TObject*, std::uint16_t) { receiver.Dup(server.Accept()); };

    long long received = 0;
    long long mismatches = 0;
    std::vector<char> buffer(static_cast<std::size_t>(kChunk));
    receiver.OnDataAvailable = [&](TObject*, std::uint16_t) {
        int n = receiver.Receive(buffer.data(), int(buffer.size()));
        if (n <= 0)
            return;
        // Every byte is checked against where it belongs in the stream.
        if (!samePlace(chunk, received, buffer.data(), n))
            ++mismatches;
        received += n;
    };

    long long queued = 0;
    auto sendMore = [&] {
        if (queued >= kTotal)
            return;
        int n = int(std::min<long long>(kChunk, kTotal - queued));
        queued += sender.Send(chunk.data(), n);
    };
    bool connected = false;
    sender.OnSessionConnected = [&](TObject*, std::uint16_t error) { connected = error == 0; };
    sender.SetAddr("127.0.0.1");
    sender.SetPort(server.GetLocalPortText());
    sender.Connect();
    while (!(connected && receiver.State() == wsConnected)) {
        Application->ProcessMessages();
        WaitForMessages(50);
    }
    // Nothing may move before the clock starts: the sender learns that it
    // may send only now.
    if (received != 0 || queued != 0)
        return -1;

    auto start = std::chrono::steady_clock::now();
    sender.OnDataSent = [&](TObject*, std::uint16_t) { sendMore(); };
    sendMore();
    while (received < kTotal) {
        Application->ProcessMessages();
        if (received < kTotal)
            WaitForMessages(100);
        if (seconds(start) > 300)
            return -1;
    }
    double secs = seconds(start);
    if (mismatches || received != kTotal) {
        std::fprintf(stderr, "socket bench: %lld reads out of place, %lld bytes of %lld\n", mismatches, received, kTotal);
        return -1;
    }
    return rate(kTotal, secs);
}

// Two blocking sockets, a writer thread and a reading caller.
double plainPair(const std::vector<char>& chunk)
{
    int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a {};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    if (::bind(listener, reinterpret_cast<sockaddr*>(&a), sizeof a) < 0 || ::listen(listener, 1) < 0)
        return -1;
    ::getsockname(listener, reinterpret_cast<sockaddr*>(&a), &len);
    int writer = ::socket(AF_INET, SOCK_STREAM, 0);
    if (::connect(writer, reinterpret_cast<sockaddr*>(&a), sizeof a) < 0)
        return -1;
    int reader = ::accept(listener, nullptr, nullptr);
    ::close(listener);

    auto start = std::chrono::steady_clock::now();
    std::thread write([&] {
        long long sent = 0;
        while (sent < kTotal) {
            std::size_t n = std::size_t(std::min<long long>(kChunk, kTotal - sent));
            std::size_t done = 0;
            while (done < n) {
                ssize_t k = ::send(writer, chunk.data() + done, n - done, MSG_NOSIGNAL);
                if (k <= 0)
                    return;
                done += std::size_t(k);
            }
            sent += static_cast<long long>(n);
        }
    });
    std::vector<char> buffer(static_cast<std::size_t>(kChunk));
    long long received = 0;
    bool same = true;
    while (received < kTotal) {
        ssize_t n = ::recv(reader, buffer.data(), buffer.size(), 0);
        if (n <= 0)
            break;
        // The same check as the component pair's, so that both pay for it.
        same = samePlace(chunk, received, buffer.data(), int(n)) && same;
        received += n;
    }
    double secs = seconds(start);
    write.join();
    ::close(writer);
    ::close(reader);
    return received == kTotal && same ? rate(kTotal, secs) : -1;
}

}

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication qt(argc, argv);
    Application = new TApplication;

    std::vector<char> chunk = pattern(std::size_t(kChunk));
    double plain = plainPair(chunk);
    double component = componentPair(chunk);
    std::printf("1 GiB over 127.0.0.1 (1 MB = 10^6 bytes)\n");
    std::printf("  plain blocking pair: %8.1f MB/s\n", plain);
    std::printf("  TWSocket pair:       %8.1f MB/s\n", component);
    if (plain > 0 && component > 0)
        std::printf("  ratio:               %8.2f\n", component / plain);
    delete Application;
    return plain > 0 && component > 0 ? 0 : 1;
}
