#include "platform/DateTime.h"

#include "platform/Exception.h"
#include "platform/StrUtils.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

// Days from 1 March of year 0 (proleptic Gregorian) to the given date.
std::int64_t daysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    auto yoe = std::int64_t(y - era * 400);
    std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe;
}

void civilFromDays(std::int64_t z, int& y, int& m, int& d)
{
    std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    std::int64_t doe = z - era * 146097;
    std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    std::int64_t mp = (5 * doy + 2) / 153;
    d = int(doy - (153 * mp + 2) / 5 + 1);
    m = int(mp < 10 ? mp + 3 : mp - 9);
    y = int(yoe + era * 400 + (m <= 2));
}

const std::int64_t kEpoch = daysFromCivil(1899, 12, 30);

bool leap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int daysInMonth(int y, int m)
{
    static const int days[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    return m == 2 && leap(y) ? 29 : days[m - 1];
}

// Splits at `separator`; every piece must be 1 to 4 digits.
std::optional<std::vector<int>> numbers(std::string_view text, char separator)
{
    std::vector<int> out;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text.find(separator, start);
        std::string_view piece = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (piece.empty() || piece.size() > 4)
            return std::nullopt;
        int value = 0;
        for (char c : piece) {
            if (c < '0' || c > '9')
                return std::nullopt;
            value = value * 10 + (c - '0');
        }
        out.push_back(value);
        if (end == std::string_view::npos)
            return out;
        start = end + 1;
    }
}

bool validDate(int y, int m, int d) { return y >= 1 && y <= 9999 && m >= 1 && m <= 12 && d >= 1 && d <= daysInMonth(y, m); }

}

TDateTime EncodeDateTime(const TDateParts& p)
{
    double days = double(daysFromCivil(p.Year, p.Month, p.Day) - kEpoch);
    double time = (p.Hour * 3600.0 + p.Minute * 60.0 + p.Second) / 86400.0;
    // Before day 0 the fraction still counts forward from midnight.
    return days < 0 ? days - time : days + time;
}

TDateParts DecodeDateTime(TDateTime value)
{
    TDateParts p;
    double whole = std::trunc(value);
    double fraction = std::fabs(value - whole);
    auto seconds = std::int64_t(std::llround(fraction * 86400.0));
    if (seconds >= 86400)
        seconds = 86399;
    civilFromDays(std::int64_t(whole) + kEpoch, p.Year, p.Month, p.Day);
    p.Hour = int(seconds / 3600);
    p.Minute = int(seconds / 60 % 60);
    p.Second = int(seconds % 60);
    return p;
}

int DayOfWeek(TDateTime value)
{
    // Day 0 (30 December 1899) was a Saturday.
    auto days = std::int64_t(std::trunc(value));
    return int(((days + 6) % 7 + 7) % 7) + 1;
}

TDateTime StrToDateTime(std::string_view input)
{
    std::string text = Trim(input);
    auto fail = [&]() -> TDateTime { throw EConvertError("'" + std::string(input) + "' is not a valid date and time"); };
    std::string datePart = text;
    std::string timePart;
    if (std::size_t blank = text.find(' '); blank != std::string::npos) {
        datePart = text.substr(0, blank);
        timePart = Trim(text.substr(blank + 1));
    } else if (text.find(':') != std::string::npos) {
        datePart.clear();
        timePart = text;
    }
    TDateParts p { 1899, 12, 30, 0, 0, 0 };
    if (!datePart.empty()) {
        std::optional<std::vector<int>> n;
        if ((n = numbers(datePart, '-')) && n->size() == 3)
            p.Year = (*n)[0], p.Month = (*n)[1], p.Day = (*n)[2];
        else if ((n = numbers(datePart, '/')) && n->size() == 3)
            p.Month = (*n)[0], p.Day = (*n)[1], p.Year = (*n)[2];
        else
            return fail();
        if (!validDate(p.Year, p.Month, p.Day))
            return fail();
    }
    if (!timePart.empty()) {
        auto n = numbers(timePart, ':');
        if (!n || n->size() < 2 || n->size() > 3)
            return fail();
        p.Hour = (*n)[0];
        p.Minute = (*n)[1];
        p.Second = n->size() == 3 ? (*n)[2] : 0;
        if (p.Hour > 23 || p.Minute > 59 || p.Second > 59)
            return fail();
    }
    if (datePart.empty() && timePart.empty())
        return fail();
    return EncodeDateTime(p);
}
