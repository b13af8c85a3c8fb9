#include "platform/DateTime.h"
#include "platform/Exception.h"

#include <gtest/gtest.h>

TEST(DateTime, DaysCountFromTheEndOf1899)
{
    EXPECT_EQ((std::tuple { EncodeDateTime({ 1899, 12, 30, 0, 0, 0 }), EncodeDateTime({ 2000, 1, 1, 12, 0, 0 }) }),
        std::tuple(0.0, 36526.5));
    TDateParts p = DecodeDateTime(EncodeDateTime({ 2024, 2, 29, 23, 59, 59 }));
    EXPECT_EQ((std::tuple { p.Year, p.Month, p.Day, p.Hour, p.Minute, p.Second }), std::tuple(2024, 2, 29, 23, 59, 59));
    // A Sunday and a Saturday.
    EXPECT_EQ((std::tuple { DayOfWeek(EncodeDateTime({ 2026, 12, 6, 0, 0, 0 })),
                  DayOfWeek(EncodeDateTime({ 2026, 12, 5, 0, 0, 0 })) }),
        std::tuple(1, 7));
}

TEST(DateTime, TextsConvertOrRaise)
{
    EXPECT_EQ(StrToDateTime("2026-12-06"), EncodeDateTime({ 2026, 12, 6, 0, 0, 0 }));
    EXPECT_EQ(StrToDateTime("12/6/2026 10:05"), EncodeDateTime({ 2026, 12, 6, 10, 5, 0 }));
    EXPECT_EQ(StrToDateTime(" 2026-12-06 10:05:30 "), EncodeDateTime({ 2026, 12, 6, 10, 5, 30 }));
    for (const char* bad : { "", "tomorrow", "2026-02-30", "2026-12-06 24:00", "1/2", "2026-12-06 10" })
        EXPECT_THROW(StrToDateTime(bad), EConvertError) << bad;
}
