#pragma once
// The mouse as a user moves it over a widget: entering, leaving, pressing,
// moving with the button held and releasing, at a point of the widget.

#include <QEvent>
#include <QPoint>
#include <Qt>

#include <initializer_list>

class QWidget;

// A drag with the left button through the window system: pressed at `from`
// of the widget, moved through the screen points of `path`, released at the
// last one. As on a desktop, each event goes to the widget holding the
// mouse: the one that took the capture, else the one pressed.
void DragMouse(QWidget* widget, QPoint from, std::initializer_list<QPoint> path);

// A click of the right button at (x, y) of the widget, with the request for
// its context menu that the window system sends with it.
void RightClick(QWidget* widget, int x, int y);

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

// A double click of the left button at (x, y) of the widget, as the window
// system delivers it: press, release, double click, release, each to the
// innermost widget at that point (a list's item area, say), whose parents
// see what it leaves alone.
void DoubleClick(QWidget* widget, int x, int y);
