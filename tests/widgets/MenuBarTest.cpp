// The menu bar and the toggle buttons, clicked through their widgets, with a
// scripted menu runner standing in for the user at an open menu.

#include "widgets/ita_Office97.h"

#include "platform/AppHooks.h"
#include "platform/Form.h"
#include "platform/Menus.h"
#include "platform/Messages.h"
#include "tests/support/MouseInput.h"
#include "tests/widgets/Pictures.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <tuple>
#include <vector>

namespace {

// The mouse passing over a control, no button held.
void moveOver(TControl* c) { SendMouse(c->Widget(), QEvent::MouseMove, 3, 3, Qt::NoButton); }

void click(TControl* c, int x = 5, int y = 5) { ClickAt(c->Widget(), { x, y }); }

using MenuRun = std::tuple<TPopupMenu*, int, int, bool>;

// The bar of three menu buttons on a form. The test stands in for the user
// at an open menu: it records each menu it is asked to run and answers from
// a script, an action run while the menu is "open", then the item chosen.
class MenuBarTest : public ::testing::Test, public TMenuRunner {
protected:
    void SetUp() override
    {
        SetMenuRunner(this);
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(50, 50, 600, 300);
        bar = NewControl<TCustomControl>(form.get(), form.get(), "Bar", 0, 0, 400, 22);
        const char* captions[] = { "File", "Edit", "View" };
        for (int i = 0; i < 3; ++i) {
            menus[i] = new TPopupMenu(form.get());
            items[i] = NewItem(form.get(), menus[i]->Items(), std::string("Item") + captions[i], captions[i],
                0, [this, i](TObject*) { chosen.push_back(i); });
            buttons[i] = NewControl<TitaMenuButton>(form.get(), bar, captions[i], 40 * i, 2, 40, 18);
            buttons[i]->SetCaption(captions[i]);
            buttons[i]->SetAlign(alLeft);
            buttons[i]->SetGroupIndex(100 + i);
            buttons[i]->Menu = menus[i];
        }
        form->Show();
        ProcessPostedMessages();
    }
    void TearDown() override
    {
        form.reset();
        SetMenuRunner(nullptr);
    }
    TMenuItem* Run(TPopupMenu* menu, TPoint p) override
    {
        auto own = std::find_if(std::begin(buttons), std::end(buttons), [&](TitaMenuButton* b) { return b->Menu == menu; });
        runs.emplace_back(menu, p.X, p.Y, own != std::end(buttons) && (*own)->Down());
        if (runs.size() > script.size())
            return nullptr;
        auto [whileOpen, choice] = script[runs.size() - 1];
        if (whileOpen)
            whileOpen();
        return choice;
    }
    // The run of button i's menu: dropped below it, the button down meanwhile.
    MenuRun ranBelow(int i) const
    {
        QPoint p = buttons[i]->Widget()->mapToGlobal(QPoint(0, buttons[i]->Height()));
        return { menus[i], p.x(), p.y(), true };
    }
    // The colour the screen shows at a point of a control, as last painted.
    static TColor Shown(TControl* c, int x, int y)
    {
        ProcessPostedMessages();
        QCoreApplication::processEvents();
        QWidget* top = c->Widget()->window();
        QPoint at = c->Widget()->mapTo(top, QPoint(x, y));
        return FromQRgb(QGuiApplication::primaryScreen()->grabWindow(top->winId(), at.x(), at.y(), 1, 1).toImage().pixel(0, 0));
    }
    // The bar at rest: the button up, out of menu mode with no current
    // button, and no button keeps a hover frame, in its state or on the screen.
    void ExpectReleased(TitaMenuButton* released)
    {
        EXPECT_EQ(std::tuple(released->Down(), TitaMenuButton::MenuMode(), TitaMenuButton::CurrentButton()),
                  std::tuple(false, false, nullptr)) << released->Caption();
        for (TitaMenuButton* b : buttons)
            EXPECT_EQ(std::tuple(b->MouseIn(), Shown(b, 0, 0)), std::tuple(false, GetSysColor(COLOR_BTNFACE))) << b->Caption();
    }

    // For each menu run: what happens while it is open, and the item chosen.
    std::vector<std::pair<std::function<void()>, TMenuItem*>> script;
    // Each menu run: the menu, the screen point it drops at, whether its button is down.
    std::vector<MenuRun> runs;
    std::unique_ptr<TForm> form;
    TCustomControl* bar = nullptr;
    TPopupMenu* menus[3] {};
    TMenuItem* items[3] {};
    TitaMenuButton* buttons[3] {};
    std::vector<int> chosen;
};

TEST_F(MenuBarTest, AClickDropsTheMenuBelowTheLatchedButtonAndAChoiceReleasesTheBar)
{
    script = { { nullptr, items[0] } };
    click(buttons[0]);
    EXPECT_EQ(std::tuple(runs, chosen), std::tuple(std::vector { ranBelow(0) }, std::vector { 0 }));
    ExpectReleased(buttons[0]);
}

TEST_F(MenuBarTest, ADismissedMenuEndsMenuModeAndPopsTheButtonUp)
{
    click(buttons[1]);
    EXPECT_EQ(std::tuple(runs, chosen), std::tuple(std::vector { ranBelow(1) }, std::vector<int> {}));
    ExpectReleased(buttons[1]);
}

TEST_F(MenuBarTest, MovingOntoAnotherButtonWhileAMenuIsOpenSwitchesToItsMenu)
{
    script = { { [this] { moveOver(buttons[1]); }, nullptr }, { nullptr, items[1] } };
    click(buttons[0]);
    EXPECT_FALSE(buttons[0]->Down());
    ProcessPostedMessages();
    EXPECT_EQ(std::tuple(runs, chosen), std::tuple(std::vector { ranBelow(0), ranBelow(1) }, std::vector { 1 }));
    ExpectReleased(buttons[1]);
    // After the switch the filter still works: another round switches again.
    runs.clear();
    script = { { [this] { moveOver(buttons[2]); }, nullptr }, { nullptr, nullptr } };
    click(buttons[1]);
    ProcessPostedMessages();
    EXPECT_EQ(runs, (std::vector { ranBelow(1), ranBelow(2) }));
    ExpectReleased(buttons[2]);
}

TEST_F(MenuBarTest, AHiddenButtonOrOneOfAnotherWindowIsNeverSwitchedTo)
{
    buttons[2]->SetVisible(false);
    TForm other(nullptr);
    other.SetBounds(50, 50, 600, 300);
    TPopupMenu otherMenu(&other);
    auto* foreign = NewControl<TitaMenuButton>(&other, &other, "Foreign", 0, 0, 200, 200);
    foreign->Menu = &otherMenu;
    other.Show();
    script = { { [&] { moveOver(buttons[2]), moveOver(foreign); }, nullptr } };
    click(buttons[0]);
    ProcessPostedMessages();
    EXPECT_EQ(std::tuple(runs.size(), TitaMenuButton::MenuMode()), std::tuple(1u, false));
}

TEST_F(MenuBarTest, AToggleGoesDownAndUpAndAGroupMateGoesUpWhenAnotherGoesDown)
{
    auto* a = NewControl<TitaPopupButton>(form.get(), bar, "A", 200, 0, 22, 22);
    auto* b = NewControl<TitaPopupButton>(form.get(), bar, "B", 230, 0, 22, 22);
    int clicks = 0;
    a->OnClick = [&](TObject*) { ++clicks; };
    click(a);
    EXPECT_TRUE(a->Down());
    click(a);
    EXPECT_EQ(std::tuple(a->Down(), clicks), std::tuple(false, 2));
    // Released just on the bottom edge it still clicks; on the right edge not.
    click(a, 5, a->Height());
    EXPECT_TRUE(a->Down());
    click(a, a->Width(), 5);
    EXPECT_TRUE(a->Down());
    b->SetGroupIndex(a->GroupIndex());
    b->SetDown(true);
    EXPECT_EQ(std::tuple(b->Down(), a->Down()), std::tuple(true, false));
    // Without a group a button never stays down.
    TitaSpeedButton plain(form.get());
    plain.SetDown(true);
    EXPECT_FALSE(plain.Down());
}

TEST_F(MenuBarTest, ALatchedButtonShowsThePatternAndAColumnCaptionIsTurned)
{
    auto* toggle = NewControl<TitaPopupButton>(form.get(), bar, "T", 200, 0, 22, 22);
    toggle->SetDown(true);
    ExpectPixels(Painted(*toggle), { { 4, 4, GetSysColor(COLOR_BTNHIGHLIGHT) }, { 5, 4, GetSysColor(COLOR_BTNFACE) },
                                       { 0, 5, GetSysColor(COLOR_BTNSHADOW), "sunken frame" } });

    // A menu button standing in a column reads upwards; the pixel loops
    // reach one past the text bitmap and nothing breaks.
    TitaMenuButton column(form.get());
    column.SetAlign(alTop);
    column.SetBounds(0, 0, 18, 40);
    column.SetCaption("File");
    EXPECT_GT(CountPixels(Painted(column), clBlack), 10);
}

TEST(SpeedButtonGlyph, ADisabledButtonEmbossesTheBlackOfItsCellAndDropsOtherColours)
{
    TitaGlyphs glyphs(nullptr);
    glyphs.SetPicture(Filled(16, 16, { { { 3, 3, 4, 4 }, clBlack }, { { 5, 5, 6, 6 }, clRed } }));
    TitaSpeedButton button(nullptr);
    button.SetBounds(0, 0, 22, 22);
    button.Glyphs = &glyphs;
    // The 16-pixel cell stands centred in the 18-pixel glyph area at (3, 3).
    ExpectPixels(Painted(button), { { 8, 8, clRed }, { 6, 6, clBlack } });
    button.SetEnabled(false);
    ExpectPixels(Painted(button), { { 6, 6, GetSysColor(COLOR_BTNSHADOW) }, { 7, 7, GetSysColor(COLOR_BTNHIGHLIGHT) },
                                      { 8, 8, GetSysColor(COLOR_BTNFACE) } });
}

}  // namespace
