#pragma once
// TRegistry: the class library's registry accessor over the settings store
// (platform/RegistryStore.h).
//
// Set RootKey, open a key, read or write its values, close it. Opening reads
// the root's file again, so a key opened now sees what other programs wrote
// before. Writes go to the file at once, whatever LazyWrite says.
//
// When the store cannot be opened (its file cannot be read or is damaged),
// OpenKey returns false; reads then find nothing and writes raise
// ERegistryException "Failed to set data for 'X'", and the file is left as it
// is.

#include "platform/RegistryStore.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using HKEY = std::uint32_t;
constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000;
constexpr HKEY HKEY_CURRENT_USER = 0x80000001;
constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;

class TRegistry {
public:
    TRegistry();
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    HKEY RootKey = HKEY_CURRENT_USER;
    bool LazyWrite = true;

    // Key names are separated by "\"; a leading "\" starts from the root,
    // otherwise the name is taken from the open key (or the root when none
    // is open). Names compare case-insensitively.
    bool OpenKey(const std::string& key, bool canCreate);
    void CloseKey();
    // The open key's path as stored; empty when none (or the root) is open.
    std::string CurrentPath() const { return m_path.value_or(std::string()); }

    bool KeyExists(const std::string& key);
    bool DeleteKey(const std::string& key);
    std::vector<std::string> GetKeyNames() const;

    // Values of the open key.
    bool ValueExists(const std::string& name) const;
    TRegDataType GetDataType(const std::string& name) const;  // rdUnknown when absent
    std::vector<std::string> GetValueNames() const;
    bool DeleteValue(const std::string& name);

    // Empty when absent; ERegistryException when the value is an integer.
    std::string ReadString(const std::string& name) const;
    void WriteString(const std::string& name, const std::string& value);
    // ERegistryException when absent or a string.
    int ReadInteger(const std::string& name) const;
    void WriteInteger(const std::string& name, int value);
    // Stored as the integers 0 and 1; any other number reads as true.
    bool ReadBool(const std::string& name) const;
    void WriteBool(const std::string& name, bool value);

private:
    std::string resolve(const std::string& key) const;
    std::string file() const;
    void writeValue(const TRegValue& value);

    std::optional<std::string> m_path;  // the open key
    HKEY m_openRoot = 0;                // the root it was opened on
    TRegistryStore m_snapshot;          // the store as the open key last saw it
};
