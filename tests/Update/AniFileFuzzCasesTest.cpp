// The inputs the fuzzer kept (fuzz/corpus: each reaches a path of the reader
// no other input reaches) played through the whole icon: load, step, draw.
// Under the sanitizer build any read outside the data fails here.

#include "tests/Update/AniFileTestData.h"

#include <filesystem>

TEST(AniFileFuzzCases, EveryKeptInputLoadsStepsAndDraws)
{
    int files = 0, withFrames = 0, readErrors = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(CORVANA_SOURCE_DIR) / "fuzz" / "corpus")) {
        std::string data = ReadFileBytes(entry.path().string());
        SCOPED_TRACE(entry.path().filename().string());
        ++files;
        TAniIcon icon(nullptr);
        try {
            icon.AniFile().ReadData(data);
        } catch (const EReadError&) {
            ++readErrors;
        }
        const TAniFile& file = icon.AniFile();
        EXPECT_EQ(file.Data(), data);
        EXPECT_LE(file.FrameCount(), TAniContents::MaxFrames);
        EXPECT_LE(file.Contents().Title.size(), std::size_t(TAniContents::MaxText));
        withFrames += file.FrameCount() > 0;
        TBitmap b(32, 32);
        for (int i = 0; i < 300; ++i) {
            icon.AniFile().Step();
            ASSERT_GE(icon.Frame(), 0);
            ASSERT_LT(icon.Frame(), std::max(1, file.FrameCount()));
        }
        icon.PaintTo(b.Canvas());
        icon.SetFrame(file.FrameCount() - 1);
        icon.PaintTo(b.Canvas());
    }
    EXPECT_GE(files, 100);
    EXPECT_GT(withFrames, 20);
    EXPECT_GT(readErrors, 20);
}
