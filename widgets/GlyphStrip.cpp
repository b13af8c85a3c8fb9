#include "widgets/GlyphStrip.h"

#include "platform/Exception.h"

bool TGlyphStrip::Load(const std::string& path, int cellSize, int cells)
{
    m_strip.Clear();
    m_size = cellSize;
    QImage image;
    try {
        image = ReadPictureFile(path);
    } catch (const Exception&) {
        return false;
    }
    if ( cellSize <= 0 || image.height() != cellSize || image.width() < cellSize * cells)
        return false;
    m_strip.SetImage(image);
    return true;
}

TBitmap TGlyphStrip::Cell(int index) const
{
    TBitmap cell;
    if (m_strip.Empty() || index < 0 || (index + 1) * m_size > m_strip.Width())
        return cell;
    cell.SetImage(m_strip.Image().copy(index * m_size, 0, m_size, m_size));
    return cell;
}
