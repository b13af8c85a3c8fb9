// A glyph strip that cannot be used leaves the buttons without pictures.

#include "widgets/GlyphStrip.h"

#include "platform/FileIO.h"
#include "tests/support/TempDir.h"

#include <QImage>
#include <gtest/gtest.h>

#include <tuple>

TEST(GlyphStrip, AMissingTruncatedOrMisshapenFileGivesEmptyCells)
{
    TempDir dir { "glyphs" };
    QImage good(16 * 3, 16, QImage::Format_RGB32);
    good.fill(Qt::red);
    good.setPixel(17, 0, qRgb(0, 0, 255));
    ASSERT_TRUE(good.save(QString::fromStdString(dir.File("good.bmp")), "BMP"));
    WriteFileBytes(dir.File("truncated.bmp"), ReadFileBytes(dir.File("good.bmp")).substr(0, 40));
    ASSERT_TRUE(good.scaled(48, 32).save(QString::fromStdString(dir.File("tall.bmp")), "BMP"));
    WriteFileBytes(dir.File("text.bmp"), "not a picture");

    for (auto [file, loads] : { std::pair("good.bmp", true), { "missing.bmp", false }, { "truncated.bmp", false },
                                { "tall.bmp", false }, { "text.bmp", false } }) {
        TGlyphStrip strip;
        // A cell past the strip is empty whatever the file.
        EXPECT_EQ((std::tuple { strip.Load(dir.File(file), 16, 3), strip.Cell(1).Empty(), strip.Cell(3).Empty() }),
                  std::tuple(loads, !loads, true)) << file;
    }
    // The good strip's cell 1 keeps its pixels, and the strip holds too few cells for four.
    TGlyphStrip strip;
    const std::string path = dir.File("good.bmp");
    EXPECT_EQ((std::tuple { strip.Load(path, 16, 3), strip.Cell(1).Pixel(1, 0), strip.Load(path, 16, 4) }),
              std::tuple(true, clBlue, false));
}
