#pragma once
// Reading an animated cursor file (RIFF form "ACON"): the "anih" header,
// the rate and sequence tables, and the frame icons of the "LIST" of frames.
//
// Every part is checked against the tables it goes into and against the
// bytes that are there, so no read goes past the data. A file that ends too
// early raises EReadError; a part too large for its table, or one that
// contradicts itself, ends the loading quietly. Either way the frames read
// before that point stay.

#include "Update/IconImage.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The "anih" block as stored.
struct TAniHeader {
    std::uint32_t HeaderSize = 0;
    std::uint32_t Frames = 0;  // limited to MaxFrames when the frames are read
    std::uint32_t Steps = 0;
    std::uint32_t Width = 0;
    std::uint32_t Height = 0;
    std::uint32_t BitCount = 0;
    std::uint32_t Planes = 0;
    std::uint32_t DefaultRate = 0;
    std::uint32_t Flags = 0;
};

struct TAniContents {
    static constexpr int MaxFrames = 64;
    static constexpr int MaxEntries = 128;   // of the rate and sequence tables
    static constexpr int MaxImage = 4096;     // bytes of one frame's picture
    static constexpr int MaxText = 256;       // bytes of the title and the author
    static constexpr int MinFrameChunk = 766; // one 32 x 32 icon of 16 colours with its directory

    TAniHeader Header;
    // Display time of each frame in ticks of 10 ms.
    std::array<std::uint32_t, MaxEntries> Rates {};
    // Kept as read; frames play in file order.
    std::array<std::uint32_t, MaxEntries> Sequence {};
    std::string Title;
    std::string Author;
    std::vector<TIconImage> Frames;
};

// Reads data into `into`, which should start empty. Empty data reads
// nothing. Raises EReadError when the data ends inside a part; what was read
// until then stays in `into`.
void ReadAniFile(std::string_view data, TAniContents& into);
