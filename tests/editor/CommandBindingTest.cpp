// Buttons and menu items as the user clicks them: each runs the one command
// its table row names, once.

#include "tests/editor/MainWindowFixture.h"

#include "editor/ToolButtons.h"

#include <QApplication>
#include <QClipboard>

#include <algorithm>

TEST_F(MainWindowTest, EditMenuItemsRunTheirCommandOnceAndPutTheEditButtonUp)
{
    Start();
    // The item, the selection of "abcd", the page and the selection's length after, the clipboard.
    const std::tuple<const char*, int, int, const char*, int, const char*> cases[] = {
        { "SelectAll1", 1, 0, "abcd", 4, "" }, { "Copy1", 1, 2, "abcd", 2, "bc" },
        { "Cut1", 1, 2, "ad", 0, "bc" }, { "Paste1", 4, 0, "abcdbc", 0, "bc" },
    };
    QApplication::clipboard()->setText("");
    for (const auto& [item, selStart, selLength, expected, selected, clipboard] : cases) {
        SCOPED_TRACE(item);
        SetPage("abcd", selStart, selLength);
        ChooseMenu(item);
        const std::string copied = QApplication::clipboard()->text().toStdString();
        EXPECT_EQ(std::tuple(Form1->RichEdit1->Text(), Form1->RichEdit1->SelLength(), copied, Form1->itaMenuButton2->Down()),
            std::tuple(expected, selected, clipboard, false));
    }
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
        ClickAt(Form1->FindComponentAs<TToolbarButton97>(row.name)->Widget(), { 5, 5 });
        EXPECT_EQ(Form1->RichEdit1->Text(), expected);
        ++writers;
    }
    EXPECT_EQ(writers, 84 + 34) << "the characters and the tag buttons";
}
