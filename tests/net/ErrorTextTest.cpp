#include "platform/WinSockErrors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <ranges>
#include <utility>

TEST(WinsockErrors, TextsOfTheTable)
{
    const std::pair<int, const char*> texts[] = {
        { 0, "No Error" }, { 10035, "Operation would block" }, { 10047, "Address family not supported by protocol family" },
        { 10054, "Connection reset by peer" }, { 10058, "Can't send after socket shutdown" }, { 10061, "Connection refused" },
        { 10069, "Disc quota exceeded" }, { 10092, "WinSock DLL cannot support this application" },
        { 11002, "Non-authoritative host not found" }, { 11004, "No Data" }, { 12345, "Not a WinSock error" },
        { 10001, "Not a WinSock error" } };
    for (const auto& [code, text] : texts)
        EXPECT_EQ(WinsockErrorText(code), text) << code;
    auto known = [](int n) { return WinsockErrorText(n) != "Not a WinSock error"; };
    EXPECT_EQ(std::ranges::count_if(std::views::iota(0, 12000), known), 51);
}

TEST(WinsockErrors, PosixNumbersMapToThePlatformsOwn)
{
    const std::pair<int, int> numbers[] = {
        { EINPROGRESS, 10035 }, { EAGAIN, 10035 }, { EPIPE, 10054 }, { ECONNRESET, 10054 },
        { ECONNREFUSED, 10061 }, { ENOTCONN, 10057 }, { EADDRINUSE, 10048 }, { ENOTSOCK, 10038 } };
    for (const auto& [posix, winsock] : numbers)
        EXPECT_EQ(WinsockErrorFromErrno(posix), winsock) << posix;
}
