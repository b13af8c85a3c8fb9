// Fuzz target of the animated-cursor reader: any bytes either load (some
// frames or none) or raise the stream's read error, and never read outside
// the data. The bytes are also decoded as a frame picture on their own.
// How to build and run it: fuzz/README.md.

#include "Update/AniFileReader.h"
#include "platform/Exception.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The fuzzer's buffer is exactly the input's size: a read one byte past
    // it is caught by the address sanitizer.
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TAniContents contents;
    try {
        ReadAniFile(bytes, contents);
    } catch (const EReadError&) {
    }
    if (contents.Frames.size() > std::size_t(TAniContents::MaxFrames) || contents.Title.size() > std::size_t(TAniContents::MaxText)
        || contents.Author.size() > std::size_t(TAniContents::MaxText))
        std::abort();
    if (!contents.Frames.empty() && contents.Header.Frames > std::uint32_t(TAniContents::MaxFrames))
        std::abort();
    // The same bytes as one frame's picture.
    DecodeIconImage(bytes);
    return 0;
}
