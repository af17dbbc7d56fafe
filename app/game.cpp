#include "app/game.h"

#include "records/player_files.h"

#include <utility>

namespace quintel {

Game::Game(std::filesystem::path folder, MessageBoxes& messageBoxes, RandomSource& randomSource)
    : messages(messageBoxes), random(randomSource), dataFolder(std::move(folder)),
      formWelcome(*this), formStart(*this), formCall(*this) {}

void Game::start() {
    formWelcome.Show();
}

void Game::SaveProfile() {
    if (auto problem =
            saveProfile(dataFolder, state.PlayerNames[0], state.ProfileCount, state.ProfileScore)) {
        messages.inform(*problem);
    }
}

void Game::quit() {
    history.close();
    formCall.Unload();
    formStart.Unload();
    formWelcome.Unload();
    quitRequested = true;
}

} // namespace quintel
