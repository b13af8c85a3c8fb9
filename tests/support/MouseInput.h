#pragma once
// The mouse as a user moves it over a widget: entering, leaving, pressing,
// moving with the button held and releasing, at a point of the widget.

#include <QEvent>
#include <Qt>

class QWidget;

// The real pointer and keyboard of an X desktop (XTest events, as xdotool
// sends them), at screen points. A drag and a bare move go in steps, as a
// hand moves, so that whoever follows the pointer sees its way.
class XDesktop;
void XClick(XDesktop&, int x, int y, int count = 1, int button = 1);
void XDrag(XDesktop&, int fromX, int fromY, int toX, int toY);
void XMoveBy(XDesktop&, int dx, int dy);
void XKey(XDesktop&, const char* key);

// Sends one mouse event of that type at (x, y) of the widget. A press and a
// move hold `button`; a release holds nothing; a move names no button.
void SendMouse(QWidget* widget, QEvent::Type type, int x, int y, Qt::MouseButton button = Qt::LeftButton);
