// The HTTP client against nginx on loopback.

#include "tests/Update/HttpTestSupport.h"
#include "tests/Update/NginxServer.h"

#include "Update/HttpProt.h"
#include "platform/Stream.h"

#include <gtest/gtest.h>

namespace {

class HttpNginx : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!NginxServer::Available())
            GTEST_SKIP() << "nginx is not installed";
        ASSERT_TRUE(m_server.Start());
    }
    NginxServer m_server;
};

std::string Pattern(std::size_t size)
{
    std::string data(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        data[i] = char((i * 131 + i / 4096) & 0xFF);
    return data;
}

}

TEST_F(HttpNginx, ALargeFileArrivesWholeInAFile)
{
    std::string data = Pattern(3 * 1024 * 1024 + 17);
    m_server.Put("/files/big.bin", data);
    TempDir out("download");
    THttpCli http(nullptr);
    http.URL = m_server.Url("/files/big.bin");
    int pieces = 0;
    http.OnDocData = [&](TObject*, const void*, int length) {
        ++pieces;
        EXPECT_LE(length, THttpCli::ReceiveBufferSize - 1);
    };
    {
        TFileStream file(out.File("big.bin"), fmCreate);
        http.ReceiveStream = &file;
        GetOutcome result = RunGet(http);
        ASSERT_FALSE(result.Raised) << result.Message;
    }
    EXPECT_EQ(http.StatusCode, 200);
    EXPECT_EQ(http.ContentLength, std::int64_t(data.size()));
    EXPECT_EQ(http.ReceivedBytes, std::int64_t(data.size()));
    EXPECT_EQ(http.ContentType, "application/octet-stream");
    EXPECT_EQ(http.DocumentName, "big.bin");
    EXPECT_GT(pieces, 1);
    EXPECT_TRUE(ReadFileBytes(out.File("big.bin")) == data);
}

TEST_F(HttpNginx, AFolderWithoutItsSlashIsRelocated)
{
    m_server.Put("/docs/index.html", "<html>index</html>");
    THttpCli http(nullptr);
    http.URL = m_server.Url("/docs");
    TMemoryStream body;
    http.ReceiveStream = &body;
    GetOutcome result = RunGet(http);
    ASSERT_FALSE(result.Raised) << result.Message;
    EXPECT_EQ(body.Data(), "<html>index</html>");
    EXPECT_EQ(http.StatusCode, 200);
    bool sawRelocation = false;
    for (int i = 0; i < http.RcvdHeader().Count(); ++i)
        sawRelocation |= http.RcvdHeader().Strings(i).rfind("HTTP/1.1 301", 0) == 0;
    EXPECT_TRUE(sawRelocation);
}

TEST_F(HttpNginx, AMissingFileRaisesTheServersReason)
{
    THttpCli http(nullptr);
    http.URL = m_server.Url("/nothing/here.txt");
    GetOutcome result = RunGet(http);
    EXPECT_TRUE(result.Raised);
    EXPECT_EQ(result.Code, 404);
    EXPECT_EQ(result.Message, "Not Found");
}
