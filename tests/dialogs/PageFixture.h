#pragma once
// A page to write into, made fresh for each test, and the dialogs a test
// opens over it: the page editor, the scratch editor and the two hidden
// fields (the quote and the tag case) on a window of their own, as the main
// window holds them, without the main window.

#include "dialogs/Unit3.h"
#include "dialogs/Unit5.h"
#include "dialogs/Unit6.h"
#include "dialogs/Unit7.h"
#include "dialogs/Unit8.h"
#include "dialogs/Unit9.h"
#include "dialogs/Unit11.h"
#include "dialogs/Unit12.h"
#include "dialogs/Unit17.h"
#include "dialogs/Unit18.h"
#include "dialogs/Unit19.h"
#include "dialogs/Unit20.h"
#include "dialogs/Unit21.h"
#include "dialogs/Unit22.h"
#include "dialogs/Unit23.h"
#include "dialogs/Unit24.h"
#include "dialogs/Unit25.h"
#include "dialogs/Unit26.h"
#include "dialogs/Unit28.h"
#include "generators/Unit10.h"
#include "generators/Unit13.h"
#include "generators/Unit14.h"
#include "page/Page.h"
#include "platform/Application.h"
#include "platform/ComboBox.h"
#include "platform/Messages.h"
#include "platform/RichEdit.h"
#include "tests/support/MouseInput.h"
#include "tests/support/ScriptedDesktop.h"

#include <QWidget>

#include <algorithm>
#include <functional>
#include <memory>
#include <type_traits>

// The page's window as the main window starts: the empty upper-case page,
// unchanged, the quote one double quote, the tag case "Upercase".
class TPageWindow : public TForm {
public:
    explicit TPageWindow(TComponent* owner);
    TRichEdit* RichEdit1;  // the page
    TRichEdit* RichEdit3;  // the scratch editor
    TEdit* Edit2;  // the quote
    TEdit* Edit4;  // the tag case
    TPage& Page() { return *m_page; }

private:
    std::unique_ptr<TPage> m_page;
};

// The page of the running test.
inline TPageWindow* PageWindow = nullptr;

// Each dialog's one object, by its class.
template<class Form>
Form*& DialogObject();
#define CORVANA_DIALOG_OBJECT(n) \
    template<> \
    inline TForm##n*& DialogObject<TForm##n>() { return Form##n; }
#define CORVANA_PAGE_DIALOGS(X) \
    X(3) X(5) X(6) X(7) X(8) X(9) X(10) X(11) X(12) X(13) X(14) X(17) X(18) X(19) X(20) X(21) X(22) X(23) X(24) X(25) X(26) X(28)
CORVANA_PAGE_DIALOGS(CORVANA_DIALOG_OBJECT)

// The dialog, made over the page the first time it is asked for.
template<class Form>
Form* Dialog()
{
    Form*& form = DialogObject<Form>();
    if (!form) {
        if constexpr (std::is_constructible_v<Form, TComponent*, TPage&>)
            Application->CreateForm(form, PageWindow->Page());
        else
            Application->CreateForm(form);
    }
    return form;
}

// Opens the dialog modally, as its launcher does.
template<class Form>
void OpenDialog() { Dialog<Form>()->ShowModal(); }
using TLauncher = void (*)();

// The page text between `start` and the caret.
inline std::string PageFrom(int start)
{
    return PageWindow->RichEdit1->Text().substr(std::size_t(start), std::size_t(PageWindow->RichEdit1->SelStart() - start));
}

// The page's text put in, and the selection made in it.
inline void SetPage(const std::string& text, int selStart, int selLength = 0)
{
    PageWindow->RichEdit1->SetText(text);
    PageWindow->RichEdit1->SetSelStart(selStart);
    PageWindow->RichEdit1->SetSelLength(selLength);
}

// Whether the control (or a part of it, as a list's edit) has the
// dialog's focus.
inline bool HasFocus(TForm* form, TWinControl* control)
{
    QWidget* focused = form->Widget()->focusWidget();
    return focused && (focused == control->Widget() || control->Widget()->isAncestorOf(focused));
}

// The items of a list, in order.
inline std::vector<std::string> ListItems(TComboBox* box)
{
    std::vector<std::string> items;
    for (int i = 0; i < box->ItemCount(); ++i)
        items.push_back(box->Items(i));
    return items;
}

// Each test makes the page; a fixture's own set-up adds its dialogs.
class PageTest : public ScriptedDesktopTest {
protected:
    void SetUp() override { StartPage(); }
    // Makes the page, then the dialogs named.
    template<class... Forms>
    void StartPage()
    {
        StartDesktop();
        Application->CreateForm(PageWindow);
        PageWindow->Show();
        ProcessPostedMessages();
        (Dialog<Forms>(), ...);
    }
    void TearDown() override;
    // Whether every one of these edits and lists is empty.
    static bool Emptied(std::initializer_list<TControl*> fields)
    {
        return std::ranges::all_of(fields, [](TControl* c) { return TextOf(c).empty(); });
    }
    // Opens the dialog with the launcher, lets `use` work it, presses the
    // button `press` where the dialog is still open (which should close it),
    // and returns what went in at the caret. The dialog shows once, is
    // closed after, and leaves the scratch editor empty.
    template<class Form>
    std::string Written(
        const std::function<void(Form*)>& use, TButton* Form::*press = nullptr, TLauncher launcher = &OpenDialog<Form>)
    {
        const int caret = PageWindow->RichEdit1->SelStart();
        const int shown = ModalShowings;
        StillOpen = false;
        InModal = [this, use, press](TForm* form) {
            m_shown = form;
            use(static_cast<Form*>(form));
            if (press && form->Visible() && form->ModalResult() == mrNone)
                ClickOn(static_cast<Form*>(form)->*press);
            // A dialog left open would hold the test: close it.
            if (form->Visible() && form->ModalResult() == mrNone)
                StillOpen = true, form->Close();
        };
        Do(launcher);
        EXPECT_EQ(std::tuple(ModalShowings - shown, m_shown && m_shown->Visible(), PageWindow->RichEdit3->Text()),
            std::tuple(1, false, ""));
        return PageFrom(caret);
    }
    // The last dialog used was left open and had to be closed.
    bool StillOpen = false;

private:
    TForm* m_shown = nullptr;
};

// A fixture whose tests find these dialogs made over the page.
template<class Fixture, class... Forms>
class With : public Fixture {
protected:
    void SetUp() override { this->template StartPage<Forms...>(); }
};
