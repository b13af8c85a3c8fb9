#include "platform/Keys.h"

#include "platform/StrUtils.h"

#include <QKeyEvent>

namespace {

struct NamedKey {
    const char* name;
    std::uint16_t key;
};

const NamedKey kNamedKeys[] = {
    { "BkSp", VK_BACK }, { "Tab", VK_TAB }, { "Enter", VK_RETURN }, { "Esc", VK_ESCAPE }, { "Space", VK_SPACE },
    { "PgUp", VK_PRIOR }, { "PgDn", VK_NEXT }, { "End", VK_END }, { "Home", VK_HOME }, { "Left", VK_LEFT },
    { "Up", VK_UP }, { "Right", VK_RIGHT }, { "Down", VK_DOWN }, { "Ins", VK_INSERT }, { "Del", VK_DELETE },
};

std::string keyName(std::uint16_t key)
{
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
        return std::string(1, char(key));
    if (key >= VK_F1 && key < VK_F1 + 24)
        return "F" + std::to_string(key - VK_F1 + 1);
    for (const auto& k : kNamedKeys)
        if (k.key == key)
            return k.name;
    return {};
}

}

TShortCut ShortCut(std::uint16_t key, TShiftState shift)
{
    TShortCut sc = TShortCut(key & 0xFF);
    if (shift & ssShift)
        sc |= scShift;
    if (shift & ssCtrl)
        sc |= scCtrl;
    if (shift & ssAlt)
        sc |= scAlt;
    return sc;
}

TShortCut TextToShortCut(const std::string& text)
{
    TShortCut mods = 0;
    std::string rest = text;
    for (;;) {
        if (rest.size() > 6 && SameText(rest.substr(0, 6), "Shift+"))
            mods |= scShift, rest = rest.substr(6);
        else if (rest.size() > 5 && SameText(rest.substr(0, 5), "Ctrl+"))
            mods |= scCtrl, rest = rest.substr(5);
        else if (rest.size() > 4 && SameText(rest.substr(0, 4), "Alt+"))
            mods |= scAlt, rest = rest.substr(4);
        else
            break;
    }
    for (std::uint16_t key = 1; key < 0xFF; ++key) {
        std::string name = keyName(key);
        if (!name.empty() && SameText(name, rest))
            return TShortCut(mods | key);
    }
    return 0;
}

std::string ShortCutToText(TShortCut sc)
{
    std::string name = keyName(std::uint16_t(sc & 0xFF));
    if (name.empty())
        return {};
    std::string prefix;
    if (sc & scShift)
        prefix += "Shift+";
    if (sc & scCtrl)
        prefix += "Ctrl+";
    if (sc & scAlt)
        prefix += "Alt+";
    return prefix + name;
}

std::uint16_t VirtualKeyOf(const QKeyEvent* e)
{
    int k = e->key();
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
        return std::uint16_t('A' + (k - Qt::Key_A));
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return std::uint16_t('0' + (k - Qt::Key_0));
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24)
        return std::uint16_t(VK_F1 + (k - Qt::Key_F1));
    switch (k) {
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Shift:
        return VK_SHIFT;
    case Qt::Key_Control:
        return VK_CONTROL;
    case Qt::Key_Alt:
        return VK_MENU;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    default:
        break;
    }
    // Punctuation and the like: the platform's code for the character key.
    return std::uint16_t(e->nativeVirtualKey() & 0xFF);
}

TShiftState ShiftStateFromQt(int modifiers, int buttons)
{
    TShiftState s = 0;
    if (modifiers & Qt::ShiftModifier)
        s |= ssShift;
    if (modifiers & Qt::ControlModifier)
        s |= ssCtrl;
    if (modifiers & Qt::AltModifier)
        s |= ssAlt;
    if (buttons & Qt::LeftButton)
        s |= ssLeft;
    if (buttons & Qt::RightButton)
        s |= ssRight;
    if (buttons & Qt::MiddleButton)
        s |= ssMiddle;
    return s;
}

TShiftState ShiftStateOf(const QKeyEvent* e) { return ShiftStateFromQt(int(e->modifiers()), 0); }
