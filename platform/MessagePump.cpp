#include "platform/MessagePump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

void WaitForMessages(int maxMs)
{
    if (maxMs <= 0)
        return;
    // The timer only wakes the loop when nothing else does.
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(maxMs);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}
