#include "widgets/explbtn.h"

#include "platform/Menus.h"
#include "platform/Messages.h"
#include "platform/TextCodec.h"

#include "platform/Mouse.h"

#include <QEvent>

#include <algorithm>
#include <cctype>

namespace {

// "&&" is a plain "&", a single "&" marks the next character.
std::string withoutAccelerator(const std::string& caption)
{
    std::string out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&')
                out += caption[++i];
            continue;
        }
        out += caption[i];
    }
    return out;
}

char acceleratorOf(const std::string& caption)
{
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return caption[i + 1];
        ++i;
    }
    return 0;
}

}

TBitmap MakeShadedBitmap(const TBitmap& source, TExplorerButtonShadingType shading)
{
    struct Thresholds {
        int high, middle, low;
    };
    static constexpr Thresholds table[] = { { 205, 127, 68 }, { 553, 231, 57 }, { 335, 274, 175 } };
    const Thresholds& t = table[shading];
    TBitmap out(source);
    if (out.Empty())
        return out;
    TColor transparent = source.TopLeftColor();
    TColor highlight = ColorToRGB(clBtnHighlight), shadow = ColorToRGB(clBtnShadow);
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x) {
            TColor c = source.Pixel(x, y);
            if (c == transparent)
                continue;
            int sum = int(c & 0xFF) + int((c >> 8) & 0xFF) + int((c >> 16) & 0xFF);
            out.Canvas().SetPixel(x, y, sum > t.high ? clWhite : sum > t.middle ? highlight : sum > t.low ? shadow : clBlack);
        }
    return out;
}

TOfficeButton::TOfficeButton(TComponent* owner)
    : TGroupButton(owner, TButtonFamily::Office)
{
    // The button clicks in MouseUp itself, by its own rules.
    ControlStyle = csCaptureMouse | csSetCaption | csDoubleClicks | csOpaque;
    SetBounds(0, 0, 50, 40);
}

TOfficeButton::~TOfficeButton()
{
    BeginDestroy();
}

// --- properties --------------------------------------------------------------

void TOfficeButton::SetAlignment(TAlignment v) { SetLook(m_alignment, v); }

void TOfficeButton::SetAllowAllUp(bool v)
{
    m_allowAllUp = v;
    ShareAllowAllUp();
}

void TOfficeButton::SetBevelStyle(TBevelStyle v) { SetLook(m_bevelStyle, v); }

void TOfficeButton::SetBitmap(const TBitmap& v)
{
    m_bitmap = v;
    makeShaded();
    Repaint();
}

void TOfficeButton::SetNoFocusBitmap(const TBitmap& v) { SetLook(m_noFocusBitmap, v); }

void TOfficeButton::SetDisabledBitmap(const TBitmap& v) { SetLook(m_disabledBitmap, v); }

void TOfficeButton::SetCaption(const std::string& v)
{
    TControl::SetCaption(v);
    updateHint();
    Repaint();
}

void TOfficeButton::SetGroupIndex(int v)
{
    m_groupIndex = v;
    if (v == 0 && m_down) {
        m_down = false;
        Repaint();
    }
}

void TOfficeButton::SetDown(bool v)
{
    if (m_groupIndex == 0 || v == m_down)
        return;
    m_down = v;
    if (v)
        ReleaseOthers();
    Repaint();
}

void TOfficeButton::SetDropDownMenu(TPopupMenu* v) { SetLook(m_dropDownMenu, v); }

void TOfficeButton::SetEnabled(bool v)
{
    TControl::SetEnabled(v);
    m_hot = false;
    m_pressed = false;
    if (m_groupIndex == 0)
        m_down = false;
    Repaint();
}

void TOfficeButton::SetLayout(TExplorerButtonLayout v) { SetLook(m_layout, v); }

void TOfficeButton::SetOptions(TExplorerButtonOptions v)
{
    m_options = v;
    updateHint();
    Repaint();
}

void TOfficeButton::SetShadingType(TExplorerButtonShadingType v)
{
    m_shadingType = v;
    makeShaded();
    Repaint();
}

void TOfficeButton::SetShowDownPattern(bool v) { SetLook(m_showDownPattern, v); }

void TOfficeButton::SetUnselectedFontColor(TColor v) { SetLook(m_unselectedFontColor, v); }

void TOfficeButton::SetWordWrap(bool v) { SetLook(m_wordWrap, v); }

void TOfficeButton::makeShaded()
{
    // The grey copy follows the image, unless an own image for that look is set.
    if (m_bitmap.Empty())
        m_shadedBitmap.Clear();
    else if (m_noFocusBitmap.Empty())
        m_shadedBitmap = MakeShadedBitmap(m_bitmap, m_shadingType);
}

void TOfficeButton::updateHint()
{
    if (m_options & boIconOnly) {
        SetHint(withoutAccelerator(Caption()));
        ShowHint = true;
        m_hintFromCaption = true;
    } else if (m_hintFromCaption) {
        SetHint("");
        ShowHint = false;
        m_hintFromCaption = false;
    }
}

bool TOfficeButton::cursorInside() const
{
    if (!Widget())
        return false;
    TPoint p = ScreenToClient(GetCursorPos());
    return p.X >= 0 && p.Y >= 0 && p.X < Width() && p.Y < Height();
}

// --- mouse and keyboard ------------------------------------------------------

bool TOfficeButton::WidgetEvent(QEvent* e)
{
    bool eaten = TGraphicControl::WidgetEvent(e);
    if (e->type() == QEvent::ContextMenu && eaten) {
        // The pop-up menu has closed: the mouse may be anywhere now.
        m_hot = cursorInside();
        m_pressed = false;
        Repaint();
    }
    return eaten;
}

void TOfficeButton::MouseEnter()
{
    if (m_hot)
        return;
    m_hot = true;
    if (!m_down && Enabled())
        Repaint();
    if (OnEnter)
        OnEnter(this);
}

void TOfficeButton::MouseLeave()
{
    if (!m_hot)
        return;
    m_hot = false;
    if (!m_down && Enabled())
        Repaint();
    if (OnExit)
        OnExit(this);
}

void TOfficeButton::MouseMove(TShiftState shift, int x, int y)
{
    TGraphicControl::MouseMove(shift, x, y);
    // The widget keeps the mouse while the button is held, and hears of no
    // leaving or entering until it is released: follow the mouse here.
    if (!m_pressed)
        return;
    bool inside = x >= 0 && y >= 0 && x < Width() && y < Height();
    if (inside)
        MouseEnter();
    else
        MouseLeave();
}

void TOfficeButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseDown(button, shift, x, y);
    buttonDown(button);
}

void TOfficeButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseUp(button, shift, x, y);
    buttonUp(button, x, y);
}

void TOfficeButton::buttonDown(TMouseButton button)
{
    if (button != mbLeft || !Enabled() || !Visible())
        return;
    m_pressed = true;
    m_hot = true;
    Repaint();
    if (!m_dropDownMenu)
        return;
    TPoint corner = ClientToScreen({ 0, Height() });
    m_dropDownMenu->Popup(corner.X, corner.Y);
    // The menu had the mouse; the release it took is not the button's.
    SetMouseCapture(false);
    m_hot = cursorInside();
    m_pressed = false;
    Repaint();
}

void TOfficeButton::buttonUp(TMouseButton button, int x, int y)
{
    if (button != mbLeft || !Enabled() || !Visible() || !m_pressed)
        return;
    m_pressed = false;
    if (m_hot && m_groupIndex != 0) {
        if (!m_down) {
            m_down = true;
            ReleaseOthers();
        } else if (m_allowAllUp) {
            m_down = false;
        }
    }
    // A mouse that has left the button before the release clicks nothing.
    if (!m_hot) {
        Repaint();
        return;
    }
    m_hot = x >= 0 && y >= 0 && x < Width() && y < Height();
    Repaint();
    if (!m_dropDownMenu)
        Click();
}

bool TOfficeButton::DialogChar(char key)
{
    char accel = acceleratorOf(Caption());
    if (!accel || std::toupper((unsigned char)accel) != std::toupper((unsigned char)key) || !Enabled() || !Visible())
        return false;
    MouseEnter();
    ProcessPostedMessages();
    buttonDown(mbLeft);
    ProcessPostedMessages();
    buttonUp(mbLeft, 0, 0);
    if (!cursorInside())
        m_hot = false;
    return true;
}

// --- painting ----------------------------------------------------------------

void TOfficeButton::Paint() { PaintTo(*Canvas()); }

struct TOfficeButton::Look {
    enum Bevel { NoBevel, PressedBevel, HoverBevel } bevel = NoBevel;
    const TBitmap* image = nullptr;
    bool embossImage = false;
    int imageShift = 0;
    int captionShift = 0;
    TColor captionColor = clWindowText;
    bool embossCaption = false;
};

struct TOfficeButton::Placement {
    std::string caption;  // empty when none is shown
    unsigned format = 0;
    bool mark = false;
    int imgX = 0, imgY = 0, imgW = 0, imgH = 0;
    int textX = 0, textY = 0, textW = 0, textH = 0;
};

void TOfficeButton::PaintTo(TCanvas& c)
{
    Look look = lookNow();
    draw(c, look, place(c, look));
}

TOfficeButton::Look TOfficeButton::lookNow() const
{
    Look look;
    look.captionColor = Font.Color;
    const bool enabled = Enabled();
    if (!enabled) {
        if (m_down)
            look.bevel = Look::PressedBevel;
        if (!m_disabledBitmap.Empty())
            look.image = &m_disabledBitmap;
        else if (!m_bitmap.Empty()) {
            look.image = &m_bitmap;
            look.embossImage = true;
        }
        look.embossCaption = true;
    } else if ((m_pressed && m_hot) || m_down) {
        look.bevel = Look::PressedBevel;
        look.captionShift = m_bevelStyle == bsRaised ? 1 : 0;
        look.imageShift = 1;
        look.image = m_bitmap.Empty() ? nullptr : &m_bitmap;
    } else {
        if (m_hot)
            look.bevel = Look::HoverBevel;
        else
            look.captionColor = m_unselectedFontColor;
        look.captionShift = m_hot && m_bevelStyle == bsLowered ? 1 : 0;
        if (!m_hot && (m_options & boMonoDisplay))
            look.image = !m_noFocusBitmap.Empty() ? &m_noFocusBitmap : &m_shadedBitmap;
        else
            look.image = &m_bitmap;
        if (look.image->Empty())
            look.image = nullptr;
    }
    return look;
}

// On the size of the image proper, whichever image is shown.
TOfficeButton::Placement TOfficeButton::place(TCanvas& c, const Look&) const
{
    const int w = Width(), h = Height();
    Placement p;
    p.mark = (m_options & boPopupMark) && m_dropDownMenu;
    p.imgW = m_bitmap.Empty() ? 0 : m_bitmap.Width();
    p.imgH = m_bitmap.Empty() ? 0 : m_bitmap.Height();
    const int boxW = p.imgW + (p.mark ? 10 : 0);
    p.caption = (m_options & boIconOnly) ? std::string() : Caption();
    const int maxTextW = std::max(0, w - 4);
    p.format = (m_alignment == taLeftJustify ? DT_LEFT : m_alignment == taRightJustify ? DT_RIGHT : DT_CENTER)
        | (m_wordWrap ? DT_WORDBREAK : DT_END_ELLIPSIS);
    if (!p.caption.empty()) {
        c.Font = Font;
        TRect measure { 0, 0, maxTextW, 0 };
        c.DrawText(p.caption, measure, p.format | DT_CALCRECT);
        p.textW = std::min(measure.Width(), maxTextW);
        p.textH = measure.Height();
    }
    const int gap = !p.caption.empty() && boxW > 0 ? 2 : 0;
    auto along = [&](int size) {
        switch (m_alignment) {
        case taLeftJustify:
            return 3;
        case taRightJustify:
            return w - 3 - size;
        default:
            return (w - size) / 2;
        }
    };
    if (m_layout == blBitmapTop || m_layout == blBitmapBottom) {
        int top = (h - (p.imgH + gap + p.textH)) / 2;
        p.imgX = along(boxW);
        p.textX = along(p.textW);
        p.imgY = m_layout == blBitmapTop ? top : top + p.textH + gap;
        p.textY = m_layout == blBitmapTop ? top + p.imgH + gap : top;
    } else {
        int left = along(boxW + gap + p.textW);
        p.imgX = m_layout == blBitmapLeft ? left : left + p.textW + gap;
        p.textX = m_layout == blBitmapLeft ? left + boxW + gap : left;
        p.imgY = (h - p.imgH) / 2;
        p.textY = (h - p.textH) / 2;
    }
    return p;
}

void TOfficeButton::draw(TCanvas& c, const Look& look, const Placement& p) const
{
    const int w = Width(), h = Height();
    c.Brush.Style = bsSolid;
    c.Brush.Bitmap = nullptr;
    c.Brush.Color = clBtnFace;
    c.FillRect({ 0, 0, w, h });
    if (m_down && m_showDownPattern) {
        c.Brush.Bitmap = &CheckerPattern();
        c.FillRect({ 0, 0, w, h });
        c.Brush.Bitmap = nullptr;
    }

    // The hover bevel stands out and the pressed one sinks for a raised
    // button; a lowered button has them the other way round.
    if (look.bevel != Look::NoBevel && (m_options & boShowBevel)) {
        bool lowered = (look.bevel == Look::PressedBevel) == (m_bevelStyle == bsRaised);
        TRect r { 0, 0, w, h };
        if (lowered)
            Frame3D(c, r, clBtnShadow, clBtnHighlight, 1);
        else
            Frame3D(c, r, clBtnHighlight, clBtnShadow, 1);
    }

    if (look.image) {
        TColor key = look.image->TopLeftColor();
        if (look.embossImage) {
            c.DrawShape(p.imgX + 1, p.imgY + 1, *look.image, key, clBtnHighlight);
            c.DrawShape(p.imgX, p.imgY, *look.image, key, clBtnShadow);
        } else {
            c.DrawTransparent(p.imgX + look.imageShift, p.imgY + look.imageShift, *look.image, key);
        }
    }

    if (p.mark) {
        // 7, 5, 3 and 1 pixels, pointing down, just right of the image.
        int x0 = p.imgX + p.imgW + 3, y0 = p.imgY + p.imgH / 2 - 2;
        TColor markColor = Enabled() ? look.captionColor : clBtnShadow;
        for (int row = 0; row < 4; ++row)
            for (int x = x0 + row; x < x0 + 7 - row; ++x)
                c.SetPixel(x, y0 + row, markColor);
    }

    if (!p.caption.empty()) {
        c.Font = Font;
        int x = p.textX + look.captionShift, y = p.textY + look.captionShift;
        TRect r { x, y, x + p.textW, y + p.textH };
        if (look.embossCaption) {
            TRect lit { r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1 };
            c.Font.Color = clBtnHighlight;
            c.DrawText(p.caption, lit, p.format);
            c.Font.Color = clBtnShadow;
        } else {
            c.Font.Color = look.captionColor;
        }
        c.DrawText(p.caption, r, p.format);
    }
}
