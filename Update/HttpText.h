#pragma once
// Texts of the request header.

#include "platform/DateTime.h"

#include <string>
#include <string_view>

// "Sun, 06 Nov 1994 08:49:37" (the value as given, no zone conversion).
std::string FormatHttpDate(TDateTime);
// Standard alphabet, "=" padding, no line breaks.
std::string EncodeBase64(std::string_view);
// A CR, LF or NUL would end a request line early or split it.
bool HasLineBreakOrNul(std::string_view);
