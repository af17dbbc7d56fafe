#include "testing/whole_game/sequence_form.h"
#include "model/index.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <stdexcept>

namespace quintel::wholegame {
namespace {

// The best answer of `seat` to the other seat's plan. Works over the seat's own sequences: the
// worth of a sequence is what the game pays at its ends plus, for each information set right
// after it, the best of that set's sequences. `better(a, b)` says a is preferred.
double bestAnswer(const SequenceForm& form, int seat, const RealizationPlan& otherPlan,
                  const std::function<bool(double, double)>& better) {
    const int sequences = form.sequenceCount(seat);
    std::vector<double> worth(at(sequences), 0);
    for (const auto& payoff : form.mergedPayoffs()) {
        const int own = seat == 0 ? payoff.first : payoff.second;
        const int other = seat == 0 ? payoff.second : payoff.first;
        worth[at(own)] += payoff.weight * otherPlan[at(other)];
    }
    // Later information sets never lead to earlier ones, so one backward pass settles every set.
    const int infosets = form.infosetCount(seat);
    std::vector<double> bestOfSet(at(infosets), std::numeric_limits<double>::quiet_NaN());
    for (int sequence = sequences - 1; sequence > 0; --sequence) {
        const int infoset = form.infosetOf(seat, sequence);
        double& best = bestOfSet[at(infoset)];
        if (std::isnan(best) || better(worth[at(sequence)], best)) {
            best = worth[at(sequence)];
        }
        const bool firstOfSet = form.infosetOf(seat, sequence - 1) != infoset;
        if (firstOfSet) {
            worth[at(form.parentOf(seat, infoset))] += best;
        }
    }
    return worth[at(SequenceForm::kEmptySequence)];
}

} // namespace

int SequenceForm::addInfoset(int seat, int parentSequence) {
    Seat& own = seats_.at(at(seat));
    if (parentSequence < 0 || at(parentSequence) >= own.sequenceInfoset.size()) {
        throw std::out_of_range("no such parent sequence");
    }
    own.infosetParent.push_back(parentSequence);
    own.infosetActions.push_back(0);
    return static_cast<int>(own.infosetParent.size()) - 1;
}

int SequenceForm::addSequence(int seat, int infoset) {
    Seat& own = seats_.at(at(seat));
    // A set's sequences stand together, so that each set is one run of sequence numbers.
    int& actions = own.infosetActions.at(at(infoset));
    if (actions > 0 && own.sequenceInfoset.back() != infoset) {
        throw std::logic_error("sequences of an information set must be added together");
    }
    ++actions;
    own.sequenceInfoset.push_back(infoset);
    return static_cast<int>(own.sequenceInfoset.size()) - 1;
}

void SequenceForm::addPayoff(int firstSequence, int secondSequence, double weight) {
    payoffs_.push_back({firstSequence, secondSequence, weight});
}

int SequenceForm::sequenceCount(int seat) const {
    return static_cast<int>(seats_.at(at(seat)).sequenceInfoset.size());
}

int SequenceForm::infosetCount(int seat) const {
    return static_cast<int>(seats_.at(at(seat)).infosetParent.size());
}

int SequenceForm::parentOf(int seat, int infoset) const {
    return seats_.at(at(seat)).infosetParent.at(at(infoset));
}

int SequenceForm::infosetOf(int seat, int sequence) const {
    return seats_.at(at(seat)).sequenceInfoset.at(at(sequence));
}

std::vector<SequenceForm::Payoff> SequenceForm::mergedPayoffs() const {
    std::vector<Payoff> sorted = payoffs_;
    std::sort(sorted.begin(), sorted.end(), [](const Payoff& a, const Payoff& b) {
        return a.second != b.second ? a.second < b.second : a.first < b.first;
    });
    std::vector<Payoff> merged;
    for (const Payoff& payoff : sorted) {
        if (!merged.empty() && merged.back().first == payoff.first &&
            merged.back().second == payoff.second) {
            merged.back().weight += payoff.weight;
        } else {
            merged.push_back(payoff);
        }
    }
    return merged;
}

double firstGuarantee(const SequenceForm& form, const RealizationPlan& firstPlan) {
    return bestAnswer(form, 1, firstPlan, std::less<double>{});
}

double secondConcession(const SequenceForm& form, const RealizationPlan& secondPlan) {
    return bestAnswer(form, 0, secondPlan, std::greater<double>{});
}

} // namespace quintel::wholegame
