#include "dialogs/BlockLines.h"

#include <stdexcept>

std::string FillLine(std::string_view pattern, const TLineValues& values)
{
    std::string line;
    std::size_t at = 0;
    while (at < pattern.size()) {
        std::size_t open = pattern.find("${", at);
        std::size_t close = open == std::string_view::npos ? open : pattern.find('}', open);
        if (close == std::string_view::npos) {
            line += pattern.substr(at);
            break;
        }
        line += pattern.substr(at, open - at);
        std::string_view name = pattern.substr(open + 2, close - open - 2);
        const TLineValue* found = nullptr;
        for (const auto& value : values)
            if (value.name == name)
                found = &value;
        if (!found)
            throw std::logic_error("no value for ${" + std::string(name) + "}");
        line += found->value;
        at = close + 1;
    }
    return line;
}

std::vector<std::string> FillLines(const std::vector<std::string_view>& patterns, const TLineValues& values)
{
    std::vector<std::string> lines;
    lines.reserve(patterns.size());
    for (auto pattern : patterns)
        lines.push_back(FillLine(pattern, values));
    return lines;
}
