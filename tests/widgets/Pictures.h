#pragma once
// What a control painted: its picture, the colour at given points, how many
// pixels show a colour and where; and pictures made of coloured rectangles.

#include "platform/Graphics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <utility>

// A colour expected at a point, and why (shown when it is not there).
struct PixelAt { int x, y; TColor colour; const char* why = ""; };

inline void ExpectPixels(const TBitmap& picture, std::initializer_list<PixelAt> points)
{
    for (const PixelAt& p : points)
        EXPECT_EQ(picture.Pixel(p.x, p.y), p.colour) << "at " << p.x << "," << p.y << " " << p.why;
}

inline int CountPixels(const TBitmap& picture, TColor colour)
{
    int n = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            n += picture.Pixel(x, y) == colour;
    return n;
}

// Where a colour shows: left, top, right, bottom, inclusive (left past the
// picture's width where it does not show at all).
inline TRect Extent(const TBitmap& picture, TColor colour)
{
    TRect r { picture.Width(), picture.Height(), -1, -1 };
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (picture.Pixel(x, y) == colour)
                r = { std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x), std::max(r.Bottom, y) };
    return r;
}

// A white picture with rectangles of colour painted on it in turn.
inline TBitmap Filled(int width, int height, std::initializer_list<std::pair<TRect, TColor>> parts)
{
    TBitmap picture(width, height);
    for (auto [rect, colour] : parts) {
        picture.Canvas().Brush.Color = colour;
        picture.Canvas().FillRect(rect);
    }
    return picture;
}

// The control painted into a picture of its own size.
template<class Control>
TBitmap Painted(Control& control)
{
    TBitmap out(control.Width(), control.Height());
    control.PaintTo(out.Canvas());
    return out;
}
