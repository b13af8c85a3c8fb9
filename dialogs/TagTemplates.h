#pragma once
// The ready-made tags of the Insert Tags dialog, in the order it lists them.
// They are written as they stand, in upper case with double quotes; the
// dialog lowers them when the page's tags are lower case.

#include <array>

inline constexpr int kTagTemplateCount = 100;
extern const std::array<const char*, kTagTemplateCount> kTagTemplates;
