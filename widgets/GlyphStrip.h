#pragma once
// A row of equal square pictures in one bitmap file, cut into cells. A file
// that is missing, unreadable, truncated, of the wrong shape, or no regular
// file (Graphics.h: ReadPictureFile) gives empty cells: the buttons go
// without pictures, and nothing fails.

#include "platform/Graphics.h"

#include <string>

class TGlyphStrip {
public:
    // Reads the file; false (and every cell empty) when it is not a picture
    // `cellSize` high holding at least `cells` cells.
    bool Load(const std::string& path, int cellSize, int cells);
    bool Loaded() const { return !m_strip.Empty(); }
    const TBitmap& Picture() const { return m_strip; }
    // The cell's picture, or an empty bitmap.
    TBitmap Cell(int index) const;

private:
    TBitmap m_strip;
    int m_size = 0;
};
