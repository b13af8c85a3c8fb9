#include "net/Wait.h"
#include "platform/Timer.h"
#include "tests/net/SocketTestSupport.h"
#include "tests/support/MouseInput.h"

#include <QWidget>

TEST(Wait, CountsDownAndTimesOut)
{
    TWait wait(nullptr);
    EXPECT_EQ(std::tuple(wait.Caption(), wait.Width(), wait.Height()), std::tuple("60", 192, 32));
    wait.SetInterval(10);
    wait.SetCaption("3");
    // Each tick as "count caption".
    Log ticks;
    wait.OnWait = [&](TObject*, int n) { ticks.push_back(std::to_string(n) + " " + wait.Caption()); };
    wait.OnTimeout = [&](TObject*) { ticks.push_back("timeout"); };
    wait.Start();
    EXPECT_TRUE(wait.Running());
    ASSERT_TRUE(RunUntil([&] { return !wait.Running(); }));
    // Each tick shows the count before it is lowered.
    EXPECT_EQ(ticks, (Log { "2 3", "1 2", "0 1", "timeout" }));
    EXPECT_EQ(std::tuple(wait.ModalResult, wait.Caption()), std::tuple(mrCancel, "3"));
}

TEST(Wait, CaptionWithoutNumberStartsAtFifteen)
{
    TWait wait(nullptr);
    wait.SetCaption("abc");
    wait.Start();
    EXPECT_EQ(wait.Caption(), "15");
    wait.Stop();
    EXPECT_EQ(std::tuple(wait.ModalResult, wait.Running()), std::tuple(mrOk, false));
    wait.SetCaption(" 7s");
    wait.Start();
    wait.SetCaption("2");
    wait.RestoreCaption();
    EXPECT_EQ(wait.Caption(), "7");
    wait.Stop();
}

TEST(Wait, RunModalEndsWithStop)
{
    TWait wait(nullptr);
    wait.SetCaption("5");
    TTimer stopper(nullptr);
    stopper.SetInterval(50);
    stopper.OnTimer = [&](TObject*) {
        stopper.SetEnabled(false);
        wait.Stop();
    };
    int waiting = 0;
    wait.OnWaiting = [&](TObject*) { ++waiting; };
    EXPECT_LT(Took([&] { wait.RunModal(); }), 2000u);
    EXPECT_EQ(std::tuple(wait.ModalResult, wait.Caption()), std::tuple(mrOk, "5"));
    EXPECT_GT(waiting, 0);
}

namespace {

struct CountKeys final : QObject {
    bool eventFilter(QObject*, QEvent* e) override
    {
        Count += e->type() == QEvent::KeyPress || e->type() == QEvent::MouseButtonPress;
        return false;
    }
    int Count = 0;
};

// A key typed and a click, on the widget.
void Press(QWidget& w)
{
    KeyOn(&w, Qt::Key_A, Qt::NoModifier, "a");
    ClickAt(&w, QPoint(1, 1));
}

}

TEST(Wait, RunModalRefusesKeysAndClicks)
{
    QWidget target;
    CountKeys counter;
    target.installEventFilter(&counter);
    TWait wait(nullptr);
    wait.SetCaption("5");
    wait.OnWaiting = [&](TObject*) {
        Press(target);
        wait.Stop();
    };
    wait.RunModal();
    EXPECT_EQ(counter.Count, 0);
    Press(target);
    EXPECT_EQ(counter.Count, 2);
}
