#pragma once
// The empty page every new document starts from, in either tag case.

#include <string>

// The marker comment that ends every page the program makes.
inline constexpr const char* kMarkerComment = "<!---Made with Corvana--->";
inline constexpr const char* kDefaultTitle = "Place your title here";

// Twelve lines separated by "\n", ending with the marker comment; the title
// goes in exactly as given.
std::string PageSkeleton(bool upperCase, const std::string& title);
