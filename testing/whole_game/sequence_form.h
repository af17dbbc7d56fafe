#pragma once

// A two-seat zero-sum game with chance in sequence form: each seat's sequences (sequence 0 is the
// empty one) grouped into information sets, and the chance-weighted payoff to the first seat of
// each pair of sequences that ends the game.

#include <array>
#include <vector>

namespace quintel::wholegame {

class SequenceForm {
public:
    static constexpr int kEmptySequence = 0;

    // A new information set of `seat`, reached after that seat's `parentSequence`.
    int addInfoset(int seat, int parentSequence);
    // A new sequence: the parent sequence of `infoset` followed by one more action in it.
    int addSequence(int seat, int infoset);
    // The game ends after the two sequences with the first seat winning `weight` (chance times
    // payoff); several ends of the same pair add up.
    void addPayoff(int firstSequence, int secondSequence, double weight);

    int sequenceCount(int seat) const;
    int infosetCount(int seat) const;
    int parentOf(int seat, int infoset) const;
    // The information set a sequence's last action was taken in; -1 for the empty sequence.
    int infosetOf(int seat, int sequence) const;

    struct Payoff {
        int first = 0;
        int second = 0;
        double weight = 0;
    };
    // Payoffs ordered by the second seat's sequence, then the first's, each pair once.
    std::vector<Payoff> mergedPayoffs() const;
    std::size_t payoffEntries() const { return payoffs_.size(); }

private:
    struct Seat {
        std::vector<int> infosetParent;
        std::vector<int> sequenceInfoset{-1};
        std::vector<int> infosetActions;
    };
    std::array<Seat, 2> seats_;
    std::vector<Payoff> payoffs_;
};

// Realization plans: for each sequence of a seat, the chance that the seat plays it.
using RealizationPlan = std::vector<double>;

// The first seat's payoff when it plays `firstPlan` and the second seat answers it best.
double firstGuarantee(const SequenceForm& form, const RealizationPlan& firstPlan);
// The first seat's payoff when the second seat plays `secondPlan` and the first answers it best.
double secondConcession(const SequenceForm& form, const RealizationPlan& secondPlan);

} // namespace quintel::wholegame
