#pragma once

#include "records/game_record.h"
#include "records/record_book.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quintel {

// The current time, UTC, in ISO 8601 with milliseconds ("2026-12-09T02:14:44.123Z").
std::string utcNow();

// Gathers the facts of the match in play as the table reports them and keeps each decided game
// in the player's record. Play never waits on the record: a record that cannot be opened or
// written is told once, and a damaged one is set aside and a new one started.
class RecordKeeper {
public:
    using ProblemHandler = std::function<void(std::string_view message)>;

    explicit RecordKeeper(std::filesystem::path dataFolder);
    ~RecordKeeper();

    void onProblem(ProblemHandler handler) { problemHandler_ = std::move(handler); }
    // Where the times come from; the clock by default.
    void useClock(std::function<std::string()> clock) { clock_ = std::move(clock); }

    // Off, no game is kept: a run whose data folder goes away with it.
    bool enabled = true;

    void matchStarted();
    void diceThrown(Seat seat, std::string_view digits);
    void callMade(Seat caller, std::string_view dice, std::string_view fixed);
    // A line written to the history file; kept with the match in play, for its review.
    void historyLine(std::string_view text);
    // Completes the match's facts with the rest of `game` (player, options, opponent, outcome)
    // and keeps it. A match whose start was not seen is not kept.
    void gameDecided(GameRecord game);

    // Games kept since this keeper started, and decided games it could not keep.
    long long gamesKept() const { return gamesKept_; }
    long long gamesLost() const { return gamesLost_; }

    // A stay at the table begins: `player` signed in. The games kept from now on are the stay's.
    void stayStarted(std::string player);
    // Who signed in last, and the number in the record of the first game of their stay (none
    // before a game of the stay is kept); nothing before anyone signed in.
    struct Stay {
        std::string player;
        std::optional<std::int64_t> firstGame;
    };
    const std::optional<Stay>& stay() const { return stay_; }

private:
    std::optional<std::int64_t> keep(const GameRecord& game);
    bool openBook();
    void setAside(const std::string& reason);
    void tellOnce(const std::string& message);

    std::filesystem::path dataFolder_;
    std::optional<GameRecord> match_;
    std::string thrownSinceCall_;
    std::optional<Stay> stay_;
    std::unique_ptr<RecordBook> book_;
    std::function<std::string()> clock_;
    ProblemHandler problemHandler_;
    bool told_ = false;
    long long gamesKept_ = 0;
    long long gamesLost_ = 0;
};

// Gives a damaged record another name beside it, "record.sqlite.damaged-<k>", with its log, so
// that nothing of it is lost and a new record can start. Returns the new name, or an empty path.
std::filesystem::path setRecordAside(const std::filesystem::path& path);

} // namespace quintel
