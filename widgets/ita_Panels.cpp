// The panel base of docks and bars, the dock, and a bar's grip.

#include "widgets/ita_Office97.h"

#include <QWidget>

// --- TitaCustomPanel ---------------------------------------------------------

TitaCustomPanel::TitaCustomPanel(TComponent* owner)
    : TCustomControl(owner)
{
    ControlStyle &= ~(csSetCaption | csOpaque);
}

void TitaCustomPanel::Paint() { PaintPanel(*Canvas()); }

void TitaCustomPanel::SetBevelOuter(TPanelBevel v)
{
    if (Change(m_bevelOuter, v)) {
        Realign();
        Invalidate();
    }
}

void TitaCustomPanel::SetBevelInner(TPanelBevel v)
{
    if (Change(m_bevelInner, v)) {
        Realign();
        Invalidate();
    }
}

void TitaCustomPanel::SetBevelSides(TSides v)
{
    if (Change(m_sides, v))
        Invalidate();
}

void TitaCustomPanel::SetBorderColor(TColor v)
{
    if (Change(m_borderColor, v))
        Invalidate();
}

void TitaCustomPanel::SetVerticalAlignment(TVerticalAlignment v)
{
    if (Change(m_verticalAlignment, v))
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

// --- TTBDragBox --------------------------------------------------------------------

TTBDragBox::TTBDragBox(TComponent* owner)
    : TGraphicControl(owner)
{
    ControlStyle |= csOpaque;
    Widget()->setCursor(Qt::OpenHandCursor);
    SetBounds(0, 0, ToolBarState::kGripSize, ToolBarState::kGripSize);
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
