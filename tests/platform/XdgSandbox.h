#pragma once
// Points the desktop's configuration and data folders at temporary folders
// for one test, with no $BROWSER, and puts the old values (and $PATH) back
// afterwards.

#include "tests/support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

class XdgSandbox {
public:
    XdgSandbox()
    {
        for (const char* name : { "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME", "XDG_DATA_DIRS", "BROWSER", "PATH" }) {
            const char* v = std::getenv(name);
            m_saved.emplace_back(name, v ? std::optional<std::string>(v) : std::nullopt);
        }
        // Each variable, its folder, and where in it the desktop files go.
        const std::tuple<const char*, std::string, const char*> folders[] = { { "XDG_CONFIG_HOME", Config(), "" },
            { "XDG_CONFIG_DIRS", SystemConfig(), "" }, { "XDG_DATA_HOME", Data(), "/applications" },
            { "XDG_DATA_DIRS", SystemData(), "/applications" } };
        for (const auto& [name, folder, applications] : folders) {
            std::filesystem::create_directories(folder + applications);
            ::setenv(name, folder.c_str(), 1);
        }
        ::unsetenv("BROWSER");
    }
    ~XdgSandbox()
    {
        for (auto& [name, value] : m_saved)
            value ? ::setenv(name.c_str(), value->c_str(), 1) : ::unsetenv(name.c_str());
    }

    std::string Config() const { return m_dir.File("config"); }
    std::string SystemConfig() const { return m_dir.File("etc-xdg"); }
    std::string Data() const { return m_dir.File("data"); }
    std::string SystemData() const { return m_dir.File("usr-share"); }
    std::string File(const std::string& name) const { return m_dir.File(name); }

    // A desktop file in the user's applications folder.
    void AddApplication(const std::string& id, const std::string& exec, const std::string& extra = {}) const
    {
        WriteFileBytes(Data() + "/applications/" + id, "[Desktop Entry]\nType=Application\nName=" + id + "\n" + extra + "Exec=" + exec + "\n");
    }
    void SetDefault(const std::string& listFolder, const std::string& mime, const std::string& ids) const
    {
        WriteFileBytes(listFolder + "/mimeapps.list", "[Added Associations]\n" + mime + "=other.desktop;\n\n[Default Applications]\n" + mime + "=" + ids + "\n");
    }

private:
    TempDir m_dir { "xdg" };
    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};
