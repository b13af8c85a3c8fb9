#pragma once
// TTreeView: a tree of captioned items with pictures from an image list.
// Items are counted depth first from 0 (AbsoluteIndex). A click on an item
// selects it and fires OnClick; a double click fires OnDblClick.

#include "platform/Control.h"

#include <memory>
#include <string>
#include <vector>

class QIcon;
class QTreeWidget;
class QTreeWidgetItem;

class TTreeNode {
public:
    const std::string& Text() const { return m_text; }
    TTreeNode* Parent() const { return m_parent; }
    int Level() const { return m_parent ? m_parent->Level() + 1 : 0; }
    int AbsoluteIndex() const { return m_index; }
    int ImageIndex() const { return m_image; }
    int SelectedIndex() const { return m_selectedImage; }

private:
    friend class TTreeView;
    std::string m_text;
    TTreeNode* m_parent = nullptr;
    int m_index = 0;
    int m_image = -1;
    int m_selectedImage = -1;
    QTreeWidgetItem* m_item = nullptr;
};

class TTreeView : public TWinControl {
public:
    explicit TTreeView(TComponent* owner);
    ~TTreeView() override;

    // The pictures of the items, by index (ImageList).
    void SetImages(const std::vector<QIcon>&);
    // Adds an item as the last child of parent (nullptr: at the top); items
    // are added in depth-first order.
    TTreeNode* AddChild(TTreeNode* parent, const std::string& text, int imageIndex, int selectedIndex);
    int Count() const { return int(m_nodes.size()); }
    TTreeNode* Items(int absoluteIndex) const { return m_nodes.at(std::size_t(absoluteIndex)).get(); }
    TTreeNode* Selected() const;
    void SetSelected(TTreeNode*);
    void FullExpand();
    // Scrolls the item into view.
    void MakeVisible(const TTreeNode*);
    bool ReadOnly = true;
    // The middle of an item, in the coordinates of the item area (the
    // scroll area's viewport), where the mouse clicks it.
    TPoint ItemCentre(const TTreeNode*) const;

private:
    void refreshIcon(TTreeNode*);

    QTreeWidget* m_tree;
    std::vector<std::unique_ptr<TTreeNode>> m_nodes;
    std::vector<QIcon>* m_images;
};
