#pragma once

#include "records/dice_check.h"
#include "records/record_book.h"
#include "records/record_summary.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quintel {

// One game as the list of games shows it: enough to find it again, without its calls.
struct GameRow {
    std::int64_t id = 0;
    std::string player;
    std::string started;
    std::string options; // in words, as optionsName gives them
    std::string opponent;
    int calls = 0;
    Seat challenger = Seat::Human;
    Seat winner = Seat::Human;
};

// The games of the list, kept compactly: a row takes some 48 bytes (a million games under 50 MB,
// where rows of strings took 250 MB), each name is kept once, and of a game's start the first 24
// bytes, all of an ISO 8601 time and more than the list shows. A row is given out whole.
class GameRows {
public:
    std::size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }
    void reserve(std::size_t rows) { rows_.reserve(rows); }
    void clear();
    GameRow operator[](std::size_t row) const;
    // As operator[], throwing std::out_of_range past the last row.
    GameRow at(std::size_t row) const;
    std::int64_t id(std::size_t row) const { return rows_.at(row).id; }

    // A game from the record's columns, without making strings of them.
    void add(std::int64_t id, std::string_view player, std::string_view started, bool fixAny,
             bool fixPermanent, std::string_view opponent, int calls, Seat challenger, Seat winner);
    // The number of a name among those kept, the same for the same name.
    std::uint32_t nameNumber(std::string_view name);
    const std::string& name(std::uint32_t number) const { return names_[number]; }

private:
    static constexpr std::size_t kStartedKept = 24;
    struct Row {
        std::int64_t id = 0;
        std::uint32_t player = 0;
        std::uint32_t opponent = 0;
        std::int32_t calls = 0;
        std::array<char, kStartedKept> started{};
        std::uint8_t startedSize = 0;
        std::uint8_t flags = 0; // fix any, fix permanent, challenger, winner: one bit each
    };
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const {
            return std::hash<std::string_view>{}(name);
        }
    };
    static constexpr std::uint32_t kNoName = 0xFFFFFFFF;
    std::vector<Row> rows_;
    std::vector<std::string> names_;
    std::unordered_map<std::string, std::uint32_t, NameHash, std::equal_to<>> numbers_;
    std::array<std::uint32_t, 2> recent_{kNoName, kNoName};
    std::size_t nextRecent_ = 0;
};

// The player's games and wins up to a game, and the win rate of the games just before it.
struct TimelinePoint {
    long long game = 0; // 1 for the first game
    long long wins = 0;
    double movingWinRate = 0.0;
};

// Wins among the games of one kind (an option set, an opponent), with the rate's 95 % interval.
struct GroupRate {
    std::string name;
    WinTally tally;
    double rate = 0.0;
    Interval interval;
};

// How many challenges one seat made and how many of them it won.
struct ChallengeTally {
    long long made = 0;
    long long won = 0;
    bool operator==(const ChallengeTally&) const = default;
};

// The dice thrown in some games, and what the check against a fair die makes of them.
struct DiceFigures {
    FaceTally faces{};
    DiceCheck check;
    std::string verdict;
};

// Which games the statistics look at: one player's (none: everyone's in the folder), and from
// which game on the present stay runs.
struct StatisticsScope {
    std::optional<std::string> player;
    std::optional<std::int64_t> stayFrom;
};

// Everything the statistics window shows, worked out from the record.
struct RecordStatistics {
    // The most points of the timeline: a long record is sampled evenly, its last game always in.
    static constexpr std::size_t kTimelinePoints = 400;
    // The games the moving win rate looks back over.
    static constexpr long long kMovingWindow = 20;

    GameRows games; // in the order kept
    WinTally all;
    std::vector<TimelinePoint> timeline;
    std::vector<GroupRate> byOptions;
    std::vector<GroupRate> byOpponent;
    // Entry n: the games decided after n calls.
    std::vector<long long> gamesByCalls;
    double callsPerGame = 0.0;
    // By the seat that challenged.
    std::array<ChallengeTally, 2> challenges{};
    DiceFigures diceThisStay;
    DiceFigures diceAllTime;
};

RecordStatistics gatherStatistics(RecordBook& book, const StatisticsScope& scope);

// The figures of a tally of dice, with the verdict in words.
DiceFigures diceFigures(const FaceTally& faces);

// The timeline of games won (`wins`[k] is whether game k + 1 was won), at most `points` points.
std::vector<TimelinePoint> winTimeline(const std::vector<bool>& wins, std::size_t points,
                                       long long window);

// "42.0 %": a share as the statistics show it.
std::string percentText(double share);

// The statistics in words, for the window that shows them.
// "5 of 12 won: 41.7 %, 95 % interval 19.3 % to 68.0 %"; "no games" without any.
std::string rateText(const WinTally& tally);
// How often a seat did not trust the other's call and how often it was right to.
std::string challengeText(Seat challenger, const ChallengeTally& tally);
// "2.25 calls a game on average"; nothing without games.
std::string callsText(const RecordStatistics& statistics);
// "This stay: nothing unusual in 50 dice (chi-square 3.20, p = 0.67)".
std::string diceLine(std::string_view when, const DiceFigures& figures);
// "You" or "The computer".
std::string seatWords(Seat seat);
// The start of a game as the list shows it: "2026-12-09 02:14" from its ISO 8601 time.
std::string startedText(std::string_view iso);

} // namespace quintel
