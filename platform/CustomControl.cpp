#include "platform/CustomControl.h"

#include "platform/Keys.h"
#include "platform/Mouse.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

TMessageReceiver::TMessageReceiver()
    : WindowProc([this](TMessage& m) { WndProc(m); })
{
}

LRESULT TMessageReceiver::Perform(UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessage m { msg, wParam, lParam, 0 };
    if (WindowProc)
        WindowProc(m);
    return m.Result;
}

TSubclass::TSubclass(TMessageReceiver& receiver, Handler handler)
    : m_receiver(receiver)
    , m_previous(receiver.WindowProc)
{
    receiver.WindowProc = [previous = m_previous, handler = std::move(handler)](TMessage& m) { handler(m, previous); };
}

TSubclass::~TSubclass() { m_receiver.WindowProc = m_previous; }

// ---------------------------------------------------------------------------

namespace {

TControl* g_capture = nullptr;

TMouseButton buttonOf(Qt::MouseButton b) { return b == Qt::RightButton ? mbRight : b == Qt::MiddleButton ? mbMiddle : mbLeft; }

}

TControl* GetCaptureControl() { return g_capture; }

struct TPaintState {
    // Painting: the canvas Paint draws on, and the opaque controls' bitmap.
    TCanvas* canvas = nullptr;
    TBitmap buffer;
    bool inPaintEvent = false;
    // The mouse: captured (by a press, or grabbed on request), a left press
    // that may still click, and whether it is over the control.
    bool captured = false, pressing = false, grabbed = false;
    bool clicked = false, mouseInside = false;
};

template<class Base>
TPaintedControl<Base>::TPaintedControl(TComponent* owner)
    : Base(owner)
    , m_paint(std::make_unique<TPaintState>())
{
    this->SetWidget(new QWidget);
}

template<class Base>
TPaintedControl<Base>::~TPaintedControl()
{
    this->BeginDestroy();
    SetMouseCapture(false);
}

template<class Base>
TCanvas* TPaintedControl<Base>::Canvas()
{
    return m_paint->canvas;
}

template<class Base>
void TPaintedControl<Base>::Invalidate()
{
    if (this->Widget())
        this->Widget()->update();
}

template<class Base>
void TPaintedControl<Base>::Repaint()
{
    if (this->Widget())
        this->Widget()->repaint();
}

template<class Base>
TPoint TPaintedControl<Base>::ClientToScreen(TPoint p) const
{
    QPoint q = this->Widget()->mapToGlobal(QPoint(p.X, p.Y));
    return { q.x(), q.y() };
}

template<class Base>
TPoint TPaintedControl<Base>::ScreenToClient(TPoint p) const
{
    QPoint q = this->Widget()->mapFromGlobal(QPoint(p.X, p.Y));
    return { q.x(), q.y() };
}

template<class Base>
bool TPaintedControl<Base>::MouseCapture() const
{
    return m_paint->captured;
}

template<class Base>
void TPaintedControl<Base>::SetMouseCapture(bool on)
{
    TPaintState& s = *m_paint;
    if (on == s.captured)
        return;
    s.captured = on;
    QWidget* w = this->Widget();
    if (on) {
        if (g_capture && g_capture != this)
            if (auto* other = dynamic_cast<TMessageReceiver*>(g_capture))
                other->Perform(CM_CANCELMODE, 0, 0);
        g_capture = this;
        // A held button already keeps the mouse with the widget pressed;
        // without one the widget must ask for it.
        if (!s.pressing && w && w->isVisible() && QGuiApplication::mouseButtons() == Qt::NoButton) {
            w->grabMouse();
            s.grabbed = true;
        }
    } else {
        if (g_capture == this)
            g_capture = nullptr;
        if (s.grabbed && w && QWidget::mouseGrabber() == w)
            w->releaseMouse();
        s.grabbed = false;
    }
}

template<class Base>
bool TPaintedControl<Base>::MouseInControl() const
{
    return m_paint->mouseInside;
}

template<class Base>
void TPaintedControl<Base>::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (this->OnMouseDown)
        this->OnMouseDown(this, button, shift, x, y);
}

template<class Base>
void TPaintedControl<Base>::MouseMove(TShiftState shift, int x, int y)
{
    if (this->OnMouseMove)
        this->OnMouseMove(this, shift, x, y);
}

template<class Base>
void TPaintedControl<Base>::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (this->OnMouseUp)
        this->OnMouseUp(this, button, shift, x, y);
}

template<class Base>
void TPaintedControl<Base>::DblClick()
{
    if (this->OnDblClick)
        this->OnDblClick(this);
}

template<class Base>
void TPaintedControl<Base>::WndProc(TMessage& m)
{
    TPaintState& s = *m_paint;
    TMouseAction action = MouseActionOf(m.Msg);
    if (action != TMouseAction::None) {
        TPoint p = LParamToPoint(m.LParam);
        TShiftState shift = TShiftState(m.WParam);
        TMouseButton button = MouseButtonOf(m.Msg);
        switch (action) {
        case TMouseAction::Move:
            MouseMove(shift, p.X, p.Y);
            break;
        case TMouseAction::Down:
        case TMouseAction::DoubleClick:
            if (ControlStyle & csCaptureMouse) {
                // The press itself keeps the mouse with the widget until the release.
                s.pressing = true;
                SetMouseCapture(true);
                s.pressing = false;
            }
            if (action == TMouseAction::DoubleClick) {
                DblClick();
                shift |= ssDouble;
            } else if ((ControlStyle & csClickEvents) && button == mbLeft) {
                s.clicked = true;
            }
            MouseDown(button, shift, p.X, p.Y);
            break;
        case TMouseAction::Up: {
            if (ControlStyle & csCaptureMouse)
                SetMouseCapture(false);
            bool click = s.clicked && button == mbLeft;
            if (button == mbLeft)
                s.clicked = false;
            // A press dragged out of the control and let go elsewhere clicks nothing.
            if (click && p.X >= 0 && p.Y >= 0 && p.X < this->Width() && p.Y < this->Height())
                this->Click();
            MouseUp(button, shift, p.X, p.Y);
            break;
        }
        default:
            break;
        }
        return;
    }
    switch (m.Msg) {
    case WM_PAINT: {
        if (!s.inPaintEvent) {
            Invalidate();
            break;
        }
        QWidget* w = this->Widget();
        int width = w->width(), height = w->height();
        if (width <= 0 || height <= 0)
            break;
        QPainter painter(w);
        if (ControlStyle & csOpaque) {
            if (s.buffer.Width() != width || s.buffer.Height() != height)
                s.buffer.SetSize(width, height);
            else
                s.buffer.Canvas().Brush = TBrush(), s.buffer.Canvas().FillRect({ 0, 0, width, height });
            s.canvas = &s.buffer.Canvas();
            s.canvas->Pen = TPen();
            s.canvas->Brush = TBrush();
            s.canvas->Font = TFont();
            Paint();
            s.canvas = nullptr;
            painter.drawImage(0, 0, s.buffer.Image());
        } else {
            // What Paint leaves untouched stays clear, so the parent shows.
            QImage layer(width, height, QImage::Format_ARGB32_Premultiplied);
            layer.fill(Qt::transparent);
            TCanvas canvas(&layer);
            s.canvas = &canvas;
            Paint();
            s.canvas = nullptr;
            painter.drawImage(0, 0, layer);
        }
        break;
    }
    case CM_MOUSEENTER:
        if (!s.mouseInside) {
            s.mouseInside = true;
            MouseEnter();
        }
        break;
    case CM_MOUSELEAVE:
        if (s.mouseInside) {
            s.mouseInside = false;
            MouseLeave();
        }
        break;
    case CM_CANCELMODE:
        s.clicked = false;
        SetMouseCapture(false);
        break;
    case CM_SYSCOLORCHANGE:
        Invalidate();
        break;
    default:
        break;
    }
}

template<class Base>
bool TPaintedControl<Base>::WidgetEvent(QEvent* e)
{
    if (this->Destroying())
        return false;
    switch (e->type()) {
    case QEvent::Paint: {
        TPaintState& s = *m_paint;
        s.inPaintEvent = true;
        try {
            Perform(WM_PAINT, 0, 0);
        } catch (...) {
            s.inPaintEvent = false;
            s.canvas = nullptr;
            throw;
        }
        s.inPaintEvent = false;
        return true;
    }
    case QEvent::Enter:
        Perform(CM_MOUSEENTER, 0, 0);
        return false;
    case QEvent::Leave:
        Perform(CM_MOUSELEAVE, 0, 0);
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        auto* me = static_cast<QMouseEvent*>(e);
        TMouseAction action = e->type() == QEvent::MouseMove ? TMouseAction::Move
            : e->type() == QEvent::MouseButtonPress         ? TMouseAction::Down
            : e->type() == QEvent::MouseButtonRelease       ? TMouseAction::Up
            : (ControlStyle & csDoubleClicks)               ? TMouseAction::DoubleClick
                                                            : TMouseAction::Down;
        TShiftState shift = ShiftStateFromQt(int(me->modifiers()), int(me->buttons()));
        Perform(MouseMessage(action, buttonOf(me->button())), shift, PointToLParam(int(me->position().x()), int(me->position().y())));
        // Taken here, so that the parent does not see the press as well.
        e->accept();
        return true;
    }
    default:
        return Base::WidgetEvent(e);
    }
}

template class TPaintedControl<TControl>;
template class TPaintedControl<TWinControl>;

// ---------------------------------------------------------------------------

// The button messages come in threes per button: down, up, double click.
TMouseAction MouseActionOf(UINT msg)
{
    if (msg == WM_MOUSEMOVE)
        return TMouseAction::Move;
    if (msg < WM_LBUTTONDOWN || msg > WM_MBUTTONDBLCLK)
        return TMouseAction::None;
    constexpr TMouseAction inThree[] = { TMouseAction::Down, TMouseAction::Up, TMouseAction::DoubleClick };
    return inThree[(msg - WM_LBUTTONDOWN) % 3];
}

TMouseButton MouseButtonOf(UINT msg)
{
    if (msg < WM_LBUTTONDOWN || msg > WM_MBUTTONDBLCLK)
        return mbLeft;
    return TMouseButton((msg - WM_LBUTTONDOWN) / 3);
}

UINT MouseMessage(TMouseAction action, TMouseButton button)
{
    UINT first = WM_LBUTTONDOWN + UINT(button) * 3;
    switch (action) {
    case TMouseAction::Down:
        return first;
    case TMouseAction::Up:
        return first + 1;
    case TMouseAction::DoubleClick:
        return first + 2;
    case TMouseAction::Move:
        return WM_MOUSEMOVE;
    default:
        return 0;
    }
}

void Broadcast(TWinControl* parent, TMessage& m)
{
    for (int i = 0; i < parent->ControlCount(); ++i)
        if (auto* r = dynamic_cast<TMessageReceiver*>(parent->Controls(i))) {
            r->WindowProc(m);
            if (m.Result)
                return;
        }
}

namespace {

void notifyTree(TControl* c)
{
    if (auto* r = dynamic_cast<TMessageReceiver*>(c))
        r->Perform(CM_SYSCOLORCHANGE, 0, 0);
    if (auto* w = dynamic_cast<TWinControl*>(c))
        for (int i = 0; i < w->ControlCount(); ++i)
            notifyTree(w->Controls(i));
}

}

void NotifySysColorChange()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (TControl* c = TControl::FromWidget(w); c && c->Widget() == w && !c->Parent())
            notifyTree(c);
}
