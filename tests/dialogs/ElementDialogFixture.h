#pragma once
// Element dialogs used as the user uses them: opened over a page,
// filled in by typing and clicking, confirmed with the mouse; what the page
// gained is compared with the element expected in both tag cases.

#include "tests/dialogs/PageFixture.h"

#include <QString>

// What the page gained at the caret, and where the caret stands in it.
struct TInserted {
    std::string text;
    int caret = 0;
};

// One use of a dialog: the user's input and the element it writes, with
// the caret that many characters before the element's end.
template<class Form>
struct TElementCase {
    const char* what;
    std::function<void(Form*)> fill;
    std::string upper;
    std::string lower;
    int caretBack = 0;
};

class ElementDialogTest : public PageTest {
protected:
    // Written() over a line of text, returning what the page gained.
    template<class Form>
    TInserted Use(const std::function<void(Form*)>& use, TButton* Form::*press = nullptr, TLauncher launcher = &OpenDialog<Form>)
    {
        // The caret in the middle of a line of a page of ASCII text.
        const std::string before = "<P>\nab|cd\n</P>";
        const int start = 6;
        SetPage(before, start);
        Written<Form>(use, press, launcher);
        std::string after = PageWindow->RichEdit1->Text();
        std::string inserted = after.substr(std::size_t(start), after.size() - before.size());
        EXPECT_EQ(after, before.substr(0, std::size_t(start)) + inserted + before.substr(std::size_t(start)));
        return { inserted, PageWindow->RichEdit1->SelStart() - start };
    }

    // Each case in both tag cases, confirmed with the OK button.
    template<class Form>
    void ExpectElements(TButton* Form::*ok, const std::vector<TElementCase<Form>>& cases)
    {
        for (const auto& c : cases)
            for (bool upper : { true, false }) {
                PageWindow->Edit4->SetText(upper ? "Upercase" : "Lowercase");
                TInserted got = Use<Form>(c.fill, ok);
                const std::string& want = upper ? c.upper : c.lower;
                const int caret = int(QString::fromStdString(want).size()) - c.caretBack;  // in characters
                EXPECT_EQ(std::tuple(StillOpen, got.text, got.caret), std::tuple(false, want, caret)) << c.what;
            }
        PageWindow->Edit4->SetText("Upercase");
    }

    // OK, Cancel, Escape and the close box each leave the dialog as
    // `isReset` says, and the next opening finds it so. Escape presses
    // Cancel where Cancel is the window's cancel button, else does nothing.
    template<class Form>
    void ExpectResetOnEveryWayOut(const std::function<void(Form*)>& fill, const std::function<bool(Form*)>& isReset,
        TButton* Form::*ok = &Form::Button1, TButton* Form::*cancel = &Form::Button2)
    {
        // OK, Cancel, Escape, the close box, then Cancel again.
        for (int way = 0; way < 5; ++way) {
            bool resetOnOpening = false;
            Use<Form>([&](Form* d) {
                resetOnOpening = isReset(d);
                fill(d);
                if (way == 2)
                    KeyAtFocus(d->Widget(), Qt::Key_Escape);
                else
                    way == 3 ? CloseBox(d) : ClickOn(d->*(way ? cancel : ok));
            });
            // Only an Escape that Cancel does not take leaves it open; the
            // first opening shows the design state.
            const bool leftOpen = way == 2 && !(Dialog<Form>()->*cancel)->Cancel;
            EXPECT_EQ(std::tuple(StillOpen, resetOnOpening || way == 0), std::tuple(leftOpen, true)) << "opening " << way;
        }
    }
};

// The tests of these dialogs: each is made over the page before the test.
template<class... Forms>
using DialogsTest = With<ElementDialogTest, Forms...>;
