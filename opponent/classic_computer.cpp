#include "opponent/classic_computer.h"

#include "model/number_text.h"
#include "opponent/call_planning.h"
#include "opponent/computer_judgement.h"

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

Action ClassicComputer::answer(const SeatView& view) {
    ++statistics_.turns;
    statistics_.lastBluffSearch = 0;
    const EngineOptions options{view.options.fixAny, view.options.fixPermanent};
    const std::string callString = diceDigits(view.lastCall->places(), EmptyPositions::Zero);
    const CallJudgement judged = judgeCall(engine_, callString, callersFixString(view), options);
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
    const std::string hold = chooseHold(engine_, view.lastCall->digits(), view.dice->digits(),
                                        view.locked.digits(), options);
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
