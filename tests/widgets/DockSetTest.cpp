// The docking set on a real form: docks stacking toolbars, dragging with the
// mouse, floating, sizing, closing and parking, and the set's error texts.

#include "widgets/TB97Dock.h"

#include "platform/AppHooks.h"
#include "platform/ExtCtrls.h"
#include "platform/Form.h"
#include "platform/Menus.h"
#include "platform/Mouse.h"
#include "tests/support/ThrownMessage.h"
#include "tests/widgets/Pictures.h"
#include "widgets/TB97.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <tuple>

namespace {

struct DockSet : ::testing::Test {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TDock97* top = nullptr;
    TDock97* left = nullptr;
    TPoint cursor;

    DockSet()
    {
        form->SetBounds(0, 0, 800, 600);
        top = NewControl<TDock97>(form.get(), form.get(), "Dock971");
        NewControl<TDock97>(form.get(), form.get(), "Dock972")->SetPosition(dpBottom);
        left = NewControl<TDock97>(form.get(), form.get(), "Dock973");
        left->SetPosition(dpLeft);
        form->Show();
        TToolbar97::WorkArea = [] { return TRect { 0, 0, 1280, 1024 }; };
        SetCursorPosSource([this] { return cursor; });
    }
    ~DockSet() override
    {
        SetCursorPosSource(nullptr);
        TToolbar97::WorkArea = nullptr;
    }

    // Buttons of 23 x 22 in groups, a separator between groups.
    TToolbar97* bar(std::initializer_list<int> groups, TDock97* dock)
    {
        auto* b = new TToolbar97(form.get());
        for (int count : groups) {
            if (b->ControlCount())
                NewControl<TToolbarSep97>(form.get(), b, "");
            for (int i = 0; i < count; ++i)
                NewControl<TPanel>(form.get(), b, "", 0, 0, 23, 22);
        }
        b->SetDockedTo(dock);
        return b;
    }
    // A bar floating on the screen, out of its parking place.
    TToolbar97* floating(std::initializer_list<int> groups)
    {
        TToolbar97* b = bar(groups, nullptr);
        b->SetParked(false);
        return b;
    }
    // The colour the control shows on the screen at a point.
    static TColor shown(TControl* c, int x, int y) { return FromQRgb(c->Widget()->grab().toImage().pixel(x, y)) & 0xFFFFFF; }
    // The program turning active or inactive, as the main window hears it.
    static void appActive(bool active)
    {
        TMessage m { WM_ACTIVATEAPP, WPARAM(active), 0, 0 };
        CallMainWindowHooks(m);
    }
    // The cursor put at a point of the bar, which it gives back.
    QPoint at(TToolbar97* b, QPoint p)
    {
        QPoint global = b->Widget()->mapToGlobal(p);
        cursor = { global.x(), global.y() };
        return p;
    }
    // Pressed at `from` of the bar, the mouse goes to the screen point `to`.
    void drag(TToolbar97* b, QPoint from, TPoint to, Qt::KeyboardModifiers atRelease = {})
    {
        QTest::mousePress(b->Widget(), Qt::LeftButton, {}, at(b, from));
        cursor = to;
        QTest::mouseMove(b->Widget(), from + QPoint(1, 0));
        QTest::mouseRelease(b->Widget(), Qt::LeftButton, atRelease, from + QPoint(1, 0));
    }
};

TEST_F(DockSet, ErrorTexts)
{
    TPanel panel(nullptr);
    EXPECT_EQ(ThrownMessage([&] { TDock97 d(&panel); }), "TDock97 must be owned by a form");
    EXPECT_EQ(ThrownMessage([&] { TToolbar97 t(&panel); }), "TToolbar97 must be owned by a form");
    TToolbar97* b = bar({ 2 }, top);
    EXPECT_EQ(ThrownMessage([&] { top->SetPosition(dpLeft); }),
              "Cannot change Position of a TDock97 if it already contains controls");
    EXPECT_EQ(ThrownMessage([&] { top->Hide(); }), "Cannot hide a TDock97");
    EXPECT_EQ(ThrownMessage([&] { (new TDock97(form.get()))->SetParent(top); }),
              "A TDock97 control cannot be placed inside a TToolbar97 or another TDock97");
    EXPECT_EQ(ThrownMessage([&] { b->SetParent(NewControl<TPanel>(form.get(), form.get(), "Holder")); }),
              "TToolbar97 can only be placed on a TDock97 or directly on the form");
    EXPECT_EQ(b->DockedTo(), top);
    b->SetParent(form.get());  // directly on the form: it floats
    EXPECT_TRUE(b->Floating());
}

TEST_F(DockSet, BarsOfOneRowLieSideBySide)
{
    std::vector<std::pair<bool, TToolbar97*>> inserted;
    top->OnInsertRemoveBar = [&](TObject*, bool inserting, TToolbar97* bar) { inserted.push_back({ inserting, bar }); };
    TToolbar97 *a = bar({ 2 }, top), *b = bar({ 3 }, top);
    int changing = 0, changed = 0;
    b->OnDockChanging = [&](TObject*) { ++changing; };
    b->OnDockChanged = [&](TObject*) { ++changed; };
    EXPECT_EQ(inserted, (std::vector { std::pair(true, a), std::pair(true, b) }));
    a->SetDockPos(0);
    b->SetDockPos(0);
    EXPECT_EQ(std::tuple(a->Left(), a->Width(), b->Left(), b->Top(), top->Height(), form->Controls(0)->Name),
              std::tuple(0, 11 + 46 + 2, a->Width(), 0, 26, "Dock971"));

    // A bar that leaves its dock empties the row and the dock shrinks.
    b->SetDockedTo(nullptr);
    a->SetDockedTo(nullptr);
    EXPECT_EQ(std::tuple(top->Height(), changing, changed, inserted.back().first), std::tuple(0, 1, 1, false));

    // A dock that goes is no bar's default dock any more.
    auto* spare = new TDock97(form.get());
    b->DefaultDock = spare;
    delete spare;
    EXPECT_EQ(b->DefaultDock, nullptr);
}

TEST_F(DockSet, DraggingDocksFloatsAndOpensNewRows)
{
    TToolbar97 *a = bar({ 2 }, top), *b = bar({ 2 }, top);
    b->DefaultDock = top;
    // Dragged by its handle far away: it floats there.
    drag(b, QPoint(5, 5), { 600, 400 });
    EXPECT_EQ(std::tuple(b->Floating(), b->Parked(), top->Bars().size()), std::tuple(true, false, 1u));
    EXPECT_NEAR(b->Left(), 600, 10);

    // Dropped just below the top dock's only row: a new row opens there.
    QPoint dockOrigin = top->Widget()->mapToGlobal(QPoint(0, 0));
    drag(b, QPoint(10, 8), { dockOrigin.x() + 200, dockOrigin.y() + 27 });
    EXPECT_EQ(std::tuple(b->DockedTo(), b->DockRow(), a->DockRow(), top->Height()), std::tuple(top, 1, 0, 52));

    // A double click on its handle floats it, another docks it at its default dock.
    QTest::mouseDClick(b->Widget(), Qt::LeftButton, {}, at(b, QPoint(5, 5)));
    EXPECT_TRUE(b->Floating());
    QTest::mouseDClick(b->Widget(), Qt::LeftButton, {}, at(b, QPoint(20, 10)));  // on the caption
    EXPECT_EQ(b->DockedTo(), top);

    // With Ctrl held it does not dock.
    TToolbar97* c = floating({ 1 });
    drag(c, QPoint(20, 25), { dockOrigin.x() + 100, dockOrigin.y() + 5 }, Qt::ControlModifier);
    EXPECT_TRUE(c->Floating());
}

TEST_F(DockSet, FloatingBarNarrowedByItsLeftEdgeWrapsNoNarrowerThanItsWidestControl)
{
    TToolbar97* b = floating({ 2, 2, 2 });
    const int right = b->Left() + b->Width();
    drag(b, QPoint(1, 30), { right - 10, b->Top() + 30 });  // far narrower than anything
    // The right edge stayed.
    EXPECT_EQ(std::tuple(b->Width(), b->Left() + b->Width(), b->FloatingWrapWidth(), b->WrapLines().size()),
              std::tuple(23 + 8 + TToolbar97::FloatingFrame().Width(), right, 23 + 8, 2u));
    EXPECT_GT(b->Height(), 3 * 22);
}

TEST_F(DockSet, CloseButtonHidesTheBarOnlyWhenReleasedOverIt)
{
    TToolbar97* b = floating({ 2 });
    int closed = 0;
    b->OnClose = [&](TObject*) { ++closed; };
    const QPoint close(b->Width() - TToolbar97::FloatingFrame().Frame - 6, TToolbar97::FloatingFrame().Frame + 5);
    QTest::mousePress(b->Widget(), Qt::LeftButton, {}, close);
    QTest::mouseMove(b->Widget(), QPoint(10, 10));
    QTest::mouseRelease(b->Widget(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(closed, 0);
    QTest::mouseClick(b->Widget(), Qt::LeftButton, {}, close);
    EXPECT_EQ(std::tuple(closed, b->Visible()), std::tuple(1, false));
}

TEST_F(DockSet, FloatingBarsParkWhileTheProgramIsInactive)
{
    TToolbar97* b = bar({ 2 }, nullptr);
    EXPECT_EQ(std::tuple(b->Parked(), b->Left()), std::tuple(true, -b->Width()));  // a new bar waits for the program to be active
    appActive(true);
    EXPECT_FALSE(b->Parked());
    const int left = b->Left();
    appActive(false);
    EXPECT_EQ(b->Left(), -b->Width());
    appActive(true);
    EXPECT_EQ(b->Left(), left);

    // The hook stays for the form's other bars when the first one goes.
    TToolbar97* second = bar({ 1 }, nullptr);
    delete b;
    appActive(false);
    EXPECT_TRUE(second->Parked());
}

TEST_F(DockSet, FloatingBarsParkWhileTheirFormIsHiddenOrMinimised)
{
    TToolbar97* b = bar({ 2 }, nullptr);
    appActive(true);
    ASSERT_FALSE(b->Parked());
    struct Step { const char* what; std::function<void()> act; bool parked; } steps[] = {
        { "minimised", [&] { form->SetWindowState(wsMinimized); }, true },
        { "restored", [&] { form->SetWindowState(wsNormal); }, false },
        { "hidden", [&] { form->Hide(); }, true }, { "shown", [&] { form->Show(); }, false },
    };
    for (const Step& step : steps) {
        step.act();
        ProcessPostedMessages();
        EXPECT_EQ(b->Parked(), step.parked) << step.what;
    }
}

TEST_F(DockSet, AFloatingCaptionTooLongLosesOneCharacterAtATimeBeforeItsDots)
{
    TToolbar97 *narrow = bar({ 1 }, nullptr), *wide = bar({ 8 }, nullptr);
    ASSERT_LT(narrow->Width(), 45);
    // The start of the caption's place, where the text begins.
    const TFloatingFrame& f = TToolbar97::FloatingFrame();
    auto start = [&](TToolbar97* t, const std::string& caption) {
        t->SetCaption(caption);
        return t->Widget()->grab().toImage().copy(f.Frame + 2, f.Frame, 8, f.Caption - 1);
    };
    const QImage shown = start(narrow, "Standard");
    // As some start of the caption followed by dots shows in a wide bar.
    bool prefix = false;
    for (std::size_t n = 1; n < 8 && !prefix; ++n)
        prefix = shown == start(wide, std::string("Standard").substr(0, n) + "...");
    EXPECT_TRUE(prefix);
    EXPECT_NE(shown, start(wide, "...")) << "no more than dots";
}

TEST_F(DockSet, FloatingBarPlacedOffEveryScreenComesBack)
{
    TToolbar97* b = floating({ 2 });
    b->SetBounds(-5000, 9000, b->Width(), b->Height());
    b->KeepOnScreen(true);
    EXPECT_EQ(std::tuple(b->Left(), b->Top() + b->Height()), std::tuple(0, 1024));
}

TEST_F(DockSet, ButtonsKnowWhenTheirBarIsDockedLeftOrRight)
{
    TToolbar97* b = bar({ 2 }, left);
    EXPECT_EQ(std::tuple(DockedLeftRight(b->Controls(0)), left->Width(), b->Controls(1)->Top()),
              std::tuple(true, 23 + 4, 11 + 22));
    b->SetDockedTo(top);
    EXPECT_FALSE(DockedLeftRight(b->Controls(0)));
}

TEST_F(DockSet, BackgroundTilesFromTheDocksOriginAndItsCornerColourCanShowThrough)
{
    TToolbar97* b = bar({ 4 }, top);
    TBitmap picture(3, 2);
    const TColor colours[2][3] = { { clRed, clBlue, clGreen }, { clNavy, clMaroon, clGray } };
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            picture.Canvas().SetPixel(x, y, colours[y][x]);
    top->SetBackground(picture);
    // The toolbar lies at (0, 0) of the dock, which lies at the form's top.
    const int dx = top->Left(), dy = top->Top();
    for (auto [x, y] : { std::pair { 20, 5 }, std::pair { 21, 5 }, std::pair { 25, 10 } })
        EXPECT_EQ(shown(b, x, y), colours[(y + dy) % 2][(x + dx) % 3]) << x << "," << y;
    top->SetBackgroundTransparent(true);  // the bottom-left colour, navy, shows the dock's colour
    const TBitmap* tile = top->BackgroundToTile();
    EXPECT_EQ(std::tuple(tile->Pixel(0, 1), tile->Pixel(1, 1)), std::tuple(ColorToRGB(clBtnFace), clMaroon));
}

TEST_F(DockSet, SeparatorsTakeTheirSizeAlongTheLineAndPaintByTheBarsDirection)
{
    // The separator's width and height, the next button's place along the line, and the points of the
    // separator that show its shadow and highlight when it is not blank.
    for (auto [dock, blank, sepSize, nextButton, shadow, highlight] :
         { std::tuple("top", false, TPoint { 10, 22 }, 11 + 23 + 10, TPoint { 4, 11 }, TPoint { 5, 11 }),
           { "left", false, { 23, 3 }, 11 + 22 + 3, { 11, 0 }, { 11, 1 } },
           { "top", true, { 10, 22 }, 11 + 23 + 10, { 4, 11 }, { 5, 11 } } }) {
        TToolbar97* b = bar({ 1, 1 }, std::string(dock) == "top" ? top : left);
        auto* sep = static_cast<TToolbarSep97*>(b->Controls(1));
        sep->SetSizeHorz(10);
        sep->SetSizeVert(3);
        sep->SetSizeVert(0);  // ignored
        sep->SetBlank(blank);
        EXPECT_EQ(std::tuple(sep->Width(), sep->Height(), b->DockedTo() == left ? b->Controls(2)->Top() : b->Controls(2)->Left()),
                  std::tuple(sepSize.X, sepSize.Y, nextButton)) << dock;
        auto pixel = [&](TPoint p) { return shown(b, sep->Left() + p.X, sep->Top() + p.Y); };
        EXPECT_EQ(pixel(shadow), ColorToRGB(blank ? b->Color : clBtnShadow)) << dock << blank;
        EXPECT_EQ(pixel(highlight), ColorToRGB(blank ? b->Color : clBtnHighlight)) << dock << blank;
        delete b;
    }
}

TEST_F(DockSet, ADoubleClickOnASeparatorFloatsItsToolbar)
{
    TToolbar97* b = bar({ 1, 1 }, top);
    QTest::mouseDClick(b->Controls(1)->Widget(), Qt::LeftButton, {}, QPoint(2, 5));
    EXPECT_TRUE(b->Floating());
}

struct PlaceRecorder : TMenuRunner {
    TPoint at;
    TPopupAlignment alignment = paCenter;
    TMenuItem* Run(TPopupMenu* menu, TPoint screen) override
    {
        at = screen;
        alignment = menu->Alignment;
        return nullptr;
    }
};

TEST_F(DockSet, AButtonDropsItsMenuBelowItOrBesideItOnALeftOrRightDock)
{
    TDock97* right = NewControl<TDock97>(form.get(), form.get(), "Dock974");
    right->SetPosition(dpRight);
    TPopupMenu menu(form.get());
    menu.Alignment = paCenter;
    PlaceRecorder recorder;
    SetMenuRunner(&recorder);
    // The dock (none: floating), the point of the button the menu drops at, and its alignment.
    for (auto [dock, at, alignment] : { std::tuple(top, TPoint { 0, 22 }, paLeft), { nullptr, { 0, 22 }, paLeft },
                                        { left, { 23, 0 }, paLeft }, { right, { 0, 0 }, paRight } }) {
        auto* b = new TToolbar97(form.get());
        auto* button = NewControl<TToolbarButton97>(form.get(), b, "");
        button->SetDropdownMenu(&menu);
        b->SetDockedTo(dock);
        b->SetParked(false);
        QTest::mouseClick(button->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
        const TPoint expected = button->ClientToScreen(at);
        // The menu's own alignment again afterwards.
        EXPECT_EQ(std::tuple(recorder.at.X, recorder.at.Y, recorder.alignment, menu.Alignment),
                  std::tuple(expected.X, expected.Y, alignment, paCenter)) << (dock ? dock->Name : "floating");
        delete b;
    }
    SetMenuRunner(nullptr);
}

TEST(ToolbarSeparator, Pixels)
{
    auto painted = [](int width, int height, bool vertical, bool blank) {
        TBitmap picture(width, height);
        PaintToolbarSep(picture.Canvas(), width, height, vertical, blank);
        return picture;
    };
    const TColor shadow = ColorToRGB(clBtnShadow), highlight = ColorToRGB(clBtnHighlight);
    ExpectPixels(painted(6, 22, false, false), { { 2, 10, shadow }, { 3, 10, highlight }, { 4, 10, clWhite } });
    ExpectPixels(painted(22, 6, true, false), { { 10, 2, shadow }, { 10, 3, highlight } });
    EXPECT_EQ(painted(6, 22, false, true).Pixel(2, 10), clWhite);
}

}
