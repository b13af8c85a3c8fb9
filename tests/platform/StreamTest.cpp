#include "platform/Exception.h"
#include "platform/Stream.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

TEST(Stream, FileStreamsCreateReadAndRefuseMissingFiles)
{
    TempDir dir("stream");
    {
        TFileStream out(dir.File("a.bin"), fmCreate);
        out.WriteBuffer("hello world", 11);
        EXPECT_EQ(out.Size(), 11);
    }
    TFileStream in(dir.File("a.bin"), fmOpenRead);
    char buf[16] = {};
    in.ReadBuffer(buf, 5);
    EXPECT_EQ((std::tuple { std::string(buf, 5), in.Position() }), std::tuple("hello", 5));
    EXPECT_THROW(in.ReadBuffer(buf, 16), EReadError);
    EXPECT_THROW(TFileStream(dir.File("missing.bin"), fmOpenRead), EFOpenError);
    EXPECT_THROW(TFileStream(dir.File("no/such/folder.bin"), fmCreate), EFCreateError);
}

TEST(Stream, MemoryStreamsGrowAndSeek)
{
    TMemoryStream m;
    m.WriteBuffer("abc", 3);
    m.SetPosition(1);
    m.WriteBuffer("XYZ", 3);
    char c = 0;
    EXPECT_EQ((std::tuple { m.Data(), m.Seek(-1, soEnd), m.Read(&c, 5), c, m.Seek(-10, soCurrent) }),
        std::tuple("aXYZ", 3, 1, 'Z', -1));
}
