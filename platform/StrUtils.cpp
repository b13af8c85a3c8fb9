#include "platform/StrUtils.h"

#include "platform/Exception.h"

#include <charconv>
#include <sys/stat.h>
#include <unistd.h>

static char upper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; }
static char lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; }

std::string UpperCase(std::string_view s)
{
    std::string r(s);
    for (char& c : r)
        c = upper(c);
    return r;
}

std::string LowerCase(std::string_view s)
{
    std::string r(s);
    for (char& c : r)
        c = lower(c);
    return r;
}

bool SameText(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

std::string Trim(std::string_view s)
{
    std::size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ')
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ')
        --e;
    return std::string(s.substr(b, e - b));
}

std::string IntToStr(long long v) { return std::to_string(v); }

long long StrToInt(std::string_view s)
{
    long long v = 0;
    std::string_view digits = s;
    if (!digits.empty() && digits[0] == '+')
        digits.remove_prefix(1);
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), v);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size())
        throw EConvertError(Msg::InvalidInteger(std::string(s)));
    return v;
}

long long StrToIntDef(std::string_view s, long long fallback)
{
    try {
        return StrToInt(s);
    } catch (const EConvertError&) {
        return fallback;
    }
}

std::string ExtractFilePath(std::string_view path)
{
    auto slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string ExtractFileDir(std::string_view path)
{
    auto slash = path.rfind('/');
    if (slash == std::string_view::npos)
        return {};
    if (slash == 0)
        return "/";
    return std::string(path.substr(0, slash));
}

std::string ExtractFileName(std::string_view path)
{
    auto slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string ExtractFileExt(std::string_view path)
{
    std::string name = ExtractFileName(path);
    auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

bool FileExists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string GetCurrentDir()
{
    std::string buf(4096, '\0');
    while (!::getcwd(buf.data(), buf.size())) {
        if (buf.size() > (1u << 20))
            return {};
        buf.resize(buf.size() * 2);
    }
    buf.resize(std::char_traits<char>::length(buf.c_str()));
    return buf;
}
