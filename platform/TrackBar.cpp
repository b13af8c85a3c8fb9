#include "platform/TrackBar.h"

#include <QSlider>

#include <algorithm>

TTrackBar::TTrackBar(TComponent* owner)
    : TWinControl(owner)
    , m_slider(new QSlider(Qt::Horizontal))
{
    m_slider->setRange(m_min, m_max);
    m_slider->setTickPosition(QSlider::TicksBelow);
    SetWidget(m_slider);
    SetBounds(0, 0, 150, 45);
    QObject::connect(m_slider, &QSlider::valueChanged, [this](int value) {
        if (value == m_position)
            return;
        m_position = value;
        if (OnChange && !Destroying())
            OnChange(this);
    });
}

void TTrackBar::SetRange(int min, int max)
{
    m_min = min;
    m_max = std::max(min, max);
    m_slider->setRange(m_min, m_max);
    SetPosition(m_position);
}

void TTrackBar::SetPosition(int position)
{
    position = std::clamp(position, m_min, m_max);
    if (position == m_position)
        return;
    m_position = position;
    m_slider->setValue(position);
    if (OnChange && !Destroying())
        OnChange(this);
}

void TTrackBar::SetTickStyle(TTickStyle style)
{
    m_slider->setTickPosition(style == tsNone ? QSlider::NoTicks : QSlider::TicksBelow);
}
