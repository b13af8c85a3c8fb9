#include "platform/DesktopApps.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sys/stat.h>

namespace {

std::string env(const char* name)
{
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

std::string home() { return env("HOME"); }

std::vector<std::string> splitList(const std::string& value, char sep)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start <= value.size()) {
        std::size_t end = value.find(sep, start);
        if (end == std::string::npos)
            end = value.size();
        if (end > start)
            out.push_back(value.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

std::string withoutSlash(std::string folder)
{
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

// Only absolute folders count; a relative one in these variables is ignored.
void addFolder(std::vector<std::string>& out, const std::string& folder, const std::string& suffix = {})
{
    if (!folder.empty() && folder[0] == '/')
        out.push_back(withoutSlash(folder) + suffix);
}

std::vector<std::string> configFolders()
{
    std::vector<std::string> out;
    std::string h = env("XDG_CONFIG_HOME");
    addFolder(out, !h.empty() ? h : home() + "/.config");
    std::string dirs = env("XDG_CONFIG_DIRS");
    for (auto& d : splitList(!dirs.empty() ? dirs : "/etc/xdg", ':'))
        addFolder(out, d);
    return out;
}

std::vector<std::string> dataFolders()
{
    std::vector<std::string> out;
    std::string h = env("XDG_DATA_HOME");
    addFolder(out, !h.empty() ? h : home() + "/.local/share");
    std::string dirs = env("XDG_DATA_DIRS");
    for (auto& d : splitList(!dirs.empty() ? dirs : "/usr/local/share:/usr/share", ':'))
        addFolder(out, d);
    return out;
}

bool isFile(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string trim(const std::string& s)
{
    std::size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos)
        return {};
    std::size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

// The string escapes of a desktop file value.
std::string unescape(const std::string& v)
{
    std::string out;
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (v[i] != '\\' || i + 1 >= v.size()) {
            out += v[i];
            continue;
        }
        char c = v[++i];
        switch (c) {
        case 's': out += ' '; break;
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case '\\': out += '\\'; break;
        default:
            out += '\\';
            out += c;
        }
    }
    return out;
}

}

std::vector<std::string> MimeAppsListFiles()
{
    std::vector<std::string> out;
    for (auto& f : configFolders())
        out.push_back(f + "/mimeapps.list");
    for (auto& f : dataFolders())
        out.push_back(f + "/applications/mimeapps.list");
    return out;
}

std::vector<std::string> ApplicationFolders()
{
    std::vector<std::string> out;
    for (auto& f : dataFolders())
        out.push_back(f + "/applications");
    return out;
}

std::string FindDesktopFile(const std::string& desktopId)
{
    if (desktopId.empty() || desktopId.find('/') != std::string::npos || desktopId.find("..") != std::string::npos)
        return {};
    for (auto& folder : ApplicationFolders()) {
        std::string path = folder + "/" + desktopId;
        if (isFile(path))
            return path;
    }
    return {};
}

std::string ReadDesktopValue(const std::string& path, const std::string& group, const std::string& key)
{
    std::ifstream in(path, std::ios::binary);
    std::string line;
    bool inGroup = false;
    while (std::getline(in, line)) {
        std::string t = trim(line);
        if (t.empty() || t[0] == '#')
            continue;
        if (t[0] == '[') {
            inGroup = t == "[" + group + "]";
            continue;
        }
        if (!inGroup)
            continue;
        auto eq = t.find('=');
        if (eq != std::string::npos && trim(t.substr(0, eq)) == key)
            return unescape(trim(t.substr(eq + 1)));
    }
    return {};
}

std::vector<std::string> SplitExecLine(std::string_view line)
{
    std::vector<std::string> out;
    std::size_t i = 0, n = line.size();
    while (i < n) {
        while (i < n && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i >= n)
            break;
        std::string word;
        while (i < n && line[i] != ' ' && line[i] != '\t') {
            if (line[i] != '"') {
                word += line[i++];
                continue;
            }
            // A quoted stretch: a backslash takes the next character as it is.
            ++i;
            while (i < n && line[i] != '"') {
                if (line[i] == '\\' && i + 1 < n)
                    ++i;
                word += line[i++];
            }
            if (i < n)
                ++i;
        }
        out.push_back(std::move(word));
    }
    return out;
}

std::vector<std::string> RemoveFieldCodes(const std::vector<std::string>& words)
{
    std::vector<std::string> out;
    for (std::size_t w = 0; w < words.size(); ++w) {
        const std::string& word = words[w];
        bool lastWord = w + 1 == words.size();
        std::string kept;
        bool hadCode = false;
        for (std::size_t i = 0; i < word.size(); ++i) {
            if (word[i] == '%' && i + 1 < word.size()) {
                ++i;
                hadCode = true;
                continue;
            }
            // A "%" ending a word between others is a code whose character is
            // the blank; only the line's very last "%" stays.
            if (word[i] == '%' && !lastWord) {
                hadCode = true;
                continue;
            }
            kept += word[i];
        }
        if (!(hadCode && kept.empty()))
            out.push_back(std::move(kept));
    }
    return out;
}

namespace {

// The command of the first installed, shown application of `ids`.
std::vector<std::string> firstCommand(const std::vector<std::string>& ids, const std::vector<std::string>& removed = {})
{
    for (auto& id : ids) {
        if (std::find(removed.begin(), removed.end(), id) != removed.end())
            continue;
        std::string desktop = FindDesktopFile(id);
        if (desktop.empty() || ReadDesktopValue(desktop, "Desktop Entry", "Hidden") == "true")
            continue;
        auto words = RemoveFieldCodes(SplitExecLine(ReadDesktopValue(desktop, "Desktop Entry", "Exec")));
        if (!words.empty())
            return words;
    }
    return {};
}

std::vector<std::string> idsOf(const std::string& file, const char* group, const std::string& mimeType)
{
    std::vector<std::string> ids;
    for (auto& id : splitList(ReadDesktopValue(file, group, mimeType), ';'))
        if (!trim(id).empty())
            ids.push_back(trim(id));
    return ids;
}

}

std::vector<std::string> DefaultApplicationCommand(const std::string& mimeType)
{
    const std::vector<std::string> lists = MimeAppsListFiles();
    std::vector<std::string> added, removed;
    for (auto& list : lists) {
        auto words = firstCommand(idsOf(list, "Default Applications", mimeType));
        if (!words.empty())
            return words;
        for (auto& id : idsOf(list, "Removed Associations", mimeType))
            removed.push_back(id);
        for (auto& id : idsOf(list, "Added Associations", mimeType))
            added.push_back(id);
    }
    std::vector<std::string> cached;
    for (auto& folder : ApplicationFolders())
        for (auto& id : idsOf(folder + "/mimeinfo.cache", "MIME Cache", mimeType))
            cached.push_back(id);
    auto words = firstCommand(added, removed);
    return !words.empty() ? words : firstCommand(cached, removed);
}

std::vector<std::string> BrowserCommand(const std::string& address)
{
    for (const char* type : { "text/html", "x-scheme-handler/http" }) {
        auto words = DefaultApplicationCommand(type);
        if (!words.empty()) {
            words.push_back(address);
            return words;
        }
    }
    for (auto& entry : splitList(env("BROWSER"), ':')) {
        auto words = SplitExecLine(entry);
        if (words.empty())
            continue;
        bool placed = false;
        for (auto& word : words) {
            std::string out;
            for (std::size_t i = 0; i < word.size(); ++i) {
                if (word[i] == '%' && i + 1 < word.size() && (word[i + 1] == 's' || word[i + 1] == '%')) {
                    out += word[i + 1] == 's' ? address : "%";
                    placed |= word[i + 1] == 's';
                    ++i;
                } else {
                    out += word[i];
                }
            }
            word = std::move(out);
        }
        if (!placed)
            words.push_back(address);
        return words;
    }
    return { "xdg-open", address };
}
