#pragma once
// TGroupBox: a captioned frame around a group of controls; its children
// are placed relative to the frame.

#include "platform/Control.h"

class QGroupBox;

class TGroupBox : public TWinControl {
public:
    explicit TGroupBox(TComponent* owner);
    void SetCaption(const std::string&) override;

private:
    QGroupBox* m_box;
};
