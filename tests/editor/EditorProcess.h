#pragma once
// The real editor started as a child process, as a user starts it: from a
// copy of the program folder, with its own settings folder, headless. The
// test sees its windows and shown messages and presses its buttons through
// the probe preloaded into it (tests/support/AppProbe.cpp).

#include "tests/support/TempDir.h"

#include <sys/types.h>

#include <string>
#include <vector>

class EditorProcess {
public:
    EditorProcess();
    ~EditorProcess();  // ends the editor if it still runs

    // A file of the copied program folder, and the settings store's file of
    // a root in the editor's own settings folder, to plant files before Start.
    std::string ProgramFile(const std::string& name) const { return m_dir.File("bin/" + name); }
    std::string StoreFile(const std::string& root) const { return m_dir.File("config/corvana-registry/" + root); }

    void Start();
    // Whether a visible window of that title is there within timeoutMs (the
    // probe answering also says the editor's message loop runs). "(message)"
    // stands for a message box.
    bool WaitForWindow(const std::string& title, int timeoutMs = 5000);
    bool WaitUntilGone(const std::string& title, int timeoutMs = 5000);
    // The number of widgets in that window, 0 when it is not shown.
    int WidgetCount(const std::string& title);
    // The windows made so far, shown or hidden (message boxes aside).
    int TitledWindows();
    // Every message box shown so far, its text, in order.
    std::vector<std::string> Messages();
    // Presses the button of that caption in that window with the mouse.
    void Click(const std::string& title, const std::string& button);
    // What the editor wrote to its standard error.
    std::string Errors() const;

private:
    struct Window {
        std::string title, className;
        int widgets = 0;
        bool shown = false;
    };
    std::vector<Window> windows();

    TempDir m_dir{"editor"};
    pid_t m_pid = -1;
};
