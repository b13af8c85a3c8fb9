#pragma once
// File-type filters of the file dialogs and file lists: a filter string
// such as "HTML Files (*.htm; *.html)|*.htm; *.html|All Files (*.*)|*.*"
// holds pairs of description and mask list.

#include <string>
#include <vector>

struct TFilterItem {
    std::string Description;
    std::string Mask;  // masks separated by ";", blanks allowed
};

// The pairs of a filter string in order; a description without its mask
// list gets an empty one.
std::vector<TFilterItem> ParseFilter(const std::string& filter);

// Whether the name (the part after the last "/" when a path is given)
// matches any mask of the list. Masks compare case-insensitively, "*" stands
// for any run of characters and "?" for one; "*.*" takes every file, also a
// name without a dot.
bool MatchesMask(const std::string& fileName, const std::string& maskList);

// The masks of a list, blanks trimmed, empty entries dropped.
std::vector<std::string> SplitMaskList(const std::string& maskList);
