#include "tests/Ftp/FtpClientFixture.h"

#include "platform/Application.h"

#include <gtest/gtest.h>

#include <algorithm>

RecordingClient::RecordingClient()
    : Client(std::make_unique<TFtpClient>(nullptr))
{
    Client->OnRequestDone = [this](TObject*, TFtpRequest rq, std::uint16_t error) {
        Done.push_back({ rq, error, Client->ErrorMessage(), Client->LastResponse() });
    };
    Client->OnDisplay = [this](TObject*, std::string& msg) { Log.push_back(msg); };
    Client->OnSessionConnected = [this](TObject*, std::uint16_t) { ++SessionsConnected; };
    Client->OnSessionClosed = [this](TObject*, std::uint16_t) { ++SessionsClosed; };
    // Exceptions that come up inside network events reach the application
    // object; they are kept here instead of being shown.
    PreviousHandler = Application->OnException;
    Application->OnException = [this](TObject*, const std::exception& e) { Exceptions.push_back(e.what()); };
}

RecordingClient::~RecordingClient()
{
    Client.reset();
    Application->OnException = PreviousHandler;
}

bool RecordingClient::SawDisplay(const std::string& part) const
{
    return std::any_of(Log.begin(), Log.end(), [&](const std::string& line) { return line.find(part) != std::string::npos; });
}

void RecordingClient::PointAt(int port, const std::string& user, const std::string& password)
{
    Client->HostName = "127.0.0.1";
    Client->SetPort(std::to_string(port));
    Client->UserName = user;
    Client->PassWord = password;
}

void RecordingClient::ExpectTransmits()
{
    std::size_t before = Done.size();
    EXPECT_TRUE(Client->TransmitSync()) << Client->ErrorMessage();
    ASSERT_TRUE(WaitDone(before + 1));
    EXPECT_EQ(std::tuple(Done.back().RqType, Done.back().Error), std::tuple(ftpRqTransmit, 0));
}
