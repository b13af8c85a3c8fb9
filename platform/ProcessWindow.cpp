#include "platform/ProcessWindow.h"

#include <QGuiApplication>

#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

struct FreeReply {
    void operator()(void* p) const { std::free(p); }
};
template<class T>
using Reply = std::unique_ptr<T, FreeReply>;

}

TDisplayWindows::TDisplayWindows(std::string display)
    : m_display(std::move(display))
{
}

TDisplayWindows::~TDisplayWindows() { disconnect(); }

std::string TDisplayWindows::DesktopDisplay()
{
    if (qGuiApp && QGuiApplication::platformName() != "xcb")
        return {};
    const char* display = std::getenv("DISPLAY");
    return display ? display : "";
}

bool TDisplayWindows::connect()
{
    if (m_connection && !xcb_connection_has_error(m_connection))
        return true;
    disconnect();
    if (m_display.empty())
        return false;
    int screenNumber = 0;
    m_connection = xcb_connect(m_display.c_str(), &screenNumber);
    if (xcb_connection_has_error(m_connection)) {
        disconnect();
        return false;
    }
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    if (!screens.rem) {
        disconnect();
        return false;
    }
    m_root = screens.data->root;
    const char* name = "_NET_WM_PID";
    Reply<xcb_intern_atom_reply_t> atom(
        xcb_intern_atom_reply(m_connection, xcb_intern_atom(m_connection, 0, std::uint16_t(std::strlen(name)), name), nullptr));
    if (!atom) {
        disconnect();
        return false;
    }
    m_pidAtom = atom->atom;
    return true;
}

void TDisplayWindows::disconnect()
{
    if (m_connection)
        xcb_disconnect(m_connection);
    m_connection = nullptr;
}

bool TDisplayWindows::HasWindow(pid_t pid)
{
    if (pid <= 0 || !connect())
        return false;
    // The windows to look at: the root's children, and theirs (a window
    // manager's frames hold the programs' own windows).
    std::vector<xcb_window_t> windows;
    Reply<xcb_query_tree_reply_t> top(xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, m_root), nullptr));
    if (!top)
        return false;
    xcb_window_t* children = xcb_query_tree_children(top.get());
    int count = xcb_query_tree_children_length(top.get());
    std::vector<xcb_query_tree_cookie_t> below;
    for (int i = 0; i < count; ++i) {
        windows.push_back(children[i]);
        below.push_back(xcb_query_tree(m_connection, children[i]));
    }
    for (auto cookie : below) {
        Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(m_connection, cookie, nullptr));
        if (!tree)
            continue;
        xcb_window_t* inner = xcb_query_tree_children(tree.get());
        windows.insert(windows.end(), inner, inner + xcb_query_tree_children_length(tree.get()));
    }
    // Asked all at once, answered in order.
    std::vector<xcb_get_property_cookie_t> pids, machines;
    std::vector<xcb_get_window_attributes_cookie_t> states;
    for (xcb_window_t w : windows) {
        pids.push_back(xcb_get_property(m_connection, 0, w, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1));
        machines.push_back(xcb_get_property(m_connection, 0, w, XCB_ATOM_WM_CLIENT_MACHINE, XCB_ATOM_STRING, 0, 64));
        states.push_back(xcb_get_window_attributes(m_connection, w));
    }
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    bool found = false;
    for (std::size_t i = 0; i < windows.size(); ++i) {
        Reply<xcb_get_property_reply_t> property(xcb_get_property_reply(m_connection, pids[i], nullptr));
        Reply<xcb_get_property_reply_t> machine(xcb_get_property_reply(m_connection, machines[i], nullptr));
        Reply<xcb_get_window_attributes_reply_t> state(xcb_get_window_attributes_reply(m_connection, states[i], nullptr));
        if (found || !property || !state || property->format != 32 || xcb_get_property_value_length(property.get()) < 4)
            continue;
        std::uint32_t owner = *static_cast<std::uint32_t*>(xcb_get_property_value(property.get()));
        // A process id counts only on the machine that names it: a window
        // of another machine's client may carry the same number.
        bool here = !machine || machine->format != 8
            || std::string(static_cast<const char*>(xcb_get_property_value(machine.get())),
                   std::size_t(xcb_get_property_value_length(machine.get())))
                == host;
        found = owner == std::uint32_t(pid) && here && state->map_state == XCB_MAP_STATE_VIEWABLE;
    }
    return found;
}
