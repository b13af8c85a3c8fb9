// The send queue, the receive calls, and the operations that wait: Wait,
// ReadLine and Flush.

#include "net/WSocket.h"

#include "platform/MessagePump.h"
#include "net/Wait.h"
#include "platform/Application.h"

#include <algorithm>

namespace {

// Pieces handed to the platform in one call: many blocks per call keep the
// number of calls down without copying the blocks together.
constexpr int kPiecesPerSend = 128;

int remainingMs(std::uint64_t deadline)
{
    std::uint64_t now = GetTickCount64();
    return now >= deadline ? 0 : int(std::min<std::uint64_t>(deadline - now, 1000));
}

}

int TCustomWSocket::Send(const void* data, int length)
{
    if (m_state != wsConnected) {
        winsock::WSASetLastError(WSAENOTCONN);
        ReportSocketError("Send");
        return -1;
    }
    m_allSent = false;
    if (length > 0)
        QueueData(static_cast<const char*>(data), length);
    else
        length = 0;
    auto alive = AliveGuard();
    TryToSend();
    if (!alive)
        return length;
    // OnDataSent always comes from the message loop, never from inside Send.
    if (m_allSent && m_hSocket != INVALID_SOCKET)
        PostSelfWrite();
    return length;
}

int TCustomWSocket::SendStr(const std::string& text) { return Send(text.data(), int(text.size())); }

void TCustomWSocket::PostSelfWrite()
{
    auto alive = AliveGuard();
    HWND window = m_window;
    SOCKET s = m_hSocket;
    std::uint64_t session = m_session;
    PostCall([this, alive, window, s, session] {
        // Dropped when the component has gone or its connection has changed.
        if (!alive || m_session != session)
            return;
        SendMessage(window, WM_ASYNCSELECT, WPARAM(s), LPARAM(FD_WRITE));
    });
}

void TCustomWSocket::QueueData(const char* data, int length)
{
    if (m_bufferList.empty())
        m_bufferList.push_back(std::make_unique<TBuffer>(m_bufferSize));
    int done = m_bufferList.back()->Write(data, length);
    while (done < length) {
        m_bufferList.push_back(std::make_unique<TBuffer>(m_bufferSize));
        done += m_bufferList.back()->Write(data + done, length - done);
    }
}

void TCustomWSocket::TryToSend()
{
    if (m_hSocket == INVALID_SOCKET)
        return;
    if (m_bufferList.empty()) {
        // Nothing was ever queued (a send of 0 bytes): all of it has gone.
        m_allSent = true;
        return;
    }
    auto alive = AliveGuard();
    WSABUF pieces[kPiecesPerSend];
    for (;;) {
        // A drained first block is freed unless it is the only one, which
        // stays for reuse.
        int pending = 0;
        m_bufferList.front()->Peek(pending);
        while (pending == 0 && m_bufferList.size() > 1) {
            m_bufferList.pop_front();
            m_bufferList.front()->Peek(pending);
        }
        if (pending == 0) {
            m_allSent = true;
            return;
        }

        int count = 0;
        long long total = 0;
        bool gather = m_type == SOCK_STREAM && m_sendFlags == 0;
        for (auto& block : m_bufferList) {
            int n = 0;
            const char* p = block->Peek(n);
            if (n == 0 || count == kPiecesPerSend)
                break;
            pieces[count++] = WSABUF { std::uint32_t(n), p };
            total += n;
            if (!gather)
                break;
        }

        int sent;
        if (m_type == SOCK_DGRAM)
            sent = winsock::sendto(m_hSocket, pieces[0].buf, int(pieces[0].len), m_sendFlags, &m_sin, sizeof m_sin);
        else if (count == 1)
            sent = winsock::send(m_hSocket, pieces[0].buf, int(pieces[0].len), m_sendFlags);
        else
            sent = winsock::WSASend(m_hSocket, pieces, count, m_sendFlags);

        if (sent > 0) {
            m_sentCount += sent;
            int left = sent;
            for (auto& block : m_bufferList) {
                if (left == 0)
                    break;
                left -= block->Remove(left);
            }
            if (sent < total)
                return;
            continue;
        }
        if (sent == 0)
            return;
        int error = winsock::WSAGetLastError();
        if (error == WSAEINVAL || error == WSAENOTSOCK || error == WSAECONNRESET || error == WSAENOTCONN) {
            Close();
            return;
        }
        if (error == WSAEWOULDBLOCK)
            return;
        ReportSocketError("TryToSend failed");
        return;
    }
}

int TCustomWSocket::Receive(void* buffer, int size)
{
    int n = winsock::recv(m_hSocket, static_cast<char*>(buffer), size, 0);
    if (n < 0)
        m_lastError = winsock::WSAGetLastError();
    else
        m_readCount += n;
    return n;
}

int TCustomWSocket::ReceiveFrom(void* buffer, int size, sockaddr_in& from, int& fromLength)
{
    int n = winsock::recvfrom(m_hSocket, static_cast<char*>(buffer), size, 0, &from, &fromLength);
    if (n < 0)
        m_lastError = winsock::WSAGetLastError();
    else
        m_readCount += n;
    return n;
}

void TCustomWSocket::ReadLineChars()
{
    if (m_hSocket == INVALID_SOCKET) {
        EndLineMode();
        return;
    }
    auto alive = AliveGuard();
    while (m_state == wsConnected) {
        unsigned long waiting = 0;
        if (winsock::ioctlsocket(m_hSocket, winsock::FIONREAD_, &waiting) == SOCKET_ERROR) {
            m_lineMode = false;
            ReportSocketError("ioctlSocket");
            return;
        }
        if (waiting == 0)
            return;
        char c = 0;
        int n = winsock::recv(m_hSocket, &c, 1, 0);
        if (n == 1) {
            ++m_readCount;
            bool end = c == '\n';
            bool tooLong = false;
            if (c != '\n' && c != '\r') {
                m_line += c;
                m_lineLength = int(m_line.size());
                // The line ends here as if LF had come: a peer cannot make
                // it grow past its limit.
                if (m_lineLength >= MaxLineLength) {
                    end = true;
                    tooLong = true;
                }
            }
            if (tooLong && OnLineTooLong && !Destroying()) {
                auto handler = OnLineTooLong;
                handler(this);
                if (!alive)
                    return;
            }
            if (end) {
                EndLineMode();
                return;
            }
            continue;
        }
        if (n == 0) {
            m_lineMode = false;
            Close();
            return;
        }
        int error = winsock::WSAGetLastError();
        if (error == WSAEWOULDBLOCK)
            continue;
        if (error == WSAECONNRESET) {
            m_lineMode = false;
            Close();
            return;
        }
        ReportSocketError("ReadLine");
        return;
    }
}

// Multithreaded, the messages are pumped here until `done` or the deadline;
// otherwise the wait object runs modally until the socket ends its wait.
void TCustomWSocket::waitUntil(int seconds, const std::function<bool()>& done)
{
    auto alive = AliveGuard();
    if (MultiThreaded) {
        std::uint64_t deadline = GetTickCount64() + std::uint64_t(std::max(seconds, 0)) * 1000;
        while (alive && !done() && GetTickCount64() < deadline) {
            PumpMessages();
            if (alive && !done())
                WaitForMessages(remainingMs(deadline));
        }
        return;
    }
    TWait* wait = WaitCtrl();
    auto waitAlive = wait->AliveGuard();
    wait->SetCaption(std::to_string(seconds));
    wait->Show();
    wait->RunModal();
    if (waitAlive)
        wait->Hide();
}

void TCustomWSocket::ReadLine(int seconds, std::string& line)
{
    if (!MultiThreaded && !WaitCtrl()) {
        ReportError("No wait object assigned");
        return;
    }
    if (!m_lineMode) {
        m_line.clear();
        m_lineLength = 0;
    }
    m_lineMode = true;
    auto alive = AliveGuard();
    ReadLineChars();
    if (!alive) {
        line.clear();
        return;
    }
    if (m_lineMode) {
        ++m_waiting;
        waitUntil(seconds, [this] { return !m_lineMode; });
        if (!alive) {
            line.clear();
            return;
        }
        --m_waiting;
    }
    line = m_line;
}

bool TCustomWSocket::Wait(int seconds, TSocketState state)
{
    if (m_state == state)
        return false;
    m_awaitedState = state;
    m_hasAwaitedState = true;
    auto alive = AliveGuard();
    if (!MultiThreaded && !WaitCtrl()) {
        winsock::WSASetLastError(WSANO_DATA);
        ReportSocketError("TWSocket.Wait");
        if (alive)
            m_hasAwaitedState = false;
        return false;
    }
    ++m_waiting;
    waitUntil(seconds, [this, state] { return m_state == state; });
    if (!alive)
        return false;
    --m_waiting;
    bool reached = m_state == state;
    m_hasAwaitedState = false;
    return reached;
}

void TCustomWSocket::Flush()
{
    auto alive = AliveGuard();
    if (MultiThreaded) {
        // Bounded like the countdown: a peer that stops reading must not
        // hold the caller for ever.
        std::uint64_t deadline = GetTickCount64() + std::uint64_t(std::max(FlushTimeout, 0)) * 1000;
        while (alive && m_hSocket != INVALID_SOCKET && !m_allSent && GetTickCount64() < deadline) {
            TryToSend();
            if (!alive || m_hSocket == INVALID_SOCKET || m_allSent)
                return;
            PumpMessages();
            if (alive && m_hSocket != INVALID_SOCKET && !m_allSent)
                WaitForMessages(remainingMs(deadline));
        }
        return;
    }
    TWait* wait = WaitCtrl();
    if (!wait) {
        ReportError("No wait object assigned");
        return;
    }
    auto waitAlive = wait->AliveGuard();
    auto finish = [&] {
        if (alive)
            --m_waiting;
        if (waitAlive) {
            wait->Stop();
            wait->Hide();
        }
    };
    ++m_waiting;
    wait->SetCaption(std::to_string(FlushTimeout));
    wait->Show();
    wait->Start();
    try {
        while (alive && waitAlive && wait->Running() && m_hSocket != INVALID_SOCKET && !m_allSent) {
            TryToSend();
            if (!alive || m_hSocket == INVALID_SOCKET || m_allSent)
                break;
            Application->ProcessMessages();
            if (alive && waitAlive && wait->Running() && m_hSocket != INVALID_SOCKET && !m_allSent)
                WaitForMessages(1000);
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
}
