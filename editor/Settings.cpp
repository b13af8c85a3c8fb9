#include "editor/Settings.h"

#include "platform/Application.h"
#include "platform/Exception.h"

TSettingsKey::TSettingsKey()
    : m_registry(std::make_unique<TRegistry>())
{
    m_registry->RootKey = HKEY_LOCAL_MACHINE;
    m_registry->LazyWrite = false;
    // Not tested: a key that cannot be opened reads as empty, and writes
    // to it fail with the registry's own error.
    m_registry->OpenKey("Software\\Corvana", true);
}

TSettingsKey::~TSettingsKey() { m_registry->CloseKey(); }

std::string TSettingsReader::String(TSettingsKey& key, const std::string& name)
{
    try {
        return key->ReadString(name);
    } catch (const ERegistryException&) {
        wrongType(name);
        return {};
    }
}

std::optional<int> TSettingsReader::Integer(TSettingsKey& key, const std::string& name)
{
    if (!key->ValueExists(name))
        return std::nullopt;
    try {
        return key->ReadInteger(name);
    } catch (const ERegistryException&) {
        wrongType(name);
        return std::nullopt;
    }
}

// Called inside the catch block: the application object shows the error.
void TSettingsReader::wrongType(const std::string& name)
{
    if (m_shown.insert(name).second && Application)
        Application->HandleException(nullptr);
}

template<class Write>
void TSettingsWriter::write(Write&& store)
{
    try {
        store();
    } catch (const ERegistryException&) {
        if (!m_shown && Application) {
            m_shown = true;
            Application->HandleException(nullptr);
        }
    }
}

void TSettingsWriter::String(TSettingsKey& key, const std::string& name, const std::string& value)
{
    write([&] { key->WriteString(name, value); });
}

void TSettingsWriter::Integer(TSettingsKey& key, const std::string& name, int value)
{
    write([&] { key->WriteInteger(name, value); });
}
