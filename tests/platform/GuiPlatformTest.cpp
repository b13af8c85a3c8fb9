// Which window system a program comes up on when a Wayland desktop also
// offers X11: the real program, started as a desktop starts it.

#include "tests/support/TempDir.h"
#include "tests/support/XDesktop.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

struct Session {
    const char* name;
    std::vector<std::string> env;
    bool onX11;
};

void PrintTo(const Session& s, std::ostream* os) { *os << s.name; }

class GuiPlatform : public ::testing::TestWithParam<Session> {};

TEST_P(GuiPlatform, WaylandDesktopWithXWaylandRunsTheProgramOnX11UnlessTheUserChose)
{
    XDesktop desktop(false);
    if (!desktop.Missing().empty())
        GTEST_SKIP() << desktop.Missing();
    ASSERT_EQ(desktop.Broken(), "");
    TempDir home("gui-platform");
    std::vector<std::string> env = GetParam().env;
    env.push_back("XDG_CONFIG_HOME=" + home.Path());
    desktop.Start(XDesktop::ProgramFolder() + "/ftp", env, home.File("errors"));
    EXPECT_EQ(desktop.WaitForWindow("FTP Access", GetParam().onX11 ? 15000 : 3000) != 0, GetParam().onX11);
    // Asked first, the native platform would have taken the window.
    EXPECT_EQ(ReadFileBytes(home.File("errors")).find("wayland"), std::string::npos) << ReadFileBytes(home.File("errors"));
}

INSTANTIATE_TEST_SUITE_P(Sessions, GuiPlatform,
    ::testing::Values(Session { "WaylandSession", { "WAYLAND_DISPLAY=wayland-9", "XDG_SESSION_TYPE=wayland" }, true },
        Session { "WaylandSessionWithoutItsSocketName", { "XDG_SESSION_TYPE=wayland" }, true },
        Session { "PlatformChosenByTheUser", { "WAYLAND_DISPLAY=wayland-9", "QT_QPA_PLATFORM=offscreen" }, false }),
    [](const ::testing::TestParamInfo<Session>& info) { return info.param.name; });

}
