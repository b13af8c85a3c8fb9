// A dialog that reaches for the main window: the dialogs' library must
// refuse to build it, since it sees no header of the editor.
#include "dialogs/ElementDialog.h"
#include "editor/Unit1.h"
