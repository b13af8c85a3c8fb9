#include "Update/AniFileReader.h"
#include "Update/BusyCursor.h"
#include "Update/anifile.h"
#include "platform/Exception.h"
#include "tests/Update/AniFileTestData.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using namespace anitest;

namespace {

TAniContents read(const std::string& data)
{
    TAniContents c;
    ReadAniFile(data, c);
    return c;
}

// The colour a frame was filled with.
TColor inkOf(const TIconImage& image) { return image.Color[0]; }

}

TEST(AniFileReader, TheBusyCursorHasSixteenFramesAtTheDefaultRate)
{
    TAniContents c = read(std::string(BusyCursorData()));
    EXPECT_EQ(c.Frames.size(), 16u);
    EXPECT_EQ(c.Header.Frames, 16u);
    EXPECT_EQ(c.Title, "Corvana busy");
    EXPECT_EQ(c.Author, "Corvana");
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(c.Rates[std::size_t(i)], c.Header.DefaultRate);
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
    EXPECT_EQ(fromFile.Data(), fromMemory.Data());
    EXPECT_EQ(fromFile.SaveToStream(), std::string(BusyCursorData()));
    EXPECT_EQ(fromFile.FrameCount(), 16);
    EXPECT_THROW(fromFile.LoadFromFile(dir.File("missing.ani")), EFOpenError);
}

TEST(AniFileReader, RatesComeFromTheRateChunkOrTheDefault)
{
    TAniContents plain = read(Plain(3, 7));
    ASSERT_EQ(plain.Frames.size(), 3u);
    EXPECT_EQ(plain.Rates[0], 7u);
    EXPECT_EQ(plain.Rates[127], 7u);

    TAniContents rated = read(Riff(Anih(3, 7) + Rates({ 1, 2 }) + FrameList(3)));
    ASSERT_EQ(rated.Frames.size(), 3u);
    EXPECT_EQ(rated.Rates[0], 1u);
    EXPECT_EQ(rated.Rates[1], 2u);
    EXPECT_EQ(rated.Rates[2], 7u);

    // A sequence is read and kept; a full table of 128 entries fits.
    std::vector<std::uint32_t> full(128, 9);
    std::string seq = Chunk("seq ", U32(2) + U32(1) + U32(0));
    TAniContents both = read(Riff(Anih(3, 7) + Rates(full) + seq + FrameList(3)));
    EXPECT_EQ(both.Frames.size(), 3u);
    EXPECT_EQ(both.Rates[127], 9u);
    EXPECT_EQ(both.Sequence[0], 2u);
    EXPECT_EQ(both.Sequence[2], 0u);
}

TEST(AniFileReader, ChunkNamesMatchWithoutBlanksAndControlCharacters)
{
    std::string seq = std::string("\0seq", 4);
    TAniContents c = read(Riff(Anih(2, 5) + Chunk(seq, U32(1)) + FrameList(2)));
    EXPECT_EQ(c.Frames.size(), 2u);
    EXPECT_EQ(c.Sequence[0], 1u);
    // Case counts.
    EXPECT_TRUE(read(Riff(Anih(2, 5) + Chunk("list", "fram" + FrameChunk(SolidImage(0))))).Frames.empty());
}

TEST(AniFileReader, AnInformationListLoadsLikeAFileWithoutIt)
{
    std::string info = Chunk("LIST", "INFO" + Chunk("INAM", "Spinner") + Chunk("IART", "Someone"));
    TAniContents with = read(Riff(info + Anih(4, 3) + FrameList(4)));
    TAniContents without = read(Plain(4, 3));
    EXPECT_EQ(with.Title, "Spinner");
    EXPECT_EQ(with.Author, "Someone");
    ASSERT_EQ(with.Frames.size(), without.Frames.size());
    for (std::size_t i = 0; i < with.Frames.size(); ++i)
        EXPECT_EQ(inkOf(with.Frames[i]), inkOf(without.Frames[i]));
    EXPECT_EQ(with.Header.DefaultRate, 3u);

    // Titles of odd length take their padding byte; a title of exactly 256
    // bytes fits.
    std::string longInfo = Chunk("LIST", "INFO" + Chunk("INAM", std::string(255, 'a')) + Chunk("IART", "b"));
    TAniContents padded = read(Riff(longInfo + Anih(1, 3) + FrameList(1)));
    EXPECT_EQ(padded.Title, std::string(255, 'a'));
    EXPECT_EQ(padded.Frames.size(), 1u);
}

TEST(AniFileReader, AnythingButRateSeqOrListAfterTheHeaderLeavesNoFrames)
{
    TAniContents c = read(Riff(Anih(2, 5) + Chunk("junk", "1234") + FrameList(2)));
    EXPECT_TRUE(c.Frames.empty());
    EXPECT_EQ(c.Header.Frames, 2u);
    EXPECT_TRUE(read("").Frames.empty());
}

TEST(AniFileReader, AShortFrameChunkEndsTheFrameList)
{
    std::string frames = "fram" + FrameChunk(SolidImage(0)) + FrameChunk(SolidImage(1)) + ChunkSized("icon", 765, std::string(765, '\0'))
        + FrameChunk(SolidImage(3));
    TAniContents c = read(Riff(Anih(4, 5) + Chunk("LIST", frames)));
    ASSERT_EQ(c.Frames.size(), 2u);
    EXPECT_EQ(inkOf(c.Frames[1]), Ink(1));
}

TEST(AniFileReader, OnlyTheFirstSixtyFourFramesAreBuilt)
{
    TAniContents c = read(Plain(70));
    EXPECT_EQ(c.Frames.size(), 64u);
    EXPECT_EQ(c.Header.Frames, 64u);
}

TEST(AniFileReader, ATruncatedFileRaisesTheReadErrorAndKeepsTheFramesBeforeIt)
{
    std::string whole = Plain(3);
    std::string cut = whole.substr(0, whole.size() - 100);
    TAniContents c;
    EXPECT_THROW(ReadAniFile(cut, c), EReadError);
    EXPECT_EQ(c.Frames.size(), 2u);
    // Cut inside the header: nothing read, the same error.
    for (std::size_t n : { std::size_t(1), std::size_t(11), std::size_t(20), std::size_t(40) }) {
        TAniContents h;
        EXPECT_THROW(ReadAniFile(whole.substr(0, n), h), EReadError) << n;
        EXPECT_TRUE(h.Frames.empty());
    }
    // A header that promises more frames than the file holds.
    TAniContents more;
    EXPECT_THROW(ReadAniFile(Riff(Anih(0xFFFFFFFF, 5) + FrameList(3)), more), EReadError);
    EXPECT_EQ(more.Frames.size(), 3u);
}

TEST(AniFileReader, TablesAndTextsLargerThanTheirRoomStopTheLoad)
{
    std::vector<std::uint32_t> tooMany(129, 1);
    EXPECT_TRUE(read(Riff(Anih(2, 5) + Rates(tooMany) + FrameList(2))).Frames.empty());
    EXPECT_TRUE(read(Riff(Anih(2, 5) + Chunk("seq ", std::string(516, '\0')) + FrameList(2))).Frames.empty());
    // Sizes near the top of the range are not taken for small ones.
    EXPECT_TRUE(read(Riff(Anih(2, 5) + ChunkSized("rate", 0xFFFFFFFF, "") + FrameList(2))).Frames.empty());
    EXPECT_TRUE(read(Riff(Anih(2, 5) + ChunkSized("rate", 0x80000000, "") + FrameList(2))).Frames.empty());

    std::string longTitle = Chunk("LIST", "INFO" + Chunk("INAM", std::string(257, 'a')) + Chunk("IART", "b"));
    TAniContents t = read(Riff(longTitle + Anih(1, 3) + FrameList(1)));
    EXPECT_TRUE(t.Frames.empty());
    EXPECT_TRUE(t.Title.empty());
    std::string hugeAuthor = Chunk("LIST", "INFO" + Chunk("INAM", "a") + ChunkSized("IART", 0xFFFFFFFF, ""));
    EXPECT_TRUE(read(Riff(hugeAuthor + Anih(1, 3) + FrameList(1))).Frames.empty());
}

TEST(AniFileReader, FrameImagesAreBoundedByTheirChunk)
{
    auto withSecond = [&](const std::string& second) {
        std::string body = Anih(3, 5) + Chunk("LIST", "fram" + FrameChunk(SolidImage(0)) + second + FrameChunk(SolidImage(2)));
        return read(Riff(body));
    };
    // An image placed after a gap is found at its offset.
    TAniContents gap = withSecond(FrameChunk(SolidImage(1), 30));
    ASSERT_EQ(gap.Frames.size(), 3u);
    EXPECT_EQ(inkOf(gap.Frames[1]), Ink(1));
    // An offset before the directory's end is read as right after it.
    EXPECT_EQ(withSecond(FrameChunk(SolidImage(1), 0)).Frames.size(), 3u);

    // An image larger than a frame may be.
    std::string big = InfoHeader(32, 64, 4) + Palette16() + std::string(4096, '\0');
    EXPECT_EQ(withSecond(FrameChunk(big)).Frames.size(), 1u);
    // An offset past the chunk's end.
    std::string far = U16(0) + U16(1) + U16(1) + std::string(12, '\0') + U32(0x7FFFFFFF) + SolidImage(1);
    EXPECT_EQ(withSecond(Chunk("icon", far)).Frames.size(), 1u);
    // A chunk size near the top of the range.
    EXPECT_EQ(withSecond(ChunkSized("icon", 0xFFFFFFFF, std::string(766, '\0'))).Frames.size(), 1u);
    // Bytes that are no picture.
    EXPECT_EQ(withSecond(FrameChunk(std::string(744, '\x7F'))).Frames.size(), 1u);
}
