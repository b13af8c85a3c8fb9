#pragma once
// TControl and TWinControl: a component with a place on the screen.
//
// Each control owns one Qt widget. Children are laid out by the class
// library's Align rules (top, bottom, left, right, then client), not by Qt
// layouts, so that design values and the window's resize handlers mean what
// they say.

#include "platform/Component.h"

#include <string>
#include <vector>

class QEvent;
class QObject;
class QWidget;
class TWinControl;
class TPopupMenu;
class TForm;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    QWidget* Widget() const { return m_widget; }
    // The control that owns a widget (or the nearest one above it).
    static TControl* FromWidget(const QWidget*);

    TWinControl* Parent() const { return m_parent; }
    virtual void SetParent(TWinControl*);
    TForm* ParentForm() const;

    virtual int Left() const { return m_left; }
    virtual int Top() const { return m_top; }
    virtual int Width() const { return m_width; }
    virtual int Height() const { return m_height; }
    void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
    void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
    virtual void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
    virtual void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
    virtual void SetBounds(int left, int top, int width, int height);

    TAlign Align() const { return m_align; }
    void SetAlign(TAlign);

    bool Visible() const { return m_visible; }
    virtual void SetVisible(bool);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return m_enabled; }
    virtual void SetEnabled(bool);

    const std::string& Caption() const { return m_caption; }
    virtual void SetCaption(const std::string&);
    const std::string& Hint() const { return m_hint; }
    void SetHint(const std::string&);

    TPopupMenu* PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(TPopupMenu* menu) { m_popupMenu = menu; }

    // Front of the z-order and last in the parent's alignment order.
    void BringToFront();
    void Repaint();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

    // Runs the click as a user's click would.
    virtual void Click();
    // A Default button answers Enter, a Cancel button Escape.
    virtual bool HandlesDialogKey(std::uint16_t) const { return false; }

protected:
    // Subclasses hand over their widget once, in their constructor.
    void SetWidget(QWidget*);
    // Every event of the widget passes here first; true eats it.
    virtual bool WidgetEvent(QEvent*);
    virtual void BoundsChanged() {}

    friend class TWinControl;
    friend class WidgetBridge;

private:
    void applyGeometry();

    QWidget* m_widget = nullptr;
    QObject* m_bridge = nullptr;
    TWinControl* m_parent = nullptr;
    int m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    TAlign m_align = alNone;
    bool m_visible = true;
    bool m_enabled = true;
    std::string m_caption;
    std::string m_hint;
    TPopupMenu* m_popupMenu = nullptr;

protected:
    // Most controls click on a left-button release inside them; buttons,
    // check boxes and combo boxes click through their widget instead.
    bool ClicksOnRelease = false;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    int ControlCount() const { return int(m_controls.size()); }
    TControl* Controls(int index) const { return m_controls.at(std::size_t(index)); }

    // The widget children are placed in.
    virtual QWidget* ClientWidget() const;
    virtual int ClientWidth() const;
    virtual int ClientHeight() const;
    // Places the aligned children in the client area.
    virtual void Realign();

    void SetFocus();
    bool Focused() const;
    bool CanFocus() const;
    // Multi-line editors and buttons keep Enter for themselves.
    virtual bool WantReturns() const { return false; }

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TNotifyEvent OnResize;

protected:
    bool WidgetEvent(QEvent*) override;
    // The area aligned children are placed in, from the client rectangle
    // (frames drawn by the control itself lie outside it).
    virtual void AdjustClientRect(TRect&) const {}

    bool Realigning() const { return m_realigning; }
    void SetRealigning(bool on) { m_realigning = on; }

private:
    friend class TControl;
    void insertControl(TControl*);
    void removeControl(TControl*);

    std::vector<TControl*> m_controls;
    bool m_realigning = false;
};

// A control made from its design values: owned by `owner` (freed with it)
// and shown inside `parent`.
template<class T>
T* NewControl(TComponent* owner, TWinControl* parent, const std::string& name)
{
    auto* control = new T(owner);
    control->Name = name;
    control->SetParent(parent);
    return control;
}

template<class T>
T* NewControl(TComponent* owner, TWinControl* parent, const std::string& name, int left, int top, int width, int height)
{
    T* control = NewControl<T>(owner, parent, name);
    control->SetBounds(left, top, width, height);
    return control;
}
