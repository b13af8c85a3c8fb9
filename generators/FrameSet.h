#pragma once
// The frame set the frame wizard writes: the size lists by frame count and
// the tag texts in both cases, one table each.

#include <string>
#include <vector>

// What step 2 holds for one frame.
struct TFrameGroup {
    std::string name;
    std::string address;
    std::string scrolling;
    bool noResize = false;
};

inline constexpr int kMinFrames = 2;
inline constexpr int kMaxFrames = 8;

// The frame count a text names: 2 to 8 for exactly "2" to "8", else 0.
int FrameCount(const std::string& text);
// The size list of a frame set of `count` frames, rows and columns alike.
const char* FrameSizes(int count);

// The lines of the frame set (opening, one per frame, closing), the first
// `count` groups used; none for a count outside 2 to 8.
std::vector<std::string> FrameSetLines(bool upper, bool rows, const std::string& q, int count, const std::vector<TFrameGroup>& groups);
