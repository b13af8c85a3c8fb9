#pragma once
// The common controls: TStatusBar, TListView, TPageControl and TTabSheet.

#include "platform/Control.h"

#include <vector>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QTabWidget;

class TStatusBar : public TWinControl {
public:
    explicit TStatusBar(TComponent* owner);
    bool SimplePanel = true;
    const std::string& SimpleText() const { return m_text; }
    void SetSimpleText(const std::string&);

private:
    QLabel* m_label;
    std::string m_text;
};

class TListView;

class TListItem {
public:
    std::string Caption() const;
    void SetCaption(const std::string&);
    int ImageIndex = 0;
    int Index() const;

private:
    friend class TListView;
    TListItem(TListView* owner, QListWidgetItem* item)
        : m_owner(owner)
        , m_item(item)
    {
    }
    TListView* m_owner;
    QListWidgetItem* m_item;
};

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

class TListView : public TWinControl {
public:
    explicit TListView(TComponent* owner);
    ~TListView() override;

    TListItem* AddItem(const std::string& caption, int imageIndex = 0);
    int Count() const { return int(m_items.size()); }
    TListItem* Items(int index) const;
    // The selected item, or nullptr.
    TListItem* Selected() const;
    void SetSelected(TListItem*);
    void SetIcon(int imageIndex, const class QIcon&);
    // In-place editing of the captions.
    void SetReadOnly(bool);

private:
    friend class TListItem;
    QListWidget* m_list;
    std::vector<TListItem*> m_items;
};

class TTabSheet;

class TPageControl : public TWinControl {
public:
    explicit TPageControl(TComponent* owner);
    int PageCount() const { return int(m_pages.size()); }
    TTabSheet* Pages(int index) const { return m_pages.at(std::size_t(index)); }
    TTabSheet* ActivePage() const;
    void SetActivePage(TTabSheet*);
    TNotifyEvent OnChange;

private:
    friend class TTabSheet;
    void addPage(TTabSheet*);
    void removePage(TTabSheet*);
    QTabWidget* m_tabs;
    std::vector<TTabSheet*> m_pages;
};

class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;
    void SetParent(TWinControl*) override;
    void SetCaption(const std::string&) override;
    TPageControl* PageControl() const { return m_pageControl; }

private:
    TPageControl* m_pageControl = nullptr;
};
