#include "table/form_start.h"

#include "app/computer_seats.h"
#include "app/game.h"
#include "opponent/coach_figures.h"

#include <array>
#include <cmath>
#include <optional>

namespace quintel {

namespace {

std::string percent(double chance) {
    return std::to_string(std::lround(chance * 100)) + " %";
}

std::string diceWord(int dice) {
    static constexpr std::array<const char*, 6> kWords{"none",  "one",  "two",
                                                       "three", "four", "five"};
    return kWords[static_cast<std::size_t>(dice)];
}

std::string keepText(const ExpertPolicy& policy, const KeepChance& keep) {
    const int dice = policy.tables().variant().dice;
    const int kept = policy.tables().sets().diceIn(keep.kept);
    if (kept == 0) {
        return "throw all " + diceWord(dice) + " " + percent(keep.chance);
    }
    return "keep " + diceDigits(solver::callDigits(policy.counts(keep.kept))) + " and throw " +
           diceWord(dice - kept) + " " + percent(keep.chance);
}

std::string positionText(const ExpertPolicy& policy, const PositionChances& chances) {
    std::string text;
    if (chances.atOnceCall >= 0) {
        text = "call at once " + percent(chances.atOnce);
    }
    // The two most promising keeps: every keep would not fit the line.
    for (std::size_t i = 0; i < chances.keeps.size() && i < 2; ++i) {
        text += (text.empty() ? "" : ", ") + keepText(policy, chances.keeps[i]);
    }
    return text;
}

std::string bestCallText(const ExpertPolicy& policy, const BestCall& best) {
    if (best.call < 0) {
        return {};
    }
    return "best call " + policy.callText(best.call) + " " + percent(best.chance);
}

} // namespace

void FormStart::toggleCoach() {
    coachShown = !coachShown;
    coachUsedInMatch_ = coachUsedInMatch_ || coachShown;
    refreshCoach();
}

bool FormStart::otherKey(std::string_view key) {
    if (key != kCoachKey) {
        return false;
    }
    toggleCoach();
    return true;
}

void FormStart::refreshCoach() {
    const std::string shown = "\n" + shownCoachLine_;
    if (!shownCoachLine_.empty() && lblStatus.caption.ends_with(shown)) {
        lblStatus.caption.erase(lblStatus.caption.size() - shown.size());
    }
    shownCoachLine_ = coachShown ? coachLine() : std::string();
    if (!shownCoachLine_.empty()) {
        lblStatus.caption += "\n" + shownCoachLine_;
    }
    lblStatus.tooltip = coachShown ? std::string(kCoachHint) : std::string();
}

std::optional<ExpertPolicy> FormStart::coachPolicy(std::string& refusal) const {
    const Game& g = game();
    std::string problem;
    std::shared_ptr<const solver::SolvedGame> solved;
    if (g.seats == nullptr) {
        problem = "no folder of solved games";
    } else {
        solved = g.seats->solvedGame(g.match.options(), problem);
    }
    if (!solved) {
        refusal = "The coach has no solved game: " + problem;
        return std::nullopt;
    }
    return ExpertPolicy(solved);
}

int FormStart::coachLastCall(const ExpertPolicy& policy) const {
    const auto& last = game().match.lastCall();
    return last ? policy.callOf(last->counts()) : -1;
}

std::string FormStart::coachCallLine(const FaceCounts& call) const {
    const match::Match& table = game().match;
    std::string refusal;
    const auto coach = coachPolicy(refusal);
    if (!coach) {
        return refusal;
    }
    const ExpertPolicy& policy = *coach;
    const int made = policy.callOf(call);
    const int last = coachLastCall(policy);
    if (made <= last) {
        return {};
    }
    const bool threw = last < 0 || table.threwThisTurn();
    const int kept = last < 0 ? policy.setOf(FaceCounts{}) : policy.setOf(table.fixed().counts());
    return "this call " + percent(callChance(policy, last, kept,
                                             policy.setOf(countFaces(diceValues())), made, threw));
}

std::string FormStart::coachLine() const {
    const match::Match& table = game().match;
    std::string refusal;
    const auto coach = coachPolicy(refusal);
    if (!coach) {
        return refusal;
    }
    const ExpertPolicy& policy = *coach;
    const int last = coachLastCall(policy);
    const int fixed = policy.setOf(table.fixed().counts());
    const int hand = policy.setOf(countFaces(diceValues()));
    if (Trust.enabled) {
        // Without a throw the computer called on the dice the player handed over.
        const bool atOnce = table.calls().back().thrown.empty();
        const auto before = table.callBeforeLast();
        const AnswerChances chances =
            atOnce
                ? answerChancesAtOnce(policy, policy.setOf(table.dice().counts()), fixed, last)
                : answerChances(policy, before ? policy.callOf(before->counts()) : -1, fixed, last);
        return "Trust " + percent(chances.trust) + ", do not trust " + percent(chances.notTrust);
    }
    if (!Call1.enabled && !Roll.visible) {
        return {};
    }
    if (last < 0) {
        return bestCallText(policy, bestCall(policy, -1, policy.setOf(FaceCounts{}), hand, true));
    }
    if (table.threwThisTurn()) {
        return bestCallText(policy, bestCall(policy, last, fixed, hand, true));
    }
    return positionText(policy, positionChances(policy, last, hand, fixed));
}

} // namespace quintel
