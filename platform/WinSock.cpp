#include "platform/WinSock.h"
#include "platform/WinSockAsync.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netdb.h>
#include <linux/sockios.h>
#include <linux/tcp.h>
#include <sys/ioctl.h>
#include <sys/uio.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>
#include <vector>

namespace {

thread_local int t_lastError = 0;
int g_startups = 0;

int fail(int error)
{
    t_lastError = error;
    return SOCKET_ERROR;
}

int failErrno() { return fail(WinsockErrorFromErrno(errno)); }

// The outcome of a send. Taking less than was offered means the buffer is
// full, just as "would block" does: room coming back is then announced.
int sent(SOCKET s, ssize_t n, std::size_t offered)
{
    if (n < 0) {
        int error = errno;
        if (error == EAGAIN || error == EWOULDBLOCK)
            winsock::notify::SendBlocked(s);
        return fail(WinsockErrorFromErrno(error));
    }
    if (std::size_t(n) < offered)
        winsock::notify::SendBlocked(s);
    return int(n);
}

int sendFlags(int flags)
{
    // A peer that has gone must give an error, never a signal.
    return MSG_NOSIGNAL | ((flags & 1) ? MSG_OOB : 0);
}

}

namespace winsock {

int WSAStartup(std::uint16_t version, WSAData* data)
{
    if ((version & 0xFF) < 1)
        return WSAVERNOTSUPPORTED;
    ++g_startups;
    if (data) {
        data->wVersion = version;
        data->wHighVersion = 0x0101;
    }
    return 0;
}

int WSACleanup()
{
    if (g_startups <= 0)
        return fail(WSANOTINITIALISED);
    --g_startups;
    return 0;
}

bool Started() { return g_startups > 0; }

int WSAGetLastError() { return t_lastError; }
void WSASetLastError(int error) { t_lastError = error; }

SOCKET socket(int family, int type, int protocol)
{
    int fd = ::socket(family, type | SOCK_NONBLOCK | SOCK_CLOEXEC, protocol);
    if (fd < 0) {
        failErrno();
        return INVALID_SOCKET;
    }
    notify::Created(fd, type);
    return fd;
}

int bind(SOCKET s, const sockaddr_in* address, int length)
{
    if (::bind(s, reinterpret_cast<const sockaddr*>(address), socklen_t(length)) < 0)
        return failErrno();
    return 0;
}

int listen(SOCKET s, int backlog)
{
    if (::listen(s, backlog) < 0)
        return failErrno();
    notify::Listening(s);
    return 0;
}

SOCKET accept(SOCKET s, sockaddr_in* address, int* length)
{
    sockaddr_in peer {};
    socklen_t len = sizeof peer;
    int fd = ::accept4(s, reinterpret_cast<sockaddr*>(&peer), &len, SOCK_NONBLOCK | SOCK_CLOEXEC);
    int error = errno;
    notify::Accepted(s);
    if (fd < 0) {
        fail(WinsockErrorFromErrno(error));
        return INVALID_SOCKET;
    }
    if (address)
        *address = peer;
    if (length)
        *length = int(len);
    notify::Created(fd, SOCK_STREAM);
    return fd;
}

int connect(SOCKET s, const sockaddr_in* address, int length)
{
    int rc = ::connect(s, reinterpret_cast<const sockaddr*>(address), socklen_t(length));
    int error = rc == 0 ? 0 : errno;
    switch (error) {
    case 0:
    case EINPROGRESS:
        notify::Connecting(s, 0);
        return fail(WSAEWOULDBLOCK);
    // The platform reports these through FD_CONNECT even when they are
    // known at once.
    case ECONNREFUSED:
    case ENETUNREACH:
    case EHOSTUNREACH:
    case ETIMEDOUT:
        notify::Connecting(s, WinsockErrorFromErrno(error));
        return fail(WSAEWOULDBLOCK);
    default:
        return fail(WinsockErrorFromErrno(error));
    }
}

int send(SOCKET s, const char* data, int length, int flags)
{
    ssize_t n = ::send(s, data, std::size_t(length < 0 ? 0 : length), sendFlags(flags));
    return sent(s, n, std::size_t(length < 0 ? 0 : length));
}

int WSASend(SOCKET s, const WSABUF* buffers, int count, int flags)
{
    std::vector<iovec> pieces(std::size_t(count < 0 ? 0 : count));
    for (std::size_t i = 0; i < pieces.size(); ++i)
        pieces[i] = iovec { const_cast<char*>(buffers[i].buf), buffers[i].len };
    msghdr message {};
    message.msg_iov = pieces.data();
    message.msg_iovlen = pieces.size();
    std::size_t offered = 0;
    for (const iovec& piece : pieces)
        offered += piece.iov_len;
    ssize_t n = ::sendmsg(s, &message, sendFlags(flags));
    return sent(s, n, offered);
}

int sendto(SOCKET s, const char* data, int length, int flags, const sockaddr_in* to, int toLength)
{
    ssize_t n = ::sendto(s, data, std::size_t(length < 0 ? 0 : length), sendFlags(flags),
        reinterpret_cast<const sockaddr*>(to), socklen_t(toLength));
    return sent(s, n, std::size_t(length < 0 ? 0 : length));
}

int recv(SOCKET s, char* buffer, int length, int flags)
{
    ssize_t n = ::recv(s, buffer, std::size_t(length < 0 ? 0 : length), (flags & 1) ? MSG_OOB : 0);
    int error = errno;
    notify::Received(s);
    if (n < 0)
        return fail(WinsockErrorFromErrno(error));
    return int(n);
}

int recvfrom(SOCKET s, char* buffer, int length, int flags, sockaddr_in* from, int* fromLength)
{
    sockaddr_in peer {};
    socklen_t len = sizeof peer;
    ssize_t n = ::recvfrom(s, buffer, std::size_t(length < 0 ? 0 : length), (flags & 1) ? MSG_OOB : 0,
        reinterpret_cast<sockaddr*>(&peer), &len);
    int error = errno;
    notify::Received(s);
    if (n < 0)
        return fail(WinsockErrorFromErrno(error));
    if (from)
        *from = peer;
    if (fromLength)
        *fromLength = int(len);
    return int(n);
}

int shutdown(SOCKET s, int how)
{
    if (::shutdown(s, how) < 0)
        return failErrno();
    return 0;
}

int closesocket(SOCKET s)
{
    if (s < 0)
        return fail(WSAENOTSOCK);
    notify::Closing(s);
    // Never retried: the descriptor is gone whatever close says.
    if (::close(s) < 0 && errno == EBADF)
        return fail(WSAENOTSOCK);
    return 0;
}

int setsockopt(SOCKET s, int level, int option, const void* value, int length)
{
    if (::setsockopt(s, level, option, value, socklen_t(length)) < 0)
        return failErrno();
    return 0;
}

int getsockname(SOCKET s, sockaddr_in* address, int* length)
{
    socklen_t len = length ? socklen_t(*length) : 0;
    if (::getsockname(s, reinterpret_cast<sockaddr*>(address), &len) < 0)
        return failErrno();
    if (length)
        *length = int(len);
    return 0;
}

int getpeername(SOCKET s, sockaddr_in* address, int* length)
{
    socklen_t len = length ? socklen_t(*length) : 0;
    if (::getpeername(s, reinterpret_cast<sockaddr*>(address), &len) < 0)
        return failErrno();
    if (length)
        *length = int(len);
    return 0;
}

int ioctlsocket(SOCKET s, long command, unsigned long* argument)
{
    if ((command != FIONREAD_ && command != SIOCOUTQ_) || !argument)
        return fail(WSAEINVAL);
    int n = 0;
    if (::ioctl(s, command == FIONREAD_ ? FIONREAD : SIOCOUTQ, &n) < 0)
        return failErrno();
    *argument = static_cast<unsigned long>(n);
    return 0;
}

bool GetTcpPeerState(SOCKET s, TcpPeerState& state)
{
    tcp_info info {};
    socklen_t length = sizeof info;
    if (::getsockopt(s, IPPROTO_TCP, TCP_INFO, &info, &length) < 0) {
        failErrno();
        return false;
    }
    // An older system fills less than it knows of; without the window the
    // report says nothing.
    if (length < offsetof(tcp_info, tcpi_snd_wnd) + sizeof info.tcpi_snd_wnd)
        return false;
    state.Acknowledged = info.tcpi_bytes_acked;
    state.Window = info.tcpi_snd_wnd;
    return true;
}

std::uint32_t inet_addr(const char* text)
{
    in_addr a {};
    if (!text || ::inet_aton(text, &a) == 0)
        return INADDR_NONE_;
    return a.s_addr;
}

const char* inet_ntoa(in_addr address) { return ::inet_ntoa(address); }

bool gethostbyname(const char* name, std::uint32_t& firstAddress)
{
    addrinfo hints {};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* list = nullptr;
    int rc = ::getaddrinfo(name, nullptr, &hints, &list);
    if (rc != 0 || !list) {
        t_lastError = rc != 0 ? WinsockErrorFromLookup(rc) : WSANO_DATA;
        return false;
    }
    firstAddress = reinterpret_cast<const sockaddr_in*>(list->ai_addr)->sin_addr.s_addr;
    ::freeaddrinfo(list);
    return true;
}

int getprotobyname(const char* name)
{
    const protoent* p = name ? ::getprotobyname(name) : nullptr;
    if (!p) {
        t_lastError = WSANO_DATA;
        return -1;
    }
    return p->p_proto;
}

int getservbyname(const char* name, const char* protocol)
{
    const servent* s = name ? ::getservbyname(name, protocol) : nullptr;
    if (!s) {
        t_lastError = WSANO_DATA;
        return -1;
    }
    return ntohs(std::uint16_t(s->s_port));
}

}
