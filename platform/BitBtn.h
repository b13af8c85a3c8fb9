#pragma once
// TBitBtn: a push button that shows a small picture, here the desktop's
// "open folder" icon, beside or instead of its caption.

#include "platform/StdCtrls.h"

class TBitBtn : public TButton {
public:
    explicit TBitBtn(TComponent* owner);
};
