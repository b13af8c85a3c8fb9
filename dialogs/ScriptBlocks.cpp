#include "dialogs/ScriptBlocks.h"

#include "dialogs/BlockLines.h"

namespace {

const std::vector<std::string_view> kTransfer = {
    "<script language=${q}JavaScript${q}>",
    "window.location=${q}${url}${q}",
    "</script>",
};

// Both branches end without a semicolon on the last address line.
const std::vector<std::string_view> kBrowserCheck = {
    "<script language=${q}JavaScript${q}>",
    "bName = navigator.appName;",
    "if (bName == ${q}Netscape${q})",
    "window.location=${q}${netscape}${q};",
    "else window.location=${q}${other}${q}",
    "</script>",
};

const std::vector<std::string_view> kScroller = {
    "<SCRIPT LANGUAGE=${q}JavaScript${q}>",
    "function scrollit_r2l(seed)",
    "{",
    "var msg =${q}${text}${q};",
    "var out = ${q} ${q};",
    "var c = 1;",
    "",
    "if (seed > 100) {",
    "seed--;",
    "var cmd=${q}scrollit_r2l(${q} + seed + ${q})${q};",
    "timerTwo=window.setTimeout(cmd,100);",
    "}",
    "else if (seed <= 100 && seed > 0) {",
    "for (c=0 ; c < seed ; c++) {",
    "out+=${q} ${q};",
    "}",
    "out+=msg;",
    "seed--;",
    "var cmd=${q}scrollit_r2l(${q} + seed + ${q})${q};",
    "window.status=out;",
    "timerTwo=window.setTimeout(cmd,100);",
    "}",
    "else if (seed <= 0) {",
    "if (-seed < msg.length) {",
    "out+=msg.substring(-seed,msg.length);",
    "seed--;",
    "var cmd=${q}scrollit_r2l(${q} + seed + ${q})${q};",
    "window.status=out;",
    "timerTwo=window.setTimeout(cmd,100);",
    "}",
    "else {",
    "window.status=${q} ${q};",
    "timerTwo=window.setTimeout(${q}scrollit_r2l(100)${q},75);",
    "}",
    "}",
    "}",
    "</SCRIPT>",
    "<BODY onload=${q}scrollit_r2l(99)${q}>",
};

}

std::vector<std::string> TransferScript(const std::string& q, const std::string& url)
{
    return FillLines(kTransfer, { { "q", q }, { "url", url } });
}

std::vector<std::string> BrowserCheckScript(const std::string& q, const std::string& netscapeUrl, const std::string& otherUrl)
{
    return FillLines(kBrowserCheck, { { "q", q }, { "netscape", netscapeUrl }, { "other", otherUrl } });
}

std::vector<std::string> ScrollerScript(const std::string& q, const std::string& text)
{
    return FillLines(kScroller, { { "q", q }, { "text", text } });
}
