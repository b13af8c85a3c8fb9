// The caption bar's painting: the gradient, the icon, the texts and the
// system buttons into a canvas, and the window's own frame around them.

#include "widgets/marsCap.h"

#include "platform/Form.h"
#include "platform/NonClient.h"

#include <QApplication>
#include <QIcon>
#include <QWidget>

#include <algorithm>

namespace {

void drawIcon(TCanvas& canvas, const TRect& r)
{
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    QIcon icon = QApplication::windowIcon();
    const int size = std::min(r.Width(), r.Height());
    const int x = r.Left, y = r.Top + (r.Height() - size) / 2;
    if (!icon.isNull()) {
        TBitmap picture;
        picture.SetImage(icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_RGB32));
        canvas.Draw(x, y, picture);
        return;
    }
    // The standard application picture: a small window.
    canvas.Brush.Color = clWhite;
    canvas.FillRect({ x + 1, y + 2, x + size - 1, y + size - 2 });
    canvas.Brush.Color = clNavy;
    canvas.FillRect({ x + 1, y + 2, x + size - 1, y + 5 });
    canvas.Brush.Color = clBlack;
    canvas.FrameRect({ x + 1, y + 2, x + size - 1, y + size - 2 });
}

int textHeightFor(const TRect& r) { return std::max(1, r.Height() - 5) * 72 / 96; }

}

void TMarsCaption::PaintCaption(TCanvas& canvas, bool active)
{
    Layout();
    const TRect& cap = m_layout.Caption;
    const TColor begin = active ? ActiveBeginColor() : InactiveBeginColor();
    const TColor end = active ? ActiveEndColor() : InactiveEndColor();
    canvas.Brush.Style = bsSolid;
    // Without bands the strip still shows the begin colour, not whatever
    // lay beneath it.
    if (m_numColors <= 0) {
        canvas.Brush.Color = begin;
        canvas.FillRect(cap);
    }
    for (const TGradientBand& band : GradientBands(cap, begin, end, m_numColors)) {
        canvas.Brush.Color = band.Color;
        canvas.FillRect({ band.X0, cap.Top, band.X1, cap.Bottom });
    }

    const TRect& icon = m_layout.Icon;
    drawIcon(canvas, { icon.Left + 2, icon.Top + 1, icon.Right, icon.Bottom - 1 });

    TBrushStyle keepStyle = canvas.Brush.Style;
    canvas.Brush.Style = bsClear;
    const TColor fontColor = active ? ActiveFontColor() : InactiveFontColor();
    TRect r = m_layout.Text;
    const unsigned format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
    auto drawText = [&](const std::string& text, TFont font) {
        font.Color = fontColor;
        if (m_autoSize)
            font.Size = textHeightFor(r);
        canvas.Font = font;
        TRect measured = r;
        canvas.DrawText(text, measured, format | DT_CALCRECT);
        canvas.DrawText(text, r, format);
        r.Left = std::min(r.Right, measured.Right);
    };
    if (!m_applicationName.empty())
        drawText(m_applicationName, m_applicationNameFont);
    if (r.Width() > 0)
        drawText(m_form->Caption(), m_captionFont);
    canvas.Brush.Style = keepStyle;

    const TWindowState state = WindowState();
    for (TCaptionButtonKind kind : { cbClose, cbMaximize, cbMinimize, cbHelp }) {
        const TCaptionButtonPlace& b = m_layout.Buttons[kind];
        if (!b.Visible)
            continue;
        TCaptionGlyph glyph = TCaptionGlyph::Close;
        if (kind == cbMinimize)
            glyph = state == wsMinimized ? TCaptionGlyph::Restore : TCaptionGlyph::Minimize;
        else if (kind == cbMaximize)
            glyph = state == wsMaximized ? TCaptionGlyph::Restore : TCaptionGlyph::Maximize;
        else if (kind == cbHelp)
            glyph = TCaptionGlyph::Help;
        DrawCaptionButton(canvas, { b.X, b.Y, b.X + b.Width, b.Y + b.Height }, glyph, m_buttons[kind]->Pushed(), !b.Enabled);
    }
}

void DrawCaptionButton(TCanvas& c, const TRect& rect, TCaptionGlyph glyph, bool pushed, bool inactive)
{
    if (rect.Width() <= 0 || rect.Height() <= 0)
        return;
    c.Brush.Style = bsSolid;
    c.Brush.Color = clBtnFace;
    c.FillRect(rect);
    TRect e = rect;
    if (pushed) {
        Frame3D(c, e, clBlack, clBtnHighlight, 1);
        Frame3D(c, e, clBtnShadow, clBtnFace, 1);
    } else {
        Frame3D(c, e, clBtnHighlight, clBlack, 1);
        Frame3D(c, e, clBtnFace, clBtnShadow, 1);
    }
    const int g = std::max(4, std::min(e.Width(), e.Height()) - 6);
    const int x0 = e.Left + (e.Width() - g) / 2 + (pushed ? 1 : 0);
    const int y0 = e.Top + (e.Height() - g) / 2 + (pushed ? 1 : 0);
    auto draw = [&](int dx, int dy, TColor color) {
        const int x = x0 + dx, y = y0 + dy;
        c.Brush.Color = color;
        switch (glyph) {
        case TCaptionGlyph::Close:
            for (int i = 0; i < g; ++i) {
                c.FillRect({ x + i, y + i, x + i + 2, y + i + 1 });
                c.FillRect({ x + g - 2 - i, y + i, x + g - i, y + i + 1 });
            }
            break;
        case TCaptionGlyph::Minimize:
            c.FillRect({ x + 1, y + g - 2, x + g - 2, y + g });
            break;
        case TCaptionGlyph::Maximize:
            c.FrameRect({ x, y, x + g, y + g });
            c.FillRect({ x, y, x + g, y + 2 });
            break;
        case TCaptionGlyph::Restore: {
            const int s = g * 2 / 3;
            c.FrameRect({ x + g - s, y, x + g, y + s });
            c.FillRect({ x + g - s, y, x + g, y + 2 });
            c.Brush.Color = clBtnFace;
            c.FillRect({ x + 1, y + g - s + 1, x + s - 1, y + g - 1 });
            c.Brush.Color = color;
            c.FrameRect({ x, y + g - s, x + s, y + g });
            c.FillRect({ x, y + g - s, x + s, y + g - s + 2 });
            break;
        }
        case TCaptionGlyph::Help: {
            TBrushStyle keep = c.Brush.Style;
            c.Brush.Style = bsClear;
            c.Font.Color = color;
            c.Font.Style = fsBold;
            TRect t { x, y, x + g, y + g };
            c.DrawText("?", t, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
            c.Brush.Style = keep;
            break;
        }
        }
    };
    if (inactive) {
        draw(1, 1, clBtnHighlight);
        draw(0, 0, clBtnShadow);
    } else {
        draw(0, 0, clBtnText);
    }
}

void TMarsCaption::paintNonClient()
{
    QWidget* w = m_form->Widget();
    const int width = w->width(), height = w->height();
    const TRect client = m_form->ClientRectInWindow();
    if (width <= 0 || client.Top <= 0)
        return;
    PaintNonClient(w, client, [&](TCanvas& canvas) {
        // The title strip: light at the left and top, black at the right.
        canvas.Brush.Color = clBtnFace;
        canvas.FillRect({ 0, 0, width, height });
        canvas.Pen.Color = clBtnHighlight;
        canvas.MoveTo(0, client.Top);
        canvas.LineTo(0, 0);
        canvas.LineTo(width - 1, 0);
        canvas.Pen.Color = clBlack;
        canvas.MoveTo(width - 1, 0);
        canvas.LineTo(width - 1, client.Top);
        PaintCaption(canvas, IsActive());
        // The edges round the client area, over whatever the caption left
        // below its strip.
        const auto fill = [&](TColor color, TRect r) {
            canvas.Brush.Style = bsSolid;
            canvas.Brush.Color = color;
            canvas.FillRect(r);
        };
        fill(clBtnFace, { 0, client.Top, width, height });
        fill(clBtnHighlight, { 0, client.Top, 1, height });
        fill(clBlack, { width - 1, client.Top, width, height });
        fill(clBlack, { 0, height - 1, width, height });
    });
}
