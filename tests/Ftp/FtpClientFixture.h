#pragma once
// A client under test with everything it reports recorded.

#include "Ftp/Ftpcli.h"
#include "tests/Ftp/FtpTestServers.h"

#include <memory>
#include <string>
#include <vector>

struct DoneRecord {
    TFtpRequest RqType;
    int Error;
    std::string ErrorMessage, LastResponse;
};

class RecordingClient {
public:
    RecordingClient();
    ~RecordingClient();

    TFtpClient* operator->() { return Client.get(); }

    // Pumps until OnRequestDone has come `count` times in all.
    bool WaitDone(std::size_t count = 1, int ms = 20000) { return RunUntil([&] { return Done.size() >= count; }, ms); }
    bool SawDisplay(const std::string& part) const;
    // A synchronous upload ends well, reported once.
    void ExpectTransmits();
    // Points the client at a server on 127.0.0.1.
    void PointAt(int port, const std::string& user, const std::string& password = "");

    std::unique_ptr<TFtpClient> Client;
    std::vector<DoneRecord> Done;
    std::vector<std::string> Log;
    std::vector<std::string> Exceptions;
    int SessionsConnected = 0;
    int SessionsClosed = 0;
    // The application's handler while this client is recorded.
    std::function<void(TObject*, const std::exception&)> PreviousHandler;
};
