#include "dialogs/TagTemplates.h"

// The comment and the document type first, then by tag name. An element
// with an end tag has both tags with nothing between them.
const std::array<const char*, kTagTemplateCount> kTagTemplates = {
    "<!-- -->", "<!DOCTYPE>", "<A HREF=\"\"></A>", "<A NAME=\"\"></A>", "<ABBREV></ABBREV>", "<ACRONYM></ACRONYM>",
    "<ADDRESS></ADDRESS>", "<APPLET></APPLET>", "<AREA></AREA>", "<AU></AU>", "<B></B>", "<BANNER></BANNER>",
    "<BASE></BASE>", "<BASEFONT></BASEFONT>", "<BGSOUND></BGSOUND>", "<BIG></BIG>", "<BLINK></BLINK>",
    "<BLOCKQUOTE></BLOCKQUOTE>", "<BODY></BODY>", "<BQ></BQ>", "<BR>", "<CAPTION></CAPTION>", "<CENTER></CENTER>",
    "<CITE></CITE>", "<CODE></CODE>", "<COMMENT></COMMENT>", "<DD>", "<DEL></DEL>", "<DFN></DFN>", "<DIR></DIR>",
    "<DIV></DIV>", "<DL></DL>", "<DT>", "<EM></EM>", "<FIG></FIG>", "<FN></FN>", "<FONT></FONT>", "<FORM></FORM>",
    "<FRAME></FRAME>", "<FRAMESET></FRAMESET>", "<H1></H1>", "<H2></H2>", "<H3></H3>", "<H4></H4>", "<H5></H5>",
    "<H6></H6>", "<HEAD></HEAD>", "<HR>", "<HTML></HTML>", "<I></I>", "<IMG></IMG>", "<INPUT TYPE=></INPUT>",
    "<INS></INS>", "<ISINDEX></ISINDEX>", "<KBD></KBD>", "<LI>", "<LINK>", "<LISTING></LISTING>", "<MAP></MAP>",
    "<MARQUEE></MARQUEE>", "<MENU></MENU>", "<META>", "<MULTICOL></MULTICOL>", "<NEXTID>", "<NOBR></NOBR>",
    "<NOFRAMES></NOFRAMES>", "<NOTE></NOTE>", "<OL></OL>", "<OPTION>", "<OVERLAY>", "<P></P>", "<PARAM></PARAM>",
    "<PERSON></PERSON>", "<PLAINTEXT></PLAINTEXT>", "<PRE></PRE>", "<Q></Q>", "<RANGE>", "<S></S>", "<SAMP></SAMP>",
    "<SELECT></SELECT>", "<SMALL></SMALL>", "<SPACER>", "<STRIKE></STRIKE>", "<STRONG></STRONG>", "<STYLE>",
    "<SUB></SUB>", "<SUP></SUP>", "<TAB>", "<TABLE></TABLE>", "<TD></TD>", "<TEXTAREA></TEXTAREA>", "<TH></TH>",
    "<TITLE></TITLE>", "<TR></TR>", "<TT></TT>", "<U></U>", "<UL></UL>", "<VAR></VAR>", "<WBR></WBR>", "<XMP></XMP>",
};
