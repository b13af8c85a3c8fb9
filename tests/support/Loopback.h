#pragma once
// Ports of 127.0.0.1 for the servers that tests and benchmarks start, plain
// blocking ends of connections there, a scripted server, and what a
// descriptor gives.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <thread>

inline sockaddr_in LoopbackAddress(int port)
{
    sockaddr_in a {};
    a.sin_family = AF_INET;
    a.sin_port = htons(std::uint16_t(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return a;
}

// The port a socket is bound to.
inline int LocalPort(int fd)
{
    sockaddr_in a {};
    socklen_t len = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    return ntohs(a.sin_port);
}

// A blocking listener on `address` (one of 127.*) and `port` (0: an
// ephemeral one), or -1 when that cannot be had.
inline int ListenOn(const char* address = "127.0.0.1", int port = 0)
{
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0), on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in a = LoopbackAddress(port);
    ::inet_pton(AF_INET, address, &a.sin_addr);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 && ::listen(fd, 16) == 0)
        return fd;
    ::close(fd);
    return -1;
}

// A blocking listener on an ephemeral port of 127.0.0.1.
class PlainListener {
public:
    PlainListener() = default;
    ~PlainListener() { ::close(m_fd); }
    PlainListener(const PlainListener&) = delete;
    PlainListener& operator=(const PlainListener&) = delete;

    int Port() const { return LocalPort(m_fd); }
    std::string PortText() const { return std::to_string(Port()); }
    // -1 when nobody came in time.
    int Accept(int timeoutMs = 5000)
    {
        pollfd p { m_fd, POLLIN, 0 };
        return ::poll(&p, 1, timeoutMs) > 0 ? ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC) : -1;
    }

private:
    int m_fd = ListenOn();
};

// A port where nobody listens (at the moment it is returned).
inline int UnusedLoopbackPort() { return PlainListener().Port(); }

// A blocking client socket connected to 127.0.0.1:port, or -1.
inline int LoopbackConnect(int port)
{
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a = LoopbackAddress(port);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0)
        return fd;
    ::close(fd);
    return -1;
}

// Waits up to five seconds for a server to accept on `port`; gives up at
// once when the server process `server` (if given) has ended.
inline bool WaitForLoopbackPort(int port, pid_t server = -1)
{
    for (int i = 0; i < 100; ++i, ::usleep(50 * 1000)) {
        if (server > 0 && ::waitpid(server, nullptr, WNOHANG) == server)
            return false;
        if (int fd = LoopbackConnect(port); fd >= 0) {
            ::close(fd);
            return true;
        }
    }
    return false;
}

// `size` bytes to send that differ from block to block.
inline std::string PatternBytes(std::size_t size, unsigned seed = 1)
{
    std::string bytes(size, '\0');
    std::uint32_t x = 2463534242u ^ seed;
    for (std::size_t i = 0; i < size; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        bytes[i] = char(x & 0xFF);
    }
    return bytes;
}

// Sends all of `bytes`; false when the peer went first.
inline bool SendAll(int fd, std::string_view bytes)
{
    for (ssize_t n = 0; !bytes.empty(); bytes.remove_prefix(std::size_t(n)))
        if ((n = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL)) <= 0)
            return false;
    return true;
}

// Closing `fd` will send a reset instead of an orderly end.
inline void ResetOnClose(int fd)
{
    linger hard { 1, 0 };
    ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
}

// Reads from a descriptor onto `into` until `enough` holds of it or the time
// is up; false once the peer has ended, with `*reset`, when given, telling
// whether by a reset.
inline bool ReadUntil(int fd, std::string& into, const std::function<bool(const std::string&)>& enough, int timeoutMs = 10000,
    bool* reset = nullptr)
{
    if (fd < 0)
        return false;
    char buf[65536];
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (pollfd p { fd, POLLIN, 0 }; !enough(into) && std::chrono::steady_clock::now() < deadline;) {
        if (::poll(&p, 1, 50) <= 0)
            continue;
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n <= 0 && reset)
            *reset = n < 0 && errno == ECONNRESET;
        if (n <= 0)
            return false;
        into.append(buf, std::size_t(n));
    }
    return true;
}

// What comes from a descriptor until its end, `limit` bytes, the byte `stop`
// or the end of `timeoutMs`.
inline std::string ReadAll(int fd, std::size_t limit = std::size_t(-1), int timeoutMs = 10000, int stop = -1)
{
    std::string out;
    ReadUntil(fd, out, [&](const std::string& got) {
        return got.size() >= limit || (stop >= 0 && got.find(char(stop)) != std::string::npos);
    }, timeoutMs);
    return out;
}

// A listener on `address` (one of 127.*) that hands each connection, with
// its number, to `serve` on a thread of its own; `serve` closes it.
class LoopbackServer {
public:
    using Serve = std::function<void(int fd, int index)>;
    explicit LoopbackServer(Serve serve, const char* address = "127.0.0.1", int port = 0)
        : m_serve(std::move(serve))
        , m_fd(ListenOn(address, port))
    {
        m_thread = std::thread([this] {
            for (pollfd p { m_fd, POLLIN, 0 }; !m_stop;)
                if (int fd = ::poll(&p, 1, 50) > 0 ? ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC) : -1; fd >= 0)
                    m_serve(fd, m_connections++);
        });
    }
    ~LoopbackServer()
    {
        m_stop = true;
        m_thread.join();
        ::close(m_fd);
    }

    bool Bound() const { return m_fd >= 0; }
    int Port() const { return LocalPort(m_fd); }
    int Connections() const { return m_connections; }

private:
    Serve m_serve;
    int m_fd;
    std::atomic<bool> m_stop { false };
    std::atomic<int> m_connections { 0 };
    std::thread m_thread;
};
