// The menu bar's "Edit" menu, opened from its button: each item runs its
// command once on the page and puts the "Edit" button back up.

#include "tests/editor/MainWindowFixture.h"

#include "platform/AppHooks.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

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
