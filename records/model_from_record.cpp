#include "records/model_from_record.h"

#include "records/record_book.h"

#include <exception>

namespace quintel {

namespace {

struct ReadCall {
    Seat caller = Seat::Human;
    int call = 0;
    int hand = 0;
    int kept = 0;       // the dice the caller kept when it threw
    int fixed = 0;      // the table's fixed dice at the call, which lock the next seat's keep
    bool threw = false; // a throw, of all five dice or of none, rather than a call at once
};

std::optional<int> setOf(const solver::GameTables& tables, const std::string& digits) {
    for (const char c : digits) {
        if (c < '1' || c > '0' + tables.variant().faces) {
            return std::nullopt;
        }
    }
    const int set = tables.sets().indexOf(countFaceDigits(digits));
    return set < 0 ? std::nullopt : std::optional(set);
}

// Each call with the caller's dice: a seat that threw holds what it kept and what it threw; one
// that called at once holds the dice it took over.
std::optional<std::vector<ReadCall>> readCalls(const GameRecord& game,
                                               const solver::GameTables& tables) {
    if (game.thrownBeforeCall.size() != game.calls.size()) {
        return std::nullopt;
    }
    const int dice = tables.variant().dice;
    std::vector<ReadCall> calls;
    for (std::size_t k = 0; k < game.calls.size(); ++k) {
        const RecordedCall& recorded = game.calls[k];
        const std::string& thrown = game.thrownBeforeCall[k];
        const auto call = setOf(tables, recorded.dice);
        const auto fixed = setOf(tables, recorded.fixed);
        const auto threwSet = setOf(tables, thrown);
        if (!call || !fixed || !threwSet || tables.callOfSet(*call) < 0) {
            return std::nullopt;
        }
        ReadCall read{recorded.caller, tables.callOfSet(*call), 0, *fixed, *fixed, true};
        const int fixedDice = tables.sets().diceIn(*fixed);
        const int thrownDice = tables.sets().diceIn(*threwSet);
        if (k > 0 && thrown.empty() && fixedDice < dice) {
            read.threw = false;
            read.hand = calls.back().hand;
            read.kept = tables.sets().empty();
        } else if (fixedDice + thrownDice == dice) {
            read.hand = tables.sets().indexOf(
                solver::addCounts(tables.sets().counts(*fixed), tables.sets().counts(*threwSet)));
        } else {
            return std::nullopt;
        }
        if (k > 0 && (read.call <= calls.back().call || read.caller == calls.back().caller)) {
            return std::nullopt;
        }
        calls.push_back(read);
    }
    return calls;
}

} // namespace

std::optional<solver::PlayerObservations> observationsOf(const GameRecord& game,
                                                         const solver::GameTables& tables) {
    const auto calls = readCalls(game, tables);
    if (!calls || calls->empty() || calls->front().caller != Seat::Human) {
        return std::nullopt;
    }
    solver::PlayerObservations seen;
    for (std::size_t k = 0; k < calls->size(); ++k) {
        const ReadCall& now = (*calls)[k];
        const ReadCall* before = k > 0 ? &(*calls)[k - 1] : nullptr;
        const int lastCall = before != nullptr ? before->call : -1;
        if (now.caller == Seat::Human) {
            if (now.threw) {
                seen.calls.push_back({lastCall, now.kept, now.hand, now.call});
            }
            if (before != nullptr) {
                const auto choice = static_cast<std::uint16_t>(
                    now.threw ? solver::SolvedGame::kKeepFlag | now.kept : now.call);
                seen.keeps.push_back({lastCall, before->hand, before->fixed, choice});
            }
        } else if (now.threw) {
            // The player trusted the computer's call when a call of its own followed.
            seen.answers.push_back({lastCall, now.kept, now.call, k + 1 < calls->size()});
        }
    }
    return seen;
}

std::optional<solver::PlayerObservations>
observationsOf(const std::vector<match::CallRecord>& calls, const solver::GameTables& tables) {
    // The table's calls as the record keeps them.
    GameRecord game;
    for (const match::CallRecord& made : calls) {
        game.calls.push_back({made.caller, made.call.digits(), made.fixed.digits()});
        game.thrownBeforeCall.push_back(made.thrown);
    }
    return observationsOf(game, tables);
}

RecordCount countRecord(const std::filesystem::path& dataFolder, const std::string& player,
                        solver::PlayerModel& model) {
    RecordCount count;
    try {
        RecordBook book(RecordBook::pathIn(dataFolder), false);
        std::vector<std::int64_t> numbers;
        book.forEachNumberedGame([&](std::int64_t number, const GameRecord& game) {
            if ((player.empty() || game.player == player) &&
                game.fixAny == model.tables().options().fixAny &&
                game.fixPermanent == model.tables().options().fixPermanent) {
                numbers.push_back(number);
            }
        });
        for (const std::int64_t number : numbers) {
            const auto game = book.game(number);
            const auto seen = game ? observationsOf(*game, model.tables()) : std::nullopt;
            try {
                if (!seen) {
                    throw std::invalid_argument("unreadable");
                }
                model.add(*seen);
                ++count.games;
            } catch (const std::invalid_argument&) {
                ++count.skipped;
            }
        }
    } catch (const std::exception& error) {
        count.error = "the record of " + dataFolder.string() + " cannot be read: " + error.what();
    }
    return count;
}

} // namespace quintel
