#include "widgets/ita_Office97.h"

#include "platform/Application.h"
#include "platform/Messages.h"
#include "widgets/flpfrm97.h"
#include "widgets/ita_common.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace {

using ToolBarState::kCaptionOffset;

// Set while bars are built and their state restored: nothing is saved, no
// float or static event fires, the mouse is not taken.
bool g_restoring = false;
// Set while a bar's MouseMove runs: a move arriving meanwhile (messages
// processed by a swap, or sent by re-parenting) returns at once.
bool g_dragGuard = false;

constexpr int kGripSize = 12;
constexpr int kMinBarSize = kGripSize + 4;
// How much of a floating bar's title bar stays on the screen at least.
constexpr int kTitleHold = 48;
// Stored places beyond this are nowhere near any screen.
constexpr int kFarOff = 1 << 20;

TPoint toScreen(const TControl* c, TPoint p)
{
    QPoint g = c->Widget()->mapToGlobal(QPoint(p.X, p.Y));
    return { g.x(), g.y() };
}

TRect screenRect(const TControl* c, TRect r)
{
    TPoint a = toScreen(c, { r.Left, r.Top });
    return { a.X, a.Y, a.X + r.Width(), a.Y + r.Height() };
}

bool intersects(const TRect& a, const TRect& b)
{
    return std::max(a.Left, b.Left) < std::min(a.Right, b.Right) && std::max(a.Top, b.Top) < std::min(a.Bottom, b.Bottom);
}

TRect screenArea()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    QRect r = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    return { r.left(), r.top(), r.left() + r.width(), r.top() + r.height() };
}

bool horizontalAlign(TAlign a) { return a == alNone || a == alTop || a == alBottom; }


}  // namespace

// --- TitaCustomPanel ---------------------------------------------------------

TitaCustomPanel::TitaCustomPanel(TComponent* owner)
    : TCustomControl(owner)
{
    ControlStyle &= ~(csSetCaption | csOpaque);
}

void TitaCustomPanel::Paint() { PaintPanel(*Canvas()); }

void TitaCustomPanel::SetBevelOuter(TPanelBevel v)
{
    if (v == m_bevelOuter)
        return;
    m_bevelOuter = v;
    Realign();
    Invalidate();
}

void TitaCustomPanel::SetBevelInner(TPanelBevel v)
{
    if (v == m_bevelInner)
        return;
    m_bevelInner = v;
    Realign();
    Invalidate();
}

void TitaCustomPanel::SetBevelSides(TSides v)
{
    if (v == m_sides)
        return;
    m_sides = v;
    Invalidate();
}

void TitaCustomPanel::SetBorderColor(TColor v)
{
    if (v == m_borderColor)
        return;
    m_borderColor = v;
    Invalidate();
}

void TitaCustomPanel::SetVerticalAlignment(TVerticalAlignment v)
{
    if (v == m_verticalAlignment)
        return;
    m_verticalAlignment = v;
    Invalidate();
}

void TitaCustomPanel::AdjustClientRect(TRect& r) const
{
    int inset = BorderWidth + (m_bevelOuter != bvNone ? BevelWidth : 0) + (m_bevelInner != bvNone ? BevelWidth : 0);
    r = { r.Left + inset, r.Top + inset, r.Right - inset, r.Bottom - inset };
}

void TitaCustomPanel::PaintPanel(TCanvas& canvas) const
{
    TRect r { 0, 0, Width(), Height() };
    // n lines of a frame on the chosen sides; the rectangle shrinks on
    // every side, whatever the sides.
    auto frame = [&](int n, TColor light, TColor dark) {
        for (int i = 0; i < n; ++i) {
            canvas.Pen.Color = light;
            if (m_sides & sdLeft) {
                canvas.MoveTo(r.Left, r.Top);
                canvas.LineTo(r.Left, r.Bottom);
            }
            if (m_sides & sdTop) {
                canvas.MoveTo(r.Left, r.Top);
                canvas.LineTo(r.Right, r.Top);
            }
            canvas.Pen.Color = dark;
            if (m_sides & sdRight) {
                canvas.MoveTo(r.Right - 1, r.Top);
                canvas.LineTo(r.Right - 1, r.Bottom);
            }
            if (m_sides & sdBottom) {
                canvas.MoveTo(r.Left, r.Bottom - 1);
                canvas.LineTo(r.Right, r.Bottom - 1);
            }
            r = { r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1 };
        }
    };
    auto bevel = [&](TPanelBevel b) {
        if (b == bvLowered)
            frame(BevelWidth, clBtnShadow, clBtnHighlight);
        else if (b == bvRaised)
            frame(BevelWidth, clBtnHighlight, clBtnShadow);
    };
    bevel(m_bevelOuter);
    if (BorderWidth > 0)
        frame(BorderWidth, m_borderColor, m_borderColor);
    bevel(m_bevelInner);
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = Color;
    canvas.FillRect(r);
    canvas.Brush.Style = bsClear;
}

// --- TitaDock ------------------------------------------------------------------

TitaDock::TitaDock(TComponent* owner)
    : TitaCustomPanel(owner)
{
    SetBounds(0, 0, 185, 48);
    SetAlign(alTop);
}

void TitaDock::Loaded()
{
    if (ControlCount() == 0)
        SetBounds(Left(), Top(), 0, 0);
}

bool TitaDock::Horizontal() const { return Align() != alLeft && Align() != alRight; }


// --- TitaToolBar -----------------------------------------------------------------

TitaToolBar::TitaToolBar(TComponent* owner)
    : TitaCustomPanel(owner)
{
    ControlStyle |= csOpaque;
    TControl::SetCaption("No Name");
    SetBounds(0, 0, 185, 26);
    SetBevelInner(bvRaised);
    g_restoring = true;
    m_dragBox = new TTBDragBox(this);
    m_dragBox->SetLeft(0);
    m_dragBox->SetAlign(alLeft);
    m_dragBox->SetParent(this);
}

TitaToolBar::~TitaToolBar()
{
    // The floating window has no owner: it goes with its bar.
    if (m_form) {
        m_form->ToolBar = nullptr;
        SetParent(nullptr);
        delete m_form;
    }
}

void TitaToolBar::SetCaption(const std::string& text)
{
    TControl::SetCaption(text);
    if (m_form)
        m_form->SetCaption(text);
}

void TitaToolBar::Loaded()
{
    g_restoring = true;
    sortControls();
    restoreState();
    g_restoring = false;
}

TitaDock* TitaToolBar::dock() const { return dynamic_cast<TitaDock*>(Parent()); }

void TitaToolBar::Realign()
{
    // The grip lies across the bar: at the left in a row, at the top in a
    // column or a floating window.
    if (m_dragBox && m_dragBox->Parent() == this) {
        TAlign grip = Parent() && (Parent()->Align() == alTop || Parent()->Align() == alBottom) ? alLeft : alTop;
        if (m_dragBox->Align() != grip) {
            m_dragBox->SetBounds(0, 0, kGripSize, kGripSize);
            m_dragBox->SetAlign(grip);
        }
    }
    TitaCustomPanel::Realign();
}

void TitaToolBar::AdjustClientRect(TRect& r) const
{
    TitaCustomPanel::AdjustClientRect(r);
    r = { r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1 };
}

void TitaToolBar::Hide()
{
    if (!Visible())
        return;
    if (OnHide)
        OnHide(this);
    if (m_floating)
        m_form->SetVisible(false);
    else if (dock())
        undock();
    SetVisible(false);
    if (!g_restoring)
        SaveState();
}

void TitaToolBar::Show()
{
    if (Visible())
        return;
    if (OnShow)
        OnShow(this);
    if (m_floating) {
        SetVisible(true);
        m_form->SetVisible(true);
    } else {
        SetVisible(true);
        if (dock())
            dockIn();
    }
}

std::string TitaToolBar::readStored(const char* name)
{
    static const std::string kMissing("\x01");
    std::string text = ReadRegString(Section(), name, kMissing);
    if (text == kMissing) {
        m_stored.erase(name);
        return {};
    }
    m_stored[name] = text;
    return text;
}

void TitaToolBar::writeStored(const char* name, const std::string& value)
{
    auto it = m_stored.find(name);
    if (it != m_stored.end() && it->second == value)
        return;
    WriteRegString(Section(), name, value);
    m_stored[name] = value;
}

void TitaToolBar::SaveState()
{
    if (g_restoring)
        return;
    int x = Left(), y = Top();
    if (m_floating) {
        x = m_form->Left();
        y = m_form->Top() + kCaptionOffset;
    }
    writeStored("isFloat", m_floating ? "1" : "0");
    writeStored("isVisible", Visible() ? "1" : "0");
    writeStored("XPosition", std::to_string(x));
    writeStored("YPosition", std::to_string(y));
    writeStored("Width", std::to_string(Width()));
    writeStored("Height", std::to_string(Height()));
    if (dock())
        writeStored("DockName", Parent()->Name);
}

void TitaToolBar::restoreState()
{
    Hide();
    auto integer = [this](const char* name, int def) { return StoredInteger(readStored(name), def); };
    auto boolean = [&](const char* name, bool def) { return integer(name, def ? 1 : 0) != 0; };
    int x = integer("XPosition", Left());
    int y = integer("YPosition", Top());
    // Whatever the store says, the bar comes back at a usable size: a size
    // out of all reason gives way to the one the bar has.
    const TRect screen = screenArea();
    auto size = [&](const char* name, int current, int most) {
        int v = integer(name, current);
        return v < kMinBarSize || v > std::max(kMinBarSize, most) ? current : v;
    };
    int w = size("Width", Width(), screen.Width());
    int h = size("Height", Height(), screen.Height() / 4);
    SetBounds(Left(), Top(), w, h);
    if (boolean("isFloat", false)) {
        floatAt(std::clamp(x, -kFarOff, kFarOff), std::clamp(y, -kFarOff, kFarOff));
        keepOnScreen();
        orientControls();
    } else {
        SetBounds(std::clamp(x, 0, std::max(0, screen.Width() - w)), std::max(0, y), w, h);
        std::string name = readStored("DockName");
        if (name.empty() && Parent())
            name = Parent()->Name;
        // A name that is no dock of the owner leaves the bar where it is.
        TitaDock* target = Owner() ? dynamic_cast<TitaDock*>(Owner()->FindComponent(name)) : nullptr;
        if (target && target != Parent()) {
            if (target->ControlCount() == 0)
                target->SetBounds(target->Left(), target->Top(), 0, 0);
            SetParent(target);
            orientControls();
        }
    }
    if (boolean("isVisible", true))
        Show();
}

void TitaToolBar::sortControls()
{
    m_sorted.clear();
    for (int i = 0; i < ControlCount(); ++i)
        m_sorted.push_back(Controls(i));
    bool vertical = Parent() && (Parent()->Align() == alLeft || Parent()->Align() == alRight || Parent()->Align() == alClient);
    auto columnAligned = [](TControl* c) { return c->Align() == alTop || c->Align() == alBottom; };
    for (std::size_t pass = 0; pass < m_sorted.size(); ++pass)
        for (std::size_t i = 0; i + 1 < m_sorted.size(); ++i) {
            TControl* a = m_sorted[i];
            TControl* b = m_sorted[i + 1];
            bool swap = vertical ? columnAligned(a) && columnAligned(b) && b->Top() < a->Top() : b->Left() < a->Left();
            if (swap)
                std::swap(m_sorted[i], m_sorted[i + 1]);
        }
}

void TitaToolBar::orientControls()
{
    if (!Parent() || Parent()->Align() == alClient)
        return;
    bool horizontal = horizontalAlign(Parent()->Align());
    for (TControl* c : m_sorted) {
        if (!c || c == m_dragBox)
            continue;
        if (horizontal && c->Align() != alLeft && c->Align() != alRight) {
            if (c->Align() == alBottom) {
                c->SetAlign(alRight);
            } else {
                c->SetLeft(c->Top());
                c->SetAlign(alLeft);
            }
        } else if (!horizontal && c->Align() != alTop && c->Align() != alBottom) {
            if (c->Align() == alRight) {
                c->SetAlign(alBottom);
            } else {
                c->SetTop(c->Left());
                c->SetAlign(alTop);
            }
        }
    }
}

// Width and height change places, and the controls follow the new
// direction.
void TitaToolBar::turn(bool toHorizontal)
{
    std::swap(m_grabX, m_grabY);
    SetBounds(Left(), Top(), Height(), Width());
    for (auto it = m_sorted.rbegin(); it != m_sorted.rend(); ++it) {
        TControl* c = *it;
        if (!c || c == m_dragBox)
            continue;
        if (toHorizontal) {
            if (c->Align() == alBottom) {
                c->SetAlign(alRight);
            } else {
                c->SetLeft(c->Top());
                c->SetAlign(alLeft);
            }
        } else {
            if (c->Align() == alRight) {
                c->SetAlign(alBottom);
            } else {
                c->SetTop(c->Left());
                c->SetAlign(alTop);
            }
        }
    }
}

void TitaToolBar::undock()
{
    TitaDock* d = dock();
    if (!g_restoring)
        SetVisible(false);
    SetBevelInner(bvNone);
    m_dragBox->SetVisible(false);
    if (d->Horizontal()) {
        for (int i = 0; i < d->ControlCount(); ++i) {
            TControl* c = d->Controls(i);
            if (c != this && c->Top() >= Top() + Height())
                c->SetTop(c->Top() - Height());
        }
        bool shared = false;
        for (int i = 0; i < d->ControlCount(); ++i) {
            TControl* c = d->Controls(i);
            shared = shared || (c != this && c->Top() == Top() && c->Height() == Height() && c->Left() < Left());
        }
        if (!shared)
            d->SetHeight(d->Height() - Height());
    } else {
        for (int i = 0; i < d->ControlCount(); ++i) {
            TControl* c = d->Controls(i);
            if (c != this && c->Left() >= Left() + Width())
                c->SetLeft(c->Left() - Width());
        }
        bool shared = false;
        for (int i = 0; i < d->ControlCount(); ++i) {
            TControl* c = d->Controls(i);
            shared = shared || (c != this && c->Left() == Left() && c->Width() == Width());
        }
        if (!shared)
            d->SetWidth(d->Width() - Width());
        if (Width() < Height())
            turn(true);
    }
    if (!g_restoring)
        SetVisible(true);
}

void TitaToolBar::dockIn()
{
    TitaDock* d = dock();
    SetVisible(false);
    if (!g_restoring && OnStatic)
        OnStatic(this);
    SetBevelInner(bvRaised);
    m_dragBox->SetVisible(true);
    if (d->Horizontal()) {
        if (Width() < Height())
            turn(true);
        SetTop(d->Height());
        bool shared = false;
        for (int i = 0; i < d->ControlCount(); ++i) {
            TControl* c = d->Controls(i);
            shared = shared || (c != this && c->Top() == Top() && c->Height() == Height() && c->Left() < Left());
        }
        if (!shared)
            d->SetHeight(d->Height() + Height());
    } else {
        if (Height() < Width())
            turn(false);
        SetLeft(d->Width());
        d->SetWidth(d->Width() + Width());
    }
    Realign();
    SetVisible(true);
    if (!g_restoring)
        takeMouseCapture();
}

void TitaToolBar::floatAt(int x, int y)
{
    if (m_floating) {
        m_form->SetBounds(x, y - kCaptionOffset, m_form->Width(), m_form->Height());
        return;
    }
    if (!g_restoring && OnFloat)
        OnFloat(this);
    m_floating = true;
    // Out of its row it needs no more room than its controls take; a stored
    // size only comes back for a window the user may size.
    if (!g_restoring || !AllowResize)
        SetBounds(Left(), Top(), neededWidth(), Height());
    bool wasVisible = Visible();
    m_form = new TFPForm97(nullptr);
    m_form->SetSizeable(AllowResize);
    m_form->SetBounds(x, y - kCaptionOffset, Width(), Height() + kCaptionOffset);
    m_form->SetCaption(Caption());
    m_form->ToolBar = this;
    if (wasVisible) {
        m_form->SetVisible(true);
        SetVisible(false);
    }
    SetBounds(0, 0, Width(), Height());
    SetParent(m_form);
    Realign();
    if (wasVisible)
        SetVisible(true);
}

void TitaToolBar::keepOnScreen()
{
    // Where it was, moved only as far as keeps a piece of its title bar on
    // the screen to take hold of.
    const TRect screen = screenArea();
    const int w = m_form->Width();
    const int hold = std::min(w, kTitleHold);
    const int left = std::clamp(m_form->Left(), screen.Left - w + hold, std::max(screen.Left - w + hold, screen.Right - hold));
    const int top = std::clamp(m_form->Top(), screen.Top, std::max(screen.Top, screen.Bottom - kCaptionOffset));
    m_form->SetBounds(left, top, w, m_form->Height());
}

int TitaToolBar::neededWidth() const
{
    TRect inside { 0, 0, Width(), Height() };
    AdjustClientRect(inside);
    int along = 0, right = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!c->Visible())
            continue;
        if (c->Align() == alLeft || c->Align() == alRight)
            along += c->Width();
        else
            right = std::max(right, c->Left() + c->Width() - inside.Left);
    }
    // Never narrower than high, or docking again would turn it upright.
    return std::max({ kMinBarSize, Height(), std::max(along, right) + Width() - inside.Width() });
}

void TitaToolBar::takeMouseCapture()
{
    // Only a drag holds the mouse: a bar shown by a command must not take
    // the user's next click.
    if (Widget() && (QGuiApplication::mouseButtons() & Qt::LeftButton))
        Widget()->grabMouse();
}

TitaDock* TitaToolBar::dockAtPoint(TPoint p) const
{
    if (!Owner())
        return nullptr;
    for (int i = 0; i < Owner()->ComponentCount(); ++i) {
        auto* d = dynamic_cast<TitaDock*>(Owner()->Components(i));
        if (!d)
            continue;
        TRect probe;
        if (m_floating && d->Horizontal() && m_form) {
            TRect r { std::max(0, Left()), std::max(0, Top()), std::min(Left() + Width(), m_form->ClientWidth()),
                std::min(Top() + Height(), m_form->ClientHeight()) };
            r = { r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1 };
            TPoint a = toScreen(m_form, { r.Left, r.Top });
            probe = { a.X, a.Y, a.X + r.Width(), a.Y + r.Height() };
        } else {
            TPoint s = toScreen(this, p);
            probe = { s.X - 5, s.Y - 5, s.X + 5, s.Y + 5 };
        }
        TRect area = screenRect(d, { 0, 0, d->Width(), d->Height() });
        if (d->Width() == 0)
            area = { area.Left - 1, area.Top + 1, area.Right + 1, area.Bottom - 1 };
        if (d->Height() == 0)
            area = { area.Left + 1, area.Top - 1, area.Right - 1, area.Bottom + 1 };
        if (d->Align() != alNone && d->Align() != alClient && intersects(probe, area))
            return d;
    }
    return nullptr;
}

TitaToolBar* TitaToolBar::barAtPoint(TPoint p) const
{
    TitaDock* d = dock();
    if (!d)
        return nullptr;
    TPoint at { p.X + Left(), p.Y + Top() };
    for (int i = 0; i < d->ControlCount(); ++i) {
        auto* bar = dynamic_cast<TitaToolBar*>(d->Controls(i));
        // A hidden bar is out of its dock's rows: nothing changes place with it.
        if (!bar || bar == this || !bar->Visible())
            continue;
        TRect r { bar->Left() + 1, bar->Top() + 1, bar->Left() + bar->Width() - 1, bar->Top() + bar->Height() - 1 };
        if (d->Horizontal()) {
            int middle = (r.Top + r.Bottom) / 2;
            if ((Top() < r.Top && at.Y > middle) || (r.Top < Top() && at.Y < middle))
                return bar;
        } else {
            int middle = (r.Left + r.Right) / 2;
            if ((Left() < r.Left && at.X > middle) || (r.Left < Left() && at.X < middle))
                return bar;
        }
    }
    return nullptr;
}

void TitaToolBar::swapBars(TitaToolBar* other)
{
    TitaDock* d = dock();
    if (!other || other == this || !d)
        return;
    // Only the bars shown take part; hidden ones keep their place and stay
    // hidden.
    std::vector<TitaToolBar*> shown;
    for (int i = 0; i < d->ControlCount(); ++i)
        if (auto* bar = dynamic_cast<TitaToolBar*>(d->Controls(i)); bar && bar->Visible())
            shown.push_back(bar);
    SetVisible(false);
    other->SetVisible(false);
    bool horizontal = d->Horizontal();
    auto pos = [horizontal](TControl* c) { return horizontal ? c->Top() : c->Left(); };
    auto size = [horizontal](TControl* c) { return horizontal ? c->Height() : c->Width(); };
    auto move = [horizontal](TControl* c, int to) { horizontal ? c->SetTop(to) : c->SetLeft(to); };
    TitaToolBar* upper = pos(this) < pos(other) ? this : other;
    TitaToolBar* lower = upper == this ? other : this;
    auto shiftBeyond = [&](int limit, int by) {
        for (TitaToolBar* bar : shown)
            if (pos(bar) > limit)
                move(bar, pos(bar) + by);
    };
    shiftBeyond(pos(lower), size(upper) - size(lower));
    int t = pos(upper);
    move(upper, pos(lower));
    shiftBeyond(t, size(lower) - size(upper));
    move(lower, t);
    if (Application)
        Application->ProcessMessages();
    SetVisible(true);
    other->SetVisible(true);
}

void TitaToolBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TitaCustomPanel::MouseDown(button, shift, x, y);
    m_held = button == mbLeft;
    if (button == mbLeft) {
        m_grabX = x;
        m_grabY = y;
    }
}

void TitaToolBar::MouseMove(TShiftState shift, int x, int y)
{
    if (g_dragGuard)
        return;
    struct Guard {
        Guard() { g_dragGuard = true; }
        ~Guard() { g_dragGuard = false; }
    } guard;
    TitaCustomPanel::MouseMove(shift, x, y);
    if (!(shift & ssLeft))
        return;
    TitaDock* target = dockAtPoint({ x, y });
    if (!target) {
        if (!m_floating) {
            if (!dock())
                return;
            bool horizontal = dock()->Horizontal();
            undock();
            if (horizontal) {
                m_grabX = x;
                m_grabY = y < 0 ? Height() + y : kCaptionOffset;
            } else {
                m_grabX = y;
                m_grabY = kCaptionOffset;
            }
        }
        TPoint s = toScreen(this, { x - m_grabX, y - m_grabY });
        floatAt(s.X, s.Y);
        if (!g_restoring)
            takeMouseCapture();
        return;
    }
    if (target == Parent()) {
        swapBars(barAtPoint({ x, y }));
        if (target->Horizontal()) {
            int left = std::max(0, Left() + x - m_grabX);
            if (target->Width() < left + Width())
                left = target->Width() - Width();
            SetBounds(left, Top(), Width(), Height());
        } else {
            int top = Top() + y - m_grabY;
            if (target->Height() < top + Height())
                top = target->Height() - Height();
            SetBounds(Left(), std::max(0, top), Width(), Height());
        }
        Widget()->repaint();
        return;
    }
    if (m_floating) {
        m_floating = false;
        TFPForm97* old = m_form;
        m_form = nullptr;
        old->ToolBar = nullptr;
        SetParent(target);
        dockIn();
        // The old window may be delivering this very move: it goes once
        // the event is done.
        old->TControl::SetVisible(false);
        old->Widget()->hide();
        PostCall([old] { delete old; });
        return;
    }
    undock();
    SetParent(target);
    dockIn();
}

void TitaToolBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TitaCustomPanel::MouseUp(button, shift, x, y);
    if (m_held) {
        m_held = false;
        SaveState();
    }
    if (Widget() && QWidget::mouseGrabber() == Widget())
        Widget()->releaseMouse();
}

void TitaToolBar::Paint()
{
    // A drag stores where it ends, not every step on the way.
    if (!m_held)
        SaveState();
    PaintPanel(*Canvas());
}

// --- TTBDragBox --------------------------------------------------------------------

TTBDragBox::TTBDragBox(TComponent* owner)
    : TGraphicControl(owner)
{
    ControlStyle |= csOpaque;
    Widget()->setCursor(Qt::OpenHandCursor);
    SetBounds(0, 0, kGripSize, kGripSize);
}

void TTBDragBox::PaintTo(TCanvas& canvas) const
{
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clBtnFace;
    canvas.FillRect({ 0, 0, Width(), Height() });
    auto line = [&](TColor color, std::initializer_list<TPoint> points) {
        canvas.Pen.Color = color;
        auto it = points.begin();
        canvas.MoveTo(it->X, it->Y);
        for (++it; it != points.end(); ++it)
            canvas.LineTo(it->X, it->Y);
    };
    // Two raised ridges across the grip.
    for (int d : { 0, 3 }) {
        if (Align() == alTop || Align() == alBottom) {
            line(clBtnHighlight, { { 0, 3 + d }, { 0, 2 + d }, { Width(), 2 + d } });
            line(clBtnShadow, { { Width() - 1, 3 + d }, { Width() - 1, 4 + d }, { -1, 4 + d } });
        } else if (Align() == alLeft || Align() == alRight) {
            line(clBtnHighlight, { { 3 + d, 0 }, { 2 + d, 0 }, { 2 + d, Height() } });
            line(clBtnShadow, { { 3 + d, Height() - 1 }, { 4 + d, Height() - 1 }, { 4 + d, -1 } });
        }
    }
}

void TTBDragBox::MouseDown(TMouseButton b, TShiftState s, int x, int y)
{
    if (auto* bar = dynamic_cast<TitaToolBar*>(Parent()))
        bar->MouseDown(b, s, x + Left(), y + Top());
}

void TTBDragBox::MouseMove(TShiftState s, int x, int y)
{
    if (auto* bar = dynamic_cast<TitaToolBar*>(Parent()))
        bar->MouseMove(s, x + Left(), y + Top());
}

void TTBDragBox::MouseUp(TMouseButton b, TShiftState s, int x, int y)
{
    if (auto* bar = dynamic_cast<TitaToolBar*>(Parent()))
        bar->MouseUp(b, s, x + Left(), y + Top());
}
