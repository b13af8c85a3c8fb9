#include "platform/NonClient.h"

#include "platform/Graphics.h"

#include <QPainter>
#include <QRegion>
#include <QWidget>

void PaintNonClient(QWidget* window, const TRect& client, const std::function<void(TCanvas&)>& paint)
{
    const int width = window->width(), height = window->height();
    if (width <= 0 || height <= 0)
        return;
    QImage image(width, height, QImage::Format_RGB32);
    {
        TCanvas canvas(&image);
        paint(canvas);
    }
    QPainter p(window);
    p.setClipRegion(QRegion(0, 0, width, height) - QRegion(client.Left, client.Top, client.Width(), client.Height()));
    p.drawImage(0, 0, image);
}
