#include "widgets/TB97.h"

#include "widgets/TB97Dock.h"

#include "platform/AppHooks.h"
#include "platform/Exception.h"
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
    std::unique_ptr<TGlyphCache> cache;
    std::unique_ptr<TBitmap> dither;
    TColor ditherFace = 0, ditherHighlight = 0;
    int buttons = 0;
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
TGlyphCache* GlyphCache() { return TB97Unit::get().cache.get(); }

const TBitmap& DitherPattern()
{
    TB97Unit& u = TB97Unit::get();
    if (!u.dither) {
        u.dither = std::make_unique<TBitmap>(8, 8);
        u.ditherFace = ColorToRGB(clBtnFace);
        u.ditherHighlight = ColorToRGB(clBtnHighlight);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                u.dither->Canvas().SetPixel(x, y, (x % 2) == (y % 2) ? clBtnHighlight : clBtnFace);
    }
    return *u.dither;
}

// --- Glyph lists and cache ------------------------------------------------------

TGlyphList::TGlyphList(int width, int height)
    : m_width(width)
    , m_height(height)
{
}

int TGlyphList::TakeSlot()
{
    int slot = 0;
    while (slot < int(m_used.size()) && m_used[std::size_t(slot)])
        ++slot;
    if (slot >= int(m_images.size()))
        m_images.push_back({ TBitmap(m_width, m_height), std::vector<bool>(std::size_t(m_width * m_height), true) });
    if (slot >= int(m_used.size()))
        m_used.resize(std::size_t(slot + 1), false);
    m_used[std::size_t(slot)] = true;
    return slot;
}

int TGlyphList::AddImage(const TBitmap& image, const std::vector<bool>& mask)
{
    int slot = TakeSlot();
    Image& target = m_images[std::size_t(slot)];
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) {
            target.picture.Canvas().SetPixel(x, y, image.Pixel(x, y));
            target.mask[std::size_t(y * m_width + x)] = mask.at(std::size_t(y * image.Width() + x));
        }
    ++m_count;
    return slot;
}

int TGlyphList::AddImageMasked(const TBitmap& image, TColor transparent)
{
    if (image.Width() < m_width || image.Height() < m_height)
        throw EInvalidOperation("Invalid image size");
    TColor key = ColorToRGB(transparent);
    std::vector<bool> mask(std::size_t(image.Width() * image.Height()));
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            mask[std::size_t(y * image.Width() + x)] = image.Pixel(x, y) == key;
    return AddImage(image, mask);
}

void TGlyphList::FreeSlot(int index)
{
    if (index >= 0 && index < int(m_used.size()) && m_used[std::size_t(index)]) {
        m_used[std::size_t(index)] = false;
        --m_count;
    }
}

void TGlyphList::Draw(TCanvas& canvas, int index, int x, int y) const
{
    if (index < 0 || index >= int(m_images.size()))
        return;
    const Image& image = m_images[std::size_t(index)];
    for (int j = 0; j < m_height; ++j)
        for (int i = 0; i < m_width; ++i)
            if (!image.mask[std::size_t(j * m_width + i)])
                canvas.SetPixel(x + i, y + j, image.picture.Pixel(i, j));
}

TGlyphList* TGlyphCache::ListForSize(int width, int height)
{
    for (auto it = m_lists.rbegin(); it != m_lists.rend(); ++it)
        if ((*it)->Width() == width && (*it)->Height() == height)
            return it->get();
    m_lists.push_back(std::make_unique<TGlyphList>(width, height));
    return m_lists.back().get();
}

void TGlyphCache::ReleaseList(TGlyphList* list)
{
    if (!list || list->Count() > 0)
        return;
    for (auto it = m_lists.begin(); it != m_lists.end(); ++it)
        if (it->get() == list) {
            m_lists.erase(it);
            return;
        }
}

// --- The glyph object -----------------------------------------------------------

namespace {

// The class library's automatic transparent colour: the bottom-left pixel.
TColor transparentColorOf(const TBitmap& b) { return b.Empty() ? clOlive : b.BottomLeftColor(); }

}

TButtonGlyph::TButtonGlyph() = default;

TButtonGlyph::~TButtonGlyph()
{
    Invalidate();
    TB97Unit& u = TB97Unit::get();
    if (u.cache && u.cache->Empty())
        u.cache.reset();
}

void TButtonGlyph::Invalidate()
{
    for (int& index : m_indexes) {
        if (index >= 0 && m_list)
            m_list->FreeSlot(index);
        index = -1;
    }
    if (m_list && TB97Unit::get().cache)
        TB97Unit::get().cache->ReleaseList(m_list);
    m_list = nullptr;
}

void TButtonGlyph::SetGlyph(const TBitmap& bitmap)
{
    Invalidate();
    m_picture = bitmap;
    m_transparentColor = transparentColorOf(m_picture);
    if (m_picture.Height() > 0 && m_picture.Width() % m_picture.Height() == 0) {
        int n = m_picture.Width() / m_picture.Height();
        if (n > 5)
            n = 1;
        if (n > 0)
            m_numGlyphs = n;
    }
    changed();
}

void TButtonGlyph::SetNumGlyphs(int n)
{
    if (n > 5)
        n = 5;
    if (n <= 0 || n == m_numGlyphs)
        return;
    Invalidate();
    m_numGlyphs = n;
    m_transparentColor = transparentColorOf(m_picture);
    changed();
}

void TButtonGlyph::SetOldDisabledStyle(bool on)
{
    m_oldDisabledStyle = on;
    Invalidate();
}

void TButtonGlyph::changed()
{
    if (OnChange)
        OnChange();
}

int TButtonGlyph::StateImage(TToolButtonState state)
{
    int slot = state;
    if (state != tsDisabled && slot >= m_numGlyphs)
        slot = tsUp;
    if (m_indexes[slot] >= 0)
        return m_indexes[slot];
    if (m_picture.Width() == 0 || m_picture.Height() == 0)
        return -1;

    const int w = m_picture.Width() / m_numGlyphs, h = m_picture.Height();
    TB97Unit& u = TB97Unit::get();
    if (!m_list) {
        if (!u.cache)
            u.cache = std::make_unique<TGlyphCache>();
        m_list = u.cache->ListForSize(w + 1, h + 1);
    }
    TBitmap work(w + 1, h + 1);
    TCanvas& c = work.Canvas();
    const int cell = slot < m_numGlyphs ? slot : 0;
    auto copyCell = [&] {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                c.SetPixel(x, y, m_picture.Pixel(cell * w + x, y));
    };
    auto fill = [&](TColor colour) {
        c.Brush.Color = colour;
        c.Brush.Style = bsSolid;
        c.FillRect({ 0, 0, w + 1, h + 1 });
    };
    const TColor key = ColorToRGB(m_transparentColor);
    int index;
    if (slot != tsDisabled) {
        fill(m_transparentColor);
        copyCell();
        index = m_list->AddImageMasked(work, m_transparentColor);
    } else if (m_numGlyphs >= 2) {
        // A disabled cell of its own: its white goes to the highlight colour,
        // its gray to the shadow colour.
        fill(m_transparentColor);
        copyCell();
        std::vector<bool> mask(std::size_t((w + 1) * (h + 1)), true);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                TColor p = m_picture.Pixel(cell * w + x, y);
                if (p == clWhite)
                    c.SetPixel(x, y, clBtnHighlight);
                else if (p == clGray)
                    c.SetPixel(x, y, clBtnShadow);
                mask[std::size_t(y * (w + 1) + x)] = p == key;
            }
        index = m_list->AddImage(work, mask);
    } else {
        // Generated: the picture's dark pixels embossed, highlight one pixel
        // down and right, shadow over it in place.
        std::vector<bool> ink(std::size_t(w * h));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                TColor p = m_picture.Pixel(cell * w + x, y);
                ink[std::size_t(y * w + x)] = m_oldDisabledStyle ? (p != clWhite && p != key && (p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF) < 384)
                                                                 : (p != key && p != clWhite && p != clSilver);
            }
        fill(clBtnFace);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (ink[std::size_t(y * w + x)])
                    c.SetPixel(x + 1, y + 1, clBtnHighlight);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (ink[std::size_t(y * w + x)])
                    c.SetPixel(x, y, clBtnShadow);
        index = m_list->AddImageMasked(work, clBtnFace);
    }
    m_indexes[slot] = index;
    return index;
}

TContentPlace TButtonGlyph::PlaceContent(TCanvas& canvas, const Content& in) const
{
    const int cw = in.client.Right - in.client.Left, ch = in.client.Bottom - in.client.Top;
    int gw = 0, gh = 0;
    if (in.showGlyph && !m_picture.Empty()) {
        gw = m_picture.Width() / m_numGlyphs;
        gh = m_picture.Height();
    }
    const int aw = in.dropArrow ? 9 : 0, ah = in.dropArrow ? 3 : 0;
    TButtonLayout layout = in.layout;
    if ((layout == blGlyphTop || layout == blGlyphBottom) && (gw == 0 || gh == 0))
        layout = blGlyphLeft;
    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;

    TContentPlace place;
    int tw = 0, th = 0;
    if (in.showText && !in.caption.empty()) {
        TRect r { 0, 0, cw, 0 };
        if (horizontal)
            r.Right -= aw;
        unsigned format = DT_CALCRECT;
        if (in.wordWrap) {
            format |= DT_WORDBREAK;
            if (horizontal && gw) {
                int margin = in.margin != -1 ? in.margin : in.spacing != -1 ? in.spacing : 4;
                r.Right -= gw + (in.spacing == -1 ? 4 : in.spacing) + 2 * margin;
            } else {
                r.Right -= 2 * 4;
            }
        }
        canvas.DrawText(in.caption, r, format);
        tw = r.Right - r.Left;
        th = r.Bottom - r.Top;
        place.text = r;
    }
    TPoint g, t, a;
    if (horizontal) {
        g.Y = (ch - gh + 1) / 2;
        t.Y = (ch - th + 1) / 2;
    } else {
        g.X = (cw - gw - aw + 1) / 2;
        t.X = (cw - tw + 1) / 2;
        a.X = gw ? g.X + gw : t.X + tw;
    }
    int spacing = in.spacing, margin = in.margin;
    if (tw == 0 || th == 0 || gw == 0 || gh == 0)
        spacing = 0;
    const int size = horizontal ? cw : ch;
    if (margin == -1 && spacing == -1) {
        int total = horizontal ? gw + tw + aw : gh + th;
        spacing = (size - total) / 3;
        margin = spacing;
    } else if (margin == -1) {
        int total = horizontal ? spacing + gw + tw + aw : spacing + gh + th;
        margin = (size - total + 1) / 2;
    } else if (spacing == -1) {
        int rest = horizontal ? cw - margin - gw - aw : ch - margin - gh;
        spacing = (rest - (horizontal ? tw : th)) / 2;
    }
    switch (layout) {
    case blGlyphLeft:
        g.X = margin;
        t.X = margin + gw + spacing;
        a.X = t.X + tw;
        break;
    case blGlyphRight:
        a.X = cw - margin - aw;
        g.X = a.X - gw;
        t.X = g.X - spacing - tw;
        break;
    case blGlyphTop:
        g.Y = margin;
        t.Y = margin + gh + spacing;
        break;
    case blGlyphBottom:
        g.Y = ch - margin - gh;
        t.Y = g.Y - spacing - th;
        break;
    }
    a.Y = gw || gh ? g.Y + (gh - ah) / 2 : t.Y + (th - ah) / 2;
    const int dx = in.client.Left + in.offset.X, dy = in.client.Top + in.offset.Y;
    place.glyph = { g.X + dx, g.Y + dy };
    place.arrow = { a.X + dx, a.Y + dy };
    place.text = { t.X + dx, t.Y + dy, t.X + dx + tw, t.Y + dy + th };
    return place;
}

void TButtonGlyph::DrawContent(TCanvas& canvas, const Content& in, TToolButtonState state)
{
    TContentPlace place = PlaceContent(canvas, in);
    if (in.showGlyph && m_picture.Width() > 0 && m_picture.Height() > 0) {
        int index = StateImage(state);
        if (index >= 0)
            m_list->Draw(canvas, index, place.glyph.X, place.glyph.Y);
    }
    if (in.showText && !in.caption.empty()) {
        canvas.Brush.Style = bsClear;
        const unsigned format = in.wordWrap ? DT_CENTER | DT_VCENTER | DT_WORDBREAK : DT_CENTER | DT_VCENTER | DT_SINGLELINE;
        TRect r = place.text;
        if (state == tsDisabled) {
            TColor colour = canvas.Font.Color;
            TRect shifted { r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1 };
            canvas.Font.Color = clBtnHighlight;
            canvas.DrawText(in.caption, shifted, format);
            canvas.Font.Color = clBtnShadow;
            canvas.DrawText(in.caption, r, format);
            canvas.Font.Color = colour;
        } else {
            canvas.DrawText(in.caption, r, format);
        }
    }
    if (in.dropArrow) {
        auto triangle = [&](int x, int y, TColor colour) {
            for (int row = 0; row < 3; ++row)
                for (int i = x + row; i <= x + 4 - row; ++i)
                    canvas.SetPixel(i, y + row, colour);
        };
        const int x = place.arrow.X + 4, y = place.arrow.Y;
        if (state == tsDisabled) {
            triangle(x + 1, y + 1, clBtnHighlight);
            triangle(x, y, clBtnShadow);
        } else {
            triangle(x, y, canvas.Font.Color);
        }
    }
}

// --- Edges ------------------------------------------------------------------------

void DrawEdge(TCanvas& canvas, TRect r, unsigned edge, unsigned flags)
{
    auto line = [&](TColor topLeft, TColor bottomRight) {
        for (int x = r.Left; x < r.Right; ++x) {
            if (flags & BF_TOP)
                canvas.SetPixel(x, r.Top, topLeft);
            if (flags & BF_BOTTOM)
                canvas.SetPixel(x, r.Bottom - 1, bottomRight);
        }
        for (int y = r.Top; y < r.Bottom; ++y) {
            if (flags & BF_LEFT)
                canvas.SetPixel(r.Left, y, topLeft);
            if (flags & BF_RIGHT)
                canvas.SetPixel(r.Right - 1, y, bottomRight);
        }
        // The bottom-left and top-right corners belong to the darker side.
        if ((flags & BF_LEFT) && (flags & BF_BOTTOM))
            canvas.SetPixel(r.Left, r.Bottom - 1, bottomRight);
        if ((flags & BF_TOP) && (flags & BF_RIGHT))
            canvas.SetPixel(r.Right - 1, r.Top, bottomRight);
        r = { r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1 };
    };
    const bool soft = flags & BF_SOFT;
    if (edge & BDR_RAISEDOUTER)
        line(soft ? clBtnHighlight : GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW));
    else if (edge & BDR_SUNKENOUTER)
        line(soft ? GetSysColor(COLOR_3DDKSHADOW) : clBtnShadow, clBtnHighlight);
    if (edge & BDR_RAISEDINNER)
        line(soft ? GetSysColor(COLOR_3DLIGHT) : clBtnHighlight, clBtnShadow);
    else if (edge & BDR_SUNKENINNER)
        line(soft ? clBtnShadow : GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT));
    if (flags & BF_MIDDLE) {
        canvas.Brush.Color = clBtnFace;
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Bitmap = nullptr;
        canvas.FillRect(r);
    }
}

// --- The button -------------------------------------------------------------------

TToolbarButton97::TToolbarButton97(TComponent* owner)
    : TGraphicControl(owner)
{
    ControlStyle = csCaptureMouse | csOpaque | csDoubleClicks;
    SetBounds(0, 0, 23, 22);
    m_glyph.OnChange = [this] { repaintButton(true); };
    TB97Unit& u = TB97Unit::get();
    ++u.buttons;
    u.installHook();
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
    if (--u.buttons == 0)
        u.dither.reset();
}

void TToolbarButton97::SetAllowAllUp(bool on)
{
    m_allowAllUp = on;
    notifyGroup();
}

void TToolbarButton97::SetGroupIndex(int index)
{
    m_groupIndex = index;
    notifyGroup();
}

void TToolbarButton97::SetDisplayMode(TButtonDisplayMode mode)
{
    m_displayMode = mode;
    repaintButton(true);
}

void TToolbarButton97::SetDown(bool on)
{
    if (m_groupIndex == 0)
        on = false;
    if (on == m_down || (m_down && !m_allowAllUp))
        return;
    m_down = on;
    m_state = on ? tsHeld : tsUp;
    repaintButton(true);
    if (on)
        notifyGroup();
}

void TToolbarButton97::SetDropdownArrow(bool on)
{
    m_dropdownArrow = on;
    repaintButton(true);
}

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

void TToolbarButton97::SetLayout(TButtonLayout layout)
{
    m_layout = layout;
    repaintButton(true);
}

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

void TToolbarButton97::SetSpacing(int spacing)
{
    m_spacing = spacing;
    repaintButton(true);
}

void TToolbarButton97::SetWordWrap(bool on)
{
    m_wordWrap = on;
    repaintButton(true);
}

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

void TToolbarButton97::notifyGroup()
{
    if (m_groupIndex == 0 || !Parent())
        return;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        auto* other = dynamic_cast<TToolbarButton97*>(Parent()->Controls(i));
        if (!other || other == this || other->m_groupIndex != m_groupIndex)
            continue;
        if (m_down && other->m_down) {
            other->m_down = false;
            other->m_state = tsUp;
            other->repaintButton(true);
        }
        other->m_allowAllUp = m_allowAllUp;
    }
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
        m_glyph.StateImage(Enabled() ? tsUp : tsDisabled);
        syncHover();
        repaintButton(true);
        return;
    case CM_SYSCOLORCHANGE: {
        TGraphicControl::WndProc(m);
        TB97Unit& u = TB97Unit::get();
        if (u.dither && (u.ditherFace != ColorToRGB(clBtnFace) || u.ditherHighlight != ColorToRGB(clBtnHighlight)))
            u.dither.reset();
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

void TToolbarButton97::PaintTo(TCanvas& canvas)
{
    if (m_opaque || !m_flat) {
        canvas.Brush = TBrush();
        canvas.Brush.Color = Color;
        canvas.FillRect({ 0, 0, Width(), Height() });
    }
    if (!Enabled()) {
        m_state = tsDisabled;
        m_pressing = false;
    } else if (m_state == tsDisabled) {
        m_state = m_down && m_groupIndex ? tsHeld : tsUp;
    }
    canvas.Font = Font;
    TRect r { 0, 0, Width(), Height() };
    const bool combo = m_dropdownCombo && DropdownMenu();
    const bool pushedState = m_state == tsPressed || m_state == tsHeld;
    const bool edge = !m_flat || pushedState || (m_mouseIn && m_state != tsDisabled);
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
    if (m_state == tsHeld && (!m_flat || !m_mouseIn)) {
        canvas.Brush = TBrush();
        canvas.Brush.Bitmap = &DitherPattern();
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
    m_glyph.DrawContent(canvas, content, m_state);
    if (combo) {
        const int x = Width() - 13, y = Height() / 2 - 1;
        for (int row = 0; row < 3; ++row)
            for (int i = x + 4 + row; i <= x + 8 - row; ++i)
                canvas.SetPixel(i, y + row, m_state == tsDisabled ? clBtnShadow : canvas.Font.Color);
    }
}

// --- Separator ---------------------------------------------------------------------------

TToolbarSep97::TToolbarSep97(TComponent* owner)
    : TGraphicControl(owner)
{
    ControlStyle &= ~unsigned(csCaptureMouse | csOpaque);
    SetBounds(0, 0, 6, 22);
}

void TToolbarSep97::SetBlank(bool blank)
{
    if (blank == m_blank)
        return;
    m_blank = blank;
    Invalidate();
    // A floating toolbar draws its wrap lines by their separators' Blank.
    layoutToolbar();
}

void TToolbarSep97::SetSizeHorz(int size)
{
    if (size < 1 || size == m_sizeHorz)
        return;
    m_sizeHorz = size;
    layoutToolbar();
}

void TToolbarSep97::SetSizeVert(int size)
{
    if (size < 1 || size == m_sizeVert)
        return;
    m_sizeVert = size;
    layoutToolbar();
}

void TToolbarSep97::SetParent(TWinControl* parent)
{
    if (parent && !dynamic_cast<TToolbar97*>(parent))
        throw EInvalidOperation("TToolbarSep97 can only be placed on a TToolbar97");
    TGraphicControl::SetParent(parent);
}

void TToolbarSep97::layoutToolbar()
{
    if (auto* bar = dynamic_cast<TToolbar97*>(Parent()))
        bar->LayoutControls();
}

void TToolbarSep97::Paint()
{
    PaintToolbarSep(*Canvas(), Width(), Height(), DockedLeftRight(this), m_blank);
}

bool TToolbarSep97::forward(UINT msg, TShiftState shift, int x, int y)
{
    auto* bar = dynamic_cast<TToolbar97*>(Parent());
    if (!bar)
        return false;
    bar->Perform(msg, WPARAM(shift & ~ssDouble), PointToLParam(Left() + x, Top() + y));
    return true;
}

void TToolbarSep97::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseDown(button, shift, x, y);
    const TMouseAction action = (shift & ssDouble) ? TMouseAction::DoubleClick : TMouseAction::Down;
    if (forward(MouseMessage(action, button), shift, x, y))
        m_forwarding = true;
}

void TToolbarSep97::MouseMove(TShiftState shift, int x, int y)
{
    TGraphicControl::MouseMove(shift, x, y);
    // The press that began on the separator drags the toolbar: the mouse
    // stays with the separator until the release, so its moves are handed on.
    if (m_forwarding)
        forward(WM_MOUSEMOVE, shift, x, y);
}

void TToolbarSep97::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseUp(button, shift, x, y);
    if (!m_forwarding)
        return;
    m_forwarding = false;
    forward(MouseMessage(TMouseAction::Up, button), shift, x, y);
}
