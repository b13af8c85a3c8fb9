// Against a real web server on 127.0.0.1 (Python's http.server, started by
// the test).

#include "tests/net/SocketTestSupport.h"
#include "tests/support/Spawn.h"
#include "tests/support/TempDir.h"

TEST(RealServer, FetchesADocumentLineByLineThenInBlocks)
{
    TempDir folder("www");
    std::string body;
    for (int i = 0; body.size() < 300000; ++i)
        body += "line " + std::to_string(i) + "\n";
    WriteFileBytes(folder.File("page.txt"), body);
    LoopbackProgram server([&](int port) {
        return std::vector<std::string> { "/usr/bin/python3", "-m", "http.server", std::to_string(port), "--bind", "127.0.0.1",
            "--directory", folder.Path() };
    });
    if (server.Port() == 0)
        GTEST_SKIP() << "python3 http.server is not available";

    TWSocket socket(nullptr);
    socket.MultiThreaded = true;
    socket.SetAddr("localhost");
    socket.SetPort(std::to_string(server.Port()));
    socket.Connect();
    ASSERT_TRUE(socket.Wait(10, wsConnected));
    socket.SendStr("GET /page.txt HTTP/1.0\r\n\r\n");

    std::string line;
    socket.ReadLine(10, line);
    EXPECT_EQ(line.substr(0, 12), "HTTP/1.0 200");
    long long length = -1;
    for (socket.ReadLine(10, line); !line.empty(); socket.ReadLine(10, line))
        if (line.rfind("Content-Length: ", 0) == 0)
            length = std::atoll(line.c_str() + 16);
    EXPECT_EQ(length, (long long)body.size());

    std::string got;
    Log closed;
    auto take = [&] {
        char buf[4096];
        for (int n; (n = socket.Receive(buf, sizeof buf)) > 0;)
            got.append(buf, std::size_t(n));
    };
    socket.OnDataAvailable = [&](TObject*, std::uint16_t) { take(); };
    socket.OnSessionClosed = [&](TObject*, std::uint16_t error) { closed.push_back("closed " + std::to_string(error)); };
    take();  // what came with the header
    ASSERT_TRUE(RunUntil([&] { return !closed.empty(); }, 15000));
    EXPECT_TRUE(got == body);
    EXPECT_EQ(std::tuple(closed, socket.State()), std::tuple(Log { "closed 0" }, wsClosed));
}
