#include "opponent/expert_computer.h"

#include "model/number_text.h"
#include "opponent/classic_policy.h"

#include <utility>

namespace quintel {

namespace {

using match::Action;
using match::SeatView;

std::string orDash(const std::string& text) {
    return text.empty() ? "-" : text;
}

} // namespace

ExpertComputer::ExpertComputer(std::shared_ptr<const solver::SolvedGame> game, RandomSource& random,
                               match::SeatNotes& notes)
    : ExpertComputer(std::move(game), random, notes, "EXPERT AI") {}

ExpertComputer::ExpertComputer(std::shared_ptr<const solver::SolvedGame> game, RandomSource& random,
                               match::SeatNotes& notes, std::string name)
    : policy_(std::move(game)), name_(std::move(name)), random_(random), notes_(notes) {}

std::optional<double> ExpertComputer::ownTrust(int /*lastCall*/, int /*kept*/, int /*call*/) {
    return std::nullopt;
}

std::span<const solver::MixedCall> ExpertComputer::callsAfterThrow(int lastCall, int kept,
                                                                   int thrown) {
    return policy_.callsOf(lastCall, kept, thrown);
}

Action ExpertComputer::decide(const SeatView& view) {
    switch (view.phase) {
    case match::Phase::Answer:
        return answer(view);
    case match::Phase::Trusted:
        return plan(view);
    case match::Phase::Opening:
    case match::Phase::Thrown:
        return callAfterThrow(view);
    case match::Phase::NoGame:
    case match::Phase::Decided:
        break;
    }
    return Action::doubting();
}

ExpertComputer::CallToAnswer ExpertComputer::read(const SeatView& view) const {
    CallToAnswer made;
    made.call = policy_.callOf(view.lastCall->counts());
    const bool opening = view.calls.size() == 1;
    made.lastCall = opening || !view.ownLastCall ? -1 : policy_.callOf(view.ownLastCall->counts());
    made.threw = view.callerThrew;
    // The fixed dice are the caller's kept dice after a throw, and the seat's own last hold after
    // a call at once: either way what binds the seat's keep under "Fix Permanent".
    made.locked = policy_.setOf(view.callerFixed.counts());
    made.kept = opening ? policy_.setOf(FaceCounts{}) : made.locked;
    if (view.callerDice) {
        made.hand = policy_.setOf(view.callerDice->counts());
    }
    return made;
}

double ExpertComputer::trustChance(const CallToAnswer& made, const SeatView& view) {
    const std::string callText = policy_.callText(made.call);
    const std::string last = made.lastCall < 0 ? "-" : policy_.callText(made.lastCall);
    if (!made.threw) {
        // The dice are the ones it handed over: the call holds or it does not.
        const double chance = policy_.atOnceTrust(made.call, made.hand);
        notes_.line(name_ + " : Callstring : " + callText + "\tLast Call : " + last +
                    "\tCalled At Once On : " + view.callerDice->digits() +
                    "\tTrust Chance : " + numberText(chance));
        return chance;
    }
    const std::string kept = orDash(diceDigits(solver::callDigits(policy_.counts(made.kept))));
    notes_.line(name_ + " : Callstring : " + callText + "\tLast Call : " + last +
                "\tFixstring : " + kept);
    // The table's call and kept dice always name a stage of the game.
    const ExpertPolicy::StageTrust& stage = stageTrust(made.lastCall, made.kept).value();
    const double equilibrium = stage.trust[static_cast<std::size_t>(made.call)];
    const std::optional<double> own = ownTrust(made.lastCall, made.kept, made.call);
    const double chance = own.value_or(equilibrium);
    notes_.line("Player's Stage Value : " + numberText(stage.value) +
                "\tTrust Chance : " + numberText(chance) +
                (own ? "\tEquilibrium's Trust Chance : " + numberText(equilibrium) : ""));
    return chance;
}

const std::optional<ExpertPolicy::StageTrust>& ExpertComputer::stageTrust(int lastCall, int kept) {
    // Enough for the stages of many games; a bound on what a long run holds.
    constexpr std::size_t kStagesKept = 4096;
    const auto key = std::pair{lastCall, kept};
    auto found = stages_.find(key);
    if (found == stages_.end()) {
        if (stages_.size() >= kStagesKept) {
            stages_.clear();
        }
        found = stages_.emplace(key, policy_.stageTrust(lastCall, kept)).first;
    }
    return found->second;
}

Action ExpertComputer::answer(const SeatView& view) {
    const CallToAnswer made = read(view);
    const double chance = trustChance(made, view);
    bool trusts = chance >= 1.0;
    if (chance > 0.0 && chance < 1.0) {
        const double draw = random_.next();
        trusts = draw < chance;
        notes_.line("Trust Draw : " + numberText(draw));
    }
    if (!trusts || !view.mayTrust) {
        notes_.line("Decision : Not Trust\r\n");
        return Action::doubting();
    }
    notes_.line("Decision : Trust");
    return Action::trusting();
}

Action ExpertComputer::plan(const SeatView& view) {
    const int call = policy_.callOf(view.lastCall->counts());
    const int hand = policy_.setOf(view.dice->counts());
    const int locked = policy_.setOf(view.locked.counts());
    const std::string handDigits = diceDigits(solver::callDigits(policy_.counts(hand)));
    const std::string lockedDigits = diceDigits(solver::callDigits(policy_.counts(locked)));
    const auto planned = policy_.plan(call, hand, locked);
    if (!planned) {
        // A position the solve does not hold: the weakest call above keeps the game legal.
        notes_.line("Position Value : -\tChoice : Call At Once");
        return handOver(handDigits, call + 1, lockedDigits);
    }
    if (planned->atOnce) {
        // Nothing is thrown, and the fixed dice stay as they were, as when the player calls at
        // once: under "Fix Permanent" the player then has the same dice locked as the seat had.
        // The solved game is played that way; locking all five would leave the player a position
        // it never weighed.
        notes_.line("Position Value : " + numberText(planned->value) + "\tChoice : Call At Once " +
                    policy_.callText(planned->call));
        return handOver(handDigits, planned->call, lockedDigits);
    }
    const solver::DiceSets& sets = policy_.tables().sets();
    const std::string hold = diceDigits(solver::callDigits(policy_.counts(planned->kept)));
    notes_.line("Position Value : " + numberText(planned->value) + "\tChoice : Keep " +
                orDash(hold) + " And Throw " +
                numberText(policy_.tables().variant().dice - sets.diceIn(planned->kept)));
    return Action::keeping(*match::Kept::fromDigits(hold));
}

Action ExpertComputer::callAfterThrow(const SeatView& view) {
    const int last = view.lastCall ? policy_.callOf(view.lastCall->counts()) : -1;
    const int kept = policy_.setOf(view.kept.counts());
    const std::string dice = view.dice->digits();
    FaceCounts thrownCounts = view.dice->counts();
    for (std::size_t face = 1; face <= kFaces; ++face) {
        thrownCounts[face] -= view.kept.counts()[face];
    }
    const std::string thrown = dice.substr(view.kept.size());
    const auto calls = callsAfterThrow(last, kept, policy_.setOf(thrownCounts));
    std::string chances;
    for (const solver::MixedCall& mixed : calls) {
        chances += (chances.empty() ? "" : " ") + policy_.callText(mixed.call) + " " +
                   numberText(mixed.chance);
    }
    const double draw = random_.next();
    int call = ExpertPolicy::sampleCall(calls, draw);
    if (call <= last) {
        call = last + 1; // no strategy for this throw: the weakest call above
    }
    notes_.line("Thrown : " + thrown + "\tCall Chances : " + orDash(chances) +
                "\tCall Draw : " + numberText(draw));
    return handOver(dice, call, view.kept.digits());
}

Action ExpertComputer::handOver(const std::string& dice, int call, const std::string& fix) {
    const FaceCounts counts = policy_.callCounts(call);
    std::array<int, kDiceCount> fixed{};
    for (std::size_t i = 0; i < fix.size() && i < fixed.size(); ++i) {
        fixed[i] = fix[i] - '0';
    }
    notes_.line("DICE AFTER ROLL (if needed) : " + dice + "\r\n");
    notes_.line("CALL STRING : " + diceDigits(solver::callDigits(counts), EmptyPositions::Zero));
    notes_.line("FIX STRING : " + diceDigits(fixed, EmptyPositions::Zero));
    notes_.line("\r\n");
    return Action::calling(*match::Call::fromCounts(counts));
}

} // namespace quintel
