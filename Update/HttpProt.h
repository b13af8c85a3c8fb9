#pragma once
// THttpCli: fetches one document over HTTP/1.0 per request, one request per
// connection, driven entirely by events from the message loop. It rides on
// one TWSocket and posts its own completions to a hidden receiver, so that
// OnRequestDone never fires from inside a socket event.
//
// A request ends as a success only when the document arrived whole. Every
// failure (look-up, connection, server status of 400 or more, a document
// cut short, a refused URL or relocation, Abort) leaves a StatusCode of 400
// or more with ReasonPhrase saying why; the synchronous calls then raise
// EHttpException.

#include "platform/Component.h"
#include "platform/DateTime.h"
#include "platform/Exception.h"
#include "platform/Messages.h"
#include "platform/Strings.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class TStream;
class TWSocket;

class EHttpException : public Exception {
public:
    EHttpException(const std::string& message, std::uint16_t errorCode)
        : Exception(message)
        , ErrorCode(errorCode)
    {
    }
    std::uint16_t ErrorCode;
};

enum THttpRequest { RequestNone, RequestGet, RequestPost, RequestHead };

enum class HttpClientState { Ready, Connecting, LookingUp, WaitingHeader, ReceivingBody, Aborting };

using TOnCommand = std::function<void(TObject* sender, std::string& line)>;
using TDocDataEvent = std::function<void(TObject* sender, const void* buffer, int length)>;
using THttpRequestDone = std::function<void(TObject* sender, THttpRequest rqType, std::uint16_t error)>;

class THttpCli : public TComponent {
public:
    // Messages of the hidden receiver.
    static constexpr UINT WM_HTTP_REQUEST_DONE = WM_USER + 1;
    static constexpr UINT WM_HTTP_SET_READY = WM_USER + 2;
    static constexpr UINT WM_HTTP_RELOCATE = WM_USER + 3;

    // Fixed buffers: the receive buffer holds at most this many bytes of
    // data, so a header line must fit in it.
    static constexpr int SendBufferSize = 8192;
    static constexpr int ReceiveBufferSize = 8192;
    // Relocations followed in one request before it fails.
    static constexpr int MaxRelocations = 10;
    // Header bytes of one response before it fails.
    static constexpr int MaxHeaderSize = 64 * 1024;

    explicit THttpCli(TComponent* owner);
    ~THttpCli() override;

    // Request settings.
    std::string URL;
    std::string Proxy;  // host, optionally ":" port; empty = direct
    std::string ProxyPort = "80";
    std::string Sender;
    std::string Agent;
    std::string Reference;
    // Replaced by user and password found in URL.
    std::string Username;
    std::string Password;
    bool NoCache = false;
    // 0 = not sent.
    TDateTime ModifiedSince = 0;
    std::string Cookie;
    std::string ContentTypePost = "application/x-www-form-urlencoded";
    bool MultiThreaded() const { return m_multiThreaded; }
    // Written through to the socket.
    void SetMultiThreaded(bool);

    // Every response header line received since construction, in order.
    TStrings& RcvdHeader() { return m_rcvdHeader; }
    // Every "WWW-Authenticate" value received since construction.
    TStrings& AuthenticateValues() { return m_authenticateValues; }

    // Results of the current (or last) request.
    HttpClientState State() const { return m_state; }
    int StatusCode = 0;
    std::string ReasonPhrase;
    // -1 while the response has named none.
    std::int64_t ContentLength = -1;
    std::string ContentType;
    // The local name the document is saved under.
    std::string DocumentName;
    std::int64_t ReceivedBytes = 0;
    std::int64_t SentBytes = 0;
    std::uint16_t RequestError = 0;
    // Set by the caller; only written to, never freed.
    TStream* ReceiveStream = nullptr;
    // Read from its current position for POST.
    TStream* PostStream = nullptr;

    // Each request line before it is sent; the line sent is the one passed.
    TOnCommand OnCommand;
    TNotifyEvent OnHeaderBegin;
    TNotifyEvent OnHeaderEnd;
    TNotifyEvent OnHeaderData;
    TNotifyEvent OnDocBegin;
    TNotifyEvent OnDocEnd;
    TDocDataEvent OnDocData;
    TNotifyEvent OnSendBegin;
    TNotifyEvent OnSendEnd;
    TDocDataEvent OnSendData;
    TNotifyEvent OnStateChange;
    THttpRequestDone OnRequestDone;

    // Synchronous: start, then pump messages until the request is over.
    // Raise EHttpException (ReasonPhrase, StatusCode) for a status of 400
    // or more.
    void Get();
    void RunRequest(THttpRequest);
    // Asynchronous start; returns at once. Raises EHttpException when busy
    // (code 1) or when POST has no PostStream (code 2).
    void StartRequest(THttpRequest);
    // Ends the request in progress as failed; nothing while Ready.
    void Abort();

    // The socket underneath (for tests and diagnostics).
    TWSocket* Socket() const { return m_socket; }

protected:
    virtual void WriteRequestLine(const std::string& line);
    virtual void StartLookup();
    virtual void CloseConnection();
    virtual void NotifyHeaderBegin();
    virtual void NotifyHeaderEnd();
    virtual void NotifyDocBegin();
    virtual void NotifyDocData(const void* buffer, int length);
    virtual void NotifyDocEnd();
    virtual void NotifySendBegin();
    virtual void NotifySendData(const void* buffer, int length);
    virtual void NotifySendEnd();

private:
    enum class NextStep { None, Header, Body };

    void WndProc(TMessage&);
    void SetState(HttpClientState);
    // Ends the request: the completions follow by posted messages. Only
    // the first call of a request counts.
    void Finish();
    // Ends the request as failed with a status of 404 and `reason`, closing
    // the connection when one is open.
    void Fail(const std::string& reason);

    // Request start and relocation.
    bool SetTargetFromUrl();
    void FollowLocation(const std::string& value);
    bool RequestIsSafe() const;

    // Socket events.
    void SocketDnsLookupDone(TObject*, std::uint16_t error);
    void SocketSessionConnected(TObject*, std::uint16_t error);
    void SocketDataAvailable(TObject*, std::uint16_t error);
    void SocketDataSent(TObject*, std::uint16_t error);
    void SocketSessionClosed(TObject*, std::uint16_t error);
    void SocketRelocationClosed(TObject*, std::uint16_t error);

    // Sending.
    void SendRequest(const std::string& method, const std::string& version);
    void SendNextPostPiece();

    // Receiving.
    void ConsumeLines();
    void HeaderLine(const std::string& line);
    void HeaderEnd();
    void BodyPiece(const char* data, int length);
    bool StillReceiving(std::uint64_t serial) const;

    TWSocket* m_socket = nullptr;
    HWND m_window = 0;
    bool m_multiThreaded = false;
    TStringList m_rcvdHeader;
    TStringList m_authenticateValues;
    HttpClientState m_state = HttpClientState::Ready;
    THttpRequest m_requestType = RequestNone;

    std::string m_connectHost;
    std::string m_connectPort;
    std::string m_targetHost;
    std::string m_targetPort;
    std::string m_requestTarget;
    // Basic credentials go only to the host and port they came with.
    std::string m_credentialHost;
    std::string m_credentialPort;
    bool m_connected = false;
    bool m_relocating = false;
    int m_relocations = 0;
    bool m_maySend = false;
    int m_headerLineCount = 0;
    int m_headerBytes = 0;
    bool m_headerDone = false;
    int m_bodyPieceCount = 0;
    bool m_contentLengthGiven = false;
    NextStep m_next = NextStep::None;
    std::string m_requestHeader;
    std::unique_ptr<char[]> m_sendBuffer;
    std::unique_ptr<char[]> m_receiveBuffer;
    int m_receiveLength = 0;

    // Counts requests, so that a late message of an earlier one is dropped.
    std::uint64_t m_serial = 0;
    bool m_finished = false;
    bool m_failed = false;
};
