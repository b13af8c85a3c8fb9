#pragma once
// The docking set: TDock97, an edge panel of a form that stacks toolbars in
// rows; TToolbar97, a toolbar that lays its controls out in a line, is
// dragged between docks, and floats as a small tool window of its own with
// a caption, a close button and sizing edges that snap to wrap widths;
// TFloatParent, the hidden window that holds a form's floating toolbars.
// Separators are the TToolbarSep97 controls of TB97.h. Positions are not
// saved anywhere.

#include "platform/CustomControl.h"
#include "widgets/TB97Layout.h"

#include <functional>
#include <memory>
#include <vector>

class TForm;
class TToolbar97;
class QWidget;

enum TDockBoundLine : unsigned { blTop = 1, blBottom = 2, blLeft = 4, blRight = 8 };
using TDockBoundLines = unsigned;
using TInsertRemoveEvent = std::function<void(TObject* sender, bool inserting, TToolbar97* bar)>;

class TDock97 : public TCustomControl {
public:
    // The owner must be a form.
    explicit TDock97(TComponent* owner);
    // Toolbars that had it as their default dock lose it.
    ~TDock97() override;

    bool AllowDrag() const { return m_allowDrag; }
    void SetAllowDrag(bool);
    const TBitmap& Background() const { return m_background; }
    // Copies the picture; the dock and its toolbars tile it.
    void SetBackground(const TBitmap&);
    bool BackgroundTransparent() const { return m_backgroundTransparent; }
    // The picture's bottom-left colour then shows the dock's Color.
    void SetBackgroundTransparent(bool);
    // What the dock and its toolbars tile, nullptr for none; tiles start at
    // the dock's origin in its parent.
    const TBitmap* BackgroundToTile() const;
    TDockBoundLines BoundLines() const { return m_boundLines; }
    void SetBoundLines(TDockBoundLines);
    TColor Color = clBtnFace;
    bool FixAlign() const { return m_fixAlign; }
    void SetFixAlign(bool);
    bool LimitToOneRow() const { return m_limitToOneRow; }
    void SetLimitToOneRow(bool);
    TDockPosition Position() const { return m_position; }
    // Raises EInvalidOperation once the dock holds controls.
    void SetPosition(TDockPosition);
    TInsertRemoveEvent OnInsertRemoveBar;

    void SetParent(TWinControl*) override;
    // A visible dock cannot be hidden.
    void SetVisible(bool) override;
    // Stacks the docked toolbars in their rows and takes their thickness.
    void LayoutBars();
    void Realign() override { LayoutBars(); }
    const std::vector<TDockRowSize>& RowSizes() const { return m_rows; }
    bool Vertical() const { return m_position == dpLeft || m_position == dpRight; }
    // The toolbars docked here, visible or not.
    std::vector<TToolbar97*> Bars() const;
    // Bound lines take one pixel each: the rows start inside them.
    TRect RowArea() const;

protected:
    void Paint() override;

private:
    friend class TToolbar97;
    void barsChanged(bool inserting, TToolbar97*);

    void backgroundChanged();

    bool m_allowDrag = true;
    TBitmap m_background;
    bool m_backgroundTransparent = false;
    mutable TBitmap m_transparentCopy;  // made on first need
    TDockBoundLines m_boundLines = 0;
    bool m_fixAlign = false;
    bool m_limitToOneRow = false;
    TDockPosition m_position = dpTop;
    int m_layoutLock = 0;
    std::vector<TDockRowSize> m_rows;
};

// The hidden window that parents a form's floating toolbars.
class TFloatParent : public TWinControl {
public:
    explicit TFloatParent(TComponent* owner);
};

class TToolbar97 : public TCustomControl {
public:
    // The owner must be a form. A new toolbar floats, parked until the
    // program is active.
    explicit TToolbar97(TComponent* owner);
    ~TToolbar97() override;

    bool CanDockLeftRight = true;
    TDock97* DefaultDock = nullptr;
    TColor Color = clBtnFace;
    bool CloseButton() const { return m_closeButton; }
    void SetCloseButton(bool);
    // The dock it lies on; nullptr while it floats.
    TDock97* DockedTo() const;
    // Docks at the dock, or floats for nullptr.
    void SetDockedTo(TDock97*);
    int DockRow() const { return m_dockRow; }
    void SetDockRow(int);
    int DockPos() const { return m_dockPos; }
    void SetDockPos(int);

    TNotifyEvent OnClose;
    TNotifyEvent OnDockChanged;
    TNotifyEvent OnDockChanging;
    TNotifyEvent OnRecreated;
    TNotifyEvent OnRecreating;

    void SetParent(TWinControl*) override;
    void SetVisible(bool) override;
    void Realign() override { LayoutControls(); }

    // Lays the controls out for where the toolbar lies (or for `target`).
    void LayoutControls();
    bool Floating() const;
    TDockType DockType() const;
    int ContentWidth() const { return m_layout.ContentWidth; }
    int ContentHeight() const { return m_layout.ContentHeight; }
    int DockedWidth() const { return m_layout.ContentWidth + 4; }
    int DockedHeight() const { return m_layout.ContentHeight + 4; }
    const std::vector<TWrapLine>& WrapLines() const { return m_layout.WrapLines; }
    // Screen coordinates of the floating window; empty until first floated.
    TRect FloatingRect() const { return m_floatingRect; }
    void SetFloatingRect(const TRect& r) { m_floatingRect = r; }
    int FloatingWrapWidth() const { return m_wrapWidth; }
    static const TFloatingFrame& FloatingFrame();
    // The bar's items as the layout sees them.
    std::vector<TBarItem> Items() const;

    // Moves a floating window back onto the work area.
    void KeepOnScreen(bool onlyIfFullyOff);
    bool Parked() const { return m_parked; }
    // Parks (left = -Width, the real left kept) or unparks a floating toolbar.
    void SetParked(bool);
    // Parks the form's floating toolbars while the program is inactive, the
    // form minimised or hidden; unparks them otherwise.
    static void ShowFloatingBars(TForm*, bool applicationActive);
    // Where the screen's usable area is; tests put a fixed one in.
    static std::function<TRect()> WorkArea;

protected:
    void Paint() override;
    bool WidgetEvent(QEvent*) override;
    void MouseDown(TMouseButton, TShiftState, int X, int Y) override;
    void MouseMove(TShiftState, int X, int Y) override;
    void MouseUp(TMouseButton, TShiftState, int X, int Y) override;

private:
    friend class TDock97;
    void paintFloatingFrame(TCanvas&);
    enum class Track { None, Move, Size, Close };
    void applyParentFlags();
    void beginMove(int x, int y);
    void moveStep(bool ctrl);
    void endMove(bool apply);
    void beginSize(int hit);
    void sizeStep();
    void endSize(bool apply);
    void showOutline(const TRect&, int thickness);
    void hideOutline();
    TRect closeButtonRect() const;
    std::vector<TDock97*> formDocks() const;

    TForm* m_form = nullptr;
    TFloatParent* m_floatParent = nullptr;
    bool m_closeButton = true;
    int m_dockRow = 0;
    int m_dockPos = -1;
    TBarLayout m_layout;
    TRect m_floatingRect;
    int m_wrapWidth = 0;
    int m_boundsGuard = 0;
    int m_layoutLock = 0;
    bool m_parked = false;
    int m_parkedLeft = 0;
    bool m_changingDock = false;

    Track m_track = Track::None;
    bool m_closePressed = false;
    TMoveDrag m_drag;
    std::vector<TDock97*> m_dragDocks;
    TMoveStep m_step;
    int m_sizeHit = 0;
    std::unique_ptr<TSizeTracker> m_sizer;
    TRect m_sizeStart, m_sizeRect;
    TSizeCandidate m_sizeCandidate;
    QWidget* m_outline = nullptr;
};

// Tiles the picture over the canvas so that its (0, 0) lies at (-originX,
// -originY) of the canvas.
void TileBackground(TCanvas&, const TBitmap&, int width, int height, int originX, int originY);

// Whether a control lies on a toolbar docked at a left or right dock.
bool DockedLeftRight(const TControl*);

// A separator's two lines: across a toolbar docked vertically a horizontal
// pair at Height div 2 - 1 (shadow) and Height div 2 (highlight), otherwise
// a vertical pair at Width div 2 - 1 and Width div 2; nothing when blank.
void PaintToolbarSep(TCanvas&, int width, int height, bool dockedVertically, bool blank);
