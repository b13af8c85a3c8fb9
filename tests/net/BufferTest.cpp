#include "net/Buffer.h"

#include <gtest/gtest.h>

#include <string>

TEST(Buffer, WritesWhatFitsAndStartsOverWhenDrained)
{
    TBuffer b(0);
    EXPECT_EQ(b.Size(), 1514);
    std::string data(2000, 'a');
    EXPECT_EQ((std::tuple { b.Write(data.data(), 2000), b.Write(data.data(), 10), b.Remove(1514) }), std::tuple(1514, 0, 1514));
    EXPECT_EQ(std::tuple(b.WriteCount(), b.ReadCount()), std::tuple(0, 0));
    int n = -1;
    EXPECT_EQ((std::tuple { b.Peek(n), n }), std::tuple(nullptr, 0));
}

TEST(Buffer, PeekAndRemoveTakeFromTheFront)
{
    TBuffer b(8);
    EXPECT_EQ((std::tuple { b.Write("abcdef", 6), b.Remove(2) }), std::tuple(6, 2));
    int n = 0;
    const char* p = b.Peek(n);
    ASSERT_EQ(n, 4);
    EXPECT_EQ(std::string(p, 4), "cdef");
    // Room behind the written bytes only; the front is not reused yet.
    EXPECT_EQ((std::tuple { b.Write("ghijk", 5), b.Remove(100), b.Write("xyz", 3) }), std::tuple(2, 6, 3));
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
    EXPECT_EQ(std::tuple(b.Size(), b.Write("ef", -5)), std::tuple(1514, 0));
}
