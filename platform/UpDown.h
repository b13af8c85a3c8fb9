#pragma once
// TUpDown: the pair of arrow buttons beside a number edit. A click reads the
// edit's number, steps it by Increment within Min and Max, and writes it
// back; the edit stays the place that holds the value. The Up and Down keys
// in the edit step it as the arrows do.

#include "platform/Control.h"

class QObject;
class QToolButton;
class TEdit;

enum TUDBtnType { btNext, btPrev };

class TUpDown : public TControl {
public:
    explicit TUpDown(TComponent* owner);

    int Min = 0;
    int Max = 100;
    int Increment = 1;
    int Position() const { return m_position; }
    // Kept within Min and Max; shown in the edit.
    void SetPosition(int);

    // The edit it steps; the arrows take their place at its right side.
    TEdit* Associate() const { return m_associate; }
    void SetAssociate(TEdit*);

    // What a click on one arrow does (btNext is the upper one).
    void Step(TUDBtnType);

private:
    int clamp(int) const;

    QToolButton* m_up;
    QToolButton* m_down;
    QObject* m_keys;
    TEdit* m_associate = nullptr;
    int m_position = 0;
};
