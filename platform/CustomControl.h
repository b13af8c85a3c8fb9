#pragma once
// Painted controls: TGraphicControl, drawn on its parent, and TCustomControl,
// a windowed control that may hold others. Both share one core:
//  - painting: Paint draws on Canvas. An opaque control (csOpaque) is drawn
//    into an off-screen bitmap first, white where Paint leaves nothing; any
//    other control draws over what its parent painted beneath it.
//    Invalidate asks for one Paint on the next turn of the loop (requests
//    coalesce); Repaint paints at once.
//  - messages: every message goes through WindowProc, which a subclasser may
//    replace (keep the previous one and call it; restore it when done, first
//    in, last out). WndProc is the control's own procedure.
//  - the mouse: MouseDown / MouseMove / MouseUp in client coordinates with
//    the shift state; moves arrive also with no button held; the mouse
//    entering and leaving arrive as CM_MOUSEENTER / CM_MOUSELEAVE. With
//    csCaptureMouse a press captures the mouse until the release; with
//    csClickEvents a left press and release both inside clicks.

#include "platform/Control.h"
#include "platform/ControlMessages.h"
#include "platform/Graphics.h"

#include <memory>

enum TControlStyleFlag : unsigned {
    csAcceptsControls = 1,
    csCaptureMouse = 2,
    csDesignInteractive = 4,
    csClickEvents = 8,
    csFramed = 16,
    csSetCaption = 32,
    csOpaque = 64,
    csDoubleClicks = 128,
    csFixedWidth = 256,
    csFixedHeight = 512,
    csNoDesignVisible = 1024,
    csReplicatable = 2048,
    csNoStdEvents = 4096,
    csDisplayDragImage = 8192,
    csReflector = 16384,
    csActionClient = 32768,
};
using TControlStyle = unsigned;

// Sets a property's field; true when the value changed, so that the setter
// repaints or lays out only then.
template<class T, class V>
bool Change(T& field, const V& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

// What takes messages: Perform sends one through WindowProc.
class TMessageReceiver {
public:
    TMessageReceiver();
    virtual ~TMessageReceiver() = default;

    TWndMethod WindowProc;
    LRESULT Perform(UINT msg, WPARAM wParam, LPARAM lParam);

protected:
    virtual void WndProc(TMessage&) = 0;
};

// Replaces a receiver's WindowProc for its lifetime; the handler gets the
// procedure it replaced to pass messages on.
class TSubclass {
public:
    using Handler = std::function<void(TMessage&, const TWndMethod& previous)>;
    TSubclass(TMessageReceiver&, Handler);
    ~TSubclass();
    TSubclass(const TSubclass&) = delete;
    TSubclass& operator=(const TSubclass&) = delete;

private:
    TMessageReceiver& m_receiver;
    TWndMethod m_previous;
};

struct TPaintState;

template<class Base>
class TPaintedControl : public Base, public TMessageReceiver {
public:
    explicit TPaintedControl(TComponent* owner);
    ~TPaintedControl() override;

    TControlStyle ControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;

    // Valid inside Paint only.
    TCanvas* Canvas();
    void Invalidate();
    void Repaint();

    TPoint ClientToScreen(TPoint) const;
    TPoint ScreenToClient(TPoint) const;
    bool MouseCapture() const;
    void SetMouseCapture(bool);
    // Between CM_MOUSEENTER and CM_MOUSELEAVE.
    bool MouseInControl() const;

protected:
    virtual void Paint() {}
    // Each fires its On... event; a double click comes as MouseDown with ssDouble.
    virtual void MouseDown(TMouseButton, TShiftState, int X, int Y);
    virtual void MouseMove(TShiftState, int X, int Y);
    virtual void MouseUp(TMouseButton, TShiftState, int X, int Y);
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    // Fires OnDblClick.
    virtual void DblClick();
    void WndProc(TMessage&) override;
    bool WidgetEvent(QEvent*) override;

private:
    std::unique_ptr<TPaintState> m_paint;
};

extern template class TPaintedControl<TControl>;
extern template class TPaintedControl<TWinControl>;

class TGraphicControl : public TPaintedControl<TControl> {
public:
    using TPaintedControl<TControl>::TPaintedControl;
};

class TCustomControl : public TPaintedControl<TWinControl> {
public:
    using TPaintedControl<TWinControl>::TPaintedControl;
};

// Sends the message to every child of the control that takes messages, in
// order, until one answers with a non-zero Result.
void Broadcast(TWinControl*, TMessage&);
// CM_SYSCOLORCHANGE to every control of every window, after the system
// colours have changed.
void NotifySysColorChange();
