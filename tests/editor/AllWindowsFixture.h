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
#include "tests/editor/MainWindowFixture.h"

class AllWindowsTest : public MainWindowTest {
protected:
    void StartAll();
    void TearDown() override;

    // The windows shown modally, by name, while no test sets InModal (each
    // is closed again at once).
    std::vector<std::string> Shown;
};
