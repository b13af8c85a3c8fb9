// Reply assembly and the texts the client reads and writes.

#include "Ftp/FtpReply.h"

#include <arpa/inet.h>

#include <gtest/gtest.h>

TEST(FtpReply, MultiLineReplyEndsOnlyAtItsOwnCodeAndABlank)
{
    TFtpReplyAssembler a;
    EXPECT_FALSE(a.Feed("226-First line"));
    EXPECT_TRUE(a.InReply());
    // Continuation lines: a blank first, another code, a code with a dash,
    // digits alone: none of them ends the reply.
    for (const char* line : { " 226 indented, not the end", "250 another code", "226-still going", "226", "no digits at all" })
        EXPECT_FALSE(a.Feed(line)) << line;
    EXPECT_TRUE(a.Feed("226 Transfer complete"));
    EXPECT_FALSE(a.InReply());
    // Each line without a dash is a reply of its own.
    EXPECT_TRUE(a.Feed("200 OK"));
    EXPECT_TRUE(a.Feed("garbage"));
}

TEST(FtpReply, ReplyLinesStartWithThreeDigits)
{
    for (const char* line : { "220 ready", "220", "220-more" })
        EXPECT_TRUE(IsFtpReplyLine(line)) << line;
    for (const char* line : { "Hello", " 220 ready", "22 short", "2200 long", "" })
        EXPECT_FALSE(IsFtpReplyLine(line)) << line;
}

TEST(FtpReply, NumbersAndQuotedNames)
{
    EXPECT_EQ(std::tuple(FtpReplyNumber("550 No such file"), FtpReplyNumber("  +221 Bye"), FtpReplyNumber("no number")),
        std::tuple(550, 221, 0));
    EXPECT_EQ(std::tuple(FtpNumberAfterCode("213 5368709120"), FtpNumberAfterCode("213")), std::tuple(5368709120LL, 0));
    EXPECT_EQ(std::tuple(FtpQuotedName("257 \"/home/a \"\"b\"\"\" created"), FtpQuotedName("257 /no/quotes"),
                  FtpQuotedName("250 \"/open")),
        std::tuple("/home/a \"b\"", "", "/open"));
}

TEST(FtpReply, CommandBreaksAreFound)
{
    EXPECT_FALSE(HasCommandBreak("file name.htm"));
    for (const std::string& line : { std::string("a\r"), std::string("a\nDELE x"), std::string("a\0b", 3) })
        EXPECT_TRUE(HasCommandBreak(line)) << line;
}

TEST(FtpReply, PortLine)
{
    EXPECT_EQ(FtpPortLine(true, 0, 0x1234), "PORT 127,0,0,1,18,52");
    // Any other server gets the control connection's local address.
    EXPECT_EQ(FtpPortLine(false, htonl(0x0A000105), 65535), "PORT 10,0,1,5,255,255");
}

TEST(FtpReply, StatisticsKeepTheirFormula)
{
    EXPECT_EQ(FtpStatisticsText(40000, 1000, 3000), "40000 bytes received/sent in 2 seconds (20000 Bytes/sec)");
    EXPECT_EQ(FtpStatisticsText(30000, 10, 17), "30000 bytes received/sent in 0 seconds (4285714 Bytes/sec)");
    EXPECT_EQ(FtpStatisticsText(0, 5, 5), "0 bytes received/sent in 0 seconds");
    // Counts past 32 bits.
    EXPECT_EQ(FtpStatisticsText(5368709120LL, 0, 4000), "5368709120 bytes received/sent in 4 seconds (1342177000 Bytes/sec)");
}
