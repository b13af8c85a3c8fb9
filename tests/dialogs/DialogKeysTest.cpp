// The element dialogs worked from the keyboard alone: Tab from field to
// field, Enter on a button or in a field, the arrow keys in a number field.

#include "tests/dialogs/ElementDialogFixture.h"
#include "tests/support/MessageLoop.h"

#include <cctype>

namespace {

// A key as the keyboard sends it: to the control that has the focus.
void Key(TForm* d, int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QWidget* focused = d->Widget()->focusWidget();
    QTest::keyClick(focused ? focused : d->Widget(), Qt::Key(qtKey), mods);
}

void Keys(TForm* d, const char* text)
{
    QWidget* focused = d->Widget()->focusWidget();
    QTest::keyClicks(focused ? focused : d->Widget(), QString::fromLatin1(text));
}

// Tab until the control has the focus.
void TabTo(TForm* d, TWinControl* control)
{
    for (int i = 0; i < 20 && !ElementDialogTest::HasFocus(d, control); ++i)
        Key(d, Qt::Key_Tab);
    ASSERT_TRUE(ElementDialogTest::HasFocus(d, control)) << control->Name;
}

struct KeyCase {
    const char* what;
    TLauncher launcher;
    std::function<void(TForm*)> keys;
    std::string inserted;  // upper case; "" for nothing
    int browsed = 0;  // file dialogs opened
    bool closed = true;
};

const KeyCase kCases[] = {
    { "rule: Enter on Cancel", &OpenDialog<TForm6>,
        [](TForm* d) { TabTo(d, Form6->Button2); Key(d, Qt::Key_Return); }, "" },
    { "rule: Enter in the width", &OpenDialog<TForm6>,
        [](TForm* d) { Keys(d, "5"); Key(d, Qt::Key_Return); }, "<HR WIDTH=\"5\">" },
    { "rule: Enter on OK", &OpenDialog<TForm6>,
        [](TForm* d) { TabTo(d, Form6->Button1); Key(d, Qt::Key_Return); }, "<HR>" },
    { "rule: Up and Down step the width", &OpenDialog<TForm6>,
        [](TForm* d) {
            for (int key : { Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Down })
                Key(d, key);
            Key(d, Qt::Key_Return);
        },
        "<HR WIDTH=\"2\">" },
    { "link: Enter on Browse browses", &OpenDialog<TForm7>,
        [](TForm* d) { TabTo(d, Form7->BitBtn1); Key(d, Qt::Key_Return); }, "", 1, false },
    { "link: Enter on Cancel", &OpenDialog<TForm7>,
        [](TForm* d) { TabTo(d, Form7->Button1); Key(d, Qt::Key_Return); }, "" },
    { "link: Enter in the address", &OpenDialog<TForm7>,
        [](TForm* d) { Keys(d, "x.org"); Key(d, Qt::Key_Return); }, "<A HREF=\"http://x.org\"></A>" },
    { "link: the address reached with Tab keeps its text", &OpenDialog<TForm7>,
        [](TForm* d) {
            TabTo(d, Form7->Edit2);
            TabTo(d, Form7->Edit1);
            Keys(d, "x.org");
            Key(d, Qt::Key_Return);
        },
        "<A HREF=\"http://x.org\"></A>" },
    { "mail: Enter on Cancel", &OpenDialog<TForm8>,
        [](TForm* d) { TabTo(d, Form8->Button2); Key(d, Qt::Key_Return); }, "" },
    { "mail: Enter in the description", &OpenDialog<TForm8>,
        [](TForm* d) { Keys(d, "a@b"); TabTo(d, Form8->Edit2); Keys(d, "c"); Key(d, Qt::Key_Return); },
        "<A HREF=\"mailto:a@b\">c</A>" },
    { "image: Enter on Browse browses", &OpenDialog<TForm5>,
        [](TForm* d) { TabTo(d, Form5->BitBtn1); Key(d, Qt::Key_Return); }, "", 1, false },
    { "image: Up steps the border", &OpenDialog<TForm5>,
        [](TForm* d) { Keys(d, "a.gif"); TabTo(d, Form5->Edit3); Key(d, Qt::Key_Up); Key(d, Qt::Key_Return); },
        "<IMG SRC=\"a.gif\" BORDER=1 ALT=\"\">" },
    { "sound: Up steps the loop and unticks Infinite", &OpenDialog<TForm11>,
        [](TForm* d) { TabTo(d, Form11->MultiBaseEdit1); Key(d, Qt::Key_Up); Key(d, Qt::Key_Up); Key(d, Qt::Key_Return); },
        "<BGSOUND SRC=\"\" LOOP=2>" },
    { "sound: Enter on Cancel", &OpenDialog<TForm11>,
        [](TForm* d) { TabTo(d, Form11->Button2); Key(d, Qt::Key_Return); }, "" },
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.what; }

class DialogKeysTest : public DialogsTest<TForm5, TForm6, TForm7, TForm8, TForm11>, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(DialogKeysTest, TheFocusedButtonTakesEnterAndTheDefaultOneOnlyFromAField)
{
    const KeyCase& c = GetParam();
    TInserted got = Use<TForm>(c.launcher, [&](TForm* d) {
        ASSERT_TRUE(RunUntil([d] { return d->Active(); }, 2000));
        c.keys(d);
    });
    EXPECT_EQ(got.text, c.inserted);
    EXPECT_EQ(int(FileDialogTitles.size()), c.browsed);
    EXPECT_EQ(!StillOpen, c.closed);
}

INSTANTIATE_TEST_SUITE_P(ElementDialogs, DialogKeysTest, ::testing::ValuesIn(kCases), [](const auto& info) {
    std::string name;
    for (const char* p = info.param.what; *p; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name;
});

}  // namespace
