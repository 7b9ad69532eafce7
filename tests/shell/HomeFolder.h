// A home folder of the test's own: HOME and XDG_CONFIG_HOME point into it
// while the keeper lives; then the environment and the game's folders are
// as they were and the folder is gone.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "shell/Settings.h"

namespace ravel::test {

class HomeFolder {
public:
    explicit HomeFolder(std::filesystem::path home)
        : m_home(std::move(home)),
          m_folders(CurrentFolders()),
          m_oldHome(Get("HOME")),
          m_oldConfig(Get("XDG_CONFIG_HOME")) {
        std::filesystem::remove_all(m_home);
        std::filesystem::create_directories(m_home);
        setenv("HOME", m_home.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (m_home / ".config").c_str(), 1);
    }
    ~HomeFolder() {
        Put("HOME", m_oldHome);
        Put("XDG_CONFIG_HOME", m_oldConfig);
        RestoreFolders(m_folders);
        std::error_code error;
        std::filesystem::remove_all(m_home, error);
    }
    HomeFolder(const HomeFolder&) = delete;
    HomeFolder& operator=(const HomeFolder&) = delete;

    const std::filesystem::path& Path() const { return m_home; }
    std::string operator/(const std::string& rest) const { return (m_home / rest).string(); }

private:
    static std::optional<std::string> Get(const char* name) {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    }
    static void Put(const char* name, const std::optional<std::string>& value) {
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }

    std::filesystem::path m_home;
    GameFolders m_folders;
    std::optional<std::string> m_oldHome, m_oldConfig;
};

}  // namespace ravel::test
