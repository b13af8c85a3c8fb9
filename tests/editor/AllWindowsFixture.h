#pragma once
// The main window with every dialog window of the program made as start-up
// makes them, for tests of the commands that open them.

#include "dialogs/Unit3.h"
#include "dialogs/Unit5.h"
#include "dialogs/Unit9.h"
#include "dialogs/Unit17.h"
#include "dialogs/Unit18.h"
#include "dialogs/Unit22.h"
#include "dialogs/Unit24.h"
#include "generators/Unit10.h"
#include "generators/Unit13.h"
#include "generators/Unit14.h"
#include "dialogs/Unit6.h"
#include "dialogs/Unit7.h"
#include "dialogs/Unit8.h"
#include "dialogs/Unit11.h"
#include "dialogs/Unit12.h"
#include "dialogs/Unit19.h"
#include "dialogs/Unit20.h"
#include "dialogs/Unit21.h"
#include "dialogs/Unit23.h"
#include "dialogs/Unit25.h"
#include "dialogs/Unit26.h"
#include "dialogs/Unit28.h"
#include "tests/editor/MainWindowFixture.h"

class AllWindowsTest : public MainWindowTest {
protected:
    // The windows that write into the page, made over the main window's.
    static auto overPage()
    {
        return std::tie(Form5, Form6, Form7, Form8, Form9, Form10, Form11, Form12, Form13, Form14, Form17, Form18, Form19, Form20,
            Form21, Form22, Form23, Form24, Form25, Form26, Form28);
    }
    void StartAll()
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
    void TearDown() override
    {
        MainWindowTest::TearDown();
        std::apply([](auto*&... forms) { ((forms = nullptr), ...); }, std::tuple_cat(std::tie(Form3, Form4), overPage()));
    }

    // The windows shown modally, by name, while no test sets InModal (each
    // is closed again at once).
    std::vector<std::string> Shown;
};
