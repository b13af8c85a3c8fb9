#include "generators/FrameSet.h"

namespace {

// Index 0 is a set of two frames.
const char* const kSizes[kMaxFrames - kMinFrames + 1] = {
    "27%,*",
    "27%,*,31%",
    "27%,*,16%,15%",
    "14%,13%,*,16%,15%",
    "14%,13%,*,21%,16%,15%",
    "14%,13%,*,11%,10%,16%,15%",
    "14%,7%,6%,*,11%,10%,16%,15%",
};

struct TFrameTags {
    const char* rows;
    const char* cols;
    const char* frame;
    const char* src;
    const char* scrolling;
    const char* noResize;
    const char* closing;
};

const TFrameTags kUpper = { "<FRAMESET ROWS=", "<FRAMESET COLS=", "<FRAME NAME=", " SRC=", " SCROLLING=", " NORESIZE", "</FRAMESET>" };
const TFrameTags kLower = { "<frameset rows=", "<frameset cols=", "<frame name=", " src=", " scrolling=", " noresize", "</frameset>" };

}

int FrameCount(const std::string& text)
{
    for (int count = kMinFrames; count <= kMaxFrames; ++count)
        if (text == std::to_string(count))
            return count;
    return 0;
}

const char* FrameSizes(int count)
{
    if (count < kMinFrames || count > kMaxFrames)
        return nullptr;
    return kSizes[count - kMinFrames];
}

std::vector<std::string> FrameSetLines(bool upper, bool rows, const std::string& q, int count, const std::vector<TFrameGroup>& groups)
{
    const char* sizes = FrameSizes(count);
    if (!sizes || int(groups.size()) < count)
        return {};
    const TFrameTags& tags = upper ? kUpper : kLower;
    std::vector<std::string> lines;
    lines.push_back((rows ? tags.rows : tags.cols) + q + sizes + q + ">");
    for (int k = 0; k < count; ++k) {
        const TFrameGroup& g = groups[std::size_t(k)];
        lines.push_back(tags.frame + q + g.name + q + tags.src + q + g.address + q + tags.scrolling + q + g.scrolling + q
            + (g.noResize ? tags.noResize : "") + ">");
    }
    lines.push_back(tags.closing);
    return lines;
}
