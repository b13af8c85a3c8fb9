#include "tests/support/MouseInput.h"

#include "tests/support/XDesktop.h"

#include "platform/ComCtrls.h"
#include "platform/ComboBox.h"
#include "platform/StdCtrls.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <QtEvents>

#include <functional>
#include <iterator>

namespace {

QWidget* focusOf(QWidget* window) { return window->focusWidget() ? window->focusWidget() : window; }

void sendTo(QWidget* widget, QEvent&& e) { QApplication::sendEvent(widget, &e); }

constexpr int kSteps = 10;

void settle() { QTest::qWait(250); }

// A hand's move in steps: the xdotool words of the i-th of them.
void inSteps(XDesktop& d, const std::function<std::vector<std::string>(int i)>& step)
{
    for (int i = 1; i <= kSteps; ++i) {
        QTest::qWait(30);
        d.XDoTool(step(i));
    }
    QTest::qWait(100);
}

}

// --- Keys --------------------------------------------------------------------

std::string TextOf(TControl* control)
{
    if (auto* box = dynamic_cast<TComboBox*>(control))
        return box->Text();
    auto* edit = dynamic_cast<TEdit*>(control);
    EXPECT_NE(edit, nullptr) << control->Name << " takes no typed text";
    return edit ? edit->Text() : std::string();
}

void KeyOn(QWidget* widget, int qtKey, Qt::KeyboardModifiers modifiers, const QString& text)
{
    for (QEvent::Type type : { QEvent::ShortcutOverride, QEvent::KeyPress, QEvent::KeyRelease })
        sendTo(widget, QKeyEvent(type, qtKey, modifiers, text));
}

void KeyOn(TControl* control, int qtKey, Qt::KeyboardModifiers modifiers) { KeyOn(control->Widget(), qtKey, modifiers); }

void KeyAtFocus(QWidget* window, int key, Qt::KeyboardModifiers mods) { QTest::keyClick(focusOf(window), Qt::Key(key), mods); }

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

void EraseAndType(TControl* control, const std::string& text)
{
    KeyOn(control, Qt::Key_End);
    for (std::size_t keys = TextOf(control).size(); keys > 0 && !TextOf(control).empty(); --keys)
        KeyOn(control, Qt::Key_Backspace);
    TypeInto(control, text);
}

void Retype(std::initializer_list<std::pair<TControl*, const char*>> fields)
{
    for (auto [control, text] : fields)
        if (auto* box = dynamic_cast<TComboBox*>(control))
            Retype(box, text);
        else if (auto* edit = dynamic_cast<TEdit*>(control))
            Retype(edit, text);
        else
            ADD_FAILURE() << control->Name << " takes no typed text";
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
    for (int i = 0; i < (twice ? 2 : 1); ++i) {
        SendMouse(widget, i ? QEvent::MouseButtonDblClick : QEvent::MouseButtonPress, at.x(), at.y());
        SendMouse(widget, QEvent::MouseButtonRelease, at.x(), at.y());
    }
}

void SystemClickAt(QWidget* widget, QPoint at) { QTest::mouseClick(widget, Qt::LeftButton, {}, at); }

void ClickOn(TControl* control)
{
    EXPECT_TRUE(control->Widget()->isVisible()) << control->Name << " cannot be clicked: it is not showing";
    SystemClickAt(control->Widget(), control->Widget()->rect().center());
}

void ClickTabsOf(TControl* control)
{
    std::vector<TTabSheet*> sheets;
    for (TControl* c = control; c; c = c->Parent())
        if (auto* sheet = dynamic_cast<TTabSheet*>(c))
            sheets.insert(sheets.begin(), sheet);
    for (TTabSheet* sheet : sheets) {
        TPageControl* pages = sheet->PageControl();
        if (pages->ActivePage() == sheet)
            continue;
        auto* bar = pages->Widget()->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_NE(bar, nullptr) << pages->Name << " shows no tabs";
        int index = 0;
        while (pages->Pages(index) != sheet)
            ++index;
        SystemClickAt(bar, bar->tabRect(index).center());
        EXPECT_EQ(pages->ActivePage(), sheet) << sheet->Name << " did not come to the front";
    }
}

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
    sendTo(target, QDropEvent(QPointF(at), Qt::CopyAction | Qt::LinkAction, data, Qt::LeftButton, Qt::NoModifier));
}

void MoveMouseOver(QWindow* window, QPoint screen) { QTest::mouseMove(window, window->mapFromGlobal(screen)); }

void ClickOver(QWindow* window, QPoint screen) { QTest::mouseClick(window, Qt::LeftButton, {}, window->mapFromGlobal(screen)); }

void ChooseFromMenu(const std::function<void()>& open, const std::vector<std::string>& captions)
{
    // The menu runs a loop of its own: the clicks come from within it.
    std::size_t next = 0;
    int waits = 0;
    QTimer hand;
    QObject::connect(&hand, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        if (next == captions.size() || ++waits > 200)
            return QTest::keyClick(menu, Qt::Key_Escape);
        for (QAction* action : menu->actions())
            if (action->text().section(QLatin1Char('\t'), 0, 0).toStdString() == captions[next]) {
                waits = 0;
                ++next;
                return QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            }
    });
    hand.start(10);
    open();
    EXPECT_EQ(next, captions.size()) << "the menu showed no " << (next < captions.size() ? captions[next] : "");
}

void CloseBox(QWidget* window) { sendTo(window, QCloseEvent()); }

void CloseBox(TControl* window) { CloseBox(window->Widget()); }

void DragMouse(QWidget* widget, QPoint from, std::initializer_list<QPoint> path)
{
    QPointer<QWidget> pressed = widget;
    QTest::mousePress(widget, Qt::LeftButton, {}, from);
    auto holder = [&]() -> QWidget* { return QWidget::mouseGrabber() ? QWidget::mouseGrabber() : pressed.data(); };
    const QPoint last = path.size() ? *std::prev(path.end()) : widget->mapToGlobal(from);
    for (QPoint p : path)
        if (QWidget* w = holder())
            QTest::mouseMove(w, w->mapFromGlobal(p));
    if (QWidget* w = holder())
        QTest::mouseRelease(w, Qt::LeftButton, {}, w->mapFromGlobal(last));
}

void RightClick(QWidget* w, int x, int y)
{
    SendMouse(w, QEvent::MouseButtonPress, x, y, Qt::RightButton);
    sendTo(w, QContextMenuEvent(QContextMenuEvent::Mouse, QPoint(x, y), w->mapToGlobal(QPoint(x, y))));
    SendMouse(w, QEvent::MouseButtonRelease, x, y, Qt::RightButton);
}

void SendMouse(QWidget* w, QEvent::Type type, int x, int y, Qt::MouseButton button)
{
    QPointF local(x, y), global = QPointF(w->mapToGlobal(QPoint(x, y)));
    Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    if (type == QEvent::Enter)
        sendTo(w, QEnterEvent(local, local, global));
    else if (type == QEvent::Leave)
        sendTo(w, QEvent(QEvent::Leave));
    else
        sendTo(w, QMouseEvent(type, local, global, type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier));
}

void DoubleClick(QWidget* w, int x, int y)
{
    QWidget* inner = w->childAt(x, y);
    ClickAt(inner ? inner : w, inner ? inner->mapFrom(w, QPoint(x, y)) : QPoint(x, y), true);
}

// --- A real X desktop --------------------------------------------------------

void XClick(XDesktop& d, int x, int y, int count, int button)
{
    d.XDoTool({ "mousemove", std::to_string(x), std::to_string(y) });
    d.XDoTool({ "click", "--repeat", std::to_string(count), "--delay", "100", std::to_string(button) });
    settle();
}

void XDrag(XDesktop& d, int fromX, int fromY, int toX, int toY)
{
    d.XDoTool({ "mousemove", std::to_string(fromX), std::to_string(fromY), "mousedown", "1" });
    inSteps(d, [&](int i) -> std::vector<std::string> {
        const int x = fromX + (toX - fromX) * i / kSteps, y = fromY + (toY - fromY) * i / kSteps;
        return { "mousemove", std::to_string(x), std::to_string(y) };
    });
    d.XDoTool({ "mouseup", "1" });
    settle();
}

void XMoveBy(XDesktop& d, int dx, int dy)
{
    inSteps(d, [&](int) -> std::vector<std::string> {
        return { "mousemove_relative", "--", std::to_string(dx / kSteps), std::to_string(dy / kSteps) };
    });
}

void XKey(XDesktop& d, const char* key)
{
    d.XDoTool({ "key", key });
    settle();
}
