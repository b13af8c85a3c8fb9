#pragma once
// Ports of 127.0.0.1 for the servers that tests and benchmarks start.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>

inline sockaddr_in LoopbackAddress(int port)
{
    sockaddr_in a {};
    a.sin_family = AF_INET;
    a.sin_port = htons(std::uint16_t(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return a;
}

// A port where nobody listens (at the moment it is returned).
inline int UnusedLoopbackPort()
{
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a = LoopbackAddress(0);
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t len = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    ::close(fd);
    return ntohs(a.sin_port);
}

// Waits up to five seconds for a server to accept on `port`; gives up at
// once when the server process `server` (if given) has ended.
inline bool WaitForLoopbackPort(int port, pid_t server = -1)
{
    for (int i = 0; i < 100; ++i) {
        int status = 0;
        if (server > 0 && ::waitpid(server, &status, WNOHANG) == server)
            return false;
        int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a = LoopbackAddress(port);
        bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
        ::close(fd);
        if (ok)
            return true;
        ::usleep(50 * 1000);
    }
    return false;
}
