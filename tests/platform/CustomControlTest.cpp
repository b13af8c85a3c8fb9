// Controls of the program's own: painting, the mouse, window procedures and
// their subclassing, mouse filters and hooks, the menu runner; and the
// posted messages they receive.

#include "platform/AppHooks.h"
#include "platform/Application.h"
#include "platform/CustomControl.h"
#include "platform/Form.h"
#include "platform/Menus.h"
#include "platform/Messages.h"
#include "platform/Mouse.h"
#include "tests/support/MessageLoop.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

// Fills itself with one colour and marks one pixel, and logs what reaches it: a painted control, or a windowed one.
template <class Base = TGraphicControl>
struct Probe : Base {
    Probe(TWinControl* parent, std::string name, int left, TColor fill = clNone) : Base(parent), Fill(fill)
    {
        this->Name = std::move(name);
        this->SetParent(parent);
        this->SetBounds(left, 0, 20, 20);
    }
    TColor Fill;
    std::function<void(const std::string&)> Heard = [](const std::string&) {};
    int Moves = 0;

protected:
    void Paint() override
    {
        if (Fill != clNone) {
            this->Canvas()->Brush.Color = Fill;
            this->Canvas()->FillRect({ 0, 0, this->Width(), this->Height() });
        }
        this->Canvas()->SetPixel(5, 5, clBlue);
    }
    void MouseEnter() override { Heard("enter " + this->Name); }
    void MouseLeave() override { Heard("leave " + this->Name); }
    void MouseMove(TShiftState s, int x, int y) override
    {
        ++Moves;
        Base::MouseMove(s, x, y);
    }
};

QPoint at(TControl& c, int x, int y) { return c.Widget()->mapTo(c.Widget()->window(), QPoint(x, y)); }

// A window of 100 by 50 for the probes, shown once they are in it.
struct CustomControl : ::testing::Test {
    CustomControl() { form.SetClientSize(100, 50); }
    bool Shown()
    {
        form.Show();
        return QTest::qWaitForWindowExposed(form.Widget());
    }
    QWindow* Window() { return form.Widget()->windowHandle(); }

    TForm form { nullptr };
};

}

TEST_F(CustomControl, OpaqueControlsPaintTheirWholeAreaOthersLetTheParentShow)
{
    const std::tuple<TControlStyle, TColor, TColor> cases[] = {
        { 0, clNone, clRed },                 // drawn straight over the parent
        { csOpaque, clNone, clWhite },        // an off-screen bitmap, white where Paint left nothing
        { csOpaque, clGreen, clGreen },
    };
    for (const auto& [style, fill, untouched] : cases) {
        Probe<TCustomControl> ground(nullptr, "ground", 0, clRed);
        ground.ControlStyle |= csOpaque;
        ground.SetBounds(0, 0, 60, 30);
        Probe probe(&ground, "probe", 10, fill);
        probe.ControlStyle = (probe.ControlStyle & ~csOpaque) | style;
        TBitmap shot;
        shot.SetImage(ground.Widget()->grab().toImage());
        // The parent around the control, what Paint drew, what it left; the canvas is Paint's alone.
        EXPECT_EQ((std::tuple { shot.Pixel(2, 2), shot.Pixel(10 + 5, 5), shot.Pixel(10 + 1, 1), probe.Canvas() }),
            std::tuple(clRed, clBlue, untouched, (TCanvas*)nullptr)) << "style " << style;
    }
}

TEST_F(CustomControl, TheMouseLeavesOneNeighbourBeforeItEntersTheNextAndMovesReachBoth)
{
    std::vector<std::string> log;
    Probe a(&form, "A", 0), b(&form, "B", 20);
    a.Heard = b.Heard = [&](const std::string& what) { log.push_back(what); };
    ASSERT_TRUE(Shown());
    for (QPoint p : { at(a, 5, 5), at(a, 10, 10), at(b, 5, 5), at(b, 8, 8), QPoint(80, 40) })
        QTest::mouseMove(Window(), p);
    EXPECT_EQ((std::tuple { log, a.MouseInControl() }),
        std::tuple(std::vector<std::string> { "enter A", "leave A", "enter B", "leave B" }, false));
    EXPECT_GE(std::min(a.Moves, b.Moves), 2) << "moves without a button held reach both";
}

TEST_F(CustomControl, APressDraggedOutAndReleasedOutsideClicksNothing)
{
    struct Case { QPoint release; int clicks; } cases[] = { { { 15, 15 }, 1 }, { { 35, 10 }, 0 }, { { -5, 5 }, 0 } };
    ASSERT_TRUE(Shown());
    for (const Case& c : cases) {
        Probe a(&form, "A", 20);
        int clicks = 0;
        std::vector<int> ups;  // the captured control hears the release where it happens
        a.OnClick = [&](TObject*) { ++clicks; };
        a.OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int x, int) { ups.push_back(x); };
        QTest::mousePress(Window(), Qt::LeftButton, {}, at(a, 5, 5));
        EXPECT_EQ((std::tuple { a.MouseCapture(), GetCaptureControl() }), std::tuple(true, (TControl*)&a));
        const QPoint release = at(a, c.release.x(), c.release.y());
        QTest::mouseMove(Window(), release);
        QTest::mouseRelease(Window(), Qt::LeftButton, {}, release);
        EXPECT_EQ((std::tuple { a.MouseCapture(), GetCaptureControl(), ups, clicks }),
            std::tuple(false, (TControl*)nullptr, std::vector<int> { c.release.x() }, c.clicks))
            << "released at " << c.release.x() << "," << c.release.y();
    }
}

TEST_F(CustomControl, SubclassedWindowProcsRunNewestFirstAndRestoreInTurn)
{
    Probe a(&form, "A", 0);
    std::vector<std::string> log;
    auto own = a.WindowProc;
    a.WindowProc = [&, own](TMessage& m) {
        log.push_back("own");
        own(m);
    };
    auto layer = [&](const char* name) {
        return TSubclass(a, [&log, name](TMessage& m, const TWndMethod& previous) {
            log.push_back(name);
            m.Msg == WM_USER + 1 ? void(m.Result = 7) : previous(m);
        });
    };
    using Log = std::vector<std::string>;
    auto heard = [&log] { return std::exchange(log, {}); };
    {
        TSubclass first = layer("first");
        {
            TSubclass second = layer("second");
            EXPECT_EQ((std::tuple { a.Perform(CM_SYSCOLORCHANGE, 0, 0), heard() }),
                std::tuple(0, Log { "second", "first", "own" }));
            TMessage m { CM_SYSCOLORCHANGE, 0, 0, 0 };
            Broadcast(&form, m);
            EXPECT_EQ(heard().size(), 3u) << "broadcast goes through the same chain";
            // A subclasser may answer and stop.
            EXPECT_EQ((std::tuple { a.Perform(WM_USER + 1, 0, 0), heard() }), std::tuple(7, Log { "second" }));
        }
        NotifySysColorChange();
        EXPECT_EQ(heard(), (Log { "first", "own" }));
    }
    a.Perform(WM_MOUSEMOVE, 0, PointToLParam(3, -4));
    EXPECT_EQ((std::tuple { log, a.Moves }), std::tuple(Log { "own" }, 1));
}

TEST_F(CustomControl, MouseFiltersAttachOnceAndDetachWithTheLast)
{
    Probe a(&form, "A", 0);
    int downs = 0;
    a.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; };
    ASSERT_TRUE(Shown());
    TMouseFilterStats before = MouseFilterStats();
    std::vector<std::string> seen;
    bool eat = false;
    int moves = 0;
    int first = InstallMouseFilter([&](UINT msg, TPoint, TControl* target) {
        if (msg == WM_LBUTTONDOWN)
            seen.push_back("first " + (target ? target->Name : std::string("-")));
        moves += msg == WM_MOUSEMOVE;
        return false;
    });
    int second = InstallMouseFilter([&](UINT msg, TPoint, TControl*) {
        if (msg == WM_LBUTTONDOWN)
            seen.push_back("second");
        return msg == WM_LBUTTONDOWN && eat;
    });
    EXPECT_EQ(MouseFilterStats().Attached, before.Attached + 1);
    for (int x : { 2, 4, 6 })
        QTest::mouseMove(Window(), at(a, x, 5));
    EXPECT_EQ(moves, 3) << "every move, each once";
    QTest::mouseClick(Window(), Qt::LeftButton, {}, at(a, 5, 5));
    EXPECT_EQ((std::tuple { seen, downs }), std::tuple(std::vector<std::string> { "second", "first A" }, 1));
    eat = true;
    QTest::mouseClick(Window(), Qt::LeftButton, {}, at(a, 5, 5));
    EXPECT_EQ(downs, 1) << "an eaten press never reaches the control";
    RemoveMouseFilter(second);
    EXPECT_EQ((std::tuple { MouseFilterCount(), MouseFilterStats().Detached }), std::tuple(1, before.Detached));
    RemoveMouseFilter(first);
    EXPECT_EQ(MouseFilterStats().Detached, before.Detached + 1);
    QTest::mouseClick(Window(), Qt::LeftButton, {}, at(a, 5, 5));
    EXPECT_EQ((std::tuple { seen, downs }), std::tuple(std::vector<std::string> { "second", "first A", "second" }, 2));
}

TEST_F(CustomControl, MainWindowHooksSeeItsActivationAndDeactivation)
{
    TForm* main = nullptr;
    Application->CreateForm(main);
    TForm other(nullptr);
    std::vector<WPARAM> seen;
    int id = HookMainWindow([&](TMessage& m) {
        if (m.Msg == WM_ACTIVATE)
            seen.push_back(m.WParam);
        return false;
    });
    main->Show();
    ASSERT_TRUE(RunUntil([&] { return main->Active(); }, 2000)) << "this platform does not activate windows";
    other.Show();
    ASSERT_TRUE(RunUntil([&] { return other.Active(); }, 2000));
    UnhookMainWindow(id);
    main->Widget()->activateWindow();
    RunUntil([&] { return main->Active(); }, 2000);
    EXPECT_EQ(seen, (std::vector<WPARAM> { WA_ACTIVE, WA_INACTIVE }));
    delete main;
}

TEST_F(CustomControl, CursorSourceAndDragTargetFollowTheScript)
{
    Probe a(&form, "A", 20);
    ASSERT_TRUE(Shown());
    TPoint inA = a.ClientToScreen({ 5, 5 });
    SetCursorPosSource([&] { return inA; });
    EXPECT_EQ(GetCursorPos().X, inA.X);
    SetCursorPosSource(nullptr);
    EXPECT_EQ((std::tuple { a.ScreenToClient(inA).Y, FindDragTarget(inA, false) }), std::tuple(5, (TControl*)&a));
    a.SetEnabled(false);
    EXPECT_EQ((std::tuple { FindDragTarget(inA, true), FindDragTarget(inA, false) }),
        std::tuple((TControl*)&a, (TControl*)&form));
}

TEST_F(CustomControl, AScriptedMenuRunnerChoosesForTheUser)
{
    struct Script : TMenuRunner {
        std::string pick;
        TPoint shownAt;
        TMenuItem* Run(TPopupMenu* menu, TPoint screen) override
        {
            shownAt = screen;
            for (int i = 0; i < menu->Items()->Count(); ++i)
                if (menu->Items()->Items(i)->Caption == pick)
                    return menu->Items()->Items(i);
            return nullptr;
        }
    } script;
    TPopupMenu menu(nullptr);
    std::string ran;
    for (const char* caption : { "&Open", "&Close" })
        NewItem(&menu, menu.Items(), "", caption, 0, [&ran, caption](TObject*) { ran = caption; });
    SetMenuRunner(&script);
    for (const char* pick : { "&Close", "Missing" }) {
        script.pick = pick;
        menu.Popup(30, 40);
        EXPECT_EQ((std::tuple { std::exchange(ran, {}), script.shownAt.X, script.shownAt.Y }),
            std::tuple(script.pick == "Missing" ? "" : pick, 30, 40));
    }
    SetMenuRunner(nullptr);
    EXPECT_NE(MenuRunner(), &script);
}

// Posted messages: order, late delivery of what handlers post, and dropping what was meant for a receiver that has gone.
TEST(Messages, DeliveredInOrderIncludingWhatHandlersPost)
{
    std::vector<int> seen;
    HWND h = AllocateHWnd([&](TMessage& m) {
        seen.push_back(int(m.WParam));
        if (m.WParam == 1)
            PostMessage(h, WM_USER, 3, 0);
    });
    PostMessage(h, WM_USER, 1, 0);
    PostMessage(h, WM_USER, 2, 0);
    ProcessPostedMessages();
    EXPECT_EQ((std::tuple { seen, PendingMessageCount() }), std::tuple(std::vector<int> { 1, 2, 3 }, 0));
    DeallocateHWnd(h);
}

TEST(Messages, AReceiverThatGoesDropsItsMessagesEvenFromItsOwnHandler)
{
    int calls = 0;
    HWND h = AllocateHWnd([&](TMessage&) {
        ++calls;
        DeallocateHWnd(h);
    });
    PostMessage(h, WM_USER, 0, 0);
    PostMessage(h, WM_USER, 0, 0);
    ProcessPostedMessages();
    EXPECT_EQ((std::tuple { calls, PostMessage(h, WM_USER, 0, 0), PendingMessageCount() }), std::tuple(1, false, 0));
}

TEST(Messages, PostingFromOtherThreadsIsSafe)
{
    long sum = 0;
    HWND h = AllocateHWnd([&](TMessage& m) { sum += long(m.WParam); });
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([h] {
            for (int i = 1; i <= 1000; ++i)
                PostMessage(h, WM_USER, WPARAM(i), 0);
        });
    for (auto& t : threads)
        t.join();
    ProcessPostedMessages();
    EXPECT_EQ(sum, 4L * 500500L);
    DeallocateHWnd(h);
}
