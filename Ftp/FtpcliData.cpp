// The data connection: PORT, accepting the server's connection, retrieval
// into a local file, sending a local file, progress and the statistics.

#include "Ftp/Ftpcli.h"
#include "Ftp/FtpcliGuard.h"

#include "platform/StrUtils.h"

#include <arpa/inet.h>
#include <netinet/tcp.h>

#include <cstdlib>

namespace {

constexpr int kRetrBlock = 2048;
constexpr int kSendBlock = 1024;
// Blocks queued each time the data socket's queue has drained: enough to
// keep the connection busy, little enough to keep the queue short.
constexpr int kSendBlocksPerRound = 64;

// The server's system tells how far its program has read only in the window
// it offers, and once it holds the whole file, only when asked: an idle
// connection is probed every second, and each answer brings the window.
void AskPeerEverySecond(SOCKET h)
{
    int on = 1;
    int second = 1;
    winsock::setsockopt(h, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on);
    winsock::setsockopt(h, IPPROTO_TCP, TCP_KEEPIDLE, &second, sizeof second);
    winsock::setsockopt(h, IPPROTO_TCP, TCP_KEEPINTVL, &second, sizeof second);
}

}

bool TCustomFtpCli::CheckProgress()
{
    bool abort = false;
    if (OnProgress) {
        auto alive = AliveGuard();
        OnProgress(this, m_byteCount + m_restartPos, abort);
        if (!alive)
            return false;
    }
    if (!abort)
        return true;
    Display("! Abort requested");
    CutTransfer(kAborted, "426 Abort requested");
    return false;
}

TFtpTransferProgress TCustomFtpCli::TransferProgress()
{
    TFtpTransferProgress p;
    p.Taken = m_byteCount;
    p.Start = m_startTime;
    if (m_transfer.mode != dmStore || !m_transfer.dataAccepted)
        return p;
    p.Taken = m_data->TakenCount();
    if (winsock::TcpPeerState peer; m_data->PeerState(peer)) {
        p.Window = peer.Window;
        // The end of the sending side is acknowledged after its last byte.
        p.Whole = m_transfer.phase == tpAllSent && std::int64_t(peer.Acknowledged) > p.Taken;
    }
    return p;
}

// ---- PORT

void TCustomFtpCli::DataPort()
{
    RunLowLevel(ftpRqPort, [this] {
        ConnectedCheck();
        CloseDataSocket(false);
        m_transfer.mode = dmNone;
        m_transfer.dataAccepted = false;
        m_dataHandle = INVALID_SOCKET;
        m_transfer.commandSent = false;
        m_transfer.phase = tpWaiting;
        m_data->SetProto("tcp");
        m_data->SetAddr("0.0.0.0");
        m_data->SetPort("0");
        // Some servers connect as soon as they have the PORT line; the
        // connection is taken whenever it comes.
        m_data->OnSessionAvailable = [this](TObject*, std::uint16_t e) { Guarded([&] { DataSessionAvailable(e); }); };
        m_data->Listen();
        int port = std::atoi(m_data->GetLocalPortText().c_str());

        sockaddr_in local {};
        int length = sizeof local;
        m_control->GetLocalSockAddr(local, length);
        sockaddr_in peer {};
        length = sizeof peer;
        m_control->GetPeerSockAddr(peer, length);
        m_serverAddress = peer.sin_addr.s_addr;
        bool loopback = Trim(m_control->Addr()) == "127.0.0.1";
        ExecCommand(ftpRqPort, stDataPort, FtpPortLine(loopback, local.sin_addr.s_addr, port), { 200 });
    });
}

void TCustomFtpCli::DataSessionAvailable(std::uint16_t)
{
    SOCKET h = m_data->Accept();
    if (h == INVALID_SOCKET)
        return;
    sockaddr_in peer {};
    int length = sizeof peer;
    if (winsock::getpeername(h, &peer, &length) == SOCKET_ERROR || peer.sin_addr.s_addr != m_serverAddress) {
        // Only the server may deliver the data; anyone else is turned away
        // and the port stays open for the server.
        winsock::closesocket(h);
        Display(std::string("! Data connection refused from ") + winsock::inet_ntoa(peer.sin_addr));
        return;
    }
    m_data->OnSessionAvailable = nullptr;
    m_data->Close();
    m_data->OnSessionClosed = [this](TObject*, std::uint16_t e) { Guarded([&] { DataSessionClosed(e); }); };
    m_data->OnDataAvailable = [this](TObject*, std::uint16_t) { Guarded([&] { DataDataAvailable(); }); };
    m_data->OnDataSent = [this](TObject*, std::uint16_t) { Guarded([&] { DataSent(); }); };
    m_dataHandle = h;
    m_transfer.dataAccepted = true;
    m_data->Dup(h);
    m_startTime = GetTickCount64();
    if (m_transfer.mode == dmStore)
        AskPeerEverySecond(h);
    if (m_transfer.mode == dmStore && m_transfer.commandSent && m_transfer.phase == tpWaiting) {
        m_transfer.phase = tpSending;
        SendNextBlock();
    }
}

void TCustomFtpCli::DataDataAvailable()
{
    if (m_transfer.mode == dmRetrieve) {
        RetrieveBlock();
        return;
    }
    // Nothing is expected from the server on an upload's connection.
    char discard[kRetrBlock];
    m_data->Receive(discard, kRetrBlock);
}

void TCustomFtpCli::DataSent()
{
    if (m_transfer.mode == dmStore && m_transfer.phase != tpWaiting)
        SendNextBlock();
}

void TCustomFtpCli::DataSessionClosed(std::uint16_t error)
{
    m_transfer.dataAccepted = false;
    m_dataHandle = INVALID_SOCKET;
    if (m_transfer.mode == dmRetrieve) {
        if (m_localFile && std::fclose(m_localFile) != 0)
            FailTransfer(kLocalFileError, "451 Error writing local file");
        m_localFile = nullptr;
        if (error != 0)
            FailTransfer(kAborted, "426 Data connection reset.");
        m_transfer.dataClosed = true;
        TransferCompletionCheck();
    } else if (m_transfer.mode == dmStore) {
        CloseLocalFile();
        // The server or the network ended the upload before the file did.
        if (m_transfer.phase != tpAllSent)
            FailTransfer(kAborted, "426 Data connection closed.");
        m_transfer.dataClosed = true;
        TransferCompletionCheck();
    }
}

// ---- retrieval

void TCustomFtpCli::RetrData() { StartRetrieval(ftpRqGet, stRetrData, "RETR"); }

void TCustomFtpCli::ListData() { StartRetrieval(ftpRqDir, stListData, "LIST"); }

void TCustomFtpCli::NlstData() { StartRetrieval(ftpRqLs, stNlstData, "NLST"); }

void TCustomFtpCli::BeginTransfer(const std::string& notConnected, TFtpStep step, bool store)
{
    if (!m_connected)
        throw FtpException(notConnected);
    if (LocalFileName.empty())
        throw FtpException("LocalFileName empty");
    if (HasCommandBreak(HostFileName))
        throw FtpException("Invalid character in HostFileName");
    m_transfer.finalReply = false;
    m_transfer.dataClosed = false;
    m_requestDone = false;
    m_lastStepError = 0;
    m_lastStep = step;
    m_byteCount = 0;
    m_transferError = 0;
    ++m_transferSerial;
    m_transfer.mode = store ? dmStore : dmRetrieve;
    CloseLocalFile();
}

void TCustomFtpCli::SendTransferCommand(TStepProc firstReply, const std::string& command)
{
    m_okCodes.clear();
    m_doneAsync = nullptr;
    m_next = firstReply;
    SetState(ftpWaitingResponse);
    SendCommand(command);
    m_transfer.commandSent = true;
}

void TCustomFtpCli::StartRetrieval(TFtpRequest rq, TFtpStep step, const char* name)
{
    RunLowLevel(rq, [&] {
        BeginTransfer(std::string(name) + ": not connected", step, false);
        m_retrCmd = name;
        if (m_restartPos > 0) {
            m_localFile = std::fopen(LocalFileName.c_str(), "r+b");
            if (m_localFile && fseeko(m_localFile, off_t(m_restartPos), SEEK_SET) != 0)
                CloseLocalFile();
        } else {
            m_localFile = std::fopen(LocalFileName.c_str(), "wb");
        }
        if (!m_localFile) {
            m_lastResponse = "Unable to open local file " + LocalFileName;
            m_statusCode = 550;
            if (m_errorMessage.empty())
                m_errorMessage = m_lastResponse;
            CloseDataSocket(false);
            m_lastStepError = 550;
            EndRequest(550);
            return;
        }
        SendTransferCommand(&TCustomFtpCli::RetrFirstReply, HostFileName.empty() ? m_retrCmd : m_retrCmd + " " + HostFileName);
        if (m_transfer.dataAccepted)
            m_startTime = GetTickCount64();
    });
}

void TCustomFtpCli::RetrFirstReply()
{
    m_statusCode = FtpReplyNumber(m_lastResponse);
    bool valid = IsFtpReplyLine(m_lastResponse);
    if (valid && (m_statusCode == 125 || m_statusCode == 150)) {
        m_next = &TCustomFtpCli::RetrFinalReply;
        return;
    }
    m_next = nullptr;
    m_restartPos = 0;
    EndTransferOnReply(valid, false);
}

void TCustomFtpCli::RetrFinalReply() { TransferFinalReply("! RETR/LIST/NLST Failed", false); }

void TCustomFtpCli::RetrieveBlock()
{
    if (!CheckProgress())
        return;
    char block[kRetrBlock];
    int n = m_data->Receive(block, kRetrBlock);
    if (n > 0) {
        m_byteCount += n;
        if (!m_localFile || std::fwrite(block, 1, std::size_t(n), m_localFile) != std::size_t(n)) {
            Display("! Error writing local file");
            FailTransfer(kLocalFileError, "451 Error writing local file");
            m_data->ShutDown(2);
            return;
        }
        if (DisplayFlag) {
            std::string text(block, std::size_t(n));
            std::size_t i = 0;
            while (i < text.size()) {
                std::size_t end = text.find_first_of("\r\n", i);
                if (end == std::string::npos)
                    end = text.size();
                if (end > i)
                    Display("! Data: " + text.substr(i, end - i));
                i = end;
                while (i < text.size() && (text[i] == '\r' || text[i] == '\n'))
                    ++i;
            }
        }
    } else if (n < 0 && m_data->State() == wsConnected && m_data->LastError() != WSAEWOULDBLOCK) {
        Display("! Data: Receive error " + std::to_string(m_data->LastError()));
        FailTransfer(kAborted, "426 Data: Receive error " + std::to_string(m_data->LastError()));
        m_data->ShutDown(2);
    }
}

// ---- store

void TCustomFtpCli::StorData() { StartStore(ftpRqPut, stStorData, false); }

void TCustomFtpCli::AppeData() { StartStore(ftpRqAppend, stAppeData, true); }

void TCustomFtpCli::StartStore(TFtpRequest rq, TFtpStep step, bool append)
{
    RunLowLevel(rq, [&] {
        BeginTransfer("STOR/APPE: not connected", step, true);
        m_append = append;
        m_transfer.phase = tpWaiting;
        m_localFile = std::fopen(LocalFileName.c_str(), "rb");
        if (m_localFile && m_restartPos > 0 && fseeko(m_localFile, off_t(m_restartPos), SEEK_SET) != 0)
            CloseLocalFile();
        if (!m_localFile) {
            m_errorMessage = "Unable to open local file " + LocalFileName;
            Display("! " + m_errorMessage);
            CloseDataSocket(false);
            m_lastResponse = m_errorMessage;
            m_statusCode = 550;
            m_lastStepError = 550;
            EndRequest(550);
            return;
        }
        SendTransferCommand(&TCustomFtpCli::StorFirstReply, (append ? "APPE " : "STOR ") + HostFileName);
    });
}

void TCustomFtpCli::StorFirstReply()
{
    m_statusCode = FtpReplyNumber(m_lastResponse);
    bool valid = IsFtpReplyLine(m_lastResponse);
    if (valid && (m_statusCode == 125 || m_statusCode == 150)) {
        m_next = &TCustomFtpCli::StorFinalReply;
        // A connection the server made before the command starts now.
        if (m_transfer.dataAccepted && m_transfer.phase == tpWaiting) {
            m_transfer.phase = tpSending;
            m_startTime = GetTickCount64();
            SendNextBlock();
        }
        return;
    }
    m_next = nullptr;
    m_restartPos = 0;
    EndTransferOnReply(valid, m_transfer.phase != tpWaiting);
}

void TCustomFtpCli::StorFinalReply() { TransferFinalReply("! STOR Failed", m_transfer.phase != tpAllSent); }

void TCustomFtpCli::TransferFinalReply(const char* failure, bool abortiveClose)
{
    if (m_transfer.finalReply)
        return;
    m_statusCode = FtpReplyNumber(m_lastResponse);
    bool valid = IsFtpReplyLine(m_lastResponse);
    if (valid && (m_statusCode == 226 || m_statusCode == 250)) {
        m_transfer.finalReply = true;
        if (m_transfer.mode == dmStore && m_transfer.phase == tpAllSent && !m_transfer.dataClosed) {
            // The server has the whole file: what is left of the
            // connection goes, and its close ends the transfer.
            auto alive = AliveGuard();
            m_data->Close();
            if (!alive || m_transfer.dataClosed)
                return;
            m_transfer.dataClosed = true;
        }
        TransferCompletionCheck();
        return;
    }
    Display(failure);
    EndTransferOnReply(valid, abortiveClose);
}

void TCustomFtpCli::EndTransferOnReply(bool validReply, bool abortiveClose)
{
    if (m_errorMessage.empty())
        m_errorMessage = m_lastResponse;
    CloseDataSocket(abortiveClose);
    CloseLocalFile();
    m_lastStepError = validReply ? m_statusCode : kBadReply;
    EndRequest(m_lastStepError);
}

void TCustomFtpCli::SendNextBlock()
{
    if (m_transfer.phase == tpAllSent)
        return;
    auto alive = AliveGuard();
    std::uint64_t serial = m_transferSerial;
    // One Send per round, so that the socket reports one drained queue for
    // it; the file is still read a block at a time, with progress for each.
    m_sendRound.clear();
    bool atEnd = false;
    for (int i = 0; i < kSendBlocksPerRound; ++i) {
        if (!CheckProgress())
            return;
        if (!alive || serial != m_transferSerial || !m_localFile || m_data->State() != wsConnected)
            return;
        char block[kSendBlock];
        std::size_t n = std::fread(block, 1, kSendBlock, m_localFile);
        if (n == 0) {
            if (std::ferror(m_localFile)) {
                Display("! Error reading file");
                CutTransfer(kLocalFileError, "451 Error reading file");
                return;
            }
            atEnd = true;
            break;
        }
        m_byteCount += std::int64_t(n);
        m_sendRound.insert(m_sendRound.end(), block, block + n);
    }
    if (!m_sendRound.empty()) {
        // The end follows once this has gone out.
        m_data->Send(m_sendRound.data(), int(m_sendRound.size()));
        return;
    }
    if (atEnd) {
        // Only the sending side ends: the socket stays until the server
        // has read everything and closes, so that how much it has taken
        // can still be told (a slow server may still be reading).
        m_transfer.phase = tpAllSent;
        m_data->ShutDown(1);
    }
}

// ---- the end of a transfer

void TCustomFtpCli::TransferCompletionCheck()
{
    if (!m_transfer.finalReply || !m_transfer.dataClosed)
        return;
    ShowStatistics();
    m_restartPos = 0;
    // The server may have answered 226 for a transfer this side cut short.
    if (m_transferError != 0)
        ShowFailure(m_errorMessage);
    m_lastStepError = m_transferError;
    EndRequest(m_transferError);
}

void TCustomFtpCli::FailTransfer(int error, const std::string& message)
{
    if (m_transferError != 0)
        return;
    m_transferError = error;
    m_errorMessage = message;
}

void TCustomFtpCli::CutTransfer(int error, const std::string& message)
{
    FailTransfer(error, message);
    if (m_data->State() == wsClosed)
        return;
    // An upload is reset, not ended, so that the server does not take the
    // part it has for the whole file.
    if (m_transfer.mode == dmStore && m_transfer.dataAccepted && m_dataHandle != INVALID_SOCKET) {
        linger hard { 1, 0 };
        winsock::setsockopt(m_dataHandle, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
        m_data->Abort();
    } else {
        m_data->Close();
    }
}

void TCustomFtpCli::CloseDataSocket(bool abortive)
{
    m_data->OnSessionAvailable = nullptr;
    m_data->OnSessionClosed = nullptr;
    m_data->OnDataAvailable = nullptr;
    m_data->OnDataSent = nullptr;
    if (m_data->State() != wsClosed) {
        if (abortive && m_transfer.dataAccepted && m_dataHandle != INVALID_SOCKET) {
            linger hard { 1, 0 };
            winsock::setsockopt(m_dataHandle, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
            m_data->Abort();
        } else {
            m_data->Close();
        }
    }
    m_transfer.dataAccepted = false;
    m_dataHandle = INVALID_SOCKET;
}

void TCustomFtpCli::CloseLocalFile()
{
    if (!m_localFile)
        return;
    std::fclose(m_localFile);
    m_localFile = nullptr;
}

void TCustomFtpCli::ShowStatistics()
{
    m_stopTime = GetTickCount64();
    Display("! " + FtpStatisticsText(m_byteCount, m_startTime, m_stopTime));
}
