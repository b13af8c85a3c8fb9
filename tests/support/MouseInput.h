#pragma once
// The user's mouse and keys on the real widgets: keys typed into a control,
// clicks and drags of the mouse on it, the title bar's close box, and the
// real pointer and keyboard of an X desktop. Every test drives its windows
// through these, never through a handler.

#include <QEvent>
#include <QPoint>
#include <QString>
#include <Qt>

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

class QAbstractItemView;
class QMimeData;
class QWindow;
class QWidget;
class TButton;
class TCheckBox;
class TComboBox;
class TControl;
class TEdit;
class XDesktop;

// --- Keys --------------------------------------------------------------------

// The text an edit or a list holds; any other control fails the test.
std::string TextOf(TControl* control);

// One key pressed and released on the widget, as the keyboard sends it:
// the shortcut check first, then the press and the release.
void KeyOn(QWidget* widget, int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {});
void KeyOn(TControl* control, int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// A key, or keys typed one after the other, to whatever has the window's
// focus (the window itself when nothing has).
void KeyAtFocus(QWidget* window, int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void TypeAtFocus(QWidget* window, const QString& text);
// Keys typed into the control, one character each.
void TypeInto(TControl* control, const std::string& text);
// An edit's or a list's text replaced key by key: all of it selected (or
// emptied), then the new text typed.
void Retype(TEdit* edit, const std::string& text);
void Retype(TComboBox* box, const std::string& text);
// An edit's or a list's text erased key by key from its end, then the new
// text typed, as one does without selecting.
void EraseAndType(TControl* control, const std::string& text);
// Several edits and lists retyped in turn, each with its new text.
void Retype(std::initializer_list<std::pair<TControl*, const char*>> fields);
// A list item picked with the arrow keys, as one goes down (or up) the list;
// fails the test when the list has no such item.
void PickWithArrows(TComboBox* box, const std::string& item);
// The space bar on a check box.
void Tick(TCheckBox* box);

// --- The mouse on a widget ---------------------------------------------------

// A left click at a point of the widget; `twice` adds the double click the
// window system sends for a second click at once.
void ClickAt(QWidget* widget, QPoint at, bool twice = false);
// A left click at a point of the widget delivered as the window system's
// own: the application tracks the buttons held and moves the focus as a
// real click does, where ClickAt goes to the widget alone.
void SystemClickAt(QWidget* widget, QPoint at);
// A left click, or a double click, in the middle of the control, through
// the window system: the click moves the focus as a real one does. The
// click fails the test when the control is not showing, as nobody can
// click it then.
void ClickOn(TControl* control);
void DoubleClickOn(TControl* control);
// The tab pages that hold the control brought to the front, outermost
// first, each with a click on its tab, as one does before using it.
void ClickTabsOf(TControl* control);
// A left click on the upper arrow of an up-down control.
void ClickUpArrow(TControl* upDown);
// A left click at a point of a list's or tree's item area; `twice` follows
// it with a double click there.
void ClickInView(QAbstractItemView* view, QPoint at, bool twice = false);

// A drag with the left button through the window system: pressed at `from`
// of the widget, moved through the screen points of `path`, released at the
// last one. As on a desktop, each event goes to the widget holding the
// mouse: the one that took the capture, else the one pressed.
void DragMouse(QWidget* widget, QPoint from, std::initializer_list<QPoint> path);

// A click of the right button at (x, y) of the widget, with the request for
// its context menu that the window system sends with it.
void RightClick(QWidget* widget, int x, int y);

// Sends one mouse event of that type at (x, y) of the widget. A press and a
// move hold `button`; a release holds nothing; a move names no button.
void SendMouse(QWidget* widget, QEvent::Type type, int x, int y, Qt::MouseButton button = Qt::LeftButton);

// A double click of the left button at (x, y) of the widget, as the window
// system delivers it: press, release, double click, release, each to the
// innermost widget at that point (a list's item area, say), whose parents
// see what it leaves alone.
void DoubleClick(QWidget* widget, int x, int y);

// A drag carrying `data` entering the widget at `at`, the left button held:
// whether the widget takes it. Then its drop there.
bool DragEnterAt(QWidget* target, QMimeData* data, QPoint at);
void DropAt(QWidget* target, QMimeData* data, QPoint at);

// The mouse over a top-level window as the window system reports it: moved
// to, or clicked at, a screen point.
void MoveMouseOver(QWindow* window, QPoint screen);
void ClickOver(QWindow* window, QPoint screen);

// A pick from the pop-up menu that `open` drops (a click on a menu button,
// say): the item of each caption clicked in turn as its menu shows, each but
// the last opening a submenu; with no captions Escape dismisses the menu. A
// caption the menu does not show fails the test and closes the menu.
void ChooseFromMenu(const std::function<void()>& open, const std::vector<std::string>& captions);

// The close box of the window's title bar: the window system asks the
// window to close.
void CloseBox(QWidget* window);
void CloseBox(TControl* window);

// --- A real X desktop --------------------------------------------------------

// The real pointer and keyboard of an X desktop (XTest events, as xdotool
// sends them), at screen points. A drag and a bare move go in steps, as a
// hand moves, so that whoever follows the pointer sees its way.
void XClick(XDesktop&, int x, int y, int count = 1, int button = 1);
void XDrag(XDesktop&, int fromX, int fromY, int toX, int toY);
void XMoveBy(XDesktop&, int dx, int dy);
void XKey(XDesktop&, const char* key);
