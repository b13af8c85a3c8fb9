#include "widgets/TB97Layout.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TDockedBar bar(int row, int pos, int length, int contentHeight = 22) { return { row, pos, length, contentHeight }; }

TEST(DockRows, BarsOfOneRowLieSideBySideAndOverflowIsPushedBackNeverBeforeZero)
{
    std::vector<TDockedBar> bars { bar(0, 0, 100), bar(0, 0, 80) };
    TDockRows rows = LayoutDockRows(bars, false, 500, false);
    // The second after the first, not over it.
    EXPECT_EQ(std::tuple(bars[0].Left, bars[1].Left, rows.Thickness, bars[1].Height), std::tuple(0, 100, 26, 26));

    struct Case { int dockLength; std::vector<TDockedBar> row; std::vector<int> left; } cases[] = {
        { 300, { bar(0, 0, 100), bar(0, 250, 100) }, { 0, 200 } },                    // pushed back by the overflow
        { 150, { bar(0, 0, 100), bar(0, 250, 100) }, { 0, 100 } },                    // never over its predecessor
        { 50, { bar(0, 10, 400) }, { 0 } },                                           // wider than the dock: starts at 0
        { 500, { bar(0, 300, 50), bar(0, 20, 50), bar(0, 10, 50) }, { 300, 60, 10 } },  // sorted by position
    };
    for (auto& [dockLength, row, left] : cases) {
        LayoutDockRows(row, false, dockLength, false);
        for (std::size_t i = 0; i < row.size(); ++i)
            EXPECT_EQ(std::tuple(row[i].Left, row[i].Pos), std::tuple(left[i], row[i].Left)) << dockLength << " bar " << i;
    }
}

TEST(DockRows, EmptyRowsCloseUpAndRowsStack)
{
    std::vector<TDockedBar> bars { bar(5, 0, 60, 30), bar(2, 0, 60), bar(5, 0, 60) };
    TDockRows rows = LayoutDockRows(bars, false, 500, false);
    ASSERT_EQ(rows.Rows.size(), 2u);
    // The second row as high as its thickest bar.
    EXPECT_EQ(std::tuple(bars[1].Row, bars[0].Row, bars[0].Top, bars[2].Height, rows.Thickness),
              std::tuple(0, 1, 26, 34, 26 + 34));

    LayoutDockRows(bars, false, 500, true);
    EXPECT_EQ(std::tuple(bars[0].Top, bars[2].Top), std::tuple(0, 0));

    std::vector<TDockedBar> vertical { bar(0, 0, 100) };
    vertical[0].ContentWidth = 24;
    LayoutDockRows(vertical, true, 400, false);
    EXPECT_EQ(std::tuple(vertical[0].Width, vertical[0].Height), std::tuple(28, 100));
}

TEST(DockRows, DroppingNearARowBoundaryOpensANewRow)
{
    for (auto [across, row, newRow] : { std::tuple(-10, 0, true), { 3, 0, true }, { 13, 0, false }, { 21, 1, true },
                                        { 31, 1, true }, { 32, 1, false }, { 47, 2, true }, { 100, 2, true } }) {
        TDropRow d = DropRow({ 26, 26 }, across);
        EXPECT_EQ(std::tuple(d.Row, d.NewRow), std::tuple(row, newRow)) << across;
    }
    EXPECT_EQ(DropRow({}, 4).Row, 0);
}

// Groups of 23 x 22 buttons, a separator after each but the last (the second blank).
std::vector<TBarItem> buttons(std::initializer_list<int> groups)
{
    std::vector<TBarItem> items;
    int n = 0;
    for (int count : groups) {
        if (n++)
            items.push_back({ .Separator = true, .Blank = n == 3 });
        items.insert(items.end(), count, { .Width = 23, .Height = 22 });
    }
    return items;
}

TEST(BarLayout, DockedAndFloatingMargins)
{
    auto items = buttons({ 2, 1 });
    // The first button after the drag handle, then the separator's place.
    TBarLayout docked = LayoutBarItems(items, TDockType::Horizontal, true, 0);
    EXPECT_EQ(std::tuple(docked.Places[0].Left, docked.Places[2].Width, docked.Places[2].Height, docked.ClientWidth,
                         docked.ClientHeight), std::tuple(11, 6, 22, 11 + 3 * 23 + 6 + 2, 26));

    TBarLayout vertical = LayoutBarItems(items, TDockType::Vertical, false, 0);
    EXPECT_EQ(std::tuple(vertical.Places[0].Top, vertical.Places[1].Top, vertical.ClientWidth), std::tuple(2, 24, 27));

    TBarLayout floating = LayoutBarItems(items, TDockType::Floating, true, 0);
    EXPECT_EQ(std::tuple(floating.Places[0].Left, floating.ClientHeight), std::tuple(4, 2 + 22 + 1));

    // A small control is centred across the line.
    items[0].Height = 10;
    EXPECT_EQ(LayoutBarItems(items, TDockType::Horizontal, true, 0).Places[0].Top, 2 + 6);
}

TEST(BarLayout, FloatingBarWrapsGroupsWithAWrapLineWhereASeparatorBrokeIt)
{
    auto items = buttons({ 2, 2, 1 });  // 0 1 | 3 4 | 6, separators at 2 and 5 (5 blank)
    TBarLayout wrapped = LayoutBarItems(items, TDockType::Floating, true, 4 + 46 + 4);
    ASSERT_EQ(wrapped.WrapLines.size(), 2u);
    EXPECT_EQ(std::tuple(wrapped.Places[2].Width, wrapped.Places[3].Left, wrapped.Places[3].Top), std::tuple(0, 4, 2 + 28));
    EXPECT_EQ(std::tuple(wrapped.WrapLines[0].Position, wrapped.WrapLines[0].Blank, wrapped.WrapLines[1].Blank,
                         wrapped.ClientWidth, wrapped.ClientHeight), std::tuple(2 + 28, false, true, 54, 2 + 3 * 22 + 2 * 6 + 1));

    // Narrower than a group: the group itself breaks, without a wrap line.
    TBarLayout narrow = LayoutBarItems(items, TDockType::Floating, true, MinimumWrapWidth(items));
    EXPECT_EQ(std::tuple(narrow.Places[1].Left, narrow.Places[1].Top, narrow.ClientWidth), std::tuple(4, 2 + 22, 23 + 8));
}

TEST(BarLayout, SizeCandidatesNeverNarrowerThanTheWidestControlPlusEight)
{
    auto items = buttons({ 3, 2, 4 });
    TFloatingFrame frame;
    auto byWidth = SizeCandidates(items, frame, false);
    ASSERT_GE(byWidth.size(), 3u);
    // The unwrapped one is the widest.
    EXPECT_EQ(std::tuple(byWidth.front().Width, byWidth.back().WrapWidth), std::tuple(23 + 8 + frame.Width(), 0));
    for (std::size_t i = 1; i < byWidth.size(); ++i) {
        EXPECT_LT(byWidth[i - 1].Width, byWidth[i].Width);
        EXPECT_GT(byWidth[i - 1].Height, byWidth[i].Height);  // one per height
    }
    EXPECT_EQ(SizeCandidates(items, frame, true).front().WrapWidth, 0);

    // Narrowing from the unwrapped width: a few pixels snap back, then each
    // step takes the next narrower candidate, and never below the last.
    const TSizeCandidate& full = byWidth.back();
    TSizeTracker tracker(byWidth, false, full.Width);
    EXPECT_EQ((std::tuple { tracker.Step(full.Width - 3).Width, tracker.Step(full.Width - tracker.Snap() - 1).Width,
                            tracker.Step(0).Width, tracker.Step(100000).Width }),
              std::tuple(full.Width, byWidth[byWidth.size() - 2].Width, byWidth.front().Width, full.Width));
}

TEST(Dragging, DockingZoneAndKeepingOnScreen)
{
    TRect dock { 0, 100, 800, 126 };
    TPoint grab { 10, 5 };
    TRect would = DragRect({ 300, 110 }, grab, 100, 26, 100, 26);
    EXPECT_EQ(would.Left, 300 - MulDiv(99, 10, 100));
    EXPECT_TRUE(InDockingZone(dock, dpTop, { 300, 110 }, grab, 99, 25, would));
    EXPECT_TRUE(InDockingZone(dock, dpTop, { 300, 100 - 20 + 4 }, grab, 99, 25, DragRect({ 300, 84 }, grab, 100, 26, 100, 26)));
    EXPECT_FALSE(InDockingZone(dock, dpTop, { 300, 100 - 20 + 3 }, grab, 99, 25, would));
    EXPECT_FALSE(InDockingZone(dock, dpLeft, { 300, 99 }, grab, 99, 25, would));

    TRect area { 0, 0, 1280, 1024 };
    // The first overlaps the screen and is left alone; the one wider than the screen keeps its left edge on it.
    for (auto [in, onlyIfFullyOff, out] : { std::tuple(TRect { 1250, 10, 1350, 40 }, true, TRect { 1250, 10, 1350, 40 }),
                                            { { 1250, 10, 1350, 40 }, false, { 1180, 10, 1280, 40 } },
                                            { { -5000, -5000, -4900, -4970 }, true, { 0, 0, 100, 30 } },
                                            { { -10, 0, 2000, 30 }, false, { 0, 0, 2010, 30 } },
                                            { { 9000, 9000, 9100, 9030 }, true, { 1180, 994, 1280, 1024 } } }) {
        TRect r = KeepOnScreen(in, area, onlyIfFullyOff);
        EXPECT_EQ(std::tuple(r.Left, r.Top, r.Width()), std::tuple(out.Left, out.Top, in.Width()));
    }
    std::vector<TDockTarget> docks { { { 0, 0, 800, 1 }, dpTop, true, 100, 26 }, { { 0, 1, 27, 600 }, dpLeft, true, 27, 100 } };
    TMoveDrag drag { grab, 100, 26, 108, 50, area, 8, true };
    auto target = [&](TPoint at, bool ctrl = false) { return TrackMoveStep(docks, drag, at, ctrl).Target; };
    // With Ctrl it never docks.
    EXPECT_EQ(std::tuple(target({ 300, 3 }), target({ 300, 3 }, true), target({ 10, 300 })), std::tuple(0, -1, 1));
    drag.CanDockLeftRight = false;
    EXPECT_EQ(target({ 10, 300 }), -1);
    TMoveStep off = TrackMoveStep(docks, drag, { -3000, 5000 }, false);
    EXPECT_EQ(std::tuple(off.Rect.Width(), Overlaps(off.Rect, area)), std::tuple(108, true));

    EXPECT_TRUE(Overlaps(KeepTouching({ -500, 10, -400, 40 }, area, 8), { 8, 8, 1272, 1016 }));
}

}
