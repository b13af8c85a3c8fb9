// The dock and its bars: rows at start, stored state coming back (absurd
// state included), dragging along a row, swapping rows, floating off the
// dock and docking again, and what is written to the settings store.

#include "widgets/flpfrm97.h"
#include "widgets/ita_Office97.h"
#include "widgets/ita_common.h"

#include "platform/Application.h"
#include "platform/Messages.h"
#include "platform/Registry.h"
#include "tests/support/MouseInput.h"
#include "tests/widgets/Pictures.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <tuple>

namespace {

std::string storeFile() { return std::string(std::getenv("XDG_CONFIG_HOME")) + "/corvana-registry/HKEY_CURRENT_USER"; }

struct DockTest : ::testing::Test {
    void SetUp() override
    {
        Application->Title = "DockTest";
        TRegistry().DeleteKey("Software\\Brelwick");
    }

    // The main window's dock and bars as its design gives them.
    void Start()
    {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(100, 100, 808, 400);
        dock = NewControl<TitaDock>(form.get(), form.get(), "itaDock1");
        dock->SetHeight(74);
        bars[0] = bar("MainMenu", "Main Menu", 0, 185, 22);
        bars[1] = bar("Standard", "Standard", 22, 617, 26);
        bars[2] = bar("Toolbar1", "No Name", 48, 505, 26);
        for (TitaToolBar* b : bars)
            b->Loaded();
        dock->Loaded();
        form->Show();
        ProcessPostedMessages();
    }
    TitaToolBar* bar(const char* name, const char* caption, int top, int width, int height)
    {
        auto* b = NewControl<TitaToolBar>(form.get(), dock, name, 0, top, width, height);
        b->SetCaption(caption);
        b->OnFloat = [this](TObject*) { events += "float "; };
        b->OnStatic = [this](TObject*) { events += "static "; };
        return b;
    }
    // Values stored for the bar of that caption, name by name.
    void Store(const std::string& caption, std::initializer_list<std::pair<const char*, const char*>> values)
    {
        for (auto [name, value] : values)
            WriteRegString("ToolBar\\" + caption, name, value);
    }
    std::string Stored(const std::string& bar, const char* name) { return ReadRegString("ToolBar\\" + bar, name, "(none)"); }
    // Presses the grip and moves the mouse through points of the bar where
    // it is at each step, as a drag does, then lets go.
    void Drag(TitaToolBar* b, int x, int y, std::initializer_list<TPoint> moves)
    {
        SendMouse(b->Widget(), QEvent::MouseButtonPress, x, y);
        for (TPoint m : moves)
            SendMouse(b->Widget(), QEvent::MouseMove, m.X, m.Y);
        SendMouse(b->Widget(), QEvent::MouseButtonRelease, 0, 0);
        ProcessPostedMessages();
    }
    // The bars' tops, then the dock's height.
    std::vector<int> Rows() const { return { bars[0]->Top(), bars[1]->Top(), bars[2]->Top(), dock->Height() }; }

    std::unique_ptr<TForm> form;
    TitaDock* dock = nullptr;
    TitaToolBar* bars[3] {};
    std::string events;
};

TEST(SettingsHelpers, StoredTextsReadAsTheirNumbersOrTheDefault)
{
    Application->Title = "HelperTest";
    for (auto [text, expected] : { std::pair("0x1F", 31), { "0X1f", 31 }, { "12", 12 }, { "-7", -7 }, { "12abc", 99 },
                                   { "0x", 99 }, { "", 99 }, { " 5", 99 }, { "99999999999", 99 }, { "0xFFFFFFFF", -1 } }) {
        WriteRegString("ToolBar\\T", "V", text);
        EXPECT_EQ(ReadRegInteger("ToolBar\\T", "V", 99), expected) << text;
    }
    WriteRegString("ToolBar\\T", "B", "2");
    EXPECT_TRUE(ReadRegBool("ToolBar\\T", "B", false));
    WriteRegBool("ToolBar\\T", "B", false);
    EXPECT_EQ(ReadRegString("ToolBar\\T", "B", "?"), "0");
    EXPECT_EQ(std::tuple(ReadRegInteger("ToolBar\\Missing", "V", 4), ReadRegString("ToolBar\\T", "Missing", "d"),
                         AppSettingsKey()), std::tuple(4, "d", "Software\\Brelwick\\HelperTest\\"));
}

TEST_F(DockTest, FirstStartGivesThreeRowsInLoadOrderAndA74PixelDock)
{
    Start();
    for (TitaToolBar* b : bars)
        EXPECT_EQ(std::tuple(b->Visible(), b->Floating(), b->Parent()), std::tuple(true, false, dock)) << b->Name;
    // Restoring fires no float or static event; the grip and the controls sit inside the bar's frames.
    EXPECT_EQ(std::tuple(Rows(), events, bars[0]->DragBox()->Left(), bars[0]->DragBox()->Height()),
              std::tuple(std::vector { 0, 22, 48, 74 }, "", 2, 18));
}

TEST_F(DockTest, AHiddenBarComesBackHiddenAndShowingItAppendsItAsTheBottomRow)
{
    Store("Standard", { { "isVisible", "0" } });
    Start();
    EXPECT_EQ(std::tuple(bars[1]->Visible(), dock->Height(), bars[2]->Top()), std::tuple(false, 48, 22));
    bars[1]->Show();
    EXPECT_EQ(std::tuple(bars[1]->Visible(), bars[1]->Top(), dock->Height()), std::tuple(true, 48, 74));
    bars[0]->Hide();
    EXPECT_EQ(std::tuple(Stored("Main Menu", "isVisible"), Rows()), std::tuple("0", std::vector { 0, 26, 0, 52 }));
}

TEST_F(DockTest, DraggingAlongTheRowStopsAtBothEdgesOfTheDock)
{
    Start();
    TitaToolBar* b = bars[2];
    // The mouse stays over the dock, or the bar would float.
    for (auto [from, to, left] : { std::tuple(400, 450, 50), { 400, 300, 0 }, { 5, 395, dock->Width() - b->Width() } }) {
        Drag(b, from, 5, { { to, 5 } });
        EXPECT_EQ(std::tuple(b->Left(), b->Top()), std::tuple(left, 48)) << from << "->" << to;
    }
    // A bar wider than its dock keeps its left edge at the (negative) bound.
    b->SetWidth(dock->Width() + 40);
    Drag(b, 5, 5, { { 6, 5 } });
    EXPECT_EQ(b->Left(), -40);
}

TEST_F(DockTest, DraggingABarAcrossTheMiddleOfTheNextRowSwapsTheRows)
{
    Start();
    // Main Menu (22 high) down into Standard's lower half.
    Drag(bars[0], 5, 5, { { 5, 22 + 14 } });
    EXPECT_EQ(Rows(), (std::vector { 26, 0, 48, 74 }));
    // Not yet past the middle: nothing changes.
    Drag(bars[2], 5, 5, { { 5, -5 } });
    EXPECT_EQ(Rows(), (std::vector { 26, 0, 48, 74 }));
    // No Name up past Main Menu's middle: the rows between shift.
    Drag(bars[2], 5, 5, { { 5, -14 } });
    EXPECT_EQ(Rows(), (std::vector { 52, 0, 26, 74 }));
}

TEST_F(DockTest, ABarDraggedOffFloatsAndDraggedBackDocksAsTheBottomRow)
{
    Start();
    TitaToolBar* b = bars[0];
    Drag(b, 5, 5, { { 5, 200 } });
    ASSERT_TRUE(b->Floating());
    TFPForm97* window = b->FloatingWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(std::tuple(events, window->Caption(), b->Parent(), window->ClientWidth(), b->DragBox()->Visible()),
              std::tuple("float ", "Main Menu", window, b->Width(), false));
    EXPECT_EQ(Rows(), (std::vector { 0, 0, 26, 52 }));

    // Pressing the window's title (negative y) and moving it over the dock.
    int dy = dock->Widget()->mapToGlobal(QPoint(0, 30)).y() - b->Widget()->mapToGlobal(QPoint(0, 0)).y();
    Drag(b, 40, -10, { { 40, -10 + dy }, { 40, -10 + dy } });
    EXPECT_EQ(std::tuple(b->Floating(), b->Parent(), events, b->Top(), dock->Height(), b->DragBox()->Visible()),
              std::tuple(false, dock, "float static ", 52, 74, true));
    EXPECT_EQ(b->FloatingWindow(), nullptr);
}

TEST_F(DockTest, AFloatingBarComesBackAtItsStoredPlaceAndStoresTheSameNumbers)
{
    Store("No Name", { { "isFloat", "1" }, { "XPosition", "200" }, { "YPosition", "250" } });
    Start();
    TitaToolBar* b = bars[2];
    ASSERT_TRUE(b->Floating());
    EXPECT_EQ(std::tuple(b->FloatingWindow()->Left(), b->FloatingWindow()->Top(), dock->Height()), std::tuple(200, 230, 48));
    b->SaveState();
    EXPECT_EQ(std::tuple(Stored("No Name", "XPosition"), Stored("No Name", "YPosition")), std::tuple("200", "250"));

    // The close box hides the bar and stores it hidden; Show brings the
    // window back at the same place.
    b->FloatingWindow()->Close();
    EXPECT_EQ(std::tuple(b->Visible(), Stored("No Name", "isVisible")), std::tuple(false, "0"));
    b->Show();
    EXPECT_EQ(std::tuple(b->FloatingWindow()->Visible(), b->FloatingWindow()->Left()), std::tuple(true, 200));
}

TEST_F(DockTest, AbsurdStoredStateStillGivesUsableBarsOnTheDockOrOnScreen)
{
    // A bar's name for a dock, and no number for "isFloat".
    Store("Main Menu", { { "XPosition", "-99999" }, { "Width", "abc" }, { "Height", "-5" }, { "DockName", "Standard" },
                         { "isFloat", "+-1" } });
    Store("Standard", { { "Width", "999999999" }, { "DockName", "NoSuchDock" }, { "XPosition", "2147483647" },
                        { "YPosition", "2147483647" } });
    Store("No Name", { { "isFloat", "7" }, { "XPosition", "-4000" }, { "YPosition", "0x7FFFFFFF" }, { "Height", "100000" } });
    Start();
    QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(std::tuple(bars[0]->Parent(), bars[0]->Left(), bars[0]->Width(), bars[0]->Height()), std::tuple(dock, 0, 185, 22));
    EXPECT_EQ(std::tuple(bars[1]->Parent(), bars[1]->Width(), bars[2]->Height()), std::tuple(dock, 617, 26));
    EXPECT_LE(bars[1]->Left() + bars[1]->Width(), screen.width());
    EXPECT_LE(bars[1]->Top() + bars[1]->Height(), dock->Height());
    ASSERT_TRUE(bars[2]->Floating());
    TFPForm97* w = bars[2]->FloatingWindow();
    // Its title bar comes back within reach: on the screen from top to
    // bottom and with a piece to take hold of.
    QRect title = QRect(w->Left(), w->Top(), w->Width(), 20).intersected(screen);
    EXPECT_EQ(title.height(), 20) << w->Top();
    EXPECT_GE(title.width(), std::min(40, w->Width())) << w->Left();
    EXPECT_EQ(dock->Height(), bars[0]->Height() + bars[1]->Height());
}

TEST_F(DockTest, RepaintsWithUnchangedStateWriteNothing)
{
    Start();
    for (TitaToolBar* b : bars)
        b->Repaint();
    EXPECT_EQ(std::tuple(Stored("Standard", "DockName"), Stored("Standard", "YPosition")), std::tuple("itaDock1", "22"));
    std::filesystem::remove(storeFile());
    for (int i = 0; i < 3; ++i)
        for (TitaToolBar* b : bars)
            b->Repaint();
    EXPECT_FALSE(std::filesystem::exists(storeFile()));
    // A change is written at the next paint.
    Drag(bars[1], 5, 5, { { 25, 5 } });
    bars[1]->Repaint();
    EXPECT_EQ(Stored("Standard", "XPosition"), "20");
}

TEST(Glyphs, CellsAreCutFromTheGridAndKeyedOnTheirOwnBottomLeftPixel)
{
    // Cell 9: its first pixel red, its bottom-left two blue.
    TitaGlyphs glyphs(nullptr);
    glyphs.SetPicture(Filled(128, 32, { { { 16, 16, 17, 17 }, clRed }, { { 16, 31, 18, 32 }, clBlue } }));
    glyphs.Cols = 8;
    glyphs.Rows = 2;
    EXPECT_EQ(std::tuple(glyphs.Width(), glyphs.Height(), glyphs.GetCell(9).Pixel(0, 0)), std::tuple(16, 16, clRed));

    for (auto [width, cols] : { std::pair(0, 8), { 200, 8 }, { -3, 8 }, { 32, 4 } }) {
        glyphs.SetWidth(width);
        EXPECT_EQ(glyphs.Cols, cols) << width;
    }
    glyphs.Cols = 8;

    // Cell 9 is keyed on blue, cell 0 on white: each shows the background
    // only where its own key colour is.
    TBitmap target = Filled(16, 32, { { { 0, 0, 16, 32 }, clGreen } });
    glyphs.DrawCell(target.Canvas(), 0, 0, 9);
    glyphs.DrawCell(target.Canvas(), 0, 16, 0);
    ExpectPixels(target, { { 0, 15, clGreen }, { 1, 15, clGreen }, { 0, 0, clRed }, { 5, 5, clWhite }, { 5, 20, clGreen } });
    // A cell past the strip is blank, never memory beyond the picture.
    EXPECT_EQ(glyphs.GetCell(500).Width(), 16);
}

TEST(PanelPainting, FramesGoOnTheChosenSidesAndTheFillShrinksOnAll)
{
    TitaDock panel(nullptr);
    panel.SetAlign(alNone);
    panel.SetBounds(0, 0, 20, 10);
    panel.SetBevelOuter(bvRaised);
    panel.SetBevelSides(sdTop | sdBottom);
    panel.Color = clRed;
    TBitmap image = Filled(20, 10, { { { 0, 0, 20, 10 }, clGreen } });
    panel.PaintPanel(image.Canvas());
    ExpectPixels(image, { { 5, 0, GetSysColor(COLOR_BTNHIGHLIGHT) }, { 5, 9, GetSysColor(COLOR_BTNSHADOW) },
                            { 0, 5, clGreen, "no side line" }, { 19, 5, clGreen }, { 1, 5, clRed } });
}

TEST(Grip, ARowGripShowsTwoRaisedRidges)
{
    TTBDragBox grip(nullptr);
    grip.SetAlign(alLeft);
    grip.SetBounds(0, 0, 12, 18);
    TBitmap image = Painted(grip);
    const TColor hi = GetSysColor(COLOR_BTNHIGHLIGHT), sh = GetSysColor(COLOR_BTNSHADOW), face = GetSysColor(COLOR_BTNFACE);
    const TColor column[] = { face, face, hi, face, sh, hi, face, sh, face };
    for (int x = 0; x < 9; ++x)
        EXPECT_EQ(image.Pixel(x, 8), column[x]) << x;
    ExpectPixels(image, { { 2, 17, hi }, { 4, 0, sh } });
}

TEST_F(DockTest, TheFloatingWindowsTitleDragsTheBarAndItsCloseBoxHidesIt)
{
    Store("No Name", { { "isFloat", "1" }, { "XPosition", "100" }, { "YPosition", "300" } });
    Start();
    TFPForm97* window = bars[2]->FloatingWindow();
    ASSERT_NE(window, nullptr);
    QWidget* w = window->Widget();
    for (auto [type, x, y] :
         { std::tuple(QEvent::MouseButtonPress, 50, 10), { QEvent::MouseMove, 80, 30 }, { QEvent::MouseButtonRelease, 80, 30 } })
        SendMouse(w, type, x, y);
    EXPECT_EQ(std::tuple(window->Left(), window->Top(), bars[2]->Floating()), std::tuple(130, 300, true));
    TRect box = window->CloseBox();
    SendMouse(w, QEvent::MouseButtonPress, (box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2);
    EXPECT_EQ(std::tuple(bars[2]->Visible(), window->Visible(), Stored("No Name", "isVisible")), std::tuple(false, false, "0"));
}

}  // namespace
