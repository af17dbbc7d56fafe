#include "opponent/classic_computer.h"

#include "model/number_text.h"
#include "opponent/call_planning.h"

#include <algorithm>

namespace quintel {

namespace {

using match::Action;
using match::SeatView;

// The player's fixed dice as the computer reads them: only what it kept at a throw this turn.
std::string callersFixString(const SeatView& view) {
    return view.callerThrew ? view.callerFixed.digits() : std::string();
}

match::Call callFrom(const ComputerCall& call) {
    return *match::Call::fromPlaces(call.dice);
}

int optionsKey(RuleOptions options) {
    return (options.fixAny ? 1 : 0) + (options.fixPermanent ? 2 : 0);
}

// Positions kept at the most before the oldest are let go: enough for every position of many
// thousand games, and a bound on what a long run holds.
constexpr std::size_t kWorkedPositions = 1U << 17;

} // namespace

ClassicComputer::ClassicComputer(RandomSource& random, match::SeatNotes& notes,
                                 const Profile* profile)
    : random_(random), notes_(notes), engineNotes_(notes), engine_(&engineNotes_),
      profile_(profile) {}

Action ClassicComputer::decide(const SeatView& view) {
    switch (view.phase) {
    case match::Phase::Answer:
        return answer(view);
    case match::Phase::Trusted:
        return keep(view);
    case match::Phase::Opening:
    case match::Phase::Thrown:
        return call(view);
    case match::Phase::NoGame:
    case match::Phase::Decided:
        break;
    }
    return Action::doubting();
}

template <typename Result, typename Key, typename Work>
const Result& ClassicComputer::worked(std::map<Key, Worked<Result>>& kept, const Key& key,
                                      Work work) {
    auto found = kept.find(key);
    if (found == kept.end()) {
        if (kept.size() >= kWorkedPositions) {
            kept.clear();
        }
        Worked<Result> done;
        engineNotes_.keepIn(&done.trace);
        done.result = work();
        engineNotes_.keepIn(nullptr);
        found = kept.emplace(key, std::move(done)).first;
    }
    for (const std::string& line : found->second.trace) {
        notes_.line(line);
    }
    return found->second.result;
}

Action ClassicComputer::answer(const SeatView& view) {
    ++statistics_.turns;
    statistics_.lastBluffSearch = 0;
    const EngineOptions options{view.options.fixAny, view.options.fixPermanent};
    const std::string callString = diceDigits(view.lastCall->places(), EmptyPositions::Zero);
    const std::string fixString = callersFixString(view);
    const CallJudgement& judged =
        worked(judgements_, std::tuple{callString, fixString, optionsKey(view.options)},
               [&] { return judgeCall(engine_, callString, fixString, options); });
    notes_.line("COMPUTER AI : Fixstring : " + judged.fix + "\tCallstring : " + judged.call +
                "\tCall Up Prob : " + numberText(judged.callUp.value()));
    notes_.lineWithCallersDice("Exact Dices : ", "\r\n");
    notes_.line("Win Prob : " + numberText(judged.win.value()) + "\r\n");

    Likelihood win = Likelihood::of(judged.win);
    if (profile_ != nullptr) {
        if (const auto corrected = profileCorrection(win, profile_->counts, profile_->scores)) {
            win = Likelihood::fraction(*corrected);
            notes_.line("Win Prob After Profile : " + numberText(*corrected) + "\r\n");
        }
    }
    if (challengesJudgedCall(judged, win)) {
        ++statistics_.challenges;
        return Action::doubting();
    }
    return Action::trusting();
}

Action ClassicComputer::keep(const SeatView& view) {
    const EngineOptions options{view.options.fixAny, view.options.fixPermanent};
    const std::string call = view.lastCall->digits();
    const std::string dice = view.dice->digits();
    const std::string locked = view.locked.digits();
    const std::string& hold =
        worked(holds_, std::tuple{call, dice, locked, optionsKey(view.options)},
               [&] { return chooseHold(engine_, call, dice, locked, options); });
    notes_.line("Fixstring : \t" + hold);
    return Action::keeping(*match::Kept::fromDigits(hold));
}

Action ClassicComputer::call(const SeatView& view) {
    const std::string hold = view.kept.digits();
    const std::string dice = view.dice->digits();
    std::optional<ComputerCall> made;
    if (!view.lastCall) {
        // Opening a game: anything may be called, and it calls its five dice.
        CallDigits faces = view.dice->faces();
        const int level = shapeScore(arrangeDice(faces));
        made = ComputerCall{faces, level};
    } else {
        const std::span<const int> last = view.lastCall->places();
        const int lastLevel = view.lastCall->level();
        made = honestAnswer(hold, dice, last, lastLevel);
        if (!made) {
            made = bluff(hold, last, lastLevel);
        }
    }
    notes_.line("DICE AFTER ROLL (if needed) : " + dice + "\r\n");
    notes_.line("CALL STRING : " + diceDigits(made->dice, EmptyPositions::Zero));
    notes_.line("FIX STRING : " + diceDigits(view.kept.places(), EmptyPositions::Zero));
    notes_.line("\r\n");
    return Action::calling(callFrom(*made));
}

ComputerCall ClassicComputer::bluff(std::string_view hold, std::span<const int> last,
                                    int lastLevel) {
    const BluffResult searched = bluffSearch(hold, last, lastLevel, random_, kBluffBound);
    statistics_.lastBluffSearch = searched.drawn;
    statistics_.longestBluffSearch = std::max(statistics_.longestBluffSearch, searched.drawn);
    ++(searched.found ? statistics_.bluffs : statistics_.settledCalls);
    return settledBluff(searched, last, lastLevel);
}

} // namespace quintel
