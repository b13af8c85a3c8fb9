#pragma once
// TRegistryStore: the keys and values of one registry root, and the file that
// keeps them between runs.
//
// Each root lives in its own file, $XDG_CONFIG_HOME/corvana-registry/<root>
// (~/.config when the variable is unset), in a readable text form:
//
//   # corvana-registry 1
//   [Software\Corvana]
//   Upercase=s:No
//   Panel=i:1
//
// A value line is name "=" type ("s" string, "i" integer) ":" data. Bytes that
// would break the form ("%", control characters, bytes from 0x80 up, and in
// names also "=", "#" and "[") are written as "%" and two hex digits, so any
// byte string survives. Keys and value names compare case-insensitively and
// keep the case they were created with.
//
// Every change is a transaction: under a lock file the current file is read
// again, the change applied and the whole file replaced in one step, so two
// programs never lose each other's writes. A file that cannot be read, or
// that is not in this form, is never written over.
//
// Keys are at most kMaxKeyDepth names deep, a key name at most kMaxKeyName
// bytes (the system registry's limit) and a value name at most
// kMaxValueName bytes, so that reading a file costs at most kMaxKeyDepth
// times its size. A file beyond them counts as not in the store's form;
// creating such a key or value raises Exception.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

struct TRegValue {
    std::string Name;  // as created
    TRegDataType Type = rdString;
    std::string Text;  // rdString
    int Integer = 0;   // rdInteger
};

class TRegistryStore {
public:
    static constexpr std::size_t kMaxKeyDepth = 64;
    static constexpr std::size_t kMaxKeyName = 255;
    static constexpr std::size_t kMaxValueName = 16383;
    // A file larger than this, or one that is no regular file (a FIFO, a
    // device, a folder), cannot be read: it is never waited on, and counts
    // as damaged.
    static constexpr std::size_t kMaxFileSize = std::size_t(4) << 20;

    // The folder of the store files and the file of one root.
    static std::string Folder();
    static std::string FileOf(const std::string& rootName);

    // The store as its file holds it now; a missing file is an empty store.
    // Nothing when the file cannot be read or is not in the store's form.
    static std::optional<TRegistryStore> Load(const std::string& file);
    // Reads the file again under the lock, lets change alter it and, when
    // change returns true, replaces the file. Returns the store as written.
    // Raises Exception when the file cannot be read, is not in the store's
    // form, or cannot be replaced; the file is then unchanged.
    static TRegistryStore Modify(const std::string& file, const std::function<bool(TRegistryStore&)>& change);

    static std::optional<TRegistryStore> Parse(std::string_view text);
    std::string Serialize() const;

    // Keys are given as paths of names separated by "\" (the root is "").
    // Each returns the path in the case it was created with, when found.
    std::optional<std::string> FindKey(const std::string& path) const;
    // Makes the key and every key above it; returns its path as stored.
    std::string CreateKey(const std::string& path);
    // Removes the key with every key below it; false when it is not there.
    bool DeleteKey(const std::string& path);
    std::vector<std::string> SubKeyNames(const std::string& path) const;

    const TRegValue* FindValue(const std::string& path, const std::string& name) const;
    // Sets a value of an existing key (a new value keeps the name's case).
    void SetValue(const std::string& path, TRegValue value);
    bool DeleteValue(const std::string& path, const std::string& name);
    std::vector<std::string> ValueNames(const std::string& path) const;

private:
    struct Key {
        std::string Path;  // as created
        std::map<std::string, TRegValue> Values;  // by folded name
    };
    static std::string fold(std::string_view);
    static std::string normalise(std::string_view path);
    static bool withinLimits(std::string_view normalisedPath);

    std::map<std::string, Key> m_keys{{std::string(), Key{}}};  // by folded path; the root is always there
};
