#include "editor/ToolButtons.h"

#include "editor/Entities.h"
#include "editor/Unit1.h"
#include "platform/Application.h"
#include "platform/StrUtils.h"
#include "widgets/GlyphStrip.h"

#include <vector>

namespace {

using F = TForm1;

// The toolbars' and the "Normal", "Fonts" and "Applets" tabs' buttons.
const ToolButtonRow kButtonRows[] = {
    // Standard toolbar.
    { "ToolbarButton976", bpStandard, gNew, "", "New", "Create a new file", &F::New1Click },
    { "ToolbarButton974", bpStandard, gOpen, "", "Open", "Open a saved file", &F::Open1Click },
    { "ToolbarButton977", bpStandard, gSave, "", "Save", "Save the current file", &F::Save1Click, false },
    { "ToolbarButton975", bpStandard, gCut, "", "Cut", "Cut the selected text to the clipboard", &F::ToolbarButton975Click, false },
    { "ToolbarButton978", bpStandard, gCopy, "", "Copy", "Copy selected text to clipboard", &F::ToolbarButton978Click, false },
    { "ToolbarButton979", bpStandard, gPaste, "", "Paste", "Paste text from the clipboard", &F::ToolbarButton979Click, false },
    { "ToolbarButton9710", bpStandard, gPreview, "", "Preview in Browser", nullptr, &F::ToolbarButton9710Click },
    { "ToolbarButton9711", bpStandard, gBold, "", "Bold", nullptr, &F::ToolbarButton9711Click },
    { "ToolbarButton9713", bpStandard, gItalic, "", "Italic", nullptr, &F::ToolbarButton9713Click },
    { "ToolbarButton9712", bpStandard, gUnderline, "", "Underlined", nullptr, &F::ToolbarButton9712Click },
    { "ToolbarButton9726", bpStandard, gLeft, "", "Left Justify", nullptr, &F::ToolbarButton9726Click },
    { "ToolbarButton9714", bpStandard, gCenter, "", "Center", nullptr, &F::ToolbarButton9714Click },
    { "ToolbarButton9718", bpStandard, gRight, "", "Right Justify", nullptr, &F::ToolbarButton9718Click },
    { "ToolbarButton9715", bpStandard, gParagraph, "", "Paragraph", "Insert Paragraph", &F::ToolbarButton9715Click },
    { "ToolbarButton9716", bpStandard, gNone, "BR", "Break", "Insert Break", &F::ToolbarButton9716Click },
    { "ToolbarButton9717", bpStandard, gNone, "NB", "Non-breaking space", nullptr, &F::ToolbarButton9717Click },
    { "ToolbarButton9719", bpStandard, gNone, "H1", "Heading 1", "Insert Heading 1", &F::ToolbarButton9719Click },
    { "ToolbarButton9720", bpStandard, gNone, "H2", "Heading 2", "Insert Heading 2", &F::ToolbarButton9720Click },
    { "ToolbarButton9721", bpStandard, gNone, "H3", "Heading 3", "Insert Heading 3", &F::ToolbarButton9721Click },
    { "ToolbarButton9722", bpStandard, gNone, "H4", "Heading 4", "Insert Heading 4", &F::ToolbarButton9722Click },
    { "ToolbarButton9723", bpStandard, gNone, "H5", "Heading 5", "Insert Heading 5", &F::ToolbarButton9723Click },
    { "ToolbarButton9724", bpStandard, gNone, "H6", "Heading 6", "Insert Heading 6", &F::ToolbarButton9724Click },
    // Misc Toolbar.
    { "ToolbarButton9725", bpMisc, gNone, "S", "Strong", nullptr, &F::ToolbarButton9725Click },
    { "ToolbarButton97126", bpMisc, gLinkFromSelection, "", "Link From the Selected Text", "Create a link from the selected text", &F::ToolbarButton97125Click },
    { "ToolbarButton97134", bpMisc, gHyperLink, "", "Insert Hyper Link", nullptr, &F::ToolbarButton97133Click },
    { "ToolbarButton97127", bpMisc, gImage, "", "Insert Image", "Insert an image", &F::ToolbarButton97113Click },
    { "ToolbarButton97136", bpMisc, gEMail, "", "E-Mail", nullptr, &F::ToolbarButton97136Click },
    { "ToolbarButton97138", bpMisc, gMusic, "", "Add Music or Sound", nullptr, &F::ToolbarButton97137Click },
    { "ToolbarButton97139", bpMisc, gNone, "Abc", "Insert Marquee", nullptr, &F::ToolbarButton97139Click },
    { "ToolbarButton97149", bpMisc, gFont, "", "Font", "Change the font", &F::ToolbarButton97148Click },
    { "ToolbarButton97131", bpMisc, gRule, "", "Horizontal Rule", nullptr, &F::ToolbarButton97130Click },
    { "ToolbarButton97141", bpMisc, gFrames, "", "Start the Frame Wizard", nullptr, &F::ToolbarButton97141Click },
    { "ToolbarButton97146", bpMisc, gTags, "", "Insert Tags", nullptr, &F::ToolbarButton97145Click },
    { "ToolbarButton97144", bpMisc, gComment, "", "Insert Comment", nullptr, &F::ToolbarButton97143Click },
    { "ToolbarButton97151", bpMisc, gFormAction, "", "Form Action", nullptr, &F::ToolbarButton97150Click },
    { "ToolbarButton97153", bpMisc, gFormField, "", "Form Field", nullptr, &F::ToolbarButton97152Click },
    { "ToolbarButton97155", bpMisc, gImageMap, "", "Image Map", nullptr, &F::ToolbarButton97154Click },
    { "ToolbarButton97157", bpMisc, gMeta, "", "Insert Meta", nullptr, &F::ToolbarButton97156Click },
    { "ToolbarButton97159", bpMisc, gScript, "", "Insert Script", nullptr, &F::ToolbarButton97158Click },
    { "ToolbarButton97161", bpMisc, gApplet, "", "JAVA Applet", nullptr, &F::ToolbarButton97160Click },
    { "ToolbarButton97163", bpMisc, gParameter, "", "Parameter", nullptr, &F::ToolbarButton97163Click },
    { "ToolbarButton97165", bpMisc, gEmbed, "", "Embeded Item", nullptr, &F::ToolbarButton97164Click },
    // "Normal" tab.
    { "ToolbarButton97125", bpNormal, gLinkFromSelection, "", "Link From the Selected Text", "Create a link from the selected text", &F::ToolbarButton97125Click },
    { "ToolbarButton97133", bpNormal, gHyperLink, "", "Insert Hyper Link", nullptr, &F::ToolbarButton97133Click },
    { "ToolbarButton97113", bpNormal, gImage, "", "Insert Image", "Insert an image", &F::ToolbarButton97113Click },
    { "ToolbarButton97135", bpNormal, gEMail, "", "E-Mail", nullptr, &F::ToolbarButton97135Click },
    { "ToolbarButton97137", bpNormal, gMusic, "", "Add Music or Sound", nullptr, &F::ToolbarButton97137Click },
    { "ToolbarButton97140", bpNormal, gNone, "Abc", "Insert Marquee", nullptr, &F::ToolbarButton97139Click },
    { "ToolbarButton97148", bpNormal, gFont, "", "Font", "Change the font", &F::ToolbarButton97148Click },
    { "ToolbarButton97130", bpNormal, gRule, "", "Horizontal Rule", nullptr, &F::ToolbarButton97130Click },
    { "ToolbarButton97142", bpNormal, gFrames, "", "Start the Frame Wizard", nullptr, &F::ToolbarButton97141Click },
    { "ToolbarButton97145", bpNormal, gTags, "", "Insert Tags", nullptr, &F::ToolbarButton97145Click },
    { "ToolbarButton97143", bpNormal, gComment, "", "Insert Comment", nullptr, &F::ToolbarButton97143Click },
    { "ToolbarButton97150", bpNormal, gFormAction, "", "Form Action", nullptr, &F::ToolbarButton97150Click },
    { "ToolbarButton97152", bpNormal, gFormField, "", "Form Field", nullptr, &F::ToolbarButton97152Click },
    { "ToolbarButton97154", bpNormal, gImageMap, "", "Image Map", nullptr, &F::ToolbarButton97154Click },
    { "ToolbarButton97156", bpNormal, gMeta, "", "Insert Meta", nullptr, &F::ToolbarButton97156Click },
    { "ToolbarButton97158", bpNormal, gScript, "", "Insert Script", nullptr, &F::ToolbarButton97158Click },
    { "ToolbarButton97160", bpNormal, gApplet, "", "JAVA Applet", nullptr, &F::ToolbarButton97160Click },
    { "ToolbarButton97162", bpNormal, gParameter, "", "Parameter", nullptr, &F::ToolbarButton97162Click },
    { "ToolbarButton97164", bpNormal, gEmbed, "", "Embeded Item", nullptr, &F::ToolbarButton97164Click },
    // "Fonts" tab.
    { "ToolbarButton9727", bpFonts, gBig, "", "Increase Text Size", nullptr, &F::ToolbarButton9727Click },
    { "ToolbarButton9728", bpFonts, gSmall, "", "Decrease Text Size", nullptr, &F::ToolbarButton9728Click },
    { "ToolbarButton97114", bpFonts, gBold, "", "Bold", nullptr, &F::ToolbarButton9711Click },
    { "ToolbarButton97115", bpFonts, gItalic, "", "Italic", nullptr, &F::ToolbarButton9713Click },
    { "ToolbarButton97116", bpFonts, gUnderline, "", "Underlined", nullptr, &F::ToolbarButton9712Click },
    { "ToolbarButton97117", bpFonts, gLeft, "", "Left Justify", nullptr, &F::ToolbarButton9726Click },
    { "ToolbarButton97118", bpFonts, gCenter, "", "Center", nullptr, &F::ToolbarButton9714Click },
    { "ToolbarButton97119", bpFonts, gRight, "", "Right Justify", nullptr, &F::ToolbarButton9718Click },
    { "ToolbarButton97120", bpFonts, gNone, "BR", "Break", "Insert Break", &F::ToolbarButton9716Click },
    { "ToolbarButton97121", bpFonts, gNone, "NB", "Non-breaking space", nullptr, &F::ToolbarButton9717Click },
    { "ToolbarButton97122", bpFonts, gNone, "S", "Strong", nullptr, &F::ToolbarButton9725Click },
    { "ToolbarButton97166", bpFonts, gNone, "S", "Strong", nullptr, &F::ToolbarButton9725Click },
    { "ToolbarButton97129", bpFonts, gNone, "F+", "Increase Text Size", "Increase Text Size + 1", &F::ToolbarButton97129Click },
    { "ToolbarButton97128", bpFonts, gNone, "F-", "Decrease Text Size - 1", nullptr, &F::ToolbarButton97128Click },
    // "Applets" tab.
    { "ToolbarButton97123", bpApplets, gPageTransfer, "", "Page Transfer", "This will automatically transfer the visitor of the page to another page", &F::ToolbarButton97123Click },
    { "ToolbarButton97147", bpApplets, gScrollText, "", "Scrolling text on statusbar", nullptr, &F::ToolbarButton97147Click },
};

// The click handler of each character button, by its number.
#define CORVANA_ENTITY_HANDLER_ADDRESS(n) &F::ToolbarButton97##n##Click,
const ToolButtonHandler kEntityHandlers[] = { CORVANA_ENTITY_BUTTONS(CORVANA_ENTITY_HANDLER_ADDRESS) };

// The character buttons' names outlive the rows that point at them.
struct EntityButtons {
    std::string names[84];
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
            // The one status text that mends its hint's spelling.
            const char* status = std::string(e.hint) == "i cirumflex" ? "i circumflex" : nullptr;
            t.rows.push_back({ t.names[i].c_str(), bpCharacters, *e.caption ? int(gNone) : kGlyphCharacters + i, e.caption,
                e.hint, status, kEntityHandlers[e.number - 29], true, e.showHint });
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
    button->OnClick = [form, h = row->click](TObject* sender) { (form->*h)(sender); };
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
