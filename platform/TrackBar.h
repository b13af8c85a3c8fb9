#pragma once
// TTrackBar: a slider over Min..Max; programs also use it as a busy bar.

#include "platform/Control.h"

class QSlider;

enum TTickStyle { tsNone, tsAuto };

class TTrackBar : public TWinControl {
public:
    explicit TTrackBar(TComponent* owner);

    int Min() const { return m_min; }
    int Max() const { return m_max; }
    void SetRange(int min, int max);
    int Position() const { return m_position; }
    // Kept within Min..Max.
    void SetPosition(int);
    void SetTickStyle(TTickStyle);

    TNotifyEvent OnChange;

private:
    QSlider* m_slider;
    int m_min = 0;
    int m_max = 10;
    int m_position = 0;
};
