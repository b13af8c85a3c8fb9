#include "platform/ScreenFonts.h"

#include "platform/TextCodec.h"

#include <QFontDatabase>
#include <QStringList>

#include <algorithm>

namespace {

std::function<std::vector<std::string>()>& source()
{
    static std::function<std::vector<std::string>()> s;
    return s;
}

}

std::vector<std::string> ScreenFonts()
{
    if (source())
        return source()();
    // A family that several foundries make is listed as "Name [foundry]";
    // the desktop lists it once, by the name a page can ask for.
    std::vector<std::string> names;
    for (const QString& family : QFontDatabase::families()) {
        qsizetype bracket = family.indexOf(QLatin1String(" ["));
        std::string name = QStringToBytes(bracket < 0 ? family : family.left(bracket));
        if (std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    }
    return names;
}

void SetScreenFontsSource(std::function<std::vector<std::string>()> s) { source() = std::move(s); }
