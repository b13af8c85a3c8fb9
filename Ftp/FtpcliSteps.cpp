// The requests: one command each, or a chain of steps run by the engine.

#include "Ftp/Ftpcli.h"
#include "Ftp/FtpcliGuard.h"

#include <filesystem>

namespace {

void checkArgument(const std::string& value, const char* name)
{
    if (HasCommandBreak(value))
        throw FtpException(std::string("Invalid character in ") + name);
}

}

// ---- low-level requests

void TCustomFtpCli::User()
{
    RunLowLevel(ftpRqUser, [this] {
        ConnectedCheck();
        if (UserName.empty())
            throw FtpException("UserName emtpy");
        checkArgument(UserName, "UserName");
        ExecCommand(ftpRqUser, stUser, "USER " + UserName, { 331, 230 });
    });
}

void TCustomFtpCli::Pass()
{
    RunLowLevel(ftpRqPass, [this] {
        ConnectedCheck();
        if (PassWord.empty())
            throw FtpException("Password emtpy");
        checkArgument(PassWord, "PassWord");
        ExecCommand(ftpRqPass, stPass, "PASS " + PassWord, { 230 });
    });
}

void TCustomFtpCli::Cwd()
{
    RunLowLevel(ftpRqCwd, [this] {
        ConnectedCheck();
        if (HostDirName.empty())
            throw FtpException("HostDirName emtpy");
        checkArgument(HostDirName, "HostDirName");
        ExecCommand(ftpRqCwd, stCwd, "CWD " + HostDirName, { 250, 257 });
    });
}

void TCustomFtpCli::Cdup()
{
    RunLowLevel(ftpRqPwd, [this] { ExecCommand(ftpRqPwd, stCdup, "CDUP", { 250 }); });
}

void TCustomFtpCli::Pwd()
{
    RunLowLevel(ftpRqPwd, [this] { ExecCommand(ftpRqPwd, stPwd, "PWD", { 250, 257 }); });
}

void TCustomFtpCli::TypeSet()
{
    RunLowLevel(ftpRqTypeSet, [this] { ExecCommand(ftpRqTypeSet, stTypeSet, std::string("TYPE ") + m_typeLetter, { 200 }); });
}

void TCustomFtpCli::Syst()
{
    RunLowLevel(ftpRqSyst, [this] { ExecCommand(ftpRqSyst, stSyst, "SYST", { 215 }); });
}

void TCustomFtpCli::Quit()
{
    RunLowLevel(ftpRqQuit, [this] { ExecCommand(ftpRqQuit, stQuit, "QUIT", { 221 }, &TCustomFtpCli::QuitDone); });
}

void TCustomFtpCli::Size()
{
    RunLowLevel(ftpRqSize, [this] {
        checkArgument(HostFileName, "HostFileName");
        ExecCommand(ftpRqSize, stSize, "SIZE " + HostFileName, { 213 });
    });
}

void TCustomFtpCli::Mkd()
{
    RunLowLevel(ftpRqMkd, [this] {
        checkArgument(HostFileName, "HostFileName");
        ExecCommand(ftpRqMkd, stMkd, "MKD " + HostFileName, { 257 });
    });
}

void TCustomFtpCli::Rmd()
{
    RunLowLevel(ftpRqRmd, [this] {
        checkArgument(HostFileName, "HostFileName");
        ExecCommand(ftpRqRmd, stRmd, "RMD " + HostFileName, { 250, 257 });
    });
}

void TCustomFtpCli::Dele()
{
    RunLowLevel(ftpRqDele, [this] {
        checkArgument(HostFileName, "HostFileName");
        ExecCommand(ftpRqDele, stDele, "DELE " + HostFileName, { 250, 257 });
    });
}

void TCustomFtpCli::Rnfr()
{
    RunLowLevel(ftpRqRnfr, [this] {
        checkArgument(HostFileName, "HostFileName");
        ExecCommand(ftpRqRnfr, stRnfr, "RNFR " + HostFileName, { 350 });
    });
}

void TCustomFtpCli::Rnto()
{
    RunLowLevel(ftpRqRnto, [this] {
        checkArgument(LocalFileName, "LocalFileName");
        ExecCommand(ftpRqRnto, stRnto, "RNTO " + LocalFileName, { 250, 257 });
    });
}

void TCustomFtpCli::Quote()
{
    RunLowLevel(ftpRqQuote, [this] {
        checkArgument(LocalFileName, "LocalFileName");
        ExecCommand(ftpRqQuote, stQuote, LocalFileName, {});
    });
}

void TCustomFtpCli::Rest()
{
    RunLowLevel(ftpRqRest, [this] {
        ConnectedCheck();
        std::error_code ec;
        auto path = std::filesystem::absolute(LocalFileName, ec);
        std::int64_t size = -1;
        if (!ec) {
            auto n = std::filesystem::file_size(path, ec);
            if (!ec)
                size = std::int64_t(n);
        }
        m_restartPos = size > 0 ? size : 0;
        if (size <= 0) {
            // Nothing to resume from: the whole file follows.
            if (!m_highLevel)
                m_rqType = ftpRqRest;
            m_lastStep = stRest;
            m_lastStepError = 0;
            m_requestDone = false;
            EndRequest(0);
            return;
        }
        ExecCommand(ftpRqRest, stRest, "REST " + std::to_string(size), {});
    });
}

// ---- high-level requests

void TCustomFtpCli::Login() { StartHighLevel(ftpRqLogin, StepBit(stOpen) | StepBit(stUser) | StepBit(stPass)); }

namespace {

constexpr TFtpStepSet kLogin = StepBit(stOpen) | StepBit(stUser) | StepBit(stPass);

}

void TCustomFtpCli::ReceiveFile()
{
    StartHighLevel(ftpRqReceiveFile,
        kLogin | StepBit(stCwd) | StepBit(stTypeSet) | StepBit(stDataPort) | StepBit(stRetrData) | StepBit(stQuit));
}

void TCustomFtpCli::Dir() { StartHighLevel(ftpRqDir, StepBit(stDataPort) | StepBit(stListData)); }

void TCustomFtpCli::Ls() { StartHighLevel(ftpRqLs, StepBit(stDataPort) | StepBit(stNlstData)); }

void TCustomFtpCli::Get() { StartHighLevel(ftpRqGet, StepBit(stDataPort) | StepBit(stRetrData)); }

void TCustomFtpCli::Directory()
{
    StartHighLevel(ftpRqDirectory, kLogin | StepBit(stCwd) | StepBit(stDataPort) | StepBit(stListData) | StepBit(stQuit));
}

void TCustomFtpCli::List()
{
    StartHighLevel(ftpRqList, kLogin | StepBit(stCwd) | StepBit(stDataPort) | StepBit(stNlstData) | StepBit(stQuit));
}

void TCustomFtpCli::SystemInfo() { StartHighLevel(ftpRqSystemInfo, kLogin | StepBit(stSyst) | StepBit(stQuit)); }

void TCustomFtpCli::FileSize() { StartHighLevel(ftpRqSize, kLogin | StepBit(stSize) | StepBit(stQuit)); }

void TCustomFtpCli::Put() { StartHighLevel(ftpRqPut, StepBit(stDataPort) | StepBit(stStorData)); }

void TCustomFtpCli::Append() { StartHighLevel(ftpRqAppend, StepBit(stDataPort) | StepBit(stAppeData)); }

void TCustomFtpCli::Rename() { StartHighLevel(ftpRqRename, kLogin | StepBit(stRnfr) | StepBit(stRnto) | StepBit(stQuit)); }

void TCustomFtpCli::Ren() { StartHighLevel(ftpRqRen, StepBit(stRnfr) | StepBit(stRnto)); }

void TCustomFtpCli::Delete() { StartHighLevel(ftpRqDelete, kLogin | StepBit(stDele) | StepBit(stQuit)); }

void TCustomFtpCli::MkDir() { StartHighLevel(ftpRqMkDir, kLogin | StepBit(stMkd) | StepBit(stQuit)); }

void TCustomFtpCli::RmDir() { StartHighLevel(ftpRqRmDir, kLogin | StepBit(stRmd) | StepBit(stQuit)); }

void TCustomFtpCli::DoQuote() { StartHighLevel(ftpRqDoQuote, kLogin | StepBit(stQuote) | StepBit(stQuit)); }

void TCustomFtpCli::Transmit()
{
    StartHighLevel(ftpRqTransmit,
        kLogin | StepBit(stCwd) | StepBit(stTypeSet) | StepBit(stDataPort) | StepBit(stStorData) | StepBit(stQuit));
}

void TCustomFtpCli::AppendFile()
{
    StartHighLevel(ftpRqTransmit,
        kLogin | StepBit(stCwd) | StepBit(stTypeSet) | StepBit(stDataPort) | StepBit(stAppeData) | StepBit(stQuit));
}

void TCustomFtpCli::RestGet() { StartHighLevel(ftpRqRestGet, StepBit(stDataPort) | StepBit(stRest) | StepBit(stRetrData)); }

void TCustomFtpCli::RestartGet()
{
    StartHighLevel(ftpRqRestartGet,
        kLogin | StepBit(stCwd) | StepBit(stTypeSet) | StepBit(stDataPort) | StepBit(stRest) | StepBit(stRetrData)
            | StepBit(stQuit));
}

// ---- the step engine

void TCustomFtpCli::CheckArguments(TFtpStepSet steps) const
{
    auto has = [steps](TFtpStep s) { return (steps & StepBit(s)) != 0; };
    if (has(stUser))
        checkArgument(UserName, "UserName");
    if (has(stPass))
        checkArgument(PassWord, "PassWord");
    if (has(stCwd))
        checkArgument(HostDirName, "HostDirName");
    for (TFtpStep s : { stSize, stMkd, stRmd, stDele, stRnfr, stRetrData, stStorData, stAppeData, stListData, stNlstData })
        if (has(s))
            checkArgument(HostFileName, "HostFileName");
    if (has(stRnto) || has(stQuote))
        checkArgument(LocalFileName, "LocalFileName");
}

void TCustomFtpCli::StartHighLevel(TFtpRequest rq, TFtpStepSet steps)
{
    if (m_connected && (steps & StepBit(stOpen)))
        throw FtpException("FTP component already connected");
    ReadyCheck();
    m_savedResponse = m_lastResponse;
    m_savedStatus = -1;
    m_rqType = rq;
    m_steps = steps;
    m_highLevel = true;
    m_requestRunning = true;
    m_lastStepError = 0;
    m_requestError = 0;
    m_lastStep = stNone;
    m_lastResponse.clear();
    m_errorMessage.clear();
    Direct([&] {
        CheckArguments(steps);
        RunEngine();
    });
}

void TCustomFtpCli::RunEngine()
{
    bool aborting = m_state == ftpAbort;
    if (aborting) {
        m_steps = 0;
        m_requestError = kAborted;
        m_errorMessage = "426 Operation aborted.";
    }
    m_engineArmed = true;
    if (m_lastStepError != 0 && !aborting) {
        m_requestError = m_lastStepError;
        // Only QUIT follows a failed step, and only while there is a
        // connection to send it on.
        bool quitPending = (m_steps & StepBit(stQuit)) != 0;
        m_steps = quitPending && m_lastStep != stQuit && m_connected ? StepBit(stQuit) : 0;
    }
    for (int i = 0; i < stCount; ++i) {
        auto step = TFtpStep(i);
        if (!(m_steps & StepBit(step)))
            continue;
        m_steps &= ~StepBit(step);
        if (step == stPass && m_lastStep == stUser && m_statusCode != 331)
            continue;
        if (step == stCwd && HostDirName.empty())
            continue;
        if (step == stRetrData && !(m_lastStep == stRest && m_statusCode == 350))
            m_restartPos = 0;
        if (step == stQuit) {
            m_savedResponse = m_lastResponse;
            m_savedStatus = m_statusCode;
        }
        StartStep(step);
        return;
    }
    m_steps = 0;
    m_engineArmed = false;
    m_requestDone = false;
    EndRequest(m_requestError);
}

void TCustomFtpCli::StartStep(TFtpStep step)
{
    switch (step) {
    case stOpen: Open(); break;
    case stUser: User(); break;
    case stPass: Pass(); break;
    case stCwd: Cwd(); break;
    case stCdup: Cdup(); break;
    case stTypeSet: TypeSet(); break;
    case stDataPort: DataPort(); break;
    case stRest: Rest(); break;
    case stRetrData: RetrData(); break;
    case stStorData: StorData(); break;
    case stAppeData: AppeData(); break;
    case stListData: ListData(); break;
    case stNlstData: NlstData(); break;
    case stSyst: Syst(); break;
    case stMkd: Mkd(); break;
    case stRmd: Rmd(); break;
    case stRnfr: Rnfr(); break;
    case stRnto: Rnto(); break;
    case stSize: Size(); break;
    case stDele: Dele(); break;
    case stPwd: Pwd(); break;
    case stQuote: Quote(); break;
    case stQuit: Quit(); break;
    default: break;
    }
}
