#pragma once
// TListBox: a list of text items with one selected at a time. OnClick fires
// when the user picks an item, by a click or by a move with the keyboard,
// and not when the program selects one; TListPicks, which does that, serves
// the other lists of the class library too.

#include "platform/Control.h"

#include <string>
#include <vector>

class QEvent;
class QListWidget;

// The picks of a list as the user makes them: a click on an item (also the
// one already selected) or a move of the current item with the keyboard;
// each runs the control's Click. The program's own selecting, and the item
// the list takes as current when it gets the focus, are no picks. Lives as
// long as the list.
class TListPicks {
public:
    static TListPicks* Watch(QListWidget*, TControl*);
    // Every event the control sees, before the list acts on it.
    void Saw(const QEvent*);
    // Set while the program changes the list or its selection.
    bool ByProgram = false;

private:
    bool m_keyMove = false;
};

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
    TListPicks* m_picks;
};
