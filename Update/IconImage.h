#pragma once
// One frame of an animated cursor: the picture of an icon resource (a
// device-independent bitmap of twice the icon's height, colour image first,
// then the one-bit AND mask), brought to the icon size of 32 x 32.

#include "platform/Types.h"

#include <array>
#include <optional>
#include <string_view>

struct TIconImage {
    static constexpr int Size = 32;

    // Colour of each pixel, row by row from the top.
    std::array<TColor, Size * Size> Color {};
    // Set where the AND mask is 1: the screen shows through, inverted by
    // the colour where that is not black.
    std::array<bool, Size * Size> Mask {};
};

// Decodes an icon resource image. Uncompressed images of 1, 4, 8, 24 and 32
// bits per pixel, up to 256 x 256, are taken; anything else, or an image
// whose parts do not fit in the bytes given, yields nothing.
std::optional<TIconImage> DecodeIconImage(std::string_view bytes);
