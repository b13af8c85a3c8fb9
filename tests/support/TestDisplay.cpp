#include "tests/support/TestDisplay.h"
#include "tests/support/Spawn.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

void stop(pid_t& pid)
{
    if (pid <= 0)
        return;
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
    pid = -1;
}

}

TestDisplay::TestDisplay(bool windowManager)
{
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        m_problem = "no pipe";
        return;
    }
    m_server = SpawnProgram({ "/usr/bin/Xvfb", "-displayfd", "3", "-screen", "0", "800x600x24", "-nolisten", "tcp" }, "", {}, fds[1]);
    ::close(fds[1]);
    std::string number;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (m_server > 0 && number.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
        pollfd p { fds[0], POLLIN, 0 };
        char buf[16];
        ssize_t n = ::poll(&p, 1, 200) == 1 ? ::read(fds[0], buf, sizeof buf) : 0;
        if (n < 0 || (n == 0 && p.revents & POLLHUP))
            break;
        number.append(buf, std::size_t(std::max<ssize_t>(n, 0)));
    }
    ::close(fds[0]);
    if (number.find('\n') == std::string::npos) {
        m_problem = "Xvfb did not start (is xvfb installed?)";
        stop(m_server);
        return;
    }
    m_name = ":" + number.substr(0, number.find('\n'));
    if (!windowManager)
        return;
    m_manager = SpawnProgram({ "/usr/bin/openbox" }, "", { "DISPLAY=" + m_name });
    if (m_manager <= 0 || !waitForWindowManager()) {
        m_problem = "openbox did not start (is openbox installed?)";
        m_name.clear();
        stop(m_manager);
        stop(m_server);
    }
}

TestDisplay::~TestDisplay()
{
    stop(m_manager);
    stop(m_server);
}

bool TestDisplay::waitForWindowManager()
{
    xcb_connection_t* c = xcb_connect(m_name.c_str(), nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return false;
    }
    bool managed = false;
    const char* name = "_NET_SUPPORTING_WM_CHECK";
    auto* atom = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::uint16_t(std::strlen(name)), name), nullptr);
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    for (int i = 0; atom && i < 100 && !managed; ++i) {
        auto* reply = xcb_get_property_reply(c, xcb_get_property(c, 0, root, atom->atom, XCB_ATOM_WINDOW, 0, 1), nullptr);
        managed = reply && xcb_get_property_value_length(reply) >= 4;
        std::free(reply);
        if (!managed)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    std::free(atom);
    xcb_disconnect(c);
    return managed;
}
