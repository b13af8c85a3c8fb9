#include "platform/ComCtrls.h"

#include "platform/Exception.h"
#include "platform/Graphics.h"
#include "platform/SysColors.h"
#include "platform/TextCodec.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QProxyStyle>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

namespace {

// The desktop's tab control pads a caption by 5 pixels on each side and 2
// above and below; the rest of the look is the style's own.
class DesktopTabStyle final : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_TabBarTabHSpace)
            return 2 * 5;
        if (metric == PM_TabBarTabVSpace)
            return 2 * 2;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size, const QWidget* widget) const override
    {
        return type == CT_TabBarTab ? size : QProxyStyle::sizeFromContents(type, option, size, widget);
    }
};

QStyle* desktopTabs()
{
    static DesktopTabStyle* style = [] {
        auto* s = new DesktopTabStyle;
        s->setParent(qApp);
        return s;
    }();
    return style;
}

}

TStatusBar::TStatusBar(TComponent* owner)
    : TWinControl(owner)
    , m_label(new QLabel)
{
    m_label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_label->setContentsMargins(4, 0, 4, 0);
    ClicksOnRelease = true;
    SetWidget(m_label);
    SetBounds(0, 0, 200, 20);
    SetAlign(alBottom);
}

void TStatusBar::SetSimpleText(const std::string& text)
{
    m_text = text;
    m_label->setText(BytesToQString(text));
}

std::string TListItem::Caption() const { return QStringToBytes(m_item->text()); }

void TListItem::SetCaption(const std::string& text) { m_item->setText(BytesToQString(text)); }

int TListItem::Index() const
{
    auto& items = m_owner->m_items;
    return int(std::find(items.begin(), items.end(), this) - items.begin());
}

TListView::TListView(TComponent* owner)
    : TWinControl(owner)
    , m_list(new QListWidget)
{
    m_list->setViewMode(QListView::IconMode);
    m_list->setMovement(QListView::Static);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setIconSize(QSize(32, 32));
    m_list->setGridSize(QSize(96, 64));
    m_list->setWordWrap(true);
    // A click on the list, on an item or between them, is the list's click.
    ClicksOnRelease = true;
    SetWidget(m_list);
    SetReadOnly(false);
}

TListView::~TListView()
{
    for (auto* item : m_items)
        delete item;
}

TListItem* TListView::AddItem(const std::string& caption, int imageIndex)
{
    auto* q = new QListWidgetItem(BytesToQString(caption), m_list);
    q->setFlags(q->flags() | Qt::ItemIsEditable);
    auto* item = new TListItem(this, q);
    item->ImageIndex = imageIndex;
    m_items.push_back(item);
    return item;
}

TListItem* TListView::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(Msg::ListIndexError(index));
    return m_items[std::size_t(index)];
}

TListItem* TListView::Selected() const
{
    for (auto* item : m_items)
        if (item->m_item->isSelected())
            return item;
    return nullptr;
}

void TListView::SetSelected(TListItem* item)
{
    m_list->clearSelection();
    if (item) {
        item->m_item->setSelected(true);
        m_list->setCurrentItem(item->m_item);
    }
}

void TListView::SetIcon(int imageIndex, const QIcon& icon)
{
    for (auto* item : m_items)
        if (item->ImageIndex == imageIndex)
            item->m_item->setIcon(icon);
}

void TListView::SetReadOnly(bool on)
{
    m_list->setEditTriggers(on ? QAbstractItemView::NoEditTriggers : QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
}

TPageControl::TPageControl(TComponent* owner)
    : TWinControl(owner)
    , m_tabs(new QTabWidget)
{
    SetWidget(m_tabs);
    m_tabs->tabBar()->setStyle(desktopTabs());
    QObject::connect(m_tabs, &QTabWidget::currentChanged, [this] {
        if (OnChange && !Destroying())
            OnChange(this);
    });
}

TTabSheet* TPageControl::ActivePage() const
{
    int index = m_tabs->currentIndex();
    return index >= 0 && index < PageCount() ? m_pages[std::size_t(index)] : nullptr;
}

void TPageControl::SetActivePage(TTabSheet* sheet)
{
    if (sheet)
        m_tabs->setCurrentWidget(sheet->Widget());
}

void TPageControl::addPage(TTabSheet* sheet)
{
    m_pages.push_back(sheet);
    m_tabs->addTab(sheet->Widget(), BytesToQString(sheet->Caption()));
}

void TPageControl::removePage(TTabSheet* sheet)
{
    auto it = std::find(m_pages.begin(), m_pages.end(), sheet);
    if (it == m_pages.end())
        return;
    m_tabs->removeTab(int(it - m_pages.begin()));
    m_pages.erase(it);
}

TTabSheet::TTabSheet(TComponent* owner)
    : TWinControl(owner)
{
    auto* page = new QWidget;
    // A page is in the button face, as the controls on it are.
    page->setAutoFillBackground(true);
    QPalette palette = page->palette();
    palette.setColor(QPalette::Window, QColor(ToQRgb(clBtnFace)));
    page->setPalette(palette);
    SetWidget(page);
}

TTabSheet::~TTabSheet()
{
    // A page control that went first has already let go of its pages.
    if (m_pageControl && Parent() == m_pageControl)
        m_pageControl->removePage(this);
}

void TTabSheet::SetParent(TWinControl* parent)
{
    if (m_pageControl)
        m_pageControl->removePage(this);
    TWinControl::SetParent(parent);
    m_pageControl = dynamic_cast<TPageControl*>(parent);
    if (m_pageControl)
        m_pageControl->addPage(this);
}

void TTabSheet::SetCaption(const std::string& text)
{
    TControl::SetCaption(text);
    if (m_pageControl) {
        auto& pages = m_pageControl->m_pages;
        auto it = std::find(pages.begin(), pages.end(), this);
        if (it != pages.end())
            m_pageControl->m_tabs->setTabText(int(it - pages.begin()), BytesToQString(text));
    }
}
