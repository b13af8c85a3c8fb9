// Caption bar and docking benchmark: painting the title bar of a 1920-pixel
// window in 64 bands (aim: under 2 ms), and one drag step of a 20-button
// toolbar over four docks (aim: under 4 ms). Each figure is the mean and the
// worst of many runs; a wrong picture or a wrong target fails the run.

#include "platform/Form.h"
#include "widgets/TB97Layout.h"
#include "widgets/marsCap.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); }

struct Figures {
    double mean = 0, worst = 0;
};

template<class Step>
Figures measure(int runs, Step step)
{
    Figures f;
    for (int i = 0; i < runs; ++i) {
        auto start = Clock::now();
        step(i);
        double ms = msSince(start);
        f.mean += ms;
        f.worst = std::max(f.worst, ms);
    }
    f.mean /= runs;
    return f;
}

}

int main(int argc, char** argv)
{
    if (!getenv("DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    bool ok = true;

    // --- The caption bar ---------------------------------------------------
    TForm form(nullptr);
    form.SetCaption("Corvana - a page with a title long enough to need the ellipsis at the end of the bar");
    form.SetBounds(0, 0, 1920, 1080);
    auto* caption = new TMarsCaption(&form);
    caption->SetActiveBeginColor(clBlack);
    caption->SetActiveEndColor(0xA00000);
    caption->SetActiveFontColor(clWhite);
    caption->SetNumColors(64);
    const TCaptionLayout layout = caption->Layout();
    TBitmap strip(1920, TForm::kFrame + TForm::kCaption);
    caption->PaintCaption(strip.Canvas(), true);  // fonts load once
    Figures paint = measure(2000, [&](int) { caption->PaintCaption(strip.Canvas(), true); });
    const int y = layout.Caption.Top + 1;
    if (strip.Pixel(layout.Caption.Left, y) != clBlack || strip.Pixel(layout.Caption.Right - 1, y) != 0xA00000) {
        std::fprintf(stderr, "caption: wrong gradient\n");
        ok = false;
    }

    // --- One drag step of a 20-button bar ------------------------------------
    std::vector<TBarItem> items;
    for (int i = 0; i < 20; ++i) {
        if (i && i % 5 == 0) {
            TBarItem sep;
            sep.Separator = true;
            items.push_back(sep);
        }
        TBarItem b;
        b.Width = 23, b.Height = 22;
        items.push_back(b);
    }
    const TRect work { 0, 0, 1920, 1080 };
    int floatingSteps = 0, dockedSteps = 0;
    Figures drag = measure(20000, [&](int i) {
        // The bar's sizes at each dock and floating, as the step sees them.
        TBarLayout horizontal = LayoutBarItems(items, TDockType::Horizontal, true, 0);
        TBarLayout vertical = LayoutBarItems(items, TDockType::Vertical, true, 0);
        TBarLayout floating = LayoutBarItems(items, TDockType::Floating, true, 0);
        std::vector<TDockTarget> docks {
            { { 0, 50, 1920, 76 }, dpTop, true, horizontal.ClientWidth, horizontal.ClientHeight },
            { { 0, 1050, 1920, 1051 }, dpBottom, true, horizontal.ClientWidth, horizontal.ClientHeight },
            { { 0, 76, 1, 1050 }, dpLeft, true, vertical.ClientWidth, vertical.ClientHeight },
            { { 1919, 76, 1920, 1050 }, dpRight, true, vertical.ClientWidth, vertical.ClientHeight },
        };
        TMoveDrag d { { 5, 5 }, horizontal.ClientWidth, horizontal.ClientHeight, floating.ClientWidth + 8,
            floating.ClientHeight + 25, work, 8, true };
        TPoint cursor { 100 + i % 1700, 60 + (i * 7) % 1000 };
        TMoveStep s = TrackMoveStep(docks, d, cursor, false);
        if (cursor.Y >= 60 && cursor.Y < 76 && s.Target != 0)
            ok = false;
        (s.Target < 0 ? floatingSteps : dockedSteps)++;
    });
    if (!floatingSteps || !dockedSteps) {
        std::fprintf(stderr, "drag: never docked or never floated\n");
        ok = false;
    }

    std::printf("caption bar, 1920 pixels, 64 bands: mean %.3f ms, worst %.3f ms (aim < 2 ms)\n", paint.mean, paint.worst);
    std::printf("drag step, 20-button bar, 4 docks: mean %.4f ms, worst %.4f ms (aim < 4 ms)\n", drag.mean, drag.worst);
    if (!ok)
        std::fprintf(stderr, "FAILED: wrong result\n");
    return ok && paint.mean < 2 && drag.mean < 4 ? 0 : 1;
}
