#pragma once
// The dock, its toolbars, and the menu-bar and toggle buttons on them.

#include "platform/Control.h"

class QToolButton;
class TPopupMenu;

// A toolbar: its controls in a row, left to right in creation order.
class TitaToolBar : public TWinControl {
public:
    explicit TitaToolBar(TComponent* owner);
    void SetCaption(const std::string&) override;
    void Realign() override;
    bool Resizable = true;
    TNotifyEvent OnFloat;
};

// The dock: its toolbars stacked from the top; its height follows them.
class TitaDock : public TWinControl {
public:
    explicit TitaDock(TComponent* owner);
    void Realign() override;
};

// A flat button that may stay down.
class TitaSpeedButton : public TControl {
public:
    explicit TitaSpeedButton(TComponent* owner);
    void SetCaption(const std::string&) override;
    void SetGlyphText(const std::string&);
    bool Down() const { return m_down; }
    virtual void SetDown(bool);
    bool AllowAllUp = true;
    int GroupIndex = 0;
    TNotifyEvent OnMouseLeave;

protected:
    bool WidgetEvent(QEvent*) override;
    QToolButton* Button() const { return m_button; }

private:
    QToolButton* m_button;
    bool m_down = false;
};

// A toggle: every click flips Down, then runs OnClick.
class TitaPopupButton : public TitaSpeedButton {
public:
    explicit TitaPopupButton(TComponent* owner);
    void Click() override;
};

// A menu-bar button: a click puts it down and drops its menu.
class TitaMenuButton : public TitaSpeedButton {
public:
    explicit TitaMenuButton(TComponent* owner);
    void Click() override;
    TPopupMenu* DropdownMenu = nullptr;
};
