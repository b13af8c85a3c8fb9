// TFtpClient: the client with a time-out and synchronous wrappers.

#include "Ftp/Ftpcli.h"

#include "platform/MessagePump.h"
#include "platform/Application.h"

#include <algorithm>

TProgressDeadline::TProgressDeadline(int timeoutSeconds, std::uint64_t now)
    : m_timeout(std::uint64_t(std::max(timeoutSeconds, 0)) * 1000)
    , m_lastMove(now)
{
}

void TProgressDeadline::Look(std::uint64_t now, const TFtpTransferProgress& p)
{
    // Data reaching the other side, or a server whose window opens as its
    // program reads, keeps the caller waiting; bytes that only fill the
    // platform's buffers for a server that has stopped reading do not.
    if (p.Taken != m_last.Taken || p.Window != m_last.Window || p.Whole != m_last.Whole) {
        m_last = p;
        m_lastMove = now;
    }
    // A closed window: the server's buffers are full, so what its system
    // took between two such looks is what its program read meanwhile.
    if (p.Window == 0 && p.Taken > 0 && !p.Whole) {
        // Only the last looks count: the server's buffers may have grown
        // before, and what filled them then was not read.
        m_full.emplace_back(now, p.Taken);
        while (now - m_full.front().first > kRateSpan)
            m_full.pop_front();
    }
    if (p.Whole && !m_whole) {
        m_whole = true;
        m_wholeAt = now;
        m_wholeWindow = m_topWindow = p.Window;
        // What the server's system took beyond what its program has read
        // at that rate since the connection began still waits in its
        // buffers; without a rate, possibly all of it.
        double rate = FullRate();
        m_unread = double(p.Taken);
        if (rate > 0 && p.Start != 0 && now > p.Start)
            m_unread = std::clamp(double(p.Taken) - rate * double(now - p.Start), 0.0, double(p.Taken));
        if (rate > 0)
            m_allowance = std::uint64_t(std::min(1.5 * m_unread, double(p.Taken)) / rate);
        else
            // Its reading may never show (its window can stay where its
            // growth stopped): it is held to taking a window's worth in
            // each Timeout instead of anything at all.
            m_allowance = std::uint64_t(double(m_timeout) * m_unread / std::max(double(p.Window), kLeastWindow));
        return;
    }
    if (!m_whole || p.Window <= m_topWindow)
        return;
    // Each growth of the window is what the program read since the one
    // before; over a second or more it gives the rate at which the rest
    // goes once the growth can no longer be seen.
    m_topWindow = p.Window;
    double read = double(m_topWindow - m_wholeWindow);
    if (now < m_wholeAt + 1000)
        return;
    double rate = read / double(now - m_wholeAt);
    m_allowance = std::uint64_t(1.5 * std::max(m_unread - read, 0.0) / rate);
}

double TProgressDeadline::FullRate() const
{
    if (m_full.empty())
        return 0;
    auto rate = [](const auto& from, const auto& to) {
        if (to.first < from.first + 1000 || to.second <= from.second)
            return 0.0;
        return double(to.second - from.second) / double(to.first - from.first);
    };
    const auto& first = m_full.front();
    const auto& last = m_full.back();
    if (last.first < first.first + 2 * kHalfSpan)
        return rate(first, last);
    // Buffers that grow while the window stays closed show as a jump in
    // what the server took, not as reading: the slower half of the looks
    // is the one without it. A half without any taken gives no rate.
    auto middle = std::find_if(m_full.begin(), m_full.end(),
        [&](const auto& look) { return look.first >= first.first + (last.first - first.first) / 2; });
    return std::min(rate(first, *middle), rate(*middle, last));
}

TFtpClient::TFtpClient(TComponent* owner)
    : TCustomFtpCli(owner)
{
    Timeout = 15;
}

bool TFtpClient::WaitUntilReady()
{
    auto alive = AliveGuard();
    TProgressDeadline deadline(Timeout, GetTickCount64());
    while (m_state != ftpReady) {
        std::uint64_t now = GetTickCount64();
        deadline.Look(now, TransferProgress());
        if (Timeout > 0 && now >= deadline.At()) {
            AbortRequest();
            if (!alive)
                return false;
            ShowFailure("426 Timeout");
            return false;
        }
        if (MultiThreaded)
            m_control->PumpMessages();
        else if (Application)
            Application->ProcessMessages();
        else
            ProcessPostedMessages();
        if (!alive)
            return false;
        if (m_state != ftpReady) {
            int wait = 100;
            if (Timeout > 0) {
                now = GetTickCount64();
                wait = now >= deadline.At() ? 0 : int(std::min<std::uint64_t>(deadline.At() - now, 100));
            }
            WaitForMessages(wait);
            if (!alive)
                return false;
        }
    }
    return m_doneError == 0;
}

template<class F>
bool TFtpClient::Synchronize(F&& start)
{
    try {
        start();
    } catch (...) {
        return false;
    }
    return WaitUntilReady();
}

bool TFtpClient::TransmitSync() { return Synchronize([this] { Transmit(); }); }

bool TFtpClient::MkDirSync() { return Synchronize([this] { MkDir(); }); }

bool TFtpClient::DeleteSync() { return Synchronize([this] { Delete(); }); }
