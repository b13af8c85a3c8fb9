#include "tests/Update/AniFileTestData.h"

using namespace anitest;

static TColor at(const TIconImage& image, int x, int y) { return image.Color[std::size_t(y * 32 + x)]; }
static bool masked(const TIconImage& image, int x, int y) { return image.Mask[std::size_t(y * 32 + x)]; }

// A 32 x 32 image of 16 colours: index 1 in the top row, 2 at the left
// column below it, 0 elsewhere (stored bottom row first: the top row is the
// last).
static std::string markedImage(const std::string& palette, const std::string& mask)
{
    std::string colour(512, '\0');
    for (int x = 0; x < 16; ++x)
        colour[31 * 16 + std::size_t(x)] = 0x11;
    for (int row = 0; row < 31; ++row)
        colour[std::size_t(row) * 16] = 0x20;
    return InfoHeader(32, 64, 4) + palette + colour + mask;
}

TEST(AniFileIconImage, RowsAreStoredFromTheBottomAndTheMaskMarksTheScreen)
{
    // The mask covers the bottom row.
    auto image = DecodeIconImage(markedImage(Palette16(), std::string(4, '\xFF') + std::string(124, '\0')));
    ASSERT_TRUE(image);
    EXPECT_EQ(std::tuple(at(*image, 5, 0), at(*image, 0, 10), at(*image, 1, 10)), std::tuple(Ink(1), Ink(2), Ink(0)));
    EXPECT_EQ(std::tuple(masked(*image, 5, 30), masked(*image, 5, 31)), std::tuple(false, true));
}

TEST(AniFileIconImage, OtherDepthsAndSizesComeOutAtThirtyTwo)
{
    // 16 x 16 in two colours: the left half white, stretched to 32 x 32.
    std::string palette = std::string { 0, 0, 0, 0 } + std::string { '\xFF', '\xFF', '\xFF', 0 };
    std::string rows;
    for (int y = 0; y < 16; ++y)
        rows += std::string { '\xFF', 0, 0, 0 };
    auto mono = DecodeIconImage(InfoHeader(16, 32, 1) + palette + rows + std::string(64, '\0'));
    ASSERT_TRUE(mono);
    EXPECT_EQ(std::tuple(at(*mono, 15, 20), at(*mono, 16, 20)), std::tuple(clWhite, clBlack));

    // 24 bits, 2 x 2: blue, green / red, white (top row second in store).
    std::string px = std::string { '\xFF', 0, 0, 0, '\xFF', 0, 0, 0 }              // bottom: blue, green
        + std::string { 0, 0, '\xFF', '\xFF', '\xFF', '\xFF', 0, 0 };             // top: red, white
    auto deep = DecodeIconImage(InfoHeader(2, 4, 24) + px + std::string(8, '\0'));
    ASSERT_TRUE(deep);
    EXPECT_EQ(std::tuple(at(*deep, 0, 0), at(*deep, 31, 0), at(*deep, 0, 31), at(*deep, 31, 31)),
        std::tuple(clRed, clWhite, clBlue, RGB(0, 255, 0)));
    // The same with a colour table of two entries before the pixels.
    auto tabled = DecodeIconImage(InfoHeader(2, 4, 24, 0, 2) + std::string(8, '\x11') + px + std::string(8, '\0'));
    ASSERT_TRUE(tabled);
    EXPECT_EQ(std::tuple(at(*tabled, 0, 0), at(*tabled, 31, 31)), std::tuple(clRed, RGB(0, 255, 0)));
    EXPECT_FALSE(DecodeIconImage(InfoHeader(2, 4, 24, 0, 257) + std::string(2000, '\0')));

    // A palette shorter than the depth: indexes past it are black.
    auto dark = DecodeIconImage(InfoHeader(32, 64, 4, 0, 2) + Palette16().substr(0, 8) + std::string(512, '\x55')
        + std::string(128, '\0'));
    ASSERT_TRUE(dark);
    EXPECT_EQ(at(*dark, 3, 3), clBlack);
}

TEST(AniFileIconImage, ImagesThatDoNotAddUpAreRefused)
{
    std::string good = SolidImage(3);
    ASSERT_TRUE(DecodeIconImage(good));
    // The mask cut short, the header cut short, nothing.
    for (const std::string& cut : { good.substr(0, good.size() - 1), good.substr(0, 39), std::string() })
        EXPECT_FALSE(DecodeIconImage(cut)) << cut.size();
    auto with = [&](std::size_t at, std::uint32_t v) {
        std::string b = good;
        b.replace(at, 4, U32(v));
        return DecodeIconImage(b).has_value();
    };
    // Header size, width, height (twice the icon's), compressed, more
    // colours than the depth.
    const std::pair<std::size_t, std::uint32_t> refused[] = { { 0, 39 }, { 0, 0xFFFFFFF0 }, { 4, 0 }, { 4, 0x80000000 },
        { 4, 257 }, { 8, 1 }, { 8, 0xFFFFFFC0 }, { 16, 2 }, { 32, 17 } };
    for (const auto& [offset, value] : refused)
        EXPECT_FALSE(with(offset, value)) << offset << ": " << value;
    EXPECT_TRUE(with(32, 16));
    std::string odd = good;
    odd.replace(14, 2, U16(3));
    EXPECT_FALSE(DecodeIconImage(odd));
}

TEST(AniFileIconImage, DrawingKeepsTheScreenUnderTheMaskAndInvertsItWhereColoured)
{
    // Top row masked over colour 1 (inverts), the rest masked over black
    // (screen shows) except the left column, which is not masked.
    std::string mask(128, '\xFF');
    for (int row = 0; row < 31; ++row)
        mask[std::size_t(row) * 4] = 0x7F;
    std::string palette = Palette16();
    palette.replace(0, 4, std::string(4, '\0'));
    TAniFile file;
    file.LoadFromStream(Riff(Anih(1, 5) + Chunk("LIST", "fram" + FrameChunk(markedImage(palette, mask)))));
    ASSERT_EQ(file.FrameCount(), 1);
    TBitmap b(40, 40);
    b.Canvas().Brush.Color = RGB(1, 2, 3);
    b.Canvas().FillRect({ 0, 0, 40, 40 });
    file.Draw(b.Canvas(), { 0, 0, 40, 40 });
    EXPECT_EQ(std::tuple(b.Pixel(5, 0), b.Pixel(0, 5), b.Pixel(5, 5), b.Pixel(33, 5)),
        std::tuple(RGB(1, 2, 3) ^ Ink(1), Ink(2), RGB(1, 2, 3), RGB(1, 2, 3)));
}
