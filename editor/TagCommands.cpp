#include "editor/TagCommands.h"

#include "page/Page.h"

const TagRow kTagRows[tcCount] = {
    { tcBold, tkWrap, "<B>", "<b>", "</B>", "</b>", 3, 4, true },
    { tcItalic, tkWrap, "<I>", "<i>", "</I>", "</i>", 3, 4, true },
    { tcUnderlined, tkWrap, "<U>", "<u>", "</U>", "</u>", 3, 4, true },
    { tcCenter, tkWrap, "<CENTER>", "<center>", "</CENTER>", "</center>", 8, 9, true },
    { tcLeftJustify, tkWrap, "<P ALIGN=\x01LEFT\x01>", "<p align=\x01left\x01>", "</P>", "</p>", 16, 4, true },
    { tcRightJustify, tkWrap, "<P ALIGN=\x01RIGHT\x01>", "<p align=\x01right\x01>", "</P>", "</p>", 17, 4, true },
    { tcHeading1, tkWrap, "<H1>", "<h1>", "</H1>", "</h1>", 4, 5, true },
    { tcHeading2, tkWrap, "<H2>", "<h2>", "</H2>", "</h2>", 4, 5, true },
    { tcHeading3, tkWrap, "<H3>", "<h3>", "</H3>", "</h3>", 4, 5, true },
    { tcHeading4, tkWrap, "<H4>", "<h4>", "</H4>", "</h4>", 4, 5, true },
    { tcHeading5, tkWrap, "<H5>", "<h5>", "</H5>", "</h5>", 4, 5, true },
    { tcHeading6, tkWrap, "<H6>", "<h6>", "</H6>", "</h6>", 4, 5, true },
    { tcStrong, tkWrap, "<STRONG>", "<strong>", "</STRONG>", "</strong>", 8, 9, true },
    { tcBig, tkWrap, "<BIG>", "<big>", "</BIG>", "</big>", 5, 6, true },
    { tcSmall, tkWrap, "<SMALL>", "<small>", "</SMALL>", "</small>", 7, 8, true },
    { tcFontPlus, tkWrap, "<FONT SIZE=\x01+1\x01>", "<font size=\x01+1\x01>", "</FONT>", "</font>", 16, 7, true },
    { tcFontMinus, tkWrap, "<FONT SIZE=\x01-1\x01>", "<font size=\x01-1\x01>", "</FONT>", "</font>", 16, 7, true },
    // The link target is the selection; the focus stays where it was.
    { tcLinkFromSelection, tkWrap, "<A HREF=\x01", "<a href=\x01", "\x01></A>", "\x01></a>", 9, 4, false },
    { tcComment, tkWrap, "<!-- ", "<!-- ", " -->", " -->", 5, 4, true },
    { tcParagraph, tkInsert, "<P>", "<p>", "", "", 0, 0, true },
    { tcBreak, tkInsert, "<BR>", "<br>", "", "", 0, 0, true },
    { tcNbsp, tkInsert, "&nbsp;", "&nbsp;", "", "", 0, 0, true },
    // The caret goes between the brackets: k1 is its step past the selection.
    { tcStartTag, tkBracket, "<>", "<>", "", "", 1, 0, true },
    { tcEndTag, tkBracket, "</>", "</>", "", "", 2, 0, true },
};

namespace {

std::string withQuote(const char* text, const std::string& quote)
{
    std::string out;
    for (const char* c = text; *c; ++c)
        if (*c == '\x01')
            out += quote;
        else
            out += *c;
    return out;
}

}

void RunTagCommand(TPage& page, TagCommand command)
{
    const TagRow& row = kTagRows[command];
    bool upper = page.UpperCase();
    const std::string quote = page.Quote();
    std::string open = withQuote(upper ? row.upperOpen : row.lowerOpen, quote);
    std::string close = withQuote(upper ? row.upperClose : row.lowerClose, quote);

    if (row.kind == tkInsert)
        page.Replace(open);
    else
        page.Wrap(open, row.k1, close, row.k2);
    if (row.takesFocus)
        page.FocusIfPossible();
}
