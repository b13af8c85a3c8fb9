// The element dialogs worked from the keyboard alone: Tab from field to
// field, Enter on a button or in a field, the arrow keys in a number field.

#include "tests/dialogs/ElementDialogFixture.h"
#include "tests/support/MessageLoop.h"

#include <cctype>

namespace {

// Tab until the control has the focus.
void TabTo(TForm* d, TWinControl* control)
{
    for (int i = 0; i < 20 && !HasFocus(d, control); ++i)
        KeyAtFocus(d->Widget(), Qt::Key_Tab);
    ASSERT_TRUE(HasFocus(d, control)) << control->Name;
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
        [](TForm* d) { TabTo(d, Form6->Button2); KeyAtFocus(d->Widget(), Qt::Key_Return); }, "" },
    { "rule: Enter in the width", &OpenDialog<TForm6>,
        [](TForm* d) { TypeAtFocus(d->Widget(), "5"); KeyAtFocus(d->Widget(), Qt::Key_Return); }, "<HR WIDTH=\"5\">" },
    { "rule: Enter on OK", &OpenDialog<TForm6>,
        [](TForm* d) { TabTo(d, Form6->Button1); KeyAtFocus(d->Widget(), Qt::Key_Return); }, "<HR>" },
    { "rule: Up and Down step the width", &OpenDialog<TForm6>,
        [](TForm* d) {
            for (int key : { Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Down })
                KeyAtFocus(d->Widget(), key);
            KeyAtFocus(d->Widget(), Qt::Key_Return);
        },
        "<HR WIDTH=\"2\">" },
    { "link: Enter on Browse browses", &OpenDialog<TForm7>,
        [](TForm* d) { TabTo(d, Form7->BitBtn1); KeyAtFocus(d->Widget(), Qt::Key_Return); }, "", 1, false },
    { "link: Enter on Cancel", &OpenDialog<TForm7>,
        [](TForm* d) { TabTo(d, Form7->Button1); KeyAtFocus(d->Widget(), Qt::Key_Return); }, "" },
    { "link: Enter in the address", &OpenDialog<TForm7>,
        [](TForm* d) { TypeAtFocus(d->Widget(), "x.org"); KeyAtFocus(d->Widget(), Qt::Key_Return); }, "<A HREF=\"http://x.org\"></A>" },
    { "link: the address reached with Tab keeps its text", &OpenDialog<TForm7>,
        [](TForm* d) {
            TabTo(d, Form7->Edit2);
            TabTo(d, Form7->Edit1);
            TypeAtFocus(d->Widget(), "x.org");
            KeyAtFocus(d->Widget(), Qt::Key_Return);
        },
        "<A HREF=\"http://x.org\"></A>" },
    { "mail: Enter on Cancel", &OpenDialog<TForm8>,
        [](TForm* d) { TabTo(d, Form8->Button2); KeyAtFocus(d->Widget(), Qt::Key_Return); }, "" },
    { "mail: Enter in the description", &OpenDialog<TForm8>,
        [](TForm* d) { TypeAtFocus(d->Widget(), "a@b"); TabTo(d, Form8->Edit2); TypeAtFocus(d->Widget(), "c"); KeyAtFocus(d->Widget(), Qt::Key_Return); },
        "<A HREF=\"mailto:a@b\">c</A>" },
    { "image: Enter on Browse browses", &OpenDialog<TForm5>,
        [](TForm* d) { TabTo(d, Form5->BitBtn1); KeyAtFocus(d->Widget(), Qt::Key_Return); }, "", 1, false },
    { "image: Up steps the border", &OpenDialog<TForm5>,
        [](TForm* d) { TypeAtFocus(d->Widget(), "a.gif"); TabTo(d, Form5->Edit3); KeyAtFocus(d->Widget(), Qt::Key_Up); KeyAtFocus(d->Widget(), Qt::Key_Return); },
        "<IMG SRC=\"a.gif\" BORDER=1 ALT=\"\">" },
    { "sound: Up steps the loop and unticks Infinite", &OpenDialog<TForm11>,
        [](TForm* d) { TabTo(d, Form11->MultiBaseEdit1); KeyAtFocus(d->Widget(), Qt::Key_Up); KeyAtFocus(d->Widget(), Qt::Key_Up); KeyAtFocus(d->Widget(), Qt::Key_Return); },
        "<BGSOUND SRC=\"\" LOOP=2>" },
    { "sound: Enter on Cancel", &OpenDialog<TForm11>,
        [](TForm* d) { TabTo(d, Form11->Button2); KeyAtFocus(d->Widget(), Qt::Key_Return); }, "" },
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
