#include "platform/SysColors.h"

#include <array>

namespace {

// The classic grey desktop.
constexpr std::array<TColor, COLOR_COUNT> kDefaults = {
    0xC8C8C8,  // scroll bar
    0x808000,  // background
    0x800000,  // active caption
    0x808080,  // inactive caption
    0xC0C0C0,  // menu
    0xFFFFFF,  // window
    0x000000,  // window frame
    0x000000,  // menu text
    0x000000,  // window text
    0xFFFFFF,  // caption text
    0xC0C0C0,  // active border
    0xC0C0C0,  // inactive border
    0x808080,  // application workspace
    0x800000,  // highlight
    0xFFFFFF,  // highlight text
    0xC0C0C0,  // button face
    0x808080,  // button shadow
    0x808080,  // grey text
    0x000000,  // button text
    0xC0C0C0,  // inactive caption text
    0xFFFFFF,  // button highlight
    0x000000,  // 3D dark shadow
    0xDFDFDF,  // 3D light
    0x000000,  // tooltip text
    0xE1FFFF,  // tooltip background
};

// Painting reads it on the GUI thread only.
std::array<TColor, COLOR_COUNT> g_table = kDefaults;

}

TColor GetSysColor(int index)
{
    if (index < 0 || index >= COLOR_COUNT)
        return 0;
    return g_table[std::size_t(index)];
}

void SetSysColor(int index, TColor rgb)
{
    if (index >= 0 && index < COLOR_COUNT)
        g_table[std::size_t(index)] = rgb & 0xFFFFFF;
}

void ResetSysColors() { g_table = kDefaults; }

TColor ColorToRGB(TColor c)
{
    if (c & clSystemColor)
        return GetSysColor(int(c & 0xFF));
    return c & 0xFFFFFF;
}
