#include "platform/Control.h"

#include "platform/Form.h"
#include "platform/Keys.h"
#include "platform/Menus.h"
#include "platform/TextCodec.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>

#include <algorithm>

static const char* kControlProperty = "corvanaControl";

// Hands every event of a control's widget to the control first.
class WidgetBridge final : public QObject {
public:
    explicit WidgetBridge(TControl* control)
        : m_control(control)
    {
    }
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        // Nothing reaches a control whose window is being taken down: hiding
        // it sends leave and focus events into half-destroyed owners.
        for (const TControl* c = m_control; c; c = c->Parent())
            if (c->Destroying())
                return false;
        if (watched == m_control->m_widget) {
            if (cameFromInnerWidget(e))
                return false;
            return m_control->WidgetEvent(e);
        }
        // A scroll area's mouse input arrives at its viewport, an editable
        // combo box's at its edit.
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::ContextMenu:
            return m_control->WidgetEvent(e);
        default:
            return false;
        }
    }

private:
    // What the viewport left alone comes on to the scroll area itself: the
    // control has seen it already.
    bool cameFromInnerWidget(QEvent* e) const
    {
        auto* area = qobject_cast<QAbstractScrollArea*>(m_control->m_widget);
        if (!area)
            return false;
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            return area->viewport()->geometry().contains(static_cast<QMouseEvent*>(e)->position().toPoint());
        default:
            return false;
        }
    }

    TControl* m_control;
};

TControl::TControl(TComponent* owner)
    : TComponent(owner)
{
}

TControl::~TControl()
{
    BeginDestroy();
    if (m_parent)
        m_parent->removeControl(this);
    if (m_widget) {
        m_widget->removeEventFilter(m_bridge);
        m_widget->setProperty(kControlProperty, QVariant());
        delete m_widget;
    }
    delete m_bridge;
}

TControl* TControl::FromWidget(const QWidget* w)
{
    for (; w; w = w->parentWidget()) {
        QVariant v = w->property(kControlProperty);
        if (v.isValid())
            return static_cast<TControl*>(v.value<void*>());
    }
    return nullptr;
}

void TControl::SetWidget(QWidget* w)
{
    m_widget = w;
    w->setProperty(kControlProperty, QVariant::fromValue(static_cast<void*>(this)));
    m_bridge = new WidgetBridge(this);
    w->installEventFilter(m_bridge);
    w->setMouseTracking(true);
    // The mouse belongs to the control under it: what it leaves alone does
    // not reach the control it sits on.
    w->setAttribute(Qt::WA_NoMousePropagation);
    QWidget* inner = nullptr;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(w))
        inner = area->viewport();
    else if (auto* combo = qobject_cast<QComboBox*>(w))
        inner = combo->lineEdit();
    if (inner) {
        inner->installEventFilter(m_bridge);
        inner->setMouseTracking(true);
    }
    if (m_width == 0 && m_height == 0) {
        QSize hint = w->sizeHint();
        m_width = hint.width() > 0 ? hint.width() : 100;
        m_height = hint.height() > 0 ? hint.height() : 25;
    }
    applyGeometry();
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == m_parent)
        return;
    if (m_parent)
        m_parent->removeControl(this);
    m_parent = parent;
    if (m_widget) {
        m_widget->setParent(parent ? parent->ClientWidget() : nullptr);
        applyGeometry();
        m_widget->setVisible(m_visible && parent);
    }
    if (parent)
        parent->insertControl(this);
}

TForm* TControl::ParentForm() const
{
    const TControl* c = this;
    while (c->m_parent)
        c = c->m_parent;
    return dynamic_cast<TForm*>(const_cast<TControl*>(c));
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    bool changed = left != m_left || top != m_top || width != m_width || height != m_height;
    m_left = left;
    m_top = top;
    m_width = std::max(0, width);
    m_height = std::max(0, height);
    if (!changed)
        return;
    applyGeometry();
    BoundsChanged();
    if (m_parent && m_align != alNone && m_visible)
        m_parent->Realign();
}

void TControl::applyGeometry()
{
    if (m_widget && m_parent)
        m_widget->setGeometry(m_left, m_top, m_width, m_height);
}

void TControl::SetAlign(TAlign align)
{
    m_align = align;
    if (m_parent)
        m_parent->Realign();
}

void TControl::SetVisible(bool on)
{
    if (m_visible == on)
        return;
    m_visible = on;
    if (m_widget && m_parent)
        m_widget->setVisible(on);
    if (m_parent && m_align != alNone)
        m_parent->Realign();
}

void TControl::SetEnabled(bool on)
{
    m_enabled = on;
    if (m_widget)
        m_widget->setEnabled(on);
}

void TControl::SetCaption(const std::string& text) { m_caption = text; }

void TControl::SetHint(const std::string& hint)
{
    m_hint = hint;
    if (m_widget)
        m_widget->setToolTip(BytesToQString(hint));
}

void TControl::BringToFront()
{
    if (m_widget)
        m_widget->raise();
    if (m_parent) {
        auto& list = m_parent->m_controls;
        list.erase(std::find(list.begin(), list.end(), this));
        list.push_back(this);
        m_parent->Realign();
    }
}

void TControl::Repaint()
{
    if (m_widget)
        m_widget->repaint();
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
}

bool TControl::WidgetEvent(QEvent* e)
{
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        auto* me = static_cast<QMouseEvent*>(e);
        TMouseButton button = me->button() == Qt::RightButton ? mbRight : me->button() == Qt::MiddleButton ? mbMiddle : mbLeft;
        TShiftState shift = ShiftStateFromQt(int(me->modifiers()), int(me->buttons()));
        int x = int(me->position().x()), y = int(me->position().y());
        if (e->type() == QEvent::MouseButtonDblClick) {
            if (OnDblClick)
                OnDblClick(this);
            if (OnMouseDown)
                OnMouseDown(this, button, shift | ssDouble, x, y);
        } else if (e->type() == QEvent::MouseButtonPress) {
            if (OnMouseDown)
                OnMouseDown(this, button, shift, x, y);
        } else {
            if (OnMouseUp)
                OnMouseUp(this, button, shift, x, y);
            if (ClicksOnRelease && button == mbLeft && x >= 0 && y >= 0 && x < m_width && y < m_height)
                Click();
        }
        return false;
    }
    case QEvent::MouseMove:
        if (OnMouseMove) {
            auto* me = static_cast<QMouseEvent*>(e);
            OnMouseMove(this, ShiftStateFromQt(int(me->modifiers()), int(me->buttons())), int(me->position().x()), int(me->position().y()));
        }
        return false;
    case QEvent::ContextMenu:
        if (m_popupMenu && m_popupMenu->AutoPopup) {
            auto* ce = static_cast<QContextMenuEvent*>(e);
            m_popupMenu->PopupComponent = this;
            m_popupMenu->Popup(ce->globalPos().x(), ce->globalPos().y());
            return true;
        }
        return false;
    default:
        return false;
    }
}

// ---------------------------------------------------------------------------

TWinControl::TWinControl(TComponent* owner)
    : TControl(owner)
{
}

TWinControl::~TWinControl()
{
    BeginDestroy();
    // Children are freed by their owner, which may be this control's owner
    // and come later: take their widgets out before this widget goes.
    for (TControl* c : m_controls) {
        if (c->m_widget) {
            c->m_widget->hide();
            c->m_widget->setParent(nullptr);
        }
        c->m_parent = nullptr;
    }
    m_controls.clear();
}

QWidget* TWinControl::ClientWidget() const { return Widget(); }

int TWinControl::ClientWidth() const { return ClientWidget() ? ClientWidget()->width() : Width(); }

int TWinControl::ClientHeight() const { return ClientWidget() ? ClientWidget()->height() : Height(); }

void TWinControl::insertControl(TControl* c) { m_controls.push_back(c); Realign(); }

void TWinControl::removeControl(TControl* c)
{
    auto it = std::find(m_controls.begin(), m_controls.end(), c);
    if (it != m_controls.end())
        m_controls.erase(it);
    if (!Destroying())
        Realign();
}

void TWinControl::Realign()
{
    if (m_realigning || Destroying())
        return;
    m_realigning = true;
    TRect r { 0, 0, ClientWidth(), ClientHeight() };
    AdjustClientRect(r);
    for (TAlign pass : { alTop, alBottom, alLeft, alRight, alClient }) {
        std::vector<TControl*> list;
        for (TControl* c : m_controls)
            if (c->m_align == pass && c->m_visible)
                list.push_back(c);
        std::stable_sort(list.begin(), list.end(), [pass](TControl* a, TControl* b) {
            switch (pass) {
            case alTop:
                return a->m_top < b->m_top;
            case alBottom:
                return a->m_top + a->m_height > b->m_top + b->m_height;
            case alLeft:
                return a->m_left < b->m_left;
            case alRight:
                return a->m_left + a->m_width > b->m_left + b->m_width;
            default:
                return false;
            }
        });
        for (TControl* c : list) {
            TRect b;
            switch (pass) {
            case alTop:
                b = { r.Left, r.Top, r.Right, r.Top + c->m_height };
                r.Top = b.Bottom;
                break;
            case alBottom:
                b = { r.Left, r.Bottom - c->m_height, r.Right, r.Bottom };
                r.Bottom = b.Top;
                break;
            case alLeft:
                b = { r.Left, r.Top, r.Left + c->m_width, r.Bottom };
                r.Left = b.Right;
                break;
            case alRight:
                b = { r.Right - c->m_width, r.Top, r.Right, r.Bottom };
                r.Right = b.Left;
                break;
            default:
                b = r;
                break;
            }
            c->SetBounds(b.Left, b.Top, b.Width(), b.Height());
        }
    }
    m_realigning = false;
}

void TWinControl::SetFocus()
{
    if (Widget())
        Widget()->setFocus(Qt::OtherFocusReason);
}

bool TWinControl::Focused() const { return Widget() && Widget()->hasFocus(); }

bool TWinControl::CanFocus() const
{
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

bool TWinControl::WidgetEvent(QEvent* e)
{
    switch (e->type()) {
    case QEvent::ShortcutOverride: {
        // Claim the keys our menus carry, so that no built-in shortcut of
        // the widget runs them a second time.
        auto* ke = static_cast<QKeyEvent*>(e);
        TForm* form = ParentForm();
        if (form && form->FindShortCut(this, ShortCut(VirtualKeyOf(ke), ShiftStateOf(ke)))) {
            e->accept();
            return true;
        }
        return false;
    }
    case QEvent::KeyPress: {
        auto* ke = static_cast<QKeyEvent*>(e);
        std::uint16_t key = VirtualKeyOf(ke);
        TShiftState shift = ShiftStateOf(ke);
        TForm* form = ParentForm();
        if (form && form->IsShortCut(this, ShortCut(key, shift)))
            return true;
        if (form && (key == VK_ESCAPE || (key == VK_RETURN && !WantReturns())) && form->DialogKey(key))
            return true;
        if (OnKeyDown) {
            OnKeyDown(this, key, shift);
            if (key == 0)
                return true;
        }
        // Alt with a key is a command (a menu's or a caption's accelerator),
        // never typing.
        if ((shift & ssAlt) && !(shift & ssCtrl) && !ke->text().isEmpty())
            return true;
        if (OnKeyPress && !ke->text().isEmpty() && ke->text().at(0).unicode() < 0x80) {
            char ch = char(ke->text().at(0).unicode());
            OnKeyPress(this, ch);
            if (ch == 0)
                return true;
        }
        return false;
    }
    case QEvent::KeyRelease:
        if (OnKeyUp) {
            auto* ke = static_cast<QKeyEvent*>(e);
            std::uint16_t key = VirtualKeyOf(ke);
            OnKeyUp(this, key, ShiftStateOf(ke));
            return key == 0;
        }
        return false;
    case QEvent::Resize:
        Realign();
        if (OnResize)
            OnResize(this);
        return false;
    case QEvent::FocusIn:
        if (OnEnter)
            OnEnter(this);
        return false;
    case QEvent::FocusOut:
        if (OnExit)
            OnExit(this);
        return false;
    default:
        return TControl::WidgetEvent(e);
    }
}
