#pragma once
// TDateTime: days since 30 December 1899, the time of day as the fraction.
// Conversions raise EConvertError with the class library's texts.

#include <string>
#include <string_view>

using TDateTime = double;

struct TDateParts {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
};

TDateTime EncodeDateTime(const TDateParts&);
TDateParts DecodeDateTime(TDateTime);
// 1 for Sunday up to 7 for Saturday.
int DayOfWeek(TDateTime);

// A date ("yyyy-mm-dd" or "m/d/yyyy"), optionally followed by a time
// ("h:nn" or "h:nn:ss"), or a time alone (on day 0).
TDateTime StrToDateTime(std::string_view);
