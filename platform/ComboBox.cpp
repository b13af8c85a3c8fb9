#include "platform/ComboBox.h"

#include "platform/Exception.h"
#include "platform/TextCodec.h"

#include <QComboBox>
#include <QLineEdit>

TComboBox::TComboBox(TComponent* owner)
    : TWinControl(owner)
    , m_box(new QComboBox)
{
    m_box->setEditable(true);
    // Typed text stays text; it never becomes an item of the list.
    m_box->setInsertPolicy(QComboBox::NoInsert);
    // The class library's combo box completes nothing: what the user types
    // is the text, also when an item differs from it only in case.
    m_box->setCompleter(nullptr);
    m_box->setDuplicatesEnabled(true);
    SetWidget(m_box);
    SetBounds(0, 0, 145, 24);
    QObject::connect(m_box, &QComboBox::editTextChanged, [this] {
        if (OnChange && !Destroying())
            OnChange(this);
    });
    // Picking an item from the list is the combo box's click.
    QObject::connect(m_box, &QComboBox::activated, [this] {
        if (!Destroying())
            Click();
    });
}

std::string TComboBox::Text() const { return QStringToBytes(m_box->currentText()); }

void TComboBox::SetText(const std::string& text)
{
    QString shown = BytesToQString(text);
    int index = m_box->findText(shown, Qt::MatchExactly);
    m_box->setCurrentIndex(index);
    m_box->setEditText(shown);
}

int TComboBox::ItemCount() const { return m_box->count(); }

std::string TComboBox::Items(int index) const
{
    if (index < 0 || index >= m_box->count())
        throw EListError(Msg::ListIndexError(index));
    return QStringToBytes(m_box->itemText(index));
}

void TComboBox::AddItem(const std::string& text)
{
    // Adding the first item must not put it into the edit.
    QString typed = m_box->currentText();
    int index = m_box->currentIndex();
    m_box->addItem(BytesToQString(text));
    if (index < 0) {
        m_box->setCurrentIndex(-1);
        m_box->setEditText(typed);
    }
}

void TComboBox::SetItems(const std::vector<std::string>& items)
{
    ClearItems();
    for (const auto& item : items)
        AddItem(item);
}

void TComboBox::ClearItems()
{
    QString typed = m_box->currentText();
    m_box->clear();
    m_box->setEditText(typed);
}

int TComboBox::ItemIndex() const
{
    int index = m_box->currentIndex();
    if (index >= 0 && m_box->itemText(index) != m_box->currentText())
        return -1;
    return index;
}

void TComboBox::SetItemIndex(int index)
{
    if (index < 0 || index >= m_box->count()) {
        m_box->setCurrentIndex(-1);
        m_box->setEditText(QString());
        return;
    }
    m_box->setCurrentIndex(index);
    m_box->setEditText(m_box->itemText(index));
}
