#pragma once
// The non-client area of a window: its mouse messages, the hit-test codes
// that say which part of the frame a point lies on, the system commands of
// the window menu, the painting of a frame a window draws itself, and the
// platform's rounding multiply-divide.

#include "platform/ControlMessages.h"

#include <cstdint>
#include <functional>

class QWidget;
class TCanvas;

constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_SYSCOMMAND = 0x0112;

// Title-bar mouse messages; each is its client message less 0x160.
constexpr UINT WM_NCMOUSEMOVE = 0x00A0;
constexpr UINT WM_NCLBUTTONDOWN = 0x00A1;
constexpr UINT WM_NCLBUTTONUP = 0x00A2;
constexpr UINT WM_NCLBUTTONDBLCLK = 0x00A3;
constexpr UINT WM_NCRBUTTONDOWN = 0x00A4;
constexpr UINT WM_NCRBUTTONUP = 0x00A5;
constexpr UINT WM_NCRBUTTONDBLCLK = 0x00A6;
constexpr UINT WM_NCMBUTTONDOWN = 0x00A7;
constexpr UINT WM_NCMBUTTONUP = 0x00A8;
constexpr UINT WM_NCMBUTTONDBLCLK = 0x00A9;
constexpr UINT kNcToClientMessage = 0x160;

// Hit-test codes.
enum : int {
    HTNOWHERE = 0,
    HTCLIENT = 1,
    HTCAPTION = 2,
    HTSYSMENU = 3,
    HTMINBUTTON = 8,
    HTMAXBUTTON = 9,
    HTLEFT = 10,
    HTRIGHT = 11,
    HTTOP = 12,
    HTTOPLEFT = 13,
    HTTOPRIGHT = 14,
    HTBOTTOM = 15,
    HTBOTTOMLEFT = 16,
    HTBOTTOMRIGHT = 17,
    HTCLOSE = 20,
};

// System commands.
constexpr UINT SC_SIZE = 0xF000;
constexpr UINT SC_MOVE = 0xF010;
constexpr UINT SC_MINIMIZE = 0xF020;
constexpr UINT SC_MAXIMIZE = 0xF030;
constexpr UINT SC_CLOSE = 0xF060;
constexpr UINT SC_RESTORE = 0xF120;
constexpr UINT SC_CONTEXTHELP = 0xF180;

// Whether a point lies in [Left, Right) x [Top, Bottom).
constexpr bool InRect(const TRect& r, TPoint p) { return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom; }

// The frame of a window that draws its own (a title strip, edges), as the
// window's paint event asks for it: `paint` draws in window coordinates, and
// only what lies outside `client` reaches the screen, so the controls of the
// client area are never painted over. It is called once for each band of
// the frame (top, left, right, bottom), so it only draws.
void PaintNonClient(QWidget* window, const TRect& client, const std::function<void(TCanvas&)>& paint);

// a * b / c in 64 bits, rounded half away from zero; -1 when c is 0.
constexpr int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    std::int64_t n = std::int64_t(a) * b;
    std::int64_t d = c;
    bool negative = (n < 0) != (d < 0);
    if (n < 0)
        n = -n;
    if (d < 0)
        d = -d;
    std::int64_t q = (n + d / 2) / d;
    return int(negative ? -q : q);
}
