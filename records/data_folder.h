#pragma once

#include <filesystem>
#include <string>

namespace quintel {

// The user's folders that the game may fall back on: $HOME and $XDG_DATA_HOME, empty when unset.
struct UserFolders {
    std::string home;
    std::string dataHome;
};

UserFolders userFoldersFromEnvironment();

struct DataFolderChoice {
    std::filesystem::path folder;
    bool fallback = false; // the user's data folder, because the program's folder takes no files
};

// Where the player's files go. The program's own folder when files can be created in it, so a
// copy of the game carried on a stick keeps its players with it; otherwise (an installed game)
// the user's data folder "quintel", made if missing. When that cannot take files either, the
// program's folder, whose problem the sign-in then tells the player.
DataFolderChoice chooseDataFolder(const std::filesystem::path& programFolder,
                                  const UserFolders& user);

} // namespace quintel
