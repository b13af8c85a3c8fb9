// The hidden receiver: socket notifications and look-up answers become the
// component's events.

#include "net/WSocket.h"

#include "platform/MessagePump.h"
#include "platform/Application.h"

#include <arpa/inet.h>

void TCustomWSocket::WndProc(TMessage& m)
{
    if (m.Msg == WM_ASYNCSELECT)
        DoSocketNotification(m);
    else if (m.Msg == WM_ASYNCGETHOSTBYNAME)
        DoLookupDone(m);
}

void TCustomWSocket::DoLookupDone(TMessage& m)
{
    if (!m_dnsLookupHandle || HANDLE(m.WParam) != m_dnsLookupHandle)
        return;
    m_dnsLookupHandle = 0;
    auto error = std::uint16_t((std::uint64_t(m.LParam) >> 16) & 0xFFFF);
    if (error == 0) {
        for (std::uint32_t address : m_hostEntry.Addresses) {
            in_addr a {};
            a.s_addr = address;
            m_dnsResultList.push_back(winsock::inet_ntoa(a));
        }
        if (!m_dnsResultList.empty())
            m_dnsResult = m_dnsResultList.front();
    }
    FireDnsLookupDone(error);
}

void TCustomWSocket::DoSocketNotification(TMessage& m)
{
    SOCKET s = SOCKET(m.WParam);
    if (s != m_hSocket || m_hSocket == INVALID_SOCKET || m_paused)
        return;
    unsigned events = unsigned(m.LParam) & 0xFFFF;
    auto error = std::uint16_t((std::uint64_t(m.LParam) >> 16) & 0xFFFF);
    auto alive = AliveGuard();
    // Each step may have closed, reconnected or freed the component; what
    // is left of the notification belongs to the socket it came for.
    auto gone = [&] { return !alive || m_hSocket != s; };

    if (events & FD_CONNECT) {
        ChangeState(wsConnected);
        if (gone())
            return;
        FireSessionConnected(error);
        if (gone())
            return;
        if (error && m_state != wsClosed) {
            Close();
            return;
        }
    }
    if (events & FD_READ) {
        ReadEventLoop(error);
        if (gone())
            return;
    }
    if (events & FD_WRITE) {
        TryToSend();
        if (gone())
            return;
        if (m_allSent && OnDataSent) {
            FireDataSent(error);
            if (gone())
                return;
        }
    }
    if (events & FD_ACCEPT) {
        FireSessionAvailable(error);
        if (gone())
            return;
    }
    if ((events & FD_CLOSE) && m_state != wsConnecting) {
        ReadEventLoop(error);
        if (gone())
            return;
        if (m_lineMode) {
            EndLineMode();
            if (gone())
                return;
        }
        if (OnSessionClosed && !m_closeReported) {
            m_closeReported = true;
            FireSessionClosed(error);
            if (gone())
                return;
        }
        if (m_state != wsClosed)
            Close();
    }
}

void TCustomWSocket::ReadEventLoop(std::uint16_t error)
{
    SOCKET s = m_hSocket;
    auto alive = AliveGuard();
    for (;;) {
        m_lastError = 0;
        if (m_lineMode) {
            ReadLineChars();
            if (!alive)
                return;
        } else {
            std::int64_t before = m_readCount;
            bool handled = FireDataAvailable(error);
            if (!alive || !handled)
                return;
            // A handler that takes nothing would otherwise be called for
            // ever; what it left waits for the next notification.
            if (m_readCount == before)
                return;
        }
        if (m_lastError != 0 || m_hSocket != s || s == INVALID_SOCKET)
            return;
        unsigned long waiting = 0;
        if (winsock::ioctlsocket(s, winsock::FIONREAD_, &waiting) == SOCKET_ERROR) {
            m_lastError = winsock::WSAGetLastError();
            return;
        }
        if (waiting == 0)
            return;
    }
}

void TCustomWSocket::DrainUntilClosed()
{
    auto alive = AliveGuard();
    while (m_hSocket != INVALID_SOCKET && m_state != wsClosed) {
        Application->ProcessMessages();
        if (!alive || m_hSocket == INVALID_SOCKET || m_state == wsClosed)
            return;
        unsigned long waiting = 0;
        if (winsock::ioctlsocket(m_hSocket, winsock::FIONREAD_, &waiting) == SOCKET_ERROR)
            return;
        std::int64_t before = m_readCount;
        if (waiting > 0) {
            if (m_lineMode)
                ReadLineChars();
            else
                FireDataAvailable(0);
            if (!alive)
                return;
        }
        // The end of the connection arrives as its close notification; until
        // then sleep when nothing was taken.
        if (m_readCount == before)
            WaitForMessages(100);
    }
}
