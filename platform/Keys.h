#pragma once
// Virtual key codes and shortcuts as the class library numbers them.

#include "platform/Types.h"

#include <cstdint>
#include <string>

class QKeyEvent;

constexpr std::uint16_t VK_BACK = 0x08, VK_TAB = 0x09, VK_RETURN = 0x0D, VK_SHIFT = 0x10, VK_CONTROL = 0x11,
                        VK_MENU = 0x12, VK_ESCAPE = 0x1B, VK_SPACE = 0x20, VK_PRIOR = 0x21, VK_NEXT = 0x22,
                        VK_END = 0x23, VK_HOME = 0x24, VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27,
                        VK_DOWN = 0x28, VK_INSERT = 0x2D, VK_DELETE = 0x2E, VK_F1 = 0x70;

// A shortcut: the key code in the low byte, modifiers above.
using TShortCut = std::uint16_t;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

TShortCut ShortCut(std::uint16_t key, TShiftState shift);
// "Ctrl+N", "Shift+F1", ...; 0 for text that names no key.
TShortCut TextToShortCut(const std::string&);
std::string ShortCutToText(TShortCut);

// The key code of a Qt key event (0 when the key has none) and its shift state.
std::uint16_t VirtualKeyOf(const QKeyEvent*);
TShiftState ShiftStateOf(const QKeyEvent*);
TShiftState ShiftStateFromQt(int modifiers, int buttons);
