#include "generators/EntryPage.h"

#include "dialogs/BlockLines.h"
#include "dialogs/ScriptBlocks.h"

namespace {

const std::vector<std::string_view> kHead = {
    "<HTML>",
    "<HEAD>",
    // The description tag carries the title: the description itself is
    // only in the small print.
    "<META name=${q}description${q} content=${q}${T}${q}>",
    "<META name=${q}keywords${q} content=${q}${K}${q}>",
    "<TITLE>${T}</TITLE>",
};

const std::vector<std::string_view> kBody = {
    "</HEAD>",
    "<BODY BGCOLOR=${q}000000${q}>",
    "<CENTER>",
    "<FONT SIZE=${q}8${q} COLOR=${q}FF0000${q}>${T}</FONT><BR>",
    "<!-- ${T} -->",
    "<input type=${q}hidden${q} name=${q}${K1-4}${q} value=${q}${K5-8}${q}>",
    "<FONT COLOR=${q}000000${q}><SMALL><SMALL><SMALL><SMALL>",
    "${T}, ${T}, ${K}",
    "${T}, ${D}, ${T}, ${K}",
    "${T}, ${D}, ${T}, ${K}",
    "</SMALL></SMALL></SMALL></SMALL>",
    "<SMALL><SMALL><SMALL><SMALL>",
    "${T}, ${T}, ${K}",
    "${T}, ${D}, ${T}, ${K}",
    "${T}, ${D}, ${T}, ${K}",
    "</SMALL></SMALL></SMALL></SMALL>",
    "</FONT><P><A HREF=${q}${U}${q}>Click Here if you haven't a JAVA compatible browser</A>",
    "<P><A HREF=${q}${home}${q}>This page was generated with Corvana</A></CENTER>",
    "</BODY>",
    "</HTML>",
};

// Keywords joined with ", ", empty ones too.
std::string joined(const std::array<std::string, 8>& keywords, std::size_t from, std::size_t to)
{
    std::string text;
    for (std::size_t i = from; i < to; ++i)
        text += (i > from ? ", " : "") + keywords[i];
    return text;
}

}

std::vector<std::string> EntryPageLines(const TEntryPage& page, const std::string& q)
{
    const TLineValues values = {
        { "q", q },
        { "T", page.title },
        { "U", page.url },
        { "D", page.description },
        { "K", joined(page.keywords, 0, 8) },
        { "K1-4", joined(page.keywords, 0, 4) },
        { "K5-8", joined(page.keywords, 4, 8) },
        { "home", kProductHomePage },
    };
    std::vector<std::string> lines = FillLines(kHead, values);
    if (!page.noForward) {
        // Both branches of the check send the visitor to the same address.
        auto script = BrowserCheckScript(q, page.url, page.url);
        lines.insert(lines.end(), script.begin(), script.end());
    }
    auto body = FillLines(kBody, values);
    lines.insert(lines.end(), body.begin(), body.end());
    return lines;
}
