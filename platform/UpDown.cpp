#include "platform/UpDown.h"

#include "platform/StdCtrls.h"
#include "platform/StrUtils.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

namespace {

// Takes the Up and Down keys of the edit for the arrows.
class ArrowKeys final : public QObject {
public:
    ArrowKeys(QObject* parent, TUpDown* upDown)
        : QObject(parent)
        , m_upDown(upDown)
    {
    }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        int key = static_cast<QKeyEvent*>(e)->key();
        if (key != Qt::Key_Up && key != Qt::Key_Down)
            return false;
        m_upDown->Step(key == Qt::Key_Up ? btNext : btPrev);
        return true;
    }

private:
    TUpDown* m_upDown;
};

}

TUpDown::TUpDown(TComponent* owner)
    : TControl(owner)
{
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_up = new QToolButton(box);
    m_up->setArrowType(Qt::UpArrow);
    m_up->setAutoRepeat(true);
    m_down = new QToolButton(box);
    m_down->setArrowType(Qt::DownArrow);
    m_down->setAutoRepeat(true);
    for (QToolButton* b : { m_up, m_down }) {
        b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        b->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(b);
    }
    // Owned by the arrows' widget: it goes with them.
    m_keys = new ArrowKeys(box, this);
    SetWidget(box);
    SetBounds(0, 0, 15, 21);
    QObject::connect(m_up, &QToolButton::clicked, [this] {
        if (!Destroying())
            Step(btNext);
    });
    QObject::connect(m_down, &QToolButton::clicked, [this] {
        if (!Destroying())
            Step(btPrev);
    });
}

int TUpDown::clamp(int value) const { return std::clamp(value, Min, std::max(Min, Max)); }

void TUpDown::SetPosition(int value)
{
    m_position = clamp(value);
    if (m_associate)
        m_associate->SetText(IntToStr(m_position));
}

void TUpDown::SetAssociate(TEdit* edit)
{
    if (m_associate)
        m_associate->Widget()->removeEventFilter(m_keys);
    m_associate = edit;
    if (!edit)
        return;
    edit->Widget()->installEventFilter(m_keys);
    SetParent(edit->Parent());
    SetBounds(edit->Left() + edit->Width(), edit->Top(), Width(), edit->Height());
}

void TUpDown::Step(TUDBtnType button)
{
    // The user may have typed into the edit since the last step; text that
    // is no number leaves the last position.
    int from = m_position;
    if (m_associate)
        from = int(std::clamp<long long>(StrToIntDef(Trim(m_associate->Text()), m_position), Min, std::max(Min, Max)));
    long long next = (long long)from + (button == btNext ? Increment : -(long long)Increment);
    SetPosition(int(std::clamp<long long>(next, Min, std::max(Min, Max))));
}
