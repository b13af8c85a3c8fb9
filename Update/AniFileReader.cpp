#include "Update/AniFileReader.h"

#include "platform/Exception.h"

#include <algorithm>
#include <cstring>

namespace {

struct ChunkHeader {
    std::string Id;
    std::uint32_t Size = 0;
};

// Reads from the front of the data; a read that cannot be served whole
// raises the stream's read error.
class ByteReader {
public:
    explicit ByteReader(std::string_view data)
        : m_data(data)
    {
    }

    std::string_view Take(std::uint64_t count)
    {
        if (count > m_data.size() - m_pos)
            throw EReadError(Msg::ReadError());
        std::string_view out = m_data.substr(m_pos, std::size_t(count));
        m_pos += std::size_t(count);
        return out;
    }
    std::uint32_t U32()
    {
        std::string_view b = Take(4);
        return std::uint32_t(std::uint8_t(b[0])) | std::uint32_t(std::uint8_t(b[1])) << 8
            | std::uint32_t(std::uint8_t(b[2])) << 16 | std::uint32_t(std::uint8_t(b[3])) << 24;
    }
    ChunkHeader Chunk()
    {
        ChunkHeader h;
        h.Id = std::string(Take(4));
        h.Size = U32();
        return h;
    }

private:
    std::string_view m_data;
    std::size_t m_pos = 0;
};

// Identifiers match without their blanks and control characters, by
// containment, so "seq " is "seq".
bool isChunk(const std::string& id, const char* name)
{
    std::string trimmed;
    for (char c : id)
        if (std::uint8_t(c) > 32)
            trimmed += c;
    return trimmed.find(name) != std::string::npos;
}

// The rate and sequence tables take the chunk's bytes as they are; a chunk
// larger than the table is refused.
bool readTable(ByteReader& in, std::uint32_t size, std::array<std::uint32_t, TAniContents::MaxEntries>& table)
{
    if (size > sizeof(table))
        return false;
    std::string_view bytes = in.Take(size);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::size_t entry = i / 4, shift = i % 4 * 8;
        table[entry] = (table[entry] & ~(0xFFu << shift)) | std::uint32_t(std::uint8_t(bytes[i])) << shift;
    }
    return true;
}

// Title and author take their size rounded up to even.
bool readText(ByteReader& in, std::uint32_t size, std::string& text)
{
    std::uint64_t padded = (std::uint64_t(size) + 1) & ~std::uint64_t(1);
    if (padded > TAniContents::MaxText)
        return false;
    std::string_view bytes = in.Take(padded);
    text.assign(bytes.data(), strnlen(bytes.data(), bytes.size()));
    return true;
}

TAniHeader readHeader(ByteReader& in)
{
    TAniHeader h;
    for (std::uint32_t* field : { &h.HeaderSize, &h.Frames, &h.Steps, &h.Width, &h.Height, &h.BitCount, &h.Planes, &h.DefaultRate, &h.Flags })
        *field = in.U32();
    return h;
}

// One frame chunk: a 6-byte icon directory and its first 16-byte entry,
// then the image at the entry's offset. False ends the frame list.
bool readFrame(ByteReader& in, TAniContents& into)
{
    constexpr std::uint32_t kDirectory = 22;
    ChunkHeader chunk = in.Chunk();
    if (chunk.Size < TAniContents::MinFrameChunk)
        return false;
    std::string_view directory = in.Take(kDirectory);
    std::uint32_t offset = std::uint32_t(std::uint8_t(directory[18])) | std::uint32_t(std::uint8_t(directory[19])) << 8
        | std::uint32_t(std::uint8_t(directory[20])) << 16 | std::uint32_t(std::uint8_t(directory[21])) << 24;
    std::uint64_t imageSize = chunk.Size - kDirectory;
    if (offset > kDirectory) {
        std::uint64_t gap = offset - kDirectory;
        if (gap > imageSize)
            return false;
        in.Take(gap);
        imageSize -= gap;
    }
    if (imageSize > TAniContents::MaxImage)
        return false;
    std::optional<TIconImage> image = DecodeIconImage(in.Take(imageSize));
    if (!image)
        return false;
    into.Frames.push_back(*image);
    return true;
}

}

void ReadAniFile(std::string_view data, TAniContents& into)
{
    if (data.empty())
        return;
    ByteReader in(data);
    in.Take(12);  // "RIFF", its size and the form type
    ChunkHeader chunk = in.Chunk();
    if (!isChunk(chunk.Id, "anih")) {
        // An information list with the title and the author comes first.
        in.Take(4);
        chunk = in.Chunk();
        if (!isChunk(chunk.Id, "anih")) {
            if (!readText(in, chunk.Size, into.Title))
                return;
            chunk = in.Chunk();
            if (!readText(in, chunk.Size, into.Author))
                return;
            in.Chunk();  // taken as the "anih" chunk
        }
    }
    into.Header = readHeader(in);
    into.Rates.fill(into.Header.DefaultRate);

    chunk = in.Chunk();
    if (isChunk(chunk.Id, "rate")) {
        if (!readTable(in, chunk.Size, into.Rates))
            return;
        chunk = in.Chunk();
    }
    if (isChunk(chunk.Id, "seq")) {
        if (!readTable(in, chunk.Size, into.Sequence))
            return;
        chunk = in.Chunk();
    }
    if (!isChunk(chunk.Id, "LIST"))
        return;
    in.Take(4);  // the list type
    into.Header.Frames = std::min<std::uint32_t>(into.Header.Frames, TAniContents::MaxFrames);
    for (std::uint32_t i = 0; i < into.Header.Frames; ++i)
        if (!readFrame(in, into))
            return;
}
