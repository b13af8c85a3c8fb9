#include "platform/ListBox.h"

#include "platform/Exception.h"
#include "platform/TextCodec.h"

#include <QEvent>
#include <QListWidget>

namespace {

// Owned by the list's widget, so that it goes with it.
class PicksHolder final : public QObject {
public:
    explicit PicksHolder(QObject* list)
        : QObject(list)
    {
    }
    TListPicks picks;
};

}

TListPicks* TListPicks::Watch(QListWidget* list, TControl* control)
{
    TListPicks* picks = &(new PicksHolder(list))->picks;
    // A move by the keyboard picks at once; a press of the mouse picks on
    // its release, as a click, also on the item already selected.
    QObject::connect(list, &QListWidget::currentRowChanged, list, [picks, control](int row) {
        if (picks->m_keyMove && !picks->ByProgram && row >= 0 && !control->Destroying())
            control->Click();
    });
    QObject::connect(list, &QListWidget::itemClicked, list, [control] {
        if (!control->Destroying())
            control->Click();
    });
    return picks;
}

// Between a key's press reaching the list and the next event, a move of the
// current item is the user's.
void TListPicks::Saw(const QEvent* e) { m_keyMove = e->type() == QEvent::KeyPress; }

TListBox::TListBox(TComponent* owner)
    : TWinControl(owner)
    , m_list(new QListWidget)
    , m_picks(TListPicks::Watch(m_list, this))
{
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    SetWidget(m_list);
    SetBounds(0, 0, 121, 97);
}

bool TListBox::WidgetEvent(QEvent* e)
{
    m_picks->Saw(e);
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
    m_picks->ByProgram = true;
    m_list->clear();
    for (const auto& item : items)
        m_list->addItem(BytesToQString(item));
    m_picks->ByProgram = false;
}

int TListBox::ItemIndex() const { return m_list->currentRow(); }

void TListBox::SetItemIndex(int index)
{
    if (index < -1 || index >= m_list->count())
        throw EListError(Msg::ListIndexError(index));
    m_picks->ByProgram = true;
    m_list->setCurrentRow(index);
    m_picks->ByProgram = false;
}
