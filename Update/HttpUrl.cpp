#include "Update/HttpUrl.h"

#include "platform/StrUtils.h"

THttpUrl SplitUrl(const std::string& url)
{
    THttpUrl parts;
    std::string rest;
    if (std::size_t scheme = url.find("://"); scheme != std::string::npos) {
        parts.Proto = url.substr(0, scheme);
        rest = url.substr(scheme + 3);
    } else if (LowerCase(url.substr(0, 7)) == "mailto:") {
        parts.Proto = "mailto";
        rest = url.substr(url.find(':') + 1);
    } else {
        rest = url;
    }

    std::size_t slash = rest.find('/');
    std::string authority = rest.substr(0, slash);
    if (slash != std::string::npos)
        parts.Path = rest.substr(slash);

    std::size_t at = authority.rfind('@');
    std::size_t colon = authority.rfind(':');
    if (colon != std::string::npos && (at == std::string::npos || colon > at)) {
        std::size_t hostStart = at == std::string::npos ? 0 : at + 1;
        parts.Port = authority.substr(colon + 1);
        parts.Host = authority.substr(hostStart, colon - hostStart);
    } else if (at != std::string::npos) {
        parts.Host = authority.substr(at + 1);
    } else {
        parts.Host = authority;
    }
    if (at != std::string::npos) {
        std::string userInfo = authority.substr(0, at);
        std::size_t split = userInfo.find(':');
        parts.User = userInfo.substr(0, split);
        if (split != std::string::npos)
            parts.Pass = userInfo.substr(split + 1);
    }
    return parts;
}

std::string DocumentNameOf(const std::string& path)
{
    std::string name = path.substr(0, path.find('?'));
    if (!name.empty() && name.back() == '/')
        name.pop_back();
    name = name.substr(name.rfind('/') + 1);
    if (name.size() > 255)
        name.resize(255);
    return name.empty() ? "document.htm" : name;
}

std::string ResolveRelativePath(const std::string& current, const std::string& value)
{
    if (!value.empty() && value[0] == '/')
        return value;
    std::string base = current.substr(0, current.find('?'));
    std::size_t lastSlash = base.rfind('/');
    base = lastSlash == std::string::npos ? "/" : base.substr(0, lastSlash + 1);
    return base + value;
}

bool ValidPort(const std::string& port)
{
    if (port.empty() || port.size() > 5)
        return false;
    long value = 0;
    for (char c : port) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return value >= 1 && value <= 65535;
}
