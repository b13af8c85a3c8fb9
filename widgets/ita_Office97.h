#pragma once
// The dock, its movable toolbars with their grips, and the menu-bar and
// toggle buttons on them.
//
// A bar sits in a row of a dock (a column of a vertical dock), is dragged
// by its grip along the row, onto another bar's row (the two change
// places), off the dock into a floating tool window of its own, and back
// onto a dock. Its state is kept under the application's settings key
// (widgets/ita_common.h), section "ToolBar\<caption>", and put back by
// Loaded. All geometry is in client coordinates of the bar, so the drag
// runs the same from a real mouse and from a test.

#include "platform/Buttons.h"
#include "platform/Control.h"
#include "platform/CustomControl.h"
#include "platform/ExtCtrls.h"
#include "platform/Graphics.h"
#include "widgets/GroupButton.h"
#include "widgets/ita_Glyphs.h"

#include <map>
#include <string>
#include <vector>

class QToolButton;
class TPopupMenu;
class TFPForm97;
class TTBDragBox;

enum TSide : unsigned { sdLeft = 1, sdTop = 2, sdRight = 4, sdBottom = 8 };
using TSides = unsigned;
constexpr TSides kAllSides = sdLeft | sdTop | sdRight | sdBottom;
enum TVerticalAlignment { vaTop, vaCenter, vaBottom };

// The panel base of docks and bars: bevels and a border on chosen sides.
class TitaCustomPanel : public TCustomControl {
public:
    explicit TitaCustomPanel(TComponent* owner);

    TPanelBevel BevelOuter() const { return m_bevelOuter; }
    TPanelBevel BevelInner() const { return m_bevelInner; }
    void SetBevelOuter(TPanelBevel);
    void SetBevelInner(TPanelBevel);
    int BevelWidth = 1;
    int BorderWidth = 0;
    TSides BevelSides() const { return m_sides; }
    void SetBevelSides(TSides);
    TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor);
    TVerticalAlignment VerticalAlignment() const { return m_verticalAlignment; }
    void SetVerticalAlignment(TVerticalAlignment);
    TColor Color = clBtnFace;

    // Frames, then the fill of what is left inside them.
    void PaintPanel(TCanvas&) const;

protected:
    // The client area lies inside every frame.
    void AdjustClientRect(TRect&) const override;
    void Paint() override;

private:
    TPanelBevel m_bevelOuter = bvNone;
    TPanelBevel m_bevelInner = bvNone;
    TSides m_sides = kAllSides;
    TColor m_borderColor = clBtnFace;
    TVerticalAlignment m_verticalAlignment = vaCenter;
};

// A dock: aligned top or bottom it stacks its bars in rows, aligned left or
// right it stands them side by side in columns. Its size follows its bars.
class TitaDock : public TitaCustomPanel {
public:
    explicit TitaDock(TComponent* owner);
    // After its bars are in: an empty dock takes no room.
    void Loaded();
    bool Horizontal() const;
};

class TitaToolBar : public TitaCustomPanel {
public:
    explicit TitaToolBar(TComponent* owner);
    ~TitaToolBar() override;

    void SetCaption(const std::string&) override;
    // After its controls are in: sorts them and puts back the stored state.
    void Loaded();

    // Hidden bars stay children of their dock, out of its size.
    void Hide();
    void Show();
    bool Floating() const { return m_floating; }
    TFPForm97* FloatingWindow() const { return m_form; }
    TTBDragBox* DragBox() const { return m_dragBox; }

    bool AllowResize = false;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnFloat;
    TNotifyEvent OnStatic;

    // The mouse in the bar's client coordinates (the grip and the floating
    // window pass theirs on converted to these).
    void MouseDown(TMouseButton, TShiftState, int x, int y) override;
    void MouseMove(TShiftState, int x, int y) override;
    void MouseUp(TMouseButton, TShiftState, int x, int y) override;

    // Writes what changed since the last write or read of the stored state.
    void SaveState();
    std::string Section() const { return "ToolBar\\" + Caption(); }

    // The controls in visual order.
    const std::vector<TControl*>& SortedControls() const { return m_sorted; }
    void Realign() override;

protected:
    void Paint() override;
    void AdjustClientRect(TRect&) const override;

private:
    friend class TFPForm97;
    void restoreState();
    void floatAt(int x, int y);
    // The width the visible controls take in a row, frames included.
    int neededWidth() const;
    void undock();
    void dockIn();
    void swapBars(TitaToolBar* other);
    TitaToolBar* barAtPoint(TPoint p) const;
    TitaDock* dockAtPoint(TPoint p) const;
    void sortControls();
    void orientControls();
    void turn(bool toHorizontal);
    TitaDock* dock() const;
    void takeMouseCapture();
    // Moves the floating window just far enough to leave its title bar
    // within reach.
    void keepOnScreen();
    std::string readStored(const char* name);
    void writeStored(const char* name, const std::string& value);

    int m_grabX = 0, m_grabY = 0;
    std::vector<TControl*> m_sorted;
    bool m_floating = false;
    bool m_held = false;  // the left button went down on the bar
    TTBDragBox* m_dragBox = nullptr;
    TFPForm97* m_form = nullptr;
    // The stored values as last read or written.
    std::map<std::string, std::string> m_stored;
};

// A bar's grip: ridges to take hold of, passing the mouse on to its bar.
class TTBDragBox : public TGraphicControl {
public:
    explicit TTBDragBox(TComponent* owner);
    void PaintTo(TCanvas&) const;

protected:
    void Paint() override { PaintTo(*Canvas()); }
    void MouseDown(TMouseButton, TShiftState, int x, int y) override;
    void MouseMove(TShiftState, int x, int y) override;
    void MouseUp(TMouseButton, TShiftState, int x, int y) override;
};

// Program-wide state of the bars.
namespace ToolBarState {
// The height kept above a floating bar for its window's title.
constexpr int kCaptionOffset = 20;
// The grip's thickness across its bar.
constexpr int kGripSize = 12;
// Set while bars are built and their state restored: nothing is saved, no
// float or static event fires, the mouse is not taken.
bool& Restoring();
}

// A windowless speed button: one cell of a glyph strip and/or a caption,
// flat (framed only under the mouse) or raised. Buttons of one parent with
// the same non-zero GroupIndex form a group of which at most one is down.

class TitaSpeedButton : public TGroupButton {
public:
    explicit TitaSpeedButton(TComponent* owner);
    ~TitaSpeedButton() override;

    // A button without a group never stays down; a down one stays down
    // unless AllowAllUp.
    void SetDown(bool);
    void SetGroupIndex(int);
    void SetAllowAllUp(bool);
    bool Flat() const { return m_flat; }
    void SetFlat(bool);
    TButtonLayout Layout() const { return m_layout; }
    void SetLayout(TButtonLayout);
    int GlyphIndex() const { return m_glyphIndex; }
    void SetGlyphIndex(int);
    TitaGlyphs* Glyphs = nullptr;
    // A short text drawn in place of a picture when there is no strip.
    void SetGlyphText(const std::string&);
    void SetCaption(const std::string&) override;
    void SetEnabled(bool) override;
    TFont Font;

    // 0 up, 1 disabled, 2 pressed, 3 exclusive (latched down).
    int State() const;
    bool MouseIn() const { return m_mouseIn; }

    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

    void MouseDown(TMouseButton, TShiftState, int x, int y) override;
    void MouseMove(TShiftState, int x, int y) override;
    void MouseUp(TMouseButton, TShiftState, int x, int y) override;
    void PaintTo(TCanvas&);

protected:
    void Paint() override { PaintTo(*Canvas()); }
    void MouseEnter() override;
    void MouseLeave() override;
    // OnDblClick fires only for a latched button.
    void DblClick() override;
    void GroupReleased() override;
    // Draws the caption where there is no cell; the menu button turns it.
    virtual void PaintCaption(TCanvas&, TRect r, bool enabled);
    void SetMouseIn(bool);
    void recomputeMouseIn();

private:
    bool m_tracking = true;
    int m_glyphIndex = 0;
    bool m_dragging = false;
    TButtonLayout m_layout = blGlyphLeft;
    bool m_flat = true;
    bool m_mouseIn = false;
    int m_state = 0;
    std::string m_glyphText;
};

// A speed button that drops its Menu below itself when clicked.
class TitaPopupButton : public TitaSpeedButton {
public:
    explicit TitaPopupButton(TComponent* owner);
    ~TitaPopupButton() override;
    void Click() override;
    TPopupMenu* Menu = nullptr;
};

// An entry of a menu bar: a click latches it and drops its menu; while a
// menu of the bar is open, the mouse moving onto another menu button of the
// same window closes that menu and opens the other button's.
class TitaMenuButton : public TitaPopupButton {
public:
    explicit TitaMenuButton(TComponent* owner);
    ~TitaMenuButton() override;
    void Click() override;
    // Up and without its hover frame, as the bar leaves a button whose menu
    // has closed or was left for another.
    void Release();

    // The menu-bar state, one copy per program.
    static bool MenuMode();
    static TitaMenuButton* CurrentButton();

protected:
    void MouseEnter() override;
    void PaintCaption(TCanvas&, TRect r, bool enabled) override;

private:
    void open(bool releaseAfter);
};
