#include "arena.h"

#include "app/computer_seats.h"
#include "app/game.h"
#include "model/call_rules.h"
#include "model/dice.h"
#include "model/message_boxes.h"
#include "opponent/classic_opponent.h"
#include "opponent/computer_player.h"
#include "opponent/expert_model.h"
#include "solver/best_response.h"
#include "table/game_outcome.h"
#include "table/result_texts.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <exception>
#include <optional>
#include <sstream>
#include <stdlib.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace quintel::arena {

namespace {

constexpr int kMostCallsInAGame = 200;
constexpr std::string_view kPlayerName = "Arena";

// A data folder of the run's own under the system's temporary folder, made with a name nobody
// else can have taken, and removed with everything in it afterwards.
class TemporaryFolder {
public:
    TemporaryFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quintel-selfplay-XXXXXX").string();
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

// The calls of a game's call log, one line "<name> Call: <digits>" each.
std::vector<std::string> loggedCalls(const std::string& log) {
    std::vector<std::string> calls;
    std::istringstream lines(log);
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t mark = line.find(" Call: ");
        if (mark != std::string::npos) {
            std::string digits = line.substr(mark + 7);
            if (!digits.empty() && digits.back() == '\r') {
                digits.pop_back();
            }
            calls.push_back(digits);
        }
    }
    return calls;
}

using LoggedCall = std::array<int, kDiceCount>;

LoggedCall callDigits(std::string_view digits) {
    LoggedCall dice{};
    for (std::size_t i = 0; i < dice.size() && i < digits.size(); ++i) {
        dice[i] = digits[i] - '0';
    }
    return dice;
}

// The computer as the best response reckons with it: one that has learnt nothing about the player,
// its profile emptied before each of its turns.
class UnlearnedComputer : public ComputerPlayer {
public:
    explicit UnlearnedComputer(ComputerPlayer& computer) : computer_(computer) {}
    void Computer_AI(Game& game) override {
        game.state.ProfileCount.fill(0);
        game.state.ProfileScore.fill(0);
        computer_.Computer_AI(game);
    }

private:
    ComputerPlayer& computer_;
};

class Arena : public MessageBoxes {
public:
    Arena(const ArenaConfig& config, const std::filesystem::path& folder,
          const solver::BestResponse* best, ComputerSeats* seats)
        : config_(config), random_(config.seed),
          seat_(config.policy, config.seed * 0x9E3779B97F4A7C15ULL + 1, best),
          game_(folder, *this, random_) {
        game_.computer = config.computer != nullptr ? config.computer : &opponent_;
        if (best != nullptr) {
            game_.computer = &unlearned_;
        }
        // The Expert is seated by the sign-in, as the player chooses it; it learns nothing.
        game_.seats = seats;
        // Games are recorded in a data folder given to the run, not in a temporary one.
        game_.record.enabled = !config.dataFolder.empty();
        game_.opponentName = config.computerName;
        game_.record.onProblem(
            [this](std::string_view text) { report_.recordProblems.emplace_back(text); });
        game_.onFileProblem = [this](std::string_view text) {
            report_.writeFailures.emplace_back(text);
        };
    }

    ArenaReport run();
    MessageAnswer show(std::string_view text, MessageButtons buttons) override;

private:
    void signIn();
    void playGame();
    bool humanCalls();
    void answerComputer();
    void changeDice();
    TableView view() const;
    void checkDice(std::string_view where);
    void checkProfile();
    void checkLog();
    void countOutcome();
    void fault(std::string text) { report_.faults.push_back(std::move(text)); }
    bool stopped();

    const ArenaConfig& config_;
    RandomSource random_;
    HumanSeat seat_;
    ComputerOpponent opponent_;
    UnlearnedComputer unlearned_{opponent_};
    Game game_;
    ArenaReport report_;
    bool gameOver_ = false;
    int callsThisGame_ = 0;
};

ArenaReport Arena::run() {
    const auto start = std::chrono::steady_clock::now();
    try {
        signIn();
        while (!stopped() && report_.games < config_.games) {
            playGame();
        }
    } catch (const std::exception& error) {
        fault(std::string("exception: ") + error.what());
    }
    // A run stopped in the middle of a game leaves the file open; closing it may still fail.
    game_.history.close();
    report_.recordFailed = game_.record.gamesLost() > 0;
    report_.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    report_.longestBluffSearch = opponent_.statistics().longestBluffSearch;
    report_.settledCalls = opponent_.statistics().settledCalls;
    return report_;
}

bool Arena::stopped() {
    if (!report_.interrupted && config_.interrupted) {
        report_.interrupted = config_.interrupted();
    }
    return !report_.faults.empty() || !report_.writeFailures.empty() || report_.interrupted;
}

MessageAnswer Arena::show(std::string_view text, MessageButtons buttons) {
    if (buttons == MessageButtons::YesNo) {
        if (text != kContinueQuestion) {
            fault("unexpected question: " + std::string(text));
            return MessageAnswer::No;
        }
        checkLog();
        countOutcome();
        ++report_.games;
        gameOver_ = true;
        return report_.games < config_.games && !stopped() ? MessageAnswer::Yes : MessageAnswer::No;
    }
    if (text != kWonByChallengeText && text != kWonAgainstChallengeText && text != kLostText &&
        text.find(std::string(kNotTrustText) + "\r\n") == std::string_view::npos &&
        !text.starts_with(kTallyPlayedText)) {
        fault("unexpected message: " + std::string(text));
    }
    return MessageAnswer::Ok;
}

// Counts the winner of the game just decided. The outcome is taken, so that a game that left none
// cannot be counted with the one before.
void Arena::countOutcome() {
    const std::optional<GameOutcome> outcome = std::exchange(game_.lastOutcome, std::nullopt);
    if (!outcome) {
        fault("a game ended without an outcome");
        return;
    }
    ++(outcome->winner == Seat::Human ? report_.humanWins : report_.computerWins);
}

void Arena::signIn() {
    game_.start();
    FormWelcome& welcome = game_.formWelcome;
    welcome.txtName.edited(std::string(kPlayerName));
    welcome.Check1.value = config_.options.fixAny;
    welcome.Check2.value = config_.options.fixPermanent;
    if (game_.seats != nullptr) {
        welcome.optExpert.click();
    }
    welcome.btnOK.click();
    if (!game_.formStart.shown()) {
        fault("sign-in did not open the table");
    }
}

void Arena::playGame() {
    gameOver_ = false;
    callsThisGame_ = 0;
    checkDice("the first throw");
    while (!gameOver_ && !stopped()) {
        if (!humanCalls()) {
            return;
        }
        if (!gameOver_ && !stopped()) {
            answerComputer();
        }
        if (callsThisGame_ > kMostCallsInAGame) {
            fault("a game of more than " + std::to_string(kMostCallsInAGame) + " calls");
        }
    }
}

bool Arena::humanCalls() {
    const std::string call = seat_.call(view());
    FormStart& table = game_.formStart;
    if (call.empty() || !table.Call1.enabled) {
        fault("the player has no call to make");
        return false;
    }
    table.Call1.click();
    FormCall& dialog = game_.formCall;
    const FaceCounts counts = countFaceDigits(call);
    for (int face = 1; face <= kFaces; ++face) {
        if (const int count = counts[static_cast<std::size_t>(face)]; count > 0) {
            dialog.Option1[callGridIndex(face, count)].click();
        }
    }
    dialog.OK.click();
    ++callsThisGame_;
    checkProfile();
    if (!gameOver_) {
        ++callsThisGame_; // the computer's answer
        const std::string& handed = game_.state.MessageFields[0];
        if (handed.size() != kDiceCount ||
            !std::all_of(handed.begin(), handed.end(), isFaceDigit)) {
            fault("the computer handed over the dice '" + handed + "'");
        }
    }
    return true;
}

void Arena::answerComputer() {
    FormStart& table = game_.formStart;
    if (!seat_.trusts(view())) {
        table.XTrust.click();
        return;
    }
    table.Trust.click();
    if (seat_.changes(view())) {
        changeDice();
    }
    checkDice("the player's turn");
}

void Arena::changeDice() {
    FormStart& table = game_.formStart;
    table.Change_Dice.click();
    const TableView now = view();
    const std::array<bool, 5> wanted = seat_.marks(now);
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        if (now.selectable[i] && wanted[i] != now.marked[i]) {
            table.Dice[i].click();
        }
    }
    table.Roll.click();
    const std::optional<std::string> meant = seat_.keptOnPurpose();
    if (meant && arrangeDigits(diceDigits(game_.state.FixDice)) != arrangeDigits(*meant)) {
        fault("the player meant to keep " + *meant + " but kept " +
              diceDigits(game_.state.FixDice));
    }
}

TableView Arena::view() const {
    const GameState& state = game_.state;
    const FormStart& table = game_.formStart;
    TableView seen;
    for (std::size_t i = 0; i < kDiceCount; ++i) {
        seen.dice += table.Dice[i].caption.empty() ? '0' : table.Dice[i].caption.front();
        seen.last[i] = state.LastCallDice[i];
        seen.selectable[i] = table.DiceSelectable[i];
        seen.marked[i] = state.DiceMarked[i];
    }
    seen.computerFix = diceDigits(state.FixDice);
    // Without a throw the computer holds the dice the player handed over, which the player knows.
    seen.computerKept = table.diceComputerThrew() == 0 ? state.MessageFields[0] : seen.computerFix;
    seen.lastLevel = state.LastCallLevel;
    return seen;
}

void Arena::checkDice(std::string_view where) {
    for (const Control& die : game_.formStart.Dice) {
        if (die.caption.empty() || !isFaceDigit(die.caption.front())) {
            fault("a die showing '" + die.caption + "' after " + std::string(where));
        }
    }
}

void Arena::checkProfile() {
    const GameState& state = game_.state;
    for (std::size_t k = 0; k < state.ProfileCount.size(); ++k) {
        const int count = state.ProfileCount[k];
        const int score = state.ProfileScore[k];
        if (count < 0 || count > kCounterMax || score < 0 || score > count) {
            fault("profile bucket " + std::to_string(k) + " holds " + std::to_string(score) +
                  " of " + std::to_string(count));
        }
    }
}

// Every recorded call of the game beats the one before it.
void Arena::checkLog() {
    const std::vector<std::string> calls = loggedCalls(game_.formStart.Text1.caption);
    report_.calls += static_cast<long long>(calls.size());
    for (std::size_t i = 1; i < calls.size(); ++i) {
        const LoggedCall call = callDigits(calls[i]);
        const LoggedCall last = callDigits(calls[i - 1]);
        if (!callBeats(call, shapeScore(countFaces(call)), last, shapeScore(countFaces(last)))) {
            fault("the call " + calls[i] + " does not beat " + calls[i - 1]);
        }
    }
    if (calls.size() > static_cast<std::size_t>(kMostCallsInAGame)) {
        fault("a game of " + std::to_string(calls.size()) + " calls");
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
    std::optional<ComputerSeats> seats;
    std::optional<ExpertPolicy> expert;
    if (config.computerName == "expert") {
        seats.emplace(config.solvedFolder);
        std::string problem;
        const auto solved = seats->solvedGame(config.options, problem);
        if (!solved) {
            ArenaReport report;
            report.faults.push_back("the expert computer cannot play: " + problem);
            return report;
        }
        expert.emplace(solved);
    }
    std::optional<ClassicOpponent> classic;
    std::optional<ExpertModel> expertModel;
    std::optional<solver::BestResponse> best;
    double tableSeconds = 0.0;
    if (config.policy == Policy::BestResponse) {
        const auto start = std::chrono::steady_clock::now();
        if (expert) {
            expertModel.emplace(*expert);
            best.emplace(*expertModel, config.options);
        } else {
            classic.emplace(config.options);
            best.emplace(*classic, config.options);
        }
        tableSeconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    Arena arena(config, folder, best ? &*best : nullptr, seats ? &*seats : nullptr);
    ArenaReport report = arena.run();
    if (best) {
        report.bestResponse = best->value();
        report.tableSeconds = tableSeconds;
    }
    return report;
}

} // namespace quintel::arena
