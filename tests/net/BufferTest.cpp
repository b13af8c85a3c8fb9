#include "net/Buffer.h"

#include <gtest/gtest.h>

#include <string>

TEST(Buffer, WritesWhatFitsAndStartsOverWhenDrained)
{
    TBuffer b(0);
    EXPECT_EQ(b.Size(), 1514);
    std::string data(2000, 'a');
    EXPECT_EQ(b.Write(data.data(), 2000), 1514);
    EXPECT_EQ(b.Write(data.data(), 10), 0);
    EXPECT_EQ(b.Remove(1514), 1514);
    EXPECT_EQ(std::tuple(b.WriteCount(), b.ReadCount()), std::tuple(0, 0));
    int n = -1;
    EXPECT_EQ(b.Peek(n), nullptr);
    EXPECT_EQ(n, 0);
}

TEST(Buffer, PeekAndRemoveTakeFromTheFront)
{
    TBuffer b(8);
    EXPECT_EQ(b.Write("abcdef", 6), 6);
    EXPECT_EQ(b.Remove(2), 2);
    int n = 0;
    const char* p = b.Peek(n);
    ASSERT_EQ(n, 4);
    EXPECT_EQ(std::string(p, 4), "cdef");
    // Room behind the written bytes only; the front is not reused yet.
    EXPECT_EQ(b.Write("ghijk", 5), 2);
    EXPECT_EQ(b.Remove(100), 6);
    EXPECT_EQ(b.Write("xyz", 3), 3);
    p = b.Peek(n);
    EXPECT_EQ(std::string(p, std::size_t(n)), "xyz");
}

TEST(Buffer, ResizeKeepsWrittenBytes)
{
    TBuffer b(4);
    b.Write("abcd", 4);
    b.Resize(2);  // never below what is written
    EXPECT_EQ(b.Size(), 4);
    b.Resize(10);
    EXPECT_EQ(b.Size(), 10);
    int n = 0;
    const char* p = b.Peek(n);
    EXPECT_EQ(std::string(p, std::size_t(n)), "abcd");
    b.Resize(-1);
    EXPECT_EQ(b.Size(), 1514);
    EXPECT_EQ(b.Write("ef", -5), 0);
}
