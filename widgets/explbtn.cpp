#include "widgets/explbtn.h"

#include "platform/Menus.h"
#include "platform/Messages.h"
#include "platform/TextCodec.h"

#include <QCursor>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cctype>

// The button's own widget: paints through the button.
class OfficeButtonWidget final : public QWidget {
public:
    explicit OfficeButtonWidget(TOfficeButton* button)
        : m_button(button)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override { m_button->Paint(); }

private:
    TOfficeButton* m_button;
};

namespace {

int g_buttons = 0;
std::unique_ptr<TBitmap> g_pattern;

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
    : TControl(owner)
{
    ++g_buttons;
    SetBounds(0, 0, 50, 40);
    SetWidget(new OfficeButtonWidget(this));
}

TOfficeButton::~TOfficeButton()
{
    BeginDestroy();
    if (--g_buttons == 0)
        g_pattern.reset();
}

const TBitmap& TOfficeButton::downPattern()
{
    if (!g_pattern) {
        g_pattern = std::make_unique<TBitmap>(8, 8);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                g_pattern->Canvas().SetPixel(x, y, (x % 2) == (y % 2) ? clBtnHighlight : clBtnFace);
    }
    return *g_pattern;
}

// --- properties --------------------------------------------------------------

void TOfficeButton::SetAlignment(TAlignment v)
{
    m_alignment = v;
    Repaint();
}

void TOfficeButton::SetAllowAllUp(bool v)
{
    m_allowAllUp = v;
    forEachInGroup([v](TOfficeButton* b) { b->m_allowAllUp = v; });
}

void TOfficeButton::SetBevelStyle(TBevelStyle v)
{
    m_bevelStyle = v;
    Repaint();
}

void TOfficeButton::SetBitmap(const TBitmap& v)
{
    m_bitmap = v;
    makeShaded();
    Repaint();
}

void TOfficeButton::SetNoFocusBitmap(const TBitmap& v)
{
    m_noFocusBitmap = v;
    Repaint();
}

void TOfficeButton::SetDisabledBitmap(const TBitmap& v)
{
    m_disabledBitmap = v;
    Repaint();
}

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
        releaseOthers();
    Repaint();
}

void TOfficeButton::SetDropDownMenu(TPopupMenu* v)
{
    m_dropDownMenu = v;
    Repaint();
}

void TOfficeButton::SetEnabled(bool v)
{
    TControl::SetEnabled(v);
    m_hot = false;
    m_pressed = false;
    if (m_groupIndex == 0)
        m_down = false;
    Repaint();
}

void TOfficeButton::SetLayout(TExplorerButtonLayout v)
{
    m_layout = v;
    Repaint();
}

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

void TOfficeButton::SetShowDownPattern(bool v)
{
    m_showDownPattern = v;
    Repaint();
}

void TOfficeButton::SetUnselectedFontColor(TColor v)
{
    m_unselectedFontColor = v;
    Repaint();
}

void TOfficeButton::SetWordWrap(bool v)
{
    m_wordWrap = v;
    Repaint();
}

template<class F>
void TOfficeButton::forEachInGroup(F f)
{
    if (m_groupIndex == 0 || !Parent())
        return;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        auto* b = dynamic_cast<TOfficeButton*>(Parent()->Controls(i));
        if (b && b != this && b->m_groupIndex == m_groupIndex)
            f(b);
    }
}

void TOfficeButton::releaseOthers()
{
    forEachInGroup([](TOfficeButton* b) {
        if (b->m_down) {
            b->m_down = false;
            b->Repaint();
        }
    });
}

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
    QWidget* w = Widget();
    return w && w->rect().contains(w->mapFromGlobal(QCursor::pos()));
}

// --- mouse and keyboard ------------------------------------------------------

bool TOfficeButton::WidgetEvent(QEvent* e)
{
    bool eaten = TControl::WidgetEvent(e);
    switch (e->type()) {
    case QEvent::Enter:
        MouseEnter();
        break;
    case QEvent::Leave:
        MouseLeave();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* me = static_cast<QMouseEvent*>(e);
        if (me->button() == Qt::LeftButton)
            MouseDown(mbLeft, int(me->position().x()), int(me->position().y()));
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* me = static_cast<QMouseEvent*>(e);
        MouseUp(me->button() == Qt::LeftButton ? mbLeft : me->button() == Qt::RightButton ? mbRight : mbMiddle,
            int(me->position().x()), int(me->position().y()));
        return true;
    }
    case QEvent::MouseMove: {
        auto* me = static_cast<QMouseEvent*>(e);
        MouseMove(int(me->position().x()), int(me->position().y()));
        break;
    }
    case QEvent::ContextMenu:
        if (eaten) {
            // The pop-up menu has closed: the mouse may be anywhere now.
            m_hot = cursorInside();
            m_pressed = false;
            Repaint();
        }
        break;
    default:
        break;
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

void TOfficeButton::MouseMove(int x, int y)
{
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

void TOfficeButton::MouseDown(TMouseButton button, int, int)
{
    if (button != mbLeft || !Enabled() || !Visible())
        return;
    m_pressed = true;
    m_hot = true;
    Repaint();
    if (!m_dropDownMenu)
        return;
    QPoint corner = Widget() ? Widget()->mapToGlobal(QPoint(0, Height())) : QPoint(0, Height());
    m_dropDownMenu->Popup(corner.x(), corner.y());
    m_hot = cursorInside();
    m_pressed = false;
    Repaint();
}

void TOfficeButton::MouseUp(TMouseButton button, int x, int y)
{
    if (button != mbLeft || !Enabled() || !Visible() || !m_pressed)
        return;
    m_pressed = false;
    if (m_hot && m_groupIndex != 0) {
        if (!m_down) {
            m_down = true;
            releaseOthers();
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
    MouseDown(mbLeft, 0, 0);
    ProcessPostedMessages();
    MouseUp(mbLeft, 0, 0);
    if (!cursorInside())
        m_hot = false;
    return true;
}

// --- painting ----------------------------------------------------------------

void TOfficeButton::Paint()
{
    if (!Visible() || !Widget() || Width() <= 0 || Height() <= 0)
        return;
    TBitmap buffer(Width(), Height());
    PaintTo(buffer.Canvas());
    QPainter painter(Widget());
    painter.drawImage(0, 0, buffer.Image());
}

void TOfficeButton::PaintTo(TCanvas& c)
{
    const int w = Width(), h = Height();
    c.Brush.Style = bsSolid;
    c.Brush.Bitmap = nullptr;
    c.Brush.Color = clBtnFace;
    c.FillRect({ 0, 0, w, h });
    if (m_down && m_showDownPattern) {
        c.Brush.Bitmap = &downPattern();
        c.FillRect({ 0, 0, w, h });
        c.Brush.Bitmap = nullptr;
    }

    // The hover bevel stands out and the pressed one sinks for a raised
    // button; a lowered button has them the other way round.
    auto bevel = [&](bool pressedLook) {
        if (!(m_options & boShowBevel))
            return;
        bool lowered = pressedLook == (m_bevelStyle == bsRaised);
        TRect r { 0, 0, w, h };
        if (lowered)
            Frame3D(c, r, clBtnShadow, clBtnHighlight, 1);
        else
            Frame3D(c, r, clBtnHighlight, clBtnShadow, 1);
    };

    const bool enabled = Enabled();
    const bool pressedLook = enabled && ((m_pressed && m_hot) || m_down);
    const TBitmap* image = nullptr;
    bool embossImage = false;
    int imageShift = 0, captionShift = 0;
    TColor captionColor = Font.Color;
    bool embossCaption = false;

    if (!enabled) {
        if (m_down)
            bevel(true);
        if (!m_disabledBitmap.Empty())
            image = &m_disabledBitmap;
        else if (!m_bitmap.Empty()) {
            image = &m_bitmap;
            embossImage = true;
        }
        embossCaption = true;
    } else if (pressedLook) {
        bevel(true);
        captionShift = m_bevelStyle == bsRaised ? 1 : 0;
        imageShift = 1;
        image = m_bitmap.Empty() ? nullptr : &m_bitmap;
    } else {
        if (m_hot)
            bevel(false);
        else
            captionColor = m_unselectedFontColor;
        captionShift = m_hot && m_bevelStyle == bsLowered ? 1 : 0;
        if (!m_hot && (m_options & boMonoDisplay))
            image = !m_noFocusBitmap.Empty() ? &m_noFocusBitmap : &m_shadedBitmap;
        else
            image = &m_bitmap;
        if (image->Empty())
            image = nullptr;
    }

    // Layout, on the size of the image proper.
    const bool mark = (m_options & boPopupMark) && m_dropDownMenu;
    const int imgW = m_bitmap.Empty() ? 0 : m_bitmap.Width();
    const int imgH = m_bitmap.Empty() ? 0 : m_bitmap.Height();
    const int boxW = imgW + (mark ? 10 : 0);
    const std::string caption = (m_options & boIconOnly) ? std::string() : Caption();
    const bool showCaption = !caption.empty();
    const int maxTextW = std::max(0, w - 4);
    unsigned format = (m_alignment == taLeftJustify ? DT_LEFT : m_alignment == taRightJustify ? DT_RIGHT : DT_CENTER)
        | (m_wordWrap ? DT_WORDBREAK : DT_END_ELLIPSIS);
    int textW = 0, textH = 0;
    if (showCaption) {
        c.Font = Font;
        TRect measure { 0, 0, maxTextW, 0 };
        c.DrawText(caption, measure, format | DT_CALCRECT);
        textW = std::min(measure.Width(), maxTextW);
        textH = measure.Height();
    }
    const int gap = showCaption && boxW > 0 ? 2 : 0;
    auto place = [&](int size) {
        switch (m_alignment) {
        case taLeftJustify:
            return 3;
        case taRightJustify:
            return w - 3 - size;
        default:
            return (w - size) / 2;
        }
    };
    int imgX, imgY, textX, textY;
    if (m_layout == blBitmapTop || m_layout == blBitmapBottom) {
        int top = (h - (imgH + gap + textH)) / 2;
        imgX = place(boxW);
        textX = place(textW);
        imgY = m_layout == blBitmapTop ? top : top + textH + gap;
        textY = m_layout == blBitmapTop ? top + imgH + gap : top;
    } else {
        int left = place(boxW + gap + textW);
        imgX = m_layout == blBitmapLeft ? left : left + textW + gap;
        textX = m_layout == blBitmapLeft ? left + boxW + gap : left;
        imgY = (h - imgH) / 2;
        textY = (h - textH) / 2;
    }

    if (image) {
        TColor key = image->TopLeftColor();
        if (embossImage) {
            c.DrawShape(imgX + 1, imgY + 1, *image, key, clBtnHighlight);
            c.DrawShape(imgX, imgY, *image, key, clBtnShadow);
        } else {
            c.DrawTransparent(imgX + imageShift, imgY + imageShift, *image, key);
        }
    }

    if (mark) {
        // 7, 5, 3 and 1 pixels, pointing down, just right of the image.
        int x0 = imgX + imgW + 3, y0 = imgY + imgH / 2 - 2;
        TColor markColor = enabled ? captionColor : clBtnShadow;
        for (int row = 0; row < 4; ++row)
            for (int x = x0 + row; x < x0 + 7 - row; ++x)
                c.SetPixel(x, y0 + row, markColor);
    }

    if (showCaption) {
        c.Font = Font;
        TRect r { textX + captionShift, textY + captionShift, textX + captionShift + textW, textY + captionShift + textH };
        if (embossCaption) {
            TRect lit { r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1 };
            c.Font.Color = clBtnHighlight;
            c.DrawText(caption, lit, format);
            c.Font.Color = clBtnShadow;
        } else {
            c.Font.Color = captionColor;
        }
        c.DrawText(caption, r, format);
    }
}
