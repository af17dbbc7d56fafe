#include "app/game.h"

#include "app/computer_seats.h"
#include "model/counters.h"
#include "opponent/engine_player.h"
#include "records/player_files.h"
#include "records/record_book.h"

#include <cctype>
#include <utility>

namespace quintel {

Game::Game(std::filesystem::path folder, MessageBoxes& messageBoxes, RandomSource& randomSource)
    : messages(messageBoxes), random(randomSource), dataFolder(std::move(folder)),
      record(dataFolder), masterModels(dataFolder), match({}, randomSource), formWelcome(*this),
      formStart(*this), formCall(*this) {
    logs.names[1] = "AI";
    history.onProblem([this](std::string_view text) { tellFileProblem(text); });
    record.onProblem([this](std::string_view text) { tellFileProblem(text); });
    history.onLine([this](std::string_view text) { record.historyLine(text); });
    // In this order: the profile counts a call before the computer answers it, the logs hold it
    // before the table shows them, and the table has shown a decided game before it is recorded.
    match.addListener(learning_);
    match.addListener(logs);
    match.addListener(formStart);
    match.addListener(recorder_);
}

Game::~Game() = default;

void Game::start() {
    formWelcome.Show();
}

bool Game::signIn(const WelcomeChoice& choice) {
    // Refused before anything changes, so the player can simply type another name.
    auto refusal = playerNameProblem(choice.name);
    if (!refusal) {
        refusal = dataFolderProblem(dataFolder);
    }
    if (refusal) {
        messages.inform(*refusal);
        return false;
    }
    logs.names[0] = choice.name;
    firstTurnMode = 0;
    if (auto problem = history.create(dataFolder, choice.name)) {
        messages.inform(*problem);
        return false;
    }
    removeLeftoverTemporaries(dataFolder);
    const ProfileLoad load = loadProfile(dataFolder, choice.name, profile.counts, profile.scores);
    if (auto message = profileLoadMessage(load)) {
        messages.inform(*message);
    }
    // A player new to the game, with no profile and no game in the record, is offered the guide.
    if (!load.found && !recordHoldsGamesOf(dataFolder, choice.name)) {
        guide.offer();
    } else {
        guide.end();
    }
    if (!load.found) {
        // A profile that starts from nothing: the Master starts the player afresh as well.
        try {
            masterModels.forget(choice.name);
        } catch (const sqlite::Error&) {
            // The record cannot be written: the keeper tells of it with the first game.
        }
    }
    match.setOptions({choice.fixAny, choice.fixPermanent});
    profileLoaded();
    const Opponent seated = seatComputer(choice.opponent);
    history.writeLine(FormWelcome::optionsText(choice.fixAny, choice.fixPermanent));
    // Only the solved game's computers are named: a stay with the classic computer keeps the file
    // it always had.
    if (seated == Opponent::Expert || seated == Opponent::Master) {
        history.writeLine(seated == Opponent::Expert ? kExpertHistoryLine : kMasterHistoryLine);
    } else if (opponentName == recordName(Opponent::Engine)) {
        history.writeLine(engineHistoryLine(seats->engineName()));
    }
    history.writeLine("");
    return true;
}

Opponent Game::seatComputer(Opponent chosen) {
    if (seats == nullptr) {
        return Opponent::Classic;
    }
    // The learning of the seat before goes with it.
    if (seatLearning_ != nullptr) {
        match.removeListener(*seatLearning_);
        seatLearning_ = nullptr;
    }
    const ComputerSeats::Seated seated = seats->seat(
        chosen, match.options(),
        {random, *this, &profile, [this](const EngineFault& fault) { engineFault(fault); },
         [this](std::shared_ptr<const solver::SolvedGame> game) {
             return masterModel(std::move(game));
         },
         [this](const solver::PlayerModel& model) { keepMasterModel(model); }, masterRisk,
         masterWaits});
    if (!seated.problem.empty()) {
        messages.inform(seated.problem);
    }
    computer = seated.computer;
    opponentName = recordName(seated.opponent);
    seatLearning_ = seated.learning;
    if (seatLearning_ != nullptr) {
        match.addListener(*seatLearning_);
    }
    return seated.opponent;
}

std::shared_ptr<solver::PlayerModel>
Game::masterModel(std::shared_ptr<const solver::SolvedGame> game) {
    const auto text = masterModels.load(playerName(), match.options());
    auto model = text ? solver::PlayerModel::parse(*text, game) : std::nullopt;
    // A model that cannot be read is started again: what it held is lost, the games are not.
    return model ? std::make_shared<solver::PlayerModel>(std::move(*model)) : nullptr;
}

void Game::keepMasterModel(const solver::PlayerModel& model) {
    if (!record.enabled) {
        return;
    }
    try {
        masterModels.keep(playerName(), match.options(), model.serialise());
    } catch (const sqlite::Error&) {
        // The record keeper tells the player once that the record cannot be written.
    }
}

CoachSource::Figures Game::coachFigures(bool wait) {
    return coach.figures(computer, match.options(), seats, wait);
}

std::string Game::opponentTitle() const {
    if (opponentName == recordName(Opponent::Engine) && seats != nullptr) {
        return seats->engineName();
    }
    std::string title = opponentName;
    if (!title.empty()) {
        title.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(title.front())));
    }
    return title;
}

void Game::engineFault(const EngineFault& fault) {
    std::string text = "The " + fault.message + ".";
    if (fault.losesGame) {
        text += " It loses this game.";
    }
    if (fault.gone) {
        text += " The classic computer takes its seat.";
        opponentName = recordName(Opponent::Classic);
    }
    messages.inform(text);
}

void Game::startGame() {
    if (guide.state() == GuidedGame::State::Accepted) {
        startGuidedGame();
        return;
    }
    const bool playerStarts = firstTurnMode == 0 || firstTurnMode == 1;
    // Two seats: the whole part of a draw times two.
    const Seat starter = playerStarts || random.next() * 2 < 1 ? Seat::Human : Seat::Computer;
    match.startGame(starter);
    runComputer();
}

std::optional<std::string> Game::play(const match::Action& action) {
    if (auto refused = match.apply(action)) {
        return refused;
    }
    runComputer();
    return std::nullopt;
}

void Game::runComputer() {
    while (computer != nullptr && match.inPlay() && match.toMove() == Seat::Computer) {
        const match::Action action = computer->decide(match.viewFor(Seat::Computer));
        if (auto refused = match.apply(action)) {
            if (onComputerRefused) {
                onComputerRefused(action, *refused);
            } else {
                messages.inform("The computer's " + describe(action) + " breaks a rule (" +
                                *refused + "): it loses this game.");
            }
            history.writeLine("REFUSED : " + describe(action) + " : " + *refused);
            match.forfeit(Seat::Computer);
        }
    }
}

void Game::line(std::string_view text) {
    history.writeLine(text);
}

void Game::lineWithCallersDice(std::string_view before, std::string_view after) {
    history.writeLine(std::string(before) + match.dice().digits() + std::string(after));
}

void Game::SaveProfile() {
    saveProfileFigures(profile);
}

void Game::saveProfileFigures(const Profile& figures) {
    // Only what this stay changed is added to the profile as it is now, so another program's
    // saves since the sign-in stay; once saved, it is not added again.
    if (auto problem = saveProfileChanges(dataFolder, playerName(),
                                          {profileAtSignIn_.counts, profileAtSignIn_.scores},
                                          {figures.counts, figures.scores})) {
        tellFileProblem(*problem);
    } else {
        profileAtSignIn_ = figures;
    }
}

void Game::Recorder::gameStarted(const match::Match& table) {
    game_.history.holdLines();
    game_.record.matchStarted();
    if (game_.computer != nullptr) {
        game_.computer->gameStarted(Seat::Computer, table.options());
    }
}

void Game::Recorder::diceThrown(const match::Match& /*match*/, Seat seat, std::string_view thrown) {
    game_.record.diceThrown(seat, thrown);
}

void Game::Recorder::callMade(const match::Match& /*match*/, const match::CallRecord& made) {
    game_.record.callMade(made.caller, made.call.digits(), made.fixed.digits());
}

void Game::Recorder::gameDecided(const match::Match& /*match*/, const GameOutcome& outcome) {
    game_.gameDecided(outcome);
    if (game_.computer != nullptr) {
        game_.computer->gameDecided(Seat::Computer, outcome);
    }
}

bool Game::mayStartGuidedGameNow() const {
    return !match.inPlay() || (match.phase() == match::Phase::Opening && match.calls().empty() &&
                               match.toMove() == Seat::Human);
}

void Game::startGuidedGame() {
    if (!mayStartGuidedGameNow()) {
        guide.accept();
        return;
    }
    if (!beforeGuide_) {
        beforeGuide_ = BeforeGuide{random, profile};
        // The Master's learning sits the guided game out.
        if (seatLearning_ != nullptr) {
            match.removeListener(*seatLearning_);
            beforeGuide_->learningPaused = true;
        }
    }
    random = RandomSource(GuidedGame::kSeed);
    guide.begin();
    match.startGame(Seat::Human);
    runComputer();
}

void Game::guidedGameDecided() {
    guide.gameDecided();
    profile = beforeGuide_->profile;
    random = beforeGuide_->random;
    // The match copied its listeners before telling them, so this one hears from the next game.
    if (beforeGuide_->learningPaused && seatLearning_ != nullptr) {
        match.addListener(*seatLearning_);
    }
    beforeGuide_.reset();
}

void Game::gameDecided(const GameOutcome& outcome) {
    lastOutcome = outcome;
    const bool coachUsed = formStart.coachUsedInMatch();
    if (guidedGameInPlay()) {
        guidedGameDecided();
    } else {
        countGame(outcome, coachUsed);
    }
    history.writeLine(logs.callLog);
    history.writeLine(logs.fixLog);
    if (coachUsed) {
        history.writeLine(kCoachHistoryLine);
    }
    history.releaseLines();
}

void Game::countGame(const GameOutcome& outcome, bool coachUsed) {
    profileAfterLastGame_ = profile;
    countUp(tally.played);
    GameRecord game;
    game.player = playerName();
    game.fixAny = match.options().fixAny;
    game.fixPermanent = match.options().fixPermanent;
    game.opponent = opponentName;
    game.coachUsed = coachUsed;
    game.outcome = outcome;
    // A record that cannot keep the game says so once the player knows who won. A game lost by a
    // refused answer had no challenge to record.
    if (!outcome.forfeit) {
        record.gameDecided(std::move(game));
    }
    if (outcome.winner == Seat::Human) {
        countUp(tally.won);
    }
}

void Game::profileLoaded() {
    record.stayStarted(playerName());
    profileAtSignIn_ = profile;
    profileAfterLastGame_ = profileAtSignIn_;
}

void Game::endStay() {
    history.close();
    SaveProfile();
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
