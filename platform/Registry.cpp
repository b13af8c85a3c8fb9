#include "platform/Registry.h"

#include "platform/Exception.h"

namespace {

const char* rootName(HKEY root)
{
    switch (root) {
    case HKEY_CLASSES_ROOT:
        return "HKEY_CLASSES_ROOT";
    case HKEY_CURRENT_USER:
        return "HKEY_CURRENT_USER";
    case HKEY_LOCAL_MACHINE:
        return "HKEY_LOCAL_MACHINE";
    }
    return nullptr;
}

}  // namespace

TRegistry::TRegistry() = default;

TRegistry::~TRegistry() { CloseKey(); }

std::string TRegistry::file() const
{
    const char* name = rootName(m_path ? m_openRoot : RootKey);
    return name ? TRegistryStore::FileOf(name) : std::string();
}

std::string TRegistry::resolve(const std::string& key) const
{
    if (!key.empty() && key[0] == '\\')
        return key;
    if (!m_path || m_path->empty() || m_openRoot != RootKey)
        return key;
    return *m_path + '\\' + key;
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate)
{
    const char* name = rootName(RootKey);
    if (!name)
        return false;
    const std::string path = resolve(key);
    const std::string storeFile = TRegistryStore::FileOf(name);
    std::optional<TRegistryStore> store = TRegistryStore::Load(storeFile);
    if (!store) {
        // Nothing read before may be trusted now: reads find nothing and
        // writes fail until a key opens again.
        CloseKey();
        return false;
    }
    std::optional<std::string> found = store->FindKey(path);
    if (!found) {
        if (!canCreate)
            return false;
        try {
            store = TRegistryStore::Modify(storeFile, [&](TRegistryStore& s) {
                if (s.FindKey(path))
                    return false;  // another program made it meanwhile
                s.CreateKey(path);
                return true;
            });
        } catch (const Exception&) {
            return false;
        }
        found = store->FindKey(path);
        if (!found)
            return false;
    }
    m_snapshot = std::move(*store);
    m_path = *found;
    m_openRoot = RootKey;
    return true;
}

void TRegistry::CloseKey()
{
    m_path.reset();
    m_snapshot = TRegistryStore();
}

bool TRegistry::KeyExists(const std::string& key)
{
    const char* name = rootName(RootKey);
    if (!name)
        return false;
    std::optional<TRegistryStore> store = TRegistryStore::Load(TRegistryStore::FileOf(name));
    return store && store->FindKey(resolve(key)).has_value();
}

bool TRegistry::DeleteKey(const std::string& key)
{
    const char* name = rootName(RootKey);
    const std::string path = resolve(key);
    if (!name)
        return false;
    bool deleted = false;
    try {
        TRegistryStore store = TRegistryStore::Modify(TRegistryStore::FileOf(name), [&](TRegistryStore& s) {
            deleted = s.DeleteKey(path);
            return deleted;
        });
        if (m_path && m_openRoot == RootKey)
            m_snapshot = std::move(store);
    } catch (const Exception&) {
        return false;
    }
    return deleted;
}

std::vector<std::string> TRegistry::GetKeyNames() const
{
    return m_path ? m_snapshot.SubKeyNames(*m_path) : std::vector<std::string>();
}

bool TRegistry::ValueExists(const std::string& name) const
{
    return m_path && m_snapshot.FindValue(*m_path, name);
}

TRegDataType TRegistry::GetDataType(const std::string& name) const
{
    const TRegValue* value = m_path ? m_snapshot.FindValue(*m_path, name) : nullptr;
    return value ? value->Type : rdUnknown;
}

std::vector<std::string> TRegistry::GetValueNames() const
{
    return m_path ? m_snapshot.ValueNames(*m_path) : std::vector<std::string>();
}

bool TRegistry::DeleteValue(const std::string& name)
{
    if (!m_path)
        return false;
    bool deleted = false;
    try {
        m_snapshot = TRegistryStore::Modify(file(), [&](TRegistryStore& s) {
            deleted = s.DeleteValue(*m_path, name);
            return deleted;
        });
    } catch (const Exception&) {
        return false;
    }
    return deleted;
}

std::string TRegistry::ReadString(const std::string& name) const
{
    const TRegValue* value = m_path ? m_snapshot.FindValue(*m_path, name) : nullptr;
    if (!value)
        return std::string();
    if (value->Type != rdString && value->Type != rdExpandString)
        throw ERegistryException(Msg::InvalidRegType(name));
    return value->Text;
}

int TRegistry::ReadInteger(const std::string& name) const
{
    const TRegValue* value = m_path ? m_snapshot.FindValue(*m_path, name) : nullptr;
    if (!value)
        throw ERegistryException(Msg::RegGetDataFailed(name));
    if (value->Type != rdInteger)
        throw ERegistryException(Msg::InvalidRegType(name));
    return value->Integer;
}

bool TRegistry::ReadBool(const std::string& name) const { return ReadInteger(name) != 0; }

void TRegistry::WriteString(const std::string& name, const std::string& text)
{
    TRegValue value;
    value.Name = name;
    value.Type = rdString;
    value.Text = text;
    writeValue(value);
}

void TRegistry::WriteInteger(const std::string& name, int number)
{
    TRegValue value;
    value.Name = name;
    value.Type = rdInteger;
    value.Integer = number;
    writeValue(value);
}

void TRegistry::WriteBool(const std::string& name, bool flag) { WriteInteger(name, flag ? 1 : 0); }

void TRegistry::writeValue(const TRegValue& value)
{
    if (!m_path)
        throw ERegistryException(Msg::RegSetDataFailed(value.Name));
    try {
        m_snapshot = TRegistryStore::Modify(file(), [&](TRegistryStore& s) {
            // Another program may have removed the key since it was opened.
            std::string path = s.CreateKey(*m_path);
            s.SetValue(path, value);
            return true;
        });
    } catch (const Exception&) {
        throw ERegistryException(Msg::RegSetDataFailed(value.Name));
    }
}
