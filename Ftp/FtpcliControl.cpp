// The control connection: opening it, reading replies, ending requests,
// losing the connection and aborting.

#include "Ftp/Ftpcli.h"
#include "Ftp/FtpcliGuard.h"

#include "platform/Application.h"
#include "platform/WinSockErrors.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr UINT WM_FTP_REQUEST_DONE = WM_USER + 1;
constexpr std::size_t kReplyBufferSize = 4096;

}

TCustomFtpCli::TCustomFtpCli(TComponent* owner)
    : TComponent(owner)
{
    m_window = AllocateHWnd([this](TMessage& m) { CompletionMessage(m); });
    m_control = new TWSocket(this);
    m_control->OnSessionConnected = [this](TObject*, std::uint16_t e) { Guarded([&] { ControlSessionConnected(e); }); };
    m_control->OnDataAvailable = [this](TObject*, std::uint16_t) { Guarded([&] { ControlDataAvailable(); }); };
    m_control->OnSessionClosed = [this](TObject*, std::uint16_t e) { Guarded([&] { ControlSessionClosed(e); }); };
    m_control->OnDnsLookupDone = [this](TObject*, std::uint16_t e) { Guarded([&] { ControlDnsLookupDone(e); }); };
    m_data = new TWSocket(this);
}

TCustomFtpCli::~TCustomFtpCli()
{
    BeginDestroy();
    DeallocateHWnd(m_window);
    for (TWSocket* s : { m_control, m_data }) {
        s->OnSessionConnected = nullptr;
        s->OnSessionAvailable = nullptr;
        s->OnDataAvailable = nullptr;
        s->OnDataSent = nullptr;
        s->OnSessionClosed = nullptr;
        s->OnDnsLookupDone = nullptr;
    }
    CloseLocalFile();
}

void TCustomFtpCli::SetPort(const std::string& text)
{
    // A number the socket would wrap round is no port at all.
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    if (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        long long n = 0;
        for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && n <= 65535; ++i)
            n = n * 10 + (text[i] - '0');
        if (n > 65535)
            throw FtpException("SetPort: Cannot convert port '" + text + "'");
    }
    m_port = text;
}

void TCustomFtpCli::SetState(TFtpState state)
{
    if (m_state == state)
        return;
    m_state = state;
    if (OnStateChange)
        OnStateChange(this);
}

void TCustomFtpCli::Display(const std::string& text)
{
    if (!OnDisplay)
        return;
    std::string msg = text;
    OnDisplay(this, msg);
}

void TCustomFtpCli::SendCommand(const std::string& line)
{
    std::string cmd = line;
    if (OnCommand)
        OnCommand(this, cmd);
    if (HasCommandBreak(cmd))
        throw FtpException("Invalid character in command");
    Display("> " + cmd);
    m_control->SendStr(cmd + "\r\n");
}

void TCustomFtpCli::ReadyCheck()
{
    if (m_state != ftpReady && m_state != ftpInternalReady)
        throw FtpException("FTP component not ready");
}

void TCustomFtpCli::ConnectedCheck()
{
    if (!m_connected)
        throw FtpException("FTP component not connected");
}

void TCustomFtpCli::ExecCommand(TFtpRequest rq, TFtpStep step, const std::string& line, std::vector<int> okCodes,
    TStepProc afterReply)
{
    ConnectedCheck();
    if (HasCommandBreak(line))
        throw FtpException("Invalid character in command");
    if (!m_highLevel)
        m_rqType = rq;
    m_okCodes = std::move(okCodes);
    m_requestDone = false;
    m_lastStepError = 0;
    m_lastStep = step;
    m_next = &TCustomFtpCli::GenericReply;
    m_doneAsync = afterReply;
    SetState(ftpWaitingResponse);
    SendCommand(line);
}

// ---- opening

void TCustomFtpCli::Open()
{
    ReadyCheck();
    if (m_connected)
        throw FtpException("FTP component already connected");
    RunLowLevel(ftpRqOpen, [this] {
        m_requestDone = false;
        m_receive.clear();
        m_assembler.Reset();
        ++m_controlSerial;
        m_lastStepError = 0;
        m_lastStep = stOpen;
        SetState(ftpDnsLookup);
        m_control->DnsLookup(HostName);
    });
}

void TCustomFtpCli::ControlDnsLookupDone(std::uint16_t error)
{
    if (m_state != ftpDnsLookup && m_state != ftpAbort)
        return;
    if (error != 0) {
        m_lastStepError = error;
        // Aborting, the step engine turns the end into the abort's own.
        if (m_state != ftpAbort)
            m_engineArmed = false;
        EndRequest(error);
        return;
    }
    m_control->SetAddr(m_control->DnsResult());
    m_control->SetProto("tcp");
    m_control->SetPort(m_port);
    SetState(ftpWaitingBanner);
    m_control->Connect();
}

void TCustomFtpCli::ControlSessionConnected(std::uint16_t error)
{
    if (error != 0) {
        m_lastResponse = "500 " + WinsockErrorText(error) + " (Winsock error #" + std::to_string(error) + ")";
        m_statusCode = 500;
        if (m_errorMessage.empty())
            m_errorMessage = m_lastResponse;
        m_engineArmed = false;
        m_lastStepError = error;
        EndRequest(error);
        if (m_control->State() != wsClosed)
            m_control->Close();
        SetState(ftpReady);
        return;
    }
    m_connected = true;
}

// ---- replies

void TCustomFtpCli::ControlDataAvailable()
{
    char buffer[kReplyBufferSize];
    std::size_t space = kReplyBufferSize - std::min(m_receive.size(), kReplyBufferSize);
    int n = m_control->Receive(buffer, int(space));
    if (n == 0) {
        m_control->Close();
        return;
    }
    if (n < 0)
        return;
    m_receive.append(buffer, std::size_t(n));

    auto alive = AliveGuard();
    std::uint64_t serial = m_controlSerial;
    for (;;) {
        std::size_t end = m_receive.find("\r\n");
        if (end == std::string::npos)
            break;
        std::string line = m_receive.substr(0, end);
        m_receive.erase(0, end + 2);
        HandleReplyLine(line);
        if (!alive || serial != m_controlSerial)
            return;
    }
    if (m_receive.size() >= kReplyBufferSize) {
        // A line that never ends is no reply: the connection is given up.
        m_receive.clear();
        Display("! Reply line too long");
        if (m_lastStepError == 0) {
            m_lastStepError = 500;
            ShowFailure("500 Reply line too long");
        }
        m_control->Abort();
    }
}

void TCustomFtpCli::HandleReplyLine(const std::string& line)
{
    m_lastResponse = line;
    auto alive = AliveGuard();
    if (OnResponse) {
        OnResponse(this);
        if (!alive)
            return;
    }
    Display("< " + line);
    if (!alive)
        return;
    // Only the last line of a reply reaches the state's handler.
    if (!m_assembler.Feed(line))
        return;
    if (m_state == ftpWaitingBanner) {
        BannerReply();
    } else if (m_state == ftpWaitingResponse) {
        if (!m_next)
            throw FtpException("Program error: FNext is nil");
        (this->*m_next)();
    }
}

void TCustomFtpCli::BannerReply()
{
    m_statusCode = FtpReplyNumber(m_lastResponse);
    bool valid = IsFtpReplyLine(m_lastResponse);
    if (!valid || m_statusCode != 220) {
        if (m_errorMessage.empty())
            m_errorMessage = m_lastResponse;
        m_lastStepError = valid ? m_statusCode : kBadReply;
        m_engineArmed = false;
        m_control->Close();
        return;
    }
    SetState(ftpConnected);
    auto alive = AliveGuard();
    if (OnSessionConnected) {
        OnSessionConnected(this, 0);
        if (!alive)
            return;
    }
    EndRequest(0);
}

void TCustomFtpCli::GenericReply()
{
    m_statusCode = FtpReplyNumber(m_lastResponse);
    int error;
    if (!IsFtpReplyLine(m_lastResponse))
        error = kBadReply;
    else if (!m_okCodes.empty())
        error = std::find(m_okCodes.begin(), m_okCodes.end(), m_statusCode) != m_okCodes.end() ? 0 : m_statusCode;
    else
        error = m_statusCode < 500 ? 0 : m_statusCode;
    m_lastStepError = error;
    if (error != 0 && m_errorMessage.empty())
        m_errorMessage = m_lastResponse;
    if (error == 0)
        ReadStepResults();
    if (m_doneAsync)
        (this->*m_doneAsync)();
    else
        EndRequest(m_lastStepError);
}

void TCustomFtpCli::ReadStepResults()
{
    switch (m_lastStep) {
    case stSize:
        m_sizeResult = FtpNumberAfterCode(m_lastResponse);
        break;
    case stCwd:
    case stMkd:
    case stPwd:
    case stCdup:
        m_dirResult = FtpQuotedName(m_lastResponse);
        break;
    default:
        break;
    }
}

void TCustomFtpCli::QuitDone() { m_control->Close(); }

// ---- the end of a request and of the connection

void TCustomFtpCli::EndRequest(int error)
{
    if (m_requestDone)
        return;
    m_requestDone = true;
    if (m_engineArmed) {
        if (m_state != ftpAbort)
            SetState(ftpInternalReady);
        RunEngine();
        return;
    }
    SetState(ftpReady);
    // An upload still open here has not been finished: it is reset, also
    // when the file's end is still on its way, so that the server does not
    // take the part it has for the whole file.
    CloseDataSocket(m_transfer.mode == dmStore);
    CloseLocalFile();
    m_transfer.mode = dmNone;
    m_transfer.commandSent = false;
    m_transfer.phase = tpWaiting;
    if (m_highLevel && m_savedStatus != -1) {
        m_lastResponse = m_savedResponse;
        m_statusCode = m_savedStatus;
    }
    m_highLevel = false;
    PostRequestDone(error);
}

void TCustomFtpCli::PostRequestDone(int error)
{
    m_requestRunning = false;
    m_doneError = error;
    PostMessage(m_window, WM_FTP_REQUEST_DONE, WPARAM(m_rqType), LPARAM(error & 0xFFFF));
}

void TCustomFtpCli::CompletionMessage(TMessage& m)
{
    if (m.Msg != WM_FTP_REQUEST_DONE || Destroying())
        return;
    if (OnRequestDone)
        OnRequestDone(this, TFtpRequest(m.WParam), std::uint16_t(m.LParam));
}

void TCustomFtpCli::ControlSessionClosed(std::uint16_t error)
{
    ++m_controlSerial;
    m_receive.clear();
    m_assembler.Reset();
    bool aborting = m_state == ftpAbort;
    auto alive = AliveGuard();
    if (m_connected) {
        m_connected = false;
        if (!aborting)
            SetState(ftpNotConnected);
        if (OnSessionClosed) {
            OnSessionClosed(this, error);
            if (!alive)
                return;
        }
    }
    if (!m_requestRunning) {
        if (!aborting)
            SetState(ftpReady);
        return;
    }
    if (m_requestDone)
        return;
    // Only the close that follows QUIT is expected; any other leaves the
    // request without its answer.
    int result = m_lastStepError;
    if (result == 0 && !aborting && m_transferError != 0 && m_transfer.mode != dmNone) {
        // The transfer had failed already: that failure is the one told.
        result = m_transferError;
        m_lastStepError = result;
        ShowFailure(m_errorMessage);
    } else if (result == 0 && !aborting && m_lastStep != stQuit) {
        result = kConnectionLost;
        m_lastStepError = result;
        ShowFailure("421 Connection closed.");
    }
    if (!aborting)
        SetState(ftpInternalReady);
    EndRequest(result);
}

void TCustomFtpCli::AbortRequest()
{
    auto alive = AliveGuard();
    bool running = m_requestRunning;
    if (running) {
        if (!m_highLevel && m_lastStepError == 0)
            m_lastStepError = kAborted;
        m_errorMessage = "426 Operation aborted.";
    }
    SetState(ftpAbort);
    m_control->CancelDnsLookup();
    if (!alive)
        return;
    if (m_control->State() != wsClosed) {
        m_control->Close();
        if (!alive)
            return;
    }
    CloseDataSocket(m_transfer.mode == dmStore);
    CloseLocalFile();
    m_connected = false;
    if (m_requestRunning) {
        // Nothing was pending that would end it: it ends here.
        m_requestDone = false;
        EndRequest(m_highLevel ? kAborted : (m_lastStepError ? m_lastStepError : kAborted));
    }
    SetState(ftpReady);
}

void TCustomFtpCli::ShowFailure(const std::string& line)
{
    m_lastResponse = line;
    m_statusCode = FtpReplyNumber(line);
    m_errorMessage = line;
}

void TCustomFtpCli::FailRunningRequest(const std::string& message)
{
    try {
        AbortRequest();
    } catch (...) {
        // The request has ended all the same; the first failure is the one
        // to report.
        if (m_requestRunning) {
            m_engineArmed = false;
            m_requestDone = false;
            EndRequest(kAborted);
        }
        SetState(ftpReady);
    }
    m_errorMessage = message;
}
