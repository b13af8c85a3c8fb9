#pragma once
// The docking set's arithmetic, free of windows: bars stacked in a dock's
// rows, a bar's controls laid out in lines and groups, where a dragged bar
// docks and in which row it lands, the widths a floating bar snaps to while
// it is sized, and keeping a floating bar on the screen.

#include "platform/Types.h"
#include "platform/NonClient.h"

#include <vector>

enum TDockPosition { dpTop, dpBottom, dpLeft, dpRight };
enum class TDockType { Floating, Horizontal, Vertical };
TDockType DockTypeOf(TDockPosition);

// Margins of a bar's content along and across its lines.
struct TBarMargins {
    int First = 2;  // before the first line, across
    int Last = 2;   // after the last line, across
    int Start = 2;  // start of a line
    int End = 2;    // end of a line
};
// A floating bar counts as one with a drag handle.
TBarMargins BarMargins(TDockType, bool dragHandle);

// The floating frame: SM_CXFRAME on every side and a small caption on top.
struct TFloatingFrame {
    int Frame = 4;
    int Caption = 17;
    int Width() const { return 2 * Frame; }
    int Height() const { return 2 * Frame + Caption; }
};

// --- A dock's rows ---------------------------------------------------------
struct TDockRowSize {
    int ContentHeight = 8, ContentWidth = 8;
    int DockedHeight = 12, DockedWidth = 12;
};
// One docked bar: its wishes in, its place out.
struct TDockedBar {
    int Row = 0, Pos = -1;          // DockRow, DockPos (written back)
    int Length = 0;                 // along the dock
    int ContentHeight = 8, ContentWidth = 8;
    int Left = 0, Top = 0, Width = 0, Height = 0;
};
struct TDockRows {
    std::vector<TDockRowSize> Rows;
    int Thickness = 0;              // of the rows, without the dock's frame
};
// Sorts by row then position, closes up empty rows, places the bars of each
// row side by side from their positions, pushes an overflowing row back
// (never before 0) and stacks the rows. `bars` keeps its order; each gets
// its place.
TDockRows LayoutDockRows(std::vector<TDockedBar>& bars, bool vertical, int dockLength, bool limitToOneRow);

// Where a bar dropped with its centre `across` the dock lands: within 5
// pixels of a row boundary, before the first row or after the last a new
// row opens there.
struct TDropRow {
    int Row = 0;
    bool NewRow = false;
};
TDropRow DropRow(const std::vector<int>& rowThickness, int across);

// --- A bar's controls ------------------------------------------------------
struct TBarItem {
    bool Separator = false;
    bool Blank = false;        // a separator drawn as space only
    bool Visible = true;
    int Width = 0, Height = 0; // any other control's size
    int SizeHorz = 6, SizeVert = 6;
};
struct TBarItemPlace {
    int Left = 0, Top = 0, Width = 0, Height = 0;
};
struct TWrapLine {
    int Position = 0;          // top of the line it begins
    bool Blank = false;
};
struct TBarLayout {
    int ContentWidth = 8, ContentHeight = 8;
    int ClientWidth = 0, ClientHeight = 0;
    std::vector<TBarItemPlace> Places;  // one per item; hidden ones untouched
    std::vector<TWrapLine> WrapLines;
};
// `wrapWidth` 0: one line. `row` (docked): the dock row's sizes stand in
// for the bar's own.
TBarLayout LayoutBarItems(const std::vector<TBarItem>&, TDockType, bool dragHandle, int wrapWidth, const TDockRowSize* row = nullptr);
// The narrowest a floating bar may wrap to: its widest control + 8.
int MinimumWrapWidth(const std::vector<TBarItem>&);

// --- Dragging --------------------------------------------------------------
// The rectangle of the new size that keeps the grab point under the cursor.
TRect DragRect(TPoint cursor, TPoint grab, int oldWidth, int oldHeight, int width, int height);
// Whether the cursor lies in a dock's docking zone; `dock` is its screen
// rectangle (one pixel thicker across when empty), w0 x h0 the old size
// less one, `wouldBe` the rectangle the bar would take there.
bool InDockingZone(const TRect& dock, TDockPosition, TPoint cursor, TPoint grab, int w0, int h0, const TRect& wouldBe);
bool Overlaps(const TRect&, const TRect&);
// A floating bar being dragged: the rectangle is pushed back until it
// overlaps the work area shrunk by `inset`.
TRect KeepTouching(TRect, const TRect& workArea, int inset);
// Moved left, up, right, down until its edges lie on the work area; with
// onlyIfFullyOff nothing while it overlaps the area at all.
TRect KeepOnScreen(TRect, const TRect& workArea, bool onlyIfFullyOff);

// One step of dragging a bar: the first top or bottom dock whose docking
// zone holds the cursor, else (when the bar may dock there) the first left
// or right one, else floating (always floating while Ctrl is held).
struct TDockTarget {
    TRect Screen;              // one pixel thicker across when empty
    TDockPosition Position = dpTop;
    bool AllowDrag = true;
    int Width = 0, Height = 0; // the bar's outer size docked there
};
struct TMoveStep {
    int Target = -1;           // index into the docks; -1 floating
    TRect Rect;                // where the outline goes
};
struct TMoveDrag {
    TPoint Grab;               // in the bar
    int OldWidth = 0, OldHeight = 0;
    int FloatingWidth = 0, FloatingHeight = 0;
    TRect WorkArea;
    int Inset = 8;             // SM_CXFRAME + 4
    bool CanDockLeftRight = true;
};
TMoveStep TrackMoveStep(const std::vector<TDockTarget>&, const TMoveDrag&, TPoint cursor, bool ctrl);

// --- Sizing a floating bar -------------------------------------------------
struct TSizeCandidate {
    int Width = 0, Height = 0;  // outer
    int WrapWidth = 0;          // client width it wraps at; 0 = unwrapped
};
// The unwrapped size and every wrapped one down to the minimum wrap width,
// sorted by width (byHeight false) or by height.
std::vector<TSizeCandidate> SizeCandidates(const std::vector<TBarItem>&, const TFloatingFrame&, bool byHeight);

// Follows the cursor's distance from the fixed edge and picks candidates.
class TSizeTracker {
public:
    TSizeTracker(std::vector<TSizeCandidate> sorted, bool byHeight, int currentLength);
    // The candidate for distance d from the fixed edge.
    const TSizeCandidate& Step(int d);
    int Snap() const { return m_snap; }

private:
    int lengthOf(const TSizeCandidate& c) const { return m_byHeight ? c.Height : c.Width; }

    std::vector<TSizeCandidate> m_candidates;
    bool m_byHeight;
    int m_current = 0;   // index
    int m_snap = 12;
    bool m_snapping = true;
    int m_side = 0;
};
