#include "platform/Timer.h"

#include <QTimer>

TTimer::TTimer(TComponent* owner)
    : TComponent(owner)
    , m_timer(std::make_unique<QTimer>())
{
    QObject::connect(m_timer.get(), &QTimer::timeout, [this] {
        if (OnTimer && !Destroying())
            OnTimer(this);
    });
    update();
}

TTimer::~TTimer() = default;

void TTimer::SetEnabled(bool on)
{
    m_enabled = on;
    update();
}

void TTimer::SetInterval(unsigned ms)
{
    m_interval = ms;
    update();
}

void TTimer::update()
{
    m_timer->stop();
    if (m_enabled && m_interval > 0) {
        m_timer->setInterval(int(m_interval < 10 ? 10 : m_interval));
        m_timer->start();
    }
}
