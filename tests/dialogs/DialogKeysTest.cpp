// The element dialogs worked from the keyboard alone: Tab from field to
// field, Enter on a button or in a field, the arrow keys in a number field.

#include "tests/dialogs/ElementDialogFixture.h"
#include "tests/support/MessageLoop.h"

#include <algorithm>
#include <cctype>

namespace {

// Tab until the control of that name has the focus.
void TabTo(TForm* d, const char* name)
{
    auto* control = dynamic_cast<TWinControl*>(d->FindComponent(name));
    ASSERT_NE(control, nullptr) << name;
    for (int i = 0; i < 20 && !HasFocus(d, control); ++i)
        KeyAtFocus(d->Widget(), Qt::Key_Tab);
    ASSERT_TRUE(HasFocus(d, control)) << control->Name;
}

// One step of a case: Tab to the control so named, type the text, press the keys.
struct KeyStep {
    const char* tabTo = nullptr;
    const char* typed = "";
    std::vector<int> keys = {};
};

// The steps before the Enter that ends each case.
struct KeyCase {
    const char* what;
    TLauncher launcher;
    std::vector<KeyStep> steps;
    std::string inserted;  // upper case; "" for nothing
    bool browses = false;  // Enter opened the file dialog once and left the window open
};

template<class Form>
constexpr TLauncher Open = &OpenDialog<Form>;
constexpr int kUp = Qt::Key_Up;

const KeyCase kCases[] = {
    { "rule: Enter on Cancel", Open<TForm6>, { { "Button2" } }, "" },
    { "rule: Enter in the width", Open<TForm6>, { { nullptr, "5" } }, "<HR WIDTH=\"5\">" },
    { "rule: Enter on OK", Open<TForm6>, { { "Button1" } }, "<HR>" },
    { "rule: Up and Down step the width", Open<TForm6>, { { .keys = { kUp, kUp, kUp, Qt::Key_Down } } }, "<HR WIDTH=\"2\">" },
    { "link: Enter on Browse browses", Open<TForm7>, { { "BitBtn1" } }, "", true },
    { "link: Enter on Cancel", Open<TForm7>, { { "Button1" } }, "" },
    { "link: Enter in the address", Open<TForm7>, { { nullptr, "x.org" } }, "<A HREF=\"http://x.org\"></A>" },
    { "link: the address reached with Tab keeps its text", Open<TForm7>, { { "Edit2" }, { "Edit1", "x.org" } },
        "<A HREF=\"http://x.org\"></A>" },
    { "mail: Enter on Cancel", Open<TForm8>, { { "Button2" } }, "" },
    { "mail: Enter in the description", Open<TForm8>, { { nullptr, "a@b" }, { "Edit2", "c" } }, "<A HREF=\"mailto:a@b\">c</A>" },
    { "image: Enter on Browse browses", Open<TForm5>, { { "BitBtn1" } }, "", true },
    { "image: Up steps the border", Open<TForm5>, { { nullptr, "a.gif" }, { "Edit3", "", { kUp } } },
        "<IMG SRC=\"a.gif\" BORDER=1 ALT=\"\">" },
    { "sound: Up steps the loop and unticks Infinite", Open<TForm11>, { { "MultiBaseEdit1", "", { kUp, kUp } } },
        "<BGSOUND SRC=\"\" LOOP=2>" },
    { "sound: Enter on Cancel", Open<TForm11>, { { "Button2" } }, "" },
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.what; }

class DialogKeysTest : public DialogsTest<TForm5, TForm6, TForm7, TForm8, TForm11>, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(DialogKeysTest, TheFocusedButtonTakesEnterAndTheDefaultOneOnlyFromAField)
{
    const KeyCase& c = GetParam();
    TInserted got = Use<TForm>([&](TForm* d) {
        ASSERT_TRUE(RunUntil([d] { return d->Active(); }, 2000));
        for (const KeyStep& step : c.steps) {
            if (step.tabTo)
                TabTo(d, step.tabTo);
            TypeAtFocus(d->Widget(), step.typed);
            for (int key : step.keys)
                KeyAtFocus(d->Widget(), key);
        }
        KeyAtFocus(d->Widget(), Qt::Key_Return);
    }, nullptr, c.launcher);
    EXPECT_EQ(std::tuple(got.text, int(FileDialogTitles.size()), !StillOpen), std::tuple(c.inserted, int(c.browses), !c.browses));
}

INSTANTIATE_TEST_SUITE_P(ElementDialogs, DialogKeysTest, ::testing::ValuesIn(kCases), [](const auto& info) {
    std::string name = info.param.what;
    std::replace_if(name.begin(), name.end(), [](unsigned char c) { return !std::isalnum(c); }, '_');
    return name;
});

}  // namespace
