#pragma once
// The socket calls of the platform, over non-blocking POSIX sockets.
//
// Every call reports failure the way the platform does: SOCKET_ERROR (or
// INVALID_SOCKET, or a null pointer) with the error number, in the platform's
// own numbering, left for WSAGetLastError. Sockets made here are always
// non-blocking; a connect therefore "fails" with WSAEWOULDBLOCK and finishes
// later as an FD_CONNECT notification (platform/WinSockAsync.h).

#include "platform/WinSockErrors.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>

#include <cstdint>

using SOCKET = int;
constexpr SOCKET INVALID_SOCKET = -1;
constexpr int SOCKET_ERROR = -1;

constexpr std::uint32_t INADDR_NONE_ = 0xFFFFFFFFu;

// Notification bits of WSAAsyncSelect.
constexpr unsigned FD_READ = 1;
constexpr unsigned FD_WRITE = 2;
constexpr unsigned FD_OOB = 4;
constexpr unsigned FD_ACCEPT = 8;
constexpr unsigned FD_CONNECT = 16;
constexpr unsigned FD_CLOSE = 32;

struct WSAData {
    std::uint16_t wVersion = 0;
    std::uint16_t wHighVersion = 0;
};

// One piece of a gathered send.
struct WSABUF {
    std::uint32_t len = 0;
    const char* buf = nullptr;
};

namespace winsock {

int WSAStartup(std::uint16_t version, WSAData* data);
int WSACleanup();
// Whether WSAStartup has been called more often than WSACleanup.
bool Started();

int WSAGetLastError();
void WSASetLastError(int error);

SOCKET socket(int family, int type, int protocol);
int bind(SOCKET, const sockaddr_in* address, int length);
int listen(SOCKET, int backlog);
// The accepted socket is non-blocking like every other.
SOCKET accept(SOCKET, sockaddr_in* address, int* length);
int connect(SOCKET, const sockaddr_in* address, int length);
int send(SOCKET, const char* data, int length, int flags);
// Sends the pieces in order with one call; returns the bytes taken.
int WSASend(SOCKET, const WSABUF* buffers, int count, int flags);
int sendto(SOCKET, const char* data, int length, int flags, const sockaddr_in* to, int toLength);
int recv(SOCKET, char* buffer, int length, int flags);
int recvfrom(SOCKET, char* buffer, int length, int flags, sockaddr_in* from, int* fromLength);
int shutdown(SOCKET, int how);
int closesocket(SOCKET);
int setsockopt(SOCKET, int level, int option, const void* value, int length);
int getsockname(SOCKET, sockaddr_in* address, int* length);
int getpeername(SOCKET, sockaddr_in* address, int* length);
// FIONREAD: the bytes waiting to be read; SIOCOUTQ_: the bytes sent that
// the peer has not taken yet.
int ioctlsocket(SOCKET, long command, unsigned long* argument);
constexpr long FIONREAD_ = 0x4004667F;
constexpr long SIOCOUTQ_ = 0x40047473;

// What the peer's system has told of a TCP connection: the bytes it has
// acknowledged (the end of the sending side counts as one) and the receive
// window it offered last, which opens again as the peer's program reads.
struct TcpPeerState {
    std::uint64_t Acknowledged = 0;
    std::uint32_t Window = 0;
};
bool GetTcpPeerState(SOCKET, TcpPeerState&);

// Dotted address to network-order number; INADDR_NONE_ when it is not one.
std::uint32_t inet_addr(const char* text);
// Network-order number to dotted text.
const char* inet_ntoa(in_addr address);

// Look-ups that block the caller. A failure leaves its error for
// WSAGetLastError; the address is in network order, the numbers -1 when
// nothing is found, the port in host order.
bool gethostbyname(const char* name, std::uint32_t& firstAddress);
int getprotobyname(const char* name);
int getservbyname(const char* name, const char* protocol);

}
