#include "widgets/TB97.h"

#include "widgets/TB97Dock.h"

#include "platform/AppHooks.h"
#include "platform/Form.h"
#include "platform/Menus.h"
#include "platform/Mouse.h"
#include "platform/TextCodec.h"
#include "platform/Timer.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace {

constexpr int kArrowPart = 11;  // the drop-down part of a combo button

}

// --- Unit-wide state ----------------------------------------------------------

struct TB97Unit {
    std::unique_ptr<TTimer> timer;
    TToolbarButton97* tracked = nullptr;
    int hook = -1;
    std::function<bool()> applicationActive;
    // The button whose menu was closed by a press that Qt hands on again.
    TToolbarButton97* swallowPress = nullptr;

    static TB97Unit& get()
    {
        static TB97Unit unit;
        return unit;
    }

    TTimer* hoverTimer()
    {
        if (!timer) {
            timer = std::make_unique<TTimer>(nullptr);
            timer->SetEnabled(false);
            timer->SetInterval(125);
        }
        return timer.get();
    }

    // The application's deactivation takes the mouse from the tracked button.
    void installHook()
    {
        if (hook >= 0)
            return;
        hook = HookMainWindow([this](TMessage& m) {
            bool deactivated = m.Msg == CM_DEACTIVATE || (m.Msg == WM_ACTIVATEAPP && m.WParam == 0);
            if (deactivated && tracked)
                tracked->leaveHover();
            return false;
        });
    }

    bool isApplicationActive() const
    {
        if (applicationActive)
            return applicationActive();
        return QGuiApplication::applicationState() == Qt::ApplicationActive || QApplication::activeWindow();
    }
};

TToolbarButton97* TToolbarButton97::TrackedButton() { return TB97Unit::get().tracked; }
TTimer* TToolbarButton97::HoverTimer() { return TB97Unit::get().hoverTimer(); }
void TToolbarButton97::SetApplicationActiveSource(std::function<bool()> source)
{
    TB97Unit::get().applicationActive = std::move(source);
}

// --- The button -------------------------------------------------------------------

TToolbarButton97::TToolbarButton97(TComponent* owner)
    : TGroupButton(owner, TButtonFamily::Tool)
{
    ControlStyle = csCaptureMouse | csOpaque | csDoubleClicks;
    SetBounds(0, 0, 23, 22);
    m_glyph.OnChange = [this] { repaintButton(true); };
    TB97Unit::get().installHook();
}

TToolbarButton97::~TToolbarButton97()
{
    TB97Unit& u = TB97Unit::get();
    if (u.tracked == this) {
        u.hoverTimer()->SetEnabled(false);
        u.tracked = nullptr;
    }
    if (u.swallowPress == this)
        u.swallowPress = nullptr;
    m_glyph.OnChange = nullptr;
}

void TToolbarButton97::SetAllowAllUp(bool on)
{
    m_allowAllUp = on;
    TellGroup();
}

void TToolbarButton97::SetGroupIndex(int index)
{
    m_groupIndex = index;
    TellGroup();
}

void TToolbarButton97::SetDisplayMode(TButtonDisplayMode mode) { SetLook(m_displayMode, mode); }

void TToolbarButton97::SetDown(bool on)
{
    if (!Latch(on))
        return;
    m_state = on ? tsHeld : tsUp;
    repaintButton(true);
    if (on)
        TellGroup();
}

void TToolbarButton97::SetDropdownArrow(bool on) { SetLook(m_dropdownArrow, on); }

void TToolbarButton97::SetDropdownCombo(bool on)
{
    if (on == m_dropdownCombo)
        return;
    m_dropdownCombo = on;
    SetWidth(on ? Width() + kArrowPart : std::max(1, Width() - kArrowPart));
    repaintButton(true);
}

void TToolbarButton97::SetDropdownMenu(TPopupMenu* menu)
{
    m_dropdownMenu = menu;
    m_dropdownMenuAlive = menu ? menu->AliveGuard() : TAliveGuard();
    if (m_dropdownArrow)
        repaintButton(true);
}

void TToolbarButton97::SetFlat(bool on)
{
    m_flat = on;
    ControlStyle = (m_opaque || !m_flat) ? ControlStyle | csOpaque : ControlStyle & ~unsigned(csOpaque);
    repaintButton(true);
}

void TToolbarButton97::SetGlyph(const TBitmap& bitmap) { m_glyph.SetGlyph(bitmap); }

void TToolbarButton97::SetLayout(TButtonLayout layout) { SetLook(m_layout, layout); }

void TToolbarButton97::SetMargin(int margin)
{
    if (margin < -1)
        return;
    m_margin = margin;
    repaintButton(true);
}

void TToolbarButton97::SetNumGlyphs(int n)
{
    m_glyph.SetNumGlyphs(n);
    repaintButton(true);
}

void TToolbarButton97::SetOldDisabledStyle(bool on)
{
    m_glyph.SetOldDisabledStyle(on);
    repaintButton(true);
}

void TToolbarButton97::SetOpaque(bool on)
{
    m_opaque = on;
    ControlStyle = (m_opaque || !m_flat) ? ControlStyle | csOpaque : ControlStyle & ~unsigned(csOpaque);
    Invalidate();
}

void TToolbarButton97::SetSpacing(int spacing) { SetLook(m_spacing, spacing); }

void TToolbarButton97::SetWordWrap(bool on) { SetLook(m_wordWrap, on); }

void TToolbarButton97::SetShowHint(bool on)
{
    m_showHint = on;
    Widget()->setToolTip(on ? BytesToQString(Hint()) : QString());
}

void TToolbarButton97::SetCaption(const std::string& text)
{
    TGraphicControl::SetCaption(text);
    repaintButton(true);
}

void TToolbarButton97::SetEnabled(bool on)
{
    if (on == Enabled())
        return;
    TGraphicControl::SetEnabled(on);
    Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TToolbarButton97::repaintButton(bool) { Invalidate(); }

void TToolbarButton97::GroupReleased()
{
    m_state = tsUp;
    repaintButton(true);
}

// --- Mouse tracking ----------------------------------------------------------------

void TToolbarButton97::MouseMove(TShiftState shift, int x, int y)
{
    TGraphicControl::MouseMove(shift, x, y);
    TB97Unit& u = TB97Unit::get();
    if (u.tracked != this && FindDragTarget(ClientToScreen({ x, y }), true) == this) {
        if (u.tracked)
            u.tracked->leaveHover();
        if (u.isApplicationActive()) {
            QWidget* active = QApplication::activeWindow();
            TControl* activeControl = active ? TControl::FromWidget(active) : nullptr;
            TForm* activeForm = activeControl ? (dynamic_cast<TForm*>(activeControl) ? static_cast<TForm*>(activeControl) : activeControl->ParentForm()) : nullptr;
            if (!activeForm || activeForm == ParentForm()) {
                u.tracked = this;
                u.hoverTimer()->OnTimer = [](TObject*) {
                    if (TToolbarButton97* b = TB97Unit::get().tracked)
                        b->hoverTimerTick();
                };
                u.hoverTimer()->SetEnabled(true);
                enterHover();
            }
        }
    }
    if (m_pressing) {
        TToolButtonState state = m_down ? tsHeld : inside(x, y) ? tsPressed : tsUp;
        if (state != m_state) {
            m_state = state;
            repaintButton(true);
        }
    }
}

bool TToolbarButton97::inside(int x, int y) const
{
    int width = Width() - (m_dropdownCombo && DropdownMenu() ? kArrowPart : 0);
    return x >= 0 && x < width && y >= 0 && y < Height();
}

void TToolbarButton97::enterHover()
{
    if (!Enabled() || m_mouseIn)
        return;
    m_mouseIn = true;
    if (m_state == tsUp)
        m_state = tsHot;
    repaintButton(m_down);
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TToolbarButton97::leaveHover()
{
    if (!Enabled() || !m_mouseIn || m_pressing)
        return;
    if (m_state == tsHot || (m_state == tsPressed && !m_inClick))
        m_state = tsUp;
    m_mouseIn = false;
    repaintButton(true);
    TB97Unit& u = TB97Unit::get();
    if (u.tracked == this) {
        u.hoverTimer()->SetEnabled(false);
        u.tracked = nullptr;
    }
    if (OnMouseExit)
        OnMouseExit(this);
}

void TToolbarButton97::hoverTimerTick()
{
    if (FindDragTarget(GetCursorPos(), true) != this)
        leaveHover();
}

void TToolbarButton97::syncHover()
{
    if (!Enabled())
        return;
    bool over = FindDragTarget(GetCursorPos(), true) == this;
    m_mouseIn = !over;
    if (over)
        enterHover();
    else
        leaveHover();
}

// --- Pressing and clicking -----------------------------------------------------------

void TToolbarButton97::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TB97Unit& u = TB97Unit::get();
    // The press that closed this button's own menu comes round again: drop it.
    if (u.swallowPress == this && button == mbLeft) {
        SetMouseCapture(false);
        return;
    }
    TGraphicControl::MouseDown(button, shift, x, y);
    if (!Enabled())
        return;
    if (button != mbLeft) {
        enterHover();
        return;
    }
    if (!m_mouseIn) {
        m_mouseIn = true;
        if (OnMouseEnter)
            OnMouseEnter(this);
    }
    m_menuPressed = DropdownMenu() && (!m_dropdownCombo || x >= Width() - kArrowPart);
    struct ClearMenuPressed {
        bool& flag;
        ~ClearMenuPressed() { flag = false; }
    } clear { m_menuPressed };
    if (!m_down) {
        m_state = tsPressed;
        repaintButton(true);
    } else if (m_allowAllUp) {
        repaintButton(true);
    }
    if (m_menuPressed)
        Click();
    else
        m_pressing = true;
}

void TToolbarButton97::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbRight && Enabled()) {
        m_pressing = false;
        leaveHover();
    }
    TGraphicControl::MouseUp(button, shift, x, y);
    if (button != mbLeft || !m_pressing)
        return;
    m_pressing = false;
    bool in = inside(x, y);
    if (m_groupIndex != 0) {
        if (in)
            SetDown(!m_down);
        else if (m_down)
            m_state = tsHeld;
    }
    if (in)
        Click();
    else
        syncHover();
}

void TToolbarButton97::Click()
{
    m_inClick = true;
    struct EndClick {
        TToolbarButton97* b;
        ~EndClick()
        {
            b->m_inClick = false;
            if (b->m_state == tsPressed)
                b->m_state = tsUp;
            if (!b->Destroying()) {
                b->repaintButton(true);
                b->syncHover();
            }
        }
    } end { this };
    if (m_state == tsUp || m_state == tsHot) {
        m_state = tsPressed;
        repaintButton(true);
    }
    leaveHover();
    if (!DropdownMenu() || (m_dropdownCombo && !m_menuPressed))
        TGraphicControl::Click();
    else
        dropMenu();
}

void TToolbarButton97::dropMenu()
{
    SetMouseCapture(false);
    // Below the button; on a toolbar docked at the left beside it to the
    // right, at the right beside it to the left (the menu's right edge at
    // the button's left).
    TPoint at { 0, Height() };
    TPopupAlignment alignment = paLeft;
    if (DockedLeftRight(this)) {
        if (static_cast<TToolbar97*>(Parent())->DockedTo()->Position() == dpLeft)
            at = { Width(), 0 };
        else
            at = { 0, 0 }, alignment = paRight;
    }
    const TPoint screen = ClientToScreen(at);
    TPopupMenu* menu = DropdownMenu();
    menu->PopupComponent = this;
    // The press that closes the menu is handed on by the platform to the
    // control under the mouse, during the menu's loop or queued after it; on
    // this button it would drop the menu again. Such a press is ignored
    // until the loop has turned once after the menu closed.
    TB97Unit& u = TB97Unit::get();
    u.swallowPress = this;
    struct Restore {
        TToolbarButton97* b;
        TPopupMenu* menu;
        TAliveGuard menuAlive;
        TPopupAlignment alignment;
        ~Restore()
        {
            // A command of the menu may have freed it.
            if (menuAlive)
                menu->Alignment = alignment;
            QTimer::singleShot(0, b->Widget(), [b = b] {
                if (TB97Unit::get().swallowPress == b)
                    TB97Unit::get().swallowPress = nullptr;
            });
        }
    } restore { this, menu, menu->AliveGuard(), menu->Alignment };
    menu->Alignment = alignment;
    menu->Popup(screen.X, screen.Y);
}

void TToolbarButton97::DblClick()
{
    if (m_down)
        TGraphicControl::DblClick();
}

void TToolbarButton97::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CM_ENABLEDCHANGED:
        // A disabled button lets go of a press; enabled again it shows its
        // Down state as a held button does.
        if (!Enabled()) {
            m_state = tsDisabled;
            m_pressing = false;
        } else if (m_state == tsDisabled) {
            m_state = m_down && m_groupIndex ? tsHeld : tsUp;
        }
        m_glyph.StateImage(Enabled() ? tsUp : tsDisabled);
        syncHover();
        repaintButton(true);
        return;
    case CM_SYSCOLORCHANGE: {
        TGraphicControl::WndProc(m);
        m_glyph.Invalidate();
        m_glyph.StateImage(m_state);
        return;
    }
    case CM_MOUSELEAVE:
        // Handled when the loop is idle again, as the class library does: a
        // move onto a neighbour reaches the neighbour first, which takes the
        // mouse from this button before the leave notice is looked at.
        TGraphicControl::WndProc(m);
        QTimer::singleShot(0, Widget(), [this] { leaveHover(); });
        return;
    default:
        TGraphicControl::WndProc(m);
    }
}

// --- Painting --------------------------------------------------------------------------

void TToolbarButton97::Paint()
{
    if (TCanvas* canvas = Canvas())
        PaintTo(*canvas);
}

// What the button shows: disabled whatever state a call left it in while
// it was disabled (SetDown, a group release); enabling it again sets its
// state anew (CM_ENABLEDCHANGED).
TToolButtonState TToolbarButton97::shownState() const { return Enabled() ? m_state : tsDisabled; }

void TToolbarButton97::PaintTo(TCanvas& canvas)
{
    if (m_opaque || !m_flat) {
        canvas.Brush = TBrush();
        canvas.Brush.Color = Color;
        canvas.FillRect({ 0, 0, Width(), Height() });
    }
    const TToolButtonState state = shownState();
    canvas.Font = Font;
    TRect r { 0, 0, Width(), Height() };
    const bool combo = m_dropdownCombo && DropdownMenu();
    const bool pushedState = state == tsPressed || state == tsHeld;
    const bool edge = !m_flat || pushedState || (m_mouseIn && state != tsDisabled);
    auto edgeStyle = [this](bool pushed) -> std::pair<unsigned, unsigned> {
        if (!m_flat)
            return { pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_SOFT };
        return { pushed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT };
    };
    if (combo) {
        if (edge) {
            auto [style, flags] = edgeStyle(pushedState && m_menuPressed);
            DrawEdge(canvas, { r.Right - kArrowPart, r.Top, r.Right - 2, r.Bottom }, style, flags);
        }
        r.Right -= kArrowPart;
    }
    const bool pushed = pushedState && !(combo && m_menuPressed);
    if (edge) {
        auto [style, flags] = edgeStyle(pushed);
        DrawEdge(canvas, r, style, flags);
    }
    const int inset = m_flat ? 1 : 2;
    r = { r.Left + inset, r.Top + inset, r.Right - inset, r.Bottom - inset };
    TPoint offset = pushed ? TPoint { 1, 1 } : TPoint { 0, 0 };
    if (state == tsHeld && (!m_flat || !m_mouseIn)) {
        canvas.Brush = TBrush();
        canvas.Brush.Bitmap = &CheckerPattern();
        canvas.FillRect(r);
        canvas.Brush.Bitmap = nullptr;
    }
    TButtonGlyph::Content content;
    content.client = r;
    content.offset = offset;
    content.caption = Caption();
    content.wordWrap = m_wordWrap;
    content.layout = m_layout;
    content.margin = m_margin;
    content.spacing = m_spacing;
    content.showGlyph = m_displayMode != dmTextOnly;
    content.showText = m_displayMode != dmGlyphOnly;
    content.dropArrow = m_dropdownArrow && !m_dropdownCombo && DropdownMenu();
    m_glyph.DrawContent(canvas, content, state);
    if (combo) {
        const int x = Width() - 13, y = Height() / 2 - 1;
        for (int row = 0; row < 3; ++row)
            for (int i = x + 4 + row; i <= x + 8 - row; ++i)
                canvas.SetPixel(i, y + row, state == tsDisabled ? clBtnShadow : canvas.Font.Color);
    }
}

