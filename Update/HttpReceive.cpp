// The response: header lines, relocation and the body.

#include "Update/HttpProt.h"

#include "Update/HttpText.h"
#include "Update/HttpUrl.h"
#include "net/WSocket.h"
#include "platform/StrUtils.h"
#include "platform/Stream.h"

#include <cstring>

namespace {

bool allDigits(const std::string& text)
{
    if (text.empty() || text.size() > 18)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

std::string trimBlanks(const std::string& text)
{
    std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

}

bool THttpCli::StillReceiving(std::uint64_t serial) const
{
    return serial == m_serial && !m_finished && !m_failed && m_connected;
}

void THttpCli::SocketDataAvailable(TObject*, std::uint16_t)
{
    if (m_requestType == RequestNone)
        return;
    auto alive = AliveGuard();
    std::uint64_t serial = m_serial;
    try {
        int space = ReceiveBufferSize - 1 - m_receiveLength;
        int n = m_socket->Receive(m_receiveBuffer.get() + m_receiveLength, space);
        if (n <= 0) {
            // 0: the peer has closed; its close notification follows.
            if (n < 0 && m_socket->LastError() != WSAEWOULDBLOCK && !m_finished)
                Fail("connection lost: " + WinsockErrorText(m_socket->LastError()) + " (Error #"
                    + std::to_string(m_socket->LastError()) + ")");
            return;
        }
        if (m_finished || m_failed) {
            m_receiveLength = 0;
            return;
        }
        m_receiveLength += n;
        if (m_state == HttpClientState::ReceivingBody) {
            int length = m_receiveLength;
            m_receiveLength = 0;
            BodyPiece(m_receiveBuffer.get(), length);
            return;
        }
        ConsumeLines();
    } catch (const std::exception& e) {
        if (alive && serial == m_serial)
            Fail(e.what());
    }
}

void THttpCli::ConsumeLines()
{
    auto alive = AliveGuard();
    std::uint64_t serial = m_serial;
    for (;;) {
        char* buffer = m_receiveBuffer.get();
        auto* lf = static_cast<char*>(std::memchr(buffer, '\n', std::size_t(m_receiveLength)));
        if (!lf) {
            // A line that fills the whole buffer can never be taken.
            if (m_receiveLength >= ReceiveBufferSize - 1)
                Fail("header line too long");
            return;
        }
        int lineLength = int(lf - buffer);
        std::string line(buffer, std::size_t(lineLength));
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        m_receiveLength -= lineLength + 1;
        std::memmove(buffer, lf + 1, std::size_t(m_receiveLength));

        if (m_state != HttpClientState::WaitingHeader)
            continue;
        if (m_next == NextStep::None) {
            Finish();
            return;
        }
        HeaderLine(line);
        if (!alive || !StillReceiving(serial) || m_state != HttpClientState::WaitingHeader)
            return;
    }
}

void THttpCli::HeaderLine(const std::string& line)
{
    auto alive = AliveGuard();
    std::uint64_t serial = m_serial;
    m_headerBytes += int(line.size()) + 2;
    if (m_headerBytes > MaxHeaderSize) {
        Fail("response header too large");
        return;
    }
    if (m_headerLineCount == 0) {
        NotifyHeaderBegin();
        if (!alive || !StillReceiving(serial))
            return;
    }
    ++m_headerLineCount;

    if (line.empty()) {
        if (!m_relocating) {
            HeaderEnd();
            return;
        }
        if (++m_relocations > MaxRelocations) {
            Fail("too many relocations");
            return;
        }
        using namespace std::placeholders;
        m_socket->OnSessionClosed = std::bind(&THttpCli::SocketRelocationClosed, this, _1, _2);
        CloseConnection();
        return;
    }

    m_rcvdHeader.Add(line);
    std::string start = line.substr(0, 8);
    if (start == "HTTP/1.0" || start == "HTTP/1.1") {
        std::string code = line.substr(std::min<std::size_t>(9, line.size()), 3);
        if (code.size() != 3 || !allDigits(code) || (line.size() > 12 && line[12] != ' ')) {
            Fail("bad status line from the server");
            return;
        }
        StatusCode = std::stoi(code);
        ReasonPhrase = line.size() > 13 ? line.substr(13) : std::string();
    } else if (std::size_t colon = line.find(':'); colon != std::string::npos) {
        std::string name = LowerCase(line.substr(0, colon));
        // The blanks after ":" are optional; none of them is part of the value.
        std::size_t valueStart = line.find_first_not_of(" \t", colon + 1);
        std::string value = valueStart == std::string::npos ? std::string() : line.substr(valueStart);
        if (name == "location") {
            FollowLocation(value);
            if (!alive || !StillReceiving(serial))
                return;
        } else if (name == "content-length") {
            std::string digits = trimBlanks(value);
            if (!allDigits(digits)) {
                Fail("bad Content-Length from the server");
                return;
            }
            ContentLength = std::stoll(digits);
            m_contentLengthGiven = true;
        } else if (name == "transfer-encoding") {
            // The request asks for HTTP/1.0: a body in any coding but
            // identity would be saved with its framing.
            std::string coding = trimBlanks(value);
            if (LowerCase(coding) != "identity") {
                Fail("the server sent the document in a transfer coding this client does not read: " + coding);
                return;
            }
        } else if (name == "content-type") {
            ContentType = value;
        } else if (name == "www-authenticate") {
            m_authenticateValues.Add(value);
        }
    }
    if (OnHeaderData) {
        OnHeaderData(this);
        if (!alive || serial != m_serial || m_finished || m_failed)
            return;
    }
    // The rest of a failed response is not read.
    if (StatusCode >= 400)
        CloseConnection();
}

void THttpCli::FollowLocation(const std::string& value)
{
    m_relocating = true;
    if (value.empty()) {
        Fail("relocation without a location");
        return;
    }
    if (HasLineBreakOrNul(value)) {
        Fail("line break or NUL in the relocation");
        return;
    }
    THttpUrl url = SplitUrl(value);
    bool absolute = value.find("://") != std::string::npos || url.Proto == "mailto";
    if (absolute) {
        if (LowerCase(url.Proto) != "http") {
            Fail("relocation to an unsupported protocol: " + url.Proto);
            return;
        }
        if (url.Host.empty()) {
            Fail("relocation without a host name");
            return;
        }
        std::string port = url.Port.empty() ? "80" : url.Port;
        if (!ValidPort(port)) {
            Fail("invalid port number in the relocation");
            return;
        }
        m_targetHost = url.Host;
        m_targetPort = port;
        if (Proxy.empty()) {
            m_requestTarget = url.Path.empty() ? "/" : url.Path;
            m_connectHost = url.Host;
            m_connectPort = port;
        } else {
            m_requestTarget = value;
        }
        return;
    }
    if (Proxy.empty()) {
        m_requestTarget = ResolveRelativePath(m_requestTarget, value);
        return;
    }
    // Through a proxy the target is a whole URL: only its path changes.
    std::size_t scheme = m_requestTarget.find("://");
    std::size_t pathStart = m_requestTarget.find('/', scheme == std::string::npos ? 0 : scheme + 3);
    std::string prefix = m_requestTarget.substr(0, pathStart);
    std::string path = pathStart == std::string::npos ? "/" : m_requestTarget.substr(pathStart);
    m_requestTarget = prefix + ResolveRelativePath(path, value);
}

void THttpCli::HeaderEnd()
{
    m_headerDone = true;
    if (LowerCase(ExtractFileExt(DocumentName)) == ".exe" && ContentType == "text/html")
        DocumentName = DocumentName.substr(0, DocumentName.size() - 3) + "htm";
    auto alive = AliveGuard();
    std::uint64_t serial = m_serial;
    SetState(HttpClientState::ReceivingBody);
    if (!alive || !StillReceiving(serial))
        return;
    m_next = NextStep::Body;
    NotifyHeaderEnd();
    if (!alive || !StillReceiving(serial))
        return;
    // What came with the empty line is the first piece of the body.
    if (m_receiveLength > 0) {
        int length = m_receiveLength;
        m_receiveLength = 0;
        BodyPiece(m_receiveBuffer.get(), length);
    }
}

void THttpCli::BodyPiece(const char* data, int length)
{
    auto alive = AliveGuard();
    std::uint64_t serial = m_serial;
    if (m_bodyPieceCount == 0) {
        NotifyDocBegin();
        if (!alive || !StillReceiving(serial))
            return;
    }
    ++m_bodyPieceCount;
    // Bytes past the announced end belong to no document: the answer is
    // not the document it claims to be.
    if (m_contentLengthGiven && ReceivedBytes + length > ContentLength) {
        Fail("the document is longer than its Content-Length (" + std::to_string(ContentLength) + " bytes)");
        return;
    }
    ReceivedBytes += length;
    NotifyDocData(data, length);
    if (!alive || !StillReceiving(serial))
        return;
    if (ReceiveStream) {
        try {
            ReceiveStream->WriteBuffer(data, length);
        } catch (const std::exception& e) {
            Fail(std::string("can't save the document: ") + e.what());
        }
    }
}
