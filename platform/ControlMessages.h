#pragma once
// The messages controls exchange: window messages the platform delivers to
// a control's WindowProc (painting, the mouse, activation) and the class
// library's own control messages (the mouse entering and leaving, the
// system colours changing). Mouse messages carry the shift state in WParam
// and the client point in LParam.

#include "platform/Messages.h"
#include "platform/Types.h"

#include <cstdint>

constexpr UINT WM_ACTIVATE = 0x0006;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_SYSCOLORCHANGE = 0x0015;
constexpr UINT WM_ACTIVATEAPP = 0x001C;
constexpr UINT WM_WINDOWPOSCHANGED = 0x0047;
constexpr UINT WM_CANCELMODE = 0x001F;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_RBUTTONDBLCLK = 0x0206;
constexpr UINT WM_MBUTTONDOWN = 0x0207;
constexpr UINT WM_MBUTTONUP = 0x0208;
constexpr UINT WM_MBUTTONDBLCLK = 0x0209;

// WM_ACTIVATE's WParam.
constexpr WPARAM WA_INACTIVE = 0;
constexpr WPARAM WA_ACTIVE = 1;

constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0;
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr UINT CM_SYSCOLORCHANGE = CM_BASE + 16;
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 22;
constexpr UINT CM_CANCELMODE = CM_BASE + 25;

// A client point packed as two signed 16-bit halves, x low.
constexpr LPARAM PointToLParam(int x, int y)
{
    return LPARAM(std::uint32_t(std::uint16_t(x)) | (std::uint32_t(std::uint16_t(y)) << 16));
}
constexpr TPoint LParamToPoint(LPARAM l)
{
    return { std::int16_t(std::uint16_t(l & 0xFFFF)), std::int16_t(std::uint16_t((l >> 16) & 0xFFFF)) };
}

// The button a mouse message is about, and whether it presses, releases or
// double-clicks it.
enum class TMouseAction { None, Down, Up, DoubleClick, Move };
TMouseAction MouseActionOf(UINT msg);
TMouseButton MouseButtonOf(UINT msg);
UINT MouseMessage(TMouseAction, TMouseButton);
