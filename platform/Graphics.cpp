#include "platform/Graphics.h"

#include "platform/Exception.h"
#include "platform/FileIO.h"
#include "platform/TextCodec.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

QRgb ToQRgb(TColor c)
{
    TColor rgb = ColorToRGB(c);
    return qRgb(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF));
}

TColor FromQRgb(QRgb q) { return RGB(qRed(q), qGreen(q), qBlue(q)); }

namespace {

// The class library's faces that Linux desktops lack, and their twins of
// the same metrics.
struct FaceTwin {
    const char* face;
    const char* twin;
};
const FaceTwin kFaceTwins[] = {
    { "MS Sans Serif", "Liberation Sans" },
};

QString lookUpFace(const QString& face)
{
    if (QFontDatabase::hasFamily(face))
        return face;
    for (const FaceTwin& row : kFaceTwins)
        if (face.compare(QLatin1String(row.face), Qt::CaseInsensitive) == 0 && QFontDatabase::hasFamily(QLatin1String(row.twin)))
            return QLatin1String(row.twin);
    return face;
}

// Asking the font system costs more than a paint of a button takes, and
// paints ask for the same few faces again and again.
QString installedFace(const QString& face)
{
    static QHash<QString, QString> known;
    auto it = known.constFind(face);
    if (it == known.constEnd())
        it = known.insert(face, lookUpFace(face));
    return *it;
}

}

QFont ToQFont(const TFont& f)
{
    QFont font(installedFace(BytesToQString(f.Name)));
    // Points become pixels as the class library counts them, at 96 pixels
    // per inch whatever the screen says: 8 points are 11 pixels.
    font.setPixelSize(f.Height != 0 ? std::abs(f.Height) : ((f.Size > 0 ? f.Size : 8) * 96 + 36) / 72);
    font.setBold(f.Style & fsBold);
    font.setItalic(f.Style & fsItalic);
    font.setUnderline(f.Style & fsUnderline);
    font.setStrikeOut(f.Style & fsStrikeOut);
    // Whole-pixel glyph advances, as the class library measures text.
    font.setHintingPreference(QFont::PreferFullHinting);
    // A face the system lacks falls back to the closest one of its kind:
    // typewriter faces to a fixed-pitch one, the rest to a sans-serif one.
    if (font.family().startsWith(QLatin1String("cour"), Qt::CaseInsensitive)) {
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    } else {
        font.setStyleHint(QFont::SansSerif);
    }
    return font;
}

namespace {

QFont toQFont(const TFont& f)
{
    QFont font = ToQFont(f);
    // The platform draws plain pixels in the font colour.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// "&&" becomes "&", a single "&" goes.
QString withoutPrefix(const QString& text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        else if (text[i] == u'&')
            continue;
        out += text[i];
    }
    return out;
}

}

TCanvas::TCanvas(QImage* target, TPoint origin)
    : m_image(target)
    , m_origin(origin)
{
}

void TCanvas::MoveTo(int x, int y) { PenPos = { x, y }; }

void TCanvas::LineTo(int x, int y)
{
    // Bresenham from the pen position; the last point is not drawn.
    int x0 = PenPos.X, y0 = PenPos.Y;
    int dx = std::abs(x - x0), dy = -std::abs(y - y0);
    int sx = x0 < x ? 1 : -1, sy = y0 < y ? 1 : -1;
    int err = dx + dy;
    while (x0 != x || y0 != y) {
        SetPixel(x0, y0, Pen.Color);
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
    PenPos = { x, y };
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return;
    if (Brush.Style != bsClear)
        FillRect({ left + 1, top + 1, right - 1, bottom - 1 });
    TPoint keep = PenPos;
    MoveTo(left, top);
    LineTo(right - 1, top);
    LineTo(right - 1, bottom - 1);
    LineTo(left, bottom - 1);
    LineTo(left, top);
    PenPos = keep;
}

void TCanvas::FillRect(const TRect& r)
{
    if (m_image->isNull())
        return;
    const int ox = m_origin.X, oy = m_origin.Y;
    int l = std::max(r.Left - ox, 0), t = std::max(r.Top - oy, 0);
    int rt = std::min(r.Right - ox, m_image->width()), b = std::min(r.Bottom - oy, m_image->height());
    const TBitmap* pattern = Brush.Bitmap && !Brush.Bitmap->Empty() ? Brush.Bitmap : nullptr;
    QRgb solid = ToQRgb(Brush.Color);
    // A pattern lies on the canvas's points, wherever the image begins.
    for (int y = t; y < b; ++y) {
        auto* line = reinterpret_cast<QRgb*>(m_image->scanLine(y));
        for (int x = l; x < rt; ++x)
            line[x] = pattern ? pattern->Image().pixel((x + ox) % pattern->Width(), (y + oy) % pattern->Height()) : solid;
    }
}

void TCanvas::FrameRect(const TRect& r)
{
    if (r.Right <= r.Left || r.Bottom <= r.Top)
        return;
    TColor c = Brush.Color;
    for (int x = r.Left; x < r.Right; ++x) {
        SetPixel(x, r.Top, c);
        SetPixel(x, r.Bottom - 1, c);
    }
    for (int y = r.Top; y < r.Bottom; ++y) {
        SetPixel(r.Left, y, c);
        SetPixel(r.Right - 1, y, c);
    }
}

TColor TCanvas::Pixel(int x, int y) const
{
    x -= m_origin.X;
    y -= m_origin.Y;
    if (!m_image->valid(x, y))
        return clNone;
    return FromQRgb(m_image->pixel(x, y));
}

void TCanvas::SetPixel(int x, int y, TColor c)
{
    x -= m_origin.X;
    y -= m_origin.Y;
    if (m_image->valid(x, y))
        m_image->setPixel(x, y, ToQRgb(c));
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap)
{
    x -= m_origin.X;
    y -= m_origin.Y;
    for (int j = 0; j < bitmap.Height(); ++j)
        for (int i = 0; i < bitmap.Width(); ++i)
            if (m_image->valid(x + i, y + j))
                m_image->setPixel(x + i, y + j, bitmap.Image().pixel(i, j) | 0xFF000000);
}

void TCanvas::DrawTransparent(int x, int y, const TBitmap& bitmap, TColor transparent)
{
    TColor key = ColorToRGB(transparent);
    for (int j = 0; j < bitmap.Height(); ++j)
        for (int i = 0; i < bitmap.Width(); ++i) {
            TColor c = bitmap.Pixel(i, j);
            if (c != key)
                SetPixel(x + i, y + j, c);
        }
}

void TCanvas::DrawShape(int x, int y, const TBitmap& bitmap, TColor transparent, TColor color)
{
    TColor key = ColorToRGB(transparent);
    for (int j = 0; j < bitmap.Height(); ++j)
        for (int i = 0; i < bitmap.Width(); ++i)
            if (bitmap.Pixel(i, j) != key)
                SetPixel(x + i, y + j, color);
}

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    if (m_image->isNull())
        return;
    QFont font = toQFont(Font);
    QFontMetrics fm(font);
    QString s = BytesToQString(text);
    if (Brush.Style != bsClear)
        FillRect({ x, y, x + fm.horizontalAdvance(s), y + fm.height() });
    QPainter p(m_image);
    p.translate(-m_origin.X, -m_origin.Y);
    p.setFont(font);
    p.setPen(QColor::fromRgb(ToQRgb(Font.Color)));
    p.drawText(x, y + fm.ascent(), s);
    PenPos = { x + fm.horizontalAdvance(s), y };
}

int TCanvas::TextWidth(const std::string& text) { return QFontMetrics(toQFont(Font)).horizontalAdvance(BytesToQString(text)); }

int TCanvas::TextHeight(const std::string& text) { return QFontMetrics(toQFont(Font)).height(); }

int TCanvas::DrawText(const std::string& text, TRect& rect, unsigned format)
{
    QFont font = toQFont(Font);
    QFontMetrics fm(font);
    QString s = BytesToQString(text);
    int flags = 0;
    if (!(format & DT_NOPREFIX))
        flags |= Qt::TextShowMnemonic;
    flags |= (format & DT_CENTER) ? Qt::AlignHCenter : (format & DT_RIGHT) ? Qt::AlignRight : Qt::AlignLeft;
    if (format & DT_SINGLELINE)
        flags |= (format & DT_VCENTER) ? Qt::AlignVCenter : (format & DT_BOTTOM) ? Qt::AlignBottom : Qt::AlignTop;
    else
        flags |= Qt::AlignTop;
    bool wrap = (format & DT_WORDBREAK) && !(format & DT_SINGLELINE);
    if (wrap)
        flags |= Qt::TextWordWrap;

    int width = std::max(0, rect.Width());
    if ((format & DT_END_ELLIPSIS) && !wrap) {
        QString plain = (flags & Qt::TextShowMnemonic) ? withoutPrefix(s) : s;
        if (fm.horizontalAdvance(plain) > width) {
            // The cut text keeps no accelerator mark.
            s = fm.elidedText(plain, Qt::ElideRight, width);
            flags &= ~Qt::TextShowMnemonic;
        }
    }

    if (format & DT_CALCRECT) {
        QRect bound = fm.boundingRect(QRect(rect.Left, rect.Top, wrap ? width : 1 << 20, 1 << 20), flags & ~(Qt::AlignHCenter | Qt::AlignRight), s);
        rect.Right = rect.Left + bound.width();
        rect.Bottom = rect.Top + bound.height();
        return bound.height();
    }
    if (m_image->isNull())
        return 0;
    QRect box(rect.Left, rect.Top, width, std::max(0, rect.Height()));
    QPainter p(m_image);
    p.translate(-m_origin.X, -m_origin.Y);
    p.setFont(font);
    p.setPen(QColor::fromRgb(ToQRgb(Font.Color)));
    p.setClipRect(box);
    QRect drawn;
    p.drawText(box, flags, s, &drawn);
    return drawn.height();
}

// ---------------------------------------------------------------------------

TBitmap::TBitmap(int width, int height) { SetSize(width, height); }

TBitmap::TBitmap(const TBitmap& other)
    : m_image(other.m_image)
{
}

TBitmap& TBitmap::operator=(const TBitmap& other)
{
    if (this != &other)
        m_image = other.m_image;
    return *this;
}

void TBitmap::SetSize(int width, int height)
{
    if (width <= 0 || height <= 0) {
        m_image = QImage();
        return;
    }
    m_image = QImage(width, height, QImage::Format_RGB32);
    m_image.fill(Qt::white);
}

void TBitmap::SetImage(const QImage& image) { m_image = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32); }

// ---------------------------------------------------------------------------

void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width)
{
    TPoint keep = canvas.PenPos;
    TColor pen = canvas.Pen.Color;
    --rect.Bottom;
    --rect.Right;
    for (int i = 0; i < width; ++i) {
        canvas.Pen.Color = topColor;
        canvas.MoveTo(rect.Left, rect.Bottom);
        canvas.LineTo(rect.Left, rect.Top);
        canvas.LineTo(rect.Right, rect.Top);
        canvas.Pen.Color = bottomColor;
        canvas.LineTo(rect.Right, rect.Bottom);
        canvas.LineTo(rect.Left - 1, rect.Bottom);
        ++rect.Left;
        ++rect.Top;
        --rect.Right;
        --rect.Bottom;
    }
    ++rect.Bottom;
    ++rect.Right;
    canvas.Pen.Color = pen;
    canvas.PenPos = keep;
}

QImage ReadPictureFile(const std::string& path)
{
    std::string bytes = ReadRegularFile(path, kMaxPictureFile,
                                        "it is larger than a picture may be (" + std::to_string(kMaxPictureFile >> 20) + " MB)");
    QImage image;
    if (!image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), int(bytes.size())))
        throw EInvalidGraphic("Bitmap image is not valid");
    return image;
}
