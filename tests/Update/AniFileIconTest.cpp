#include "tests/Update/AniFileTestData.h"

#include <QElapsedTimer>

#include <memory>

using namespace anitest;

// The colour a drawing shows at (10, 10).
static TColor shownColour(const TAniIcon& icon)
{
    TBitmap b(32, 32);
    icon.PaintTo(b.Canvas());
    return b.Pixel(10, 10);
}

TEST(AniFileIcon, StepsThroughTheFramesAtTheirRates)
{
    TAniFile file;
    // Rate 0 and 1: every step; rate 4: three steps (ticks of 2 past 4).
    file.LoadFromStream(Riff(Anih(3, 0) + Rates({ 1, 4, 0 }) + FrameList(3)));
    int changes = 0;
    file.OnFrameChange = [&](TObject*) { ++changes; };
    std::vector<int> seen;
    for (int i = 0; i < 7; ++i) {
        file.Step();
        seen.push_back(file.CurrentFrame());
    }
    EXPECT_EQ(std::tuple(seen, changes), std::tuple(std::vector<int> { 1, 1, 1, 2, 0, 1, 1 }, 4));
}

TEST(AniFileIcon, TheBusyCursorPlaysItsSixteenFramesAndStartsAgain)
{
    TAniFile file;
    file.ReadData(BusyCursorData());
    int stepsPerFrame = int(file.Header().DefaultRate / 2 + 1);
    std::vector<int> order;
    file.OnFrameChange = [&](TObject*) { order.push_back(file.CurrentFrame()); };
    for (int i = 0; i < 17 * stepsPerFrame; ++i)
        file.Step();
    EXPECT_EQ(order, (std::vector<int> { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0, 1 }));
}

TEST(AniFileIcon, SettingTheFrameFallsBackToTheFirst)
{
    TAniIcon icon(nullptr);
    EXPECT_EQ(std::tuple(icon.Width(), icon.Height(), icon.Animated()), std::tuple(32, 32, false));
    icon.AniFile().ReadData(Plain(3));
    icon.SetFrame(2);
    EXPECT_EQ(std::tuple(icon.Frame(), shownColour(icon)), std::tuple(2, Ink(2)));
    for (int bad : { 100, 64, 3, -1 }) {
        icon.SetFrame(2);
        icon.SetFrame(bad);
        EXPECT_EQ(std::tuple(icon.Frame(), shownColour(icon)), std::tuple(0, Ink(0))) << bad;
    }
}

TEST(AniFileIcon, ANewFileStartsAtItsFirstFrameAndAnEmptyOneDrawsNothing)
{
    TAniIcon icon(nullptr);
    icon.SetColor(RGB(7, 7, 7));
    icon.AniFile().ReadData(Plain(3));
    icon.SetFrame(2);
    int changes = 0;
    icon.AniFile().OnFrameChange = [&](TObject*) { ++changes; };
    icon.AniFile().ReadData(Plain(2));
    EXPECT_EQ(std::tuple(changes, icon.Frame()), std::tuple(1, 0));

    // Loading without the event; a file without frames.
    icon.AniFile().LoadFromStream(Riff(Anih(2, 5) + Chunk("junk", "") + FrameList(2)));
    EXPECT_EQ(std::tuple(changes, icon.AniFile().FrameCount(), shownColour(icon)), std::tuple(1, 0, RGB(7, 7, 7)));
    icon.AniFile().Step();
    EXPECT_EQ(icon.Frame(), 0);

    // A read that fails still shows what it built.
    std::string cut = Plain(3);
    cut.resize(cut.size() - 10);
    EXPECT_THROW(icon.AniFile().ReadData(cut), EReadError);
    EXPECT_EQ(std::tuple(changes, icon.AniFile().FrameCount(), icon.AniFile().Data()), std::tuple(2, 2, cut));
}

TEST(AniFileIcon, AssigningAFileCopiesItsFramesButKeepsTheIconsBinding)
{
    TAniFile source;
    source.LoadFromStream(Plain(4));
    source.SetCurrentFrame(3);
    TAniIcon icon(nullptr);
    icon.SetAniFile(source);
    EXPECT_EQ(std::tuple(icon.AniFile().FrameCount(), icon.AniFile().Data(), icon.Frame()), std::tuple(4, source.Data(), 0));
    EXPECT_EQ(std::tuple(bool(icon.AniFile().OnFrameChange), source.CurrentFrame()), std::tuple(true, 3));

    icon.SetFrame(1);
    icon.SetAniFile(TAniFile());
    EXPECT_EQ(std::tuple(icon.AniFile().FrameCount(), icon.AniFile().Data(), icon.Frame()), std::tuple(0, "", 0));
}

TEST(AniFileIcon, AnimatedRunsOneFrameTimerAndStoppingKeepsTheFrame)
{
    TAniIcon icon(nullptr);
    icon.AniFile().ReadData(Plain(3, 0));
    icon.SetAnimated(true);
    EXPECT_TRUE(icon.TimerRunning());
    icon.SetAnimated(true);
    EXPECT_TRUE(icon.Animated());

    // Rate 0 moves a frame every 20 ms step; a second timer would move two.
    int changes = 0;
    icon.AniFile().OnFrameChange = [&](TObject*) { ++changes; };
    QElapsedTimer t;
    t.start();
    RunUntil([&] { return changes >= 6; }, 5000);
    EXPECT_GE(changes, 6);
    EXPECT_LE(changes, t.elapsed() / TAniIcon::FrameInterval + 1);

    icon.SetAnimated(false);
    EXPECT_FALSE(icon.TimerRunning());
    auto stopped = std::tuple(changes, icon.Frame());
    RunFor(60);
    EXPECT_EQ(std::tuple(changes, icon.Frame()), stopped);
}

TEST(AniFileIcon, AnIconFreedWhileAnimatingStopsItsTimer)
{
    auto icon = std::make_unique<TAniIcon>(nullptr);
    icon->AniFile().ReadData(BusyCursorData());
    icon->SetAnimated(true);
    icon.reset();
    RunFor(50);
    SUCCEED();
}
