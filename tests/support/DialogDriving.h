#pragma once
// Driving a dialog as the user does: keys typed into its controls and
// clicks of the mouse on them.

#include "platform/Control.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include <string>

// One key pressed and released on the widget, as the keyboard sends it.
inline void KeyOn(QWidget* widget, int qtKey, const QString& text = {})
{
    QKeyEvent override(QEvent::ShortcutOverride, qtKey, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &override);
    QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, qtKey, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

inline void KeyOn(TControl* control, int qtKey) { KeyOn(control->Widget(), qtKey); }

// Keys typed into the control, one character each.
inline void TypeInto(TControl* control, const std::string& text)
{
    for (QChar c : QString::fromUtf8(text.c_str()))
        KeyOn(control->Widget(), c.isLetter() ? c.toUpper().unicode() : c.unicode(), QString(c));
}

// A left click at a point of the widget (its middle by default).
inline void ClickAt(QWidget* widget, QPoint at, bool twice = false)
{
    QPointF local(at), global(widget->mapToGlobal(at));
    auto send = [&](QEvent::Type type, Qt::MouseButtons held) {
        QMouseEvent e(type, local, global, Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(widget, &e);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
    if (twice) {
        send(QEvent::MouseButtonDblClick, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, Qt::NoButton);
    }
}

inline void ClickOn(TControl* control) { ClickAt(control->Widget(), control->Widget()->rect().center()); }

