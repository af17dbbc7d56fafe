#include "arena.h"

#include "against.h"
#include "app/computer_seats.h"
#include "app/game.h"
#include "game_line.h"
#include "match/player_hooks.h"
#include "model/message_boxes.h"
#include "opponent/classic_computer.h"
#include "opponent/classic_opponent.h"
#include "opponent/engine_player.h"
#include "opponent/expert_computer.h"
#include "opponent/expert_model.h"
#include "records/model_from_record.h"
#include "rule_check.h"
#include "screen_player.h"
#include "solver/best_response.h"
#include "table/result_texts.h"

#include <cerrno>
#include <chrono>
#include <exception>
#include <memory>
#include <optional>
#include <sstream>
#include <stdlib.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace quintel::arena {

namespace {

constexpr std::string_view kPlayerName = "Arena";

// A data folder of the run's own under the system's temporary folder, made with a name nobody
// else can have taken, and removed with everything in it afterwards.
class TemporaryFolder {
public:
    TemporaryFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quintel-match-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::system_error(errno, std::generic_category(),
                                    "cannot make a temporary folder " + pattern);
        }
        path_ = pattern;
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

bool isComputer(std::string_view name) {
    return name == "classic" || name == "expert" || name == "master";
}

bool playsTheSolvedGame(std::string_view name) {
    return name == "expert" || name == "master";
}

// Counts what a computer sees of the player's seat in every decided game.
class PlayerWatch : public match::MatchListener {
public:
    explicit PlayerWatch(std::shared_ptr<const solver::SolvedGame> game)
        : model_(std::move(game)) {}
    void gameDecided(const match::Match& match, const GameOutcome& outcome) override {
        const auto seen =
            outcome.forfeit ? std::nullopt : observationsOf(match.calls(), model_.tables());
        if (seen) {
            model_.add(*seen);
        }
    }
    const solver::PlayerModel& model() const { return model_; }

private:
    solver::PlayerModel model_;
};

constexpr std::string_view kEnginePrefix = "engine:";

// What the two seats are played by, made once for the run.
struct Players {
    std::optional<ComputerSeats> seats;
    std::shared_ptr<const solver::SolvedGame> solved;
    std::optional<ClassicOpponent> classicModel;
    std::optional<ExpertPolicy> expertPolicy;
    std::optional<ExpertModel> expertModel;
    std::optional<solver::BestResponse> best;
    double tableSeconds = 0.0;
    std::string problem; // why the run cannot start
};

// The players refer to one another's tables, so they are made in place.
void preparePlayers(const ArenaConfig& config, Players& players) {
    const bool expertPlays =
        playsTheSolvedGame(config.computerName) || config.human == "expert" || config.leaks;
    if (expertPlays || isComputer(config.computerName)) {
        players.seats.emplace(config.solvedFolder);
    }
    if (expertPlays) {
        std::string problem;
        players.solved = players.seats->solvedGame(config.options, problem);
        if (!players.solved) {
            players.problem = (config.leaks && !playsTheSolvedGame(config.computerName)
                                   ? "the leaks cannot be found: "
                                   : "the " + config.computerName + " computer cannot play: ") +
                              problem;
            return;
        }
        players.expertPolicy.emplace(players.solved);
    }
    if (config.policy() == Policy::BestResponse) {
        const auto start = std::chrono::steady_clock::now();
        if (config.computerName == "expert") {
            players.expertModel.emplace(*players.expertPolicy);
            players.best.emplace(*players.expertModel, config.options);
        } else {
            players.classicModel.emplace(config.options);
            players.best.emplace(*players.classicModel, config.options);
        }
        players.tableSeconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
}

class Arena : public MessageBoxes {
public:
    Arena(const ArenaConfig& config, const std::filesystem::path& folder, Players& players)
        : config_(config), players_(players), random_(config.seed), game_(folder, *this, random_),
          checks_(game_), playersRandom_(config.seed * 0x2545F4914F6CDD1DULL + 7) {
        game_.seats = players.seats ? &*players.seats : nullptr;
        // Games are recorded in a data folder given to the run, not in a temporary one.
        game_.record.enabled = !config.dataFolder.empty();
        game_.record.onProblem(
            [this](std::string_view text) { report_.recordProblems.emplace_back(text); });
        game_.onFileProblem = [this](std::string_view text) {
            report_.writeFailures.emplace_back(text);
        };
        game_.onComputerRefused = [this](const match::Action& action, std::string_view why) {
            const std::string text =
                "the computer's " + describe(action) + " was refused: " + std::string(why);
            if (config_.computerName.starts_with("engine:")) {
                report_.refusals.push_back(text);
            } else {
                fault(text);
            }
        };
        game_.match.addListener(checks_);
        if (config_.gameLine) {
            game_.match.addListener(lines_);
        }
        if (config_.leaks) {
            watch_.emplace(players.solved);
            game_.match.addListener(*watch_);
        }
    }

    ArenaReport run();
    MessageAnswer show(std::string_view text, MessageButtons buttons) override;

private:
    void seatPlayers();
    std::unique_ptr<match::Player> scripted(std::string_view name, std::uint64_t seed,
                                            const solver::BestResponse* best);
    std::unique_ptr<match::Player> engine(std::string_view name, match::SeatNotes& notes);
    std::unique_ptr<match::Player> computerAtPlayersSeat(std::string_view name);
    void signIn();
    void playThroughTheTable();
    void playThroughTheScreens();
    void gameOver();
    void fault(std::string text) { report_.faults.push_back(std::move(text)); }
    bool stopped();

    const ArenaConfig& config_;
    Players& players_;
    RandomSource random_;
    Game game_;
    RuleCheck checks_;
    GameLines lines_{[this](const std::string& line) { config_.gameLine(line); }};
    std::unique_ptr<match::Player> human_;
    // An engine at the player's seat hears of each game as the computer's seat does.
    std::optional<match::PlayerHooks> humanHooks_;
    std::unique_ptr<match::Player> computer_;
    // A computer at the player's seat draws from a source of its own.
    RandomSource playersRandom_;
    match::NoNotes noNotes_;
    std::optional<ScreenPlayer> screens_;
    std::optional<PlayerWatch> watch_;
    ArenaReport report_;
};

ArenaReport Arena::run() {
    const auto start = std::chrono::steady_clock::now();
    try {
        signIn();
        if (config_.onGame) {
            config_.onGame(game_);
        }
        if (config_.throughScreens) {
            playThroughTheScreens();
        } else {
            playThroughTheTable();
        }
    } catch (const std::exception& error) {
        fault(std::string("exception: ") + error.what());
    }
    // A run stopped in the middle of a game leaves the file open; closing it may still fail.
    game_.history.close();
    report_.recordFailed = game_.record.gamesLost() > 0;
    report_.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (watch_) {
        std::ostringstream leaks;
        solve::printLeaks(watch_->model(), leaks);
        report_.leaks = leaks.str();
    }
    if (const auto* follower = dynamic_cast<const ScriptedPlayer*>(human_.get());
        follower != nullptr && follower->coachGames() > 0) {
        report_.coachPromised =
            follower->coachPromised() / static_cast<double>(follower->coachGames());
    }
    for (const match::Player* player : {game_.computer, human_.get()}) {
        if (const auto* classic = dynamic_cast<const ClassicComputer*>(player)) {
            report_.longestBluffSearch =
                std::max(report_.longestBluffSearch, classic->statistics().longestBluffSearch);
            report_.settledCalls += classic->statistics().settledCalls;
        }
    }
    return report_;
}

bool Arena::stopped() {
    if (!report_.interrupted && config_.interrupted) {
        report_.interrupted = config_.interrupted();
    }
    if (!checks_.faults().empty()) {
        report_.faults.insert(report_.faults.end(), checks_.faults().begin(),
                              checks_.faults().end());
        checks_.clearFaults();
    }
    return !report_.faults.empty() || !report_.writeFailures.empty() || report_.interrupted;
}

MessageAnswer Arena::show(std::string_view text, MessageButtons buttons) {
    if (screens_ && screens_->expects(text, buttons)) {
        if (buttons == MessageButtons::YesNo) {
            gameOver();
            return report_.games < config_.games && !stopped() ? MessageAnswer::Yes
                                                               : MessageAnswer::No;
        }
        return MessageAnswer::Ok;
    }
    if (ScreenPlayer::meansABrokenRule(text)) {
        fault("the table said: " + std::string(text));
    } else {
        // What a player would be told and plays on after: a damaged profile set aside, an
        // Expert that cannot play.
        report_.notices.emplace_back(text);
    }
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
}

std::unique_ptr<match::Player> Arena::scripted(std::string_view name, std::uint64_t seed,
                                               const solver::BestResponse* best) {
    return std::make_unique<ScriptedPlayer>(*policyNamed(name), seed, best, [this] {
        // The follower waits for the coach's figures against the computer at the table.
        return game_.coachFigures(true).figures;
    });
}

std::unique_ptr<match::Player> Arena::computerAtPlayersSeat(std::string_view name) {
    if (name == "expert") {
        return std::make_unique<ExpertComputer>(players_.solved, playersRandom_, noNotes_);
    }
    return std::make_unique<ClassicComputer>(playersRandom_, noNotes_, nullptr);
}
// An engine's refused answer loses it the game and play goes on; an engine that ended stops the
// run.
std::unique_ptr<match::Player> Arena::engine(std::string_view name, match::SeatNotes& notes) {
    auto player = std::make_unique<EnginePlayer>(std::string(name.substr(kEnginePrefix.size())),
                                                 config_.moveTime);
    player->noteTo(notes);
    if (!player->startProblem().empty()) {
        fault(player->startProblem());
    }
    player->onFault([this](const EngineFault& problem) {
        if (problem.gone) {
            fault(problem.message);
        } else {
            report_.refusals.push_back(problem.message);
        }
    });
    return player;
}

// The computer's seat is the game's: a computer is seated by the sign-in, as the player chooses
// it, and writes its notes to the history. The best response and the coach's follower face a
// classic computer that learns nothing about the player, so that its play stays the same.
void Arena::seatPlayers() {
    const std::uint64_t humanSeed = config_.seed * 0x9E3779B97F4A7C15ULL + 1;
    if (config_.policy()) {
        human_ = scripted(config_.human, humanSeed, players_.best ? &*players_.best : nullptr);
    } else if (config_.human.starts_with(kEnginePrefix)) {
        human_ = engine(config_.human, noNotes_);
        humanHooks_.emplace(*human_, Seat::Human);
        game_.match.addListener(*humanHooks_);
    } else {
        human_ = computerAtPlayersSeat(config_.human);
    }
    if (config_.computer != nullptr) {
        game_.computer = config_.computer;
    } else if ((players_.best || config_.policy() == Policy::Coach) &&
               config_.computerName == "classic") {
        computer_ = std::make_unique<ClassicComputer>(random_, game_, nullptr);
        game_.computer = computer_.get();
    } else if (config_.computerName.starts_with(kEnginePrefix)) {
        computer_ = engine(config_.computerName, game_);
        game_.computer = computer_.get();
        game_.opponentName = "engine";
    } else if (!isComputer(config_.computerName)) {
        computer_ = scripted(config_.computerName, humanSeed + 1, nullptr);
        game_.computer = computer_.get();
        game_.opponentName = config_.computerName;
    }
}

void Arena::signIn() {
    const Opponent opponent = config_.computerName == "expert"   ? Opponent::Expert
                              : config_.computerName == "master" ? Opponent::Master
                                                                 : Opponent::Classic;
    game_.masterRisk = config_.masterRisk;
    game_.masterWaits = true;
    if (config_.throughScreens) {
        screens_.emplace(game_);
        screens_->signIn({std::string(kPlayerName), config_.options.fixAny,
                          config_.options.fixPermanent, opponent});
    } else if (!game_.signIn({std::string(kPlayerName), config_.options.fixAny,
                              config_.options.fixPermanent, opponent})) {
        fault("the player could not sign in");
        return;
    }
    seatPlayers();
    // Through the screens the sign-in has started the first game before the players were seated
    // here: they are told of it now, before its first call.
    if (game_.match.inPlay()) {
        human_->gameStarted(Seat::Human, game_.match.options());
        if (computer_) {
            computer_->gameStarted(Seat::Computer, game_.match.options());
        }
    }
}

void Arena::playThroughTheTable() {
    while (!stopped() && report_.games < config_.games) {
        game_.startGame();
        while (game_.match.inPlay() && !stopped()) {
            const match::Action action = human_->decide(game_.match.viewFor(Seat::Human));
            if (auto refused = game_.play(action)) {
                fault("the player's " + describe(action) + " was refused: " + *refused);
            }
        }
        if (game_.match.phase() == match::Phase::Decided) {
            gameOver();
        }
    }
    if (report_.faults.empty() && !report_.interrupted) {
        game_.endStay();
    }
}

void Arena::playThroughTheScreens() {
    if (!game_.formStart.shown()) {
        fault("sign-in did not open the table");
        return;
    }
    while (!stopped() && report_.games < config_.games && game_.formStart.shown()) {
        const long long before = report_.games;
        if (auto broken = screens_->checkDice("the first throw")) {
            fault(*broken);
        }
        while (report_.games == before && !stopped()) {
            if (auto broken = screens_->act(*human_)) {
                fault(*broken);
            }
        }
    }
}

// Counts the winner of the game just decided. The outcome is taken, so that a game that left none
// cannot be counted with the one before.
void Arena::gameOver() {
    const std::optional<GameOutcome> outcome = std::exchange(game_.lastOutcome, std::nullopt);
    if (!outcome) {
        fault("a game ended without an outcome");
        return;
    }
    report_.calls += static_cast<long long>(game_.match.calls().size());
    ++(outcome->winner == Seat::Human ? report_.humanWins : report_.computerWins);
    ++report_.games;
    if (config_.progress) {
        config_.progress(report_.games);
    }
}

} // namespace

ArenaReport runArena(const ArenaConfig& config) {
    std::optional<TemporaryFolder> temporary;
    std::filesystem::path folder = config.dataFolder;
    if (folder.empty()) {
        temporary.emplace();
        folder = temporary->path();
    } else {
        std::filesystem::create_directories(folder);
    }
    Players players;
    preparePlayers(config, players);
    if (!players.problem.empty()) {
        ArenaReport report;
        report.faults.push_back(players.problem);
        return report;
    }
    Arena arena(config, folder, players);
    ArenaReport report = arena.run();
    if (players.best) {
        report.bestResponse = players.best->value();
        report.tableSeconds = players.tableSeconds;
    }
    return report;
}

} // namespace quintel::arena
