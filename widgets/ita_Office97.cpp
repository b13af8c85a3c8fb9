// TitaToolBar: its rows in a dock, floating, and its stored state.

#include "widgets/ita_Office97.h"

#include "widgets/flpfrm97.h"
#include "widgets/ita_common.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

using ToolBarState::kCaptionOffset;
using ToolBarState::kGripSize;
using ToolBarState::Restoring;

constexpr int kMinBarSize = kGripSize + 4;
// How much of a floating bar's title bar stays on the screen at least.
constexpr int kTitleHold = 48;
// Stored places beyond this are nowhere near any screen.
constexpr int kFarOff = 1 << 20;

TRect screenArea()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    QRect r = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    return { r.left(), r.top(), r.left() + r.width(), r.top() + r.height() };
}

bool horizontalAlign(TAlign a) { return a == alNone || a == alTop || a == alBottom; }

}  // namespace

bool& ToolBarState::Restoring()
{
    static bool restoring = false;
    return restoring;
}

TitaToolBar::TitaToolBar(TComponent* owner)
    : TitaCustomPanel(owner)
{
    ControlStyle |= csOpaque;
    TControl::SetCaption("No Name");
    SetBounds(0, 0, 185, 26);
    SetBevelInner(bvRaised);
    Restoring() = true;
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
    Restoring() = true;
    sortControls();
    restoreState();
    Restoring() = false;
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
    if (!Restoring())
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
    if (Restoring())
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
        // A docked bar's place is bounded by the screen as its size is, so
        // that no edge of it lies beyond what a rectangle can hold.
        SetBounds(std::clamp(x, 0, std::max(0, screen.Width() - w)), std::clamp(y, 0, std::max(0, screen.Height() - h)), w, h);
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
    if (!Restoring())
        SetVisible(false);
    SetBevelInner(bvNone);
    m_dragBox->SetVisible(false);
    // The bars after this one close up across the dock's rows (its columns
    // when upright); the dock loses the row unless another bar shares it.
    const bool rows = d->Horizontal();
    const auto at = [rows](const TControl* c) { return rows ? c->Top() : c->Left(); };
    const auto across = [rows](const TControl* c) { return rows ? c->Height() : c->Width(); };
    const int size = across(this);
    bool shared = false;
    for (int i = 0; i < d->ControlCount(); ++i) {
        TControl* c = d->Controls(i);
        if (c != this && at(c) >= at(this) + size)
            rows ? c->SetTop(c->Top() - size) : c->SetLeft(c->Left() - size);
    }
    for (int i = 0; i < d->ControlCount(); ++i) {
        TControl* c = d->Controls(i);
        shared = shared || (c != this && at(c) == at(this) && across(c) == size && (!rows || c->Left() < Left()));
    }
    if (!shared)
        rows ? d->SetHeight(d->Height() - size) : d->SetWidth(d->Width() - size);
    if (!rows && Width() < Height())
        turn(true);
    if (!Restoring())
        SetVisible(true);
}

void TitaToolBar::dockIn()
{
    TitaDock* d = dock();
    SetVisible(false);
    if (!Restoring() && OnStatic)
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
    if (!Restoring())
        takeMouseCapture();
}

void TitaToolBar::floatAt(int x, int y)
{
    if (m_floating) {
        m_form->SetBounds(x, y - kCaptionOffset, m_form->Width(), m_form->Height());
        return;
    }
    // Out of its row it needs no more room than its controls take (unless
    // its float handler says otherwise); a stored size only comes back for
    // a window the user may size.
    if (!Restoring() || !AllowResize)
        SetBounds(Left(), Top(), neededWidth(), Height());
    if (!Restoring() && OnFloat)
        OnFloat(this);
    m_floating = true;
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

void TitaToolBar::Paint()
{
    // A drag stores where it ends, not every step on the way.
    if (!m_held)
        SaveState();
    PaintPanel(*Canvas());
}
