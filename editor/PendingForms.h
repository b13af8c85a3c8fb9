#pragma once
// The windows that are created at start with the others but whose contents
// are not built yet: each is its captioned window with a Close button, so
// that whoever opens one can leave it again.

#include "platform/FormBuilder.h"

const char* PendingFormCaption(int number);

class TPendingForm : public TDesignedForm {
public:
    TPendingForm(TComponent* owner, int number);
};

template<int N>
class TPendingFormN : public TPendingForm {
public:
    explicit TPendingFormN(TComponent* owner)
        : TPendingForm(owner, N)
    {
    }
};

