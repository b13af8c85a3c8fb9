// The application's mouse filter counts each event once: on its way up to a
// parent it is the same event, but a new event that reuses the last one's
// address (as a modal menu's loop does) is seen again.

#include "platform/AppHooks.h"
#include "platform/ControlMessages.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

TEST(MouseFilter, AnEventAtTheAddressOfTheLastIsSeenAgainByTheSameWidget)
{
    QWidget parent;
    QWidget child(&parent);
    int moves = 0;
    int id = InstallMouseFilter([&](UINT msg, TPoint, TControl*) {
        moves += msg == WM_MOUSEMOVE;
        return false;
    });
    QMouseEvent e(QEvent::MouseMove, QPointF(1, 1), QPointF(1, 1), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    for (int i = 0; i < 3; ++i)
        QCoreApplication::sendEvent(&child, &e);
    // The same event passed on to the parent is not counted twice.
    QCoreApplication::sendEvent(&parent, &e);
    RemoveMouseFilter(id);
    EXPECT_EQ(moves, 3);
}
