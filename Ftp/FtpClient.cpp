// TFtpClient: the client with a time-out and synchronous wrappers.

#include "Ftp/Ftpcli.h"

#include "platform/MessagePump.h"
#include "platform/Application.h"

#include <algorithm>

TFtpClient::TFtpClient(TComponent* owner)
    : TCustomFtpCli(owner)
{
    Timeout = 15;
}

bool TFtpClient::WaitUntilReady()
{
    auto alive = AliveGuard();
    m_deadline = GetTickCount64() + std::uint64_t(std::max(Timeout, 0)) * 1000;
    std::int64_t progress = TransferProgress();
    while (m_state != ftpReady) {
        std::uint64_t now = GetTickCount64();
        // Data reaching the other side keeps the caller waiting; bytes that
        // only fill the platform's buffers for a server that has stopped
        // reading do not.
        if (std::int64_t reached = TransferProgress(); reached != progress) {
            progress = reached;
            m_deadline = now + std::uint64_t(std::max(Timeout, 0)) * 1000;
        }
        if (Timeout > 0 && now >= m_deadline) {
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
                wait = now >= m_deadline ? 0 : int(std::min<std::uint64_t>(m_deadline - now, 100));
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
