// The main window's bars as the user handles them: dragged by the grip
// across rows and off the dock, the floating window dragged by its title,
// the window resized and the program started again; and the pictures of
// the two toggles.

#include "tests/editor/MainWindowFixture.h"

#include "widgets/flpfrm97.h"
#include "widgets/ita_common.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

QPoint screenPoint(TControl* c, int x, int y) { return c->Widget()->mapToGlobal(QPoint(x, y)); }

std::string stored(TitaToolBar* bar, const char* name) { return ReadRegString(bar->Section(), name, "?"); }

// Whether the cell shows on the button: every pixel of it but its key colour
// at one place of the button's picture.
bool showsCell(const QImage& button, const QImage& cell)
{
    const QRgb key = cell.pixel(0, cell.height() - 1);
    for (int dy = 0; dy + cell.height() <= button.height(); ++dy)
        for (int dx = 0; dx + cell.width() <= button.width(); ++dx) {
            bool all = true;
            for (int y = 0; all && y < cell.height(); ++y)
                for (int x = 0; all && x < cell.width(); ++x)
                    all = cell.pixel(x, y) == key || button.pixel(dx + x, dy + y) == cell.pixel(x, y);
            if (all)
                return true;
        }
    return false;
}

}  // namespace

TEST_F(MainWindowTest, AHiddenBarStaysHiddenWhenAnotherIsDraggedAcrossItsRow)
{
    Start();
    // The toolbars' menu, from a right click on the bar past its buttons.
    ChooseMenu("StandardToolbar2", Form1->Standard);
    ASSERT_FALSE(Form1->Standard->Visible());
    // The menu bar's grip, down past the middle of the "No Name" row below.
    DragMouse(Form1->MainMenu->DragBox()->Widget(), { 5, 5 }, { screenPoint(Form1->MainMenu, 5, 22 + 14) });
    ProcessPostedMessages();
    for (TitaToolBar* bar : { Form1->MainMenu, Form1->Toolbar1 })
        bar->Repaint();
    EXPECT_EQ(std::tuple(Form1->Standard->Visible(), stored(Form1->Standard, "isVisible")), std::tuple(false, "0"));
    EXPECT_EQ(std::tuple(Form1->Toolbar1->Top(), Form1->MainMenu->Top(), Form1->itaDock1->Height()), std::tuple(0, 26, 48));
}

TEST_F(MainWindowTest, ABarDraggedOffFloatsAsWideAsItsButtonsAndComesBackThereAtTheNextStart)
{
    Start();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    TitaToolBar* bar = Form1->Standard;
    // Taken by the free end of its row, past the buttons.
    const QPoint drop = screenPoint(Form1->RichEdit1, 500, 200);
    DragMouse(bar->Widget(), { bar->Width() - 3, 10 }, { screenPoint(Form1->RichEdit1, 500, 150), drop });
    ProcessPostedMessages();
    ASSERT_TRUE(bar->Floating());
    TFPForm97* window = bar->FloatingWindow();
    EXPECT_TRUE(QRect(window->Left(), window->Top(), window->Width(), window->Height()).contains(drop)) << "still under the mouse";
    int right = 0;
    for (int i = 0; i < bar->ControlCount(); ++i)
        if (bar->Controls(i)->Visible())
            right = std::max(right, bar->Controls(i)->Left() + bar->Controls(i)->Width());
    EXPECT_EQ(std::tuple(window->ClientWidth(), bar->Width()), std::tuple(right + 1, window->ClientWidth()))
        << "the last button ends at the window's edge";

    // The main window's resize stretches the docked bars only.
    const int floatingWidth = window->Width();
    Form1->SetWindowState(wsNormal);
    Form1->SetBounds(0, 0, 700, 500);
    ProcessPostedMessages();
    EXPECT_EQ(std::tuple(Form1->MainMenu->Width(), window->Width(), bar->Width()),
        std::tuple(700 - 8, floatingWidth, window->ClientWidth()));

    // Its title dragged until the window hangs past the screen's right edge.
    const QPoint to(screen.right() - 60, screen.top() + 200);
    DragMouse(window->Widget(), { 30, 10 }, { screenPoint(window, 30, 10) + QPoint(5, 5), to });
    ProcessPostedMessages();
    const int left = window->Left(), top = window->Top();
    ASSERT_EQ(left, to.x() - 30);
    ASSERT_GT(left + window->Width(), screen.right());

    Start();
    ASSERT_TRUE(Form1->Standard->Floating());
    window = Form1->Standard->FloatingWindow();
    EXPECT_EQ(std::tuple(window->Left(), window->Top()), std::tuple(left, top));

    // It goes back above the main window whenever that one is activated,
    // with or without a window manager to keep it there.
    struct Raises : QObject {
        int count = 0;
        bool eventFilter(QObject*, QEvent* e) override { return count += e->type() == QEvent::ZOrderChange, false; }
    } raises;
    window->Widget()->installEventFilter(&raises);
    for (TForm* active : { static_cast<TForm*>(window), static_cast<TForm*>(Form1) }) {
        active->Widget()->activateWindow();
        ProcessPostedMessages();
    }
    EXPECT_GT(raises.count, 0);
}

TEST_F(MainWindowTest, TheTogglesShowTheirCellsOfTheFirstGlyphStripAndTheAboutBoxHoldsItsSpeedButton)
{
    Start();
    TitaGlyphs* strip = FindComponentAs<TitaGlyphs>(Form1, "itaGlyphs1");
    for (const char* name : { "itaGlyphs1", "itaGlyphs2" }) {
        TitaGlyphs* glyphs = FindComponentAs<TitaGlyphs>(Form1, name);
        EXPECT_EQ(std::tuple(glyphs->Cols, glyphs->Width()), std::tuple(8, 16)) << name;
    }
    // Each toggle, the cell it shows and the other's.
    const std::tuple<TitaPopupButton*, int, int> cases[] = { { Form1->itaPopupButton1, 0, 1 }, { Form1->itaPopupButton2, 1, 0 } };
    for (const auto& [toggle, cell, other] : cases) {
        const QImage shown = toggle->Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        auto shows = [&](int n) { return showsCell(shown, strip->GetCell(n).Image().convertToFormat(QImage::Format_RGB32)); };
        EXPECT_EQ(std::tuple(shows(cell), shows(other)), std::tuple(true, false)) << toggle->Name;
    }
    TForm4 about(nullptr);
    TitaSpeedButton* hidden = FindComponentAs<TitaSpeedButton>(&about, "itaSpeedButton1");
    EXPECT_EQ(std::tuple(hidden->Visible(), hidden->Flat()), std::tuple(false, true));
}
