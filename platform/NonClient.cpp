#include "platform/NonClient.h"

#include "platform/Graphics.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>

void PaintNonClient(QWidget* window, const TRect& client, const std::function<void(TCanvas&)>& paint)
{
    const int width = window->width(), height = window->height();
    if (width <= 0 || height <= 0)
        return;
    // The frame is painted band by band (top, left, right, bottom), each in
    // an image of its own size: a picture of the whole window would cost
    // megabytes at every paint of a large window.
    const int top = std::clamp(client.Top, 0, height), bottom = std::clamp(client.Bottom, top, height);
    const int left = std::clamp(client.Left, 0, width), right = std::clamp(client.Right, left, width);
    const TRect bands[] = {
        { 0, 0, width, top },
        { 0, top, left, bottom },
        { right, top, width, bottom },
        { 0, bottom, width, height },
    };
    QPainter p(window);
    for (const TRect& band : bands) {
        if (band.Width() <= 0 || band.Height() <= 0)
            continue;
        QImage image(band.Width(), band.Height(), QImage::Format_RGB32);
        {
            TCanvas canvas(&image, { band.Left, band.Top });
            paint(canvas);
        }
        p.drawImage(band.Left, band.Top, image);
    }
}
