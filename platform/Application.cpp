#include "platform/Application.h"
#include "platform/Exception.h"

#include "platform/Dialogs.h"
#include "platform/Form.h"
#include "platform/Messages.h"
#include "platform/StrUtils.h"

#include <QApplication>
#include <QCoreApplication>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

TApplication* Application = nullptr;

TApplication::TApplication()
    : TComponent(nullptr)
{
}

TApplication::~TApplication()
{
    // The windows go while the application object is still there for them.
    DestroyComponents();
    if (Application == this)
        Application = nullptr;
}

void TApplication::AddForm(TForm* form)
{
    if (!m_mainForm)
        m_mainForm = form;
    form->AfterConstruction();
}

void TApplication::Run()
{
    if (m_terminated)
        return;
    if (m_mainForm)
        m_mainForm->Show();
    if (!m_terminated)
        QApplication::exec();
}

void TApplication::Terminate()
{
    m_terminated = true;
    // Ends the loops that run (the main loop and any modal one). With none
    // running there is nothing to end, and Qt's quit request would outlive
    // this application object: every later loop would return at once.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}

void TApplication::ProcessMessages() { ProcessPostedMessages(); }

void TApplication::HandleException(TObject* sender)
{
    try {
        throw;
    } catch (const std::exception& e) {
        if (OnException)
            OnException(sender, e);
        else
            ShowException(e);
    } catch (...) {
        Exception e("Unknown exception");
        if (OnException)
            OnException(sender, e);
        else
            ShowException(e);
    }
}

void TApplication::ShowException(const std::exception& e)
{
    std::string text = e.what();
    if (!text.empty() && text.back() != '.')
        text += '.';
    MessageBox(text, Title, MB_OK | MB_ICONSTOP);
}

bool TApplication::HelpCommand(unsigned command, long)
{
    LastHelpCommand = command;
    return true;
}

std::string TApplication::ExeName()
{
    std::string buf(4096, '\0');
    ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    if (n <= 0)
        return {};
    buf.resize(std::size_t(n));
    return buf;
}

namespace {

class GuardedApplication final : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (...) {
            if (Application)
                Application->HandleException(nullptr);
            return true;
        }
    }
};

}

namespace {

// A local X display (":N" or "unix:N") must answer on its socket; the
// window system library would otherwise abort the program.
bool localDisplayAnswers(const std::string& display, std::string& why)
{
    std::string rest = display;
    if (rest.rfind("unix:", 0) == 0)
        rest = rest.substr(4);
    if (rest.empty() || rest[0] != ':')
        return true;  // a remote display is left to the window system
    std::string number = rest.substr(1, rest.find('.') == std::string::npos ? std::string::npos : rest.find('.') - 1);
    std::string path = "/tmp/.X11-unix/X" + number;
    int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return true;
    sockaddr_un addr {};
    addr.sun_family = AF_UNIX;
    std::snprintf(addr.sun_path, sizeof addr.sun_path, "%s", path.c_str());
    bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
    ::close(fd);
    if (!ok)
        why = "cannot connect to the graphical display " + display;
    return ok;
}

}

bool GuiDisplayAvailable(std::string& why)
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (wayland && *wayland)
        return true;
    const char* display = std::getenv("DISPLAY");
    if (display && *display)
        return localDisplayAnswers(display, why);
    why = "no graphical display: neither DISPLAY nor WAYLAND_DISPLAY is set";
    return false;
}

namespace {

bool set(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

// Floating toolbars and the title bar place their windows themselves, which
// the native Wayland platform leaves to the compositor. Where a Wayland
// desktop also offers X11 (XWayland), the program runs there, unless the
// user has chosen a platform. The choice goes on the command line, not into
// the environment the program hands to what it starts.
std::vector<char*> preferX11(int argc, char** argv)
{
    std::vector<char*> args(argv, argv + argc);
    static char option[] = "-platform", xcb[] = "xcb";
    const bool wayland = set("WAYLAND_DISPLAY") || std::string(set("XDG_SESSION_TYPE") ? std::getenv("XDG_SESSION_TYPE") : "") == "wayland";
    const bool chosen = set("QT_QPA_PLATFORM") || std::any_of(args.begin(), args.end(), [](const char* a) { return std::string(a) == "-platform"; });
    std::string why;
    if (wayland && !chosen && set("DISPLAY") && localDisplayAnswers(std::getenv("DISPLAY"), why)) {
        args.insert(args.begin() + std::min<std::ptrdiff_t>(1, argc), { option, xcb });
    }
    args.push_back(nullptr);
    return args;
}

}

int RunGuiProgram(int argc, char** argv, const char* programName, const std::function<void()>& startUp)
{
    std::string why;
    if (!GuiDisplayAvailable(why)) {
        std::fprintf(stderr, "%s: %s\n", programName, why.c_str());
        return 1;
    }
    std::vector<char*> args = preferX11(argc, argv);
    int count = int(args.size()) - 1;
    GuardedApplication qt(count, args.data());
    qt.setQuitOnLastWindowClosed(false);
    auto* app = new TApplication;
    Application = app;
    try {
        startUp();
    } catch (...) {
        app->HandleException(nullptr);
    }
    delete app;
    return 0;
}
