#include "platform/FileMask.h"

#include "platform/StrUtils.h"

#include <string_view>

std::vector<TFilterItem> ParseFilter(const std::string& filter)
{
    std::vector<TFilterItem> items;
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= filter.size() && !filter.empty()) {
        std::size_t bar = filter.find('|', start);
        if (bar == std::string::npos) {
            parts.push_back(filter.substr(start));
            break;
        }
        parts.push_back(filter.substr(start, bar - start));
        start = bar + 1;
    }
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        TFilterItem item{parts[i], i + 1 < parts.size() ? parts[i + 1] : std::string()};
        if (!item.Description.empty() || !item.Mask.empty())  // a trailing "|" adds no entry
            items.push_back(std::move(item));
    }
    return items;
}

std::vector<std::string> SplitMaskList(const std::string& maskList)
{
    std::vector<std::string> masks;
    std::size_t start = 0;
    while (start <= maskList.size()) {
        std::size_t semi = maskList.find(';', start);
        if (semi == std::string::npos)
            semi = maskList.size();
        std::string mask = Trim(std::string_view(maskList).substr(start, semi - start));
        if (!mask.empty())
            masks.push_back(mask);
        start = semi + 1;
    }
    return masks;
}

static char fold(char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; }

// Greedy match with one back-tracking point: linear in practice and never
// exponential, whatever the number of stars.
static bool matches(std::string_view name, std::string_view mask)
{
    std::size_t n = 0, m = 0;
    std::size_t starMask = std::string_view::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || (mask[m] != '*' && fold(mask[m]) == fold(name[n])))) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (starMask != std::string_view::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

bool MatchesMask(const std::string& fileName, const std::string& maskList)
{
    std::string name = ExtractFileName(fileName);
    for (const std::string& mask : SplitMaskList(maskList)) {
        if (mask == "*.*" || matches(name, mask))
            return true;
    }
    return false;
}
