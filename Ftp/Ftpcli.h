#pragma once
// TCustomFtpCli / TFtpClient: an event-driven FTP client over two sockets,
// the control connection it opens and the data connection it always offers
// itself (active mode: PORT, then the server connects back).
//
// Low-level requests send one command each; high-level requests chain steps
// (open, log in, change folder, transfer, quit) through one step engine.
// Every request ends once, with OnRequestDone from the message loop.

#include "Ftp/FtpReply.h"
#include "Ftp/FtpTypes.h"
#include "net/WSocket.h"
#include "platform/Component.h"
#include "platform/Messages.h"

#include <cstdint>
#include <cstdio>
#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// How far the running transfer has come.
struct TFtpTransferProgress {
    // Bytes that have reached the other side: received, or acknowledged
    // by the server's system (not merely queued for it).
    std::int64_t Taken = 0;
    // An upload: the receive window the server offers, which opens
    // again as the server's program reads.
    std::uint32_t Window = 0;
    // An upload: the server's system holds the whole file and its end.
    bool Whole = false;
    // When the data connection began (tick count).
    std::uint64_t Start = 0;
};

class TCustomFtpCli : public TComponent {
public:
    explicit TCustomFtpCli(TComponent* owner);
    ~TCustomFtpCli() override;

    // ---- settings
    std::string HostName;
    // Digits or a service name.
    const std::string& Port() const { return m_port; }
    // Numbers above 65535 are refused ("Cannot convert port").
    void SetPort(const std::string&);
    std::string UserName;
    std::string PassWord;
    std::string HostDirName;
    // Remote file or folder of SIZE, MKD, RMD, DELE, RNFR and the transfers.
    std::string HostFileName;
    // Local file of a transfer; also RNTO's new name and Quote's line.
    std::string LocalFileName;
    // Also show received listing data through OnDisplay.
    bool DisplayFlag = false;
    bool Binary() const { return m_typeLetter == 'I'; }
    void SetBinary(bool on) { m_typeLetter = on ? 'I' : 'A'; }

    // ---- results
    TFtpState State() const { return m_state; }
    int StatusCode() const { return m_statusCode; }
    const std::string& LastResponse() const { return m_lastResponse; }
    const std::string& DirResult() const { return m_dirResult; }
    std::int64_t SizeResult() const { return m_sizeResult; }
    TFtpRequest RqType() const { return m_rqType; }
    // The first failing reply line since the last high-level request began.
    const std::string& ErrorMessage() const { return m_errorMessage; }
    // The error the last finished request reported through OnRequestDone.
    int RequestError() const { return m_doneError; }

    // ---- events
    TFtpDisplay OnDisplay;
    TFtpCommand OnCommand;
    TNotifyEvent OnResponse;
    TFtpProgress OnProgress;
    TFtpSessionEvent OnSessionConnected;
    TFtpSessionEvent OnSessionClosed;
    TFtpRequestDone OnRequestDone;
    TNotifyEvent OnStateChange;

    // ---- low-level requests: one command each
    virtual void Open();
    virtual void User();
    virtual void Pass();
    virtual void Cwd();
    virtual void Cdup();
    virtual void Pwd();
    virtual void TypeSet();
    virtual void DataPort();
    virtual void Rest();
    virtual void RetrData();
    virtual void ListData();
    virtual void NlstData();
    virtual void StorData();
    virtual void AppeData();
    virtual void Syst();
    virtual void Size();
    virtual void Mkd();
    virtual void Rmd();
    virtual void Dele();
    virtual void Rnfr();
    virtual void Rnto();
    virtual void Quote();
    virtual void Quit();

    // ---- high-level requests
    virtual void Login();
    virtual void ReceiveFile();
    virtual void Dir();
    virtual void Ls();
    virtual void Get();
    virtual void Directory();
    virtual void List();
    virtual void SystemInfo();
    virtual void FileSize();
    virtual void Put();
    virtual void Append();
    virtual void Rename();
    virtual void Ren();
    virtual void Delete();
    virtual void MkDir();
    virtual void RmDir();
    virtual void DoQuote();
    virtual void Transmit();
    virtual void AppendFile();
    virtual void RestGet();
    virtual void RestartGet();

    // Cancels whatever runs, closes both connections and makes the client
    // ready again; a running request ends with a non-zero error.
    virtual void AbortRequest();

protected:
    virtual void SendCommand(const std::string& line);
    virtual void Display(const std::string& text);
    // Reports transfer progress; false when the user asked to abort.
    virtual bool CheckProgress();
    // How far the running transfer has come.
    TFtpTransferProgress TransferProgress();

    using TStepProc = void (TCustomFtpCli::*)();

    // ---- control channel (FtpcliControl.cpp)
    void SetState(TFtpState);
    void ReadyCheck();
    void ConnectedCheck();
    void ExecCommand(TFtpRequest rq, TFtpStep step, const std::string& line, std::vector<int> okCodes,
        TStepProc afterReply = nullptr);
    void ControlDnsLookupDone(std::uint16_t error);
    void ControlSessionConnected(std::uint16_t error);
    void ControlDataAvailable();
    void ControlSessionClosed(std::uint16_t error);
    void HandleReplyLine(const std::string& line);
    void BannerReply();
    void GenericReply();
    void QuitDone();
    void ReadStepResults();
    void EndRequest(int error);
    void PostRequestDone(int error);
    void CompletionMessage(TMessage&);
    // Keeps an exception of an event from being lost: the running request is
    // ended, then the application object shows the message.
    template<class F>
    void Guarded(F&& body);
    // Runs a low-level request's body; called by the step engine it is one
    // step of the running request instead.
    template<class F>
    void RunLowLevel(TFtpRequest rq, F&& body);
    // Runs a body called by the caller itself: an exception ends the
    // running request, then goes back to the caller.
    template<class F>
    void Direct(F&& body);
    void FailRunningRequest(const std::string& message);
    // A failure found on this side, written as a reply line: the status
    // code, the last response and the error message all show it.
    void ShowFailure(const std::string& line);

    // ---- requests and the step engine (FtpcliSteps.cpp)
    void StartHighLevel(TFtpRequest rq, TFtpStepSet steps);
    void RunEngine();
    void StartStep(TFtpStep);
    void CheckArguments(TFtpStepSet steps) const;

    // ---- data channel (FtpcliData.cpp)
    void DataSessionAvailable(std::uint16_t error);
    void DataDataAvailable();
    void DataSessionClosed(std::uint16_t error);
    void DataSent();
    void StartRetrieval(TFtpRequest rq, TFtpStep step, const char* name);
    void StartStore(TFtpRequest rq, TFtpStep step, bool append);
    // The checks and the fresh state that every transfer begins with.
    void BeginTransfer(const std::string& notConnected, TFtpStep step, bool store);
    // Sends the transfer's command; `firstReply` takes its first answer.
    void SendTransferCommand(TStepProc firstReply, const std::string& command);
    void RetrFirstReply();
    void RetrFinalReply();
    void StorFirstReply();
    void StorFinalReply();
    void RetrieveBlock();
    void SendNextBlock();
    void TransferCompletionCheck();
    // A transfer reply other than the awaited one: the transfer ends, and
    // the request with that reply's error (or the malformed-reply error).
    void EndTransferOnReply(bool validReply, bool abortiveClose);
    // The final reply of a transfer: 226 or 250 completes it, anything else
    // shows `failure` and fails it.
    void TransferFinalReply(const char* failure, bool abortiveClose);
    void FailTransfer(int error, const std::string& message);
    // Ends the data connection of a transfer cut short on this side.
    void CutTransfer(int error, const std::string& message);
    void CloseDataSocket(bool abortive);
    void CloseLocalFile();
    void ShowStatistics();

    // ---- state
    // Owned by the client, as components.
    TWSocket* m_control = nullptr;
    TWSocket* m_data = nullptr;
    HWND m_window = 0;
    TFtpState m_state = ftpReady;
    bool m_connected = false;
    std::string m_port = "ftp";
    char m_typeLetter = 'I';

    std::string m_receive;
    TFtpReplyAssembler m_assembler;
    // Counts control connections and aborts, so that a loop over received
    // lines stops when a handler has ended the connection it read from.
    std::uint64_t m_controlSerial = 0;

    int m_statusCode = 0;
    std::string m_lastResponse;
    std::string m_dirResult;
    std::int64_t m_sizeResult = 0;
    std::string m_errorMessage;
    TFtpRequest m_rqType = ftpRqNone;

    int m_lastStepError = 0;
    TFtpStepSet m_steps = 0;
    int m_requestError = 0;
    bool m_highLevel = false;
    std::string m_savedResponse;
    int m_savedStatus = -1;
    TFtpStep m_lastStep = stNone;
    bool m_requestDone = true;
    // From the start of a request until OnRequestDone is posted.
    bool m_requestRunning = false;
    int m_doneError = 0;
    // Replies that count as success for the command awaiting its answer;
    // empty: anything below 500.
    std::vector<int> m_okCodes;
    // Runs on the last line of each reply while one is awaited.
    TStepProc m_next = nullptr;
    // Runs after the generic handler in place of ending the request (QUIT).
    TStepProc m_doneAsync = nullptr;
    // A high-level request runs: the end of each step goes to the engine.
    bool m_engineArmed = false;

    // ---- transfer
    enum TDataMode { dmNone, dmRetrieve, dmStore };
    // Where an upload's sending stands: it waits until both the command has
    // gone and the server's connection has come (in either order), sends,
    // and has sent the whole file once the local file is at its end.
    enum TTransferPhase { tpWaiting, tpSending, tpAllSent };
    // The transfer under way, from its PORT to its end. It ends once the
    // final reply and the close of the data connection have both come, in
    // whichever order the server sends them.
    struct TTransfer {
        TDataMode mode = dmNone;
        TTransferPhase phase = tpWaiting;
        bool commandSent = false;
        bool dataAccepted = false;
        bool finalReply = false;
        bool dataClosed = false;
    };
    TTransfer m_transfer;
    std::FILE* m_localFile = nullptr;
    std::uint64_t m_startTime = 0;
    std::uint64_t m_stopTime = 0;
    std::int64_t m_byteCount = 0;
    std::int64_t m_restartPos = 0;
    std::string m_retrCmd;
    bool m_append = false;
    // The server's address: the data connection is taken from it only.
    std::uint32_t m_serverAddress = 0;
    // The accepted data connection.
    SOCKET m_dataHandle = INVALID_SOCKET;
    // Non-zero once a transfer has been cut short on this side.
    int m_transferError = 0;
    // Counts transfers, so that a send loop stops when its transfer ended.
    std::uint64_t m_transferSerial = 0;
    std::vector<char> m_sendRound;

    // Requests started directly by the caller and still inside their call:
    // an exception then goes back to that caller.
    int m_directDepth = 0;
};

// When a synchronous wait gives up: Timeout after the other side last took
// anything. Once the server's system holds the whole upload, its program's
// reading shows only as the window it offers growing (the client asks every
// second); when that growth stops, what may still sit unread is allowed for
// at the rate the server has been reading, half as much again, or without
// a rate, at a window's worth each Timeout.
class TProgressDeadline {
public:
    TProgressDeadline(int timeoutSeconds, std::uint64_t now);
    void Look(std::uint64_t now, const TFtpTransferProgress&);
    std::uint64_t At() const { return m_lastMove + m_timeout + m_allowance; }

private:
    // Bytes per millisecond the server read while its buffers were full; 0: unknown.
    double FullRate() const;

    std::uint64_t m_timeout;
    std::uint64_t m_lastMove;
    std::uint64_t m_allowance = 0;
    TFtpTransferProgress m_last;
    // Looks at a server with full buffers (time, bytes taken), over the
    // last kRateSpan milliseconds.
    static constexpr std::uint64_t kRateSpan = 20000;
    // Looks spanning twice this are measured in halves.
    static constexpr std::uint64_t kHalfSpan = 2000;
    std::deque<std::pair<std::uint64_t, std::int64_t>> m_full;
    // The least window a server that holds the whole file is held to
    // taking each Timeout.
    static constexpr double kLeastWindow = 65536;
    // Since the server's system held the whole file: when, the window it
    // offered then, the largest since, and what may have been unread then.
    bool m_whole = false;
    std::uint64_t m_wholeAt = 0;
    std::uint32_t m_wholeWindow = 0;
    std::uint32_t m_topWindow = 0;
    double m_unread = 0;
};

class TFtpClient : public TCustomFtpCli {
public:
    explicit TFtpClient(TComponent* owner);

    // Seconds a synchronous wait goes on without progress; 0 or less: no limit.
    int Timeout = 15;
    // Pump with the socket's own message pump instead of the application's.
    bool MultiThreaded = false;

    // Each starts its request and waits until the client is ready again;
    // true only when the request itself ended without error in time.
    bool TransmitSync();
    bool MkDirSync();
    bool DeleteSync();

    // Waits until the client is ready; on time-out the request is aborted
    // ("426 Timeout") and an unfinished upload reset. A server still taking
    // the file keeps it waiting (TProgressDeadline). True when the finished
    // request reported no error.
    bool WaitUntilReady();

private:
    template<class F>
    bool Synchronize(F&& start);
};
