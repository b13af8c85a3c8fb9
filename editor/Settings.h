#pragma once
// The program's settings key, HKEY_LOCAL_MACHINE "Software\Corvana". Each
// command opens it (creating it when missing), reads or writes, and closes
// it again; no accessor lives on between commands.

#include "platform/Registry.h"

#include <memory>
#include <optional>
#include <set>
#include <string>

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

// The main window's reads of its settings. A value stored with another type
// than the window expects is shown by the application object once per name
// and window, then read as absent, so that start-up completes and a resize
// does not bring the message back.
class TSettingsReader {
public:
    std::string String(TSettingsKey&, const std::string& name);
    std::optional<int> Integer(TSettingsKey&, const std::string& name);

private:
    void wrongType(const std::string& name);
    std::set<std::string> m_shown;
};

// The main window's writes of its settings. A store that cannot be written
// (damaged, unreadable, a folder in its place) is left as it is; the first
// failure of a run is shown by the application object, later ones are not,
// and the command that stores goes on: what it stores only matters to later
// runs.
class TSettingsWriter {
public:
    void String(TSettingsKey&, const std::string& name, const std::string& value);
    void Integer(TSettingsKey&, const std::string& name, int value);

private:
    template<class Write>
    void write(Write&& store);
    bool m_shown = false;
};
