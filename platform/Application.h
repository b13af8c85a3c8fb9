#pragma once
// TApplication: the program's one application object. It creates the
// windows in order, runs the message loop, and shows every exception that
// escapes a handler, after which the loop goes on.

#include "platform/Component.h"

#include <exception>
#include <functional>
#include <string>

class TForm;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    void Initialize() {}
    // Builds the window (its constructor creates the controls), then runs its
    // creation handler. The first window created is the main window. What
    // follows the reference goes to the window's constructor after its owner.
    template<class T, class... Args>
    void CreateForm(T*& reference, Args&... args)
    {
        reference = new T(this, args...);
        AddForm(reference);
    }
    TForm* MainForm() const { return m_mainForm; }
    // A window going away stops being the main window.
    void FormDestroyed(TForm* form)
    {
        if (m_mainForm == form)
            m_mainForm = nullptr;
    }

    // Shows the main window and runs the loop until Terminate or until the
    // main window has closed.
    void Run();
    void Terminate();
    bool Terminated() const { return m_terminated; }
    void ProcessMessages();

    // To be called inside a catch block: hands the exception to OnException,
    // or shows its message.
    void HandleException(TObject* sender);
    void ShowException(const std::exception&);

    // The help viewer of the platform is not there; commands are recorded
    // so that callers can be checked.
    bool HelpCommand(unsigned command, long data);
    unsigned LastHelpCommand = 0;

    std::string Title;
    std::string HelpFile;
    // The full path of the running program.
    static std::string ExeName();

    std::function<void(TObject* sender, const std::exception&)> OnException;

private:
    void AddForm(TForm*);

    TForm* m_mainForm = nullptr;
    bool m_terminated = false;
};

extern TApplication* Application;

// The Qt application with the last-resort catch: an exception thrown by a
// handler during event delivery goes to Application->HandleException.
int RunGuiProgram(int argc, char** argv, const char* programName, const std::function<void()>& startUp);
// True when a graphical display can be reached; otherwise `why` says what is missing.
bool GuiDisplayAvailable(std::string& why);
