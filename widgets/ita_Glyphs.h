#pragma once
// TitaGlyphs: an image strip cut into a grid of equal cells, from which the
// speed, popup and menu buttons take their pictures. Drawn masked, each cell
// is keyed on its own bottom-left pixel: that colour shows the background.

#include "platform/Component.h"
#include "platform/Graphics.h"

class TitaGlyphs : public TComponent {
public:
    explicit TitaGlyphs(TComponent* owner);

    const TBitmap& Picture() const { return m_picture; }
    // Takes a copy; MaskColor follows the new picture, then OnChange fires.
    void SetPicture(const TBitmap&);

    int Rows = 1;
    int Cols = 1;
    bool Masked = true;
    // clNone switches masked drawing off.
    TColor MaskColor = clNone;

    // The cell size. Writing one sets Cols (Rows) from the picture; a size
    // of 0, or one larger than the picture, is ignored.
    int Width() const;
    int Height() const;
    void SetWidth(int);
    void SetHeight(int);

    // The cell bitmap, refilled with cell `index` (row-major; negative is 0).
    const TBitmap& GetCell(int index);
    // Cell `index` at (x, y); the whole picture when index < 0.
    void DrawCell(TCanvas&, int x, int y, int index);

    TNotifyEvent OnChange;

protected:
    virtual void Change();

private:
    TColor pictureTransparentColor() const;

    TBitmap m_picture;
    TBitmap m_cell;
};
