#pragma once
// TComboBox: an edit with a drop-down list of items. The user may pick an
// item (which is the box's OnClick) or type any text, which is never
// completed from the items; Text is what the edit shows.

#include "platform/Control.h"

#include <string>
#include <vector>

class QComboBox;

class TComboBox : public TWinControl {
public:
    explicit TComboBox(TComponent* owner);

    std::string Text() const;
    void SetText(const std::string&);

    int ItemCount() const;
    std::string Items(int index) const;
    void AddItem(const std::string&);
    void SetItems(const std::vector<std::string>&);
    void ClearItems();

    // The item whose text the edit shows, -1 for typed text or none.
    int ItemIndex() const;
    void SetItemIndex(int);

    // The text changed, by typing or by picking an item.
    TNotifyEvent OnChange;

private:
    QComboBox* m_box;
};
