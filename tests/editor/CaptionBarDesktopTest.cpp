// The editor's title bar as a user meets it on a real desktop, with openbox
// and without a window manager: the real program, the real pointer, and
// the window's geometry or its end as the outcome.

#include "tests/support/MouseInput.h"
#include "tests/support/TempDir.h"
#include "tests/support/XDesktop.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

namespace {

bool near(int a, int b) { return std::abs(a - b) <= 12; }  // a window manager lags a few pixels behind

struct Editor;
struct Gesture {
    const char* name;
    bool underOpenbox;  // a minimised window leaves the screen there
    std::function<void(Editor&)> run;
};

struct Editor {
    XDesktop& desktop;
    pid_t pid = 0;
    unsigned long window = 0;

    TWindowGeometry geometry() { return desktop.Geometry(window); }
    // Screen points of the title bar.
    struct Point { int x, y; };
    Point caption() { return at(300, 12); }
    Point icon() { return at(14, 14); }
    Point minimizeButton() { return at(geometry().Width - 58, 15); }
    Point at(int x, int y)
    {
        const TWindowGeometry g = geometry();
        return { g.X + x, g.Y + y };
    }
    void click(Point p, int count = 1, int button = 1) { XClick(desktop, p.x, p.y, count, button); }
    void drag(Point p, int dx, int dy) { XDrag(desktop, p.x, p.y, p.x + dx, p.y + dy); }
    TWindowGeometry waitFor(std::function<bool(const TWindowGeometry&)> done) { return desktop.WaitForGeometry(window, done); }
    static bool maximised(const TWindowGeometry& g) { return g.Width == XDesktop::kScreenWidth && g.Height == XDesktop::kScreenHeight; }
    // The editor starts maximised; a double click gives it its own size.
    TWindowGeometry restore()
    {
        click(caption(), 2);
        const TWindowGeometry g = waitFor([](const TWindowGeometry& g) { return g.Width == 800; });
        EXPECT_EQ(g.Width, 800) << "not restored";
        return g;
    }
    void expectMaximised(const char* failure) { EXPECT_TRUE(maximised(waitFor(maximised))) << failure; }
    // The window menu at the caption, one of its items by its key, then the
    // bare pointer moved and clicked.
    void menuThenMouse(const char* key, int dx, int dy)
    {
        const Point start = caption();
        click(start, 1, 3);
        XKey(desktop, key);
        XMoveBy(desktop, dx, dy);
        click({ start.x + dx, start.y + dy });
    }
    // The window's place (or, `size`, its size) changed by that much; a move keeps the width.
    void expectChangedBy(const TWindowGeometry& from, int dx, int dy, bool size = false)
    {
        auto of = [size](const TWindowGeometry& g) { return size ? Point { g.Width, g.Height } : Point { g.X, g.Y }; };
        auto changed = [&](const TWindowGeometry& g) { return near(of(g).x, of(from).x + dx) && near(of(g).y, of(from).y + dy); };
        const TWindowGeometry g = waitFor(changed);
        EXPECT_TRUE(changed(g)) << g.X << "," << g.Y << " " << g.Width << "x" << g.Height << " from " << from.X << "," << from.Y;
        EXPECT_EQ(g.Width, size ? g.Width : from.Width);
    }
};

const Gesture kGestures[] = {
    { "CaptionDoubleClickMaximisesAndRestores", true, [](Editor& e) {
        e.restore();
        e.click(e.caption(), 2);
        e.expectMaximised("not maximised");
        e.restore();
    } },
    { "CaptionDragMovesTheWindow", true, [](Editor& e) {
        const TWindowGeometry from = e.restore();
        e.drag(e.caption(), 100, 80);
        e.expectChangedBy(from, 100, 80);
    } },
    { "EdgeDragSizesTheWindow", true, [](Editor& e) {
        const TWindowGeometry from = e.restore();
        e.drag(e.at(from.Width - 2, from.Height / 2), 100, 0);
        e.drag(e.at(from.Width / 2, from.Height - 2), 0, 50);
        e.expectChangedBy(from, 100, 50, true);
    } },
    { "MenuMoveFollowsTheMouseToTheClick", true, [](Editor& e) {
        const TWindowGeometry from = e.restore();
        e.menuThenMouse("m", 100, 80);
        e.expectChangedBy(from, 100, 80);
    } },
    { "MenuSizeFollowsTheMouseToTheClick", true, [](Editor& e) {
        const TWindowGeometry from = e.restore();
        e.menuThenMouse("s", 60, 40);
        e.expectChangedBy(from, 60, 40, true);
    } },
    { "IconDoubleClickClosesTheWindow", true, [](Editor& e) {
        e.click(e.icon(), 2);
        EXPECT_TRUE(e.desktop.WaitUntilGone(e.pid, 8000)) << "the editor still runs";
    } },
    { "IconDoubleClickOnAChangedPageAsksFirst", true, [](Editor& e) {
        e.click(e.at(600, 500));  // into the page
        XKey(e.desktop, "x");
        e.click(e.icon(), 2);
        EXPECT_NE(e.desktop.WaitForWindow("Confirm", 5000), 0u) << "no question";
        EXPECT_TRUE(e.desktop.Running(e.pid));
    } },
    { "MinimisedWindowDragsAndClickOpensItsMenu", false, [](Editor& e) {
        const TWindowGeometry from = e.restore();
        e.click(e.minimizeButton());
        e.drag(e.caption(), 100, 80);
        e.expectChangedBy(from, 100, 80);
        e.click(e.caption());
        XKey(e.desktop, "x");  // Maximize, offered to a minimised window
        e.expectMaximised("the menu did not open");
    } },
};

struct Case {
    bool openbox;
    const Gesture* gesture;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.gesture->name << (c.openbox ? " under openbox" : " without a window manager"); }

std::vector<Case> cases()
{
    std::vector<Case> all;
    for (const Gesture& g : kGestures)
        for (bool openbox : { true, false })
            if (g.underOpenbox || !openbox)
                all.push_back({ openbox, &g });
    return all;
}

class CaptionBarOnDesktop : public ::testing::TestWithParam<Case> {};

TEST_P(CaptionBarOnDesktop, GestureHasItsEffect)
{
    XDesktop desktop(GetParam().openbox);
    if (!desktop.Missing().empty())
        GTEST_SKIP() << desktop.Missing();
    ASSERT_EQ(desktop.Broken(), "");
    // A settings folder of its own, without the Tip of the Day over the window.
    TempDir settings("caption-desktop");
    std::filesystem::create_directory(settings.File("corvana-registry"));
    WriteFileBytes(settings.File("corvana-registry/HKEY_LOCAL_MACHINE"), "# corvana-registry 1\n[Software]\n[Software\\Corvana]\nTip=s:No\n");
    Editor editor { desktop };
    const std::string errors = settings.File("errors.txt");
    editor.pid = desktop.Start(XDesktop::ProgramFolder() + "/corvana", { "XDG_CONFIG_HOME=" + settings.Path() }, errors);
    editor.window = desktop.WaitForWindow("Corvana");
    ASSERT_NE(editor.window, 0u) << "no editor window; " << (desktop.Running(editor.pid) ? "it runs" : "it ended") << "; it said: " << ReadFileBytes(errors);
    ASSERT_TRUE(Editor::maximised(editor.waitFor(Editor::maximised))) << "the editor did not start maximised";
    GetParam().gesture->run(editor);
}

INSTANTIATE_TEST_SUITE_P(Gestures, CaptionBarOnDesktop, ::testing::ValuesIn(cases()),
    [](const ::testing::TestParamInfo<Case>& info) {
        return std::string(info.param.gesture->name) + (info.param.openbox ? "_Openbox" : "_NoWindowManager");
    });

}
