// Buttons and menu items as the user clicks them: each runs the one command
// its table row names, once.

#include "tests/editor/MainWindowFixture.h"

#include "editor/ToolButtons.h"
#include "platform/AppHooks.h"
#include "widgets/TB97.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <algorithm>

namespace {

// The user picks the named item from whichever menu opens.
struct PickItem : TMenuRunner {
    const char* name = "";
    TMenuItem* Run(TPopupMenu*, TPoint) override { return FindComponentAs<TMenuItem>(Form1, name); }
};

}

TEST_F(MainWindowTest, EditMenuItemsRunTheirCommandOnceAndPutTheEditButtonUp)
{
    Start();
    struct Case {
        const char* item;
        int selStart, selLength;
        const char* expected;
        int selected;
        const char* clipboard;
    } cases[] = {
        { "SelectAll1", 1, 0, "abcd", 4, "" },
        { "Copy1", 1, 2, "abcd", 2, "bc" },
        { "Cut1", 1, 2, "ad", 0, "bc" },
        { "Paste1", 4, 0, "abcdbc", 0, "bc" },
    };
    QApplication::clipboard()->setText("");
    PickItem pick;
    SetMenuRunner(&pick);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        Form1->RichEdit1->SetText("abcd");
        Form1->RichEdit1->SetSelStart(c.selStart);
        Form1->RichEdit1->SetSelLength(c.selLength);
        pick.name = c.item;
        QTest::mouseClick(Form1->itaMenuButton2->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(Form1->RichEdit1->Text(), c.expected);
        EXPECT_EQ(Form1->RichEdit1->SelLength(), c.selected);
        EXPECT_EQ(QApplication::clipboard()->text().toStdString(), c.clipboard);
        EXPECT_FALSE(Form1->itaMenuButton2->Down());
    }
    SetMenuRunner(nullptr);
}

TEST_F(MainWindowTest, EveryButtonThatWritesThePageWritesItsTextOnceAClick)
{
    SetSetting("Upercase", "Yes");
    Start();
    int writers = 0;
    for (int i = 0; i < ToolButtonCount(); ++i) {
        const ToolButtonRow& row = ToolButtonAt(i);
        if (row.command.handler || row.command.show)
            continue;  // the dialogs and document commands have tests of their own
        SCOPED_TRACE(row.name);
        std::string expected = row.command.text ? row.command.text : "";
        if (!row.command.text) {
            const TagRow& tag = kTagRows[row.command.tag];
            expected = std::string(tag.upperOpen) + tag.upperClose;
            std::replace(expected.begin(), expected.end(), '\x01', '"');
        }
        Form1->RichEdit1->SetText("");
        QTest::mouseClick(Form1->FindComponentAs<TToolbarButton97>(row.name)->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(Form1->RichEdit1->Text(), expected);
        ++writers;
    }
    EXPECT_EQ(writers, 84 + 34) << "the characters and the tag buttons";
}
