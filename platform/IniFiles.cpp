#include "platform/IniFiles.h"

#include "platform/Exception.h"
#include "platform/FileIO.h"
#include "platform/StrUtils.h"

#include <algorithm>

TIniFile::TIniFile(const std::string& fileName)
    : m_fileName(fileName)
{
    std::string text;
    try {
        text = ReadRegularFile(fileName, kMaxFileSize, "it is larger than a profile file may be");
    } catch (const EStreamError&) {
        // A profile file that is not there, is too large or is no regular
        // file reads as empty.
    }
    parse(text);
}

TIniFile TIniFile::FromText(std::string_view text)
{
    TIniFile ini;
    ini.parse(text);
    return ini;
}

void TIniFile::parse(std::string_view text)
{
    std::string section;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string line = Trim(text.substr(pos, end - pos));
        pos = end + 1;
        if (end < text.size() && text[end] == '\r' && pos < text.size() && text[pos] == '\n')
            ++pos;
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[') {
            std::size_t close = line.find(']');
            section = Trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            m_sections.push_back(section);
            continue;
        }
        std::size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        m_entries.push_back({ section, Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)) });
    }
}

const std::string* TIniFile::find(const std::string& section, const std::string& key) const
{
    for (const Entry& e : m_entries)
        if (SameText(e.section, section) && SameText(e.key, key))
            return &e.value;
    return nullptr;
}

bool TIniFile::SectionExists(const std::string& section) const
{
    return std::any_of(m_sections.begin(), m_sections.end(), [&](const std::string& s) { return SameText(s, section); });
}

bool TIniFile::ValueExists(const std::string& section, const std::string& key) const { return find(section, key) != nullptr; }

std::string TIniFile::ReadString(const std::string& section, const std::string& key, const std::string& fallback) const
{
    const std::string* value = find(section, key);
    return value ? *value : fallback;
}

long long TIniFile::ReadInteger(const std::string& section, const std::string& key, long long fallback) const
{
    const std::string* value = find(section, key);
    return value ? StrToIntDef(*value, fallback) : fallback;
}
