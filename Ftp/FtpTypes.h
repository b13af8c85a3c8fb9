#pragma once
// The FTP client's states, request numbers, events and exception.

#include "platform/Exception.h"
#include "platform/Types.h"

#include <cstdint>
#include <functional>
#include <string>

CORVANA_EXCEPTION(FtpException, Exception)

// Errors the client reports itself, in the numbering of the server's replies.
constexpr int kBadReply = 500;  // a reply that does not start with three digits
constexpr int kConnectionLost = 421;  // the control connection ended before the answer
constexpr int kAborted = 426;  // the request or its transfer was cut short
constexpr int kLocalFileError = 451;  // the local file failed in the middle of a transfer

// What State holds (and what the window shows); 6 is never used.
enum TFtpState {
    ftpNotConnected = 0,
    ftpReady = 1,
    ftpInternalReady = 2,  // between the steps of a high-level request
    ftpDnsLookup = 3,
    ftpConnected = 4,
    ftpAbort = 5,
    ftpWaitingBanner = 7,
    ftpWaitingResponse = 8,
};

// Request numbers as OnRequestDone reports them. A low-level request and
// the high-level request built around it may share a number.
enum TFtpRequest : int {
    ftpRqNone = 0,
    ftpRqOpen = 1,
    ftpRqUser = 2,
    ftpRqPass = 3,
    ftpRqCwd = 4,
    ftpRqLogin = 5,
    ftpRqReceiveFile = 6,
    ftpRqDir = 7,  // also ListData
    ftpRqLs = 8,  // also NlstData
    ftpRqPort = 9,
    ftpRqGet = 10,  // also RetrData
    ftpRqDirectory = 11,
    ftpRqList = 12,
    ftpRqSystemInfo = 13,
    ftpRqSyst = 14,
    ftpRqQuit = 15,
    ftpRqSize = 16,  // also FileSize
    ftpRqPut = 17,  // also StorData
    ftpRqAppend = 18,  // also AppeData
    ftpRqMkd = 21,
    ftpRqRmd = 22,
    ftpRqRename = 23,
    ftpRqDele = 24,
    ftpRqRen = 25,
    ftpRqRnto = 26,
    ftpRqRnfr = 27,
    ftpRqDelete = 28,
    ftpRqMkDir = 29,
    ftpRqRmDir = 30,
    ftpRqPwd = 31,  // also Cdup
    ftpRqQuote = 32,
    ftpRqDoQuote = 34,
    ftpRqTransmit = 35,  // also AppendFile
    ftpRqTypeSet = 36,
    ftpRqRest = 37,
    ftpRqRestGet = 38,
    ftpRqRestartGet = 39,
};

// The steps of a high-level request, in the order they always run.
enum TFtpStep : int {
    stNone = -1,
    stOpen = 0,
    stUser,
    stPass,
    stCwd,
    stCdup,
    stTypeSet,
    stDataPort,
    stRest,
    stRetrData,
    stStorData,
    stAppeData,
    stListData,
    stNlstData,
    stSyst,
    stMkd,
    stRmd,
    stRnfr,
    stRnto,
    stSize,
    stDele,
    stPwd,
    stQuote,
    stQuit,
    stCount,
};

using TFtpStepSet = std::uint32_t;
constexpr TFtpStepSet StepBit(TFtpStep s) { return TFtpStepSet(1) << int(s); }

using TFtpDisplay = std::function<void(TObject* sender, std::string& msg)>;
using TFtpCommand = std::function<void(TObject* sender, std::string& cmd)>;
using TFtpProgress = std::function<void(TObject* sender, std::int64_t count, bool& abort)>;
using TFtpSessionEvent = std::function<void(TObject* sender, std::uint16_t error)>;
using TFtpRequestDone = std::function<void(TObject* sender, TFtpRequest rqType, std::uint16_t error)>;
