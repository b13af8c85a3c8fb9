#pragma once
// Menus: TMenuItem trees held by a TMainMenu (the window's shortcut carrier)
// or a TPopupMenu (dropped by a button or the right mouse button).

#include "platform/Component.h"
#include "platform/Keys.h"

#include <string>
#include <vector>

class QMenu;
class TControl;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    // "-" makes a separator; "&" marks the accelerator.
    std::string Caption;
    TShortCut ShortCut = 0;
    bool Enabled = true;
    bool Visible = true;
    bool Checked = false;
    bool RadioItem = false;
    // The item a double click would choose, shown in bold.
    bool Default = false;
    int GroupIndex = 0;
    TNotifyEvent OnClick;

    void Add(TMenuItem*);
    void Remove(TMenuItem*);
    int Count() const { return int(m_items.size()); }
    TMenuItem* Items(int index) const { return m_items.at(std::size_t(index)); }
    TMenuItem* Parent() const { return m_parent; }
    bool IsLine() const { return Caption == "-"; }

    // Runs OnClick when the item is enabled.
    void Click();
    // The enabled item below this one (itself included) that carries
    // `shortcut`; nullptr when none does.
    TMenuItem* FindShortCut(TShortCut shortcut);

private:
    TMenuItem* m_parent = nullptr;
    std::vector<TMenuItem*> m_items;
};

class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* owner);

    TMenuItem* Items() const { return m_items; }
    // Finds the enabled item carrying the shortcut and runs it; true when one was found.
    bool IsShortCut(TShortCut);

private:
    TMenuItem* m_items;
};

class TMainMenu : public TMenu {
public:
    using TMenu::TMenu;
};

// Where a pop-up menu lies against its point: its left edge, its right edge
// or its middle there.
enum TPopupAlignment { paLeft, paRight, paCenter };

class TPopupMenu : public TMenu {
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;

    // Fires OnPopup, then shows the menu at the screen point and runs the
    // chosen item (after the menu has closed).
    void Popup(int x, int y);
    // Fires OnPopup and shows the menu at the screen point; the chosen item
    // (nullptr when none) is the caller's to run.
    TMenuItem* Track(int x, int y);

    bool AutoPopup = true;
    TPopupAlignment Alignment = paLeft;
    // The control whose right click dropped it.
    TControl* PopupComponent = nullptr;
    TNotifyEvent OnPopup;

    // Tests answer the menu instead of the user: called with the menu in
    // place of showing it; the item it returns (or nullptr) is run.
    static std::function<TMenuItem*(TPopupMenu*)> Responder;

private:
    QMenu* m_menu = nullptr;
};

// A new item, for building menus from tables.
TMenuItem* NewItem(TComponent* owner, TMenuItem* parent, const std::string& name, const std::string& caption,
    TShortCut shortcut = 0, TNotifyEvent onClick = {});
