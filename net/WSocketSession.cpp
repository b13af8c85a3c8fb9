// Opening and ending connections, and name look-ups.

#include "net/WSocket.h"

#include <arpa/inet.h>

void TCustomWSocket::Connect()
{
    if (m_hSocket != INVALID_SOCKET && m_state != wsClosed) {
        ReportError("Connect: Socket already in use");
        return;
    }
    if (!m_portAssigned) {
        ReportError("Connect: No Port Specified");
        return;
    }
    if (!m_addrAssigned) {
        ReportError("Connect: No IP Address Specified");
        return;
    }
    if (!m_protoAssigned) {
        ReportError("Connect: No Protocol Specified");
        return;
    }
    m_hSocket = winsock::socket(m_family, m_type, m_protocol);
    if (m_hSocket == INVALID_SOCKET) {
        ReportSocketError("Connect (socket)");
        return;
    }
    ++m_session;
    auto alive = AliveGuard();
    ChangeState(wsOpened);
    if (!alive)
        return;

    if (m_type == SOCK_DGRAM) {
        sockaddr_in local {};
        local.sin_family = AF_INET;
        if (winsock::bind(m_hSocket, &local, sizeof local) == SOCKET_ERROR) {
            ReportErrorFmt("winsock.bind failed, error #" + std::to_string(winsock::WSAGetLastError()));
            if (!alive)
                return;
        }
        int len = sizeof local;
        if (winsock::getsockname(m_hSocket, &local, &len) == SOCKET_ERROR) {
            ReportErrorFmt("winsock.getsockname failed, error #" + std::to_string(winsock::WSAGetLastError()));
            if (!alive)
                return;
        } else {
            m_localPort = ntohs(local.sin_port);
        }
        if (m_sin.sin_addr.s_addr == INADDR_NONE_) {
            int on = 1;
            if (winsock::setsockopt(m_hSocket, SOL_SOCKET, SO_BROADCAST, &on, sizeof on) == SOCKET_ERROR) {
                ReportSocketError("setsockopt(SO_BROADCAST)");
                return;
            }
        }
    } else {
        // Lingering stays off: a close must not throw away what the peer
        // has not yet received.
        linger lingerOff { 0, 0 };
        if (winsock::setsockopt(m_hSocket, SOL_SOCKET, SO_LINGER, &lingerOff, sizeof lingerOff) == SOCKET_ERROR) {
            ReportSocketError("setsockopt(SO_LINGER)");
            return;
        }
        int on = 1;
        if (winsock::setsockopt(m_hSocket, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on) == SOCKET_ERROR) {
            ReportSocketError("setsockopt(SO_KEEPALIVE)");
            return;
        }
        if (winsock::setsockopt(m_hSocket, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) == SOCKET_ERROR) {
            ReportSocketError("setsockopt(SO_REUSEADDR)");
            return;
        }
    }

    if (winsock::WSAAsyncSelect(m_hSocket, m_window, WM_ASYNCSELECT,
            FD_READ | FD_WRITE | FD_ACCEPT | FD_CONNECT | FD_CLOSE) == SOCKET_ERROR) {
        ReportSocketError("WSAAsyncSelect");
        return;
    }

    if (m_type == SOCK_DGRAM) {
        ChangeState(wsConnected);
        if (!alive)
            return;
        FireSessionConnected(0);
        return;
    }
    if (winsock::connect(m_hSocket, &m_sin, sizeof m_sin) == SOCKET_ERROR) {
        int error = winsock::WSAGetLastError();
        if (error != WSAEWOULDBLOCK) {
            m_lastError = error;
            ReportSocketError("Connect");
            return;
        }
    }
    ChangeState(wsConnecting);
}

int TCustomWSocket::Listen()
{
    if (!m_portAssigned) {
        winsock::WSASetLastError(WSAEINVAL);
        ReportSocketError("listen: port not assigned");
        return -1;
    }
    if (!m_protoAssigned) {
        winsock::WSASetLastError(WSAEINVAL);
        ReportSocketError("listen: protocol not assigned");
        return -1;
    }
    if (!m_addrAssigned) {
        winsock::WSASetLastError(WSAEINVAL);
        ReportSocketError("listen: address not assigned");
        return -1;
    }
    m_hSocket = winsock::socket(m_family, m_type, m_protocol);
    if (m_hSocket == INVALID_SOCKET) {
        ReportSocketError("socket");
        return -1;
    }
    ++m_session;
    auto alive = AliveGuard();
    if (winsock::bind(m_hSocket, &m_sin, sizeof m_sin) == SOCKET_ERROR) {
        // The socket goes before the report, which may raise.
        int error = winsock::WSAGetLastError();
        winsock::closesocket(m_hSocket);
        m_hSocket = INVALID_SOCKET;
        winsock::WSASetLastError(error);
        ReportSocketError("Bind");
        if (alive)
            Close();
        return -1;
    }
    ChangeState(wsBound);
    if (!alive)
        return -1;
    if (m_type == SOCK_DGRAM) {
        ChangeState(wsListening);
        if (!alive)
            return -1;
        ChangeState(wsConnected);
        if (!alive)
            return -1;
        FireSessionConnected(0);
        if (!alive)
            return -1;
    } else {
        if (winsock::listen(m_hSocket, 5) == SOCKET_ERROR) {
            ReportSocketError("Listen");
            return -1;
        }
        ChangeState(wsListening);
        if (!alive)
            return -1;
    }
    if (winsock::WSAAsyncSelect(m_hSocket, m_window, WM_ASYNCSELECT, FD_READ | FD_WRITE | FD_ACCEPT | FD_CLOSE)
        == SOCKET_ERROR) {
        ReportSocketError("WSAASyncSelect");
        return -1;
    }
    return 0;
}

SOCKET TCustomWSocket::Accept()
{
    if (m_state != wsListening) {
        winsock::WSASetLastError(WSAEINVAL);
        ReportSocketError("not a listening socket");
        return INVALID_SOCKET;
    }
    int len = sizeof m_sin;
    m_acceptedHandle = winsock::accept(m_hSocket, &m_sin, &len);
    if (m_acceptedHandle == INVALID_SOCKET) {
        ReportSocketError("Accept");
        return INVALID_SOCKET;
    }
    return m_acceptedHandle;
}

void TCustomWSocket::Dup(SOCKET newHSocket)
{
    if (newHSocket == 0 || newHSocket == INVALID_SOCKET) {
        winsock::WSASetLastError(WSAEINVAL);
        ReportSocketError("Dup");
        return;
    }
    auto alive = AliveGuard();
    if (m_state != wsClosed) {
        if (winsock::closesocket(m_hSocket) == SOCKET_ERROR) {
            m_hSocket = INVALID_SOCKET;
            ReportSocketError("Dup (closesocket)");
            return;
        }
        m_hSocket = INVALID_SOCKET;
        ChangeState(wsClosed);
        if (!alive)
            return;
    }
    m_hSocket = newHSocket;
    ++m_session;
    if (winsock::WSAAsyncSelect(m_hSocket, m_window, WM_ASYNCSELECT, FD_READ | FD_WRITE | FD_CONNECT | FD_CLOSE)
        == SOCKET_ERROR) {
        ReportSocketError("WSAAsyncSelect");
        return;
    }
    ChangeState(wsConnected);
}

void TCustomWSocket::Close() { InternalClose(true, 0); }

void TCustomWSocket::Abort() { InternalClose(false, 0); }

void TCustomWSocket::InternalClose(bool graceful, std::uint16_t error)
{
    auto alive = AliveGuard();
    if (m_hSocket == INVALID_SOCKET) {
        if (m_state != wsClosed) {
            ChangeState(wsClosed);
            if (!alive)
                return;
        }
        ResetDefaults();
        return;
    }
    if (m_state == wsClosed)
        return;
    if (graceful)
        winsock::shutdown(m_hSocket, 2);
    // The platform's close never reports "would block" here, so there is
    // nothing to wait for.
    if (winsock::closesocket(m_hSocket) == SOCKET_ERROR) {
        m_lastError = winsock::WSAGetLastError();
        ReportSocketError("Disconnect (closesocket)");
        return;
    }
    m_hSocket = INVALID_SOCKET;
    ++m_session;
    ChangeState(wsClosed);
    if (!alive)
        return;
    if (!Destroying() && !m_closeReported && OnSessionClosed) {
        m_closeReported = true;
        FireSessionClosed(error);
        if (!alive)
            return;
    }
    // A handler that opened a new connection keeps its settings.
    if (m_hSocket != INVALID_SOCKET)
        return;
    ResetDefaults();
}

void TCustomWSocket::DnsLookup(const std::string& hostName)
{
    if (hostName.empty()) {
        auto alive = AliveGuard();
        ReportError("DNS lookup: invalid host name.");
        if (!alive)
            return;
        FireDnsLookupDone(WSAEINVAL);
        return;
    }
    if (m_dnsLookupHandle) {
        winsock::WSACancelAsyncRequest(m_dnsLookupHandle);
        m_dnsLookupHandle = 0;
    }
    m_dnsResult.clear();
    m_dnsResultList.clear();
    std::uint32_t address = winsock::inet_addr(hostName.c_str());
    if (address != INADDR_NONE_) {
        in_addr a {};
        a.s_addr = address;
        m_dnsResult = winsock::inet_ntoa(a);
        FireDnsLookupDone(0);
        return;
    }
    m_dnsLookupHandle = winsock::WSAAsyncGetHostByName(m_window, WM_ASYNCGETHOSTBYNAME, hostName.c_str(), &m_hostEntry);
    if (!m_dnsLookupHandle)
        ReportErrorFmt(hostName + ": can't start DNS lookup, error #" + std::to_string(winsock::WSAGetLastError()));
}

void TCustomWSocket::CancelDnsLookup()
{
    if (!m_dnsLookupHandle)
        return;
    if (winsock::WSACancelAsyncRequest(m_dnsLookupHandle) == SOCKET_ERROR) {
        ReportSocketError("WSACancelAsyncRequest");
        return;
    }
    m_dnsLookupHandle = 0;
    FireDnsLookupDone(WSAEINTR);
}
