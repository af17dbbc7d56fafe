#include "table/form_start.h"

#include "app/game.h"
#include "model/translation.h"
#include "opponent/coach_figures.h"
#include "opponent/master_beliefs.h"
#include "opponent/master_computer.h"
#include "solver/response_positions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

namespace quintel {

namespace {

long roundedPercent(double chance) {
    return std::lround(chance * 100);
}

std::string percent(double chance) {
    return std::to_string(roundedPercent(chance)) + " %";
}

// Two actions whose chances show the same are as good as each other, as far as the player can
// tell.
bool tie(double first, double second) {
    return roundedPercent(first) == roundedPercent(second);
}

std::string tieText() {
    return translated("Coach", "; either is as good against this opponent");
}

std::string diceWord(int dice) {
    static constexpr std::array<std::string_view, 6> kWords{
        marked("Coach", "none"),  marked("Coach", "one"),  marked("Coach", "two"),
        marked("Coach", "three"), marked("Coach", "four"), marked("Coach", "five")};
    return translatedMarked("Coach", kWords[static_cast<std::size_t>(dice)]);
}

std::string callText(const FaceCounts& call) {
    return diceDigits(solver::callDigits(solver::callIndexOf(call)));
}

int diceIn(const FaceCounts& dice) {
    int count = 0;
    for (const int faces : dice) {
        count += faces;
    }
    return count;
}

std::string keepText(const CoachFigures::Keep& keep) {
    const int kept = diceIn(keep.kept);
    if (kept == 0) {
        return withArguments(translated("Coach", "throw all %1 %2"),
                             {diceWord(kDiceCount), percent(keep.chance)});
    }
    return withArguments(translated("Coach", "keep %1 and throw %2 %3"),
                         {diceDigits(solver::callDigits(solver::callIndexOf(keep.kept))),
                          diceWord(kDiceCount - kept), percent(keep.chance)});
}

std::string positionText(const CoachFigures::Position& chances) {
    std::string text;
    std::vector<double> shown;
    if (chances.atOnceCall) {
        text = withArguments(translated("Coach", "call at once %1"), {percent(chances.atOnce)});
        shown.push_back(chances.atOnce);
    }
    // The two most promising keeps: every keep would not fit the line.
    for (std::size_t i = 0; i < chances.keeps.size() && i < 2; ++i) {
        text += (text.empty() ? "" : ", ") + keepText(chances.keeps[i]);
        shown.push_back(chances.keeps[i].chance);
    }
    std::ranges::sort(shown, std::greater<>());
    if (shown.size() >= 2 && tie(shown[0], shown[1])) {
        text += tieText();
    }
    return text;
}

std::string bestCallText(const std::vector<CoachFigures::RankedCall>& ranked) {
    if (ranked.empty()) {
        return {};
    }
    const CoachFigures::RankedCall& best = ranked.front();
    std::string text = withArguments(translated("Coach", "best call %1 %2"),
                                     {callText(best.call), percent(best.chance)});
    if (ranked.size() >= 2 && tie(best.chance, ranked[1].chance)) {
        text += withArguments(translated("Coach", ", or %1 %2"),
                              {callText(ranked[1].call), percent(ranked[1].chance)}) +
                tieText();
    }
    return text;
}

FaceCounts lastCallCounts(const match::Match& table) {
    const auto& last = table.lastCall();
    return last ? last->counts() : FaceCounts{};
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
    lblStatus.tooltip = coachShown ? coachHint() : std::string();
}

bool FormStart::showWorkedOutCoach() {
    if (!coachShown || !coachWaiting_) {
        return false;
    }
    const std::string before = lblStatus.caption;
    refreshCoach();
    return lblStatus.caption != before;
}

std::string FormStart::coachHint() {
    const CoachSource::Figures found = game().coachFigures();
    if (found.standIn) {
        return translated("Coach", "The coach: the chances against this computer are being worked "
                                   "out; meanwhile each chance is the solved game's, both seats "
                                   "playing its equilibrium from here on");
    }
    switch (found.opponent) {
    case CoachOpponent::Classic:
        return translated("Coach", "The coach: each chance is your chance of winning against the "
                                   "Classic computer, you playing as well as can be against its "
                                   "play from here on");
    case CoachOpponent::Expert:
        return translated("Coach", "The coach: each chance is your chance of winning against the "
                                   "Expert, both seats playing the solved game's equilibrium from "
                                   "here on");
    case CoachOpponent::Master:
        return translated("Coach", "The coach: each chance is your chance of winning against the "
                                   "Master as it plays now, you playing as well as can be against "
                                   "it from here on; it learns from each game");
    case CoachOpponent::Other:
        break;
    }
    return translated("Coach", "The coach: each chance is the solved game's, both seats playing "
                               "its equilibrium from here on; against this computer the best "
                               "action may differ");
}

std::shared_ptr<const CoachFigures> FormStart::coachFigures(std::string& refusal,
                                                            std::string& prefix) {
    const CoachSource::Figures found = game().coachFigures();
    coachWaiting_ = found.standIn;
    if (found.standIn) {
        prefix = translated("Coach", "computing… meanwhile the equilibrium's: ");
    }
    if (!found.figures) {
        refusal = found.standIn ? translated("Coach", "computing…")
                                : withArguments(translated("Coach", "The coach has no solved "
                                                                    "game: %1"),
                                                {found.problem});
    }
    return found.figures;
}

std::string FormStart::coachCallLine(const FaceCounts& call) {
    const match::Match& table = game().match;
    std::string refusal;
    std::string prefix;
    const auto figures = coachFigures(refusal, prefix);
    if (!figures) {
        return refusal;
    }
    const FaceCounts last = lastCallCounts(table);
    const bool opening = last == FaceCounts{};
    if (call == FaceCounts{} ||
        (!opening && solver::callIndexOf(call) <= solver::callIndexOf(last))) {
        return {};
    }
    const bool threw = opening || table.threwThisTurn();
    const FaceCounts kept = opening ? FaceCounts{} : table.fixed().counts();
    const double chance = figures->callChance(last, kept, countFaces(diceValues()), call, threw);
    return prefix + withArguments(translated("Coach", "this call %1"), {percent(chance)});
}

std::string FormStart::masterBeliefText(const CoachFigures::ComputerCall& seen) {
    const auto* master = dynamic_cast<const MasterComputer*>(game().computer);
    // The Master counts answers to calls made after a throw only: the player knows the dice of
    // the others.
    if (master == nullptr || seen.atOnce) {
        return {};
    }
    const auto expected =
        believedTrust(master->model(), master->policy(), seen.playerCall, seen.kept, seen.call);
    if (!expected) {
        return {};
    }
    return withArguments(translated("Coach", "; the Master expects you to trust it %1"),
                         {percent(*expected)});
}

std::string FormStart::coachLine() {
    const match::Match& table = game().match;
    std::string refusal;
    std::string prefix;
    const auto figures = coachFigures(refusal, prefix);
    if (!figures) {
        return refusal;
    }
    const FaceCounts last = lastCallCounts(table);
    const FaceCounts fixed = table.fixed().counts();
    const FaceCounts hand = countFaces(diceValues());
    if (Trust.enabled) {
        CoachFigures::ComputerCall seen;
        // Without a throw the computer called on the dice the player handed over.
        seen.atOnce = table.calls().back().thrown.empty();
        const auto before = table.callBeforeLast();
        seen.playerCall = before ? before->counts() : FaceCounts{};
        seen.kept = seen.atOnce ? table.dice().counts() : fixed;
        seen.locked = fixed;
        seen.call = last;
        const AnswerChances chances = figures->answer(seen);
        return prefix +
               withArguments(translated("Coach", "Trust %1, do not trust %2"),
                             {percent(chances.trust), percent(chances.notTrust)}) +
               (tie(chances.trust, chances.notTrust) ? tieText() : std::string()) +
               masterBeliefText(seen);
    }
    if (!Call1.enabled && !Roll.visible) {
        return {};
    }
    if (last == FaceCounts{}) {
        return prefix + bestCallText(figures->rankedCalls(last, FaceCounts{}, hand, true));
    }
    if (table.threwThisTurn()) {
        return prefix + bestCallText(figures->rankedCalls(last, fixed, hand, true));
    }
    return prefix + positionText(figures->position(last, hand, fixed));
}

} // namespace quintel
