#pragma once
// The program's settings key, HKEY_LOCAL_MACHINE "Software\Corvana". Each
// command opens it (creating it when missing), reads or writes, and closes
// it again; no accessor lives on between commands.

#include "platform/Registry.h"

#include <memory>

class TSettingsKey {
public:
    TSettingsKey();
    ~TSettingsKey();
    TSettingsKey(const TSettingsKey&) = delete;
    TSettingsKey& operator=(const TSettingsKey&) = delete;

    TRegistry* operator->() { return m_registry.get(); }

private:
    std::unique_ptr<TRegistry> m_registry;
};
