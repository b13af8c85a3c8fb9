#pragma once
// TRadioButton: one choice of a group. The buttons sharing a parent form a
// group in which checking one clears the others.

#include "platform/Control.h"

class QRadioButton;

class TRadioButton : public TWinControl {
public:
    explicit TRadioButton(TComponent* owner);
    void SetCaption(const std::string&) override;
    bool Checked() const;
    void SetChecked(bool);

private:
    QRadioButton* m_button;
};
