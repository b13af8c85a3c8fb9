// The caption bar on a real form: its painting, its mouse through the
// window's own events, its window menu, and its life with the form.

#include "widgets/marsCap.h"

#include "platform/ExtCtrls.h"
#include "platform/Form.h"
#include "platform/Menus.h"
#include "tests/support/MessageLoop.h"
#include "tests/support/ThrownMessage.h"
#include "tests/widgets/Pictures.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {

struct CaptionBar : ::testing::Test {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TMarsCaption* caption = new TMarsCaption(form.get());
    std::uint64_t clock = 5000;
    int closeQueries = 0;

    CaptionBar()
    {
        form->SetCaption("Page");
        form->SetBounds(10, 10, 640, 480);
        form->OnCloseQuery = [this](TObject*, bool& can) {
            ++closeQueries;
            can = false;
        };
        caption->SetActiveBeginColor(clBlack);
        caption->SetActiveEndColor(0xA00000);
        caption->SetActiveFontColor(clWhite);
        caption->SetInactiveBeginColor(clGray);
        caption->SetInactiveEndColor(clSilver);
        caption->SetInactiveFontColor(clSilver);
        caption->Mouse().Clock = [this] { return clock; };
        caption->Mouse().DoubleClickTime = 500;
        form->Show();
    }
    ~CaptionBar() override { TPopupMenu::Responder = nullptr; }

    QWidget* window() { return form->Widget(); }
    QPoint textPoint() { return QPoint(caption->Layout().Text.Left + 60, caption->Layout().Text.Top + 5); }
    QPoint buttonPoint(TCaptionButtonKind kind)
    {
        const TCaptionButtonPlace& b = caption->Layout().Buttons[kind];
        return QPoint(b.X + b.Width / 2, b.Y + b.Height / 2);
    }
    TBitmap paint(bool active)
    {
        TBitmap strip = Filled(form->Width(), 40, { { { 0, 0, form->Width(), 40 }, RGB(1, 2, 3) } });
        caption->PaintCaption(strip.Canvas(), active);
        return strip;
    }
};

TEST(CaptionBarOwner, MustBeAForm)
{
    TPanel panel(nullptr);
    EXPECT_EQ(ThrownMessage([&] { TMarsCaption bar(&panel); }), "The MarsCaption's owner must be a Form!");
    EXPECT_THROW(TMarsCaption(nullptr), Exception);
}

TEST_F(CaptionBar, PaintsTheGradientAndTextActiveAndInactive)
{
    const TCaptionLayout& l = caption->Layout();
    const int y = l.Caption.Top + 1;
    TBitmap active = paint(true), inactive = paint(false);
    // 64 bands: the colour changes at the first band's edge.
    const int edge = l.Caption.Left + MulDiv(1, l.Caption.Width(), 64);
    EXPECT_EQ(std::tuple(active.Pixel(l.Caption.Left, y), active.Pixel(l.Caption.Right - 1, y), active.Pixel(edge - 1, y),
                  inactive.Pixel(l.Caption.Left, y)),
        std::tuple(clBlack, 0xA00000u, clBlack, clGray));
    EXPECT_NE(active.Pixel(edge, y), clBlack);
    int white = 0, silver = 0;
    for (int x = l.Text.Left; x < l.Text.Left + 60; ++x)
        for (int yy = l.Text.Top; yy < l.Text.Bottom; ++yy) {
            white += active.Pixel(x, yy) == clWhite;
            silver += inactive.Pixel(x, yy) == clSilver;
        }
    EXPECT_GT(std::min(white, silver), 10) << white << " white, " << silver << " silver";

    // No bands at all, or one, fill the strip with the begin colour (beside
    // the text too); more bands than columns still end in the end colour.
    for (auto [n, end] : { std::pair(0, clBlack), { -3, clBlack }, { 1, clBlack }, { 100000, TColor(0xA00000) } }) {
        caption->SetNumColors(n);
        TBitmap strip = paint(true);
        EXPECT_EQ(std::tuple(strip.Pixel(l.Caption.Right - 1, y), n > 1 || strip.Pixel(l.Text.Right - 1, y) == clBlack),
            std::tuple(end, true)) << n;
    }
}

TEST_F(CaptionBar, TheWindowShowsItsActivityInTheTitleBar)
{
    const TCaptionLayout& l = caption->Layout();
    auto leftColour = [&] { return FromQRgb(window()->grab().toImage().pixel(l.Caption.Left, l.Caption.Top + 1)) & 0xFFFFFF; };
    window()->activateWindow();
    ASSERT_TRUE(RunUntil([&] { return caption->IsActive(); }, 2000));
    EXPECT_EQ(leftColour(), clBlack);
    TForm other(nullptr);
    other.Show();
    other.Widget()->activateWindow();
    ASSERT_TRUE(RunUntil([&] { return !caption->IsActive(); }, 2000));
    EXPECT_EQ(leftColour(), clGray);
}

TEST_F(CaptionBar, ControlsLiveInsideTheOwnFrame)
{
    EXPECT_EQ(std::tuple(form->OwnFrame(), form->Width(), window()->width(), form->ClientWidth(), form->ClientHeight()),
        std::tuple(true, 640, 640, 640 - 2 * TForm::kFrame, 480 - 2 * TForm::kFrame - TForm::kCaption));
    auto* panel = NewControl<TPanel>(form.get(), form.get(), "Panel1");
    panel->SetAlign(alClient);
    EXPECT_EQ(panel->Widget()->mapTo(window(), QPoint(0, 0)), QPoint(TForm::kFrame, TForm::kFrame + TForm::kCaption));
    EXPECT_EQ((std::vector { caption->HitTest({ 100, 100 }), caption->HitTest({ 100, 10 }), caption->HitTest({ 1, 200 }),
                  caption->HitTest({ 639, 479 }) }),
        (std::vector<int> { HTCLIENT, HTCAPTION, HTLEFT, HTBOTTOMRIGHT }));

    // Freed alone, the caption bar gives the platform's frame back.
    delete caption;
    EXPECT_EQ(std::tuple(form->OwnFrame(), panel->Widget()->parentWidget(), form->Width()), std::tuple(false, window(), 640));
}

TEST_F(CaptionBar, DoubleClickOnTheCaptionMaximisesAndRestores)
{
    QTest::mouseDClick(window(), Qt::LeftButton, {}, textPoint());
    EXPECT_EQ(caption->WindowState(), wsMaximized);
    QTest::mouseDClick(window(), Qt::LeftButton, {}, textPoint());
    EXPECT_EQ(std::tuple(caption->WindowState(), form->Width(), form->Height()),
        std::tuple(wsNormal, 640, 480));  // its own size back
}

TEST_F(CaptionBar, SystemButtonsClickOnlyWhenReleasedOverThem)
{
    QTest::mousePress(window(), Qt::LeftButton, {}, buttonPoint(cbClose));
    EXPECT_TRUE(caption->Button(cbClose).Pushed());
    QTest::mouseMove(window(), textPoint());
    EXPECT_FALSE(caption->Button(cbClose).Pushed());
    QTest::mouseRelease(window(), Qt::LeftButton, {}, textPoint());
    EXPECT_EQ(closeQueries, 0);

    QTest::mouseClick(window(), Qt::LeftButton, {}, buttonPoint(cbClose));
    EXPECT_EQ(closeQueries, 1);
    QTest::mouseClick(window(), Qt::LeftButton, {}, buttonPoint(cbMaximize));
    EXPECT_EQ(caption->WindowState(), wsMaximized);
}

TEST_F(CaptionBar, IconDoubleClickClosesThroughTheCloseQuestion)
{
    // The menu stays open that long; the second press closes it.
    int menus = 0, open = 0;
    TPopupMenu::Responder = [&](TPopupMenu*) -> TMenuItem* {
        ++menus;
        clock += open;
        return nullptr;
    };
    QPoint icon(caption->Layout().Icon.Left + 5, caption->Layout().Icon.Top + 5);
    for (int ms : { 200, 900 }) {  // 900: too slow for a double click
        open = ms;
        QTest::mouseClick(window(), Qt::LeftButton, {}, icon);
        EXPECT_EQ(std::tuple(menus, closeQueries), std::tuple(ms == 200 ? 1 : 2, 1)) << ms;
    }
}

TEST_F(CaptionBar, RightClickOpensTheWindowMenuWithItsGreyStates)
{
    // The menu's items, enabled or grey, as it opens; then the item at `choice`.
    std::vector<bool> enabled;
    int choice = 4;  // Maximize
    TPopupMenu::Responder = [&](TPopupMenu* menu) -> TMenuItem* {
        enabled.clear();
        for (int i = 0; i < menu->Items()->Count(); ++i)
            enabled.push_back(menu->Items()->Items(i)->Enabled);
        return choice < 0 ? nullptr : menu->Items()->Items(choice);
    };
    QTest::mousePress(window(), Qt::RightButton, {}, textPoint());
    EXPECT_TRUE(enabled.empty());  // not before the release
    QTest::mouseRelease(window(), Qt::RightButton, {}, textPoint());
    EXPECT_EQ(std::tuple(enabled, caption->WindowState()),
        std::tuple(std::vector<bool> { false, true, true, true, true, true, true }, wsMaximized));

    choice = -1;
    QTest::mouseClick(window(), Qt::RightButton, {}, textPoint());
    EXPECT_EQ(enabled, (std::vector<bool> { true, false, false, true, false, true, true }));

    enabled.clear();
    QTest::mouseClick(window(), Qt::RightButton, {}, buttonPoint(cbClose));
    EXPECT_TRUE(enabled.empty());
}

// The real menu, opened with the mouse as the window's state asks: its
// default item is the one in bold.
// The window's state, the button that opens the menu (a minimised window's
// opens on a left click), the item in bold.
using DefaultItem = std::tuple<const char*, TWindowState, Qt::MouseButton, const char*>;

struct CaptionBarMenu : CaptionBar, ::testing::WithParamInterface<DefaultItem> {};

TEST_P(CaptionBarMenu, ShowsItsDefaultItemInBold)
{
    const auto& [name, state, button, item] = GetParam();
    form->SetWindowState(state);
    QStringList bold;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* a : menu->actions())
                if (a->font().bold())
                    bold << a->text();
            EXPECT_EQ(menu->defaultAction() ? menu->defaultAction()->text() : QString(), item);
            menu->close();
        }
    });
    poll.start(10);
    QTest::mouseClick(window(), button, {}, textPoint());
    EXPECT_EQ(bold, QStringList { item });
}

INSTANTIATE_TEST_SUITE_P(States, CaptionBarMenu,
    ::testing::Values(DefaultItem { "Normal", wsNormal, Qt::RightButton, "&Close" },
        DefaultItem { "Maximised", wsMaximized, Qt::RightButton, "&Restore" },
        DefaultItem { "Minimised", wsMinimized, Qt::LeftButton, "&Restore" }),
    [](const auto& info) { return std::get<0>(info.param); });

TEST(CaptionBarLife, FreedWithItsFormOnce)
{
    auto* form = new TForm(nullptr);
    auto* caption = new TMarsCaption(form);
    form->Show();
    caption->SetApplicationName("Corvana");
    RunFor(20);
    delete form;  // takes the caption bar and its buttons with it
    SUCCEED();
}

}
