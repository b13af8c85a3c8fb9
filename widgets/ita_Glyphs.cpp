#include "widgets/ita_Glyphs.h"

TitaGlyphs::TitaGlyphs(TComponent* owner)
    : TComponent(owner)
{
    MaskColor = pictureTransparentColor();
}

TColor TitaGlyphs::pictureTransparentColor() const
{
    if (m_picture.Empty())
        return clOlive;
    return m_picture.BottomLeftColor() & ~TColor(0x02000000);
}

void TitaGlyphs::SetPicture(const TBitmap& picture)
{
    m_picture = picture;
    MaskColor = pictureTransparentColor();
    Change();
}

void TitaGlyphs::Change()
{
    if (OnChange)
        OnChange(this);
}

int TitaGlyphs::Width() const { return m_picture.Width() / (Cols > 0 ? Cols : 1); }

int TitaGlyphs::Height() const { return m_picture.Height() / (Rows > 0 ? Rows : 1); }

void TitaGlyphs::SetWidth(int w)
{
    if (w > 0 && m_picture.Width() / w > 0)
        Cols = m_picture.Width() / w;
}

void TitaGlyphs::SetHeight(int h)
{
    if (h > 0 && m_picture.Height() / h > 0)
        Rows = m_picture.Height() / h;
}

const TBitmap& TitaGlyphs::GetCell(int index)
{
    if (m_picture.Empty())
        return m_cell;
    int cols = Cols > 0 ? Cols : 1;
    int rows = Rows > 0 ? Rows : 1;
    if (index < 0)
        index = 0;
    int w = m_picture.Width() / cols, h = m_picture.Height() / rows;
    // A cell past the strip copies from outside the picture: blank, never
    // memory beyond it.
    m_cell.SetImage(m_picture.Image().copy(w * (index % cols), h * (index / cols), w, h));
    return m_cell;
}

void TitaGlyphs::DrawCell(TCanvas& canvas, int x, int y, int index)
{
    if (m_picture.Empty())
        return;
    const TBitmap& graphic = index < 0 ? m_picture : GetCell(index);
    if (graphic.Empty())
        return;
    if (Masked && MaskColor != clNone)
        canvas.DrawTransparent(x, y, graphic, graphic.BottomLeftColor());
    else
        canvas.Draw(x, y, graphic);
}
