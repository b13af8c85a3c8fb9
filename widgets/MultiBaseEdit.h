#pragma once
// TMultiBaseEdit: an edit holding one 32-bit number, shown in decimal,
// hexadecimal or binary. The text is the number: Value reads and writes
// it, Base converts it, and only the keys of the base's digits reach it.

#include "platform/StdCtrls.h"

#include <cstdint>

enum TBase { bDEC, bHEX, bBIN };

class TMultiBaseEdit : public TEdit {
public:
    explicit TMultiBaseEdit(TComponent* owner);

    TBase Base() const { return m_base; }
    // Converts the text: the number read in the old base is written anew.
    void SetBase(TBase);

    // An empty text is 0. Decimal text that is no number raises the
    // conversion error; hex beyond 8 digits and binary beyond 32 read 0,
    // and a character that is no digit counts as 0.
    std::int32_t Value() const;
    // Decimal with its sign, or all 8 hex or 32 binary digits.
    void SetValue(std::int32_t);

    // Whether a typed character may enter the text: the base's digits, a
    // "-" at the start of a decimal number, and Backspace.
    bool Accepts(char key) const;

protected:
    bool WidgetEvent(QEvent*) override;

private:
    TBase m_base = bDEC;
};
