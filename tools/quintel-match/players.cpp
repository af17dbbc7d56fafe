#include "players.h"

#include "model/call_list.h"
#include "model/call_rules.h"
#include "model/dice.h"
#include "opponent/call_planning.h"
#include "opponent/coach_figures.h"
#include "opponent/engine/engine.h"
#include "solver/best_response.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace quintel::arena {

namespace {

// The bluffer draws a call by its place in this order, so seeded play depends on it: the dice
// from the highest value down, empty places last, read as a number in base 7 whose lowest digit
// is the first die.
int drawOrder(const CallDigits& call) {
    CallDigits dice = call;
    std::ranges::sort(dice, std::greater<>());
    int code = 0;
    for (auto die = dice.rbegin(); die != dice.rend(); ++die) {
        code = code * 7 + *die;
    }
    return code;
}

// Every call of one to five dice in the bluffer's draw order.
const std::vector<RankedCall>& everyCall() {
    static const std::vector<RankedCall> calls = [] {
        std::vector<RankedCall> all = everyCallWeakestFirst();
        std::ranges::sort(all, std::less<>(),
                          [](const RankedCall& call) { return drawOrder(call.dice); });
        return all;
    }();
    return calls;
}

// Every call that beats the last call (any call when there is none).
std::vector<CallDigits> allowedCalls(const TableView& view) {
    std::vector<CallDigits> calls;
    for (const RankedCall& call : everyCall()) {
        if (view.lastLevel == 0 || callBeats(call.dice, call.level, view.last, view.lastLevel)) {
            calls.push_back(call.dice);
        }
    }
    return calls;
}

std::string honestCall(const TableView& view) {
    CallDigits hand{};
    for (std::size_t i = 0; i < hand.size() && i < view.dice.size(); ++i) {
        hand[i] = view.dice[i] - '0';
    }
    const int level = shapeScore(arrangeDice(hand));
    if (view.lastLevel == 0 || callBeats(hand, level, view.last, view.lastLevel)) {
        return diceDigits(hand);
    }
    const auto weakest = weakestCallBeating(view.last, view.lastLevel);
    return weakest ? diceDigits(*weakest) : std::string();
}

// Keeps the dice that are part of a group, throws the single ones.
std::array<bool, 5> throwSingles(const TableView& view) {
    const FaceCounts counts = countFaceDigits(view.dice);
    std::array<bool, 5> marks = view.marked;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        if (view.selectable[i]) {
            marks[i] = counts[static_cast<std::size_t>(view.dice[i] - '0')] < 2;
        }
    }
    return marks;
}

// Marks every die but `keep`: dice the table locked (neither selectable nor marked) count towards
// it first, then selectable dice are kept from the left while the face is still wanted.
std::array<bool, 5> keepMarks(const TableView& view, FaceCounts keep) {
    std::array<bool, 5> marks = view.marked;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        if (!view.selectable[i] && !view.marked[i]) {
            --keep[static_cast<std::size_t>(view.dice[i] - '0')];
        }
    }
    for (std::size_t i = 0; i < marks.size(); ++i) {
        if (view.selectable[i]) {
            int& wanted = keep[static_cast<std::size_t>(view.dice[i] - '0')];
            marks[i] = wanted <= 0;
            wanted -= marks[i] ? 0 : 1;
        }
    }
    return marks;
}

} // namespace

std::optional<Policy> policyNamed(std::string_view name) {
    if (name == "honest") {
        return Policy::Honest;
    }
    if (name == "bluffer") {
        return Policy::Bluffer;
    }
    if (name == "cautious") {
        return Policy::Cautious;
    }
    if (name == "best-response") {
        return Policy::BestResponse;
    }
    if (name == "coach") {
        return Policy::Coach;
    }
    return std::nullopt;
}

std::string_view policyName(Policy policy) {
    switch (policy) {
    case Policy::Honest:
        return "honest";
    case Policy::Bluffer:
        return "bluffer";
    case Policy::Cautious:
        return "cautious";
    case Policy::BestResponse:
        return "best-response";
    case Policy::Coach:
        return "coach";
    }
    return "";
}

TableView ScriptedPlayer::tableView(const match::SeatView& view) {
    TableView seen;
    if (view.dice) {
        seen.dice = view.dice->digits();
    }
    if (view.lastCall) {
        seen.last = view.lastCall->places();
        seen.lastLevel = view.lastCall->level();
    }
    if (view.phase == match::Phase::Answer) {
        seen.computerFix = view.callerFixed.digits();
        // Without a throw the computer holds the dice the player handed over, which the player
        // knows.
        seen.computerKept = view.callerDice ? view.callerDice->digits() : seen.computerFix;
    } else if (view.phase == match::Phase::Trusted) {
        seen.computerFix = view.locked.digits();
        for (std::size_t i = 0; i < kDiceCount; ++i) {
            seen.selectable[i] = view.layout[i] == match::DieChoice::Free;
            seen.marked[i] = view.layout[i] == match::DieChoice::MustThrow;
        }
    }
    return seen;
}

match::Action ScriptedPlayer::decide(const match::SeatView& view) {
    const TableView seen = tableView(view);
    if (view.phase == match::Phase::Answer) {
        const bool trusted = policy_ == Policy::Coach ? coachTrusts(view) : trusts(seen);
        return trusted ? match::Action::trusting() : match::Action::doubting();
    }
    const bool changing = view.phase == match::Phase::Trusted &&
                          (policy_ == Policy::Coach ? coachChanges(view) : changes(seen));
    if (policy_ == Policy::Coach && !changing) {
        const auto made = match::Call::fromDigits(coachCall(view));
        return made ? match::Action::calling(*made)
                    : match::Action{match::ActionKind::Call, {}, {}};
    }
    if (changing) {
        const std::array<bool, 5> marked = marks(seen);
        std::array<bool, kDiceCount> kept{};
        for (std::size_t i = 0; i < kDiceCount; ++i) {
            // The table keeps locked dice and throws the dice it marks, whatever the script wants.
            kept[i] = seen.selectable[i] ? !marked[i] : !seen.marked[i];
        }
        return match::Action::keepingPlaces(kept);
    }
    const auto made = match::Call::fromDigits(call(seen));
    // A script with no call left answers with none; the table refuses it.
    return made ? match::Action::calling(*made) : match::Action{match::ActionKind::Call, {}, {}};
}

double chanceCallHolds(std::string_view fix, std::string_view call) {
    if (covers(countFaceDigits(fix), countFaceDigits(call))) {
        return 1.0;
    }
    // The engine counts the throws by outcome classes; it gives kept dice that already hold the
    // call no chance, which is why they are answered above.
    static const Form1 engine;
    return engine.Prob2(fix, call).value();
}

std::string ScriptedPlayer::call(const TableView& view) {
    if (policy_ == Policy::BestResponse) {
        return bestCall(view);
    }
    if (policy_ != Policy::Bluffer) {
        return honestCall(view);
    }
    const std::vector<CallDigits> calls = allowedCalls(view);
    if (calls.empty()) {
        return {};
    }
    const auto pick = static_cast<std::size_t>(random_.next() * static_cast<double>(calls.size()));
    return diceDigits(calls[pick < calls.size() ? pick : calls.size() - 1]);
}

bool ScriptedPlayer::trusts(const TableView& view) {
    // Nothing beats five aces: trusting them would leave no call to make.
    if (!weakestCallBeating(view.last, view.lastLevel)) {
        return false;
    }
    switch (policy_) {
    case Policy::BestResponse:
        return bestTrusts(view);
    case Policy::Coach: // decides in coachTrusts
        return true;
    case Policy::Honest:
        return chanceOf(view) >= 0.2;
    case Policy::Cautious:
        return chanceOf(view) >= 0.05;
    case Policy::Bluffer:
        return random_.next() < 0.5;
    }
    return true;
}

double ScriptedPlayer::chanceOf(const TableView& view) {
    const std::string key = arrangeDigits(view.computerKept) + "|" + diceDigits(view.last);
    const auto known = chances_.find(key);
    if (known != chances_.end()) {
        return known->second;
    }
    const double chance = chanceCallHolds(view.computerKept, diceDigits(view.last));
    chances_.emplace(key, chance);
    return chance;
}

bool ScriptedPlayer::changes(const TableView& view) {
    if (policy_ == Policy::BestResponse) {
        const FaceCounts dice = countFaceDigits(view.dice);
        keeping_ = best_->keep(solver::callIndexOf(countFaces(view.last)), dice,
                               countFaceDigits(view.computerFix));
        return keeping_.has_value();
    }
    return policy_ != Policy::Bluffer || random_.next() < 0.5;
}

std::array<bool, 5> ScriptedPlayer::marks(const TableView& view) {
    if (policy_ == Policy::BestResponse || policy_ == Policy::Coach) {
        return keepMarks(view, keeping_.value_or(FaceCounts{}));
    }
    if (policy_ != Policy::Bluffer) {
        return throwSingles(view);
    }
    std::array<bool, 5> marks = view.marked;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        if (view.selectable[i]) {
            marks[i] = random_.next() < 0.5;
        }
    }
    return marks;
}

std::string ScriptedPlayer::bestCall(const TableView& view) {
    const FaceCounts dice = countFaceDigits(view.dice);
    const solver::CallIndex last =
        view.lastLevel == 0 ? -1 : solver::callIndexOf(countFaces(view.last));
    solver::CallIndex call = -1;
    if (!best_->byStage()) {
        if (last < 0) {
            call = best_->openingCall(dice);
        } else if (keeping_) {
            call = best_->call(last, *keeping_, dice);
        } else {
            call = best_->callAtOnce(last, countFaceDigits(view.computerFix), dice);
        }
    } else if (last < 0 || keeping_) {
        call = best_->callAfterThrow(last, keeping_.value_or(FaceCounts{}), dice);
    } else {
        call = best_->callAtOnce(last, countFaceDigits(view.computerFix), dice);
    }
    keeping_.reset();
    if (call < 0) {
        return {};
    }
    ownCall_ = call;
    return diceDigits(solver::callDigits(call));
}

bool ScriptedPlayer::bestTrusts(const TableView& view) {
    return best_->trusts(ownCall_, countFaceDigits(view.computerKept),
                         solver::callIndexOf(countFaces(view.last)));
}

namespace {

FaceCounts countsOf(const std::optional<match::Call>& call) {
    return call ? call->counts() : FaceCounts{};
}

} // namespace

bool ScriptedPlayer::coachTrusts(const match::SeatView& view) {
    CoachFigures::ComputerCall seen;
    seen.atOnce = view.callerDice.has_value();
    seen.playerCall = countsOf(view.ownLastCall);
    seen.locked = view.callerFixed.counts();
    seen.kept = seen.atOnce ? view.callerDice->counts() : seen.locked;
    seen.call = countsOf(view.lastCall);
    const AnswerChances chances = coach_()->answer(seen);
    return chances.trust > chances.notTrust;
}

bool ScriptedPlayer::coachChanges(const match::SeatView& view) {
    const CoachFigures::Position position =
        coach_()->position(countsOf(view.lastCall), view.dice->counts(), view.locked.counts());
    keeping_.reset();
    if (!position.keeps.empty() &&
        (!position.atOnceCall || position.keeps.front().chance > position.atOnce)) {
        keeping_ = position.keeps.front().kept;
    }
    return keeping_.has_value();
}

std::string ScriptedPlayer::coachCall(const match::SeatView& view) {
    const auto figures = coach_();
    const FaceCounts last = countsOf(view.lastCall);
    const FaceCounts dice = view.dice->counts();
    if (!view.lastCall) {
        coachPromised_ += figures->value();
        ++coachGames_;
    }
    const bool threw = !view.lastCall || keeping_.has_value();
    // After a throw the dice kept are the table's: locked dice among them.
    const FaceCounts kept = !view.lastCall ? FaceCounts{}
                            : threw        ? view.kept.counts()
                                           : view.locked.counts();
    const auto ranked = figures->rankedCalls(last, kept, dice, threw);
    keeping_.reset();
    return ranked.empty()
               ? std::string()
               : diceDigits(solver::callDigits(solver::callIndexOf(ranked.front().call)));
}

std::optional<std::string> ScriptedPlayer::keptOnPurpose() const {
    if (!keeping_) {
        return std::nullopt;
    }
    std::string digits;
    for (std::size_t face = 1; face <= kFaces; ++face) {
        digits.append(static_cast<std::size_t>((*keeping_)[face]), static_cast<char>('0' + face));
    }
    return digits;
}

} // namespace quintel::arena
