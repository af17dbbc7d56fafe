#include "app/solved_appraiser.h"

#include "app/computer_seats.h"
#include "model/dice.h"
#include "opponent/coach_figures.h"
#include "solver/player_model.h"

#include <algorithm>
#include <numeric>

namespace quintel {

namespace {

FaceCounts diceAfter(const GameRecord& game, std::size_t index) {
    return countFaceDigits(diceAfterCall(game, index));
}

std::optional<SolvedChances> appraiseCall(const ExpertPolicy& policy, const GameRecord& game,
                                          std::size_t index) {
    const RecordedCall& made = game.calls[index];
    const int lastCall =
        index == 0 ? -1 : policy.callOf(countFaceDigits(game.calls[index - 1].dice));
    const bool threw = !game.thrownBeforeCall[index].empty();
    const FaceCounts dice = diceAfter(game, index);
    int kept = -1;
    if (threw) {
        kept = policy.setOf(countFaceDigits(made.fixed));
    } else if (index > 0) {
        // A call at once: the dice locked are those left fixed with the call before, under "Fix
        // Permanent".
        kept = policy.setOf(game.fixPermanent ? countFaceDigits(game.calls[index - 1].fixed)
                                              : FaceCounts{});
    }
    const int hand = policy.setOf(dice);
    const int call = policy.callOf(countFaceDigits(made.dice));
    if (hand < 0 || call < 0 || kept < 0 || (index > 0 && lastCall < 0)) {
        return std::nullopt;
    }
    const BestCall best = bestCall(policy, lastCall, kept, hand, threw);
    const double chosen = callChance(policy, lastCall, kept, hand, call, threw);
    return SolvedChances{chosen, std::max(best.chance, chosen), std::nullopt};
}

std::optional<SolvedChances> appraiseChallenge(const ExpertPolicy& policy, const GameRecord& game,
                                               std::size_t index) {
    if (index == 0) {
        return std::nullopt;
    }
    const RecordedCall& made = game.calls[index];
    const bool threw = !game.thrownBeforeCall[index].empty();
    const int playerCall = policy.callOf(countFaceDigits(game.calls[index - 1].dice));
    const int fixed = policy.setOf(countFaceDigits(made.fixed));
    const int call = policy.callOf(countFaceDigits(made.dice));
    const int hand = policy.setOf(diceAfter(game, index));
    if (playerCall < 0 || fixed < 0 || hand < 0 || call < 0) {
        return std::nullopt;
    }
    // A call at once was made on the dice the player handed over, which it knows.
    const AnswerChances chances = threw ? answerChances(policy, playerCall, fixed, call)
                                        : answerChancesAtOnce(policy, hand, fixed, call);
    return SolvedChances{chances.notTrust, std::max(chances.trust, chances.notTrust), std::nullopt};
}

// The chance the model gives the player of the call recorded at `index`, made after a throw, on
// the dice that throw gave.
std::optional<double> believedCall(const solver::PlayerModel& model, const ExpertPolicy& policy,
                                   const GameRecord& game, std::size_t index) {
    const RecordedCall& made = game.calls[index];
    const int lastCall =
        index == 0 ? -1 : policy.callOf(countFaceDigits(game.calls[index - 1].dice));
    const int kept = policy.setOf(countFaceDigits(made.fixed));
    const int thrown = policy.setOf(countFaceDigits(game.thrownBeforeCall[index]));
    const int call = policy.callOf(countFaceDigits(made.dice));
    if (kept < 0 || thrown < 0 || call <= lastCall || (index > 0 && lastCall < 0)) {
        return std::nullopt;
    }
    const solver::DiceSets& sets = policy.tables().sets();
    const auto types = sets.ofSize(policy.tables().variant().dice - sets.diceIn(kept));
    const auto type = std::ranges::find(types, thrown);
    if (type == types.end()) {
        return std::nullopt;
    }
    const auto messages = static_cast<std::size_t>(policy.tables().callCount() - (lastCall + 1));
    const std::vector<double> weights = model.callWeights(lastCall, kept);
    const auto row =
        weights.begin() +
        static_cast<std::ptrdiff_t>(static_cast<std::size_t>(type - types.begin()) * messages);
    const double ofType = std::accumulate(row, row + static_cast<std::ptrdiff_t>(messages), 0.0);
    if (ofType <= 0) {
        return std::nullopt;
    }
    return row[call - (lastCall + 1)] / ofType;
}

// The chance the model gives the player of not trusting the computer's call at `index`, made
// after a throw.
std::optional<double> believedChallenge(const solver::PlayerModel& model,
                                        const ExpertPolicy& policy, const GameRecord& game,
                                        std::size_t index) {
    const int playerCall = policy.callOf(countFaceDigits(game.calls[index - 1].dice));
    const int kept = policy.setOf(countFaceDigits(game.calls[index].fixed));
    const int call = policy.callOf(countFaceDigits(game.calls[index].dice));
    if (playerCall < 0 || kept < 0 || call <= playerCall) {
        return std::nullopt;
    }
    const std::vector<double> trust = model.trustChances(playerCall, kept);
    return 1.0 - trust.at(static_cast<std::size_t>(call - (playerCall + 1)));
}

} // namespace

std::optional<double>
SolvedAppraiser::masterBelief(const std::shared_ptr<const solver::SolvedGame>& solved,
                              const GameRecord& game, const PlayerDecision& decision) const {
    const bool threw = !game.thrownBeforeCall[decision.call].empty();
    const bool challenge = decision.kind == PlayerDecision::Kind::Challenge;
    if (!withMaster_ || game.opponent != "master" || !threw || (challenge && decision.call == 0)) {
        return std::nullopt;
    }
    const auto text = masterModels_.load(game.player, {game.fixAny, game.fixPermanent});
    const auto model = text ? solver::PlayerModel::parse(*text, solved) : std::nullopt;
    if (!model) {
        return std::nullopt;
    }
    const ExpertPolicy policy(solved);
    return challenge ? believedChallenge(*model, policy, game, decision.call)
                     : believedCall(*model, policy, game, decision.call);
}

std::optional<SolvedChances> SolvedAppraiser::appraise(const GameRecord& game,
                                                       const PlayerDecision& decision) const {
    if (decision.call >= game.calls.size() || game.thrownBeforeCall.size() != game.calls.size()) {
        return std::nullopt;
    }
    std::string problem;
    const auto solved = seats_->solvedGame({game.fixAny, game.fixPermanent}, problem);
    if (!solved) {
        return std::nullopt;
    }
    const ExpertPolicy policy(solved);
    auto chances = decision.kind == PlayerDecision::Kind::Call
                       ? appraiseCall(policy, game, decision.call)
                       : appraiseChallenge(policy, game, decision.call);
    if (chances) {
        chances->masterBelief = masterBelief(solved, game, decision);
    }
    return chances;
}

std::filesystem::path SolvedAppraiser::solvedFolder() const {
    return seats_->solvedFolder();
}

} // namespace quintel
