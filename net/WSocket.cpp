#include "net/WSocket.h"

#include "net/Wait.h"
#include "platform/StrUtils.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cctype>

int TCustomWSocket::s_socketCount = 0;
bool TCustomWSocket::s_winsockStarted = false;

namespace {

bool startsWithDigit(const std::string& text) { return !text.empty() && std::isdigit(static_cast<unsigned char>(text[0])); }

// Leading blanks skipped, reading stops at the first character that is not
// a digit.
int leadingNumber(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    long long n = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        n = std::min(n * 10 + (text[i] - '0'), 0x7FFFFFFFLL);
    return int(n);
}

}

TCustomWSocket::TCustomWSocket(TComponent* owner)
    : TComponent(owner)
{
    m_window = AllocateHWnd([this](TMessage& m) { WndProc(m); });
    ResetDefaults();
    ++s_socketCount;
    if (!s_winsockStarted) {
        WSAData data;
        int rc = winsock::WSAStartup(0x0101, &data);
        if (rc != 0)
            throw ESocketException("wsock32.dll: WSAStartup error #" + std::to_string(rc));
        s_winsockStarted = true;
    }
}

TCustomWSocket::~TCustomWSocket()
{
    BeginDestroy();
    // A countdown run for this socket would otherwise go on to its end.
    if (m_waiting && WaitCtrlUsable() && WaitCtrl()->Running())
        WaitCtrl()->Stop();
    CancelDnsLookup();
    if (m_state != wsClosed)
        Close();
    if (m_hSocket != INVALID_SOCKET)
        winsock::closesocket(m_hSocket);
    --s_socketCount;
    if (s_winsockStarted && s_socketCount < 1) {
        winsock::WSACleanup();
        s_winsockStarted = false;
        s_socketCount = 0;
    }
    DeallocateHWnd(m_window);
}

void TCustomWSocket::ResetDefaults()
{
    m_sin = sockaddr_in {};
    m_sin.sin_family = AF_INET;
    m_family = AF_INET;
    m_portAssigned = false;
    m_addrAssigned = false;
    m_protoAssigned = true;
    m_protocol = IPPROTO_TCP;
    m_protoText = "tcp";
    m_type = SOCK_STREAM;
    m_hSocket = INVALID_SOCKET;
    m_state = wsClosed;
    m_hasAwaitedState = false;
    // What a closed connection left unsent must never reach the next one.
    m_bufferList.clear();
    m_allSent = true;
    m_lineMode = false;
    m_lineLength = 0;
    m_paused = false;
    m_readCount = 0;
    m_sentCount = 0;
    m_closeReported = false;
    FlushTimeout = 60;
}

// ---- properties

void TCustomWSocket::SetProto(const std::string& text)
{
    if (m_state != wsClosed) {
        ReportError("Cannot change Proto if not closed");
        return;
    }
    m_protoText = text;
    std::string name = Trim(text);
    int number;
    if (startsWithDigit(name)) {
        number = leadingNumber(name);
    } else {
        number = winsock::getprotobyname(name.c_str());
        if (number < 0) {
            m_protoAssigned = false;
            ReportSocketError("SetProto: Cannot convert protocol '" + text + "'");
            return;
        }
    }
    m_protocol = number;
    m_type = number == IPPROTO_UDP ? SOCK_DGRAM : SOCK_STREAM;
    m_protoAssigned = true;
}

void TCustomWSocket::SetPort(const std::string& text)
{
    if (m_state != wsClosed) {
        ReportError("Cannot change Port if not closed");
        return;
    }
    m_portText = text;
    std::string name = Trim(text);
    int number;
    if (startsWithDigit(name)) {
        // A number past the last port is refused, not wrapped onto another port.
        number = leadingNumber(name);
        if (number > 0xFFFF) {
            m_portAssigned = false;
            ReportError("SetPort: Cannot convert port '" + text + "'");
            return;
        }
    } else {
        number = winsock::getservbyname(name.c_str(), m_protoText.empty() ? nullptr : m_protoText.c_str());
        if (number < 0) {
            m_portAssigned = false;
            ReportSocketError("SetPort: Cannot convert port '" + text + "'");
            return;
        }
    }
    m_portNumber = number;
    m_sin.sin_port = htons(std::uint16_t(number));
    m_portAssigned = true;
}

void TCustomWSocket::SetAddr(const std::string& text)
{
    if (m_state != wsClosed) {
        ReportError("Cannot change Addr if not closed");
        return;
    }
    m_addrAssigned = false;
    m_addrText = text;
    std::string name = Trim(text);
    std::uint32_t address = winsock::inet_addr(name.c_str());
    if (address == INADDR_NONE_ && name != "255.255.255.255") {
        // A name: looked up on the spot, as the caller expects the address
        // to be usable once set.
        if (!winsock::gethostbyname(name.c_str(), address))
            throw ESocketException("SetAddr: Cannot convert host address '" + text + "'");
    }
    m_sin.sin_addr.s_addr = address;
    m_addrAssigned = true;
}

int TCustomWSocket::RcvdCount()
{
    unsigned long n = 0;
    if (winsock::ioctlsocket(m_hSocket, winsock::FIONREAD_, &n) == SOCKET_ERROR) {
        ReportSocketError("ioctlSocket");
        return -1;
    }
    return int(n);
}

bool TCustomWSocket::PeerState(winsock::TcpPeerState& state)
{
    return m_hSocket != INVALID_SOCKET && winsock::GetTcpPeerState(m_hSocket, state);
}

std::int64_t TCustomWSocket::TakenCount()
{
    if (winsock::TcpPeerState peer; PeerState(peer))
        return std::min<std::int64_t>(std::int64_t(peer.Acknowledged), m_sentCount);
    unsigned long held = 0;
    if (m_hSocket == INVALID_SOCKET || winsock::ioctlsocket(m_hSocket, winsock::SIOCOUTQ_, &held) == SOCKET_ERROR)
        return m_sentCount;
    return std::max<std::int64_t>(m_sentCount - std::int64_t(held), 0);
}

TWait* TCustomWSocket::WaitCtrl() const { return m_waitAlive ? m_waitCtrl : nullptr; }

void TCustomWSocket::SetWaitCtrl(TWait* wait)
{
    m_waitCtrl = wait;
    m_waitAlive = wait ? wait->AliveGuard() : TAliveGuard();
}

TSocketSendFlags TCustomWSocket::SendFlags() const
{
    if (m_sendFlags != 0 && m_sendFlags != 1) {
        const_cast<TCustomWSocket*>(this)->ReportError("Invalid internal SendFlags");
        return wsSendNormal;
    }
    return TSocketSendFlags(m_sendFlags);
}

void TCustomWSocket::SetSendFlags(TSocketSendFlags flags)
{
    if (flags != wsSendNormal && flags != wsSendUrgent) {
        ReportError("Invalid SendFlags");
        return;
    }
    m_sendFlags = int(flags);
}

// ---- reporting and events

void TCustomWSocket::ReportErrorFmt(const std::string& text) { ReportError(text); }

void TCustomWSocket::ReportError(const std::string& text)
{
    // Nothing is raised from a component on its way out.
    if (Destroying())
        return;
    if (OnError)
        FireError();
    else
        throw ESocketException(text);
}

void TCustomWSocket::ReportSocketError(const std::string& step)
{
    int error = winsock::WSAGetLastError();
    std::string text = "Error " + std::to_string(error) + " in function " + step + "\r\n" + WinsockErrorText(error);
    if (error == WSAECONNRESET || error == WSAENOTCONN) {
        if (m_hSocket != INVALID_SOCKET)
            winsock::closesocket(m_hSocket);
        m_hSocket = INVALID_SOCKET;
        m_bufferList.clear();
        m_allSent = true;
        if (m_state != wsClosed) {
            auto alive = AliveGuard();
            ChangeState(wsClosed);
            if (!alive)
                return;
        }
    }
    ReportError(text);
}

// Each handler runs from a copy, so that it may free the component (and
// with it the event member) while it runs.

bool TCustomWSocket::FireDataAvailable(std::uint16_t error)
{
    if (Destroying() || !OnDataAvailable)
        return false;
    auto handler = OnDataAvailable;
    handler(this, error);
    return true;
}

void TCustomWSocket::FireSessionAvailable(std::uint16_t error)
{
    if (Destroying() || !OnSessionAvailable)
        return;
    auto handler = OnSessionAvailable;
    handler(this, error);
}

void TCustomWSocket::FireSessionConnected(std::uint16_t error)
{
    if (Destroying() || !OnSessionConnected)
        return;
    auto handler = OnSessionConnected;
    handler(this, error);
}

void TCustomWSocket::FireSessionClosed(std::uint16_t error)
{
    if (Destroying() || !OnSessionClosed)
        return;
    auto handler = OnSessionClosed;
    handler(this, error);
}

void TCustomWSocket::FireDataSent(std::uint16_t error)
{
    if (Destroying() || !OnDataSent)
        return;
    auto handler = OnDataSent;
    handler(this, error);
}

void TCustomWSocket::FireChangeState(TSocketState oldState, TSocketState newState)
{
    if (Destroying() || !OnChangeState)
        return;
    auto handler = OnChangeState;
    handler(this, oldState, newState);
}

void TCustomWSocket::FireDnsLookupDone(std::uint16_t error)
{
    if (Destroying() || !OnDnsLookupDone)
        return;
    auto handler = OnDnsLookupDone;
    handler(this, error);
}

void TCustomWSocket::FireError()
{
    if (Destroying() || !OnError)
        return;
    auto handler = OnError;
    handler(this);
}

void TCustomWSocket::ChangeState(TSocketState newState)
{
    TSocketState oldState = m_state;
    m_state = newState;
    auto alive = AliveGuard();
    FireChangeState(oldState, newState);
    if (!alive)
        return;
    if (WaitCtrlUsable() && m_hasAwaitedState
        && (newState == m_awaitedState || (m_awaitedState == wsConnected && newState == wsClosed)))
        WaitCtrl()->Stop();
}

void TCustomWSocket::StopWaitCtrl()
{
    if (WaitCtrlUsable() && !Destroying())
        WaitCtrl()->Stop();
}

void TCustomWSocket::EndLineMode()
{
    m_lineMode = false;
    StopWaitCtrl();
}

// ---- small queries

std::string TCustomWSocket::GetPeerAddrText()
{
    if (m_state != wsConnected)
        return "error";
    sockaddr_in peer {};
    int len = sizeof peer;
    if (winsock::getpeername(m_hSocket, &peer, &len) == SOCKET_ERROR) {
        ReportSocketError("GetPeerName");
        return "error";
    }
    return winsock::inet_ntoa(peer.sin_addr);
}

int TCustomWSocket::GetPeerSockAddr(sockaddr_in& address, int& length)
{
    if (m_state != wsConnected)
        return -1;
    return winsock::getpeername(m_hSocket, &address, &length);
}

std::string TCustomWSocket::GetLocalPortText()
{
    if (m_state != wsBound && m_state != wsConnected && m_state != wsListening)
        return "error";
    sockaddr_in local {};
    int len = sizeof local;
    if (winsock::getsockname(m_hSocket, &local, &len) == SOCKET_ERROR)
        return "error";
    return std::to_string(ntohs(local.sin_port));
}

int TCustomWSocket::GetLocalSockAddr(sockaddr_in& address, int& length)
{
    return winsock::getsockname(m_hSocket, &address, &length);
}

bool TCustomWSocket::TimeIsSet(const timeval& t) { return t.tv_sec != 0 || t.tv_usec != 0; }

void TCustomWSocket::TimeClear(timeval& t)
{
    t.tv_sec = 0;
    t.tv_usec = 0;
}

bool TCustomWSocket::TimeCompare(const timeval& a, const timeval& b, bool equal)
{
    bool same = a.tv_sec == b.tv_sec && a.tv_usec == b.tv_usec;
    return equal ? same : !same;
}

void TCustomWSocket::ShutDown(int how)
{
    if (m_hSocket != INVALID_SOCKET)
        winsock::shutdown(m_hSocket, how);
}

void TCustomWSocket::Pause()
{
    m_paused = true;
    winsock::WSAAsyncSelect(m_hSocket, m_window, 0, 0);
}

void TCustomWSocket::Resume()
{
    m_paused = false;
    winsock::WSAAsyncSelect(m_hSocket, m_window, WM_ASYNCSELECT, FD_READ | FD_WRITE | FD_CONNECT | FD_CLOSE);
}

void TCustomWSocket::PumpMessages() { ProcessPostedMessages(); }
