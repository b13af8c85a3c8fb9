#pragma once
// A hot spot: a see-through label of a fixed size that answers a double
// click, for the hidden pictures of the main window and the About box.

#include "platform/StdCtrls.h"

inline TLabel* NewHotSpot(TComponent* owner, TWinControl* parent, const char* name, int left, int top, int width, int height,
    TNotifyEvent onDblClick)
{
    auto* label = NewControl<TLabel>(owner, parent, name);
    label->SetAutoSize(false);
    label->Transparent = true;
    label->SetBounds(left, top, width, height);
    label->OnDblClick = std::move(onDblClick);
    return label;
}
