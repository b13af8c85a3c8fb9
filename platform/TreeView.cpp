#include "platform/TreeView.h"

#include "platform/TextCodec.h"

#include <QHeaderView>
#include <QIcon>
#include <QTreeWidget>

TTreeView::TTreeView(TComponent* owner)
    : TWinControl(owner)
    , m_tree(new QTreeWidget)
    , m_images(new std::vector<QIcon>)
{
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    SetWidget(m_tree);
    SetBounds(0, 0, 121, 97);
    QObject::connect(m_tree, &QTreeWidget::itemClicked, [this] {
        if (!Destroying() && OnClick)
            OnClick(this);
    });
}

TTreeView::~TTreeView() { delete m_images; }

void TTreeView::SetImages(const std::vector<QIcon>& images)
{
    *m_images = images;
    for (auto& node : m_nodes)
        refreshIcon(node.get());
}

// The selected picture shows while the item is the selected one.
void TTreeView::refreshIcon(TTreeNode* node)
{
    auto pick = [this](int i) { return i >= 0 && i < int(m_images->size()) ? (*m_images)[std::size_t(i)] : QIcon(); };
    QIcon icon = pick(node->m_image);
    QIcon selected = pick(node->m_selectedImage);
    if (!selected.isNull())
        for (const QSize& size : selected.availableSizes())
            icon.addPixmap(selected.pixmap(size), QIcon::Selected);
    node->m_item->setIcon(0, icon);
}

TTreeNode* TTreeView::AddChild(TTreeNode* parent, const std::string& text, int imageIndex, int selectedIndex)
{
    auto node = std::make_unique<TTreeNode>();
    node->m_text = text;
    node->m_parent = parent;
    node->m_index = int(m_nodes.size());
    node->m_image = imageIndex;
    node->m_selectedImage = selectedIndex;
    node->m_item = parent ? new QTreeWidgetItem(parent->m_item) : new QTreeWidgetItem(m_tree);
    node->m_item->setText(0, BytesToQString(text));
    refreshIcon(node.get());
    m_nodes.push_back(std::move(node));
    return m_nodes.back().get();
}

TTreeNode* TTreeView::Selected() const
{
    QTreeWidgetItem* current = m_tree->currentItem();
    if (!current || !current->isSelected())
        return nullptr;
    for (const auto& node : m_nodes)
        if (node->m_item == current)
            return node.get();
    return nullptr;
}

void TTreeView::SetSelected(TTreeNode* node)
{
    if (!node) {
        m_tree->clearSelection();
        m_tree->setCurrentItem(nullptr);
        return;
    }
    m_tree->setCurrentItem(node->m_item);
}

void TTreeView::FullExpand() { m_tree->expandAll(); }

void TTreeView::MakeVisible(const TTreeNode* node) { m_tree->scrollToItem(node->m_item); }

TPoint TTreeView::ItemCentre(const TTreeNode* node) const
{
    QPoint p = m_tree->visualItemRect(node->m_item).center();
    return { p.x(), p.y() };
}
