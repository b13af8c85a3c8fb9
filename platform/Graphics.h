#pragma once
// Drawing: pens, brushes, fonts, a canvas with the platform's pixel rules,
// and off-screen bitmaps.
//
// The rules are the platform's, kept exactly so that painting code means
// what it says: a line leaves out its end point, a rectangle's right and
// bottom edges lie outside it, text is drawn without smoothing. Colours stay
// 0x00BBGGRR (system colours resolved through SysColors.h) until they reach
// Qt.

#include "platform/SysColors.h"
#include "platform/Types.h"

#include <QFont>
#include <QImage>

#include <string>

class TBitmap;

struct TPen {
    TColor Color = clBlack;
};

enum TBrushStyle { bsSolid, bsClear };

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
    // When set, fills tile this pattern from the canvas origin instead of
    // using Color. Not owned.
    const TBitmap* Bitmap = nullptr;
};

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

struct TFont {
    std::string Name = "MS Sans Serif";
    int Size = 8;  // points
    // When not 0, the character height in pixels (the class library writes
    // it negative), in place of Size.
    int Height = 0;
    TColor Color = clWindowText;
    TFontStyles Style = 0;
};

// DrawText formats.
enum : unsigned {
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_CALCRECT = 0x400,
    DT_NOPREFIX = 0x800,
    DT_END_ELLIPSIS = 0x8000,
};

class TCanvas {
public:
    // The image's top-left pixel stands for the canvas point `origin`, so a
    // part of a larger surface is drawn in that surface's coordinates.
    explicit TCanvas(QImage* target, TPoint origin = { 0, 0 });
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TPen Pen;
    TBrush Brush;
    TFont Font;
    TPoint PenPos;

    void MoveTo(int x, int y);
    // From the pen position to (x, y), the end point left out.
    void LineTo(int x, int y);
    // Outline in the pen colour on [left, right) x [top, bottom), inside
    // filled with the brush.
    void Rectangle(int left, int top, int right, int bottom);
    void FillRect(const TRect&);
    // A one-pixel frame in the brush colour.
    void FrameRect(const TRect&);

    TColor Pixel(int x, int y) const;  // clNone outside the canvas
    void SetPixel(int x, int y, TColor);

    void Draw(int x, int y, const TBitmap&);
    // Copies every pixel of the bitmap except those of the transparent colour.
    void DrawTransparent(int x, int y, const TBitmap&, TColor transparent);
    // Paints the pixels that are not of the transparent colour in one colour:
    // the bitmap's shape.
    void DrawShape(int x, int y, const TBitmap&, TColor transparent, TColor color);

    // Text in the font colour; the background is filled with the brush when
    // its style is solid.
    void TextOut(int x, int y, const std::string& text);
    int TextWidth(const std::string& text);
    int TextHeight(const std::string& text);
    // Draws (or with DT_CALCRECT only measures, setting rect's right and
    // bottom) text in the rectangle; "&" marks an accelerator unless
    // DT_NOPREFIX. Returns the text's height.
    int DrawText(const std::string& text, TRect& rect, unsigned format);

private:
    QImage* m_image;
    TPoint m_origin;
};

class TBitmap {
public:
    TBitmap() = default;
    TBitmap(int width, int height);
    TBitmap(const TBitmap&);
    TBitmap& operator=(const TBitmap&);

    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }
    // New pixels are white; the old picture is dropped.
    void SetSize(int width, int height);
    bool Empty() const { return m_image.isNull(); }
    void Clear() { SetSize(0, 0); }

    TCanvas& Canvas() { return m_canvas; }
    TColor Pixel(int x, int y) const { return m_canvas.Pixel(x, y); }
    // The colour of the top-left pixel, which marks transparency.
    TColor TopLeftColor() const { return Pixel(0, 0); }
    // The colour of the bottom-left pixel: the key a glyph or background
    // picture is drawn transparent by.
    TColor BottomLeftColor() const { return Pixel(0, Height() - 1); }

    const QImage& Image() const { return m_image; }
    void SetImage(const QImage&);

private:
    QImage m_image;
    TCanvas m_canvas { &m_image };
};

// A picture file (BMP, PNG, ...), read only when it is a regular file of at
// most kMaxPictureFile bytes (FileIO.h: ReadRegularFile), so that a FIFO or a
// device in its place cannot hold the program up. Raises EFOpenError or
// EReadError when it cannot be read, EInvalidGraphic when it holds no picture.
constexpr std::size_t kMaxPictureFile = std::size_t(16) << 20;
QImage ReadPictureFile(const std::string& path);

// The class library's 3D frame: top and left in one colour, right and bottom
// in the other, `width` lines deep; rect shrinks by width on every side.
void Frame3D(TCanvas&, TRect& rect, TColor topColor, TColor bottomColor, int width);

// At the Qt boundary.
QRgb ToQRgb(TColor);
// The font as the screen draws it: a class-library face the system lacks
// becomes its installed twin of the same metrics ("MS Sans Serif",
// the window font of every window, becomes Liberation Sans).
QFont ToQFont(const TFont&);
TColor FromQRgb(QRgb);
