// Speed, popup and menu buttons, and the menu bar they make together.

#include "widgets/ita_Office97.h"

#include "platform/AppHooks.h"
#include "platform/Form.h"
#include "platform/Menus.h"
#include "platform/Messages.h"
#include "platform/Mouse.h"

#include <QApplication>
#include <QWidget>

#include <chrono>
#include <random>

namespace {

enum : int { stUp = 0, stDisabled = 1, stPressed = 2, stExclusive = 3 };

// The menu bar, one copy per program.
int g_menuButtons = 0;
int g_filter = -1;
bool g_menuMode = false;
TitaMenuButton* g_current = nullptr;
TForm* g_ownerForm = nullptr;
// The open menu was closed because the mouse moved onto another button.
bool g_switch = false;
TitaMenuButton* g_switchTo = nullptr;
bool g_hookBusy = false;

void releaseBar(TitaMenuButton* current)
{
    if (current)
        current->Release();
    g_ownerForm = nullptr;
    g_current = nullptr;
    g_menuMode = false;
}

bool inside(const TControl* c, TPoint screen)
{
    QPoint p = c->Widget()->mapFromGlobal(QPoint(screen.X, screen.Y));
    return p.x() >= 0 && p.y() >= 0 && p.x() <= c->Width() && p.y() <= c->Height();
}

// Sees every mouse message while a menu of the bar is open. A move onto
// another visible menu button of the same window pops the open one up and
// closes this program's open menu (and only that), recording the switch.
bool menuBarFilter(UINT msg, TPoint screen, TControl*)
{
    if (g_hookBusy)
        return false;
    // Cleared on every way out.
    struct Busy {
        Busy() { g_hookBusy = true; }
        ~Busy() { g_hookBusy = false; }
    } busy;
    if (!g_ownerForm || !g_menuMode || msg != WM_MOUSEMOVE)
        return false;
    TitaMenuButton* found = nullptr;
    for (int i = 0; i < g_ownerForm->ComponentCount() && !found; ++i) {
        auto* b = dynamic_cast<TitaMenuButton*>(g_ownerForm->Components(i));
        if (b && b != g_current && b->Visible() && b->Widget()->isVisible() && inside(b, screen))
            found = b;
    }
    if (!found)
        return false;
    if (g_current)
        g_current->Release();
    g_switch = false;
    if (QWidget* open = QApplication::activePopupWidget())
        open->close();
    g_switch = true;
    g_switchTo = found;
    return false;
}

TForm* ownerFormOf(TControl* c)
{
    if (auto* f = dynamic_cast<TForm*>(c->Owner()))
        return f;
    return c->ParentForm();
}

}  // namespace

// --- TitaSpeedButton -------------------------------------------------------

TitaSpeedButton::TitaSpeedButton(TComponent* owner)
    : TGroupButton(owner, TButtonFamily::Speed)
{
    SetBounds(0, 0, 22, 22);
    // The button clicks itself on the release, the bottom edge included.
    ControlStyle = csCaptureMouse | csOpaque | csDoubleClicks;
}

TitaSpeedButton::~TitaSpeedButton() = default;

int TitaSpeedButton::State() const { return Enabled() ? m_state : stDisabled; }

void TitaSpeedButton::SetDown(bool value)
{
    if (!Latch(value))
        return;
    if (m_down) {
        if (m_state == stUp)
            Invalidate();
        m_state = stExclusive;
        TellGroup();
    } else {
        m_state = stUp;
        Invalidate();
    }
}

void TitaSpeedButton::SetGroupIndex(int v)
{
    if (Change(m_groupIndex, v))
        TellGroup();
}

void TitaSpeedButton::SetAllowAllUp(bool v)
{
    if (Change(m_allowAllUp, v))
        TellGroup();
}

void TitaSpeedButton::SetFlat(bool v)
{
    if (Change(m_flat, v))
        Invalidate();
}

void TitaSpeedButton::SetLayout(TButtonLayout v)
{
    if (Change(m_layout, v))
        Invalidate();
}

void TitaSpeedButton::SetGlyphIndex(int v) { SetLook(m_glyphIndex, v); }

void TitaSpeedButton::SetGlyphText(const std::string& text) { SetLook(m_glyphText, text); }

void TitaSpeedButton::SetCaption(const std::string& text)
{
    TControl::SetCaption(text);
    Invalidate();
}

void TitaSpeedButton::SetEnabled(bool on)
{
    TControl::SetEnabled(on);
    // A disabled button lets go of the mouse and comes back at rest.
    if (!on) {
        m_dragging = false;
        m_state = m_down && m_groupIndex ? stExclusive : stUp;
    }
    recomputeMouseIn();
    Invalidate();
}

void TitaSpeedButton::GroupReleased()
{
    m_state = stUp;
    Invalidate();
}

void TitaSpeedButton::DblClick()
{
    if (m_down)
        TGraphicControl::DblClick();
}

void TitaSpeedButton::SetMouseIn(bool on)
{
    if (on == m_mouseIn)
        return;
    m_mouseIn = on;
    Invalidate();
}

void TitaSpeedButton::recomputeMouseIn()
{
    if (m_flat)
        m_mouseIn = Enabled() && FindDragTarget(GetCursorPos(), true) == this;
}

void TitaSpeedButton::MouseEnter()
{
    if (m_flat && !m_mouseIn && Enabled() && m_tracking) {
        if (OnMouseEnter)
            OnMouseEnter(this);
        m_mouseIn = true;
        Invalidate();
    }
}

void TitaSpeedButton::MouseLeave()
{
    if (m_flat && m_mouseIn && Enabled() && m_tracking) {
        m_mouseIn = false;
        if (OnMouseLeave)
            OnMouseLeave(this);
        Invalidate();
    }
}

void TitaSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled())
        return;
    if (!m_down) {
        m_state = stPressed;
        Repaint();
    }
    m_dragging = true;
}

void TitaSpeedButton::MouseMove(TShiftState shift, int x, int y)
{
    TGraphicControl::MouseMove(shift, x, y);
    if (!m_dragging)
        return;
    bool in = x >= 0 && x < Width() && y >= 0 && y <= Height();
    int state = m_down ? stExclusive : in ? stPressed : stUp;
    if (state != m_state) {
        m_state = state;
        Invalidate();
    }
}

void TitaSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseUp(button, shift, x, y);
    if (!m_dragging)
        return;
    m_dragging = false;
    bool click = x >= 0 && x < Width() && y >= 0 && y <= Height();
    if (m_groupIndex == 0) {
        m_state = stUp;
        m_mouseIn = false;
        Invalidate();
    } else if (click) {
        SetDown(!m_down);
    } else {
        if (m_down)
            m_state = stExclusive;
        Invalidate();
    }
    if (click)
        Click();
    recomputeMouseIn();
    Invalidate();
}

void TitaSpeedButton::PaintCaption(TCanvas& canvas, TRect r, bool enabled)
{
    const std::string& text = Caption().empty() ? m_glyphText : Caption();
    canvas.Brush.Style = bsClear;
    const unsigned format = DT_SINGLELINE | DT_CENTER | DT_VCENTER;
    if (enabled) {
        canvas.Font.Color = Font.Color;
        canvas.DrawText(text, r, format);
        return;
    }
    TRect moved { r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1 };
    canvas.Font.Color = clBtnHighlight;
    canvas.DrawText(text, moved, format);
    canvas.Font.Color = clBtnShadow;
    canvas.DrawText(text, r, format);
}

void TitaSpeedButton::PaintTo(TCanvas& canvas)
{
    const int state = State();
    const bool sunk = state == stPressed || state == stExclusive;
    canvas.Font = Font;
    TRect r { 0, 0, Width(), Height() };
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clBtnFace;
    if (m_flat) {
        canvas.Pen.Color = !m_mouseIn ? clBtnFace : sunk ? clBtnShadow : clBtnHighlight;
        canvas.Rectangle(r.Left, r.Top, r.Right, r.Bottom);
        if (m_mouseIn) {
            canvas.Pen.Color = sunk ? clBtnHighlight : clBtnShadow;
            canvas.MoveTo(r.Left, r.Bottom - 1);
            canvas.LineTo(r.Right - 1, r.Bottom - 1);
            canvas.LineTo(r.Right - 1, r.Top - 1);
        }
    } else {
        canvas.FillRect(r);
        Frame3D(canvas, r, sunk ? clBtnShadow : clBtnHighlight, sunk ? clBtnHighlight : clBtnShadow, 1);
    }
    if (sunk)
        r = { r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1 };
    if (state == stExclusive && (!m_flat || !m_mouseIn)) {
        canvas.Brush.Bitmap = &CheckerPattern();
        canvas.FillRect(r);
        canvas.Brush.Bitmap = nullptr;
    }
    if (Glyphs && !Glyphs->Picture().Empty()) {
        const TBitmap& cell = Glyphs->GetCell(m_glyphIndex);
        const int w = cell.Width(), h = cell.Height();
        const std::string& text = Caption();
        TRect g { r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2 };
        TRect t;
        unsigned align = DT_CENTER;
        if (m_layout == blGlyphLeft || m_layout == blGlyphRight) {
            int d = (w - g.Width()) / 2;
            g = { g.Left - d, g.Top, g.Right + d, g.Bottom };
            if (!text.empty()) {
                int half = canvas.TextWidth(text) / 2;
                g = { g.Left - half, g.Top, g.Right + half, g.Bottom };
            }
            t = g;
            if (m_layout == blGlyphLeft) {
                t.Left += w + 4;
                align = DT_LEFT;
            } else {
                t.Right -= w + 4;
                align = DT_RIGHT;
                g.Left = g.Right - w;
            }
            g.Top += (g.Height() - h) / 2;
        } else {
            int d = (h - g.Height()) / 2;
            g = { g.Left, g.Top - d, g.Right, g.Bottom + d };
            int textHeight = text.empty() ? 0 : canvas.TextHeight(text);
            if (!text.empty())
                g = { g.Left, g.Top - textHeight / 2, g.Right, g.Bottom + textHeight / 2 };
            t = g;
            if (m_layout == blGlyphTop) {
                t.Top += h + 4;
                t.Bottom = t.Top + textHeight;
            } else {
                t.Bottom -= h + 4;
                t.Top = t.Bottom - textHeight;
                g.Top = g.Bottom - h;
            }
            g.Left += (g.Width() - w) / 2;
        }
        const unsigned format = DT_SINGLELINE | DT_VCENTER | align;
        canvas.Brush.Style = bsClear;
        if (Enabled()) {
            Glyphs->DrawCell(canvas, g.Left, g.Top, m_glyphIndex);
            if (!text.empty()) {
                canvas.Font.Color = Font.Color;
                canvas.DrawText(text, t, format);
            }
        } else {
            // Embossed: the black of the cell, once light and once dark;
            // other colours of the cell vanish.
            for (int x = 0; x < w; ++x)
                for (int y = 0; y < h; ++y)
                    if (cell.Pixel(x, y) == clBlack) {
                        canvas.SetPixel(g.Left + x + 1, g.Top + y + 1, clBtnHighlight);
                        canvas.SetPixel(g.Left + x, g.Top + y, clBtnShadow);
                    }
            if (!text.empty()) {
                TRect moved { t.Left + 1, t.Top + 1, t.Right + 1, t.Bottom + 1 };
                canvas.Font.Color = clBtnHighlight;
                canvas.DrawText(text, moved, format);
                canvas.Font.Color = clBtnShadow;
                canvas.DrawText(text, t, format);
            }
        }
    } else {
        PaintCaption(canvas, r, Enabled());
    }
    if (m_flat && sunk) {
        canvas.Pen.Color = clBtnShadow;
        canvas.MoveTo(0, Height());
        canvas.LineTo(0, 0);
        canvas.LineTo(Width(), 0);
        canvas.Pen.Color = clBtnHighlight;
        canvas.MoveTo(0, Height() - 1);
        canvas.LineTo(Width() - 1, Height() - 1);
        canvas.LineTo(Width() - 1, -1);
    }
}

// --- TitaPopupButton ---------------------------------------------------------

TitaPopupButton::TitaPopupButton(TComponent* owner)
    : TitaSpeedButton(owner)
{
    SetAlign(alNone);
    static std::minstd_rand random(unsigned(std::chrono::steady_clock::now().time_since_epoch().count()));
    SetGroupIndex(int(random() % 10000));
    SetAllowAllUp(true);
}

TitaPopupButton::~TitaPopupButton() = default;

void TitaPopupButton::Click()
{
    TitaSpeedButton::Click();
    if (Menu) {
        TPoint p = ClientToScreen({ 0, Height() });
        Menu->PopupComponent = this;
        Menu->Popup(p.X, p.Y);
    }
}

// --- TitaMenuButton ----------------------------------------------------------

TitaMenuButton::TitaMenuButton(TComponent* owner)
    : TitaPopupButton(owner)
{
    if (g_menuButtons++ == 0)
        g_filter = InstallMouseFilter(menuBarFilter);
}

TitaMenuButton::~TitaMenuButton()
{
    if (g_current == this)
        releaseBar(nullptr);
    if (g_switchTo == this)
        g_switchTo = nullptr;
    if (--g_menuButtons == 0) {
        RemoveMouseFilter(g_filter);
        g_filter = -1;
    }
}

void TitaMenuButton::Release()
{
    SetMouseIn(false);
    SetDown(false);
}

bool TitaMenuButton::MenuMode() { return g_menuMode; }

TitaMenuButton* TitaMenuButton::CurrentButton() { return g_current; }

void TitaMenuButton::Click()
{
    if (!Menu)
        return;
    if (this == g_current) {
        releaseBar(this);
        return;
    }
    open(true);
}

void TitaMenuButton::open(bool releaseAfter)
{
    // Below the button in a row, to its right in a column.
    TPoint drop = Align() == alLeft || Align() == alRight ? ClientToScreen({ 0, Height() }) : ClientToScreen({ Width(), 0 });
    SetMouseIn(true);
    SetDown(true);
    Repaint();
    g_menuMode = true;
    g_current = this;
    g_ownerForm = ownerFormOf(this);
    g_switch = false;
    Menu->PopupComponent = this;
    TMenuItem* chosen = Menu->Track(drop.X, drop.Y);
    // A choice or a dismissal releases the bar; a switch leaves it open for
    // the next button.
    if (!g_switch)
        releaseBar(g_current);
    if (releaseAfter)
        Release();
    if (g_switch && g_switchTo)
        // As the mouse entering the new button would: once this menu's loop
        // has ended.
        PostCall([] {
            if (TitaMenuButton* to = g_switchTo) {
                g_switchTo = nullptr;
                to->MouseEnter();
            }
        });
    if (chosen)
        chosen->Click();
}

void TitaMenuButton::MouseEnter()
{
    TitaPopupButton::MouseEnter();
    if (g_menuMode && Menu && this != g_current && g_switch) {
        g_switch = false;
        if (g_switchTo == this)
            g_switchTo = nullptr;
        open(false);
    }
}

void TitaMenuButton::PaintCaption(TCanvas& canvas, TRect r, bool enabled)
{
    if (!enabled || (Align() != alTop && Align() != alBottom)) {
        TitaSpeedButton::PaintCaption(canvas, r, enabled);
        return;
    }
    // In a column the caption reads upwards: drawn level into a bitmap of
    // the turned size, then its black pixels copied a quarter turn round.
    TBitmap level(Height(), Width());
    level.Canvas().Brush.Color = clBtnFace;
    level.Canvas().FillRect({ 0, 0, level.Width(), level.Height() });
    level.Canvas().Font.Color = clBlack;
    TRect t { 0, 0, level.Width(), level.Height() };
    level.Canvas().Brush.Style = bsClear;
    level.Canvas().DrawText(Caption(), t, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    // The loops run one past the bitmap's edge, as the design has them; a
    // pixel outside reads as none and is left alone.
    for (int c = 1; c <= level.Width(); ++c)
        for (int row = 1; row <= level.Height(); ++row)
            if (level.Pixel(c, row) == clBlack)
                canvas.SetPixel(row, Height() - c, clBlack);
}
