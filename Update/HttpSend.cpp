// The request header and the POST body.

#include "Update/HttpProt.h"

#include "Update/HttpText.h"
#include "net/WSocket.h"
#include "platform/StrUtils.h"
#include "platform/Stream.h"

void THttpCli::WriteRequestLine(const std::string& line)
{
    std::string passed = line;
    if (OnCommand)
        OnCommand(this, passed);
    m_requestHeader.append(line);
    m_requestHeader.append("\r\n");
}

void THttpCli::SendRequest(const std::string& method, const std::string& version)
{
    // The lines collect in the request buffer and leave in one Send.
    m_requestHeader.clear();
    auto alive = AliveGuard();
    std::uint64_t serial = m_serial;
    auto gone = [&] { return !alive || serial != m_serial || !m_connected; };

    NotifyHeaderBegin();
    if (gone())
        return;
    WriteRequestLine(method + " " + m_requestTarget + " HTTP/" + version);
    if (!Sender.empty())
        WriteRequestLine("From: " + Sender);
    if (!Reference.empty())
        WriteRequestLine("Referer: " + Reference);
    if (m_requestType == RequestPost && !ContentTypePost.empty())
        WriteRequestLine("Content-Type: " + ContentTypePost);
    if (!Agent.empty())
        WriteRequestLine("User-Agent: " + Agent);
    WriteRequestLine("Host: " + m_targetHost);
    if (NoCache)
        WriteRequestLine("Pragma: no-cache");
    if (m_requestType == RequestPost)
        WriteRequestLine("Content-Length: " + std::to_string(PostStream->Size()));
    if (ModifiedSince != 0)
        WriteRequestLine("If-Modified-Since: " + FormatHttpDate(ModifiedSince) + " GMT");
    // Credentials go only where they were given for, not to the host of a
    // relocation.
    if (!Username.empty() && LowerCase(m_targetHost) == m_credentialHost && m_targetPort == m_credentialPort)
        WriteRequestLine("Authorization: Basic " + EncodeBase64(Username + ":" + Password));
    if (!Cookie.empty())
        WriteRequestLine("Cookie: " + Cookie);
    if (gone())
        return;
    NotifyHeaderEnd();
    if (gone())
        return;
    WriteRequestLine("");
    if (gone())
        return;
    std::string header;
    header.swap(m_requestHeader);
    m_socket->Send(header.data(), int(header.size()));
}

void THttpCli::SendNextPostPiece()
{
    if (!m_maySend)
        return;
    std::int64_t n = PostStream->Read(m_sendBuffer.get(), SendBufferSize);
    if (n > 0) {
        SentBytes += n;
        auto alive = AliveGuard();
        std::uint64_t serial = m_serial;
        NotifySendData(m_sendBuffer.get(), int(n));
        if (!alive || serial != m_serial || !m_connected)
            return;
        m_socket->Send(m_sendBuffer.get(), int(n));
        return;
    }
    m_maySend = false;
    NotifySendEnd();
}

void THttpCli::SocketDataSent(TObject*, std::uint16_t)
{
    if (m_finished || !m_maySend)
        return;
    auto alive = AliveGuard();
    std::uint64_t serial = m_serial;
    try {
        SendNextPostPiece();
    } catch (const std::exception& e) {
        if (alive && serial == m_serial)
            Fail(std::string("can't send the request: ") + e.what());
    }
}
