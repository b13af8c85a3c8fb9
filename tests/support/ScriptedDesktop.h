#pragma once
// A fresh application object for each test, with every modal question
// answered from a script, every file dialog choice scripted, every modal
// window handed to the test, and every shown error kept. The settings store
// is the test's own.

#include "platform/Dialogs.h"
#include "platform/Form.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class ScriptedDesktopTest : public ::testing::Test {
protected:
    // A new application object with the scripts in place.
    void StartDesktop();
    void TearDown() override;

    // Scripted answers, taken in order.
    std::deque<int> Answers;  // for message boxes
    std::deque<std::optional<std::string>> FileChoices;  // for file dialogs
    std::vector<TQuestion> Questions;
    std::vector<std::string> FileDialogTitles;
    std::vector<std::string> Errors;
    int ModalShowings = 0;
    // What to do in a modal window once it shows (the default closes it).
    std::function<void(TForm*)> InModal;

    // Runs a command as the message loop does: an exception that escapes it
    // goes to the application object.
    void Do(const std::function<void()>& command);

    TempDir Dir { "editor" };

private:
    // Each test starts with no settings at all, whatever tests ran before it
    // in the same process.
    struct OwnSettings {
        TempDir config { "settings" };
        std::string saved = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
        OwnSettings() { setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1); }
        ~OwnSettings() { setenv("XDG_CONFIG_HOME", saved.c_str(), 1); }
    } m_ownSettings;
};
