#include "platform/Mouse.h"

#include "platform/Control.h"

#include <QApplication>
#include <QCursor>
#include <QWidget>

namespace {

std::function<TPoint()>& source()
{
    static std::function<TPoint()> s;
    return s;
}

}

TPoint GetCursorPos()
{
    if (source())
        return source()();
    QPoint p = QCursor::pos();
    return { p.x(), p.y() };
}

void SetCursorPosSource(std::function<TPoint()> s) { source() = std::move(s); }

TControl* FindDragTarget(TPoint screen, bool allowDisabled)
{
    QWidget* w = QApplication::widgetAt(QPoint(screen.X, screen.Y));
    TControl* c = TControl::FromWidget(w);
    if (allowDisabled)
        return c;
    // A disabled control hands the point to the control holding it.
    for (TControl* up = c; up; up = up->Parent())
        if (!up->Enabled())
            c = up->Parent();
    return c;
}
