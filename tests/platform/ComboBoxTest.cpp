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
    using State = std::tuple<std::string, int, int>;
    auto after = [&](auto step) {
        step();
        return State { box.Text(), box.ItemIndex(), box.ItemCount() };
    };
    // Typed "left" is no item: items compare exactly.
    EXPECT_EQ((std::vector { after([&] { box.SetItems({ "TOP", "LEFT" }); }), after([&] { box.SetText("left"); }),
                  after([&] { box.AddItem("RIGHT"); }), after([&] { box.SetText("LEFT"); }), after([&] { box.SetItemIndex(2); }),
                  after([&] { box.SetItemIndex(-1); }) }),
        (std::vector<State> { { "", -1, 2 }, { "left", -1, 2 }, { "left", -1, 3 }, { "LEFT", 1, 3 }, { "RIGHT", 2, 3 },
            { "", -1, 3 } }));
}

TEST(ComboBox, ChangesAreReportedAndBadIndexesRaise)
{
    TComboBox box(nullptr);
    int changes = 0;
    box.OnChange = [&](TObject*) { ++changes; };
    box.SetItems({ "a", "b" });
    box.SetText("typed \xE9 bytes");
    EXPECT_EQ((std::tuple { box.Text(), changes >= 1 }), std::tuple("typed \xE9 bytes", true)) << changes;
    EXPECT_THROW(box.Items(2), EListError);
    EXPECT_THROW(box.Items(-1), EListError);
    box.ClearItems();
    EXPECT_EQ((std::tuple { box.ItemCount(), box.Text() }), std::tuple(0, "typed \xE9 bytes"));
}

TEST(ComboBox, TypedTextIsWrittenAsTypedNeverCompletedFromTheItems)
{
    for (const char* text : { "left", "L", "lef", "TOP2" }) {
        SCOPED_TRACE(text);
        TForm form(nullptr);
        auto* box = NewControl<TComboBox>(&form, &form, "ComboBox1", 8, 8, 145, 24);
        box->SetItems({ "TOP", "LEFT", "left-aligned" });
        form.Show();
        QLineEdit* edit = static_cast<QComboBox*>(box->Widget())->lineEdit();
        QTest::keyClicks(edit, text);
        EXPECT_EQ(box->Text(), text);
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ((std::tuple { box->Text(), box->ItemIndex() }), std::tuple(text, -1));
        form.Hide();
    }
}
