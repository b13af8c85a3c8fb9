#include "platform/ScreenFonts.h"

#include "platform/TextCodec.h"

#include <QFontDatabase>
#include <QStringList>

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
    std::vector<std::string> names;
    for (const QString& family : QFontDatabase::families())
        names.push_back(QStringToBytes(family));
    return names;
}

void SetScreenFontsSource(std::function<std::vector<std::string>()> s) { source() = std::move(s); }
