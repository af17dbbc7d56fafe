#include "app/game.h"

#include "records/player_files.h"

#include <utility>

namespace quintel {

Game::Game(std::filesystem::path folder, MessageBoxes& messageBoxes, RandomSource& randomSource)
    : messages(messageBoxes), random(randomSource), dataFolder(std::move(folder)),
      formWelcome(*this), formStart(*this), formCall(*this) {
    history.onProblem([this](std::string_view text) { tellFileProblem(text); });
}

void Game::start() {
    formWelcome.Show();
}

void Game::SaveProfile() {
    if (auto problem =
            saveProfile(dataFolder, state.PlayerNames[0], state.ProfileCount, state.ProfileScore)) {
        tellFileProblem(*problem);
    }
}

void Game::tellFileProblem(std::string_view text) {
    if (onFileProblem) {
        onFileProblem(text);
    } else {
        messages.inform(text);
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
