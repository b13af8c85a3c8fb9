#include "tests/Update/AniFileTestData.h"

using namespace anitest;

// What the reader kept of `data`; `raises`: the read must raise the read error.
static TAniContents read(const std::string& data, bool raises = false)
{
    TAniContents c;
    if (raises)
        EXPECT_THROW(ReadAniFile(data, c), EReadError);
    else
        ReadAniFile(data, c);
    return c;
}

// The colour each frame was filled with.
static std::vector<TColor> inks(const TAniContents& c)
{
    std::vector<TColor> out;
    for (const TIconImage& image : c.Frames)
        out.push_back(image.Color[0]);
    return out;
}

TEST(AniFileReader, TheBusyCursorHasSixteenFramesAtTheDefaultRate)
{
    TAniContents c = read(std::string(BusyCursorData()));
    EXPECT_EQ(std::tuple(c.Frames.size(), c.Header.Frames, c.Title, c.Author), std::tuple(16u, 16u, "Corvana busy", "Corvana"));
    EXPECT_EQ(std::vector(c.Rates.begin(), c.Rates.begin() + 16), std::vector<std::uint32_t>(16, c.Header.DefaultRate));
    // The ring has a see-through middle and painted dots.
    const TIconImage& f = c.Frames[0];
    EXPECT_TRUE(f.Mask[16 * 32 + 16]);
    EXPECT_GT(std::count(f.Mask.begin(), f.Mask.end(), false), 50);
}

TEST(AniFileReader, FileAndMemoryLoadTheSame)
{
    TempDir dir;
    WriteFileBytes(dir.File("busy.ani"), std::string(BusyCursorData()));
    TAniFile fromFile, fromMemory;
    fromFile.LoadFromFile(dir.File("busy.ani"));
    fromMemory.ReadData(BusyCursorData());
    EXPECT_EQ(std::tuple(fromFile.Data(), fromFile.SaveToStream(), fromFile.FrameCount()),
        std::tuple(fromMemory.Data(), std::string(BusyCursorData()), 16));
    EXPECT_THROW(fromFile.LoadFromFile(dir.File("missing.ani")), EFOpenError);
}

TEST(AniFileReader, RatesComeFromTheRateChunkOrTheDefault)
{
    TAniContents plain = read(Plain(3, 7));
    EXPECT_EQ(std::tuple(plain.Frames.size(), plain.Rates[0], plain.Rates[127]), std::tuple(3u, 7u, 7u));

    TAniContents rated = read(Riff(Anih(3, 7) + Rates({ 1, 2 }) + FrameList(3)));
    EXPECT_EQ(std::tuple(rated.Frames.size(), rated.Rates[0], rated.Rates[1], rated.Rates[2]), std::tuple(3u, 1u, 2u, 7u));

    // A sequence is read and kept; a full table of 128 entries fits.
    std::string seq = Chunk("seq ", U32(2) + U32(1) + U32(0));
    TAniContents both = read(Riff(Anih(3, 7) + Rates(std::vector<std::uint32_t>(128, 9)) + seq + FrameList(3)));
    EXPECT_EQ(std::tuple(both.Frames.size(), both.Rates[127], both.Sequence[0], both.Sequence[2]), std::tuple(3u, 9u, 2u, 0u));
}

TEST(AniFileReader, ChunkNamesMatchWithoutBlanksAndControlCharacters)
{
    TAniContents c = read(Riff(Anih(2, 5) + Chunk(std::string("\0seq", 4), U32(1)) + FrameList(2)));
    EXPECT_EQ(std::tuple(c.Frames.size(), c.Sequence[0]), std::tuple(2u, 1u));
    // Case counts.
    EXPECT_TRUE(read(Riff(Anih(2, 5) + Chunk("list", "fram" + FrameChunk(SolidImage(0))))).Frames.empty());
}

TEST(AniFileReader, AnInformationListLoadsLikeAFileWithoutIt)
{
    std::string info = Chunk("LIST", "INFO" + Chunk("INAM", "Spinner") + Chunk("IART", "Someone"));
    TAniContents with = read(Riff(info + Anih(4, 3) + FrameList(4)));
    EXPECT_EQ(std::tuple(with.Title, with.Author, with.Header.DefaultRate), std::tuple("Spinner", "Someone", 3u));
    EXPECT_EQ(inks(with), inks(read(Plain(4, 3))));

    // Titles of odd length take their padding byte; a title of exactly 256
    // bytes fits.
    std::string longInfo = Chunk("LIST", "INFO" + Chunk("INAM", std::string(255, 'a')) + Chunk("IART", "b"));
    TAniContents padded = read(Riff(longInfo + Anih(1, 3) + FrameList(1)));
    EXPECT_EQ(std::tuple(padded.Title, padded.Frames.size()), std::tuple(std::string(255, 'a'), 1u));
}

TEST(AniFileReader, AnythingButRateSeqOrListAfterTheHeaderLeavesNoFrames)
{
    TAniContents c = read(Riff(Anih(2, 5) + Chunk("junk", "1234") + FrameList(2)));
    EXPECT_EQ(std::tuple(c.Frames.size(), c.Header.Frames, read("").Frames.size()), std::tuple(0u, 2u, 0u));
}

TEST(AniFileReader, AShortFrameChunkEndsTheFrameList)
{
    std::string frames = "fram" + FrameChunk(SolidImage(0)) + FrameChunk(SolidImage(1))
        + ChunkSized("icon", 765, std::string(765, '\0')) + FrameChunk(SolidImage(3));
    EXPECT_EQ(inks(read(Riff(Anih(4, 5) + Chunk("LIST", frames)))), (std::vector { Ink(0), Ink(1) }));
}

TEST(AniFileReader, OnlyTheFirstSixtyFourFramesAreBuilt)
{
    TAniContents c = read(Plain(70));
    EXPECT_EQ(std::tuple(c.Frames.size(), c.Header.Frames), std::tuple(64u, 64u));
}

TEST(AniFileReader, ATruncatedFileRaisesTheReadErrorAndKeepsTheFramesBeforeIt)
{
    std::string whole = Plain(3);
    EXPECT_EQ(read(whole.substr(0, whole.size() - 100), true).Frames.size(), 2u);
    // Cut inside the header: nothing read, the same error.
    for (std::size_t n : { 1, 11, 20, 40 })
        EXPECT_TRUE(read(whole.substr(0, n), true).Frames.empty()) << n;
    // A header that promises more frames than the file holds.
    EXPECT_EQ(read(Riff(Anih(0xFFFFFFFF, 5) + FrameList(3)), true).Frames.size(), 3u);
}

TEST(AniFileReader, TablesAndTextsLargerThanTheirRoomStopTheLoad)
{
    // Sizes near the top of the range are not taken for small ones.
    const std::string tables[] = { Rates(std::vector<std::uint32_t>(129, 1)), Chunk("seq ", std::string(516, '\0')),
        ChunkSized("rate", 0xFFFFFFFF, ""), ChunkSized("rate", 0x80000000, "") };
    for (std::size_t i = 0; i < std::size(tables); ++i)
        EXPECT_TRUE(read(Riff(Anih(2, 5) + tables[i] + FrameList(2))).Frames.empty()) << "table " << i;

    std::string longTitle = Chunk("LIST", "INFO" + Chunk("INAM", std::string(257, 'a')) + Chunk("IART", "b"));
    TAniContents t = read(Riff(longTitle + Anih(1, 3) + FrameList(1)));
    EXPECT_EQ(std::tuple(t.Frames.size(), t.Title), std::tuple(0u, ""));
    std::string hugeAuthor = Chunk("LIST", "INFO" + Chunk("INAM", "a") + ChunkSized("IART", 0xFFFFFFFF, ""));
    EXPECT_TRUE(read(Riff(hugeAuthor + Anih(1, 3) + FrameList(1))).Frames.empty());
}

TEST(AniFileReader, FrameImagesAreBoundedByTheirChunk)
{
    auto withSecond = [&](const std::string& second) {
        return read(Riff(Anih(3, 5) + Chunk("LIST", "fram" + FrameChunk(SolidImage(0)) + second + FrameChunk(SolidImage(2)))));
    };
    // An image placed after a gap is found at its offset.
    EXPECT_EQ(inks(withSecond(FrameChunk(SolidImage(1), 30))), (std::vector { Ink(0), Ink(1), Ink(2) }));
    // An offset before the directory's end is read as right after it.
    EXPECT_EQ(withSecond(FrameChunk(SolidImage(1), 0)).Frames.size(), 3u);

    const std::string bad[] = {
        // An image larger than a frame may be.
        FrameChunk(InfoHeader(32, 64, 4) + Palette16() + std::string(4096, '\0')),
        // An offset past the chunk's end.
        Chunk("icon", U16(0) + U16(1) + U16(1) + std::string(12, '\0') + U32(0x7FFFFFFF) + SolidImage(1)),
        // A chunk size near the top of the range.
        ChunkSized("icon", 0xFFFFFFFF, std::string(766, '\0')),
        // Bytes that are no picture.
        FrameChunk(std::string(744, '\x7F')),
    };
    for (std::size_t i = 0; i < std::size(bad); ++i)
        EXPECT_EQ(withSecond(bad[i]).Frames.size(), 1u) << "second frame " << i;
}
