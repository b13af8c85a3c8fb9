#pragma once
// Where the mouse is, and which control lies under it.

#include "platform/Types.h"

#include <functional>

class TControl;

// Screen coordinates.
TPoint GetCursorPos();
// Tests move the cursor without a display; nullptr restores the real one.
void SetCursorPosSource(std::function<TPoint()> source);

// The control under a screen point, the topmost one; disabled controls are
// passed over for the enabled control holding them unless allowDisabled.
TControl* FindDragTarget(TPoint screen, bool allowDisabled);

// The control that has the mouse captured (nullptr when none has).
TControl* GetCaptureControl();
