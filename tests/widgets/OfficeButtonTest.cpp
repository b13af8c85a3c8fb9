#include "widgets/explbtn.h"

#include "platform/Form.h"
#include "platform/Menus.h"
#include "tests/support/MouseInput.h"
#include "tests/widgets/Pictures.h"

#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

#include <optional>
#include <tuple>

namespace {

// The mouse's events one after the other, at (5, 5) unless a step says
// where; then the button as it paints itself.
struct MouseStep { QEvent::Type type; int x = 5, y = 5; Qt::MouseButton button = Qt::LeftButton; };
TBitmap mouse(TOfficeButton& b, std::initializer_list<MouseStep> steps)
{
    for (const MouseStep& s : steps)
        SendMouse(b.Widget(), s.type, s.x, s.y, s.button);
    return Painted(b);
}
TBitmap send(TOfficeButton& b, QEvent::Type type) { return mouse(b, { { type } }); }

void clickOn(TOfficeButton& b) { mouse(b, { { QEvent::Enter }, { QEvent::MouseButtonPress }, { QEvent::MouseButtonRelease } }); }

// 16 x 16: a magenta ground (transparent) around a 6 x 6 square at (5, 5).
TBitmap square(TColor colour = clRed)
{
    return Filled(16, 16, { { { 0, 0, 16, 16 }, RGB(255, 0, 255) }, { { 5, 5, 11, 11 }, colour } });
}

// The system colours told apart, so that every pixel tells where it came
// from; a button on its own, its clicks, enters and exits counted; and a
// form for buttons that need one.
struct OfficeButton : ::testing::Test {
    static constexpr TColor face = RGB(192, 192, 192), light = RGB(250, 250, 200);
    static constexpr TColor dark = RGB(100, 100, 120);
    std::optional<TOfficeButton> alone { std::in_place, nullptr };
    TOfficeButton& b = *alone;
    int clicks = 0, enters = 0, exits = 0;
    OfficeButton()
    {
        SetSysColor(COLOR_BTNFACE, face);
        SetSysColor(COLOR_BTNHIGHLIGHT, light);
        SetSysColor(COLOR_BTNSHADOW, dark);
        countClicks(b);
    }
    ~OfficeButton() override { ResetSysColors(); }
    void countClicks(TOfficeButton& button)
    {
        button.OnClick = [this](TObject*) { ++clicks; };
        button.OnEnter = [this](TObject*) { ++enters; };
        button.OnExit = [this](TObject*) { ++exits; };
    }
    TForm form { nullptr };
    TOfficeButton* onForm(int group = 0)
    {
        auto* made = NewControl<TOfficeButton>(&form, &form, "");
        made->SetGroupIndex(group);
        made->SetDown(group != 0);
        return made;
    }
};

}

TEST_F(OfficeButton, HiddenButtonClicksWhenCalledDirectly)
{
    auto* hidden = onForm();
    hidden->SetVisible(false);
    hidden->SetCaption("Orvelin");
    hidden->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, hidden);
        ++clicks;
    };
    hidden->Click();
    EXPECT_EQ(std::tuple(clicks, hidden->Hot(), hidden->Pressed()), std::tuple(1, false, false));
    // The mouse cannot reach a hidden button.
    clickOn(*hidden);
    EXPECT_EQ(clicks, 1);
    // Without a handler nothing happens.
    hidden->OnClick = nullptr;
    hidden->Click();
}

TEST_F(OfficeButton, StartsWithItsDefaults)
{
    EXPECT_EQ(std::tuple(b.Width(), b.Height(), b.Alignment(), b.BevelStyle(), b.Layout(), b.Options(), b.ShadingType()),
              std::tuple(50, 40, taCenter, bsRaised, blBitmapTop, unsigned(boMonoDisplay | boPopupMark | boShowBevel), stMedium));
    EXPECT_EQ(std::tuple(b.ShowDownPattern(), b.UnselectedFontColor(), b.Down(), b.Bitmap().Empty()),
              std::tuple(true, clWindowText, false, true));
}

TEST_F(OfficeButton, MouseClickAndEnterExit)
{
    clickOn(b);
    EXPECT_EQ(std::tuple(clicks, enters, b.Hot(), b.Pressed()), std::tuple(1, 1, true, false));
    send(b, QEvent::Leave);
    EXPECT_EQ(std::tuple(exits, b.Hot()), std::tuple(1, false));
    // The right button does not click.
    mouse(b, { { QEvent::Enter }, { QEvent::MouseButtonPress, 5, 5, Qt::RightButton },
                 { QEvent::MouseButtonRelease, 5, 5, Qt::RightButton } });
    EXPECT_EQ(clicks, 1);
}

TEST_F(OfficeButton, ReleasingAfterTheMouseHasLeftDoesNotClick)
{
    mouse(b, { { QEvent::Enter }, { QEvent::MouseButtonPress } });
    EXPECT_TRUE(b.Pressed());
    mouse(b, { { QEvent::MouseMove, 80, 5 } });  // held, so the widget keeps the mouse
    EXPECT_EQ(std::tuple(b.Hot(), exits), std::tuple(false, 1));
    mouse(b, { { QEvent::MouseButtonRelease, 80, 5 }, { QEvent::Leave } });
    EXPECT_EQ(std::tuple(clicks, exits, b.Pressed()), std::tuple(0, 1, false));

    // Leaving and coming back before the release still clicks.
    mouse(b, { { QEvent::Enter }, { QEvent::MouseButtonPress }, { QEvent::MouseMove, 80, 5 }, { QEvent::MouseMove, 10, 10 },
                 { QEvent::MouseButtonRelease, 10, 10 } });
    EXPECT_EQ(clicks, 1);
}

TEST_F(OfficeButton, DisabledButtonIgnoresTheMouse)
{
    mouse(b, { { QEvent::Enter }, { QEvent::MouseButtonPress } });
    b.SetEnabled(false);
    EXPECT_EQ(std::tuple(clicks, b.Hot(), b.Pressed()), std::tuple(0, false, false));
    mouse(b, { { QEvent::MouseButtonPress }, { QEvent::MouseButtonRelease } });
    EXPECT_EQ(clicks, 0);
}

TEST_F(OfficeButton, GroupsBehaveLikeRadioButtons)
{
    auto *a = onForm(), *mate = onForm(), *other = onForm(2);
    // Down means nothing outside a group.
    a->SetDown(true);
    EXPECT_FALSE(a->Down());

    a->SetGroupIndex(1);
    mate->SetGroupIndex(1);
    countClicks(*a);

    clickOn(*a);
    EXPECT_EQ(std::tuple(a->Down(), clicks), std::tuple(true, 1));
    clickOn(*mate);
    EXPECT_EQ(std::tuple(mate->Down(), a->Down(), other->Down()), std::tuple(true, false, true));  // other: another group

    // A down button stays down when clicked, but still clicks.
    clickOn(*mate);
    EXPECT_TRUE(mate->Down());
    // AllowAllUp goes to the whole group.
    a->SetAllowAllUp(true);
    EXPECT_EQ(std::tuple(mate->AllowAllUp(), other->AllowAllUp()), std::tuple(true, false));
    clickOn(*mate);
    EXPECT_FALSE(mate->Down());

    a->SetDown(true);
    mate->SetDown(true);
    EXPECT_FALSE(a->Down());
    mate->SetGroupIndex(0);
    EXPECT_FALSE(mate->Down());
}

TEST_F(OfficeButton, IconOnlyTurnsTheCaptionIntoTheHint)
{
    b.SetCaption("&Save && Exit");
    EXPECT_EQ(b.Hint(), "");
    b.SetOptions(b.Options() | boIconOnly);
    EXPECT_EQ(std::tuple(b.Hint(), b.ShowHint), std::tuple("Save & Exit", true));
    b.SetCaption("&Open");
    EXPECT_EQ(b.Hint(), "Open");
    b.SetOptions(b.Options() & ~boIconOnly);
    EXPECT_EQ(std::tuple(b.Hint(), b.ShowHint), std::tuple("", false));
}

TEST_F(OfficeButton, AcceleratorClicks)
{
    b.SetCaption("Save && &Open");
    EXPECT_EQ((std::tuple { b.DialogChar('s'), b.DialogChar('o'), clicks, b.Pressed() }), std::tuple(false, true, 1, false));
    b.SetEnabled(false);
    EXPECT_EQ((std::tuple { b.DialogChar('O'), clicks }), std::tuple(false, 1));
}

TEST_F(OfficeButton, DropDownMenuPopsUpInsteadOfClicking)
{
    TPopupMenu menu(nullptr);
    int popups = 0;
    TPopupMenu::Responder = [&](TPopupMenu* m) -> TMenuItem* {
        EXPECT_EQ(std::tuple(m, b.Pressed()), std::tuple(&menu, true));
        ++popups;
        return nullptr;
    };
    b.SetDropDownMenu(&menu);
    clickOn(b);
    TPopupMenu::Responder = nullptr;
    EXPECT_EQ(std::tuple(popups, clicks, b.Pressed()), std::tuple(1, 0, false));
}

TEST_F(OfficeButton, ShadedImageThresholds)
{
    const TColor ground = RGB(1, 2, 3);
    // Sums (stMedium: 553, 231, 57): 554 555 553 232 231 58 57, then the ground.
    TBitmap src = Filled(8, 1, { { { 0, 0, 1, 1 }, ground }, { { 1, 0, 2, 1 }, RGB(255, 255, 44) },
        { { 2, 0, 3, 1 }, RGB(255, 255, 45) }, { { 3, 0, 4, 1 }, RGB(255, 255, 43) }, { { 4, 0, 5, 1 }, RGB(100, 100, 32) },
        { { 5, 0, 6, 1 }, RGB(100, 100, 31) }, { { 6, 0, 7, 1 }, RGB(58, 0, 0) }, { { 7, 0, 8, 1 }, RGB(57, 0, 0) } });
    ExpectPixels(MakeShadedBitmap(src, stMedium), { { 0, 0, ground }, { 1, 0, clWhite }, { 2, 0, clWhite }, { 3, 0, light },
                                                    { 4, 0, light }, { 5, 0, dark }, { 6, 0, dark }, { 7, 0, clBlack } });
    // Other shadings move the thresholds: a sum of 200 is light, medium or dark.
    TBitmap one = Filled(2, 1, { { { 0, 0, 1, 1 }, ground }, { { 1, 0, 2, 1 }, RGB(200, 0, 0) } });
    auto shaded1 = [&](TExplorerButtonShadingType shading) { return MakeShadedBitmap(one, shading).Pixel(1, 0); };
    EXPECT_EQ(std::tuple(shaded1(stLight), shaded1(stMedium), shaded1(stDark)), std::tuple(light, dark, dark));
    one.Canvas().SetPixel(1, 0, RGB(100, 0, 0));
    EXPECT_EQ(shaded1(stDark), clBlack);
    // A pixel of the ground's colour stays, wherever it is.
    one.Canvas().SetPixel(1, 0, ground);
    EXPECT_EQ(shaded1(stDark), ground);
}

TEST_F(OfficeButton, BevelsFollowTheMouseAndTheStyle)
{
    EXPECT_EQ(CountPixels(Painted(b), face), 50 * 40);
    ExpectPixels(send(b, QEvent::Enter), { { 0, 0, light }, { 48, 0, light }, { 49, 0, dark },
                               { 0, 39, dark }, { 49, 39, dark }, { 1, 1, face } });
    ExpectPixels(send(b, QEvent::MouseButtonPress), { { 0, 0, dark, "sunk" }, { 49, 39, light, "sunk" } });
    send(b, QEvent::MouseButtonRelease);

    b.SetBevelStyle(bsLowered);
    EXPECT_EQ(Painted(b).Pixel(0, 0), dark);
    b.SetOptions(b.Options() & ~boShowBevel);
    EXPECT_EQ(CountPixels(Painted(b), face), 50 * 40);
}

TEST_F(OfficeButton, DownButtonShowsTheCheckeredPattern)
{
    auto* held = onForm(3);
    TBitmap down = Painted(*held);
    EXPECT_EQ(down.Pixel(0, 0), dark) << "the pressed bevel";
    for (int y = 2; y < 6; ++y)
        for (int x = 2; x < 6; ++x)
            EXPECT_EQ(down.Pixel(x, y), (x % 2) == (y % 2) ? light : face) << x << "," << y;
    held->SetShowDownPattern(false);
    EXPECT_EQ(Painted(*held).Pixel(2, 2), face);
}

TEST_F(OfficeButton, SharedPatternOutlivesAnyOneButton)
{
    alone.reset();  // only the buttons made here count
    TOfficeButton *first = onForm(1), *second = onForm(1);
    Painted(*first);
    delete first;  // must not take the pattern with it
    ExpectPixels(Painted(*second), { { 2, 2, light }, { 3, 2, face } });
    // The last button frees it; the next one makes it anew in today's colours.
    delete second;
    SetSysColor(COLOR_BTNHIGHLIGHT, RGB(0, 200, 0));
    EXPECT_EQ(Painted(*onForm(1)).Pixel(2, 2), RGB(0, 200, 0));
}

TEST_F(OfficeButton, ImageIsShadedUntilHoveredAndShiftsWhenPressed)
{
    b.SetBitmap(square());
    ASSERT_FALSE(b.ShadedBitmap().Empty());
    // Image only: 16 x 16 centred in 50 x 40, at (17, 12); the square at (22, 17).
    TBitmap calm = Painted(b);
    ExpectPixels(calm, { { 22, 17, light, "red's sum 255 is above 231" }, { 17, 12, face, "the ground is transparent" } });
    EXPECT_EQ(CountPixels(calm, light), 36);

    TBitmap hot = send(b, QEvent::Enter);
    EXPECT_EQ(std::tuple(hot.Pixel(22, 17), CountPixels(hot, clRed)), std::tuple(clRed, 36));

    ExpectPixels(send(b, QEvent::MouseButtonPress), { { 22, 17, face }, { 23, 18, clRed }, { 28, 23, clRed } });
    mouse(b, { { QEvent::MouseButtonRelease }, { QEvent::Leave } });

    // Without the mono display the image keeps its colours.
    b.SetOptions(b.Options() & ~boMonoDisplay);
    EXPECT_EQ(CountPixels(Painted(b), clRed), 36);
    // An own image for the calm look wins over the shaded one.
    b.SetOptions(b.Options() | boMonoDisplay);
    b.SetNoFocusBitmap(square(clBlue));
    EXPECT_EQ(CountPixels(Painted(b), clBlue), 36);
}

TEST_F(OfficeButton, DisabledImageIsEmbossedUnlessOneIsGiven)
{
    b.SetBitmap(square());
    b.SetEnabled(false);
    TBitmap off = Painted(b);
    ExpectPixels(off, { { 22, 17, dark }, { 28, 23, light, "the lit copy shows one down-right" } });
    EXPECT_EQ(std::tuple(CountPixels(off, clRed), CountPixels(off, dark), CountPixels(off, light)), std::tuple(0, 36, 11));
    b.SetDisabledBitmap(square(clBlue));
    EXPECT_EQ(CountPixels(Painted(b), clBlue), 36);
}

TEST_F(OfficeButton, CaptionColourAndPlace)
{
    b.SetBounds(0, 0, 80, 30);
    b.SetCaption("&Go");
    b.Font.Color = clNavy;
    b.SetUnselectedFontColor(clMaroon);
    TBitmap calm = Painted(b);
    EXPECT_GT(CountPixels(calm, clMaroon), 5);
    TBitmap hot = send(b, QEvent::Enter);
    EXPECT_EQ(std::tuple(CountPixels(calm, clNavy), CountPixels(hot, clMaroon), CountPixels(hot, clNavy)),
              std::tuple(0, 0, CountPixels(calm, clMaroon)));

    // Left alignment puts the text near the left edge, right near the right.
    b.SetAlignment(taLeftJustify);
    const int left = Extent(Painted(b), clNavy).Left;
    b.SetAlignment(taRightJustify);
    EXPECT_EQ(std::tuple(left >= 3, left < 10, Extent(Painted(b), clNavy).Left > 40), std::tuple(true, true, true)) << left;

    // Disabled: embossed in the highlight and shadow colours, no font colour.
    b.SetEnabled(false);
    TBitmap off = Painted(b);
    EXPECT_EQ(std::tuple(CountPixels(off, clNavy), CountPixels(off, dark) > 5, CountPixels(off, light) > 0),
              std::tuple(0, true, true));

    // Icon only: no text at all.
    b.SetEnabled(true);
    b.SetOptions(b.Options() | boIconOnly);
    EXPECT_EQ(CountPixels(Painted(b), clMaroon), 0);
}

TEST_F(OfficeButton, PopupMarkIsATriangleRightOfTheImage)
{
    TPopupMenu menu(nullptr);
    b.SetBitmap(square());
    b.SetUnselectedFontColor(clGreen);
    b.SetDropDownMenu(&menu);
    // Image and mark are 26 wide, centred: the image at (12, 12), the mark at (31, 18).
    TBitmap withMark = Painted(b);
    EXPECT_EQ(CountPixels(withMark, clGreen), 7 + 5 + 3 + 1);
    for (int x = 31; x < 38; ++x)
        EXPECT_EQ(withMark.Pixel(x, 18), clGreen) << x;
    ExpectPixels(withMark, { { 34, 21, clGreen }, { 33, 21, face } });
    b.SetOptions(b.Options() & ~boPopupMark);
    EXPECT_EQ(CountPixels(Painted(b), clGreen), 0);
}

TEST_F(OfficeButton, ShownButtonPaintsThroughItsWidget)
{
    TOfficeButton* down = onForm(1);
    form.Show();
    QImage grabbed = down->Widget()->grab().toImage();
    form.Hide();
    ASSERT_FALSE(grabbed.isNull());
    EXPECT_EQ(std::tuple(FromQRgb(grabbed.pixel(0, 0)), FromQRgb(grabbed.pixel(2, 2)), FromQRgb(grabbed.pixel(3, 2))),
              std::tuple(dark, light, face));
}

TEST_F(OfficeButton, LayoutPutsTheImageOnTheChosenSide)
{
    b.SetBounds(0, 0, 90, 60);
    b.SetBitmap(square());
    b.SetOptions(b.Options() & ~boMonoDisplay);
    b.SetCaption("Go");
    b.SetUnselectedFontColor(clNavy);
    // The image's (red) and the text's (navy) extents under a layout.
    auto placed = [&](TExplorerButtonLayout layout) {
        b.SetLayout(layout);
        TBitmap shot = Painted(b);
        return std::pair { Extent(shot, clRed), Extent(shot, clNavy) };
    };
    auto [top, topText] = placed(blBitmapTop);
    auto [bottom, bottomText] = placed(blBitmapBottom);
    auto [left, leftText] = placed(blBitmapLeft);
    auto [right, rightText] = placed(blBitmapRight);
    EXPECT_EQ(std::tuple(top.Bottom < topText.Top, bottom.Top > bottomText.Bottom, left.Right < leftText.Left,
                         right.Left > rightText.Right), std::tuple(true, true, true, true));
    EXPECT_NEAR((right.Top + right.Bottom) / 2.0, 30, 1.5);
}
