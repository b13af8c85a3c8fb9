#pragma once
// TCustomWSocket / TWSocket: one socket that never blocks its caller.
// Connecting, name look-up, sending and receiving are asynchronous; every
// outcome arrives as an event of the component from the thread's message
// loop, through a hidden receiver the component owns. Failures are raised as
// ESocketException, or go to OnError when it is set.

#include "net/Buffer.h"
#include "platform/Component.h"
#include "platform/Exception.h"
#include "platform/Messages.h"
#include "platform/WinSockAsync.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TCustomWait;
class TWait;

CORVANA_EXCEPTION(ESocketException, Exception)

enum TSocketState {
    wsInvalidState,
    wsOpened,
    wsBound,
    wsConnecting,
    wsConnected,
    wsAccepting,
    wsListening,
    wsClosed,
};

enum TSocketSendFlags { wsSendNormal = 0, wsSendUrgent = 1 };

using TSocketEvent = std::function<void(TObject* sender, std::uint16_t error)>;
using TDataAvailable = TSocketEvent;
using TDataSent = TSocketEvent;
using TSessionClosed = TSocketEvent;
using TSessionAvailable = TSocketEvent;
using TSessionConnected = TSocketEvent;
using TDnsLookupDone = TSocketEvent;
using TChangeState = std::function<void(TObject* sender, TSocketState oldState, TSocketState newState)>;

// Messages the platform posts to the hidden receiver.
constexpr UINT WM_ASYNCSELECT = WM_USER + 1;
constexpr UINT WM_ASYNCGETHOSTBYNAME = WM_USER + 2;

class TCustomWSocket : public TComponent {
public:
    explicit TCustomWSocket(TComponent* owner);
    ~TCustomWSocket() override;

    // Remote host (or, for Listen, the local one): dotted or a name.
    std::string Addr() const { return m_addrText; }
    void SetAddr(const std::string&);
    // Digits or a service name.
    std::string Port() const { return m_portText; }
    void SetPort(const std::string&);
    // Digits or a protocol name; "tcp" by default.
    std::string Proto() const { return m_protoText; }
    void SetProto(const std::string&);
    const std::string& DnsResult() const { return m_dnsResult; }
    const std::vector<std::string>& DnsResultList() const { return m_dnsResultList; }
    TSocketState State() const { return m_state; }
    // Bytes received on this connection; 64 bits, as one connection may
    // carry more than 2 GiB.
    std::int64_t ReadCount() const { return m_readCount; }
    // Bytes waiting in the platform's receive buffer; -1 when unknown.
    int RcvdCount();
    // Bytes of this connection the peer's system has acknowledged. Grows
    // only as fast as the peer reads once its buffers are full.
    std::int64_t TakenCount();
    // The peer's own report (platform/WinSock.h); false when there is none.
    bool PeerState(winsock::TcpPeerState&);
    int LastError() const { return m_lastError; }
    // Wait, ReadLine and Flush pump messages themselves instead of running
    // the countdown of WaitCtrl.
    bool MultiThreaded = false;
    // Empty once the control it named has been freed.
    TWait* WaitCtrl() const;
    void SetWaitCtrl(TWait*);
    // Seconds Flush may wait.
    int FlushTimeout = 60;
    TSocketSendFlags SendFlags() const;
    void SetSendFlags(TSocketSendFlags);

    TSessionAvailable OnSessionAvailable;
    TSessionConnected OnSessionConnected;
    TSessionClosed OnSessionClosed;
    TChangeState OnChangeState;
    TDataAvailable OnDataAvailable;
    TDataSent OnDataSent;
    TNotifyEvent OnLineTooLong;
    TDnsLookupDone OnDnsLookupDone;
    TNotifyEvent OnError;

    virtual void Connect();
    // Graceful: shutdown, then close.
    virtual void Close();
    virtual void Abort();
    // Waits (up to FlushTimeout seconds) until the send queue has gone out.
    virtual void Flush();
    virtual void DrainUntilClosed();
    virtual int Listen();
    // The accepted socket belongs to the caller, normally for another
    // component's Dup.
    virtual SOCKET Accept();
    virtual int Receive(void* buffer, int size);
    virtual int ReceiveFrom(void* buffer, int size, sockaddr_in& from, int& fromLength);
    // Queues the bytes and pushes what the platform takes; never blocks.
    virtual int Send(const void* data, int length);
    virtual int SendStr(const std::string& text);
    virtual void DnsLookup(const std::string& hostName);
    virtual void CancelDnsLookup();
    // Dotted; "error" unless connected.
    virtual std::string GetPeerAddrText();
    virtual int GetPeerSockAddr(sockaddr_in& address, int& length);
    // Decimal; "error" unless bound, connected or listening.
    virtual std::string GetLocalPortText();
    virtual bool TimeIsSet(const timeval&);
    virtual void TimeClear(timeval&);
    virtual bool TimeCompare(const timeval& a, const timeval& b, bool equal);
    // Waits up to `seconds` for the state; whether it was reached.
    virtual bool Wait(int seconds, TSocketState state);
    // Collects one line (LF ends it, CR is dropped, 254 characters at most);
    // returns what has come when the time is up.
    virtual void ReadLine(int seconds, std::string& line);
    virtual int GetLocalSockAddr(sockaddr_in& address, int& length);
    virtual void Dup(SOCKET newHSocket);
    virtual void ShutDown(int how);
    virtual void Pause();
    virtual void Resume();

    // Delivers every message waiting in this thread's queue.
    void PumpMessages();

protected:
    // Takes the text already formatted.
    virtual void ReportErrorFmt(const std::string& text);
    virtual void ReportError(const std::string& text);
    virtual bool FireDataAvailable(std::uint16_t error);
    virtual void FireSessionAvailable(std::uint16_t error);
    virtual void FireSessionConnected(std::uint16_t error);
    virtual void FireSessionClosed(std::uint16_t error);
    virtual void FireDataSent(std::uint16_t error);
    virtual void FireChangeState(TSocketState oldState, TSocketState newState);
    virtual void FireDnsLookupDone(std::uint16_t error);
    virtual void FireError();

    void ReportSocketError(const std::string& step);
    void ChangeState(TSocketState newState);
    void ResetDefaults();
    void InternalClose(bool graceful, std::uint16_t error);
    void WndProc(TMessage&);
    void DoSocketNotification(TMessage&);
    void DoLookupDone(TMessage&);
    void ReadEventLoop(std::uint16_t error);
    void QueueData(const char* data, int length);
    void TryToSend();
    void ReadLineChars();
    void waitUntil(int seconds, const std::function<bool()>& done);
    void EndLineMode();
    void StopWaitCtrl();
    // The component's own "write" notification for a send that went out at once.
    void PostSelfWrite();
    bool WaitCtrlUsable() const { return !MultiThreaded && WaitCtrl(); }

    SOCKET m_hSocket = INVALID_SOCKET;
    HWND m_window = 0;
    bool m_portAssigned = false;
    bool m_addrAssigned = false;
    bool m_protoAssigned = true;
    std::string m_protoText = "tcp";
    std::string m_addrText;
    std::string m_portText;
    int m_portNumber = 0;
    int m_localPort = 0;
    int m_protocol = 6;
    int m_type = 1;
    std::string m_dnsResult;
    std::vector<std::string> m_dnsResultList;
    int m_family = 2;
    SOCKET m_acceptedHandle = INVALID_SOCKET;
    TSocketState m_state = wsClosed;
    std::deque<std::unique_ptr<TBuffer>> m_bufferList;
    int m_bufferSize = TBuffer::DefaultSize;
    int m_sendFlags = 0;
    TWait* m_waitCtrl = nullptr;
    TAliveGuard m_waitAlive;
    TSocketState m_awaitedState = wsInvalidState;
    bool m_hasAwaitedState = false;
    int m_lastError = 0;
    bool m_paused = false;
    bool m_allSent = true;
    bool m_lineMode = false;
    int m_lineLength = 0;
    std::string m_line;
    std::int64_t m_readCount = 0;
    std::int64_t m_sentCount = 0;
    bool m_closeReported = false;
    HostEntry m_hostEntry;
    HANDLE m_dnsLookupHandle = 0;
    sockaddr_in m_sin {};

    // Goes false when the component is freed, so that code running after an
    // event handler can tell whether the handler freed it.
    // Counts connections, so that a late self-notification of a closed one
    // is not taken for the next.
    std::uint64_t m_session = 0;
    // Wait, ReadLine or Flush is running its countdown.
    int m_waiting = 0;

    static int s_socketCount;
    static bool s_winsockStarted;
};

class TWSocket : public TCustomWSocket {
public:
    using TCustomWSocket::TCustomWSocket;
};

// The longest line ReadLine keeps: at this many characters the line ends.
constexpr int MaxLineLength = 254;
