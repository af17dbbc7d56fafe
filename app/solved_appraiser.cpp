#include "app/solved_appraiser.h"

#include "app/computer_seats.h"
#include "model/dice.h"
#include "opponent/coach_figures.h"
#include "opponent/master_beliefs.h"
#include "solver/player_model.h"

#include <algorithm>

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

} // namespace

std::optional<double>
SolvedAppraiser::masterBelief(const std::shared_ptr<const solver::SolvedGame>& solved,
                              const ExpertPolicy& policy, const GameRecord& game,
                              const PlayerDecision& decision) const {
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
    const std::size_t index = decision.call;
    const RecordedCall& made = game.calls[index];
    const FaceCounts before =
        index == 0 ? FaceCounts{} : countFaceDigits(game.calls[index - 1].dice);
    if (challenge) {
        const auto trust = believedTrust(*model, policy, before, countFaceDigits(made.fixed),
                                         countFaceDigits(made.dice));
        return trust ? std::optional<double>(1.0 - *trust) : std::nullopt;
    }
    return believedCall(*model, policy, before, countFaceDigits(made.fixed),
                        countFaceDigits(game.thrownBeforeCall[index]), countFaceDigits(made.dice));
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
        chances->masterBelief = masterBelief(solved, policy, game, decision);
    }
    return chances;
}

std::filesystem::path SolvedAppraiser::solvedFolder() const {
    return seats_->solvedFolder();
}

} // namespace quintel
