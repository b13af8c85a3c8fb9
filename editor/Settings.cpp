#include "editor/Settings.h"

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
