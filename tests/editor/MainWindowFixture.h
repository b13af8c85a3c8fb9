#pragma once
// A main window and its New Template dialog, made fresh for each test, with
// every modal question answered from a script and every shown error kept.

#include "editor/Unit27.h"
#include "editor/Unit4.h"
#include "editor/Unit1.h"
#include "generators/Unit2.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/FileDialog.h"
#include "platform/Registry.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <optional>
#include <string>
#include <vector>

class MainWindowTest : public ::testing::Test {
protected:
    // Settings written before the window is made.
    void SetSetting(const std::string& name, const std::string& value);
    void SetSetting(const std::string& name, int value);
    std::string StoredString(const std::string& name);

    // Makes the windows and shows the main one, as start-up does. The start-up
    // tip is off unless a test asks for it.
    void Start(bool tip = false);
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
    // Types a key into the editor as the keyboard would.
    void PressKey(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Runs the New command and answers the template dialog.
    void NewPage(int position, const char* title = nullptr);

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
