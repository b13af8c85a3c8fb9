#pragma once
// Notifications of the platform's sockets: WSAAsyncSelect and the
// asynchronous host-name look-up.
//
// A notification is posted to the given receiver as message `msg` with the
// socket in WParam and the event bit (low word) and error (high word) in
// LParam. Each is one-shot and re-armed the platform's way:
// - FD_READ when data waits, again only after a recv;
// - FD_ACCEPT when a connection waits, again only after an accept;
// - FD_CONNECT once with the connect's error, and after a connect that
//   worked one FD_WRITE; later FD_WRITE only when a send would have blocked
//   and room has come back;
// - FD_CLOSE once: 0 for an orderly close, WSAECONNRESET for a reset, posted
//   after the FD_READ of the data that was still waiting.
// A notification for a socket closed (or replaced) before delivery is
// dropped, and so is one for a receiver that has gone.

#include "platform/Messages.h"
#include "platform/WinSock.h"

#include <cstdint>
#include <vector>

using HANDLE = std::uintptr_t;

// The answer of WSAAsyncGetHostByName: the host's IPv4 addresses, network
// order, in the order of the platform's answer.
struct HostEntry {
    static constexpr std::size_t MaxAddresses = 64;
    std::vector<std::uint32_t> Addresses;
};

namespace winsock {

// Events 0 stops every notification of the socket; any other set re-arms
// read and accept and looks at the socket at once.
int WSAAsyncSelect(SOCKET, HWND, UINT msg, long events);

// Looks the name up on a worker thread (IPv4). The answer is written to
// `entry` on the receiver's thread just before message `msg` arrives with
// the task in WParam and the error in the high word of LParam. 0 when the
// look-up cannot start.
HANDLE WSAAsyncGetHostByName(HWND, UINT msg, const char* name, HostEntry* entry);
// The task's answer is dropped; WSAEINVAL when it is not pending.
int WSACancelAsyncRequest(HANDLE task);

// The socket calls tell the notifier what they did (platform use only).
namespace notify {
    void Created(SOCKET, int type);
    void Closing(SOCKET);
    void Listening(SOCKET);
    // `error` is the platform error of a connect refused on the spot, or 0.
    void Connecting(SOCKET, int error);
    void Received(SOCKET);
    void Accepted(SOCKET);
    void SendBlocked(SOCKET);
}

}
