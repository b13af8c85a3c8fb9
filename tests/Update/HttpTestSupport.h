#pragma once
// Helpers of the HTTP tests: a scripted server on loopback that answers
// each connection from a test's own function on a thread of its own, the
// lines of a request, the outcome of a GET, and a fixture of a client with
// its server.

#include "Update/HttpProt.h"
#include "platform/Messages.h"
#include "platform/Stream.h"
#include "tests/support/Loopback.h"
#include "tests/support/MessageLoop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// Whether the peer closed its side within the time (reading whatever it
// still sends).
inline bool PeerClosed(int fd, int timeoutMs = 5000)
{
    std::string dropped;
    return !ReadUntil(fd, dropped, [](const std::string&) { return false; }, timeoutMs);
}

class ScriptedServer {
public:
    // Called once per connection with the request as received (header and
    // announced body); the connection is closed when it returns.
    using Handler = std::function<void(int fd, const std::string& request, int index)>;

    explicit ScriptedServer(Handler handler, const char* address = "127.0.0.1", int port = 0)
        : m_handler(std::move(handler))
        , m_address(address)
        , m_server([this](int fd, int index) { answer(fd, index); }, address, port)
    {
    }

    bool Bound() const { return m_server.Bound(); }
    int Port() const { return m_server.Port(); }
    std::string Url(const std::string& path) const { return "http://" + m_address + ":" + std::to_string(Port()) + path; }
    std::vector<std::string> Requests() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_requests;
    }
    int Connections() const { return m_server.Connections(); }

private:
    // Reads the header and the body it announces, then lets the handler answer.
    void answer(int fd, int index)
    {
        std::string request;
        ReadUntil(fd, request, [](const std::string& got) {
            std::size_t end = got.find("\r\n\r\n"), length = got.find("Content-Length: ");
            return end != std::string::npos && got.size() >= end + 4 + (length < end ? std::stoul(got.substr(length + 16)) : 0);
        }, 5000);
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_requests.push_back(request);
        }
        m_handler(fd, request, index);
        ::close(fd);
    }

    Handler m_handler;
    std::string m_address;
    mutable std::mutex m_mutex;
    std::vector<std::string> m_requests;
    // Last, so that its thread ends before the rest goes.
    LoopbackServer m_server;
};

// A server that answers the connections in turn with `responses`, the last
// one again and again.
inline ScriptedServer::Handler InTurn(std::vector<std::string> responses)
{
    return [responses](int fd, const std::string&, int index) {
        SendAll(fd, responses[std::min(std::size_t(index), responses.size() - 1)]);
    };
}

// A server that answers every connection with the same bytes.
inline ScriptedServer::Handler Answer(const std::string& response) { return InTurn({ response }); }

// The lines of a request's header.
inline std::vector<std::string> Lines(const std::string& request)
{
    std::vector<std::string> out;
    for (std::size_t start = 0, end; (end = request.find("\r\n", start)) != std::string::npos && end != start; start = end + 2)
        out.push_back(request.substr(start, end - start));
    return out;
}

// The `wanted` lines that are not among `lines`, joined ("" when all are).
inline std::string Missing(const std::vector<std::string>& lines, std::initializer_list<std::string> wanted)
{
    std::string out;
    for (const std::string& line : wanted)
        if (std::find(lines.begin(), lines.end(), line) == lines.end())
            out += (out.empty() ? "" : " | ") + line;
    return out;
}

// What Failure() says of a call that did not raise.
inline const std::string kNothingRaised = "(nothing raised)";

struct GetOutcome {
    bool Raised = false;
    std::string Message;
    int Code = 0;
    // The message the call raised with, or kNothingRaised.
    std::string Failure() const { return Raised ? Message : kNothingRaised; }
};

// What a call of the client raised, if anything.
template <class Call>
GetOutcome Outcome(Call call)
{
    try {
        call();
    } catch (const EHttpException& e) {
        return { true, e.Message, e.ErrorCode };
    }
    return {};
}
inline GetOutcome RunGet(THttpCli& http) { return Outcome([&] { http.Get(); }); }

// The first connection gets no answer until the client gives up on it; the
// others get what `then` sends.
inline ScriptedServer::Handler StallingFirst(ScriptedServer::Handler then)
{
    return [then](int fd, const std::string& request, int index) {
        if (index == 0)
            PeerClosed(fd);
        else
            then(fd, request, index);
    };
}

// A client and the scripted server it is pointed at.
class HttpTest : public ::testing::Test {
protected:
    // Starts the scripted server and, given a target, points the client at
    // it: a path of the server, or a whole URL where "{port}" stands for its
    // port.
    void Serve(ScriptedServer::Handler handler, std::string target = "")
    {
        server = std::make_unique<ScriptedServer>(std::move(handler));
        if (std::size_t at = target.find("{port}"); at != std::string::npos)
            http.URL = target.replace(at, 6, Port());
        else if (!target.empty())
            http.URL = server->Url(target);
    }
    // Serves `handler`, points the client at `target` of it and GETs.
    GetOutcome Fetch(ScriptedServer::Handler handler, const std::string& target)
    {
        Serve(std::move(handler), target);
        return RunGet(http);
    }
    std::string Port() const { return std::to_string(server->Port()); }
    // The lines of the request that came `index`th.
    std::vector<std::string> Sent(std::size_t index = 0) const { return Lines(server->Requests().at(index)); }

    std::unique_ptr<ScriptedServer> server;
    THttpCli http { nullptr };
    TMemoryStream body;
};
