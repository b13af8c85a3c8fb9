#include "Update/IconImage.h"

#include <cstdint>
#include <vector>

namespace {

constexpr int kMaxSide = 256;

std::uint32_t u32(std::string_view b, std::size_t at)
{
    return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8
        | std::uint32_t(std::uint8_t(b[at + 2])) << 16 | std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}

std::uint16_t u16(std::string_view b, std::size_t at)
{
    return std::uint16_t(std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8);
}

std::uint8_t byteAt(std::string_view b, std::size_t at) { return std::uint8_t(b[at]); }

// Rows are kept to whole 32-bit words.
std::size_t strideOf(int width, int bits) { return (std::size_t(width) * std::size_t(bits) + 31) / 32 * 4; }

}

std::optional<TIconImage> DecodeIconImage(std::string_view b)
{
    constexpr std::size_t kInfoHeader = 40;
    if (b.size() < kInfoHeader)
        return std::nullopt;
    std::uint32_t headerSize = u32(b, 0);
    if (headerSize < kInfoHeader || headerSize > b.size())
        return std::nullopt;
    auto width = std::int32_t(u32(b, 4));
    auto doubleHeight = std::int32_t(u32(b, 8));
    int bits = u16(b, 14);
    std::uint32_t compression = u32(b, 16);
    std::uint32_t coloursUsed = u32(b, 32);
    // The stored height covers the colour image and the mask.
    if (width < 1 || width > kMaxSide || doubleHeight < 2 || doubleHeight > 2 * kMaxSide)
        return std::nullopt;
    int height = doubleHeight / 2;
    if (compression != 0 || (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32))
        return std::nullopt;

    std::vector<TColor> palette;
    // Deeper images may still carry a colour table, which is passed over.
    std::size_t skippedTable = 0;
    if (bits <= 8) {
        std::uint32_t full = 1u << bits;
        if (coloursUsed > full)
            return std::nullopt;
        palette.resize(coloursUsed ? coloursUsed : full);
    } else {
        if (coloursUsed > 256)
            return std::nullopt;
        skippedTable = coloursUsed;
    }
    std::size_t paletteAt = headerSize;
    std::size_t colourAt = paletteAt + (palette.size() + skippedTable) * 4;
    std::size_t colourStride = strideOf(width, bits);
    std::size_t maskAt = colourAt + colourStride * std::size_t(height);
    std::size_t maskStride = strideOf(width, 1);
    std::size_t end = maskAt + maskStride * std::size_t(height);
    if (end > b.size())
        return std::nullopt;
    for (std::size_t i = 0; i < palette.size(); ++i)
        palette[i] = RGB(byteAt(b, paletteAt + 4 * i + 2), byteAt(b, paletteAt + 4 * i + 1), byteAt(b, paletteAt + 4 * i));

    auto colourOf = [&](int x, int row) -> TColor {
        std::size_t at = colourAt + colourStride * std::size_t(row);
        std::size_t index = 0;
        switch (bits) {
        case 1:
            index = (byteAt(b, at + std::size_t(x) / 8) >> (7 - x % 8)) & 1;
            break;
        case 4:
            index = (byteAt(b, at + std::size_t(x) / 2) >> (x % 2 ? 0 : 4)) & 0xF;
            break;
        case 8:
            index = byteAt(b, at + std::size_t(x));
            break;
        default: {
            std::size_t p = at + std::size_t(x) * std::size_t(bits / 8);
            return RGB(byteAt(b, p + 2), byteAt(b, p + 1), byteAt(b, p));
        }
        }
        // An index past a short palette draws black.
        return index < palette.size() ? palette[index] : clBlack;
    };
    auto maskOf = [&](int x, int row) {
        return ((byteAt(b, maskAt + maskStride * std::size_t(row) + std::size_t(x) / 8) >> (7 - x % 8)) & 1) != 0;
    };

    // Bitmaps are stored bottom row first; other sizes are stretched to the
    // icon size.
    TIconImage image;
    for (int y = 0; y < TIconImage::Size; ++y) {
        int row = height - 1 - y * height / TIconImage::Size;
        for (int x = 0; x < TIconImage::Size; ++x) {
            int sx = x * width / TIconImage::Size;
            image.Color[std::size_t(y * TIconImage::Size + x)] = colourOf(sx, row);
            image.Mask[std::size_t(y * TIconImage::Size + x)] = maskOf(sx, row);
        }
    }
    return image;
}
