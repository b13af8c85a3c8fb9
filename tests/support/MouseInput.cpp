#include "tests/support/MouseInput.h"

#include "tests/support/XDesktop.h"

#include "platform/ComboBox.h"
#include "platform/Control.h"
#include "platform/StdCtrls.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <QToolButton>
#include <QWidget>
#include <QWindow>

#include <string>

// --- Keys --------------------------------------------------------------------

void KeyOn(QWidget* widget, int qtKey, Qt::KeyboardModifiers modifiers, const QString& text)
{
    for (QEvent::Type type : { QEvent::ShortcutOverride, QEvent::KeyPress, QEvent::KeyRelease }) {
        QKeyEvent e(type, qtKey, modifiers, text);
        QApplication::sendEvent(widget, &e);
    }
}

void KeyOn(TControl* control, int qtKey, Qt::KeyboardModifiers modifiers) { KeyOn(control->Widget(), qtKey, modifiers); }

namespace {

QWidget* focusOf(QWidget* window) { return window->focusWidget() ? window->focusWidget() : window; }

}

void KeyAtFocus(QWidget* window, int qtKey, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(focusOf(window), Qt::Key(qtKey), modifiers);
}

void TypeAtFocus(QWidget* window, const QString& text) { QTest::keyClicks(focusOf(window), text); }

void TypeInto(TControl* control, const std::string& text)
{
    for (QChar c : QString::fromUtf8(text.c_str()))
        KeyOn(control->Widget(), c.isLetter() ? c.toUpper().unicode() : c.unicode(), Qt::NoModifier, QString(c));
}

void Retype(TEdit* edit, const std::string& text)
{
    edit->SelectAll();
    QTest::keyClicks(edit->Widget(), QString::fromStdString(text));
}

void Retype(TComboBox* box, const std::string& text)
{
    box->SetText("");
    QTest::keyClicks(box->Widget(), QString::fromStdString(text));
}

namespace {

std::string textOf(TControl* control)
{
    if (auto* box = dynamic_cast<TComboBox*>(control))
        return box->Text();
    auto* edit = dynamic_cast<TEdit*>(control);
    EXPECT_NE(edit, nullptr) << control->Name << " takes no typed text";
    return edit ? edit->Text() : std::string();
}

}

void EraseAndType(TControl* control, const std::string& text)
{
    KeyOn(control, Qt::Key_End);
    for (std::size_t keys = textOf(control).size(); keys > 0 && !textOf(control).empty(); --keys)
        KeyOn(control, Qt::Key_Backspace);
    TypeInto(control, text);
}

void Retype(std::initializer_list<std::pair<TControl*, const char*>> fields)
{
    for (auto [control, text] : fields) {
        if (auto* box = dynamic_cast<TComboBox*>(control))
            Retype(box, text);
        else if (auto* edit = dynamic_cast<TEdit*>(control))
            Retype(edit, text);
        else
            ADD_FAILURE() << control->Name << " takes no typed text";
    }
}

void PickWithArrows(TComboBox* box, const std::string& item)
{
    int n = box->ItemCount();
    for (int i = 0; i < 2 * n && box->Text() != item; ++i)
        QTest::keyClick(box->Widget(), i < n ? Qt::Key_Down : Qt::Key_Up);
    EXPECT_EQ(box->Text(), item);
}

void Tick(TCheckBox* box) { QTest::keyClick(box->Widget(), Qt::Key_Space); }

// --- The mouse on a widget ---------------------------------------------------

void ClickAt(QWidget* widget, QPoint at, bool twice)
{
    SendMouse(widget, QEvent::MouseButtonPress, at.x(), at.y());
    SendMouse(widget, QEvent::MouseButtonRelease, at.x(), at.y());
    if (twice) {
        SendMouse(widget, QEvent::MouseButtonDblClick, at.x(), at.y());
        SendMouse(widget, QEvent::MouseButtonRelease, at.x(), at.y());
    }
}

void SystemClickAt(QWidget* widget, QPoint at) { QTest::mouseClick(widget, Qt::LeftButton, {}, at); }

void ClickOn(TControl* control) { ClickAt(control->Widget(), control->Widget()->rect().center()); }

void DoubleClickOn(TControl* control) { QTest::mouseDClick(control->Widget(), Qt::LeftButton); }

void ClickUpArrow(TControl* upDown)
{
    QWidget* up = upDown->Widget()->findChildren<QToolButton*>().value(0);
    ASSERT_NE(up, nullptr) << upDown->Name << " shows no arrows";
    ClickAt(up, up->rect().center());
}

void ClickInView(QAbstractItemView* view, QPoint at, bool twice)
{
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

bool DragEnterAt(QWidget* target, QMimeData* data, QPoint at)
{
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::LinkAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    return enter.isAccepted();
}

void DropAt(QWidget* target, QMimeData* data, QPoint at)
{
    QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::LinkAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

void MoveMouseOver(QWindow* window, QPoint screen) { QTest::mouseMove(window, window->mapFromGlobal(screen)); }

void ClickOver(QWindow* window, QPoint screen) { QTest::mouseClick(window, Qt::LeftButton, {}, window->mapFromGlobal(screen)); }

void CloseBox(QWidget* window)
{
    QCloseEvent close;
    QApplication::sendEvent(window, &close);
}

void CloseBox(TControl* window) { CloseBox(window->Widget()); }

void DragMouse(QWidget* widget, QPoint from, std::initializer_list<QPoint> path)
{
    QPointer<QWidget> pressed = widget;
    QTest::mousePress(widget, Qt::LeftButton, {}, from);
    auto holder = [&]() -> QWidget* { return QWidget::mouseGrabber() ? QWidget::mouseGrabber() : pressed.data(); };
    QPoint last = widget->mapToGlobal(from);
    for (QPoint p : path) {
        if (QWidget* w = holder())
            QTest::mouseMove(w, w->mapFromGlobal(p));
        last = p;
    }
    if (QWidget* w = holder())
        QTest::mouseRelease(w, Qt::LeftButton, {}, w->mapFromGlobal(last));
}

void RightClick(QWidget* w, int x, int y)
{
    SendMouse(w, QEvent::MouseButtonPress, x, y, Qt::RightButton);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(x, y), w->mapToGlobal(QPoint(x, y)));
    QCoreApplication::sendEvent(w, &menu);
    SendMouse(w, QEvent::MouseButtonRelease, x, y, Qt::RightButton);
}

// --- A real X desktop --------------------------------------------------------

namespace {

constexpr int kSteps = 10;

void settle() { QTest::qWait(250); }

}

void XClick(XDesktop& d, int x, int y, int count, int button)
{
    d.XDoTool({ "mousemove", std::to_string(x), std::to_string(y) });
    d.XDoTool({ "click", "--repeat", std::to_string(count), "--delay", "100", std::to_string(button) });
    settle();
}

void XDrag(XDesktop& d, int fromX, int fromY, int toX, int toY)
{
    d.XDoTool({ "mousemove", std::to_string(fromX), std::to_string(fromY), "mousedown", "1" });
    for (int i = 1; i <= kSteps; ++i) {
        QTest::qWait(30);
        d.XDoTool({ "mousemove", std::to_string(fromX + (toX - fromX) * i / kSteps), std::to_string(fromY + (toY - fromY) * i / kSteps) });
    }
    QTest::qWait(100);
    d.XDoTool({ "mouseup", "1" });
    settle();
}

void XMoveBy(XDesktop& d, int dx, int dy)
{
    for (int i = 0; i < kSteps; ++i) {
        QTest::qWait(30);
        d.XDoTool({ "mousemove_relative", "--", std::to_string(dx / kSteps), std::to_string(dy / kSteps) });
    }
    QTest::qWait(100);
}

void XKey(XDesktop& d, const char* key)
{
    d.XDoTool({ "key", key });
    settle();
}

void SendMouse(QWidget* w, QEvent::Type type, int x, int y, Qt::MouseButton button)
{
    QPointF local(x, y), global = QPointF(w->mapToGlobal(QPoint(x, y)));
    if (type == QEvent::Enter) {
        QEnterEvent e(local, local, global);
        QCoreApplication::sendEvent(w, &e);
    } else if (type == QEvent::Leave) {
        QEvent e(QEvent::Leave);
        QCoreApplication::sendEvent(w, &e);
    } else {
        Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        if (type == QEvent::MouseMove)
            button = Qt::NoButton;
        QMouseEvent e(type, local, global, button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &e);
    }
}

void DoubleClick(QWidget* w, int x, int y)
{
    QWidget* target = w;
    QPoint at(x, y);
    if (QWidget* inner = w->childAt(at)) {
        at = inner->mapFrom(w, at);
        target = inner;
    }
    for (QEvent::Type type : { QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease })
        SendMouse(target, type, at.x(), at.y());
}
