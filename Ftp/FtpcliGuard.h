#pragma once
// How the client's entry points treat exceptions: a request that has begun
// never stays half-run. The client first returns to a clean ready state and
// ends the request with an error, then lets the exception go on: back to a
// caller that started the request directly, or to the application object
// when it came up inside a network event.

#include "Ftp/Ftpcli.h"
#include "platform/Application.h"

template<class F>
void TCustomFtpCli::Guarded(F&& body)
{
    auto alive = AliveGuard();
    try {
        body();
    } catch (const std::exception& e) {
        if (!alive)
            return;
        if (m_directDepth > 0)
            throw;
        if (m_requestRunning)
            FailRunningRequest(e.what());
        if (Application)
            Application->HandleException(this);
    }
}

template<class F>
void TCustomFtpCli::RunLowLevel(TFtpRequest rq, F&& body)
{
    ReadyCheck();
    if (m_highLevel) {
        body();
        return;
    }
    m_rqType = rq;
    m_requestRunning = true;
    Direct(body);
}

template<class F>
void TCustomFtpCli::Direct(F&& body)
{
    auto alive = AliveGuard();
    ++m_directDepth;
    try {
        body();
    } catch (const std::exception& e) {
        if (alive) {
            --m_directDepth;
            if (m_requestRunning)
                FailRunningRequest(e.what());
        }
        throw;
    }
    if (alive)
        --m_directDepth;
}
