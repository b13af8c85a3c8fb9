#pragma once
// The windows that are created at start with the others but whose contents
// are not built yet: each is its captioned window with a Close button, so
// that whoever opens one can leave it again.

#include "platform/Form.h"

const char* PendingFormCaption(int number);

class TPendingForm : public TForm {
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

using TForm6 = TPendingFormN<6>;
using TForm7 = TPendingFormN<7>;
using TForm8 = TPendingFormN<8>;
using TForm11 = TPendingFormN<11>;
using TForm12 = TPendingFormN<12>;
using TForm19 = TPendingFormN<19>;
using TForm20 = TPendingFormN<20>;
using TForm21 = TPendingFormN<21>;
using TForm23 = TPendingFormN<23>;
using TForm25 = TPendingFormN<25>;
using TForm26 = TPendingFormN<26>;
using TForm28 = TPendingFormN<28>;

extern TForm6* Form6;
extern TForm7* Form7;
extern TForm8* Form8;
extern TForm11* Form11;
extern TForm12* Form12;
extern TForm19* Form19;
extern TForm20* Form20;
extern TForm21* Form21;
extern TForm23* Form23;
extern TForm25* Form25;
extern TForm26* Form26;
extern TForm28* Form28;
