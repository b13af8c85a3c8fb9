#include "widgets/ita_common.h"

#include "platform/Application.h"
#include "platform/Exception.h"
#include "platform/Registry.h"

#include <QApplication>
#include <QApplication>
#include <QColor>
#include <QPalette>
#include <QToolTip>

#include <charconv>
#include <optional>

namespace {

std::string g_key;
std::string g_keyTitle;
bool g_built = false;

// The pale yellow of the application's hints.
void setHintColour()
{
    if (!qApp)
        return;
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, QColor(0xF5, 0xF5, 0xC8));
    QToolTip::setPalette(palette);
}

void buildKey()
{
    std::string title = Application ? Application->Title : std::string();
    if (g_built && title == g_keyTitle)
        return;
    std::string key = "Software\\Brelwick\\";
    {
        TRegistry reg;
        reg.OpenKey("Software\\Brelwick", true);
    }
    key += title + "\\";
    {
        TRegistry reg;
        reg.OpenKey(key.substr(0, key.size() - 1), true);
    }
    g_key = key;
    g_keyTitle = title;
    g_built = true;
    setHintColour();
}

std::string sectionPath(const std::string& section)
{
    std::string path = AppSettingsKey() + section;
    while (!path.empty() && path.back() == '\\')
        path.pop_back();
    return path;
}

// The stored text of a value; an integer value (not written by these
// helpers) reads as its decimal text.
std::optional<std::string> readValue(const std::string& section, const std::string& name)
{
    TRegistry reg;
    if (!reg.OpenKey(sectionPath(section), false) || !reg.ValueExists(name))
        return std::nullopt;
    try {
        if (reg.GetDataType(name) == rdInteger)
            return std::to_string(reg.ReadInteger(name));
        return reg.ReadString(name);
    } catch (const Exception&) {
        return std::nullopt;
    }
}

void writeValue(const std::string& section, const std::string& name, const std::string& value)
{
    try {
        TRegistry reg;
        if (reg.OpenKey(sectionPath(section), true))
            reg.WriteString(name, value);
    } catch (const Exception&) {
    }
}

}  // namespace

std::string AppSettingsKey()
{
    buildKey();
    return g_key;
}

int StoredInteger(const std::string& text, int def)
{
    const char* first = text.data();
    const char* last = first + text.size();
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        first += 2;
        base = 16;
    } else if (first != last && *first == '+') {
        ++first;
    }
    // One sign at most: the reader below takes a "-" of its own.
    if (first == last || (*first == '-' && first != text.data()))
        return def;
    long long value = 0;
    auto [end, ec] = std::from_chars(first, last, value, base);
    if (ec != std::errc() || end != last)
        return def;
    // Hexadecimal fills all 32 bits, as the class library reads "0xFFFFFFFF" as -1.
    if (base == 16 && value <= 0xFFFFFFFFLL)
        return int(std::uint32_t(value));
    if (value < INT32_MIN || value > INT32_MAX)
        return def;
    return int(value);
}

bool ReadRegBool(const std::string& section, const std::string& name, bool def)
{
    return ReadRegInteger(section, name, def ? 1 : 0) != 0;
}

int ReadRegInteger(const std::string& section, const std::string& name, int def)
{
    std::optional<std::string> text = readValue(section, name);
    return text ? StoredInteger(*text, def) : def;
}

std::string ReadRegString(const std::string& section, const std::string& name, const std::string& def)
{
    return readValue(section, name).value_or(def);
}

void WriteRegBool(const std::string& section, const std::string& name, bool value)
{
    writeValue(section, name, value ? "1" : "0");
}

void WriteRegInteger(const std::string& section, const std::string& name, int value)
{
    writeValue(section, name, std::to_string(value));
}

void WriteRegString(const std::string& section, const std::string& name, const std::string& value)
{
    writeValue(section, name, value);
}
