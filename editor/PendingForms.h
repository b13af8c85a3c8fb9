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

using TForm3 = TPendingFormN<3>;
using TForm4 = TPendingFormN<4>;
using TForm9 = TPendingFormN<9>;
using TForm10 = TPendingFormN<10>;
using TForm13 = TPendingFormN<13>;
using TForm14 = TPendingFormN<14>;
using TForm17 = TPendingFormN<17>;
using TForm18 = TPendingFormN<18>;
using TForm22 = TPendingFormN<22>;
using TForm24 = TPendingFormN<24>;
using TForm27 = TPendingFormN<27>;

extern TForm3* Form3;
extern TForm4* Form4;
extern TForm9* Form9;
extern TForm10* Form10;
extern TForm13* Form13;
extern TForm14* Form14;
extern TForm17* Form17;
extern TForm18* Form18;
extern TForm22* Form22;
extern TForm24* Form24;
extern TForm27* Form27;
