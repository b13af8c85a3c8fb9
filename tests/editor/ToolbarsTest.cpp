// The main window's bars as the user handles them: dragged by the grip
// across rows and off the dock, the floating window dragged by its title,
// the window resized and the program started again; and the pictures of
// the two toggles.

#include "tests/editor/MainWindowFixture.h"

#include "platform/AppHooks.h"
#include "platform/FormBuilder.h"
#include "platform/Messages.h"
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
    TMenuChoice menu;
    menu.item = "StandardToolbar2";
    SetMenuRunner(&menu);
    // The toolbars' menu, from a right click on the bar past its buttons.
    RightClick(Form1->Standard->Widget(), Form1->Standard->Width() - 5, 10);
    SetMenuRunner(nullptr);
    ASSERT_FALSE(Form1->Standard->Visible());
    // The menu bar's grip, down past the middle of the "No Name" row below.
    TTBDragBox* grip = Form1->MainMenu->DragBox();
    DragMouse(grip->Widget(), { 5, 5 }, { screenPoint(Form1->MainMenu, 5, 22 + 14) });
    ProcessPostedMessages();
    for (TitaToolBar* bar : { Form1->MainMenu, Form1->Toolbar1 })
        bar->Repaint();
    EXPECT_FALSE(Form1->Standard->Visible());
    EXPECT_EQ(stored(Form1->Standard, "isVisible"), "0");
    EXPECT_EQ(Form1->Toolbar1->Top(), 0);
    EXPECT_EQ(Form1->MainMenu->Top(), 26);
    EXPECT_EQ(Form1->itaDock1->Height(), 48);
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
    EXPECT_EQ(window->ClientWidth(), right + 1) << "the last button ends at the window's edge";
    EXPECT_EQ(bar->Width(), window->ClientWidth());

    // The main window's resize stretches the docked bars only.
    const int floatingWidth = window->Width();
    Form1->SetWindowState(wsNormal);
    Form1->SetBounds(0, 0, 700, 500);
    ProcessPostedMessages();
    EXPECT_EQ(Form1->MainMenu->Width(), 700 - 8);
    EXPECT_EQ(window->Width(), floatingWidth);
    EXPECT_EQ(bar->Width(), window->ClientWidth());

    // Its title dragged until the window hangs past the screen's right edge.
    const QPoint grab = screenPoint(window, 30, 10);
    const QPoint to(screen.right() - 60, screen.top() + 200);
    DragMouse(window->Widget(), { 30, 10 }, { grab + QPoint(5, 5), to });
    ProcessPostedMessages();
    const int left = window->Left(), top = window->Top();
    ASSERT_EQ(left, to.x() - 30);
    ASSERT_GT(left + window->Width(), screen.right());

    Start();
    ASSERT_TRUE(Form1->Standard->Floating());
    window = Form1->Standard->FloatingWindow();
    EXPECT_EQ(window->Left(), left);
    EXPECT_EQ(window->Top(), top);

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
        EXPECT_EQ(glyphs->Cols, 8) << name;
        EXPECT_EQ(glyphs->Width(), 16) << name;
    }
    struct Case {
        TitaPopupButton* toggle;
        int cell, other;
    } cases[] = { { Form1->itaPopupButton1, 0, 1 }, { Form1->itaPopupButton2, 1, 0 } };
    for (const Case& c : cases) {
        const QImage shown = c.toggle->Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(showsCell(shown, strip->GetCell(c.cell).Image().convertToFormat(QImage::Format_RGB32))) << c.toggle->Name;
        EXPECT_FALSE(showsCell(shown, strip->GetCell(c.other).Image().convertToFormat(QImage::Format_RGB32))) << c.toggle->Name;
    }
    TForm4 about(nullptr);
    TitaSpeedButton* hidden = FindComponentAs<TitaSpeedButton>(&about, "itaSpeedButton1");
    EXPECT_FALSE(hidden->Visible());
    EXPECT_TRUE(hidden->Flat());
}
