#pragma once
// The frame of the fault tests: a recording client pointed at a scripted
// server and a local file, the server's scripts made of a standard session
// with one command answered otherwise, and the check that after a failure
// the next request works.

#include "tests/Ftp/FtpClientFixture.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>

// What the server does with one connection.
using ServerScript = std::function<void(ScriptedFtpServer&, ScriptConnection&)>;
using VerbAnswer = std::function<void(ScriptedFtpServer&, ScriptConnection&, const std::string& arg)>;

// A standard session in which `verb` is answered by `answer`.
ServerScript Answering(const std::string& verb, VerbAnswer answer);
// A standard session with its own hook (and greeting).
ServerScript Session(CommandHook hook = nullptr, const std::string& greeting = "220 scripted server ready");
// STOR answered 150, the data connection opened (with `receiveBuffer`
// bytes of receive buffer when not 0) and handed to `read`, then closed, and
// 226 claimed.
VerbAnswer TakingData(std::function<void(ScriptedFtpServer&, ScriptConnection&, int fd, const std::string& arg)> read,
    int receiveBuffer = 0);

class FtpFault;

// Rows of these tables name only the fields they set.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

// A fault that ends the request once, with its error (-1: any) and message
// (when not empty); then the next request works, unless `NextWorks` is off.
struct FailCase {
    const char* Name;
    int Error = -1;
    std::string Message;
    std::size_t Size = 40000;
    int Timeout = 15;
    bool NextWorks = true;
    ServerScript Script;
    std::function<void(FtpFault&)> Before = [](FtpFault&) { };
    // Checks of their own, after the request ended.
    std::function<void(FtpFault&)> Check = [](FtpFault&) { };
};
inline void PrintTo(const FailCase& c, std::ostream* os) { *os << c.Name; }
// Rows are named after their `Name`.
template <class Case> std::string CaseName(const ::testing::TestParamInfo<Case>& info) { return info.param.Name; }

class FtpFault : public ::testing::Test {
public:
    // Runs the case's upload and its checks.
    void EndsOnce(const FailCase& k);
    // Starts the scripted server and points the client at it and at a local
    // file of `size` bytes.
    ScriptedFtpServer& Serve(ServerScript script, std::size_t size = 40000);
    void Prepare(const ScriptedFtpServer& server, std::size_t size = 40000);
    // TransmitSync, timed into `took`.
    bool Transmit();
    // A synchronous upload to `to` ends well, and `to` holds the file whole.
    void ExpectUploadWorks(const ScriptedFtpServer& to);
    // The next request against a well-behaved server goes through.
    void ExpectNextRequestWorks();
    bool Sent(const std::string& verb) const;

    TempDir work { "ftp-fault" };
    std::string content;
    RecordingClient client;
    std::unique_ptr<ScriptedFtpServer> server;
    std::chrono::steady_clock::duration took {};
};
