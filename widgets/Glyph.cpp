#include "widgets/Glyph.h"

#include "platform/TextCodec.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

QIcon TextGlyph(const std::string& text, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    QFont font = p.font();
    font.setPixelSize(text.size() <= 2 ? size * 3 / 4 : size / 2);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0, 0, 128));
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, BytesToQString(text));
    return QIcon(pixmap);
}
