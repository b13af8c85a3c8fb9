// The HTTP client against nginx on loopback.

#include "tests/Update/HttpTestSupport.h"
#include "tests/Update/NginxServer.h"

namespace {

class HttpNginx : public HttpTest {
protected:
    void SetUp() override
    {
        if (!NginxServer::Available())
            GTEST_SKIP() << "nginx is not installed";
        ASSERT_TRUE(m_server.Start());
    }
    NginxServer m_server;
};

}

TEST_F(HttpNginx, ALargeFileArrivesWholeInAFile)
{
    std::string data = PatternBytes(3 * 1024 * 1024 + 17);
    m_server.Put("/files/big.bin", data);
    TempDir out("download");
    http.URL = m_server.Url("/files/big.bin");
    int pieces = 0;
    http.OnDocData = [&](TObject*, const void*, int length) {
        ++pieces;
        EXPECT_LE(length, THttpCli::ReceiveBufferSize - 1);
    };
    {
        TFileStream file(out.File("big.bin"), fmCreate);
        http.ReceiveStream = &file;
        ASSERT_EQ(RunGet(http).Failure(), kNothingRaised);
    }
    EXPECT_EQ(std::tuple(http.StatusCode, http.ContentLength, http.ReceivedBytes, http.ContentType, http.DocumentName),
        std::tuple(200, std::int64_t(data.size()), std::int64_t(data.size()), "application/octet-stream", "big.bin"));
    EXPECT_GT(pieces, 1);
    EXPECT_TRUE(ReadFileBytes(out.File("big.bin")) == data);
}

TEST_F(HttpNginx, AFolderWithoutItsSlashIsRelocated)
{
    m_server.Put("/docs/index.html", "<html>index</html>");
    http.URL = m_server.Url("/docs");
    http.ReceiveStream = &body;
    ASSERT_EQ(RunGet(http).Failure(), kNothingRaised);
    EXPECT_EQ(std::tuple(body.Data(), http.StatusCode), std::tuple("<html>index</html>", 200));
    // A line of the kept header starts the relocation.
    EXPECT_NE(("\n" + http.RcvdHeader().Text()).find("\nHTTP/1.1 301"), std::string::npos) << http.RcvdHeader().Text();
}

TEST_F(HttpNginx, AMissingFileRaisesTheServersReason)
{
    http.URL = m_server.Url("/nothing/here.txt");
    GetOutcome result = RunGet(http);
    EXPECT_EQ(std::tuple(result.Failure(), result.Code), std::tuple("Not Found", 404));
}
