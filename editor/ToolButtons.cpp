#include "editor/ToolButtons.h"

#include "dialogs/Unit5.h"
#include "dialogs/Unit6.h"
#include "dialogs/Unit7.h"
#include "dialogs/Unit8.h"
#include "dialogs/Unit9.h"
#include "dialogs/Unit11.h"
#include "dialogs/Unit12.h"
#include "dialogs/Unit17.h"
#include "dialogs/Unit18.h"
#include "dialogs/Unit19.h"
#include "dialogs/Unit20.h"
#include "dialogs/Unit21.h"
#include "dialogs/Unit22.h"
#include "dialogs/Unit23.h"
#include "dialogs/Unit24.h"
#include "dialogs/Unit25.h"
#include "dialogs/Unit26.h"
#include "dialogs/Unit28.h"
#include "editor/Entities.h"
#include "editor/Unit1.h"
#include "generators/Unit13.h"
#include "platform/Application.h"
#include "platform/StrUtils.h"
#include "widgets/GlyphStrip.h"

#include <vector>

namespace {

using F = TForm1;

// The toolbars' and the "Normal", "Fonts" and "Applets" tabs' buttons.
const ToolButtonRow kButtonRows[] = {
    // Standard toolbar.
    { "ToolbarButton976", bpStandard, gNew, "", "New", "Create a new file", "New1Click", &F::New1Click },
    { "ToolbarButton974", bpStandard, gOpen, "", "Open", "Open a saved file", "Open1Click", &F::Open1Click },
    { "ToolbarButton977", bpStandard, gSave, "", "Save", "Save the current file", "Save1Click", &F::Save1Click, gapBevel, false },
    { "ToolbarButton975", bpStandard, gCut, "", "Cut", "Cut the selected text to the clipboard", "ToolbarButton975Click", &F::ToolbarButton975Click, gapNone, false },
    { "ToolbarButton978", bpStandard, gCopy, "", "Copy", "Copy selected text to clipboard", "ToolbarButton978Click", &F::ToolbarButton978Click, gapNone, false },
    { "ToolbarButton979", bpStandard, gPaste, "", "Paste", "Paste text from the clipboard", "ToolbarButton979Click", &F::ToolbarButton979Click, gapToggles, false },
    { "ToolbarButton9710", bpStandard, gPreview, "", "Preview in Browser", nullptr, "ToolbarButton9710Click", &F::ToolbarButton9710Click, gapBevel },
    { "ToolbarButton9711", bpStandard, gBold, "", "Bold", nullptr, "ToolbarButton9711Click", tcBold },
    { "ToolbarButton9713", bpStandard, gItalic, "", "Italic", nullptr, "ToolbarButton9713Click", tcItalic },
    { "ToolbarButton9712", bpStandard, gUnderline, "", "Underlined", nullptr, "ToolbarButton9712Click", tcUnderlined, gapBevel },
    { "ToolbarButton9726", bpStandard, gLeft, "", "Left Justify", nullptr, "ToolbarButton9726Click", tcLeftJustify },
    { "ToolbarButton9714", bpStandard, gCenter, "", "Center", nullptr, "ToolbarButton9714Click", tcCenter },
    { "ToolbarButton9718", bpStandard, gRight, "", "Right Justify", nullptr, "ToolbarButton9718Click", tcRightJustify, gapBevel },
    { "ToolbarButton9715", bpStandard, gParagraph, "", "Paragraph", "Insert Paragraph", "ToolbarButton9715Click", tcParagraph, gapBevel },
    { "ToolbarButton9716", bpStandard, gNone, "BR", "Break", "Insert Break", "ToolbarButton9716Click", tcBreak },
    { "ToolbarButton9717", bpStandard, gNone, "NB", "Non-breaking space", nullptr, "ToolbarButton9717Click", tcNbsp, gapBevel },
    { "ToolbarButton9719", bpStandard, gNone, "H1", "Heading 1", "Insert Heading 1", "ToolbarButton9719Click", tcHeading1 },
    { "ToolbarButton9720", bpStandard, gNone, "H2", "Heading 2", "Insert Heading 2", "ToolbarButton9720Click", tcHeading2 },
    { "ToolbarButton9721", bpStandard, gNone, "H3", "Heading 3", "Insert Heading 3", "ToolbarButton9721Click", tcHeading3 },
    { "ToolbarButton9722", bpStandard, gNone, "H4", "Heading 4", "Insert Heading 4", "ToolbarButton9722Click", tcHeading4 },
    { "ToolbarButton9723", bpStandard, gNone, "H5", "Heading 5", "Insert Heading 5", "ToolbarButton9723Click", tcHeading5 },
    { "ToolbarButton9724", bpStandard, gNone, "H6", "Heading 6", "Insert Heading 6", "ToolbarButton9724Click", tcHeading6, gapBevel },
    // Misc Toolbar.
    { "ToolbarButton9725", bpMisc, gNone, "S", "Strong", nullptr, "ToolbarButton9725Click", tcStrong },
    { "ToolbarButton97126", bpMisc, gLinkFromSelection, "", "Link From the Selected Text", "Create a link from the selected text", "ToolbarButton97125Click", tcLinkFromSelection, gapBevel },
    { "ToolbarButton97134", bpMisc, gHyperLink, "", "Insert Hyper Link", nullptr, "ToolbarButton97133Click", ShowDialog<Form7> },
    { "ToolbarButton97127", bpMisc, gImage, "", "Insert Image", "Insert an image", "ToolbarButton97113Click", ShowDialog<Form5> },
    { "ToolbarButton97136", bpMisc, gEMail, "", "E-Mail", nullptr, "ToolbarButton97136Click", ShowDialog<Form8>, gapBevel },
    { "ToolbarButton97138", bpMisc, gMusic, "", "Add Music or Sound", nullptr, "ToolbarButton97137Click", ShowDialog<Form11> },
    { "ToolbarButton97139", bpMisc, gNone, "Abc", "Insert Marquee", nullptr, "ToolbarButton97139Click", ShowDialog<Form12> },
    { "ToolbarButton97149", bpMisc, gFont, "", "Font", "Change the font", "ToolbarButton97148Click", ShowDialog<Form19> },
    { "ToolbarButton97131", bpMisc, gRule, "", "Horizontal Rule", nullptr, "ToolbarButton97130Click", ShowDialog<Form6>, gapBevel },
    { "ToolbarButton97141", bpMisc, gFrames, "", "Start the Frame Wizard", nullptr, "ToolbarButton97141Click", ShowDialog<Form13> },
    { "ToolbarButton97146", bpMisc, gTags, "", "Insert Tags", nullptr, "ToolbarButton97145Click", ShowDialog<Form17> },
    { "ToolbarButton97144", bpMisc, gComment, "", "Insert Comment", nullptr, "ToolbarButton97143Click", tcComment, gapBevel },
    { "ToolbarButton97151", bpMisc, gFormAction, "", "Form Action", nullptr, "ToolbarButton97150Click", ShowDialog<Form20> },
    { "ToolbarButton97153", bpMisc, gFormField, "", "Form Field", nullptr, "ToolbarButton97152Click", ShowDialog<Form21> },
    { "ToolbarButton97155", bpMisc, gImageMap, "", "Image Map", nullptr, "ToolbarButton97154Click", ShowDialog<Form22> },
    { "ToolbarButton97157", bpMisc, gMeta, "", "Insert Meta", nullptr, "ToolbarButton97156Click", ShowDialog<Form23> },
    { "ToolbarButton97159", bpMisc, gScript, "", "Insert Script", nullptr, "ToolbarButton97158Click", ShowDialog<Form24> },
    { "ToolbarButton97161", bpMisc, gApplet, "", "JAVA Applet", nullptr, "ToolbarButton97160Click", ShowDialog<Form25> },
    { "ToolbarButton97163", bpMisc, gParameter, "", "Parameter", nullptr, "ToolbarButton97163Click", ShowDialog<Form26>, gapBevel },
    { "ToolbarButton97165", bpMisc, gEmbed, "", "Embeded Item", nullptr, "ToolbarButton97164Click", ShowDialog<Form28>, gapBevel },
    // "Normal" tab.
    { "ToolbarButton97125", bpNormal, gLinkFromSelection, "", "Link From the Selected Text", "Create a link from the selected text", "ToolbarButton97125Click", tcLinkFromSelection },
    { "ToolbarButton97133", bpNormal, gHyperLink, "", "Insert Hyper Link", nullptr, "ToolbarButton97133Click", ShowDialog<Form7> },
    { "ToolbarButton97113", bpNormal, gImage, "", "Insert Image", "Insert an image", "ToolbarButton97113Click", ShowDialog<Form5> },
    { "ToolbarButton97135", bpNormal, gEMail, "", "E-Mail", nullptr, "ToolbarButton97135Click", ShowDialog<Form8> },
    { "ToolbarButton97137", bpNormal, gMusic, "", "Add Music or Sound", nullptr, "ToolbarButton97137Click", ShowDialog<Form11> },
    { "ToolbarButton97140", bpNormal, gNone, "Abc", "Insert Marquee", nullptr, "ToolbarButton97139Click", ShowDialog<Form12> },
    { "ToolbarButton97148", bpNormal, gFont, "", "Font", "Change the font", "ToolbarButton97148Click", ShowDialog<Form19> },
    { "ToolbarButton97130", bpNormal, gRule, "", "Horizontal Rule", nullptr, "ToolbarButton97130Click", ShowDialog<Form6> },
    { "ToolbarButton97142", bpNormal, gFrames, "", "Start the Frame Wizard", nullptr, "ToolbarButton97141Click", ShowDialog<Form13> },
    { "ToolbarButton97145", bpNormal, gTags, "", "Insert Tags", nullptr, "ToolbarButton97145Click", ShowDialog<Form17> },
    { "ToolbarButton97143", bpNormal, gComment, "", "Insert Comment", nullptr, "ToolbarButton97143Click", tcComment },
    { "ToolbarButton97150", bpNormal, gFormAction, "", "Form Action", nullptr, "ToolbarButton97150Click", ShowDialog<Form20> },
    { "ToolbarButton97152", bpNormal, gFormField, "", "Form Field", nullptr, "ToolbarButton97152Click", ShowDialog<Form21> },
    { "ToolbarButton97154", bpNormal, gImageMap, "", "Image Map", nullptr, "ToolbarButton97154Click", ShowDialog<Form22> },
    { "ToolbarButton97156", bpNormal, gMeta, "", "Insert Meta", nullptr, "ToolbarButton97156Click", ShowDialog<Form23> },
    { "ToolbarButton97158", bpNormal, gScript, "", "Insert Script", nullptr, "ToolbarButton97158Click", ShowDialog<Form24> },
    { "ToolbarButton97160", bpNormal, gApplet, "", "JAVA Applet", nullptr, "ToolbarButton97160Click", ShowDialog<Form25> },
    { "ToolbarButton97162", bpNormal, gParameter, "", "Parameter", nullptr, "ToolbarButton97162Click", ShowDialog<Form26> },
    { "ToolbarButton97164", bpNormal, gEmbed, "", "Embeded Item", nullptr, "ToolbarButton97164Click", ShowDialog<Form28> },
    // "Fonts" tab.
    { "ToolbarButton9727", bpFonts, gBig, "", "Increase Text Size", nullptr, "ToolbarButton9727Click", tcBig },
    { "ToolbarButton9728", bpFonts, gSmall, "", "Decrease Text Size", nullptr, "ToolbarButton9728Click", tcSmall },
    { "ToolbarButton97114", bpFonts, gBold, "", "Bold", nullptr, "ToolbarButton9711Click", tcBold },
    { "ToolbarButton97115", bpFonts, gItalic, "", "Italic", nullptr, "ToolbarButton9713Click", tcItalic },
    { "ToolbarButton97116", bpFonts, gUnderline, "", "Underlined", nullptr, "ToolbarButton9712Click", tcUnderlined },
    { "ToolbarButton97117", bpFonts, gLeft, "", "Left Justify", nullptr, "ToolbarButton9726Click", tcLeftJustify },
    { "ToolbarButton97118", bpFonts, gCenter, "", "Center", nullptr, "ToolbarButton9714Click", tcCenter },
    { "ToolbarButton97119", bpFonts, gRight, "", "Right Justify", nullptr, "ToolbarButton9718Click", tcRightJustify },
    { "ToolbarButton97120", bpFonts, gNone, "BR", "Break", "Insert Break", "ToolbarButton9716Click", tcBreak },
    { "ToolbarButton97121", bpFonts, gNone, "NB", "Non-breaking space", nullptr, "ToolbarButton9717Click", tcNbsp },
    { "ToolbarButton97122", bpFonts, gNone, "S", "Strong", nullptr, "ToolbarButton9725Click", tcStrong },
    { "ToolbarButton97166", bpFonts, gNone, "S", "Strong", nullptr, "ToolbarButton9725Click", tcStrong },
    { "ToolbarButton97129", bpFonts, gNone, "F+", "Increase Text Size", "Increase Text Size + 1", "ToolbarButton97129Click", tcFontPlus },
    { "ToolbarButton97128", bpFonts, gNone, "F-", "Decrease Text Size - 1", nullptr, "ToolbarButton97128Click", tcFontMinus },
    // "Applets" tab.
    { "ToolbarButton97123", bpApplets, gPageTransfer, "", "Page Transfer", "This will automatically transfer the visitor of the page to another page", "ToolbarButton97123Click", ShowDialog<Form9> },
    { "ToolbarButton97147", bpApplets, gScrollText, "", "Scrolling text on statusbar", nullptr, "ToolbarButton97147Click", ShowDialog<Form18> },
};

// The character buttons' and their handlers' names outlive the rows that
// point at them.
struct EntityButtons {
    std::string names[84];
    std::string handlers[84];
    std::vector<ToolButtonRow> rows;
};

const std::vector<ToolButtonRow>& allRows()
{
    static const EntityButtons table = [] {
        EntityButtons t;
        t.rows.assign(std::begin(kButtonRows), std::end(kButtonRows));
        for (int i = 0; i < 84; ++i) {
            const EntityRow& e = kEntityRows[i];
            t.names[i] = "ToolbarButton97" + std::to_string(e.number);
            t.handlers[i] = t.names[i] + "Click";
            // The one status text that mends its hint's spelling.
            const char* status = std::string(e.hint) == "i cirumflex" ? "i circumflex" : nullptr;
            t.rows.push_back({ t.names[i].c_str(), bpCharacters, *e.caption ? int(gNone) : kGlyphCharacters + i, e.caption,
                e.hint, status, t.handlers[i].c_str(), EditorCommand(e.text), gapNone, true, e.showHint });
        }
        return t;
    }();
    return table.rows;
}

// The glyph strip, read once per program folder.
const TGlyphStrip& glyphStrip()
{
    static std::string path;
    static TGlyphStrip strip;
    if (path != GlyphStripPath()) {
        path = GlyphStripPath();
        strip.Load(path, 16, kGlyphCells);
    }
    return strip;
}

// The button's face: its short caption in a font of its own, or its cell of
// the glyph strip. The three bracket and ampersand captions are in 13-pixel
// "MS Sans Serif"; the tag captions in bold.
void setFace(TToolbarButton97* button, const ToolButtonRow& row)
{
    if (!*row.caption) {
        button->SetGlyph(glyphStrip().Cell(row.glyph));
        return;
    }
    std::string caption = row.caption;
    if (caption == "&&" || caption == "<" || caption == ">")
        button->Font.Size = 10;
    else if (row.place != bpCharacters)
        button->Font.Style = fsBold;
    button->Font.Color = clBtnText;
    button->SetCaption(caption);
}

// Palette tabs: rows of eight buttons, 23 by 22.
TPoint gridPlace(int index) { return { 2 + 23 * (index % 8), 22 * (index / 8) }; }

}

int ToolButtonCount() { return int(allRows().size()); }

const ToolButtonRow& ToolButtonAt(int index) { return allRows().at(std::size_t(index)); }

const ToolButtonRow* FindToolButton(const std::string& name)
{
    for (const ToolButtonRow& row : allRows())
        if (name == row.name)
            return &row;
    return nullptr;
}

const char* StatusText(const ToolButtonRow& row) { return row.status ? row.status : row.hint; }

std::string GlyphStripPath(const char* file)
{
    // The buttons are made before the window records the program folder.
    std::string folder = ExtractFileDir(TApplication::ExeName());
    return (folder.empty() ? GetCurrentDir() : folder) + "/" + file;
}

TToolbarButton97* NewToolButton(TForm1* form, TWinControl* parent, const std::string& name)
{
    const ToolButtonRow* row = FindToolButton(name);
    if (!row)
        return nullptr;
    auto* button = NewControl<TToolbarButton97>(form, parent, name);
    button->SetHint(row->hint);
    button->SetShowHint(row->showHint);
    setFace(button, *row);
    button->SetEnabled(row->enabled);
    button->OnClick = CommandEvent(form, row->command);
    button->OnMouseMove = [form, text = StatusText(*row)](TObject*, TShiftState, int, int) {
        form->StatusBar1->SetSimpleText(text);
    };
    button->OnMouseExit = [form](TObject*) { form->StatusBar1->SetSimpleText(kWelcomeText); };
    return button;
}

void PlaceTabButtons(TForm1* form, TTabSheet* tab, ButtonPlace place)
{
    int index = 0;
    for (const ToolButtonRow& row : allRows()) {
        if (row.place != place)
            continue;
        TToolbarButton97* button = NewToolButton(form, tab, row.name);
        if (place == bpCharacters) {
            EntityPlace at = EntityPlaceAt(index);
            button->SetBounds(at.left, at.top, 23, 22);
        } else {
            TPoint at = gridPlace(index);
            button->SetBounds(at.X, at.Y, 23, 22);
        }
        ++index;
    }
    if (place == bpCharacters)
        for (int top : kEntityBevelTops)
            NewControl<TBevel>(form, tab, "", 2, top, 184, 2);
}

void BindStatusHints(TForm1* form)
{
    auto welcome = [form](TObject*, TShiftState, int, int) { form->StatusBar1->SetSimpleText(kWelcomeText); };
    form->RichEdit1->OnMouseMove = welcome;
    form->PageControl2->OnMouseMove = welcome;
    form->TabSheet7->OnMouseMove = welcome;
    for (TitaPopupButton* toggle : { form->itaPopupButton1, form->itaPopupButton2 }) {
        toggle->OnMouseMove = [form, toggle](TObject*, TShiftState, int, int) {
            form->StatusBar1->SetSimpleText(toggle->Hint());
        };
        toggle->OnMouseLeave = [form](TObject*) { form->StatusBar1->SetSimpleText(kWelcomeText); };
    }
}
