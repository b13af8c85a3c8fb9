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

// Every handler that runs a tag command: its name, the command, and whether
// it is an item of the menu bar's "Tags" menu (which pops that button up).
#define CORVANA_TAG_HANDLERS(X) \
    X(ToolbarButton9711Click, tcBold, false) \
    X(ToolbarButton9713Click, tcItalic, false) \
    X(ToolbarButton9712Click, tcUnderlined, false) \
    X(ToolbarButton9714Click, tcCenter, false) \
    X(ToolbarButton9726Click, tcLeftJustify, false) \
    X(ToolbarButton9718Click, tcRightJustify, false) \
    X(ToolbarButton9719Click, tcHeading1, false) \
    X(ToolbarButton9720Click, tcHeading2, false) \
    X(ToolbarButton9721Click, tcHeading3, false) \
    X(ToolbarButton9722Click, tcHeading4, false) \
    X(ToolbarButton9723Click, tcHeading5, false) \
    X(ToolbarButton9724Click, tcHeading6, false) \
    X(ToolbarButton9725Click, tcStrong, false) \
    X(ToolbarButton9727Click, tcBig, false) \
    X(ToolbarButton9728Click, tcSmall, false) \
    X(ToolbarButton97129Click, tcFontPlus, false) \
    X(ToolbarButton97128Click, tcFontMinus, false) \
    X(ToolbarButton97125Click, tcLinkFromSelection, false) \
    X(ToolbarButton97143Click, tcComment, false) \
    X(ToolbarButton9715Click, tcParagraph, false) \
    X(ToolbarButton9716Click, tcBreak, false) \
    X(ToolbarButton9717Click, tcNbsp, false) \
    X(Starttag1Click, tcStartTag, true) \
    X(Endtag1Click, tcEndTag, true) \
    X(Bold1Click, tcBold, true) \
    X(Italic1Click, tcItalic, true) \
    X(Underlined1Click, tcUnderlined, true) \
    X(DecreaseTextSize1Click, tcSmall, true) \
    X(IncreaseTextSize1Click, tcBig, true) \
    X(Center1Click, tcCenter, true) \
    X(LeftJustify1Click, tcLeftJustify, true) \
    X(RightJustify1Click, tcRightJustify, true) \
    X(Paragraph2Click, tcParagraph, true) \
    X(Strong1Click, tcStrong, true) \
    X(Bold2Click, tcBold, false) \
    X(Italic2Click, tcItalic, false) \
    X(Underlined2Click, tcUnderlined, false) \
    X(Center2Click, tcCenter, false) \
    X(LeftJustify2Click, tcLeftJustify, false) \
    X(RightJustify2Click, tcRightJustify, false) \
    X(LineBreak1Click, tcBreak, false) \
    X(Paragraph1Click, tcParagraph, false)

// The hidden main-menu items run the "Tags" menu's handlers.
#define CORVANA_TAG_SHORTCUT_HANDLERS(X) \
    X(Bold3Click, Bold1Click) \
    X(Italic3Click, Italic1Click) \
    X(Underlined3Click, Underlined1Click) \
    X(Center3Click, Center1Click)
