#pragma once
// Animated cursor files put together piece by piece for the tests, and
// what the tests of the reader and the icon include. Frame n of a file is
// filled with Ink(n), so a drawn pixel tells the frame.

#include "Update/AniFileReader.h"
#include "Update/BusyCursor.h"
#include "Update/IconImage.h"
#include "Update/anifile.h"
#include "platform/Exception.h"
#include "tests/support/MessageLoop.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace anitest {

inline std::string U16(std::uint16_t v) { return { char(v & 0xFF), char(v >> 8) }; }
inline std::string U32(std::uint32_t v) { return U16(std::uint16_t(v & 0xFFFF)) + U16(std::uint16_t(v >> 16)); }

// A chunk with its true size (odd sizes padded).
inline std::string Chunk(const std::string& id, const std::string& data)
{
    return id + U32(std::uint32_t(data.size())) + data + (data.size() % 2 ? std::string(1, '\0') : "");
}

// A chunk whose stored size says something else.
inline std::string ChunkSized(const std::string& id, std::uint32_t n, const std::string& data) { return id + U32(n) + data; }

constexpr TColor Ink(int frame) { return RGB(10 + 3 * (frame % 64), 200 - 2 * (frame % 64), 40); }

// The 16-colour palette of the test images: entry i is Ink(i).
inline std::string Palette16()
{
    std::string p;
    for (int i = 0; i < 16; ++i)
        p += { char(Ink(i) >> 16 & 0xFF), char(Ink(i) >> 8 & 0xFF), char(Ink(i) & 0xFF), 0 };
    return p;
}

inline std::string InfoHeader(std::int32_t width, std::int32_t height2, std::uint16_t bits, std::uint32_t compression = 0,
    std::uint32_t coloursUsed = 0)
{
    return U32(40) + U32(std::uint32_t(width)) + U32(std::uint32_t(height2)) + U16(1) + U16(bits) + U32(compression)
        + std::string(12, '\0') + U32(coloursUsed) + U32(0);
}

// A 32 x 32 icon image of 16 colours (744 bytes), all of palette entry
// `index`, nothing masked.
inline std::string SolidImage(int index)
{
    return InfoHeader(32, 64, 4) + Palette16() + std::string(512, char((index & 0xF) * 0x11)) + std::string(128, '\0');
}

// An "icon" frame chunk: directory, first entry with the image offset,
// padding up to it, the image.
inline std::string FrameChunk(const std::string& image, std::uint32_t offset = 22)
{
    std::string entry = std::string { 32, 32, 16, 0 } + U16(1) + U16(4) + U32(std::uint32_t(image.size())) + U32(offset);
    return Chunk("icon", U16(0) + U16(1) + U16(1) + entry + std::string(offset > 22 ? offset - 22 : 0, '\0') + image);
}

inline std::string Anih(std::uint32_t frames, std::uint32_t defaultRate)
{
    return Chunk("anih", U32(36) + U32(frames) + U32(frames) + U32(0) + U32(0) + U32(0) + U32(0) + U32(defaultRate) + U32(1));
}

inline std::string FrameList(int count)
{
    std::string body = "fram";
    for (int i = 0; i < count; ++i)
        body += FrameChunk(SolidImage(i % 16));
    return Chunk("LIST", body);
}

inline std::string Rates(const std::vector<std::uint32_t>& rates)
{
    std::string body;
    for (std::uint32_t r : rates)
        body += U32(r);
    return Chunk("rate", body);
}

inline std::string Riff(const std::string& body) { return "RIFF" + U32(std::uint32_t(body.size() + 4)) + "ACON" + body; }

// A plain file: header, frames.
inline std::string Plain(int frames, std::uint32_t defaultRate = 4)
{
    return Riff(Anih(std::uint32_t(frames), defaultRate) + FrameList(frames));
}

}
