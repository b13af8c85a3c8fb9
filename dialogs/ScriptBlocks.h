#pragma once
// The fixed scripts that the block dialogs and the page generator write,
// each from one table of lines (without their line breaks). q is the quote
// character; the scripts are written in these forms whatever the tag case.

#include <string>
#include <vector>

// The page transfer to one address: three lines.
std::vector<std::string> TransferScript(const std::string& q, const std::string& url);
// The page transfer that asks the browser's name first: six lines, the
// first address for Netscape and the second for every other browser.
std::vector<std::string> BrowserCheckScript(const std::string& q, const std::string& netscapeUrl, const std::string& otherUrl);
// The status-bar scroller with its own body tag: 38 lines, the text in the
// fourth.
std::vector<std::string> ScrollerScript(const std::string& q, const std::string& text);
