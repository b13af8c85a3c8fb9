#include "tests/editor/AllWindowsFixture.h"

namespace {

template<class... Forms>
void createAll(Forms*&... forms)
{
    (Application->CreateForm(forms), ...);
}

// The windows that write into the page are made over the main window's.
template<class... Forms>
void createOverPage(Forms*&... forms)
{
    (Application->CreateForm(forms, Form1->Page()), ...);
}

template<class... Forms>
void forgetAll(Forms*&... forms)
{
    ((forms = nullptr), ...);
}

}

void AllWindowsTest::StartAll()
{
    Start();
    createAll(Form3, Form4);
    createOverPage(Form5, Form6, Form7, Form8, Form9, Form10, Form11, Form12, Form13, Form14, Form17, Form18, Form19,
        Form20, Form21, Form22, Form23, Form24, Form25, Form26, Form28);
    auto record = [this](TForm* form) {
        Shown.push_back(form->Name);
        form->SetModalResult(mrCancel);
    };
    if (!InModal)
        InModal = record;
    ProcessPostedMessages();
}

void AllWindowsTest::TearDown()
{
    MainWindowTest::TearDown();
    forgetAll(Form3, Form4, Form5, Form6, Form7, Form8, Form9, Form10, Form11, Form12, Form13, Form14, Form17, Form18,
        Form19, Form20, Form21, Form22, Form23, Form24, Form25, Form26, Form28);
}
