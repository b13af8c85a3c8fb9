#include "tests/editor/AllWindowsFixture.h"

namespace {

// The windows that write into the page, made over the main window's.
auto overPage()
{
    return std::tie(Form5, Form6, Form7, Form8, Form9, Form10, Form11, Form12, Form13, Form14, Form17, Form18, Form19, Form20,
        Form21, Form22, Form23, Form24, Form25, Form26, Form28);
}

}

void AllWindowsTest::StartAll()
{
    Start();
    Application->CreateForm(Form3);
    Application->CreateForm(Form4);
    std::apply([](auto*&... forms) { (Application->CreateForm(forms, Form1->Page()), ...); }, overPage());
    if (!InModal)
        InModal = [this](TForm* form) {
            Shown.push_back(form->Name);
            form->SetModalResult(mrCancel);
        };
    ProcessPostedMessages();
}

void AllWindowsTest::TearDown()
{
    MainWindowTest::TearDown();
    std::apply([](auto*&... forms) { ((forms = nullptr), ...); }, std::tuple_cat(std::tie(Form3, Form4), overPage()));
}
