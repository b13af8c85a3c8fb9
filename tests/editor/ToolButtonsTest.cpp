// The main window's tool buttons as the user meets them: clicking a tag or
// character button edits the page, the Tags menus and the Ctrl keys run the
// same commands once, and the status bar follows the mouse.

#include "tests/editor/MainWindowFixture.h"

#include "editor/Entities.h"
#include "editor/ToolButtons.h"
#include "platform/Clipboard.h"
#include "platform/Mouse.h"
#include "tests/support/MessageLoop.h"

#include <QWindow>

#include <map>
#include <set>

namespace {

// A missing button fails the test with its name.
TToolbarButton97* button(const std::string& name) { return FindComponentAs<TToolbarButton97>(Form1, name); }

void click(const std::string& name) { SystemClickAt(button(name)->Widget(), { 5, 5 }); }

class ToolButtonsTest : public MainWindowTest {
protected:
    // A control of the window other than the editor that takes the focus.
    TEdit* otherControl() { return NewControl<TEdit>(Form1, Form1, "OtherEdit", 0, 0, 50, 20); }

    void SetUp() override
    {
        SetSetting("Upercase", "Yes");
        Start();
    }
};

}

TEST_F(ToolButtonsTest, EveryButtonOfTheTableStandsWhereItBelongs)
{
    std::map<ButtonPlace, int> perPlace;
    std::set<std::string> names;
    int captions = 0, disabled = 0;
    for (int i = 0; i < ToolButtonCount(); ++i) {
        const ToolButtonRow& row = ToolButtonAt(i);
        ++perPlace[row.place];
        names.insert(row.name);
        captions += *row.caption != 0;
        TToolbarButton97* b = button(row.name);
        disabled += !b->Enabled();
        EXPECT_EQ(std::tuple(b->Hint(), b->Width(), b->Height()), std::tuple(std::string(row.hint), 23, 22)) << row.name;
    }
    EXPECT_EQ(std::tuple(ToolButtonCount(), names.size(), perPlace[bpStandard] + perPlace[bpMisc], perPlace[bpNormal]),
        std::tuple(161, 161u, 42, 19));
    EXPECT_EQ(std::tuple(perPlace[bpFonts], perPlace[bpApplets], perPlace[bpCharacters], captions), std::tuple(14, 2, 84, 26));
    EXPECT_EQ(disabled, ClipboardHasText() ? 3 : 4) << "Save, Cut, Copy and Paste";
    EXPECT_EQ(button("ToolbarButton9729")->Parent(), Form1->FindComponent("TabSheet6"));
    EXPECT_EQ(std::tuple(button("ToolbarButton9729")->Left(), button("ToolbarButton97112")->Top()), std::tuple(2 + 23 * 6, 237));
    EXPECT_FALSE(button("ToolbarButton9711")->Glyph().Empty()) << "the glyph strip was read";
}

TEST_F(ToolButtonsTest, WrapButtonsPutTheCaretBeforeTheClosingText)
{
    // The button (by its number after "ToolbarButton97"), the tag case, the selection, the page before and after, the caret.
    const std::tuple<int, const char*, int, int, const char*, const char*, int> cases[] = {
        { 11, "Upercase", 2, 0, "abcd", "ab<B></B>cd", 5 }, { 11, "Upercase", 1, 3, "xabc", "x<B>abc</B>", 7 },
        { 114, "upercase", 1, 3, "xabc", "x<b>abc</b>", 7 }, { 18, "Upercase", 0, 2, "hi", "<P ALIGN=\"RIGHT\">hi</P>", 19 },
        { 117, "Lowercase", 0, 2, "hi", "<p align=\"left\">hi</p>", 18 }, { 22, "Upercase", 0, 0, "", "<H4></H4>", 4 },
        { 166, "Lowercase", 0, 1, "s", "<strong>s</strong>", 9 }, { 27, "Upercase", 0, 1, "s", "<BIG>s</BIG>", 6 },
        { 28, "Upercase", 0, 1, "s", "<SMALL>s</SMALL>", 8 }, { 129, "Upercase", 0, 1, "s", "<FONT SIZE=\"+1\">s</FONT>", 17 },
        { 128, "Lowercase", 0, 1, "s", "<font size=\"-1\">s</font>", 17 }, { 143, "Upercase", 0, 1, "c", "<!-- c -->", 6 },
        { 126, "Upercase", 0, 5, "a.htm", "<A HREF=\"a.htm\"></A>", 16 },
        // A selection over two lines stays whole inside the tags.
        { 14, "Upercase", 1, 5, "xab\ncdy", "x<CENTER>ab\ncd</CENTER>y", 14 },
    };
    for (const auto& [number, tagCase, selStart, selLength, page, expected, caret] : cases) {
        Form1->Edit4->SetText(tagCase);
        SetPage(page, selStart, selLength);
        click("ToolbarButton97" + std::to_string(number));
        EXPECT_EQ(EditorState(), (PageState { expected, caret, 0 })) << number;
    }
}

TEST_F(ToolButtonsTest, InsertButtonsReplaceTheSelection)
{
    const std::pair<const char*, std::string> cases[] = {
        { "ToolbarButton9715", "a<P>d" }, { "ToolbarButton9716", "a<BR>d" }, { "ToolbarButton97120", "a<BR>d" },
        { "ToolbarButton9717", "a&nbsp;d" }, { "ToolbarButton97121", "a&nbsp;d" },
    };
    for (const auto& [name, expected] : cases) {
        SetPage("abcd", 1, 2);
        click(name);
        EXPECT_EQ(EditorState(), (PageState { expected, int(expected.size()) - 1, 0 })) << name;
    }
}

TEST_F(ToolButtonsTest, LinkFromTheSelectedTextLeavesTheFocusWhereItWas)
{
    TEdit* other = otherControl();
    other->SetFocus();
    ASSERT_TRUE(other->Focused());
    SetPage("x", 0, 1);
    click("ToolbarButton97125");
    EXPECT_EQ(std::tuple(Form1->RichEdit1->Text(), other->Focused()), std::tuple("<A HREF=\"x\"></A>", true));
    click("ToolbarButton9711");
    EXPECT_TRUE(Form1->RichEdit1->Focused()) << "every other command gives the editor the focus";
}

TEST_F(ToolButtonsTest, TheTagsMenuBracketsAndPutsItsButtonUp)
{
    // The item, the selection's length from the caret at 2, the page after, the caret.
    const std::tuple<const char*, int, const char*, int> cases[] = {
        { "Starttag1", 0, "ab<>cd", 3 }, { "Endtag1", 0, "ab</>cd", 4 },
        { "Starttag1", 2, "ab<>cd", 5 }, { "Endtag1", 2, "ab</>cd", 6 },
        { "Strong1", 0, "ab<STRONG></STRONG>cd", 10 }, { "DecreaseTextSize1", 0, "ab<SMALL></SMALL>cd", 9 },
    };
    for (const auto& [item, selLength, expected, caret] : cases) {
        SetPage("abcd", 2, selLength);
        Form1->itaMenuButton4->SetDown(true);
        ChooseMenu(item);
        EXPECT_EQ(EditorState(), (PageState { expected, caret, 0 })) << item;
        EXPECT_FALSE(Form1->itaMenuButton4->Down()) << item;
    }
    Form1->itaMenuButton4->SetDown(true);
    ChooseMenu("LineBreak1");
    EXPECT_TRUE(Form1->itaMenuButton4->Down()) << "the context menu leaves the menu bar alone";
}

TEST_F(ToolButtonsTest, CtrlKeysRunTheirTagCommandOnceFromEitherMenu)
{
    const std::pair<Qt::Key, const char*> cases[] = {
        { Qt::Key_B, "<B></B>" }, { Qt::Key_I, "<I></I>" }, { Qt::Key_U, "<U></U>" }, { Qt::Key_E, "<CENTER></CENTER>" },
    };
    TEdit* other = otherControl();
    for (const auto& [key, expected] : cases) {
        // In the editor: its context menu carries the key.
        SetPage("", 0);
        Form1->RichEdit1->SetFocus();
        PressKey(key, Qt::ControlModifier);
        EXPECT_EQ(Form1->RichEdit1->Text(), expected);
        // Elsewhere: the hidden main-menu item, which puts "Tags" up as well.
        SetPage("", 0);
        Form1->itaMenuButton4->SetDown(true);
        other->SetFocus();
        KeyOn(other, key, Qt::ControlModifier);
        EXPECT_EQ(std::tuple(Form1->RichEdit1->Text(), Form1->itaMenuButton4->Down()), std::tuple(expected, false));
    }
}

TEST_F(ToolButtonsTest, TheCharacterPaletteInsertsItsTextsAndKeepsTheFocus)
{
    // The palette as listed, the odd dash names and the capital THORN included.
    const std::map<std::string, std::string> spot = {
        { "Em dash", "&emdash;" }, { "En dash", "&endash;" }, { "Three fourths", "&#190;" }, { "o circumflex", "&ocirc;" },
        { "o grave accent", "&ograve;" }, { "A grave accent", "&Agrave;" }, { "U acute accent", "&Uacute;" },
        { "U circumflex", "&Ucirc;" }, { "U umlaut", "&Uuml;" }, { "Soft hypen", "&shy;" }, { "E curcumflex", "&Ecirc;" },
    };
    std::set<std::string> texts;
    int thorns = 0;
    for (const EntityRow& row : kEntityRows) {
        texts.insert(row.text);
        thorns += std::string(row.hint) == "Thorn";
        EXPECT_EQ(std::string(row.text), spot.count(row.hint) ? spot.at(row.hint) : std::string(row.text)) << row.hint;
    }
    EXPECT_EQ(std::tuple(texts.size(), thorns), std::tuple(84u, 2)) << "no two buttons insert the same text; two thorns";
    EXPECT_EQ(std::tuple(std::string(FindEntity(107)->text), std::string(FindEntity(29)->hint)),
        std::tuple("&THORN;", "Less than"));

    Form1->RichEdit1->SetFocus();
    ASSERT_TRUE(Form1->RichEdit1->Focused());
    for (const char* tagCase : { "Upercase", "Lowercase" }) {
        Form1->Edit4->SetText(tagCase);
        SetPage("abcd", 1, 2);
        click("ToolbarButton9729");
        EXPECT_EQ(EditorState(), (PageState { "a&lt;d", 5, 0 }));
    }
    EXPECT_TRUE(Form1->RichEdit1->Focused());
    TEdit* other = otherControl();
    other->SetFocus();
    click("ToolbarButton97107");
    EXPECT_TRUE(other->Focused()) << "the focus is not moved";
}

TEST_F(ToolButtonsTest, StatusTextsDifferFromTheHintsOnlyWhereListed)
{
    // By the number after "ToolbarButton97".
    const std::map<std::string, std::string> differing = {
        { "6", "Create a new file" }, { "4", "Open a saved file" }, { "7", "Save the current file" },
        { "5", "Cut the selected text to the clipboard" }, { "8", "Copy selected text to clipboard" },
        { "9", "Paste text from the clipboard" }, { "15", "Insert Paragraph" }, { "16", "Insert Break" },
        { "120", "Insert Break" }, { "19", "Insert Heading 1" }, { "20", "Insert Heading 2" }, { "21", "Insert Heading 3" },
        { "22", "Insert Heading 4" }, { "23", "Insert Heading 5" }, { "24", "Insert Heading 6" }, { "113", "Insert an image" },
        { "127", "Insert an image" }, { "125", "Create a link from the selected text" },
        { "126", "Create a link from the selected text" }, { "148", "Change the font" }, { "149", "Change the font" },
        { "129", "Increase Text Size + 1" },
        { "123", "This will automatically transfer the visitor of the page to another page" }, { "66", "i circumflex" },
    };
    for (int i = 0; i < ToolButtonCount(); ++i) {
        const ToolButtonRow& row = ToolButtonAt(i);
        ASSERT_EQ(std::string(row.name).rfind("ToolbarButton97", 0), 0u) << row.name;
        auto it = differing.find(std::string(row.name).substr(15));
        EXPECT_EQ(StatusText(row), it == differing.end() ? row.hint : it->second) << row.name;
    }
}

TEST_F(ToolButtonsTest, TheStatusBarFollowsTheMouseOverTheButtons)
{
    TToolbarButton97::SetApplicationActiveSource([] { return true; });
    TPoint cursor;
    SetCursorPosSource([&] { return cursor; });
    QWindow* window = Form1->Widget()->windowHandle();
    // The mouse moved over a point of the control; the status text then.
    auto moveOver = [&](TControl* c, int x, int y) {
        QPoint screen = c->Widget()->mapToGlobal(QPoint(x, y));
        cursor = { screen.x(), screen.y() };
        MoveMouseOver(window, screen);
        return Form1->StatusBar1->SimpleText();
    };
    EXPECT_EQ(moveOver(button("ToolbarButton974"), 5, 5), "Open a saved file");
    EXPECT_EQ(button("ToolbarButton974")->Hint(), "Open") << "the tool tip keeps the hint";
    // Straight onto the neighbour: its move first, then the exit.
    moveOver(button("ToolbarButton976"), 5, 5);
    RunFor(10);
    EXPECT_EQ(Form1->StatusBar1->SimpleText(), kWelcomeText);
    EXPECT_EQ(moveOver(button("ToolbarButton976"), 6, 6), "Create a new file");
    EXPECT_EQ(moveOver(Form1->RichEdit1, 50, 50), kWelcomeText);
    // A click reports the mouse leaving: the welcome text until it moves again.
    TToolbarButton97* bold = button("ToolbarButton9711");
    EXPECT_EQ(moveOver(bold, 5, 5), "Bold");
    ClickOver(window, bold->Widget()->mapToGlobal(QPoint(5, 5)));
    EXPECT_EQ(Form1->StatusBar1->SimpleText(), kWelcomeText);
    EXPECT_EQ(moveOver(bold, 6, 6), "Bold");
    // Bold's exit comes after the toggle's first move.
    moveOver(Form1->itaPopupButton2, 5, 5);
    RunFor(10);
    EXPECT_EQ(moveOver(Form1->itaPopupButton2, 6, 6), "Change to Uppercase or Lowercase letters");
    SetCursorPosSource(nullptr);
    TToolbarButton97::SetApplicationActiveSource(nullptr);
}

TEST_F(ToolButtonsTest, EveryButtonShowsItsHintAsAToolTipButThreeCharacters)
{
    const std::set<std::string> silent = { "Em space", "o tilde", "y acute accent" };
    for (int i = 0; i < ToolButtonCount(); ++i) {
        const ToolButtonRow& row = ToolButtonAt(i);
        EXPECT_EQ(button(row.name)->Widget()->toolTip().toStdString(), silent.count(row.hint) ? "" : row.hint) << row.name;
    }
}
