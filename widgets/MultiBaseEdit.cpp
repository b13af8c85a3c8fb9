#include "widgets/MultiBaseEdit.h"

#include "platform/Exception.h"
#include "platform/StrUtils.h"

#include <QKeyEvent>

#include <limits>

TMultiBaseEdit::TMultiBaseEdit(TComponent* owner)
    : TEdit(owner)
{
    SetValue(0);
}

void TMultiBaseEdit::SetBase(TBase base)
{
    std::int32_t value = Value();
    m_base = base;
    SetValue(value);
}

std::int32_t TMultiBaseEdit::Value() const
{
    std::string text = Text();
    if (text.empty())
        return 0;
    std::size_t zeros = text.find_first_not_of('0');
    text = zeros == std::string::npos ? "0" : text.substr(zeros);
    switch (m_base) {
    case bDEC: {
        long long value = StrToInt(text);
        if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
            throw EConvertError(Msg::InvalidInteger(text));
        return std::int32_t(value);
    }
    case bHEX: {
        if (text.size() > 8)
            return 0;
        std::uint32_t value = 0;
        for (char c : text) {
            unsigned digit = 0;
            if (c >= '0' && c <= '9')
                digit = unsigned(c - '0');
            else if (c >= 'A' && c <= 'F')
                digit = unsigned(c - 'A' + 10);
            else if (c >= 'a' && c <= 'f')
                digit = unsigned(c - 'a' + 10);
            value = value << 4 | digit;
        }
        return std::int32_t(value);
    }
    case bBIN: {
        if (text.size() > 32)
            return 0;
        std::uint32_t value = 0;
        for (char c : text)
            value = value << 1 | (c == '1' ? 1u : 0u);
        return std::int32_t(value);
    }
    }
    return 0;
}

void TMultiBaseEdit::SetValue(std::int32_t value)
{
    static const char kDigits[] = "0123456789ABCDEF";
    auto bits = std::uint32_t(value);
    std::string text;
    switch (m_base) {
    case bDEC:
        text = IntToStr(value);
        break;
    case bHEX:
        for (int shift = 28; shift >= 0; shift -= 4)
            text += kDigits[(bits >> shift) & 0xF];
        break;
    case bBIN:
        for (int shift = 31; shift >= 0; --shift)
            text += kDigits[(bits >> shift) & 1];
        break;
    }
    SetText(text);
}

bool TMultiBaseEdit::Accepts(char key) const
{
    if (key == '\b' || (key >= '0' && key <= '1'))
        return true;
    bool decimal = key >= '0' && key <= '9';
    bool hexLetter = (key >= 'A' && key <= 'F') || (key >= 'a' && key <= 'f');
    switch (m_base) {
    case bDEC:
        return decimal || (key == '-' && SelStart() == 0);
    case bHEX:
        return decimal || hexLetter;
    case bBIN:
        return false;
    }
    return false;
}

bool TMultiBaseEdit::WidgetEvent(QEvent* e)
{
    if (TEdit::WidgetEvent(e))
        return true;
    if (e->type() != QEvent::KeyPress)
        return false;
    // Only keys that type a character are filtered: the window's own keys
    // (Tab, Enter, Escape), Delete and the moving keys never reach the text
    // as one.
    auto* key = static_cast<QKeyEvent*>(e);
    if (key->text().isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Delete)
        return false;
    QChar c = key->text().at(0);
    return c.unicode() >= 0x80 || !Accepts(char(c.unicode()));
}
