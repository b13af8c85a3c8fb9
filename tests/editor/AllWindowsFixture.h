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
    void StartAll();
    void TearDown() override;

    // The windows shown modally, by name, while no test sets InModal (each
    // is closed again at once).
    std::vector<std::string> Shown;
};
