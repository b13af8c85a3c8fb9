// Test programs run headless, with a settings store of their own, so that no
// test reads or writes the user's settings.

#include "platform/Application.h"
#include "tests/support/TempDir.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static TempDir config("config");
    setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
    setenv("XDG_RUNTIME_DIR", config.Path().c_str(), 1);
    QApplication qt(argc, argv);
    qt.setQuitOnLastWindowClosed(false);
    Application = new TApplication;
    int rc = RUN_ALL_TESTS();
    delete Application;
    return rc;
}
