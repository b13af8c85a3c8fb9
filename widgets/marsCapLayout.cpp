#include "widgets/marsCapLayout.h"

#include <algorithm>

const TCaptionMetrics& StandardCaptionMetrics()
{
    static const TCaptionMetrics metrics;
    return metrics;
}

namespace {

bool isToolWindow(TFormBorderStyle s) { return s == bsToolWindow || s == bsSizeToolWin; }

TBorderIcons offeredIcons(TFormBorderStyle style, TBorderIcons form)
{
    if (style == bsNone || !(form & biSystemMenu))
        return 0;
    if (isToolWindow(style))
        return biSystemMenu;
    TBorderIcons icons = form;
    if (style == bsSingle || style == bsSizeable)
        icons &= ~biHelp;
    if (style == bsDialog)
        icons &= ~(biMinimize | biMaximize);
    if (icons & (biMinimize | biMaximize))
        icons |= biMinimize | biMaximize;
    return icons;
}

}

void LayoutCaption(TCaptionLayout& l, const TCaptionWindow& w, const TCaptionMetrics& m)
{
    const TFormBorderStyle style = w.BorderStyle;
    l.FrameX = l.FrameY = 0;
    if (w.State == wsMinimized) {
        l.FrameY = m.CxDlgFrame;
        l.FrameX = m.CyDlgFrame;
    } else if (style == bsSizeable || style == bsSizeToolWin) {
        l.FrameY = m.CxFrame;
        l.FrameX = m.CyFrame;
    } else if (style != bsNone) {
        l.FrameY = m.CxDlgFrame;
        l.FrameX = m.CyDlgFrame;
    }
    // A frameless window has no title bar to speak of.
    l.CaptionHeight = style == bsNone ? 0 : (isToolWindow(style) ? m.CySmCaption : m.CyCaption) - 1;
    l.Caption = { l.FrameX, l.FrameY, w.Width - l.FrameX, l.FrameY + l.CaptionHeight };
    const TRect& c = l.Caption;

    l.Icons = offeredIcons(style, w.FormIcons);
    const bool sysMenu = l.Icons & biSystemMenu;
    l.Icon = { c.Left, c.Top, c.Left, c.Bottom };
    if ((style == bsSingle || style == bsSizeable) && sysMenu)
        l.Icon.Right = c.Left + m.CxSize;

    l.ButtonArea = { c.Right, c.Top + 2, c.Right, c.Bottom - 2 };
    if (sysMenu) {
        int d = isToolWindow(style) ? m.CxSmSize
                                    : (1 + !!(l.Icons & biMaximize) + !!(l.Icons & biMinimize) + !!(l.Icons & biHelp)) * (m.CxSize - 2);
        l.ButtonArea.Left = c.Right - d - 2;
    }
    l.Text = { l.Icon.Right + 2, c.Top + 2, l.ButtonArea.Left - 2, c.Bottom - 2 };

    auto& b = l.Buttons;
    if (!sysMenu) {
        for (auto& button : b)
            button.Visible = false;
        return;
    }
    const TRect& a = l.ButtonArea;
    if (isToolWindow(style)) {
        b[cbClose] = { true, b[cbClose].Enabled, a.Left + 2, a.Top, a.Width() - 4, a.Height() };
        return;
    }
    const int width = m.CxSize - 2, height = m.CySize - 4;
    b[cbClose] = { true, true, a.Right - m.CxSize, a.Top, width, height };
    int p = b[cbClose].X - 2;
    auto place = [&](TCaptionButtonKind kind, TBorderIconBit bit, bool enabled) {
        if (!(l.Icons & bit)) {
            b[kind].Visible = false;
            return;
        }
        b[kind] = { true, enabled, p - width, a.Top, width, height };
        p = b[kind].X;
    };
    place(cbMaximize, biMaximize, w.FormIcons & biMaximize);
    place(cbMinimize, biMinimize, w.FormIcons & biMinimize);
    place(cbHelp, biHelp, true);
}

TRect HotRect(const TCaptionLayout& l, TCaptionButtonKind kind)
{
    const TCaptionButtonPlace& b = l.Buttons[kind];
    TRect r { b.X, b.Y - 2, b.X + b.Width, b.Y + b.Height + 2 };
    if (kind == cbClose)
        r.Right += 2;
    return r;
}

int CaptionButtonAt(const TCaptionLayout& l, TPoint p)
{
    for (TCaptionButtonKind kind : { cbClose, cbMaximize, cbMinimize, cbHelp })
        if (l.Buttons[kind].Visible && InRect(HotRect(l, kind), p))
            return kind;
    return -1;
}

UINT CaptionButtonCommand(TCaptionButtonKind kind, TWindowState state)
{
    switch (kind) {
    case cbClose:
        return SC_CLOSE;
    case cbMinimize:
        return state == wsMinimized ? SC_RESTORE : SC_MINIMIZE;
    case cbMaximize:
        return state == wsMaximized ? SC_RESTORE : SC_MAXIMIZE;
    case cbHelp:
        break;
    }
    return SC_CONTEXTHELP;
}

std::vector<TGradientBand> GradientBands(const TRect& caption, TColor begin, TColor end, int n)
{
    std::vector<TGradientBand> bands;
    const int width = caption.Width();
    if (n <= 0 || width <= 0)
        return bands;
    auto channel = [](TColor c, int shift) { return int((c >> shift) & 0xFF); };
    auto colorOf = [&](int i) {
        if (n == 1)
            return begin;
        int rgb[3];
        for (int k = 0; k < 3; ++k) {
            int b = channel(begin, 8 * k);
            rgb[k] = (b + MulDiv(i, channel(end, 8 * k) - b, n - 1)) & 0xFF;
        }
        return RGB(rgb[0], rgb[1], rgb[2]);
    };
    auto edge = [&](int i) { return caption.Left + MulDiv(i, width, n); };
    // Only the bands that cover a pixel column: at most one per column.
    int i = 0;
    while (i < n) {
        int x0 = edge(i), x1 = edge(i + 1);
        if (x1 > x0) {
            bands.push_back({ x0, x1, colorOf(i) });
            ++i;
            continue;
        }
        // Skip to the last band starting at this edge: the one that covers
        // the next column.
        // edge(j) <= x1 while j * width / n < column + 1/2.
        std::int64_t twice = 2 * std::int64_t(x1 - caption.Left) + 1;
        int next = int(std::min<std::int64_t>(n - 1, (twice * n + 2 * width - 1) / (2 * width) - 1));
        while (next + 1 < n && edge(next + 1) <= x1)
            ++next;
        while (next > i && edge(next) > x1)
            --next;
        i = std::max(i + 1, next);
    }
    return bands;
}

TSystemMenuState SystemMenuState(TWindowState state, bool mdiChild, TBorderIcons icons, bool maximizeEnabled, bool minimizeEnabled)
{
    TSystemMenuState s;
    if (state == wsMaximized || state == wsMinimized) {
        if (!(state == wsMaximized && mdiChild))
            s.Default = SC_RESTORE;
        s.Size = s.Move = false;
        if (state == wsMaximized)
            s.Maximize = false;
        else
            s.Minimize = false;
    } else {
        s.Restore = false;
    }
    if (!(icons & biMaximize) || !maximizeEnabled)
        s.Maximize = false;
    if (!(icons & biMinimize) || !minimizeEnabled)
        s.Minimize = false;
    return s;
}
