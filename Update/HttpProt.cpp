// The request's life: start, look-up, connection, end, and the completions
// posted to the hidden receiver.

#include "Update/HttpProt.h"

#include "Update/HttpText.h"
#include "Update/HttpUrl.h"
#include "platform/MessagePump.h"
#include "net/WSocket.h"
#include "platform/Application.h"
#include "platform/StrUtils.h"
#include "platform/WinSockErrors.h"

namespace {

std::string errorText(int error) { return WinsockErrorText(error) + " (Error #" + std::to_string(error) + ")"; }

}

THttpCli::THttpCli(TComponent* owner)
    : TComponent(owner)
    , m_sendBuffer(new char[SendBufferSize])
    , m_receiveBuffer(new char[ReceiveBufferSize])
{
    m_window = AllocateHWnd([this](TMessage& m) { WndProc(m); });
    m_socket = new TWSocket(this);
    using namespace std::placeholders;
    m_socket->OnSessionConnected = std::bind(&THttpCli::SocketSessionConnected, this, _1, _2);
    m_socket->OnDataAvailable = std::bind(&THttpCli::SocketDataAvailable, this, _1, _2);
    m_socket->OnDataSent = std::bind(&THttpCli::SocketDataSent, this, _1, _2);
    m_socket->OnSessionClosed = std::bind(&THttpCli::SocketSessionClosed, this, _1, _2);
    m_socket->OnDnsLookupDone = std::bind(&THttpCli::SocketDnsLookupDone, this, _1, _2);
}

THttpCli::~THttpCli()
{
    BeginDestroy();
    // The socket goes with the owned components; it must not call back.
    m_socket->OnSessionConnected = nullptr;
    m_socket->OnDataAvailable = nullptr;
    m_socket->OnDataSent = nullptr;
    m_socket->OnSessionClosed = nullptr;
    m_socket->OnDnsLookupDone = nullptr;
    DeallocateHWnd(m_window);
}

void THttpCli::SetMultiThreaded(bool on)
{
    m_multiThreaded = on;
    m_socket->MultiThreaded = on;
}

void THttpCli::Get() { RunRequest(RequestGet); }

void THttpCli::RunRequest(THttpRequest kind)
{
    StartRequest(kind);
    auto alive = AliveGuard();
    while (alive && m_state != HttpClientState::Ready) {
        if (m_multiThreaded)
            m_socket->PumpMessages();
        else
            Application->ProcessMessages();
        if (alive && m_state != HttpClientState::Ready)
            WaitForMessages(100);
    }
    if (!alive)
        throw EHttpException("Connection aborted on request", 404);
    if (StatusCode >= 400)
        throw EHttpException(ReasonPhrase, std::uint16_t(StatusCode));
}

void THttpCli::StartRequest(THttpRequest kind)
{
    if (m_state != HttpClientState::Ready)
        throw EHttpException("HTTP component is busy", 1);
    if (kind == RequestPost && !PostStream)
        throw EHttpException("HTTP component has nothing to post", 2);

    m_requestType = kind;
    RequestError = 0;
    ++m_serial;
    m_finished = false;
    m_failed = false;
    using namespace std::placeholders;
    m_socket->OnSessionClosed = std::bind(&THttpCli::SocketSessionClosed, this, _1, _2);
    SetState(HttpClientState::Connecting);
    DocumentName.clear();
    StatusCode = 0;
    ReasonPhrase.clear();
    ContentLength = -1;
    ContentType.clear();
    ReceivedBytes = 0;
    SentBytes = 0;
    m_headerLineCount = 0;
    m_bodyPieceCount = 0;
    m_headerBytes = 0;
    m_headerDone = false;
    m_contentLengthGiven = false;
    m_maySend = false;
    m_connected = false;
    m_relocating = false;
    m_relocations = 0;
    m_receiveLength = 0;
    m_next = NextStep::None;

    if (SetTargetFromUrl())
        StartLookup();
}

bool THttpCli::SetTargetFromUrl()
{
    THttpUrl url = SplitUrl(URL);
    if (!url.User.empty() || !url.Pass.empty()) {
        Username = url.User;
        Password = url.Pass;
    }
    DocumentName = DocumentNameOf(url.Path);
    m_targetHost = url.Host;
    m_targetPort = url.Port.empty() ? "80" : url.Port;
    if (Proxy.empty()) {
        m_requestTarget = url.Path;
        m_connectHost = url.Host;
        m_connectPort = m_targetPort;
    } else {
        m_requestTarget = url.Proto.empty() ? "http://" + URL : URL;
        THttpUrl proxy = SplitUrl(Proxy);
        m_connectHost = proxy.Host;
        m_connectPort = proxy.Port.empty() ? ProxyPort : proxy.Port;
    }
    if (m_requestTarget.empty())
        m_requestTarget = "/";
    m_credentialHost = LowerCase(m_targetHost);
    m_credentialPort = m_targetPort;

    if (!url.Proto.empty() && LowerCase(url.Proto) != "http") {
        Fail("unsupported protocol: " + url.Proto);
        return false;
    }
    if (m_targetHost.empty() || m_connectHost.empty()) {
        Fail("no host name given");
        return false;
    }
    if (!ValidPort(m_targetPort) || !ValidPort(m_connectPort)) {
        Fail("invalid port number");
        return false;
    }
    if (!RequestIsSafe()) {
        Fail("line break or NUL in the request");
        return false;
    }
    return true;
}

bool THttpCli::RequestIsSafe() const
{
    for (const std::string* text : { &m_requestTarget, &m_targetHost, &Sender, &Reference, &Agent, &Cookie, &ContentTypePost })
        if (HasLineBreakOrNul(*text))
            return false;
    return true;
}

void THttpCli::StartLookup()
{
    SetState(HttpClientState::LookingUp);
    try {
        m_socket->DnsLookup(m_connectHost);
    } catch (const ESocketException&) {
        Fail("can't resolve hostname to IP address");
    }
}

void THttpCli::SocketDnsLookupDone(TObject*, std::uint16_t error)
{
    if (m_finished || m_state != HttpClientState::LookingUp)
        return;
    if (error) {
        Fail("can't resolve hostname to IP address");
        return;
    }
    SetState(HttpClientState::Connecting);
    try {
        m_socket->SetAddr(m_socket->DnsResult());
        m_socket->SetPort(m_connectPort);
        m_socket->SetProto("tcp");
        m_socket->Connect();
    } catch (const ESocketException&) {
        int error = m_socket->LastError();
        RequestError = std::uint16_t(error);
        Fail("can't connect: " + errorText(error));
    }
}

void THttpCli::SocketSessionConnected(TObject*, std::uint16_t error)
{
    if (m_finished)
        return;
    if (error) {
        // The socket closes itself after this event.
        StatusCode = 404;
        ReasonPhrase = errorText(error);
        m_failed = true;
        Finish();
        return;
    }
    m_connected = true;
    m_next = NextStep::Header;
    SetState(HttpClientState::WaitingHeader);
    auto alive = AliveGuard();
    std::uint64_t serial = m_serial;
    try {
        static const char* const methods[] = { "GET", "GET", "POST", "HEAD" };
        SendRequest(methods[m_requestType], "1.0");
        if (alive && serial == m_serial && m_requestType == RequestPost && m_connected) {
            NotifySendBegin();
            m_maySend = true;
            SendNextPostPiece();
        }
    } catch (const std::exception& e) {
        if (alive && serial == m_serial)
            Fail(std::string("can't send the request: ") + e.what());
    }
}

void THttpCli::CloseConnection()
{
    try {
        m_socket->Close();
    } catch (const ESocketException&) {
        // The connection is gone either way.
    }
}

void THttpCli::SocketSessionClosed(TObject*, std::uint16_t error)
{
    if (m_finished)
        return;
    m_connected = false;
    if (m_state != HttpClientState::Aborting && !m_failed && StatusCode < 400) {
        bool bodyExpected = m_requestType != RequestHead && StatusCode / 100 != 1 && StatusCode != 204 && StatusCode != 304;
        std::string reason;
        if (error)
            reason = "connection lost: " + errorText(error);
        else if (StatusCode == 0)
            reason = "no response from the server";
        else if (!m_headerDone)
            reason = "connection closed before the end of the header";
        else if (bodyExpected && m_contentLengthGiven && ReceivedBytes < ContentLength)
            reason = "connection closed before the end of the document (" + std::to_string(ReceivedBytes) + " of "
                + std::to_string(ContentLength) + " bytes)";
        if (!reason.empty()) {
            StatusCode = 404;
            ReasonPhrase = reason;
            m_failed = true;
        }
    }
    Finish();
}

void THttpCli::SocketRelocationClosed(TObject*, std::uint16_t)
{
    m_connected = false;
    m_relocating = false;
    using namespace std::placeholders;
    m_socket->OnSessionClosed = std::bind(&THttpCli::SocketSessionClosed, this, _1, _2);
    PostMessage(m_window, WM_HTTP_RELOCATE, WPARAM(m_serial), 0);
}

void THttpCli::Abort()
{
    if (m_state == HttpClientState::Ready || m_finished)
        return;
    HttpClientState old = m_state;
    auto alive = AliveGuard();
    SetState(HttpClientState::Aborting);
    if (!alive)
        return;
    StatusCode = 404;
    ReasonPhrase = "Connection aborted on request";
    RequestError = 3;
    m_failed = true;
    if (old == HttpClientState::LookingUp) {
        try {
            m_socket->CancelDnsLookup();
        } catch (const ESocketException&) {
        }
    } else if (m_socket->State() != wsClosed) {
        CloseConnection();
    }
    // Without a connection (looking up, or between the two connections of
    // a relocation) nothing else would end it.
    if (alive)
        Finish();
}

void THttpCli::Fail(const std::string& reason)
{
    if (m_finished)
        return;
    StatusCode = 404;
    ReasonPhrase = reason;
    m_failed = true;
    m_relocating = false;
    m_next = NextStep::None;
    auto alive = AliveGuard();
    if (m_socket->State() != wsClosed) {
        using namespace std::placeholders;
        m_socket->OnSessionClosed = std::bind(&THttpCli::SocketSessionClosed, this, _1, _2);
        CloseConnection();
    }
    if (alive)
        Finish();
}

void THttpCli::Finish()
{
    if (m_finished)
        return;
    m_finished = true;
    m_connected = false;
    m_next = NextStep::None;
    // Posted first: whatever the handler below does, the request ends.
    PostMessage(m_window, WM_HTTP_SET_READY, WPARAM(m_serial), 0);
    if (m_bodyPieceCount > 0)
        NotifyDocEnd();
}

void THttpCli::SetState(HttpClientState state)
{
    if (state == m_state)
        return;
    m_state = state;
    if (state == HttpClientState::Ready)
        PostMessage(m_window, WM_HTTP_REQUEST_DONE, WPARAM(m_requestType), LPARAM(RequestError));
    if (OnStateChange)
        OnStateChange(this);
}

void THttpCli::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_HTTP_REQUEST_DONE:
        if (OnRequestDone)
            OnRequestDone(this, THttpRequest(m.WParam), std::uint16_t(m.LParam));
        break;
    case WM_HTTP_SET_READY:
        if (m.WParam == WPARAM(m_serial))
            SetState(HttpClientState::Ready);
        break;
    case WM_HTTP_RELOCATE:
        if (m.WParam != WPARAM(m_serial) || m_finished || m_state == HttpClientState::Aborting)
            break;
        // A new response starts; the counters and events of the request go on.
        m_receiveLength = 0;
        m_headerBytes = 0;
        m_headerDone = false;
        ContentLength = -1;
        m_contentLengthGiven = false;
        ContentType.clear();
        StartLookup();
        break;
    default:
        break;
    }
}

void THttpCli::NotifyHeaderBegin()
{
    if (OnHeaderBegin)
        OnHeaderBegin(this);
}

void THttpCli::NotifyHeaderEnd()
{
    if (OnHeaderEnd)
        OnHeaderEnd(this);
}

void THttpCli::NotifyDocBegin()
{
    if (OnDocBegin)
        OnDocBegin(this);
}

void THttpCli::NotifyDocData(const void* buffer, int length)
{
    if (OnDocData)
        OnDocData(this, buffer, length);
}

void THttpCli::NotifyDocEnd()
{
    if (OnDocEnd)
        OnDocEnd(this);
}

void THttpCli::NotifySendBegin()
{
    if (OnSendBegin)
        OnSendBegin(this);
}

void THttpCli::NotifySendData(const void* buffer, int length)
{
    if (OnSendData)
        OnSendData(this, buffer, length);
}

void THttpCli::NotifySendEnd()
{
    if (OnSendEnd)
        OnSendEnd(this);
}
