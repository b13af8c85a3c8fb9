#include "platform/WinSockErrors.h"

#include <gtest/gtest.h>

#include <cerrno>

TEST(WinsockErrors, TextsOfTheTable)
{
    EXPECT_EQ(WinsockErrorText(0), "No Error");
    EXPECT_EQ(WinsockErrorText(10035), "Operation would block");
    EXPECT_EQ(WinsockErrorText(10047), "Address family not supported by protocol family");
    EXPECT_EQ(WinsockErrorText(10054), "Connection reset by peer");
    EXPECT_EQ(WinsockErrorText(10058), "Can't send after socket shutdown");
    EXPECT_EQ(WinsockErrorText(10061), "Connection refused");
    EXPECT_EQ(WinsockErrorText(10069), "Disc quota exceeded");
    EXPECT_EQ(WinsockErrorText(10092), "WinSock DLL cannot support this application");
    EXPECT_EQ(WinsockErrorText(11002), "Non-authoritative host not found");
    EXPECT_EQ(WinsockErrorText(11004), "No Data");
    EXPECT_EQ(WinsockErrorText(12345), "Not a WinSock error");
    EXPECT_EQ(WinsockErrorText(10001), "Not a WinSock error");
    int known = 0;
    for (int n = 0; n < 12000; ++n)
        known += WinsockErrorText(n) != "Not a WinSock error";
    EXPECT_EQ(known, 51);
}

TEST(WinsockErrors, PosixNumbersMapToThePlatformsOwn)
{
    EXPECT_EQ(WinsockErrorFromErrno(EINPROGRESS), 10035);
    EXPECT_EQ(WinsockErrorFromErrno(EAGAIN), 10035);
    EXPECT_EQ(WinsockErrorFromErrno(EPIPE), 10054);
    EXPECT_EQ(WinsockErrorFromErrno(ECONNRESET), 10054);
    EXPECT_EQ(WinsockErrorFromErrno(ECONNREFUSED), 10061);
    EXPECT_EQ(WinsockErrorFromErrno(ENOTCONN), 10057);
    EXPECT_EQ(WinsockErrorFromErrno(EADDRINUSE), 10048);
    EXPECT_EQ(WinsockErrorFromErrno(ENOTSOCK), 10038);
}
