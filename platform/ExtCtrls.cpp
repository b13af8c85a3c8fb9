#include "platform/ExtCtrls.h"

#include "platform/Exception.h"
#include "platform/FileIO.h"
#include "platform/Graphics.h"
#include "platform/TextCodec.h"

#include <QEvent>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

TPanel::TPanel(TComponent* owner)
    : TWinControl(owner)
    , m_frame(new QFrame)
    , m_text(new QLabel(m_frame))
{
    ClicksOnRelease = true;
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setAttribute(Qt::WA_TransparentForMouseEvents);
    SetWidget(m_frame);
    m_frame->setFrameStyle(QFrame::NoFrame);
    SetBounds(0, 0, 185, 41);
}

void TPanel::SetCaption(const std::string& text)
{
    TControl::SetCaption(text);
    m_text->setText(BytesToQString(text));
    m_text->setGeometry(0, 0, 10000, 0);
    m_text->resize(m_frame->size());
}

void TPanel::SetBevelOuter(TPanelBevel bevel)
{
    m_bevelOuter = bevel;
    m_frame->update();
}

void TPanel::SetBevelInner(TPanelBevel bevel)
{
    m_bevelInner = bevel;
    m_frame->update();
}

bool TPanel::WidgetEvent(QEvent* e)
{
    if (e->type() != QEvent::Paint)
        return TWinControl::WidgetEvent(e);
    QImage layer(m_frame->size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    TCanvas canvas(&layer);
    TRect r { 0, 0, layer.width(), layer.height() };
    for (TPanelBevel bevel : { m_bevelOuter, m_bevelInner })
        if (bevel == bvLowered)
            Frame3D(canvas, r, clBtnShadow, clBtnHighlight, 1);
        else if (bevel == bvRaised)
            Frame3D(canvas, r, clBtnHighlight, clBtnShadow, 1);
    QPainter(m_frame).drawImage(0, 0, layer);
    return true;
}

void TPanel::SetColor(TColor color)
{
    m_frame->setAutoFillBackground(true);
    QPalette palette = m_frame->palette();
    palette.setColor(QPalette::Window, QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF)));
    m_frame->setPalette(palette);
}

TImage::TImage(TComponent* owner)
    : TControl(owner)
    , m_label(new QLabel)
{
    ClicksOnRelease = true;
    SetWidget(m_label);
    SetBounds(0, 0, 105, 105);
}

void TImage::LoadFromFile(const std::string& path)
{
    m_label->setPixmap(QPixmap::fromImage(ReadPictureFile(path)));
    SetStretch(Stretch);
}

bool TImage::Empty() const { return m_label->pixmap().isNull(); }

void TImage::Assign(const TImage& other)
{
    m_label->setPixmap(other.m_label->pixmap());
    SetStretch(Stretch);
}

void TImage::SetStretch(bool on)
{
    Stretch = on;
    m_label->setScaledContents(on);
}

void TImage::BoundsChanged() { m_label->update(); }

TBevel::TBevel(TComponent* owner)
    : TControl(owner)
{
    auto* line = new QFrame;
    line->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    SetWidget(line);
    SetBounds(0, 0, 8, 22);
}

void TBevel::BoundsChanged()
{
    static_cast<QFrame*>(Widget())->setFrameShape(Width() > Height() ? QFrame::HLine : QFrame::VLine);
}
