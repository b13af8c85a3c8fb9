#include "Update/HttpText.h"

#include <cstdio>

std::string FormatHttpDate(TDateTime value)
{
    static const char days[] = "MonTueWedThuFriSatSun";
    static const char months[] = "JanFebMarAprMayJunJulAugSepOctNovDec";
    TDateParts p = DecodeDateTime(value);
    // DayOfWeek counts from Sunday; the table from Monday.
    int day = (DayOfWeek(value) + 5) % 7;
    char text[64];
    std::snprintf(text, sizeof text, "%.3s, %2.2d %.3s %4.4d %2.2d:%2.2d:%2.2d", days + 3 * day, p.Day,
        months + 3 * (p.Month - 1), p.Year, p.Hour, p.Minute, p.Second);
    return text;
}

std::string EncodeBase64(std::string_view data)
{
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((data.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 2 < data.size(); i += 3) {
        unsigned v = unsigned(static_cast<unsigned char>(data[i])) << 16 | unsigned(static_cast<unsigned char>(data[i + 1])) << 8
            | unsigned(static_cast<unsigned char>(data[i + 2]));
        out += alphabet[v >> 18 & 63];
        out += alphabet[v >> 12 & 63];
        out += alphabet[v >> 6 & 63];
        out += alphabet[v & 63];
    }
    if (std::size_t left = data.size() - i; left > 0) {
        unsigned v = unsigned(static_cast<unsigned char>(data[i])) << 16;
        if (left == 2)
            v |= unsigned(static_cast<unsigned char>(data[i + 1])) << 8;
        out += alphabet[v >> 18 & 63];
        out += alphabet[v >> 12 & 63];
        out += left == 2 ? alphabet[v >> 6 & 63] : '=';
        out += '=';
    }
    return out;
}

bool HasLineBreakOrNul(std::string_view text) { return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos; }
