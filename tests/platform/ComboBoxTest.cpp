// The combo box: typed text and picked items, and its list kept apart from
// the edit.

#include "platform/ComboBox.h"

#include "platform/Exception.h"
#include "platform/Form.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

TEST(ComboBox, ItemsDoNotFillTheEditAndTypedTextIsNoItem)
{
    TComboBox box(nullptr);
    box.SetItems({ "TOP", "LEFT" });
    EXPECT_EQ(box.Text(), "");
    EXPECT_EQ(box.ItemIndex(), -1);

    box.SetText("left");  // no item: items compare exactly
    EXPECT_EQ(box.Text(), "left");
    EXPECT_EQ(box.ItemIndex(), -1);
    box.AddItem("RIGHT");
    EXPECT_EQ(box.Text(), "left");
    EXPECT_EQ(box.ItemCount(), 3);

    box.SetText("LEFT");
    EXPECT_EQ(box.ItemIndex(), 1);
    box.SetItemIndex(2);
    EXPECT_EQ(box.Text(), "RIGHT");
    box.SetItemIndex(-1);
    EXPECT_EQ(box.Text(), "");
}

TEST(ComboBox, ChangesAreReportedAndBadIndexesRaise)
{
    TComboBox box(nullptr);
    int changes = 0;
    box.OnChange = [&](TObject*) { ++changes; };
    box.SetItems({ "a", "b" });
    box.SetText("typed \xE9 bytes");
    EXPECT_EQ(box.Text(), "typed \xE9 bytes");
    EXPECT_GE(changes, 1);
    EXPECT_THROW(box.Items(2), EListError);
    EXPECT_THROW(box.Items(-1), EListError);
    box.ClearItems();
    EXPECT_EQ(box.ItemCount(), 0);
    EXPECT_EQ(box.Text(), "typed \xE9 bytes");
}

TEST(ComboBox, TypedTextIsWrittenAsTypedNeverCompletedFromTheItems)
{
    const char* const typed[] = { "left", "L", "lef", "TOP2" };
    for (const char* text : typed) {
        SCOPED_TRACE(text);
        TForm form(nullptr);
        auto* box = NewControl<TComboBox>(&form, &form, "ComboBox1", 8, 8, 145, 24);
        box->SetItems({ "TOP", "LEFT", "left-aligned" });
        form.Show();
        QLineEdit* edit = static_cast<QComboBox*>(box->Widget())->lineEdit();
        QTest::keyClicks(edit, text);
        EXPECT_EQ(box->Text(), text);
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(box->Text(), text);
        EXPECT_EQ(box->ItemIndex(), -1);
        form.Hide();
    }
}
