#pragma once
// TTimer: fires OnTimer every Interval milliseconds from the message loop.

#include "platform/Component.h"

#include <memory>

class QTimer;

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool);
    unsigned Interval() const { return m_interval; }
    // Intervals under 10 ms run at 10 ms, as the platform's timers do.
    void SetInterval(unsigned);

    TNotifyEvent OnTimer;

private:
    void update();

    std::unique_ptr<QTimer> m_timer;
    bool m_enabled = true;
    unsigned m_interval = 1000;
};
