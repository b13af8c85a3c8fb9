#pragma once
// What the caption bar does while the mouse holds its window. A press on
// the caption becomes a move only once the pointer has gone a few pixels
// with the button held, so that a double click stays a double click. The
// desktop is asked to move or size the window; where it refuses (no window
// manager), the caption bar follows the mouse itself.

#include "platform/Types.h"

#include <Qt>

enum class TCaptionDragKind {
    None,
    Pending,    // a press on the caption, not yet a move
    Move,       // the caption bar moves the window
    Size,       // the caption bar moves the edges held
    Minimized,  // a minimised window pressed: the caption's mouse decides
};

struct TCaptionDrag {
    TCaptionDragKind Kind = TCaptionDragKind::None;
    Qt::Edges Edges;      // the edges a size moves
    bool ByMenu = false;  // begun from the window menu: follows the bare pointer, ends with a click
    TPoint Anchor;        // the screen point it began at
    TRect Start;          // the window's outer rectangle then

    // How far the pointer goes before a press becomes a move.
    static constexpr int kMoveDistance = 4;
    bool FarEnough(TPoint screen) const;
    // The window's rectangle with the pointer at `screen`: a move shifts
    // it; a size moves the edges held, keeping at least `minimum`.
    TRect Follow(TPoint screen, TPoint minimum) const;
};
