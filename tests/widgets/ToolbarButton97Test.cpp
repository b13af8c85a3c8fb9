// The flat tool button: its picture in every state, pixel by pixel, the
// placing of glyph and caption, and the order of its mouse events.

#include "platform/AppHooks.h"
#include "platform/Form.h"
#include "platform/Menus.h"
#include "platform/Mouse.h"
#include "platform/Timer.h"
#include "tests/support/MessageLoop.h"
#include "tests/widgets/Pictures.h"
#include "widgets/TB97.h"

#include <QTest>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace {

// A 16 x 16 picture on olive: a black square at (4..11, 4..11), and a white
// and a silver pixel beside it; a second cell holds a gray square.
TBitmap square(int cells = 1)
{
    return Filled(16 * cells, 16, { { { 0, 0, 32, 16 }, 0x008080 }, { { 4, 4, 12, 12 }, clBlack }, { { 20, 4, 28, 12 }, clGray },
                                    { { 1, 13, 2, 14 }, clWhite }, { { 2, 1, 3, 2 }, clSilver } });
}

// The form at that client size, shown once the window system has put it up.
void Expose(TForm& form, int width, int height)
{
    form.SetClientSize(width, height);
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Widget()));
}

// A button on a form, and the colours of its frames.
struct ToolbarButton97 : ::testing::Test {
    TForm form { nullptr };
    TToolbarButton97 button { &form };
    const TColor face = ColorToRGB(clBtnFace), shadow = ColorToRGB(clBtnShadow), highlight = ColorToRGB(clBtnHighlight);
    ToolbarButton97() { button.SetParent(&form); }
    void clickButton()
    {
        QTest::mouseClick(button.Widget(), Qt::LeftButton, {}, QPoint(5, 5));
        RunFor(20);
    }
};

TEST_F(ToolbarButton97, PaintsEachStateWithItsEdgeAndGlyphPlace)
{
    // Flat, 23 x 22: the client is inset by 1, the glyph centred at (4, 3),
    // pushed states move it by (1, 1).
    button.SetGlyph(square());
    ExpectPixels(Painted(button), { { 0, 0, face, "no frame until the mouse comes" }, { 22, 21, face },
                                      { 4 + 4, 3 + 4, clBlack, "the square's corner" },
                                      { 4 + 3, 3 + 4, face, "olive is transparent" } });

    TToolbarButton97& held = *NewControl<TToolbarButton97>(&form, &form, "");
    held.SetGlyph(square());
    held.SetGroupIndex(1);
    held.SetAllowAllUp(true);
    held.SetDown(true);
    // The dither: highlight where x and y are both even or both odd.
    ExpectPixels(Painted(held), { { 0, 0, shadow, "sunken: shadow top left" }, { 22, 21, highlight },
                                    { 5 + 4, 4 + 4, clBlack, "the glyph moved by (1, 1)" }, { 2, 2, highlight, "dither" },
                                    { 3, 2, face, "dither" }, { 3, 3, highlight, "dither" } });
}

TEST_F(ToolbarButton97, TheGeneratedDisabledImageEmbossesTheDarkPixels)
{
    button.SetGlyph(square());
    button.SetEnabled(false);
    const int gx = 4, gy = 3;
    ExpectPixels(Painted(button), { { gx + 4, gy + 4, shadow, "dark pixels in the shadow colour" },
                                      { gx + 12, gy + 12, highlight, "the highlight one pixel down and right" },
                                      { gx + 1, gy + 13, face, "white vanishes" }, { gx + 2, gy + 1, face, "silver vanishes" },
                                      { gx + 3, gy + 3, face, "transparent stays transparent" } });
    EXPECT_EQ(button.State(), tsDisabled);
}

TEST_F(ToolbarButton97, TwoGlyphsGiveTheDisabledStateItsOwnCell)
{
    button.SetGlyph(square(2));
    EXPECT_EQ(std::tuple(button.NumGlyphs(), Painted(button).Pixel(4 + 4, 3 + 4)), std::tuple(2, clBlack)) << "cell 0 when up";
    button.SetEnabled(false);
    EXPECT_EQ(Painted(button).Pixel(4 + 4, 3 + 4), shadow) << "cell 1's gray in the shadow colour";
}

TEST_F(ToolbarButton97, TheNumberOfGlyphsFollowsTheBitmapsShape)
{
    for (auto [width, numGlyphs] : { std::pair(48, 3), { 40, 3 }, { 96, 1 }, { 16, 1 } }) {
        button.SetGlyph(TBitmap(width, 16));
        EXPECT_EQ(button.NumGlyphs(), numGlyphs) << width << " wide";
    }
    button.SetNumGlyphs(7);
    button.SetMargin(-2);
    button.SetDropdownCombo(true);
    EXPECT_EQ(std::tuple(button.NumGlyphs(), button.Margin(), button.Width()), std::tuple(5, -1, 23 + 11));
    button.SetBounds(0, 0, 5, 22);
    button.SetDropdownCombo(false);
    EXPECT_EQ(button.Width(), 1);
}

TEST_F(ToolbarButton97, GlyphAndCaptionAreCentredTogetherWithTheSpacingBetween)
{
    TButtonGlyph glyph;
    glyph.SetGlyph(square());
    TBitmap scratch(100, 40);
    const int margin = (98 - (4 + 16 + scratch.Canvas().TextWidth("Abc")) + 1) / 2;
    TContentPlace place = glyph.PlaceContent(scratch.Canvas(), { .client = { 1, 1, 99, 39 }, .caption = "Abc" });
    EXPECT_EQ(std::tuple(place.glyph.X, place.text.Left, place.glyph.Y),
              std::tuple(1 + margin, 1 + margin + 16 + 4, 1 + (38 - 16 + 1) / 2));

    place = glyph.PlaceContent(scratch.Canvas(), { .client = { 1, 1, 99, 39 }, .margin = -1, .spacing = -1 });
    EXPECT_EQ(place.glyph.X, 1 + (98 - 16 + 1) / 2) << "a glyph alone is centred";
}

TEST_F(ToolbarButton97, ButtonsOfOneImageSizeShareOneGlyphList)
{
    TToolbarButton97 a(&form), b(&form);
    a.SetGlyph(square());
    b.SetGlyph(square());
    Painted(a);
    Painted(b);
    ASSERT_NE(GlyphCache(), nullptr);
    EXPECT_EQ(std::tuple(GlyphCache()->ListCount(), a.GlyphObject().List(), a.GlyphObject().List()->Count()),
              std::tuple(1, b.GlyphObject().List(), 2));
}

struct HoverTest : ::testing::Test {
    void SetUp() override
    {
        watch(a, "A", 0);
        watch(b, "B", 23);
        TToolbarButton97::SetApplicationActiveSource([] { return true; });
        ASSERT_NO_FATAL_FAILURE(Expose(form, 200, 60));
        SetCursorPosSource([this] { return cursor; });
        // Off the buttons first: the platform drops a move to where the
        // mouse last was, in the window of an earlier test. Then over A.
        moveTo({ 150, 50 });
        moveTo({ 5, 5 });
    }
    void TearDown() override
    {
        SetCursorPosSource(nullptr);
        TToolbarButton97::SetApplicationActiveSource(nullptr);
    }
    // The mouse at a point of the window, as the platform reports it.
    void moveTo(QPoint p)
    {
        QPoint screen = form.Widget()->mapToGlobal(p);
        cursor = { screen.x(), screen.y() };
        QTest::mouseMove(window(), p);
    }
    QWindow* window() { return form.Widget()->windowHandle(); }
    // A button at `left` whose mouse events and clicks go to the log, a run of moves as one.
    void watch(TToolbarButton97& button, const char* name, int left)
    {
        button.Name = name;
        button.SetParent(&form);
        button.SetBounds(left, 0, 23, 22);
        button.OnMouseMove = [this, &button](TObject*, TShiftState, int, int) {
            if (log.empty() || log.back() != "move " + button.Name)
                log.push_back("move " + button.Name);
        };
        button.OnMouseEnter = [this, &button](TObject*) { log.push_back("enter " + button.Name); };
        button.OnMouseExit = [this, &button](TObject*) { log.push_back("exit " + button.Name); };
        button.OnClick = [this, &button](TObject*) { log.push_back("click " + button.Name); };
    }

    TForm form { nullptr };
    std::vector<std::string> log;
    TToolbarButton97 a { &form }, b { &form };
    TPoint cursor;
};

TEST_F(HoverTest, ArrivalMovesFirstThenTheOldButtonExitsThenTheNewOneEnters)
{
    moveTo({ 8, 8 });
    moveTo({ 30, 5 });
    RunFor(10);
    EXPECT_EQ(log, (std::vector<std::string> { "move A", "enter A", "move A", "move B", "exit A", "enter B" }));
    EXPECT_EQ(std::tuple(TToolbarButton97::TrackedButton(), TToolbarButton97::HoverTimer()->Enabled(), b.State()),
              std::tuple(&b, true, tsHot));
}

TEST_F(HoverTest, AClickRunsTheExitBeforeOnClickAndEntersAgainUnderTheCursor)
{
    log.clear();
    QTest::mouseClick(window(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(log, (std::vector<std::string> { "exit A", "click A", "enter A" }));
}

TEST_F(HoverTest, APressDraggedOutAndReleasedClicksNothing)
{
    QTest::mousePress(window(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(a.State(), tsPressed);
    cursor = { -1000, -1000 };
    QTest::mouseMove(window(), QPoint(5, 40));
    EXPECT_EQ(a.State(), tsUp) << "pops up outside while held";
    QTest::mouseRelease(window(), Qt::LeftButton, {}, QPoint(5, 40));
    EXPECT_EQ(std::tuple(std::count(log.begin(), log.end(), "click A"), log.back()), std::tuple(0, "exit A"));
}

TEST_F(HoverTest, TheTimerAndTheDeactivationTakeTheMouseFromTheTrackedButton)
{
    cursor = { -1000, -1000 };  // gone without a leave notice
    ASSERT_TRUE(RunUntil([&] { return TToolbarButton97::TrackedButton() == nullptr; }, 1000));
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(std::tuple(log.back(), TToolbarButton97::HoverTimer()->Enabled()), std::tuple("exit A", false));

    moveTo({ 30, 5 });
    TMessage deactivate { WM_ACTIVATEAPP, 0, 0, 0 };
    CallMainWindowHooks(deactivate);
    EXPECT_EQ(std::tuple(log.back(), TToolbarButton97::TrackedButton()), std::tuple("exit B", nullptr));
}

// Answers the menu as a user who closes it by pressing on the button that
// dropped it: the platform hands that press on during the menu's loop and
// once more queued after it.
struct ClosingPress : TMenuRunner {
    QWidget* button = nullptr;
    int runs = 0;
    TMenuItem* Run(TPopupMenu*, TPoint) override
    {
        if (++runs > 3)
            return nullptr;  // a button that drops its menu again would go on for ever
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
        const QPointF at(5, 5);
        using Event = std::pair<QEvent::Type, Qt::MouseButton>;  // the release holds no button
        for (auto [type, held] : { Event(QEvent::MouseButtonPress, Qt::LeftButton), Event(QEvent::MouseButtonRelease, {}) })
            QCoreApplication::postEvent(button, new QMouseEvent(type, at, at, Qt::LeftButton, held, Qt::NoModifier));
        return nullptr;
    }
};

TEST_F(ToolbarButton97, ThePressThatClosesItsMenuDoesNotDropItAgain)
{
    TPopupMenu menu(&form);
    button.SetDropdownMenu(&menu);
    ASSERT_NO_FATAL_FAILURE(Expose(form, 100, 40));
    ClosingPress runner;
    runner.button = button.Widget();
    SetMenuRunner(&runner);
    clickButton();
    EXPECT_EQ(std::tuple(runner.runs, menu.PopupComponent), std::tuple(1, &button));
    // A later press is the user's own: the menu drops again.
    clickButton();
    EXPECT_EQ(runner.runs, 2);
    SetMenuRunner(nullptr);
}

TEST_F(ToolbarButton97, AFreedDropDownMenuIsForgottenAndTheButtonClicksAgain)
{
    int clicks = 0;
    button.OnClick = [&](TObject*) { ++clicks; };
    auto* menu = new TPopupMenu(&form);
    button.SetDropdownMenu(menu);
    ASSERT_NO_FATAL_FAILURE(Expose(form, 100, 40));
    delete menu;
    EXPECT_EQ(button.DropdownMenu(), nullptr);
    clickButton();
    EXPECT_EQ(clicks, 1);
}

}
