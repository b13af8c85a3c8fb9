#include "platform/Graphics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

constexpr TColor kBack = RGB(10, 20, 30);
constexpr TColor kInk = RGB(200, 0, 100);

static TBitmap canvasOf(int w, int h, TColor back = kBack)
{
    TBitmap b(w, h);
    b.Canvas().Brush.Color = back;
    b.Canvas().FillRect({ 0, 0, w, h });
    b.Canvas().Pen.Color = kInk;
    b.Canvas().Font.Color = kInk;
    return b;
}

// The bitmap (or a part of it) as text, a letter per pixel: the background '.', the ink '#', White, blacK, Red, Blue,
// Green, '?' for others.
static std::string picture(const TBitmap& b, std::optional<TRect> part = {})
{
    const TRect r = part.value_or(TRect { 0, 0, b.Width(), b.Height() });
    const std::pair<TColor, char> legend[] = { { kBack, '.' }, { kInk, '#' }, { clWhite, 'W' }, { clBlack, 'K' }, { clRed, 'R' },
        { clBlue, 'B' }, { RGB(0, 255, 0), 'G' } };
    std::string out;
    for (int y = r.Top; y < r.Bottom; ++y, out += '\n')
        for (int x = r.Left; x < r.Right; ++x) {
            char letter = '?';
            for (const auto& [colour, mark] : legend)
                letter = b.Pixel(x, y) == colour ? mark : letter;
            out += letter;
        }
    return out;
}

// How many pixels of the part bear the mark.
static long countOf(const TBitmap& b, char mark, TRect r) { return std::ranges::count(picture(b, r), mark); }

// Two by two: the colour at the top left and the bottom right, white elsewhere.
static TBitmap checker(TColor colour)
{
    TBitmap b(2, 2);
    b.Canvas().SetPixel(0, 0, colour);
    b.Canvas().SetPixel(1, 1, colour);
    return b;
}

// Lines, a patterned fill, pixels, a picture and text, drawn in surface points on a grey image of the area.
static QImage sceneIn(TRect area)
{
    static TBitmap board = checker(clBlack);
    QImage image(area.Width(), area.Height(), QImage::Format_RGB32);
    image.fill(Qt::gray);
    TCanvas c(&image, { area.Left, area.Top });
    c.Brush.Bitmap = &board;
    c.FillRect({ 3, 3, 37, 12 });
    c.Brush.Bitmap = nullptr;
    c.Brush.Color = clNavy;
    c.FillRect({ 0, 14, 40, 26 });
    c.Pen.Color = clRed;
    c.MoveTo(0, 0);
    c.LineTo(39, 29);
    c.SetPixel(12, 20, clGreen);
    c.Draw(28, 16, board);
    c.Brush.Style = bsClear;
    c.Font.Color = clWhite;
    TRect text { 2, 14, 40, 26 };
    c.DrawText("Abc", text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    return image;
}

TEST(Graphics, ColoursCrossToQtAsBgr)
{
    EXPECT_EQ((std::tuple { ToQRgb(RGB(1, 2, 3)), FromQRgb(qRgb(1, 2, 3)), RGB(0x12, 0x34, 0x56) }),
        std::tuple(qRgb(1, 2, 3), RGB(1, 2, 3), 0x563412u));
    SetSysColor(COLOR_BTNFACE, RGB(1, 2, 3));
    EXPECT_EQ((std::tuple { ColorToRGB(clBtnFace), ToQRgb(clBtnFace) }), std::tuple(RGB(1, 2, 3), qRgb(1, 2, 3)));
    ResetSysColors();
    EXPECT_EQ((std::tuple { ColorToRGB(clBtnFace), ColorToRGB(clWindowText), GetSysColor(99) }),
        std::tuple(clSilver, clBlack, clBlack));
}

TEST(Graphics, LinesLeaveOutTheirEndPoint)
{
    TBitmap b = canvasOf(10, 10);
    TCanvas& c = b.Canvas();
    c.MoveTo(1, 1);
    c.LineTo(5, 1);
    EXPECT_EQ((std::tuple { countOf(b, '#', { 0, 0, 10, 10 }), picture(b, TRect { 0, 1, 10, 2 }), c.PenPos.X }),
        std::tuple(4, ".####.....\n", 5));
    // Continuing from there draws the corner once.
    c.LineTo(5, 4);
    EXPECT_EQ(picture(b, TRect { 0, 1, 10, 5 }), ".#####....\n.....#....\n.....#....\n..........\n");
    // A diagonal, backwards.
    c.MoveTo(8, 8);
    c.LineTo(6, 6);
    EXPECT_EQ(picture(b, TRect { 5, 5, 10, 10 }), ".....\n.....\n..#..\n...#.\n.....\n");
    // Off the canvas nothing breaks.
    c.MoveTo(-50, 3);
    c.LineTo(50, 3);
    EXPECT_EQ(countOf(b, '#', { 0, 3, 10, 4 }), 10);
}

TEST(Graphics, RectangleRightAndBottomAreOutside)
{
    TBitmap b = canvasOf(8, 8);
    TCanvas& c = b.Canvas();
    c.Brush.Color = clWhite;
    c.Rectangle(1, 1, 5, 4);
    EXPECT_EQ(picture(b), "........\n.####...\n.#WW#...\n.####...\n........\n........\n........\n........\n");
    // A clear brush leaves the inside alone.
    c.Brush.Style = bsClear;
    c.Brush.Color = clRed;
    c.Rectangle(0, 0, 8, 8);
    EXPECT_EQ(b.Pixel(2, 2), clWhite);
    c.Brush.Style = bsSolid;
    c.FillRect({ 6, 6, 100, 100 });
    EXPECT_EQ(picture(b), "########\n#####..#\n##WW#..#\n#####..#\n#......#\n#......#\n#.....RR\n######RR\n");
}

TEST(Graphics, Frame3DTopLeftAndBottomRight)
{
    TBitmap b = canvasOf(6, 5);
    TRect r { 0, 0, 6, 5 };
    Frame3D(b.Canvas(), r, clWhite, clBlack, 1);
    EXPECT_EQ((std::tuple { r.Left, r.Top, r.Right, r.Bottom }), std::tuple(1, 1, 5, 4));
    // The top-right corner is the dark one's.
    EXPECT_EQ(picture(b), "WWWWWK\nW....K\nW....K\nW....K\nKKKKKK\n");
}

TEST(Graphics, PatternBrushTilesFromTheOrigin)
{
    TBitmap pattern = checker(clRed);
    TBitmap b = canvasOf(6, 6);
    b.Canvas().Brush.Bitmap = &pattern;
    b.Canvas().FillRect({ 1, 1, 6, 6 });
    EXPECT_EQ(picture(b), "......\n.RWRWR\n.WRWRW\n.RWRWR\n.WRWRW\n.RWRWR\n");
}

TEST(Graphics, TransparentDrawingAndShapes)
{
    TBitmap image = canvasOf(3, 3, RGB(0, 255, 0));
    image.Canvas().SetPixel(1, 1, clRed);
    image.Canvas().SetPixel(2, 2, clBlue);
    TBitmap b = canvasOf(5, 5);
    b.Canvas().DrawTransparent(1, 1, image, image.TopLeftColor());
    EXPECT_EQ(picture(b), ".....\n.....\n..R..\n...B.\n.....\n");
    b.Canvas().DrawShape(0, 0, image, image.TopLeftColor(), clWhite);
    EXPECT_EQ(picture(b), ".....\n.W...\n..W..\n...B.\n.....\n");
    b.Canvas().Draw(3, 3, image);  // clipped at the edge
    EXPECT_EQ(picture(b), ".....\n.W...\n..W..\n...GG\n...GR\n");
}

TEST(Graphics, BitmapsCopyByValue)
{
    TBitmap a(2, 2);
    EXPECT_EQ(a.Pixel(0, 0), clWhite);
    TBitmap b = a;
    b.Canvas().SetPixel(0, 0, clRed);
    EXPECT_EQ((std::tuple { a.Pixel(0, 0), b.Pixel(0, 0) }), std::tuple(clWhite, clRed));
    a = b;
    b.Canvas().SetPixel(0, 0, clBlue);
    EXPECT_EQ(a.Pixel(0, 0), clRed);
    TBitmap empty;
    EXPECT_EQ((std::tuple { empty.Empty(), empty.Pixel(0, 0) }), std::tuple(true, clNone));
    empty.Canvas().FillRect({ 0, 0, 5, 5 });
    TRect r { 0, 0, 5, 5 };
    empty.Canvas().DrawText("x", r, DT_LEFT);
    a.SetSize(0, 3);
    EXPECT_TRUE(a.Empty());
}

TEST(Graphics, TextIsDrawnInTheFontColourInsideItsRectangle)
{
    TBitmap b = canvasOf(120, 60);
    TCanvas& c = b.Canvas();
    TRect measure { 0, 0, 1000, 0 };
    int h = c.DrawText("&Hello", measure, DT_CALCRECT);
    EXPECT_EQ((std::tuple { h > 5, measure.Width() > 10, measure.Width() }), std::tuple(true, true, c.TextWidth("Hello"))) << h;

    TRect r { 10, 10, 10 + measure.Width(), 10 + h };
    c.DrawText("&Hello", r, DT_LEFT);
    int inside = countOf(b, '#', r);
    EXPECT_GT(inside, 10);
    // Plain pixels only, nothing outside the rectangle.
    EXPECT_EQ((std::tuple { countOf(b, '#', { 0, 0, 120, 60 }), countOf(b, '.', { 0, 0, 120, 60 }) + inside }),
        std::tuple(inside, 120 * 60));
}

TEST(Graphics, NarrowTextIsCutWithAnEllipsisOrWrapped)
{
    TBitmap b = canvasOf(200, 100);
    TCanvas& c = b.Canvas();
    const std::string text = "A rather long caption";
    TRect narrow { 0, 0, 40, 0 };
    int oneLine = c.DrawText(text, narrow, DT_CALCRECT | DT_END_ELLIPSIS);
    TRect wrapped { 0, 0, 40, 0 };
    int lines = c.DrawText(text, wrapped, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_GT(lines, oneLine);
    TRect r { 5, 5, 45, 5 + oneLine };
    c.DrawText(text, r, DT_LEFT | DT_END_ELLIPSIS);
    // Drawn, and nothing outside the rectangle.
    EXPECT_EQ((std::tuple { countOf(b, '#', r) > 0, countOf(b, '#', { 0, 0, 200, 100 }) }), std::tuple(true, countOf(b, '#', r)));
}

// A canvas over a part of a larger surface draws what the whole surface would show there: how a window's frame is
// painted band by band.
TEST(CanvasOrigin, APartOfTheSurfaceShowsWhatTheWholeShowsThere)
{
    const QImage whole = sceneIn({ 0, 0, 40, 30 });
    for (TRect band : { TRect { 0, 0, 40, 13 }, TRect { 0, 13, 11, 27 }, TRect { 11, 15, 40, 27 }, TRect { 5, 27, 40, 30 } })
        EXPECT_EQ(sceneIn(band), whole.copy(band.Left, band.Top, band.Width(), band.Height())) << band.Left << "," << band.Top;
}
