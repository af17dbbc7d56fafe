#include "testing/whole_game/game_tree.h"
#include "model/index.h"

#include <algorithm>
#include <random>
#include <stdexcept>

namespace quintel::wholegame {
namespace {

// The sequence each seat has played last on the way to a point of the game.
using Sequences = std::array<int, 2>;

// What the seat that trusted does with the dice: call at once, or keep `kept` and throw the rest.
struct DiceChoice {
    bool callAtOnce = true;
    Counts kept{};
};

class TreeBuilder {
public:
    TreeBuilder(const Variant& variant, RuleOptions options, TreeOrder order,
                const PositionValue& laterPositions)
        : variant_(variant), options_(options), calls_(callsWeakestFirst(variant)),
          laterPositions_(laterPositions) {
        if (order.shuffleSeed) {
            shuffler_.emplace(*order.shuffleSeed);
        }
        for (const Counts& last : calls_) {
            callsBeating_.push_back(callsBeating(last));
        }
    }

    SequenceForm opening() {
        std::vector<int> anyCall(calls_.size());
        for (std::size_t call = 0; call < calls_.size(); ++call) {
            anyCall[call] = static_cast<int>(call);
        }
        callStep(0, -1, anyCall, throwOutcomes(variant_, Counts{}), Counts{}, true, Sequences{});
        return std::move(form_);
    }

    LabelledGame labelledOpening() {
        labelled_ = true;
        LabelledGame game;
        game.form = opening();
        game.decisions = std::move(decisions_);
        return game;
    }

    SequenceForm from(const Position& position) {
        const auto last = std::find(calls_.begin(), calls_.end(), position.lastCall);
        if (last == calls_.end() || countDice(position.dice) != variant_.dice ||
            callsBeating_[at(static_cast<int>(last - calls_.begin()))].empty()) {
            throw std::invalid_argument("no such position in this variant");
        }
        trustStep(0, static_cast<int>(last - calls_.begin()), position.dice, position.locked,
                  Sequences{}, 1);
        return std::move(form_);
    }

private:
    std::vector<int> callsBeating(const Counts& last) const {
        std::vector<int> stronger;
        for (std::size_t call = 0; call < calls_.size(); ++call) {
            if (variantBeats(variant_, calls_[call], last)) {
                stronger.push_back(static_cast<int>(call));
            }
        }
        return stronger;
    }

    template <class Item> std::vector<Item> arranged(std::vector<Item> items) {
        if (shuffler_) {
            std::shuffle(items.begin(), items.end(), *shuffler_);
        }
        return items;
    }

    // Labels an information set just added, when the builder keeps labels.
    void label(int seat, int infoset, Decision decision) {
        if (!labelled_) {
            return;
        }
        auto& decisions = decisions_[at(seat)];
        decisions.resize(std::max(decisions.size(), at(infoset) + 1));
        decisions[at(infoset)] = std::move(decision);
    }

    // The holder of the dice, which are one of `outcomes` (it alone knows which), announces one of
    // `allowed` above `last` (-1: none); the other seat challenges, which ends the game, or trusts
    // and takes the dice. `locked` are the dice the holder kept when it threw, or its locked dice
    // when it calls at once (`threw` false).
    void callStep(int holder, int last, const std::vector<int>& allowed,
                  const std::vector<ThrowOutcome>& outcomes, const Counts& locked, bool threw,
                  const Sequences& reached) {
        const std::vector<int> announced = arranged(allowed);
        const std::vector<ThrowOutcome> dice = arranged(outcomes);
        Decision known;
        if (labelled_) {
            known.turns = turns_;
        }
        known.opening = last < 0;
        known.lastCall = last < 0 ? Counts{} : calls_[at(last)];
        known.kept = locked;
        known.threw = threw;
        std::vector<std::vector<int>> callSequences(dice.size());
        for (std::size_t throwIndex = 0; throwIndex < dice.size(); ++throwIndex) {
            const int infoset = form_.addInfoset(holder, reached[at(holder)]);
            for (std::size_t call = 0; call < announced.size(); ++call) {
                callSequences[throwIndex].push_back(form_.addSequence(holder, infoset));
            }
            if (labelled_) {
                Decision decision = known;
                decision.dice = dice[throwIndex].dice;
                for (const int call : announced) {
                    decision.calls.push_back(calls_[at(call)]);
                }
                label(holder, infoset, std::move(decision));
            }
        }
        const int answerer = 1 - holder;
        for (std::size_t call = 0; call < announced.size(); ++call) {
            const int calledIndex = announced[call];
            const std::vector<int>& stronger = callsBeating_[at(calledIndex)];
            // The strongest call leaves the other seat only the challenge: no choice to record.
            int challenge = reached[at(answerer)];
            int trust = 0;
            if (!stronger.empty()) {
                const int infoset = form_.addInfoset(answerer, reached[at(answerer)]);
                challenge = form_.addSequence(answerer, infoset);
                trust = form_.addSequence(answerer, infoset);
                Decision decision = known;
                decision.kind = Decision::Kind::Answer;
                decision.dice = threw ? Counts{} : dice.front().dice;
                decision.call = calls_[at(calledIndex)];
                label(answerer, infoset, std::move(decision));
            }
            for (std::size_t throwIndex = 0; throwIndex < dice.size(); ++throwIndex) {
                const ThrowOutcome& outcome = dice[throwIndex];
                Sequences played = reached;
                played[at(holder)] = callSequences[throwIndex][call];
                played[at(answerer)] = challenge;
                const bool holderWins = holdsCall(outcome.dice, calls_[at(calledIndex)]);
                if (holderWins == (holder == 0)) {
                    form_.addPayoff(played[0], played[1], outcome.chance);
                }
                if (!stronger.empty()) {
                    played[at(answerer)] = trust;
                    turns_.push_back({calls_[at(calledIndex)], locked, threw, outcome.dice});
                    trusted(answerer, calledIndex, outcome.dice, locked, played, outcome.chance);
                    turns_.pop_back();
                }
            }
        }
    }

    // Seat `mover` has trusted call `last` and taken over the dice.
    void trusted(int mover, int last, const Counts& dice, const Counts& locked,
                 const Sequences& reached, double chance) {
        if (!laterPositions_) {
            trustStep(mover, last, dice, locked, reached, chance);
            return;
        }
        const double moverWins = laterPositions_({calls_[at(last)], dice, locked});
        const double firstWins = mover == 0 ? moverWins : 1 - moverWins;
        form_.addPayoff(reached[0], reached[1], chance * firstWins);
    }

    // The seat that trusted call `last` knows the dice; it calls at once or keeps some and
    // throws the others, then must beat `last`.
    void trustStep(int mover, int last, const Counts& dice, const Counts& locked,
                   const Sequences& reached, double chance) {
        std::vector<DiceChoice> choices{DiceChoice{}};
        const KeepBounds bounds =
            variantKeepBounds(variant_, calls_[at(last)], dice, locked, options_);
        for (const Counts& kept : keepChoices(variant_, bounds)) {
            choices.push_back({false, kept});
        }
        choices = arranged(choices);
        const int infoset = form_.addInfoset(mover, reached[at(mover)]);
        std::vector<int> choiceSequences;
        for (std::size_t choice = 0; choice < choices.size(); ++choice) {
            choiceSequences.push_back(form_.addSequence(mover, infoset));
        }
        if (labelled_) {
            Decision decision;
            decision.turns = turns_;
            decision.kind = Decision::Kind::Change;
            decision.lastCall = calls_[at(last)];
            decision.dice = dice;
            decision.kept = locked;
            for (const DiceChoice& choice : choices) {
                decision.choices.push_back({choice.callAtOnce, choice.kept});
            }
            label(mover, infoset, std::move(decision));
        }
        const std::vector<int>& allowed = callsBeating_[at(last)];
        for (std::size_t choice = 0; choice < choices.size(); ++choice) {
            Sequences played = reached;
            played[at(mover)] = choiceSequences[choice];
            if (choices[choice].callAtOnce) {
                callStep(mover, last, allowed, {{dice, chance}}, locked, false, played);
                continue;
            }
            std::vector<ThrowOutcome> outcomes = throwOutcomes(variant_, choices[choice].kept);
            for (ThrowOutcome& outcome : outcomes) {
                outcome.chance *= chance;
            }
            callStep(mover, last, allowed, outcomes, choices[choice].kept, true, played);
        }
    }

    Variant variant_;
    RuleOptions options_;
    std::vector<Counts> calls_;
    std::vector<std::vector<int>> callsBeating_;
    PositionValue laterPositions_;
    std::optional<std::mt19937> shuffler_;
    SequenceForm form_;
    bool labelled_ = false;
    std::array<std::vector<Decision>, 2> decisions_;
    std::vector<Decision::Turn> turns_; // on the way to the point being built
};

} // namespace

SequenceForm openingGame(const Variant& variant, RuleOptions options, TreeOrder order,
                         const PositionValue& laterPositions) {
    return TreeBuilder(variant, options, order, laterPositions).opening();
}

LabelledGame labelledOpeningGame(const Variant& variant, RuleOptions options) {
    return TreeBuilder(variant, options, {}, {}).labelledOpening();
}

SequenceForm positionGame(const Variant& variant, RuleOptions options, const Position& position,
                          TreeOrder order, const PositionValue& laterPositions) {
    return TreeBuilder(variant, options, order, laterPositions).from(position);
}

} // namespace quintel::wholegame
