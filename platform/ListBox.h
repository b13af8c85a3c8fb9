#pragma once
// TListBox: a list of text items with one selected at a time. OnClick fires
// when the user picks an item, by a click or by a move with the keyboard,
// and not when the program selects one.

#include "platform/Control.h"

#include <string>
#include <vector>

class QListWidget;

class TListBox : public TWinControl {
public:
    explicit TListBox(TComponent* owner);

    int ItemCount() const;
    std::string Items(int index) const;
    void SetItems(const std::vector<std::string>&);

    // The selected item, -1 for none.
    int ItemIndex() const;
    void SetItemIndex(int);

protected:
    bool WidgetEvent(QEvent*) override;

private:
    QListWidget* m_list;
    bool m_settingIndex = false;
    // Between a key's press reaching the list and the next event: a move
    // of the current item then is the user's pick.
    bool m_keyMove = false;
};
