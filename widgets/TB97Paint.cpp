// TToolbar97 painted: docked, its edge, background and drag handle;
// floating, its frame, caption, close button and wrap lines.

#include "widgets/TB97Dock.h"

#include "platform/NonClient.h"

#include <QEvent>

#include <string>

namespace {

// A caption too wide for its place loses one character at a time, "..."
// following, while it is at least 5 characters long.
std::string fittedCaption(TCanvas& c, std::string text, int width)
{
    bool shortened = false;
    while (c.TextWidth(text) > width && text.size() >= 5) {
        text.erase(text.size() - (shortened ? 4 : 1), 1);
        if (!shortened)
            text += "...";
        shortened = true;
    }
    return text;
}

}  // namespace

// --- Painting ------------------------------------------------------------

TRect TToolbar97::closeButtonRect() const
{
    const TFloatingFrame& f = FloatingFrame();
    const int size = f.Caption - 4;
    return { Width() - f.Frame - size - 2, f.Frame + 2, Width() - f.Frame - 2, f.Frame + 2 + size };
}

void TToolbar97::Paint()
{
    TCanvas& c = *Canvas();
    c.Brush.Color = Color;
    c.FillRect({ 0, 0, Width(), Height() });
    TDock97* dock = DockedTo();
    if (dock) {
        if (const TBitmap* picture = dock->BackgroundToTile())
            TileBackground(c, *picture, Width(), Height(), dock->Left() + Left(), dock->Top() + Top());
        TRect edge { 0, 0, Width(), Height() };
        Frame3D(c, edge, clBtnHighlight, clBtnShadow, 1);
        if (dock->AllowDrag()) {
            const bool vertical = dock->Vertical();
            for (int start : { 4, 7 }) {
                TRect bar = vertical ? TRect { 2, start, ClientWidth() - 2, start + 3 } : TRect { start, 2, start + 3, ClientHeight() - 2 };
                Frame3D(c, bar, clBtnHighlight, clBtnShadow, 1);
                if (vertical)
                    c.SetPixel(ClientWidth() - 3, start, clBtnHighlight);
                else
                    c.SetPixel(start, ClientHeight() - 3, clBtnHighlight);
            }
        }
        return;
    }
    // Floating: the wrap lines between the rows; the frame round them is
    // the window's own, painted with the non-client area.
    const TFloatingFrame& f = FloatingFrame();
    const int top = f.Frame + f.Caption;
    for (const TWrapLine& line : m_layout.WrapLines) {
        if (line.Blank)
            continue;
        c.Pen.Color = clBtnShadow;
        c.MoveTo(f.Frame + 1, top + line.Position - 4);
        c.LineTo(Width() - f.Frame - 1, top + line.Position - 4);
        c.Pen.Color = clBtnHighlight;
        c.MoveTo(f.Frame + 1, top + line.Position - 3);
        c.LineTo(Width() - f.Frame - 1, top + line.Position - 3);
    }
}

// The floating bar's frame, caption and close button: what lies outside its
// rows.
void TToolbar97::paintFloatingFrame(TCanvas& c)
{
    const TFloatingFrame& f = FloatingFrame();
    c.Brush.Color = Color;
    c.FillRect({ 0, 0, Width(), Height() });
    TRect frame { 0, 0, Width(), Height() };
    Frame3D(c, frame, clBtnFace, clBlack, 1);
    Frame3D(c, frame, clBtnHighlight, clBtnShadow, 1);
    TRect caption { f.Frame, f.Frame, Width() - f.Frame, f.Frame + f.Caption - 1 };
    c.Brush.Color = 0xA00000;
    c.FillRect(caption);
    c.Brush.Style = bsClear;
    c.Font = TFont();
    c.Font.Color = clWhite;
    TRect text { caption.Left + 2, caption.Top, (m_closeButton ? closeButtonRect().Left : caption.Right) - 2, caption.Bottom };
    c.DrawText(fittedCaption(c, Caption(), text.Width()), text, DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER);
    c.Brush.Style = bsSolid;
    if (m_closeButton) {
        TRect b = closeButtonRect();
        c.Brush.Color = clBtnFace;
        c.FillRect(b);
        TRect e = b;
        Frame3D(c, e, m_closePressed ? clBtnShadow : clBtnHighlight, m_closePressed ? clBtnHighlight : clBlack, 1);
        c.Pen.Color = clBtnText;
        const int o = m_closePressed ? 1 : 0;
        c.MoveTo(b.Left + 3 + o, b.Top + 3 + o);
        c.LineTo(b.Right - 3 + o, b.Bottom - 3 + o);
        c.MoveTo(b.Right - 4 + o, b.Top + 3 + o);
        c.LineTo(b.Left + 2 + o, b.Bottom - 3 + o);
    }
}

bool TToolbar97::WidgetEvent(QEvent* e)
{
    const bool handled = TCustomControl::WidgetEvent(e);
    if (e->type() == QEvent::Paint && !DockedTo()) {
        const TFloatingFrame& f = FloatingFrame();
        PaintNonClient(Widget(), { f.Frame, f.Frame + f.Caption, Width() - f.Frame, Height() - f.Frame },
            [this](TCanvas& c) { paintFloatingFrame(c); });
    }
    return handled;
}
