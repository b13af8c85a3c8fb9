#pragma once
// The main window's 161 flat tool buttons, one row a button: where it sits,
// its face (a glyph cell or a short caption), its hint, its status-bar text,
// the name of its click handler and the command or character text that
// handler runs. The toolbars take their buttons in the table's order with the
// gaps it names; the palette tabs are laid out here.

#include "editor/Commands.h"

#include <string>

class TForm1;
class TTabSheet;
class TToolbarButton97;
class TWinControl;

// Cells of the glyph strip "ToolGlyphs.bmp", 16 x 16 each, in this order
// (tools/make_glyphs.py draws them in the same order); the 84 character
// pictures follow from kGlyphCharacters on, in palette order.
enum GlyphCell {
    gNone = -1,
    gNew, gOpen, gSave, gCut, gCopy, gPaste, gPreview, gBold, gItalic, gUnderline,
    gLeft, gCenter, gRight, gParagraph, gLinkFromSelection, gHyperLink, gImage, gEMail, gMusic, gFont,
    gRule, gFrames, gTags, gComment, gFormAction, gFormField, gImageMap, gMeta, gScript, gApplet,
    gParameter, gEmbed, gBig, gSmall, gPageTransfer, gScrollText,
    kGlyphCharacters,
    kGlyphCells = kGlyphCharacters + 84
};

enum ButtonPlace { bpStandard, bpMisc, bpNormal, bpFonts, bpApplets, bpCharacters };

// What follows a toolbar button: nothing, a bevel line, or the Standard
// bar's two toggles each between bevel lines.
enum BarGap { gapNone, gapBevel, gapToggles };

struct ToolButtonRow {
    const char* name;
    ButtonPlace place;
    int glyph;            // a GlyphCell, or gNone with a caption
    const char* caption;  // "" with a glyph
    const char* hint;
    const char* status;   // the status-bar text; nullptr shows the hint
    const char* handler;  // the click handler's name
    EditorCommand command;
    BarGap gap = gapNone;
    bool enabled = true;
    bool showHint = true;
};

constexpr const char* kWelcomeText = "Welcome to Corvana";

// All 161 rows: the toolbars' and the tabs' in the order they sit.
int ToolButtonCount();
const ToolButtonRow& ToolButtonAt(int index);
const ToolButtonRow* FindToolButton(const std::string& name);
// The text the status bar shows while the mouse is over the button.
const char* StatusText(const ToolButtonRow&);

// Makes the named button on `parent` (a toolbar or a tab) with its face,
// hint, command and status-bar hints.
TToolbarButton97* NewToolButton(TForm1*, TWinControl* parent, const std::string& name);
// Makes and places every button of a palette tab.
void PlaceTabButtons(TForm1*, TTabSheet* tab, ButtonPlace);
// The editor, the "Insert HTML" page and its "Applets" tab bring the
// welcome text back; the two toggles of the Standard bar show their hints.
void BindStatusHints(TForm1*);

// Where the glyph strip is read from (the program folder); a missing or bad file leaves the
// buttons without pictures.
std::string GlyphStripPath(const char* file = "ToolGlyphs.bmp");
