#include "app/game.h"

#include "app/computer_seats.h"
#include "records/player_files.h"

#include <utility>

namespace quintel {

Game::Game(std::filesystem::path folder, MessageBoxes& messageBoxes, RandomSource& randomSource)
    : messages(messageBoxes), random(randomSource), dataFolder(std::move(folder)),
      record(dataFolder), formWelcome(*this), formStart(*this), formCall(*this) {
    history.onProblem([this](std::string_view text) { tellFileProblem(text); });
    record.onProblem([this](std::string_view text) { tellFileProblem(text); });
    history.onLine([this](std::string_view text) { record.historyLine(text); });
}

void Game::start() {
    formWelcome.Show();
}

bool Game::seatComputer(Opponent chosen) {
    if (seats == nullptr) {
        return false;
    }
    const ComputerSeats::Seated seated =
        seats->seat(chosen, {state.FixAnyOption, state.FixPermanentOption});
    if (!seated.problem.empty()) {
        messages.inform(seated.problem);
    }
    computer = seated.computer;
    const bool expert = seated.opponent == Opponent::Expert;
    opponentName = expert ? "expert" : "classic";
    return expert;
}

void Game::SaveProfile() {
    saveProfileFigures(currentProfile());
}

void Game::saveProfileFigures(const ProfileFigures& figures) {
    // Only what this stay changed is added to the profile as it is now, so another program's
    // saves since the sign-in stay; once saved, it is not added again.
    if (auto problem = saveProfileChanges(dataFolder, state.PlayerNames[0],
                                          {profileAtSignIn_.counts, profileAtSignIn_.scores},
                                          {figures.counts, figures.scores})) {
        tellFileProblem(*problem);
    } else {
        profileAtSignIn_ = figures;
    }
}

void Game::gameDecided(const GameOutcome& outcome) {
    lastOutcome = outcome;
    profileAfterLastGame_ = currentProfile();
    GameRecord game;
    game.player = state.PlayerNames[0];
    game.fixAny = state.FixAnyOption;
    game.fixPermanent = state.FixPermanentOption;
    game.opponent = opponentName;
    game.coachUsed = formStart.coachUsedInMatch();
    game.outcome = outcome;
    record.gameDecided(std::move(game));
}

void Game::profileLoaded() {
    record.stayStarted(state.PlayerNames[0]);
    profileAtSignIn_ = currentProfile();
    profileAfterLastGame_ = profileAtSignIn_;
}

void Game::closeTable() {
    history.close();
    // Unchanged, the file is not touched: a profile kept read-only or found damaged stays as it
    // is, and no message about it interrupts the way out.
    if (profileAfterLastGame_ != profileAtSignIn_) {
        saveProfileFigures(profileAfterLastGame_);
    }
    quit();
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
