#include "records/data_folder.h"

#include "records/player_files.h"

#include <cstdlib>
#include <optional>
#include <system_error>

namespace quintel {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// $XDG_DATA_HOME/quintel, or ~/.local/share/quintel when that is unset or not absolute (the
// freedesktop rule: a relative value is ignored).
std::optional<std::filesystem::path> userDataFolder(const UserFolders& user) {
    const std::filesystem::path dataHome(user.dataHome);
    if (dataHome.is_absolute()) {
        return dataHome / "quintel";
    }
    if (user.home.empty()) {
        return std::nullopt;
    }
    return std::filesystem::path(user.home) / ".local" / "share" / "quintel";
}

} // namespace

UserFolders userFoldersFromEnvironment() {
    return {environment("HOME"), environment("XDG_DATA_HOME")};
}

DataFolderChoice chooseDataFolder(const std::filesystem::path& programFolder,
                                  const UserFolders& user) {
    if (!dataFolderProblem(programFolder)) {
        return {programFolder, false};
    }
    if (const auto fallback = userDataFolder(user)) {
        std::error_code ignored; // a folder that cannot be made fails the test below
        std::filesystem::create_directories(*fallback, ignored);
        if (!dataFolderProblem(*fallback)) {
            return {*fallback, true};
        }
    }
    return {programFolder, false};
}

} // namespace quintel
