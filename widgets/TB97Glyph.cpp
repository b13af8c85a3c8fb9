// The flat tool button's pictures: the glyph lists shared by image size,
// a button's state images, where its content goes, and the platform's edges.

#include "widgets/TB97.h"

#include "platform/Exception.h"

namespace {

// The process's glyph lists, made on first need and freed with the last list.
std::unique_ptr<TGlyphCache> g_cache;

}  // namespace

TGlyphCache* GlyphCache() { return g_cache.get(); }

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
    if (g_cache && g_cache->Empty())
        g_cache.reset();
}

void TButtonGlyph::Invalidate()
{
    for (int& index : m_indexes) {
        if (index >= 0 && m_list)
            m_list->FreeSlot(index);
        index = -1;
    }
    if (m_list && g_cache)
        g_cache->ReleaseList(m_list);
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
    if (!m_list) {
        if (!g_cache)
            g_cache = std::make_unique<TGlyphCache>();
        m_list = g_cache->ListForSize(w + 1, h + 1);
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
