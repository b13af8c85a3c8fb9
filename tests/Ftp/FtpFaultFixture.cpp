#include "tests/Ftp/FtpFaultFixture.h"

#include <algorithm>

ServerScript Session(CommandHook hook, const std::string& greeting)
{
    return [hook, greeting](ScriptedFtpServer& s, ScriptConnection& c) { RunStandardSession(s, c, hook, greeting); };
}

ServerScript Answering(const std::string& verb, VerbAnswer answer)
{
    return [verb, answer](ScriptedFtpServer& s, ScriptConnection& c) {
        RunStandardSession(s, c, [&](ScriptConnection& c, const std::string& v, const std::string& arg) {
            if (v != verb)
                return false;
            answer(s, c, arg);
            return true;
        });
    };
}

VerbAnswer TakingData(std::function<void(ScriptedFtpServer&, ScriptConnection&, int fd, const std::string& arg)> read, int receiveBuffer)
{
    return [read, receiveBuffer](ScriptedFtpServer& s, ScriptConnection& c, const std::string& arg) {
        c.Reply("150 Opening data connection");
        int fd = c.ConnectData("127.0.0.1", receiveBuffer);
        read(s, c, fd, arg);
        ::close(fd);
        c.Reply("226 Transfer complete");
    };
}

ScriptedFtpServer& FtpFault::Serve(ServerScript script, std::size_t size)
{
    server = std::make_unique<ScriptedFtpServer>([this, script](ScriptConnection& c) { script(*server, c); });
    Prepare(*server, size);
    return *server;
}

void FtpFault::Prepare(const ScriptedFtpServer& target, std::size_t size)
{
    content = PatternBytes(size, 11);
    WriteFileBytes(work.File("up.bin"), content);
    client.PointAt(target.Port(), "user", "pass");
    client->HostDirName = "";
    client->HostFileName = "up.bin";
    client->LocalFileName = work.File("up.bin");
}

void FtpFault::EndsOnce(const FailCase& k)
{
    Serve(k.Script, k.Size);
    client->Timeout = k.Timeout;
    k.Before(*this);
    EXPECT_FALSE(Transmit());
    ASSERT_TRUE(client.WaitDone(1));
    // A row without an error takes any but 0, one without a message any.
    const DoneRecord& d = client.Done[0];
    EXPECT_EQ(std::tuple(k.Error < 0 && d.Error != 0 ? k.Error : d.Error, k.Message.empty() ? k.Message : d.ErrorMessage),
        std::tuple(k.Error, k.Message));
    k.Check(*this);
    client->Timeout = 15;
    client->OnProgress = nullptr;
    if (k.NextWorks)
        ExpectNextRequestWorks();
}

bool FtpFault::Transmit()
{
    auto start = std::chrono::steady_clock::now();
    bool ok = client->TransmitSync();
    took = std::chrono::steady_clock::now() - start;
    return ok;
}

void FtpFault::ExpectUploadWorks(const ScriptedFtpServer& to)
{
    client.ExpectTransmits();
    EXPECT_TRUE(to.Received("up.bin") == content);
}

void FtpFault::ExpectNextRequestWorks()
{
    ScriptedFtpServer next([&next](ScriptConnection& c) { RunStandardSession(next, c); });
    Prepare(next);
    ExpectUploadWorks(next);
}

bool FtpFault::Sent(const std::string& verb) const
{
    return std::ranges::any_of(server->Commands(), [&](const std::string& c) { return c.rfind(verb, 0) == 0; });
}
