#pragma once
// Flat tool buttons and their separators.

#include "platform/Control.h"

class QToolButton;

class TToolbarButton97 : public TControl {
public:
    explicit TToolbarButton97(TComponent* owner);

    void SetCaption(const std::string&) override;
    // The picture, drawn from a short text.
    void SetGlyphText(const std::string&);
    bool Down() const;
    void SetDown(bool);
    void SetAllowAllUp(bool);
    // Off: the hint is not shown as a tool tip.
    void SetShowHint(bool);
    void Click() override;

    // Once the mouse has left the button, and at the start of every click.
    TNotifyEvent OnMouseExit;

protected:
    bool WidgetEvent(QEvent*) override;

private:
    QToolButton* m_button;
};

class TToolbarSep97 : public TControl {
public:
    explicit TToolbarSep97(TComponent* owner);
};
