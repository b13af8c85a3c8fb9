#include "platform/Strings.h"

#include "platform/Exception.h"
#include "platform/FileIO.h"

void TStrings::LoadFromFile(const std::string& path) { SetText(ToEditorText(ReadWholeFile(path))); }

void TStrings::SaveToFile(const std::string& path) const { WriteFileAtomically(path, ToFileText(Text())); }

std::string TStringList::Strings(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(Msg::ListIndexError(index));
    return m_lines[std::size_t(index)];
}

std::string TStringList::Text() const
{
    std::string text;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (i)
            text += '\n';
        text += m_lines[i];
    }
    return text;
}

void TStringList::SetText(const std::string& text) { m_lines = SplitLines(text); }

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    if (text.empty())
        return lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            line.push_back(c);
        }
    }
    lines.push_back(std::move(line));
    return lines;
}
