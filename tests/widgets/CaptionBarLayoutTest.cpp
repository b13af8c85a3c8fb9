#include "widgets/marsCapLayout.h"
#include "widgets/marsCapMouse.h"
#include "platform/ControlMessages.h"

#include <gtest/gtest.h>

#include <tuple>

// Bands compare by their start, end and colour, and print so.
static auto key(const TGradientBand& b) { return std::tuple(b.X0, b.X1, b.Color); }
bool operator==(const TGradientBand& a, const TGradientBand& b) { return key(a) == key(b); }
void PrintTo(const TGradientBand& b, std::ostream* os) { *os << "[" << b.X0 << ", " << b.X1 << ") in " << b.Color; }

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
    // The buttons shown: close, maximise, minimise, help.
    const std::tuple<TFormBorderStyle, TBorderIcons, bool, bool, bool, bool> cases[] = {
        { bsSizeable, kAll, true, true, true, false },  // no help even when asked for
        { bsSingle, biSystemMenu | biMinimize, true, true, true, false }, { bsDialog, kAll, true, false, false, true },
        { bsDialog, biSystemMenu, true, false, false, false }, { bsToolWindow, kAll, true, false, false, false },
        { bsSizeable, biMinimize | biMaximize, false, false, false, false },  // no system menu
        { bsNone, kAll, false, false, false, false },
    };
    for (const auto& [style, icons, close, maximize, minimize, help] : cases) {
        TCaptionLayout l = layoutOf(style, icons);
        const TCaptionButtonPlace* b = l.Buttons;
        EXPECT_EQ(std::tuple(b[cbClose].Visible, b[cbMaximize].Visible, b[cbMinimize].Visible, b[cbHelp].Visible),
            std::tuple(close, maximize, minimize, help)) << int(style) * 100 + int(icons);
    }

    // From the right: close, a 2-pixel gap, maximise, minimise; the text
    // between the icon and the buttons, 2 pixels off each.
    TCaptionLayout l = layoutOf(bsSizeable, kAll);
    const int right = 800 - m.CyFrame, w = m.CxSize - 2;
    const TCaptionButtonPlace* b = l.Buttons;
    EXPECT_EQ(std::tuple(l.Caption.Right, b[cbClose].X, b[cbMaximize].X, b[cbMinimize].X, l.ButtonArea.Left),
        std::tuple(right, right - m.CxSize, right - m.CxSize - w - 2, right - m.CxSize - 2 * w - 2, right - 3 * w - 2));
    EXPECT_EQ(std::tuple(l.Icon.Width(), l.Text.Left, l.Text.Right),
        std::tuple(m.CxSize, l.Icon.Right + 2, l.ButtonArea.Left - 2));

    // Only minimise asked for: maximise is shown greyed.
    TCaptionLayout single = layoutOf(bsSingle, biSystemMenu | biMinimize);
    EXPECT_EQ(std::tuple(single.Buttons[cbMaximize].Enabled, single.Buttons[cbMinimize].Enabled), std::tuple(false, true));

    TCaptionLayout tool = layoutOf(bsToolWindow, kAll);
    EXPECT_EQ(std::tuple(tool.CaptionHeight, tool.Buttons[cbClose].Width, tool.Icon.Width()),
        std::tuple(m.CySmCaption - 1, m.CxSmSize - 2, 0));
}

TEST(CaptionBarLayout, HotRectanglesReachBeyondTheButtons)
{
    TCaptionLayout l = layoutOf(bsSizeable, kAll);
    const TCaptionButtonPlace &close = l.Buttons[cbClose], &max = l.Buttons[cbMaximize];
    std::vector<int> hit;
    // Up and right of close; one further right; below maximise; in the gap after it; the text.
    for (TPoint p : { TPoint { close.X + close.Width + 1, close.Y - 2 }, TPoint { close.X + close.Width + 2, close.Y },
             TPoint { max.X, max.Y + max.Height + 1 }, TPoint { max.X + max.Width, max.Y }, TPoint { l.Text.Left, l.Text.Top } })
        hit.push_back(CaptionButtonAt(l, p));
    EXPECT_EQ(hit, (std::vector<int> { cbClose, -1, cbMaximize, -1, -1 }));
}

TEST(CaptionBarLayout, GradientBands)
{
    TRect bar { 0, 0, 300, 18 };
    // Half-way rounded.
    EXPECT_EQ(GradientBands(bar, RGB(0, 0, 0), RGB(255, 100, 9), 3),
        (std::vector<TGradientBand> { { 0, 100, RGB(0, 0, 0) }, { 100, 200, RGB(128, 50, 5) }, { 200, 300, RGB(255, 100, 9) } }));
    EXPECT_EQ(GradientBands(bar, clGray, clSilver, 1), (std::vector<TGradientBand> { { 0, 300, clGray } }));
    EXPECT_EQ(std::tuple(GradientBands(bar, clGray, clSilver, 0).size(), GradientBands(bar, clGray, clSilver, -5).size()),
        std::tuple(0u, 0u));

    // Going down: the channels fall.
    EXPECT_EQ(GradientBands(bar, RGB(200, 200, 200), RGB(0, 0, 0), 3)[1].Color, RGB(100, 100, 100));

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
    // The window's state, whether it is an MDI child, its icons, whether maximise is enabled; then
    // the menu's restore, move, size, minimise and maximise, and its default item.
    const std::tuple<TWindowState, bool, TBorderIcons, bool, bool, bool, bool, bool, bool, UINT> cases[] = {
        { wsNormal, false, kAll, true, false, true, true, true, true, SC_CLOSE },
        { wsMaximized, false, kAll, true, true, false, false, true, false, SC_RESTORE },
        { wsMinimized, false, kAll, true, true, false, false, false, true, SC_RESTORE },
        { wsMaximized, true, kAll, true, true, false, false, true, false, SC_CLOSE },
        { wsNormal, false, biSystemMenu | biMinimize | biMaximize, false, false, true, true, true, false, SC_CLOSE },
        { wsNormal, false, biSystemMenu, true, false, true, true, false, false, SC_CLOSE },
    };
    for (const auto& [state, mdi, icons, maxEnabled, restore, move, size, minimize, maximize, def] : cases) {
        TSystemMenuState s = SystemMenuState(state, mdi, icons, maxEnabled, true);
        EXPECT_EQ(std::tuple(s.Restore, s.Move, s.Size, s.Minimize, s.Maximize, s.Default),
            std::tuple(restore, move, size, minimize, maximize, def)) << int(state) * 10 + mdi;
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
    TCaptionDo ncDo(UINT msg, TPoint p, int hit = HTCAPTION) { return nc(msg, p, hit).Do; }
    TPoint icon() const { return { layout.Icon.Left + 3, layout.Icon.Top + 3 }; }
    TPoint text() const { return { layout.Text.Left + 40, layout.Text.Top + 3 }; }
};

TEST_F(CaptionBarMouse, IconDoubleClickClosesWithinTheDoubleClickTime)
{
    EXPECT_EQ(ncDo(WM_NCLBUTTONDOWN, icon()), TCaptionDo::IconMenu);
    // The menu took the first release and the second press.
    clock += 300;
    TCaptionStep up = nc(WM_NCLBUTTONUP, icon());
    // Then reset.
    EXPECT_EQ((std::tuple { up.Do, up.Command, ncDo(WM_NCLBUTTONUP, icon()) }),
        std::tuple(TCaptionDo::Command, SC_CLOSE, TCaptionDo::PassOn));

    nc(WM_NCLBUTTONDOWN, icon());
    clock += 401;
    EXPECT_EQ(ncDo(WM_NCLBUTTONUP, icon()), TCaptionDo::Handled);  // too slow
}

TEST_F(CaptionBarMouse, CaptionDoubleClickMaximisesAndRestores)
{
    EXPECT_EQ(nc(WM_NCLBUTTONDBLCLK, text()).Command, SC_MAXIMIZE);
    window.State = wsMaximized;
    EXPECT_EQ(nc(WM_NCLBUTTONDBLCLK, text()).Command, SC_RESTORE);
    window.MaximizeEnabled = false;
    // Nothing, and not the platform's maximise either; off the caption, the platform's.
    EXPECT_EQ((std::vector { ncDo(WM_NCLBUTTONDBLCLK, text()), ncDo(WM_NCLBUTTONDBLCLK, text(), HTTOP) }),
        (std::vector { TCaptionDo::Handled, TCaptionDo::PassOn }));
}

TEST_F(CaptionBarMouse, RightClickOpensTheMenuOnReleaseLeftOfTheButtons)
{
    // A braced list runs its calls in order.
    EXPECT_EQ((std::tuple { ncDo(WM_NCRBUTTONDOWN, text()), ncDo(WM_NCRBUTTONUP, text()), mouse.MenuPending() }),
        std::tuple(TCaptionDo::Handled, TCaptionDo::CursorMenu, false));

    const TCaptionButtonPlace& close = layout.Buttons[cbClose];
    TCaptionStep onButton = nc(WM_NCRBUTTONDOWN, { close.X + 1, close.Y + 1 });
    EXPECT_EQ((std::tuple { onButton.Do, onButton.ButtonMessage, ncDo(WM_NCRBUTTONUP, text()) }),
        std::tuple(TCaptionDo::ToButton, WM_RBUTTONDOWN, TCaptionDo::PassOn));

    // A release in the client area drops a pending menu.
    nc(WM_NCRBUTTONDOWN, text());
    mouse.ClientRightUp();
    EXPECT_EQ(ncDo(WM_NCRBUTTONUP, text()), TCaptionDo::PassOn);

    window.MdiChild = true;
    EXPECT_EQ(ncDo(WM_NCRBUTTONDOWN, text()), TCaptionDo::PassOn);
}

TEST_F(CaptionBarMouse, MaximisedCaptionCannotBeDragged)
{
    EXPECT_EQ(ncDo(WM_NCLBUTTONDOWN, text()), TCaptionDo::PassOn);
    window.State = wsMaximized;
    TCaptionStep s = nc(WM_NCLBUTTONDOWN, text());
    EXPECT_EQ(std::tuple(s.Do, s.BringToFront), std::tuple(TCaptionDo::PassOnNowhere, true));
}

TEST_F(CaptionBarMouse, ButtonsGetClientMessagesRelativeToThem)
{
    const TCaptionButtonPlace& min = layout.Buttons[cbMinimize];
    TCaptionStep s = nc(WM_NCLBUTTONDOWN, { min.X + 4, min.Y + 5 });
    EXPECT_EQ(std::tuple(s.Do, s.Button, s.ButtonMessage, s.ButtonPoint.X, s.ButtonPoint.Y),
        std::tuple(TCaptionDo::ToButton, int(cbMinimize), WM_LBUTTONDOWN, 4, 5));

    // Released outside: no click; at the end not tracking any more.
    TCaptionButtonTrack t;
    EXPECT_EQ((std::vector<bool> { t.Down(false), t.Down(true), t.Move(false), t.Pushed, t.Up(false), t.Down(true), t.Up(true),
                  t.Up(true) }),
        (std::vector<bool> { false, true, true, false, false, true, true, false }));

    EXPECT_EQ((std::vector { CaptionButtonCommand(cbMinimize, wsMinimized), CaptionButtonCommand(cbMaximize, wsMaximized),
                  CaptionButtonCommand(cbMaximize, wsNormal), CaptionButtonCommand(cbHelp, wsNormal) }),
        (std::vector { SC_RESTORE, SC_RESTORE, SC_MAXIMIZE, SC_CONTEXTHELP }));
}

TEST_F(CaptionBarMouse, MinimisedWindowDragsAndClicksForItsMenu)
{
    window.State = wsMinimized;
    layout = layoutOf(bsSizeable, kAll, wsMinimized, 160);
    // A double click is never passed on.
    EXPECT_EQ((std::tuple { nc(WM_NCLBUTTONDOWN, text()).CaptureMouse, ncDo(WM_NCLBUTTONDBLCLK, text()) }),
        std::tuple(true, TCaptionDo::Handled));
    TCaptionStep move = mouse.ClientMove({ text().X + 5, text().Y }, { 505, 503 }, { 500, 500 });
    TCaptionStep elsewhere = mouse.ClientMove({ 0, 0 }, { 505, 503 }, { 500, 500 });
    EXPECT_EQ(std::tuple(move.MoveWindow, move.Delta.X, move.Delta.Y, elsewhere.MoveWindow), std::tuple(true, 5, 3, false));
    TCaptionStep up = mouse.ClientLeftUp();
    EXPECT_EQ(std::tuple(up.SetMinPosition, up.Do), std::tuple(true, TCaptionDo::PassOn));

    nc(WM_NCLBUTTONDOWN, text());
    EXPECT_EQ(mouse.ClientLeftUp().Do, TCaptionDo::MinimizedMenu);
}

}
