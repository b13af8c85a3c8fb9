#pragma once
// The entry page the page generator writes for search engines: its title,
// description and keywords in meta tags and, many times over, in small
// black-on-black print, with a script in the head that forwards the visitor
// to the site's home page unless forwarding is off.

#include "generators/HomePage.h"

#include <array>
#include <string>
#include <vector>

struct TEntryPage {
    std::string title;
    std::string url;
    bool noForward = false;
    // In reading order of the two rows of keyword boxes.
    std::array<std::string, 8> keywords;
    std::string description;
};

// The page's lines (31, or 25 without forwarding), tags written as they
// stand whatever the editor's tag case; the fields go in unchanged.
std::vector<std::string> EntryPageLines(const TEntryPage& page, const std::string& q);
