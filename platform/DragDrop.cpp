#include "platform/DragDrop.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

#include <cstring>
#include <set>

namespace {

const char* const kFormat = "application/x-corvana-control";

// The controls that may be dragged now; a drag's data names one by address.
std::set<const TControl*>& draggable()
{
    static std::set<const TControl*> controls;
    return controls;
}

QWidget* inputWidget(TControl* control)
{
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control->Widget()))
        return area->viewport();
    return control->Widget();
}

class DragStarter final : public QObject {
public:
    DragStarter(TControl* control, QWidget* parent)
        : QObject(parent)
        , m_control(control)
    {
        draggable().insert(control);
    }
    ~DragStarter() override { draggable().erase(m_control); }

    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::MouseButtonPress) {
            auto* me = static_cast<QMouseEvent*>(e);
            m_armed = me->button() == Qt::LeftButton;
            m_start = me->position().toPoint();
        } else if (e->type() == QEvent::MouseButtonRelease) {
            m_armed = false;
        } else if (e->type() == QEvent::MouseMove && m_armed) {
            auto* me = static_cast<QMouseEvent*>(e);
            if (!(me->buttons() & Qt::LeftButton)) {
                m_armed = false;
            } else if ((me->position().toPoint() - m_start).manhattanLength() >= QApplication::startDragDistance()) {
                m_armed = false;
                auto* drag = new QDrag(static_cast<QWidget*>(parent()));
                drag->setMimeData(DragData(m_control));
                drag->exec(Qt::CopyAction | Qt::LinkAction);
                return true;
            }
        }
        return false;
    }

private:
    TControl* m_control;
    bool m_armed = false;
    QPoint m_start;
};

class DropTaker final : public QObject {
public:
    DropTaker(TControl* target, QWidget* parent, TDragOverEvent over, TDragDropEvent drop)
        : QObject(parent)
        , m_target(target)
        , m_over(std::move(over))
        , m_drop(std::move(drop))
    {
    }

    bool eventFilter(QObject*, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* de = static_cast<QDragMoveEvent*>(e);
            TControl* source = DragSource(de->mimeData());
            bool accept = false;
            if (source && m_over) {
                QPoint p = de->position().toPoint();
                m_over(m_target, source, p.x(), p.y(), accept);
            }
            if (accept)
                de->acceptProposedAction();
            else
                de->ignore();
            return true;
        }
        case QEvent::Drop: {
            auto* de = static_cast<QDropEvent*>(e);
            TControl* source = DragSource(de->mimeData());
            if (!source) {
                de->ignore();
                return true;
            }
            de->acceptProposedAction();
            if (m_drop) {
                QPoint p = de->position().toPoint();
                m_drop(m_target, source, p.x(), p.y());
            }
            return true;
        }
        default:
            return false;
        }
    }

private:
    TControl* m_target;
    TDragOverEvent m_over;
    TDragDropEvent m_drop;
};

}

void SetDragMode(TControl* control, TDragMode mode)
{
    QWidget* w = inputWidget(control);
    // The starter has no meta-object of its own: it is told from the
    // widget's other children by its C++ type.
    const QObjectList children = w->children();
    for (QObject* child : children)
        if (dynamic_cast<DragStarter*>(child))
            delete child;
    if (mode == dmAutomatic)
        w->installEventFilter(new DragStarter(control, w));
}

void SetDropHandlers(TControl* target, TDragOverEvent onDragOver, TDragDropEvent onDragDrop)
{
    QWidget* w = inputWidget(target);
    w->setAcceptDrops(true);
    w->installEventFilter(new DropTaker(target, w, std::move(onDragOver), std::move(onDragDrop)));
}

QMimeData* DragData(TControl* source)
{
    auto* data = new QMimeData;
    auto address = reinterpret_cast<quintptr>(source);
    data->setData(kFormat, QByteArray(reinterpret_cast<const char*>(&address), sizeof address));
    return data;
}

TControl* DragSource(const QMimeData* data)
{
    if (!data || !data->hasFormat(kFormat))
        return nullptr;
    QByteArray bytes = data->data(kFormat);
    if (bytes.size() != int(sizeof(quintptr)))
        return nullptr;
    quintptr address = 0;
    std::memcpy(&address, bytes.constData(), sizeof address);
    auto* control = reinterpret_cast<TControl*>(address);
    return draggable().count(control) ? control : nullptr;
}
