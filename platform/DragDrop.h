#pragma once
// Dragging one control onto another inside the program.
//
// A control in automatic drag mode starts a drag of itself when the mouse
// moves, with the left button held, beyond the desktop's drag distance; the
// press itself goes to the control as usual, and a drag that starts is not a
// click. A drop target hears OnDragOver while a drag of one of the
// program's controls moves over it, and OnDragDrop when it is dropped; drags
// from elsewhere (other programs, files of the desktop) are refused there.

#include "platform/Control.h"

#include <functional>

class QMimeData;

enum TDragMode { dmManual, dmAutomatic };

using TDragOverEvent = std::function<void(TObject* sender, TObject* source, int x, int y, bool& accept)>;
using TDragDropEvent = std::function<void(TObject* sender, TObject* source, int x, int y)>;

void SetDragMode(TControl* control, TDragMode);

// Makes `target` take drops of the program's controls. The handlers live as
// long as its widget.
void SetDropHandlers(TControl* target, TDragOverEvent onDragOver, TDragDropEvent onDragDrop);

// What a drag of `source` carries (new, for the caller), and the control a
// drag's data names: nullptr when it comes from elsewhere or the control is
// gone.
QMimeData* DragData(TControl* source);
TControl* DragSource(const QMimeData*);
