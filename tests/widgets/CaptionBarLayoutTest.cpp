#include "widgets/marsCapLayout.h"
#include "widgets/marsCapMouse.h"
#include "platform/ControlMessages.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TCaptionLayout layoutOf(TFormBorderStyle style, TBorderIcons icons, TWindowState state = wsNormal, int width = 800)
{
    TCaptionLayout l;
    LayoutCaption(l, { style, icons, state, width });
    return l;
}

constexpr TBorderIcons kAll = biSystemMenu | biMinimize | biMaximize | biHelp;

TEST(CaptionBarLayout, ButtonsFromTheRightPerBorderStyle)
{
    const TCaptionMetrics& m = StandardCaptionMetrics();
    struct Case {
        TFormBorderStyle style;
        TBorderIcons icons;
        bool close, maximize, minimize, help;
    } cases[] = {
        { bsSizeable, kAll, true, true, true, false },  // no help even when asked for
        { bsSingle, biSystemMenu | biMinimize, true, true, true, false },
        { bsDialog, kAll, true, false, false, true },
        { bsDialog, biSystemMenu, true, false, false, false },
        { bsToolWindow, kAll, true, false, false, false },
        { bsSizeable, biMinimize | biMaximize, false, false, false, false },  // no system menu
        { bsNone, kAll, false, false, false, false },
    };
    for (const Case& c : cases) {
        TCaptionLayout l = layoutOf(c.style, c.icons);
        SCOPED_TRACE(int(c.style) * 100 + int(c.icons));
        // Close, maximise, minimise, help.
        EXPECT_EQ(std::tuple(l.Buttons[cbClose].Visible, l.Buttons[cbMaximize].Visible, l.Buttons[cbMinimize].Visible, l.Buttons[cbHelp].Visible),
            std::tuple(c.close, c.maximize, c.minimize, c.help));
    }

    TCaptionLayout l = layoutOf(bsSizeable, kAll);
    const int w = m.CxSize - 2;
    EXPECT_EQ(l.Caption.Right, 800 - m.CyFrame);
    EXPECT_EQ(l.Buttons[cbClose].X, l.Caption.Right - m.CxSize);
    EXPECT_EQ(l.Buttons[cbMaximize].X + w + 2, l.Buttons[cbClose].X);  // the 2-pixel gap
    EXPECT_EQ(l.Buttons[cbMinimize].X + w, l.Buttons[cbMaximize].X);
    EXPECT_EQ(l.ButtonArea.Left, l.Caption.Right - 3 * w - 2);
    EXPECT_EQ(l.Icon.Width(), m.CxSize);
    EXPECT_EQ(l.Text.Left, l.Icon.Right + 2);
    EXPECT_EQ(l.Text.Right, l.ButtonArea.Left - 2);

    // Only minimise asked for: maximise is shown greyed.
    TCaptionLayout single = layoutOf(bsSingle, biSystemMenu | biMinimize);
    EXPECT_FALSE(single.Buttons[cbMaximize].Enabled);
    EXPECT_TRUE(single.Buttons[cbMinimize].Enabled);

    TCaptionLayout tool = layoutOf(bsToolWindow, kAll);
    EXPECT_EQ(tool.CaptionHeight, m.CySmCaption - 1);
    EXPECT_EQ(tool.Buttons[cbClose].Width, m.CxSmSize - 2);
    EXPECT_EQ(tool.Icon.Width(), 0);
}

TEST(CaptionBarLayout, HotRectanglesReachBeyondTheButtons)
{
    TCaptionLayout l = layoutOf(bsSizeable, kAll);
    const TCaptionButtonPlace& close = l.Buttons[cbClose];
    EXPECT_EQ(CaptionButtonAt(l, { close.X + close.Width + 1, close.Y - 2 }), cbClose);
    EXPECT_EQ(CaptionButtonAt(l, { close.X + close.Width + 2, close.Y }), -1);
    const TCaptionButtonPlace& max = l.Buttons[cbMaximize];
    EXPECT_EQ(CaptionButtonAt(l, { max.X, max.Y + max.Height + 1 }), cbMaximize);
    EXPECT_EQ(CaptionButtonAt(l, { max.X + max.Width, max.Y }), -1);  // the gap
    EXPECT_EQ(CaptionButtonAt(l, { l.Text.Left, l.Text.Top }), -1);
}

TEST(CaptionBarLayout, GradientBands)
{
    TRect bar { 0, 0, 300, 18 };
    auto three = GradientBands(bar, RGB(0, 0, 0), RGB(255, 100, 9), 3);
    ASSERT_EQ(three.size(), 3u);
    EXPECT_EQ(three[0].X0, 0);
    const TColor colours[] = { RGB(0, 0, 0), RGB(128, 50, 5), RGB(255, 100, 9) };  // half-way rounded
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(three[i].X1, 100 * (i + 1)) << i;
        EXPECT_EQ(three[i].Color, colours[i]) << i;
    }

    auto one = GradientBands(bar, clGray, clSilver, 1);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].Color, clGray);
    EXPECT_EQ(one[0].X1, 300);

    EXPECT_TRUE(GradientBands(bar, clGray, clSilver, 0).empty());
    EXPECT_TRUE(GradientBands(bar, clGray, clSilver, -5).empty());

    // Going down: the channels fall.
    auto down = GradientBands(bar, RGB(200, 200, 200), RGB(0, 0, 0), 3);
    EXPECT_EQ(down[1].Color, RGB(100, 100, 100));

    // Far more bands than columns: one per column, the ends exact.
    for (int n : { 301, 100000, 2000000000 }) {
        auto many = GradientBands(bar, clBlack, clWhite, n);
        ASSERT_EQ(many.size(), 300u) << n;
        for (std::size_t i = 0; i < many.size(); ++i)
            EXPECT_EQ(many[i].X0, int(i));
        EXPECT_EQ(many.back().Color, clWhite) << n;
    }
}

TEST(CaptionBarLayout, SystemMenuGreyStates)
{
    struct Case {
        TWindowState state;
        bool mdi;
        TBorderIcons icons;
        bool maxEnabled;
        bool restore, move, size, minimize, maximize;
        UINT def;
    } cases[] = {
        { wsNormal, false, kAll, true, false, true, true, true, true, SC_CLOSE },
        { wsMaximized, false, kAll, true, true, false, false, true, false, SC_RESTORE },
        { wsMinimized, false, kAll, true, true, false, false, false, true, SC_RESTORE },
        { wsMaximized, true, kAll, true, true, false, false, true, false, SC_CLOSE },
        { wsNormal, false, biSystemMenu | biMinimize | biMaximize, false, false, true, true, true, false, SC_CLOSE },
        { wsNormal, false, biSystemMenu, true, false, true, true, false, false, SC_CLOSE },
    };
    for (const Case& c : cases) {
        TSystemMenuState s = SystemMenuState(c.state, c.mdi, c.icons, c.maxEnabled, true);
        SCOPED_TRACE(int(c.state) * 10 + c.mdi);
        EXPECT_EQ(std::tuple(s.Restore, s.Move, s.Size, s.Minimize, s.Maximize, s.Default),
            std::tuple(c.restore, c.move, c.size, c.minimize, c.maximize, c.def));
    }
}

struct CaptionBarMouse : ::testing::Test {
    std::uint64_t clock = 1000;
    TCaptionMouse mouse;
    TCaptionLayout layout = layoutOf(bsSizeable, kAll);
    TCaptionState window;
    CaptionBarMouse()
    {
        mouse.Clock = [this] { return clock; };
        mouse.DoubleClickTime = 400;
    }
    TCaptionStep nc(UINT msg, TPoint p, int hit = HTCAPTION) { return mouse.NonClient(msg, hit, p, layout, window); }
    TPoint icon() const { return { layout.Icon.Left + 3, layout.Icon.Top + 3 }; }
    TPoint text() const { return { layout.Text.Left + 40, layout.Text.Top + 3 }; }
};

TEST_F(CaptionBarMouse, IconDoubleClickClosesWithinTheDoubleClickTime)
{
    EXPECT_EQ(nc(WM_NCLBUTTONDOWN, icon()).Do, TCaptionDo::IconMenu);
    // The menu took the first release and the second press.
    clock += 300;
    TCaptionStep up = nc(WM_NCLBUTTONUP, icon());
    EXPECT_EQ(up.Do, TCaptionDo::Command);
    EXPECT_EQ(up.Command, SC_CLOSE);
    EXPECT_EQ(nc(WM_NCLBUTTONUP, icon()).Do, TCaptionDo::PassOn);  // reset

    nc(WM_NCLBUTTONDOWN, icon());
    clock += 401;
    EXPECT_EQ(nc(WM_NCLBUTTONUP, icon()).Do, TCaptionDo::Handled);  // too slow
}

TEST_F(CaptionBarMouse, CaptionDoubleClickMaximisesAndRestores)
{
    TCaptionStep s = nc(WM_NCLBUTTONDBLCLK, text());
    EXPECT_EQ(s.Command, SC_MAXIMIZE);
    window.State = wsMaximized;
    EXPECT_EQ(nc(WM_NCLBUTTONDBLCLK, text()).Command, SC_RESTORE);
    window.MaximizeEnabled = false;
    s = nc(WM_NCLBUTTONDBLCLK, text());
    EXPECT_EQ(s.Do, TCaptionDo::Handled);  // nothing, and not the platform's maximise either
    EXPECT_EQ(nc(WM_NCLBUTTONDBLCLK, text(), HTTOP).Do, TCaptionDo::PassOn);
}

TEST_F(CaptionBarMouse, RightClickOpensTheMenuOnReleaseLeftOfTheButtons)
{
    EXPECT_EQ(nc(WM_NCRBUTTONDOWN, text()).Do, TCaptionDo::Handled);
    EXPECT_EQ(nc(WM_NCRBUTTONUP, text()).Do, TCaptionDo::CursorMenu);
    EXPECT_FALSE(mouse.MenuPending());

    const TCaptionButtonPlace& close = layout.Buttons[cbClose];
    TCaptionStep onButton = nc(WM_NCRBUTTONDOWN, { close.X + 1, close.Y + 1 });
    EXPECT_EQ(onButton.Do, TCaptionDo::ToButton);
    EXPECT_EQ(onButton.ButtonMessage, WM_RBUTTONDOWN);
    EXPECT_EQ(nc(WM_NCRBUTTONUP, text()).Do, TCaptionDo::PassOn);

    // A release in the client area drops a pending menu.
    nc(WM_NCRBUTTONDOWN, text());
    mouse.ClientRightUp();
    EXPECT_EQ(nc(WM_NCRBUTTONUP, text()).Do, TCaptionDo::PassOn);

    window.MdiChild = true;
    EXPECT_EQ(nc(WM_NCRBUTTONDOWN, text()).Do, TCaptionDo::PassOn);
}

TEST_F(CaptionBarMouse, MaximisedCaptionCannotBeDragged)
{
    EXPECT_EQ(nc(WM_NCLBUTTONDOWN, text()).Do, TCaptionDo::PassOn);
    window.State = wsMaximized;
    TCaptionStep s = nc(WM_NCLBUTTONDOWN, text());
    EXPECT_EQ(s.Do, TCaptionDo::PassOnNowhere);
    EXPECT_TRUE(s.BringToFront);
}

TEST_F(CaptionBarMouse, ButtonsGetClientMessagesRelativeToThem)
{
    const TCaptionButtonPlace& min = layout.Buttons[cbMinimize];
    TCaptionStep s = nc(WM_NCLBUTTONDOWN, { min.X + 4, min.Y + 5 });
    EXPECT_EQ(s.Do, TCaptionDo::ToButton);
    EXPECT_EQ(s.Button, cbMinimize);
    EXPECT_EQ(s.ButtonMessage, WM_LBUTTONDOWN);
    EXPECT_EQ(std::pair(s.ButtonPoint.X, s.ButtonPoint.Y), std::pair(4, 5));

    TCaptionButtonTrack t;
    EXPECT_FALSE(t.Down(false));
    EXPECT_TRUE(t.Down(true));
    EXPECT_TRUE(t.Move(false));
    EXPECT_FALSE(t.Pushed);
    EXPECT_FALSE(t.Up(false));  // released outside: no click
    EXPECT_TRUE(t.Down(true));
    EXPECT_TRUE(t.Up(true));
    EXPECT_FALSE(t.Up(true));   // not tracking any more

    EXPECT_EQ(CaptionButtonCommand(cbMinimize, wsMinimized), SC_RESTORE);
    EXPECT_EQ(CaptionButtonCommand(cbMaximize, wsMaximized), SC_RESTORE);
    EXPECT_EQ(CaptionButtonCommand(cbMaximize, wsNormal), SC_MAXIMIZE);
    EXPECT_EQ(CaptionButtonCommand(cbHelp, wsNormal), SC_CONTEXTHELP);
}

TEST_F(CaptionBarMouse, MinimisedWindowDragsAndClicksForItsMenu)
{
    window.State = wsMinimized;
    layout = layoutOf(bsSizeable, kAll, wsMinimized, 160);
    TCaptionStep down = nc(WM_NCLBUTTONDOWN, text());
    EXPECT_TRUE(down.CaptureMouse);
    EXPECT_EQ(nc(WM_NCLBUTTONDBLCLK, text()).Do, TCaptionDo::Handled);  // never passed on
    TCaptionStep move = mouse.ClientMove({ text().X + 5, text().Y }, { 505, 503 }, { 500, 500 });
    EXPECT_TRUE(move.MoveWindow);
    EXPECT_EQ(std::pair(move.Delta.X, move.Delta.Y), std::pair(5, 3));
    EXPECT_FALSE(mouse.ClientMove({ 0, 0 }, { 505, 503 }, { 500, 500 }).MoveWindow);
    TCaptionStep up = mouse.ClientLeftUp();
    EXPECT_TRUE(up.SetMinPosition);
    EXPECT_EQ(up.Do, TCaptionDo::PassOn);

    nc(WM_NCLBUTTONDOWN, text());
    EXPECT_EQ(mouse.ClientLeftUp().Do, TCaptionDo::MinimizedMenu);
}

}
