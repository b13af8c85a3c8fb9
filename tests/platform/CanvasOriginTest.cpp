// A canvas over a part of a larger surface draws what the whole surface
// would show there: how a window's frame is painted band by band.

#include "platform/Graphics.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

// Lines, a patterned fill, pixels, a picture and text, in surface points.
void Scene(TCanvas& c)
{
    static TBitmap checker = [] {
        TBitmap b(2, 2);
        b.Canvas().SetPixel(0, 0, clBlack);
        b.Canvas().SetPixel(1, 1, clBlack);
        return b;
    }();
    c.Brush.Bitmap = &checker;
    c.FillRect({ 3, 3, 37, 12 });
    c.Brush.Bitmap = nullptr;
    c.Brush.Color = clNavy;
    c.FillRect({ 0, 14, 40, 26 });
    c.Pen.Color = clRed;
    c.MoveTo(0, 0);
    c.LineTo(39, 29);
    c.SetPixel(12, 20, clGreen);
    c.Draw(28, 16, checker);
    c.Brush.Style = bsClear;
    c.Font.Color = clWhite;
    TRect text { 2, 14, 40, 26 };
    c.DrawText("Abc", text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

}

TEST(CanvasOrigin, APartOfTheSurfaceShowsWhatTheWholeShowsThere)
{
    QImage whole(40, 30, QImage::Format_RGB32);
    whole.fill(Qt::gray);
    TCanvas all(&whole);
    Scene(all);
    for (const TRect& band : { TRect { 0, 0, 40, 13 }, TRect { 0, 13, 11, 27 }, TRect { 11, 15, 40, 27 }, TRect { 5, 27, 40, 30 } }) {
        QImage part(band.Width(), band.Height(), QImage::Format_RGB32);
        part.fill(Qt::gray);
        TCanvas canvas(&part, { band.Left, band.Top });
        Scene(canvas);
        EXPECT_EQ(part, whole.copy(band.Left, band.Top, band.Width(), band.Height())) << band.Left << "," << band.Top;
    }
}
