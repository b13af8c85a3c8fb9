#include "platform/RegistryStore.h"

#include "platform/Exception.h"
#include "platform/FileIO.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view kHeader = "# corvana-registry 1";

// Holds the store folder's lock file for one transaction. Without a lock
// file (a folder that cannot be written) the transaction goes on unlocked;
// its write then fails anyway.
class StoreLock {
public:
    explicit StoreLock(const std::string& folder)
    {
        m_fd = ::open((folder + "/.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (m_fd >= 0) {
            while (::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
            }
        }
    }
    ~StoreLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);  // closing releases the lock
    }
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

private:
    int m_fd = -1;
};

bool needsEscape(unsigned char c, bool inName)
{
    if (c < 0x20 || c == 0x7F || c >= 0x80 || c == '%')
        return true;
    return inName && (c == '=' || c == '#' || c == '[');
}

std::string escape(std::string_view s, bool inName)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(s.size());
    for (char ch : s) {
        auto c = static_cast<unsigned char>(ch);
        if (needsEscape(c, inName)) {
            out.push_back('%');
            out.push_back(hex[c >> 4]);
            out.push_back(hex[c & 15]);
        } else {
            out.push_back(ch);
        }
    }
    return out;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<std::string> unescape(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '%') {
            out.push_back(s[i]);
            continue;
        }
        int hi = i + 1 < s.size() ? hexDigit(s[i + 1]) : -1;
        int lo = i + 2 < s.size() ? hexDigit(s[i + 2]) : -1;
        if (hi < 0 || lo < 0)
            return std::nullopt;
        out.push_back(char(hi * 16 + lo));
        i += 2;
    }
    return out;
}

void makeFolder(const std::string& path)
{
    // Each level in turn; the folders are the user's own.
    for (std::size_t slash = path.find('/', 1); ; slash = path.find('/', slash + 1)) {
        ::mkdir(path.substr(0, slash).c_str(), 0700);
        if (slash == std::string::npos)
            break;
    }
}

}  // namespace

std::string TRegistryStore::Folder()
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string base;
    if (config && config[0] == '/') {
        base = config;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home && *home ? home : "") + "/.config";
    }
    return base + "/corvana-registry";
}

std::string TRegistryStore::FileOf(const std::string& rootName) { return Folder() + "/" + rootName; }

std::optional<TRegistryStore> TRegistryStore::Load(const std::string& file)
{
    struct stat st;
    if (::stat(file.c_str(), &st) != 0 && errno == ENOENT)
        return TRegistryStore();
    try {
        return Parse(ReadRegularFile(file, kMaxFileSize, "it is larger than a settings file may be"));
    } catch (const Exception&) {
        return std::nullopt;
    }
}

TRegistryStore TRegistryStore::Modify(const std::string& file, const std::function<bool(TRegistryStore&)>& change)
{
    std::string folder = file.substr(0, file.rfind('/'));
    makeFolder(folder);
    StoreLock lock(folder);
    std::optional<TRegistryStore> store = Load(file);
    if (!store)
        throw Exception("The settings file " + file + " cannot be read");
    if (change(*store))
        WriteFileAtomically(file, store->Serialize());
    return std::move(*store);
}

std::optional<TRegistryStore> TRegistryStore::Parse(std::string_view text)
{
    TRegistryStore store;
    if (text.empty())
        return store;  // nothing stored yet
    std::size_t pos = 0;
    bool first = true;
    std::optional<std::string> section;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (first) {
            if (line != kHeader)
                return std::nullopt;
            first = false;
            continue;
        }
        if (line.empty() || line[0] == '#')
            continue;
        if (line[0] == '[') {
            if (line.back() != ']' || line.size() < 2)
                return std::nullopt;
            auto path = unescape(line.substr(1, line.size() - 2));
            if (!path || !withinLimits(normalise(*path)))
                return std::nullopt;
            section = store.CreateKey(*path);
            continue;
        }
        std::size_t eq = line.find('=');
        if (!section || eq == std::string_view::npos || line.size() < eq + 3 || line[eq + 2] != ':')
            return std::nullopt;
        auto name = unescape(line.substr(0, eq));
        auto data = unescape(line.substr(eq + 3));
        if (!name || !data || name->size() > kMaxValueName)
            return std::nullopt;
        TRegValue value;
        value.Name = *name;
        if (line[eq + 1] == 's') {
            value.Type = rdString;
            value.Text = *data;
        } else if (line[eq + 1] == 'i') {
            value.Type = rdInteger;
            auto [ptr, ec] = std::from_chars(data->data(), data->data() + data->size(), value.Integer);
            if (data->empty() || ec != std::errc() || ptr != data->data() + data->size())
                return std::nullopt;
        } else {
            return std::nullopt;
        }
        store.SetValue(*section, std::move(value));
    }
    if (first)
        return std::nullopt;
    return store;
}

std::string TRegistryStore::Serialize() const
{
    std::string out(kHeader);
    out += '\n';
    for (const auto& [folded, key] : m_keys) {
        // The root shows only when it holds values; every other key shows
        // even when empty, so that it stays there.
        if (folded.empty() && key.Values.empty())
            continue;
        out += '[' + escape(key.Path, false) + "]\n";
        for (const auto& [name, value] : key.Values) {
            out += escape(value.Name, true);
            if (value.Type == rdInteger)
                out += "=i:" + std::to_string(value.Integer);
            else
                out += "=s:" + escape(value.Text, false);
            out += '\n';
        }
    }
    return out;
}

std::string TRegistryStore::fold(std::string_view s)
{
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z')
            c = char(c + 32);
    return r;
}

// Drops empty names, so that "\Software\\Corvana\" is "Software\Corvana".
std::string TRegistryStore::normalise(std::string_view path)
{
    std::string out;
    std::size_t pos = 0;
    while (pos <= path.size()) {
        std::size_t sep = path.find('\\', pos);
        if (sep == std::string_view::npos)
            sep = path.size();
        if (sep > pos) {
            if (!out.empty())
                out += '\\';
            out += path.substr(pos, sep - pos);
        }
        pos = sep + 1;
    }
    return out;
}

bool TRegistryStore::withinLimits(std::string_view path)
{
    std::size_t depth = 0;
    std::size_t pos = 0;
    while (pos < path.size()) {
        std::size_t sep = path.find('\\', pos);
        if (sep == std::string_view::npos)
            sep = path.size();
        if (++depth > kMaxKeyDepth || sep - pos > kMaxKeyName)
            return false;
        pos = sep + 1;
    }
    return true;
}

std::optional<std::string> TRegistryStore::FindKey(const std::string& path) const
{
    std::string norm = normalise(path);
    if (norm.empty())
        return std::string();
    auto it = m_keys.find(fold(norm));
    if (it == m_keys.end())
        return std::nullopt;
    return it->second.Path;
}

std::string TRegistryStore::CreateKey(const std::string& path)
{
    std::string norm = normalise(path);
    // Each level keeps its whole path: the limits also keep the cost of a
    // deep key in bounds.
    if (!withinLimits(norm))
        throw Exception("The key " + norm.substr(0, kMaxKeyName) + " is too deep or its name too long");
    std::string stored;
    std::size_t pos = 0;
    while (pos < norm.size()) {
        std::size_t sep = norm.find('\\', pos);
        if (sep == std::string::npos)
            sep = norm.size();
        std::string prefix = norm.substr(0, sep);
        auto [it, added] = m_keys.try_emplace(fold(prefix));
        if (added)
            it->second.Path = stored.empty() ? norm.substr(pos, sep - pos) : stored + '\\' + norm.substr(pos, sep - pos);
        stored = it->second.Path;
        pos = sep + 1;
    }
    return stored;
}

bool TRegistryStore::DeleteKey(const std::string& path)
{
    std::string norm = fold(normalise(path));
    if (norm.empty() || !m_keys.count(norm))
        return false;
    std::string below = norm + '\\';
    m_keys.erase(norm);
    for (auto it = m_keys.lower_bound(below); it != m_keys.end() && it->first.compare(0, below.size(), below) == 0;)
        it = m_keys.erase(it);
    return true;
}

std::vector<std::string> TRegistryStore::SubKeyNames(const std::string& path) const
{
    std::vector<std::string> names;
    std::string norm = fold(normalise(path));
    std::string prefix = norm.empty() ? std::string() : norm + '\\';
    for (auto it = m_keys.lower_bound(prefix); it != m_keys.end() && it->first.compare(0, prefix.size(), prefix) == 0; ++it) {
        if (it->first.size() > prefix.size() && it->first.find('\\', prefix.size()) == std::string::npos)
            names.push_back(it->second.Path.substr(prefix.size()));
    }
    return names;
}

const TRegValue* TRegistryStore::FindValue(const std::string& path, const std::string& name) const
{
    auto key = m_keys.find(fold(normalise(path)));
    if (key == m_keys.end())
        return nullptr;
    auto it = key->second.Values.find(fold(name));
    return it == key->second.Values.end() ? nullptr : &it->second;
}

void TRegistryStore::SetValue(const std::string& path, TRegValue value)
{
    std::string norm = fold(normalise(path));
    auto key = m_keys.find(norm);
    if (key == m_keys.end())
        return;
    if (value.Name.size() > kMaxValueName)
        throw Exception("The value name " + value.Name.substr(0, kMaxKeyName) + " is too long");
    auto [it, added] = key->second.Values.try_emplace(fold(value.Name));
    if (!added)
        value.Name = it->second.Name;
    it->second = std::move(value);
}

bool TRegistryStore::DeleteValue(const std::string& path, const std::string& name)
{
    auto key = m_keys.find(fold(normalise(path)));
    return key != m_keys.end() && key->second.Values.erase(fold(name)) > 0;
}

std::vector<std::string> TRegistryStore::ValueNames(const std::string& path) const
{
    std::vector<std::string> names;
    auto key = m_keys.find(fold(normalise(path)));
    if (key != m_keys.end())
        for (const auto& [folded, value] : key->second.Values)
            names.push_back(value.Name);
    return names;
}
