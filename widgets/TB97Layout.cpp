#include "widgets/TB97Layout.h"

#include <algorithm>
#include <numeric>

TDockType DockTypeOf(TDockPosition p) { return p == dpLeft || p == dpRight ? TDockType::Vertical : TDockType::Horizontal; }

TBarMargins BarMargins(TDockType type, bool dragHandle)
{
    if (type == TDockType::Floating)
        return { 2, 1, 4, 4 };
    return { 2, 2, dragHandle ? 11 : 2, 2 };
}

// --- A dock's rows ---------------------------------------------------------

TDockRows LayoutDockRows(std::vector<TDockedBar>& bars, bool vertical, int dockLength, bool limitToOneRow)
{
    TDockRows result;
    if (limitToOneRow)
        for (auto& b : bars)
            b.Row = 0;
    std::vector<std::size_t> order(bars.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return bars[a].Row != bars[b].Row ? bars[a].Row < bars[b].Row : bars[a].Pos < bars[b].Pos;
    });

    // Rows without a bar close up.
    std::vector<std::vector<std::size_t>> rows;
    int lastRow = 0;
    for (std::size_t i : order) {
        if (rows.empty() || bars[i].Row != lastRow) {
            lastRow = bars[i].Row;
            rows.emplace_back();
        }
        bars[i].Row = int(rows.size()) - 1;
        rows.back().push_back(i);
    }

    auto placeAlong = [&](const std::vector<std::size_t>& row) {
        int running = 0;
        for (std::size_t i : row) {
            bars[i].Pos = std::max(running, bars[i].Pos);
            running = bars[i].Pos + bars[i].Length;
        }
        return running;
    };
    int across = 0;
    for (const auto& row : rows) {
        TDockRowSize size;
        for (std::size_t i : row) {
            size.ContentHeight = std::max(size.ContentHeight, bars[i].ContentHeight);
            size.ContentWidth = std::max(size.ContentWidth, bars[i].ContentWidth);
        }
        size.DockedHeight = size.ContentHeight + 4;
        size.DockedWidth = size.ContentWidth + 4;
        result.Rows.push_back(size);

        int end = placeAlong(row);
        if (end > dockLength) {
            for (std::size_t i : row)
                bars[i].Pos -= end - dockLength;
            placeAlong(row);
        }
        const int thickness = vertical ? size.DockedWidth : size.DockedHeight;
        for (std::size_t i : row) {
            TDockedBar& b = bars[i];
            if (vertical) {
                b.Left = across, b.Top = b.Pos, b.Width = thickness, b.Height = b.Length;
            } else {
                b.Left = b.Pos, b.Top = across, b.Width = b.Length, b.Height = thickness;
            }
        }
        across += thickness;
    }
    result.Thickness = across;
    return result;
}

TDropRow DropRow(const std::vector<int>& rowThickness, int across)
{
    if (across < 0)
        return { 0, true };
    int boundary = 0;
    for (std::size_t k = 0; k <= rowThickness.size(); ++k) {
        if (std::abs(across - boundary) <= 5)
            return { int(k), true };
        if (k < rowThickness.size())
            boundary += rowThickness[k];
    }
    if (across >= boundary)
        return { int(rowThickness.size()), true };
    boundary = 0;
    int k = 0;
    while (across >= boundary + rowThickness[std::size_t(k)])
        boundary += rowThickness[std::size_t(k++)];
    return { k, false };
}

// --- A bar's controls ------------------------------------------------------

int MinimumWrapWidth(const std::vector<TBarItem>& items)
{
    int widest = 0;
    for (const auto& item : items)
        if (item.Visible && !item.Separator)
            widest = std::max(widest, item.Width);
    return widest + 8;
}

TBarLayout LayoutBarItems(const std::vector<TBarItem>& items, TDockType type, bool dragHandle, int wrapWidth, const TDockRowSize* row)
{
    TBarLayout out;
    out.Places.resize(items.size());
    for (const auto& item : items)
        if (item.Visible && !item.Separator) {
            out.ContentHeight = std::max(out.ContentHeight, item.Height);
            out.ContentWidth = std::max(out.ContentWidth, item.Width);
        }
    if (row) {
        out.ContentHeight = row->ContentHeight;
        out.ContentWidth = row->ContentWidth;
    }
    const TBarMargins m = BarMargins(type, dragHandle);
    const bool horizontal = type != TDockType::Vertical;
    const bool wrap = type == TDockType::Floating && wrapWidth > 0;
    const int content = horizontal ? out.ContentHeight : out.ContentWidth;
    auto lengthOf = [&](const TBarItem& item) {
        if (item.Separator)
            return horizontal ? item.SizeHorz : item.SizeVert;
        return horizontal ? item.Width : item.Height;
    };

    int along = m.Start, cross = 0, longest = m.Start;
    bool lineUsed = false;
    int endingSeparator = -1;  // of the previous group
    std::size_t i = 0;
    while (i < items.size()) {
        // A group runs up to and including the next separator.
        std::size_t end = i;
        int groupLength = 0;
        while (end < items.size()) {
            const TBarItem& item = items[end++];
            if (item.Separator)
                break;
            if (item.Visible)
                groupLength += lengthOf(item);
        }
        if (wrap && lineUsed && along + groupLength + m.End > wrapWidth) {
            cross += content + 6;
            along = m.Start;
            lineUsed = false;
            if (endingSeparator >= 0) {
                out.Places[std::size_t(endingSeparator)].Width = 0;
                out.WrapLines.push_back({ m.First + cross, items[std::size_t(endingSeparator)].Blank });
            }
        }
        endingSeparator = -1;
        for (; i < end; ++i) {
            const TBarItem& item = items[i];
            if (!item.Visible)
                continue;
            const int length = lengthOf(item);
            if (wrap && !item.Separator && lineUsed && along + length + m.End > wrapWidth) {
                cross += content;
                along = m.Start;
            }
            const int size = item.Separator ? content : (horizontal ? item.Height : item.Width);
            const int offset = m.First + cross + (content - size) / 2;
            TBarItemPlace& p = out.Places[i];
            p = horizontal ? TBarItemPlace { along, offset, length, size } : TBarItemPlace { offset, along, size, length };
            along += length;
            lineUsed = true;
            if (item.Separator)
                endingSeparator = int(i);
            else
                longest = std::max(longest, along);
        }
    }
    const int alongSize = longest + m.End;
    const int acrossSize = m.First + cross + content + m.Last;
    out.ClientWidth = horizontal ? alongSize : acrossSize;
    out.ClientHeight = horizontal ? acrossSize : alongSize;
    if (type != TDockType::Floating) {
        if (horizontal)
            out.ClientHeight = std::max(out.ClientHeight, out.ContentHeight + 4);
        else
            out.ClientWidth = std::max(out.ClientWidth, out.ContentWidth + 4);
    }
    return out;
}

// --- Dragging --------------------------------------------------------------

TRect DragRect(TPoint cursor, TPoint grab, int oldWidth, int oldHeight, int width, int height)
{
    int left = cursor.X - MulDiv(width - 1, grab.X, std::max(1, oldWidth));
    int top = cursor.Y - MulDiv(height - 1, grab.Y, std::max(1, oldHeight));
    return { left, top, left + width, top + height };
}

bool Overlaps(const TRect& a, const TRect& b)
{
    return std::max(a.Left, b.Left) < std::min(a.Right, b.Right) && std::max(a.Top, b.Top) < std::min(a.Bottom, b.Bottom);
}

bool InDockingZone(const TRect& dock, TDockPosition position, TPoint cursor, TPoint grab, int w0, int h0, const TRect& wouldBe)
{
    const int dx = MulDiv(32, grab.X, std::max(1, w0));
    const int dy = MulDiv(20, grab.Y, std::max(1, h0));
    if (cursor.X < dock.Left - 32 + dx || cursor.X > dock.Right - 1 + dx)
        return false;
    if (cursor.Y < dock.Top - 20 + dy || cursor.Y > dock.Bottom - 1 + dy)
        return false;
    if ((position == dpLeft || position == dpRight) && (cursor.Y < dock.Top || cursor.Y >= dock.Bottom))
        return false;
    return Overlaps(wouldBe, dock);
}

TRect KeepTouching(TRect r, const TRect& area, int inset)
{
    const TRect inner { area.Left + inset, area.Top + inset, area.Right - inset, area.Bottom - inset };
    auto shift = [&r](int dx, int dy) { r = { r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy }; };
    if (r.Right <= inner.Left)
        shift(inner.Left - r.Right + 1, 0);
    if (r.Left >= inner.Right)
        shift(inner.Right - r.Left - 1, 0);
    if (r.Bottom <= inner.Top)
        shift(0, inner.Top - r.Bottom + 1);
    if (r.Top >= inner.Bottom)
        shift(0, inner.Bottom - r.Top - 1);
    return r;
}

TRect KeepOnScreen(TRect r, const TRect& area, bool onlyIfFullyOff)
{
    if (onlyIfFullyOff && Overlaps(r, area))
        return r;
    auto shift = [&r](int dx, int dy) { r = { r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy }; };
    if (r.Right > area.Right)
        shift(area.Right - r.Right, 0);
    if (r.Bottom > area.Bottom)
        shift(0, area.Bottom - r.Bottom);
    if (r.Left < area.Left)
        shift(area.Left - r.Left, 0);
    if (r.Top < area.Top)
        shift(0, area.Top - r.Top);
    return r;
}

TMoveStep TrackMoveStep(const std::vector<TDockTarget>& docks, const TMoveDrag& d, TPoint cursor, bool ctrl)
{
    TMoveStep step;
    const int w0 = d.OldWidth - 1, h0 = d.OldHeight - 1;
    if (!ctrl)
        for (bool leftRight : { false, true }) {
            if (leftRight && !d.CanDockLeftRight)
                break;
            for (std::size_t i = 0; i < docks.size() && step.Target < 0; ++i) {
                const TDockTarget& dock = docks[i];
                if (!dock.AllowDrag || (dock.Position == dpLeft || dock.Position == dpRight) != leftRight)
                    continue;
                TRect r = DragRect(cursor, d.Grab, d.OldWidth, d.OldHeight, dock.Width, dock.Height);
                if (InDockingZone(dock.Screen, dock.Position, cursor, d.Grab, w0, h0, r)) {
                    step.Target = int(i);
                    step.Rect = r;
                }
            }
            if (step.Target >= 0)
                return step;
        }
    // Floating: the cursor stays on the work area and so does a part of the bar.
    TPoint c { std::clamp(cursor.X, d.WorkArea.Left, std::max(d.WorkArea.Left, d.WorkArea.Right - 1)),
        std::clamp(cursor.Y, d.WorkArea.Top, std::max(d.WorkArea.Top, d.WorkArea.Bottom - 1)) };
    step.Rect = KeepTouching(DragRect(c, d.Grab, d.OldWidth, d.OldHeight, d.FloatingWidth, d.FloatingHeight), d.WorkArea, d.Inset);
    return step;
}

// --- Sizing a floating bar -------------------------------------------------

std::vector<TSizeCandidate> SizeCandidates(const std::vector<TBarItem>& items, const TFloatingFrame& frame, bool byHeight)
{
    auto layout = [&](int wrap) { return LayoutBarItems(items, TDockType::Floating, true, wrap); };
    TBarLayout whole = layout(0);
    std::vector<TSizeCandidate> out { { whole.ClientWidth + frame.Width(), whole.ClientHeight + frame.Height(), 0 } };
    const int minimum = MinimumWrapWidth(items);
    for (int w = whole.ClientWidth - 1; w >= minimum; --w) {
        TBarLayout r = layout(w);
        if (r.ClientWidth < w) {
            w = r.ClientWidth + 1;  // the widths down to it give the same
            continue;
        }
        if (r.ClientWidth != w)
            continue;
        TSizeCandidate c { w + frame.Width(), r.ClientHeight + frame.Height(), w };
        if (c.Height == out.back().Height)
            out.back() = c;
        else if (std::none_of(out.begin(), out.end(), [&](const TSizeCandidate& o) { return o.Width == c.Width && o.Height == c.Height; }))
            out.push_back(c);
    }
    std::stable_sort(out.begin(), out.end(), [byHeight](const TSizeCandidate& a, const TSizeCandidate& b) {
        return byHeight ? a.Height < b.Height : a.Width < b.Width;
    });
    return out;
}

TSizeTracker::TSizeTracker(std::vector<TSizeCandidate> sorted, bool byHeight, int currentLength)
    : m_candidates(std::move(sorted))
    , m_byHeight(byHeight)
{
    if (m_candidates.empty())
        m_candidates.push_back({});
    // The candidate nearest the current size.
    int best = 0;
    for (int i = 0; i < int(m_candidates.size()); ++i)
        if (std::abs(lengthOf(m_candidates[std::size_t(i)]) - currentLength) < std::abs(lengthOf(m_candidates[std::size_t(best)]) - currentLength))
            best = i;
    m_current = best;
    const int length = lengthOf(m_candidates[std::size_t(best)]);
    if (best > 0)
        m_snap = std::min(m_snap, length - lengthOf(m_candidates[std::size_t(best - 1)]) - 1);
    if (best + 1 < int(m_candidates.size()))
        m_snap = std::min(m_snap, lengthOf(m_candidates[std::size_t(best + 1)]) - length - 1);
    m_snap = std::max(m_snap, 0);
}

const TSizeCandidate& TSizeTracker::Step(int d)
{
    const int length = lengthOf(m_candidates[std::size_t(m_current)]);
    const int side = d < length ? -1 : d > length ? 1 : 0;
    if (side && m_side && side != m_side)
        m_snapping = true;
    if (side)
        m_side = side;
    if (m_snapping && d >= length - m_snap && d < length + m_snap)
        d = length;
    const int n = int(m_candidates.size());
    int pick;
    if (d > length) {
        pick = n - 1;
        for (int i = 0; i < n; ++i)
            if (lengthOf(m_candidates[std::size_t(i)]) > d) {
                pick = i;
                break;
            }
    } else {
        pick = 0;
        for (int i = n - 1; i >= 0; --i)
            if (lengthOf(m_candidates[std::size_t(i)]) <= d) {
                pick = i;
                break;
            }
    }
    if (pick != m_current) {
        m_current = pick;
        m_snapping = false;
        const int now = lengthOf(m_candidates[std::size_t(pick)]);
        m_side = d < now ? -1 : d > now ? 1 : 0;
    }
    return m_candidates[std::size_t(m_current)];
}
