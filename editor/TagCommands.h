#pragma once
// The commands that write tags into the page without a dialog: wrap the
// selection in an opening and a closing text, insert one text in its place,
// or insert an empty start or end tag.

class TPage;

enum TagCommand {
    tcBold, tcItalic, tcUnderlined, tcCenter, tcLeftJustify, tcRightJustify,
    tcHeading1, tcHeading2, tcHeading3, tcHeading4, tcHeading5, tcHeading6,
    tcStrong, tcBig, tcSmall, tcFontPlus, tcFontMinus, tcLinkFromSelection, tcComment,
    tcParagraph, tcBreak, tcNbsp, tcStartTag, tcEndTag,
    tcCount
};

enum TagKind { tkWrap, tkInsert, tkBracket };

// One command's texts. A '\x01' in a text stands for the quote (Edit2).
struct TagRow {
    TagCommand command;
    TagKind kind;
    const char* upperOpen;
    const char* lowerOpen;
    const char* upperClose;
    const char* lowerClose;
    int k1;  // the caret's step past the selection after the opening text
    int k2;  // the caret's step back into the closing text
    bool takesFocus;
};

extern const TagRow kTagRows[tcCount];

// Writes the command's texts into the page in its tag case and quote.
void RunTagCommand(TPage&, TagCommand);
