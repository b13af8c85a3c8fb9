// The main window's tool buttons as the user meets them: clicking a tag or
// character button edits the page, the Tags menus and the Ctrl keys run the
// same commands once, and the status bar follows the mouse.

#include "tests/editor/MainWindowFixture.h"

#include "editor/Entities.h"
#include "editor/ToolButtons.h"
#include "platform/AppHooks.h"
#include "platform/Clipboard.h"
#include "platform/Mouse.h"
#include "tests/support/MessageLoop.h"
#include "widgets/TB97.h"

#include <QWindow>

#include <map>
#include <set>

namespace {

TToolbarButton97* button(const std::string& name) { return dynamic_cast<TToolbarButton97*>(Form1->FindComponent(name)); }

void click(const std::string& name)
{
    TToolbarButton97* b = button(name);
    ASSERT_NE(b, nullptr) << name;
    SystemClickAt(b->Widget(), { 5, 5 });
}

void setPage(const std::string& text, int selStart, int selLength)
{
    Form1->RichEdit1->SetText(text);
    Form1->RichEdit1->SetSelStart(selStart);
    Form1->RichEdit1->SetSelLength(selLength);
}

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
        ASSERT_NE(b, nullptr) << row.name;
        disabled += !b->Enabled();
        EXPECT_EQ(b->Hint(), row.hint);
        EXPECT_EQ(b->Width(), 23);
        EXPECT_EQ(b->Height(), 22);
    }
    EXPECT_EQ(ToolButtonCount(), 161);
    EXPECT_EQ(names.size(), 161u);
    EXPECT_EQ(perPlace[bpStandard] + perPlace[bpMisc], 42);
    EXPECT_EQ(perPlace[bpNormal], 19);
    EXPECT_EQ(perPlace[bpFonts], 14);
    EXPECT_EQ(perPlace[bpApplets], 2);
    EXPECT_EQ(perPlace[bpCharacters], 84);
    EXPECT_EQ(captions, 26);
    EXPECT_EQ(disabled, ClipboardHasText() ? 3 : 4) << "Save, Cut, Copy and Paste";
    EXPECT_EQ(button("ToolbarButton9729")->Parent(), Form1->FindComponent("TabSheet6"));
    EXPECT_EQ(button("ToolbarButton9729")->Left(), 2 + 23 * 6);
    EXPECT_EQ(button("ToolbarButton97112")->Top(), 237);
    EXPECT_FALSE(button("ToolbarButton9711")->Glyph().Empty()) << "the glyph strip was read";
}

TEST_F(ToolButtonsTest, WrapButtonsPutTheCaretBeforeTheClosingText)
{
    struct Case {
        const char* button;
        const char* tagCase;
        int selStart, selLength;
        const char* page;
        const char* expected;
        int caret;
    } cases[] = {
        { "ToolbarButton9711", "Upercase", 2, 0, "abcd", "ab<B></B>cd", 5 },
        { "ToolbarButton9711", "Upercase", 1, 3, "xabc", "x<B>abc</B>", 7 },
        { "ToolbarButton97114", "upercase", 1, 3, "xabc", "x<b>abc</b>", 7 },
        { "ToolbarButton9718", "Upercase", 0, 2, "hi", "<P ALIGN=\"RIGHT\">hi</P>", 19 },
        { "ToolbarButton97117", "Lowercase", 0, 2, "hi", "<p align=\"left\">hi</p>", 18 },
        { "ToolbarButton9722", "Upercase", 0, 0, "", "<H4></H4>", 4 },
        { "ToolbarButton97166", "Lowercase", 0, 1, "s", "<strong>s</strong>", 9 },
        { "ToolbarButton9727", "Upercase", 0, 1, "s", "<BIG>s</BIG>", 6 },
        { "ToolbarButton9728", "Upercase", 0, 1, "s", "<SMALL>s</SMALL>", 8 },
        { "ToolbarButton97129", "Upercase", 0, 1, "s", "<FONT SIZE=\"+1\">s</FONT>", 17 },
        { "ToolbarButton97128", "Lowercase", 0, 1, "s", "<font size=\"-1\">s</font>", 17 },
        { "ToolbarButton97143", "Upercase", 0, 1, "c", "<!-- c -->", 6 },
        { "ToolbarButton97126", "Upercase", 0, 5, "a.htm", "<A HREF=\"a.htm\"></A>", 16 },
        // A selection over two lines stays whole inside the tags.
        { "ToolbarButton9714", "Upercase", 1, 5, "xab\ncdy", "x<CENTER>ab\ncd</CENTER>y", 14 },
    };
    for (const Case& c : cases) {
        Form1->Edit4->SetText(c.tagCase);
        setPage(c.page, c.selStart, c.selLength);
        click(c.button);
        EXPECT_EQ(Form1->RichEdit1->Text(), c.expected) << c.button;
        EXPECT_EQ(Form1->RichEdit1->SelStart(), c.caret) << c.button;
        EXPECT_EQ(Form1->RichEdit1->SelLength(), 0) << c.button;
    }
}

TEST_F(ToolButtonsTest, InsertButtonsReplaceTheSelection)
{
    struct Case {
        const char* button;
        const char* expected;
    } cases[] = {
        { "ToolbarButton9715", "a<P>d" }, { "ToolbarButton9716", "a<BR>d" }, { "ToolbarButton97120", "a<BR>d" },
        { "ToolbarButton9717", "a&nbsp;d" }, { "ToolbarButton97121", "a&nbsp;d" },
    };
    for (const Case& c : cases) {
        setPage("abcd", 1, 2);
        click(c.button);
        EXPECT_EQ(Form1->RichEdit1->Text(), c.expected) << c.button;
        EXPECT_EQ(Form1->RichEdit1->SelStart(), int(std::string(c.expected).size()) - 1);
    }
}

TEST_F(ToolButtonsTest, LinkFromTheSelectedTextLeavesTheFocusWhereItWas)
{
    TEdit* other = otherControl();
    other->SetFocus();
    ASSERT_TRUE(other->Focused());
    setPage("x", 0, 1);
    click("ToolbarButton97125");
    EXPECT_EQ(Form1->RichEdit1->Text(), "<A HREF=\"x\"></A>");
    EXPECT_TRUE(other->Focused());
    click("ToolbarButton9711");
    EXPECT_TRUE(Form1->RichEdit1->Focused()) << "every other command gives the editor the focus";
}

TEST_F(ToolButtonsTest, TheTagsMenuBracketsAndPutsItsButtonUp)
{
    struct Case {
        const char* item;
        int selLength;
        const char* expected;
        int caret;
    } cases[] = {
        { "Starttag1", 0, "ab<>cd", 3 }, { "Endtag1", 0, "ab</>cd", 4 },
        { "Starttag1", 2, "ab<>cd", 5 }, { "Endtag1", 2, "ab</>cd", 6 },
        { "Strong1", 0, "ab<STRONG></STRONG>cd", 10 }, { "DecreaseTextSize1", 0, "ab<SMALL></SMALL>cd", 9 },
    };
    for (const Case& c : cases) {
        setPage("abcd", 2, c.selLength);
        Form1->itaMenuButton4->SetDown(true);
        static_cast<TMenuItem*>(Form1->FindComponent(c.item))->Click();
        EXPECT_EQ(Form1->RichEdit1->Text(), c.expected) << c.item;
        EXPECT_EQ(Form1->RichEdit1->SelStart(), c.caret) << c.item;
        EXPECT_FALSE(Form1->itaMenuButton4->Down()) << c.item;
    }
    Form1->itaMenuButton4->SetDown(true);
    static_cast<TMenuItem*>(Form1->FindComponent("LineBreak1"))->Click();
    EXPECT_TRUE(Form1->itaMenuButton4->Down()) << "the context menu leaves the menu bar alone";
}

TEST_F(ToolButtonsTest, CtrlKeysRunTheirTagCommandOnceFromEitherMenu)
{
    struct Case {
        Qt::Key key;
        const char* expected;
    } cases[] = {
        { Qt::Key_B, "<B></B>" }, { Qt::Key_I, "<I></I>" }, { Qt::Key_U, "<U></U>" }, { Qt::Key_E, "<CENTER></CENTER>" },
    };
    for (const Case& c : cases) {
        // In the editor: its context menu carries the key.
        setPage("", 0, 0);
        Form1->RichEdit1->SetFocus();
        PressKey(c.key, Qt::ControlModifier);
        EXPECT_EQ(Form1->RichEdit1->Text(), c.expected);
        // Elsewhere: the hidden main-menu item, which puts "Tags" up as well.
        setPage("", 0, 0);
        Form1->itaMenuButton4->SetDown(true);
        TMenuItem* item = Form1->FindShortCut(Form1->Edit1, ShortCut(c.key == Qt::Key_B ? 'B' : c.key == Qt::Key_I ? 'I' : c.key == Qt::Key_U ? 'U' : 'E', ssCtrl));
        ASSERT_NE(item, nullptr);
        item->Click();
        EXPECT_EQ(Form1->RichEdit1->Text(), c.expected);
        EXPECT_FALSE(Form1->itaMenuButton4->Down());
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
        if (spot.count(row.hint))
            EXPECT_EQ(row.text, spot.at(row.hint));
    }
    EXPECT_EQ(texts.size(), 84u) << "no two buttons insert the same text";
    EXPECT_EQ(thorns, 2);
    EXPECT_EQ(FindEntity(107)->text, std::string("&THORN;"));
    EXPECT_EQ(FindEntity(29)->hint, std::string("Less than"));

    Form1->RichEdit1->SetFocus();
    ASSERT_TRUE(Form1->RichEdit1->Focused());
    for (const char* tagCase : { "Upercase", "Lowercase" }) {
        Form1->Edit4->SetText(tagCase);
        setPage("abcd", 1, 2);
        click("ToolbarButton9729");
        EXPECT_EQ(Form1->RichEdit1->Text(), "a&lt;d");
        EXPECT_EQ(Form1->RichEdit1->SelStart(), 5);
    }
    EXPECT_TRUE(Form1->RichEdit1->Focused());
    TEdit* other = otherControl();
    other->SetFocus();
    click("ToolbarButton97107");
    EXPECT_TRUE(other->Focused()) << "the focus is not moved";
}

TEST_F(ToolButtonsTest, StatusTextsDifferFromTheHintsOnlyWhereListed)
{
    const std::map<std::string, std::string> differing = {
        { "ToolbarButton976", "Create a new file" }, { "ToolbarButton974", "Open a saved file" },
        { "ToolbarButton977", "Save the current file" }, { "ToolbarButton975", "Cut the selected text to the clipboard" },
        { "ToolbarButton978", "Copy selected text to clipboard" }, { "ToolbarButton979", "Paste text from the clipboard" },
        { "ToolbarButton9715", "Insert Paragraph" }, { "ToolbarButton9716", "Insert Break" }, { "ToolbarButton97120", "Insert Break" },
        { "ToolbarButton9719", "Insert Heading 1" }, { "ToolbarButton9720", "Insert Heading 2" }, { "ToolbarButton9721", "Insert Heading 3" },
        { "ToolbarButton9722", "Insert Heading 4" }, { "ToolbarButton9723", "Insert Heading 5" }, { "ToolbarButton9724", "Insert Heading 6" },
        { "ToolbarButton97113", "Insert an image" }, { "ToolbarButton97127", "Insert an image" },
        { "ToolbarButton97125", "Create a link from the selected text" }, { "ToolbarButton97126", "Create a link from the selected text" },
        { "ToolbarButton97148", "Change the font" }, { "ToolbarButton97149", "Change the font" },
        { "ToolbarButton97129", "Increase Text Size + 1" },
        { "ToolbarButton97123", "This will automatically transfer the visitor of the page to another page" },
        { "ToolbarButton9766", "i circumflex" },
    };
    for (int i = 0; i < ToolButtonCount(); ++i) {
        const ToolButtonRow& row = ToolButtonAt(i);
        auto it = differing.find(row.name);
        EXPECT_EQ(StatusText(row), it == differing.end() ? row.hint : it->second) << row.name;
    }
}

TEST_F(ToolButtonsTest, TheStatusBarFollowsTheMouseOverTheButtons)
{
    TToolbarButton97::SetApplicationActiveSource([] { return true; });
    TPoint cursor;
    SetCursorPosSource([&] { return cursor; });
    QWindow* window = Form1->Widget()->windowHandle();
    auto moveOver = [&](TControl* c, int x, int y) {
        QPoint screen = c->Widget()->mapToGlobal(QPoint(x, y));
        cursor = { screen.x(), screen.y() };
        MoveMouseOver(window, screen);
    };
    TToolbarButton97* open = button("ToolbarButton974");
    moveOver(open, 5, 5);
    EXPECT_EQ(Form1->StatusBar1->SimpleText(), "Open a saved file");
    EXPECT_EQ(open->Hint(), "Open") << "the tool tip keeps the hint";
    // Straight onto the neighbour: its move first, then the exit.
    moveOver(button("ToolbarButton976"), 5, 5);
    RunFor(10);
    EXPECT_EQ(Form1->StatusBar1->SimpleText(), kWelcomeText);
    moveOver(button("ToolbarButton976"), 6, 6);
    EXPECT_EQ(Form1->StatusBar1->SimpleText(), "Create a new file");
    moveOver(Form1->RichEdit1, 50, 50);
    EXPECT_EQ(Form1->StatusBar1->SimpleText(), kWelcomeText);
    // A click reports the mouse leaving: the welcome text until it moves again.
    TToolbarButton97* bold = button("ToolbarButton9711");
    moveOver(bold, 5, 5);
    EXPECT_EQ(Form1->StatusBar1->SimpleText(), "Bold");
    ClickOver(window, bold->Widget()->mapToGlobal(QPoint(5, 5)));
    EXPECT_EQ(Form1->StatusBar1->SimpleText(), kWelcomeText);
    moveOver(bold, 6, 6);
    EXPECT_EQ(Form1->StatusBar1->SimpleText(), "Bold");
    // Bold's exit comes after the toggle's first move.
    moveOver(Form1->itaPopupButton2, 5, 5);
    RunFor(10);
    moveOver(Form1->itaPopupButton2, 6, 6);
    EXPECT_EQ(Form1->StatusBar1->SimpleText(), "Change to Uppercase or Lowercase letters");
    SetCursorPosSource(nullptr);
    TToolbarButton97::SetApplicationActiveSource(nullptr);
}

TEST_F(ToolButtonsTest, EveryButtonShowsItsHintAsAToolTipButThreeCharacters)
{
    const std::set<std::string> silent = { "Em space", "o tilde", "y acute accent" };
    for (int i = 0; i < ToolButtonCount(); ++i) {
        const ToolButtonRow& row = ToolButtonAt(i);
        QString tip = button(row.name)->Widget()->toolTip();
        EXPECT_EQ(tip.toStdString(), silent.count(row.hint) ? "" : row.hint) << row.name;
    }
}
