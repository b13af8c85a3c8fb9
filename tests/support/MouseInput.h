#pragma once
// The mouse as a user moves it over a widget: entering, leaving, pressing,
// moving with the button held and releasing, at a point of the widget.

#include <QEvent>
#include <Qt>

class QWidget;

// Sends one mouse event of that type at (x, y) of the widget. A press and a
// move hold `button`; a release holds nothing; a move names no button.
void SendMouse(QWidget* widget, QEvent::Type type, int x, int y, Qt::MouseButton button = Qt::LeftButton);

// A double click of the left button at (x, y) of the widget, as the window
// system delivers it: press, release, double click, release, each to the
// innermost widget at that point (a list's item area, say), whose parents
// see what it leaves alone.
void DoubleClick(QWidget* widget, int x, int y);
