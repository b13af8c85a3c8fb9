#include "platform/ListBox.h"

#include "platform/Exception.h"
#include "platform/TextCodec.h"

#include <QEvent>
#include <QListWidget>

TListBox::TListBox(TComponent* owner)
    : TWinControl(owner)
    , m_list(new QListWidget)
{
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    SetWidget(m_list);
    SetBounds(0, 0, 121, 97);
    // A move by the keyboard picks at once; a press of the mouse picks on
    // its release, as a click, also on the item already selected. The
    // current item the list takes by itself when it gets the focus is no
    // pick.
    QObject::connect(m_list, &QListWidget::currentRowChanged, [this](int row) {
        if (m_keyMove && !m_settingIndex && row >= 0 && !Destroying())
            Click();
    });
    QObject::connect(m_list, &QListWidget::itemClicked, [this] {
        if (!Destroying())
            Click();
    });
}

bool TListBox::WidgetEvent(QEvent* e)
{
    m_keyMove = e->type() == QEvent::KeyPress;
    return TWinControl::WidgetEvent(e);
}

int TListBox::ItemCount() const { return m_list->count(); }

std::string TListBox::Items(int index) const
{
    if (index < 0 || index >= m_list->count())
        throw EListError(Msg::ListIndexError(index));
    return QStringToBytes(m_list->item(index)->text());
}

void TListBox::SetItems(const std::vector<std::string>& items)
{
    m_settingIndex = true;
    m_list->clear();
    for (const auto& item : items)
        m_list->addItem(BytesToQString(item));
    m_settingIndex = false;
}

int TListBox::ItemIndex() const { return m_list->currentRow(); }

void TListBox::SetItemIndex(int index)
{
    if (index < -1 || index >= m_list->count())
        throw EListError(Msg::ListIndexError(index));
    m_settingIndex = true;
    m_list->setCurrentRow(index);
    m_settingIndex = false;
}
