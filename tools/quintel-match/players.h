#pragma once

#include "match/player.h"
#include "model/dice.h"
#include "model/random_source.h"

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quintel {
class CoachFigures;
}
namespace quintel::solver {
class BestResponse;
}

namespace quintel::arena {

// BestResponse plays the computed best answer to the computer's play; Coach takes at every
// decision the action the table's coach gives the best chance.
enum class Policy { Honest, Bluffer, Cautious, BestResponse, Coach };

// The coach's figures as the table has them when the seat decides.
using CoachFiguresSource = std::function<std::shared_ptr<const CoachFigures>()>;

std::optional<Policy> policyNamed(std::string_view name);
std::string_view policyName(Policy policy);

// What the scripted player reads of the table.
struct TableView {
    std::string dice;          // the five dice as digits, in the buttons' order
    std::array<int, 5> last{}; // the last call in canonical order, 0 = empty
    int lastLevel = 0;         // 0: no call yet in this game
    std::string computerFix;   // the dice fixed with the computer's call (locked by the options)
    std::string computerKept;  // the dice it kept: all five when it threw none
    std::array<bool, 5> selectable{};
    std::array<bool, 5> marked{};
};

// A player of a script: it trusts, keeps and calls by one of the policies, drawing from a random
// source of its own.
class ScriptedPlayer : public match::Player {
public:
    // The best-response policy plays from `best`'s tables.
    // The coach's follower reads `coach`.
    ScriptedPlayer(Policy policy, std::uint64_t seed, const solver::BestResponse* best = nullptr,
                   CoachFiguresSource coach = {})
        : policy_(policy), random_(seed), best_(best), coach_(std::move(coach)) {}

    match::Action decide(const match::SeatView& view) override;

    // A call that beats the last one, as digits (one per die); empty when none can.
    std::string call(const TableView& view);
    bool trusts(const TableView& view);
    // Whether to press Change at all after trusting.
    bool changes(const TableView& view);
    // Which dice should end up marked; only selectable dice are changed by the table.
    std::array<bool, 5> marks(const TableView& view);
    // The view of a seat, as the script reads it.
    static TableView tableView(const match::SeatView& view);
    // The dice the seat means to keep at its throw this turn, as digits; nothing when it has not
    // chosen (only the best response chooses them as such).
    std::optional<std::string> keptOnPurpose() const;

    // The coach's follower: the sum over the games it opened of the chance of winning that the
    // coach's figures gave each at its start, and the number of those games.
    double coachPromised() const { return coachPromised_; }
    long long coachGames() const { return coachGames_; }

private:
    std::string bestCall(const TableView& view);
    bool bestTrusts(const TableView& view);
    std::string coachCall(const match::SeatView& view);
    bool coachTrusts(const match::SeatView& view);
    bool coachChanges(const match::SeatView& view);

    // The chance that the computer's call holds, given the dice it kept.
    double chanceOf(const TableView& view);

    Policy policy_;
    RandomSource random_;
    std::map<std::string, double> chances_;
    const solver::BestResponse* best_;
    CoachFiguresSource coach_;
    double coachPromised_ = 0;
    long long coachGames_ = 0;
    int ownCall_ = -1;                  // the seat's last call, as a call's place
    std::optional<FaceCounts> keeping_; // the dice kept at this turn's throw
};

// The chance that five dice, of which `fix` are kept and the rest thrown, hold every die of
// `call`.
double chanceCallHolds(std::string_view fix, std::string_view call);

} // namespace quintel::arena
