#pragma once
// A main window and its New Template dialog, made fresh for each test, with
// every modal question answered from a script and every shown error kept.

#include "editor/Unit27.h"
#include "editor/Unit4.h"
#include "editor/Unit1.h"
#include "generators/Unit2.h"
#include "platform/AppHooks.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/FileDialog.h"
#include "platform/Registry.h"
#include "tests/support/MouseInput.h"
#include "tests/support/ScriptedDesktop.h"

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>

// The page's text and selection, compared in one go.
struct PageState {
    std::string text;
    int selStart = 0, selLength = 0;
    bool operator==(const PageState&) const = default;
};
inline void PrintTo(const PageState& p, std::ostream* os) { *os << '"' << p.text << "\" " << p.selStart << "+" << p.selLength; }

// The document as the window shows it: its path, whether it has changes,
// and whether Save is offered.
struct DocumentState {
    std::string path;
    bool modified = false, saveEnabled = false;
    bool operator==(const DocumentState&) const = default;
};
inline void PrintTo(const DocumentState& d, std::ostream* os)
{
    *os << d.path << (d.modified ? ", changed" : ", unchanged") << (d.saveEnabled ? ", Save on" : ", Save off");
}

// Chooses the main window's item of the given name from whatever menu opens.
struct TMenuChoice : TMenuRunner {
    std::string item;
    TMenuItem* Run(TPopupMenu*, TPoint) override { return FindComponentAs<TMenuItem>(Form1, item); }
};

class MainWindowTest : public ScriptedDesktopTest {
protected:
    // The program's settings key, made where `create` asks for it.
    static std::unique_ptr<TRegistry> Settings(bool create);
    // Settings written before the window is made.
    static void SetSetting(const std::string& name, const std::string& value) { Settings(true)->WriteString(name, value); }
    static void SetSetting(const std::string& name, int value) { Settings(true)->WriteInteger(name, value); }
    static std::string StoredString(const std::string& name) { return Settings(false)->ReadString(name); }
    static int StoredInteger(const std::string& name) { return Settings(false)->ReadInteger(name); }
    static void ClearSetting(const std::string& name) { Settings(false)->DeleteValue(name); }

    // Makes the windows and shows the main one, as start-up does. The start-up
    // tip is off unless a test asks for it.
    void Start(bool tip = false);
    // Makes the windows over the desktop there is and shows the main one.
    void MakeWindows();
    void TearDown() override;

    // Types a key into the editor as the keyboard would.
    void PressKey(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Runs the Open command, the file picked in its file dialog (or the
    // dialog cancelled).
    void OpenFile(const std::optional<std::string>& path);
    // A page of the test's folder written with these bytes, then opened.
    std::string OpenPage(const std::string& name, const std::string& bytes);
    // Runs the New command and answers the template dialog.
    void NewPage(int position, const char* title = nullptr);

    // The editor's text and selection, set or read at once.
    static void SetPage(const std::string& text, int selStart, int selLength = 0);
    static void Select(int start, int length);
    static PageState EditorState();
    static DocumentState Document();
    // The main window's menu item of that name clicked.
    static void ClickItem(const std::string& name) { FindComponentAs<TMenuItem>(Form1, name)->Click(); }
};
