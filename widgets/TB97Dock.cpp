// TDock97 and TFloatParent: the dock stacks its toolbars in rows.

#include "widgets/TB97Dock.h"

#include "platform/Exception.h"
#include "platform/Form.h"
#include "widgets/TB97.h"

#include <QWidget>

#include <algorithm>

TDock97::TDock97(TComponent* owner)
    : TCustomControl(owner)
{
    if (!dynamic_cast<TForm*>(owner))
        throw EInvalidOperation("TDock97 must be owned by a form");
    ControlStyle = (ControlStyle | csAcceptsControls | csNoStdEvents) & ~(csCaptureMouse | csClickEvents | csOpaque);
    SetAlign(alTop);
    LayoutBars();
}

TDock97::~TDock97()
{
    if (TComponent* owner = Owner())
        for (int i = 0; i < owner->ComponentCount(); ++i)
            if (auto* bar = dynamic_cast<TToolbar97*>(owner->Components(i)); bar && bar->DefaultDock == this)
                bar->DefaultDock = nullptr;
}

void TDock97::SetAllowDrag(bool on)
{
    if (on == m_allowDrag)
        return;
    m_allowDrag = on;
    for (TToolbar97* bar : Bars()) {
        bar->LayoutControls();
        bar->Invalidate();
    }
    LayoutBars();
}

void TDock97::SetBackground(const TBitmap& picture)
{
    m_background = picture;
    backgroundChanged();
}

void TDock97::SetBackgroundTransparent(bool on)
{
    m_backgroundTransparent = on;
    backgroundChanged();
}

void TDock97::backgroundChanged()
{
    m_transparentCopy.Clear();
    Invalidate();
    for (TToolbar97* bar : Bars())
        bar->Invalidate();
}

const TBitmap* TDock97::BackgroundToTile() const
{
    if (m_background.Empty())
        return nullptr;
    if (!m_backgroundTransparent)
        return &m_background;
    if (m_transparentCopy.Empty()) {
        m_transparentCopy = m_background;
        const TColor key = m_background.BottomLeftColor();
        const TColor face = ColorToRGB(Color);
        for (int y = 0; y < m_background.Height(); ++y)
            for (int x = 0; x < m_background.Width(); ++x)
                if (m_background.Pixel(x, y) == key)
                    m_transparentCopy.Canvas().SetPixel(x, y, face);
    }
    return &m_transparentCopy;
}

void TDock97::SetBoundLines(TDockBoundLines lines)
{
    m_boundLines = lines;
    LayoutBars();
    Invalidate();
}

void TDock97::SetFixAlign(bool on)
{
    m_fixAlign = on;
    LayoutBars();
}

void TDock97::SetLimitToOneRow(bool on)
{
    m_limitToOneRow = on;
    LayoutBars();
}

void TDock97::SetPosition(TDockPosition position)
{
    if (position != m_position && ControlCount() > 0)
        throw EInvalidOperation("Cannot change Position of a TDock97 if it already contains controls");
    m_position = position;
    static const TAlign aligns[] = { alTop, alBottom, alLeft, alRight };
    SetAlign(aligns[position]);
    LayoutBars();
}

void TDock97::SetParent(TWinControl* parent)
{
    if (dynamic_cast<TToolbar97*>(parent) || dynamic_cast<TDock97*>(parent))
        throw EInvalidOperation("A TDock97 control cannot be placed inside a TToolbar97 or another TDock97");
    TCustomControl::SetParent(parent);
}

void TDock97::SetVisible(bool on)
{
    if (!on && Visible())
        throw EInvalidOperation("Cannot hide a TDock97");
    TCustomControl::SetVisible(on);
}

std::vector<TToolbar97*> TDock97::Bars() const
{
    std::vector<TToolbar97*> bars;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* bar = dynamic_cast<TToolbar97*>(Controls(i)))
            bars.push_back(bar);
    return bars;
}

TRect TDock97::RowArea() const
{
    TRect r { 0, 0, Width(), Height() };
    if (Width() >= 2 && Height() >= 2) {
        r.Left += !!(m_boundLines & blLeft);
        r.Top += !!(m_boundLines & blTop);
        r.Right -= !!(m_boundLines & blRight);
        r.Bottom -= !!(m_boundLines & blBottom);
    }
    return r;
}

void TDock97::LayoutBars()
{
    if (m_layoutLock || Destroying())
        return;
    ++m_layoutLock;
    std::vector<TToolbar97*> bars;
    for (TToolbar97* bar : Bars())
        if (bar->Visible())
            bars.push_back(bar);
    const bool vertical = Vertical();
    const int across = (m_boundLines & (vertical ? blLeft : blTop) ? 1 : 0) + (m_boundLines & (vertical ? blRight : blBottom) ? 1 : 0);
    const int alongStart = m_boundLines & (vertical ? blTop : blLeft) ? 1 : 0;
    const int alongEnd = m_boundLines & (vertical ? blBottom : blRight) ? 1 : 0;
    std::vector<TDockedBar> places;
    for (TToolbar97* bar : bars) {
        TDockedBar p;
        p.Row = bar->DockRow();
        p.Pos = bar->DockPos();
        p.Length = vertical ? bar->Height() : bar->Width();
        p.ContentHeight = bar->ContentHeight();
        p.ContentWidth = bar->ContentWidth();
        places.push_back(p);
    }
    const int length = (vertical ? Height() : Width()) - alongStart - alongEnd;
    TDockRows rows = LayoutDockRows(places, vertical, length, m_limitToOneRow);
    m_rows = rows.Rows;
    const int lead = m_boundLines & (vertical ? blLeft : blTop) ? 1 : 0;
    for (std::size_t i = 0; i < bars.size(); ++i) {
        TToolbar97* bar = bars[i];
        const TDockedBar& p = places[i];
        bar->m_dockRow = p.Row;
        bar->m_dockPos = p.Pos;
        ++bar->m_boundsGuard;
        if (vertical)
            bar->SetBounds(p.Left + lead, p.Top + alongStart, p.Width, p.Height);
        else
            bar->SetBounds(p.Left + alongStart, p.Top + lead, p.Width, p.Height);
        --bar->m_boundsGuard;
    }
    int thickness = bars.empty() ? (m_fixAlign ? 1 : 0) : rows.Thickness + across;
    if (vertical)
        SetWidth(thickness);
    else
        SetHeight(thickness);
    --m_layoutLock;
}

void TDock97::barsChanged(bool inserting, TToolbar97* bar)
{
    LayoutBars();
    if (OnInsertRemoveBar)
        OnInsertRemoveBar(this, inserting, bar);
}

void TDock97::Paint()
{
    TCanvas& c = *Canvas();
    c.Brush.Color = Color;
    c.FillRect({ 0, 0, Width(), Height() });
    if (const TBitmap* picture = BackgroundToTile())
        TileBackground(c, *picture, Width(), Height(), Left(), Top());
    if (Width() < 2 || Height() < 2)
        return;
    c.Pen.Color = clBtnShadow;
    if (m_boundLines & blTop) {
        c.MoveTo(0, 0);
        c.LineTo(Width(), 0);
    }
    if (m_boundLines & blLeft) {
        c.MoveTo(0, 0);
        c.LineTo(0, Height());
    }
    c.Pen.Color = clBtnHighlight;
    if (m_boundLines & blBottom) {
        c.MoveTo(0, Height() - 1);
        c.LineTo(Width(), Height() - 1);
    }
    if (m_boundLines & blRight) {
        c.MoveTo(Width() - 1, 0);
        c.LineTo(Width() - 1, Height());
    }
}

// --- The float parent ----------------------------------------------------

TFloatParent::TFloatParent(TComponent* owner)
    : TWinControl(owner)
{
    auto* w = new QWidget;
    SetWidget(w);
    SetVisible(false);
}

// --- Helpers for buttons and separators ----------------------------------

void TileBackground(TCanvas& c, const TBitmap& picture, int width, int height, int originX, int originY)
{
    const int w = picture.Width(), h = picture.Height();
    if (w <= 0 || h <= 0)
        return;
    const int startX = -(((originX % w) + w) % w), startY = -(((originY % h) + h) % h);
    for (int y = startY; y < height; y += h)
        for (int x = startX; x < width; x += w)
            c.Draw(x, y, picture);
}

bool DockedLeftRight(const TControl* control)
{
    auto* bar = control ? dynamic_cast<const TToolbar97*>(control->Parent()) : nullptr;
    TDock97* dock = bar ? bar->DockedTo() : nullptr;
    return dock && dock->Vertical();
}

void PaintToolbarSep(TCanvas& c, int width, int height, bool dockedVertically, bool blank)
{
    if (blank)
        return;
    if (dockedVertically) {
        c.Pen.Color = clBtnShadow;
        c.MoveTo(0, height / 2 - 1);
        c.LineTo(width, height / 2 - 1);
        c.Pen.Color = clBtnHighlight;
        c.MoveTo(0, height / 2);
        c.LineTo(width, height / 2);
    } else {
        c.Pen.Color = clBtnShadow;
        c.MoveTo(width / 2 - 1, 0);
        c.LineTo(width / 2 - 1, height);
        c.Pen.Color = clBtnHighlight;
        c.MoveTo(width / 2, 0);
        c.LineTo(width / 2, height);
    }
}
