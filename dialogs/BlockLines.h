#pragma once
// Lines written from patterns. In a pattern "${name}" stands for the value
// given under that name ("${q}" is by custom the quote character); values
// go in exactly as they stand and are never read as patterns themselves, so
// a title holding "${q}" or a quote stays what the user typed. Braces alone
// are text, as scripts need them.

#include <string>
#include <string_view>
#include <vector>

struct TLineValue {
    std::string_view name;
    std::string value;
};
using TLineValues = std::vector<TLineValue>;

// Raises std::logic_error for a name the values do not hold: a fault of the
// pattern table, not of the user's input.
std::string FillLine(std::string_view pattern, const TLineValues& values);
std::vector<std::string> FillLines(const std::vector<std::string_view>& patterns, const TLineValues& values);
