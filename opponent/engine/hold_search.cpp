// Which dice to keep: every hold of one to four of the dice is scored by its chance of beating the
// call, and the best one wins; equal chances go to the hold of the higher shape score.
#include "opponent/engine/engine_work.h"

#include <algorithm>
#include <span>

namespace quintel {

namespace {

constexpr int kMostDiceKept = 4;

// Calls visit for every choice of n of the five positions, in increasing order, the last position
// moving fastest (the order in which ties between holds are settled).
template <class Visit> void forEachChoice(int n, Visit visit) {
    std::array<std::size_t, kMostDiceKept> p{};
    const auto count = static_cast<std::size_t>(n);
    for (std::size_t i = 0; i < count; ++i) {
        p[i] = i;
    }
    while (true) {
        visit(std::span<const std::size_t>(p.data(), count));
        std::size_t i = count;
        while (i > 0 && p[i - 1] == kDiceCount - count + i - 1) {
            --i;
        }
        if (i == 0) {
            return;
        }
        ++p[i - 1];
        for (std::size_t j = i; j < count; ++j) {
            p[j] = p[j - 1] + 1;
        }
    }
}

} // namespace

bool EngineWork::admissible() const {
    if (options.fixPermanent) {
        return Check4() && (options.fixAny || Check5());
    }
    return options.fixAny || Check5();
}

// Scoring rewrites the engine texts, which the search still needs afterwards. Prob1 runs last so
// that CallCount describes the call again for the next hold's Check5.
Chance EngineWork::scoreHold(const std::string& call) {
    const Chance sameClass = SameLevel(HoldText, CallText);
    return sameClass + Prob1(HoldText, call);
}

void EngineWork::NewPart() {
    const auto tried = TriedHolds.begin() + TriedCount;
    HoldSeen = std::find(TriedHolds.begin(), tried, HoldText) != tried;
    if (HoldSeen) {
        return;
    }
    TriedHolds[static_cast<std::size_t>(TriedCount++)] = HoldText;

    const std::string hold = HoldText;
    const std::string call = CallText;
    const std::string dice = DiceText;
    Hold_Arrange();
    HoldProb = admissible() ? scoreHold(call) : Chance{};
    HoldText = hold;
    CallText = call;
    DiceText = dice;

    if (HoldProb > BestProb) {
        BestProb = HoldProb;
        BestHold = HoldText;
    } else if (HoldProb == BestProb) {
        Hold_Arrange();
        if (HoldShape > Suggest_Arrange(BestHold)) {
            BestHold = HoldText;
        }
        HoldText = hold;
    }
}

void EngineWork::NewCalProb(std::string_view strCall, std::string_view strDice,
                            std::string_view strFix, int intChoose) {
    CallText = strCall;
    DiceText = strDice;
    FixText = strFix;
    for (std::string* text : {&CallText, &DiceText, &FixText}) {
        std::erase(*text, '0');
    }
    Call_Arrange();
    Fix_Arrange();
    int diceScore = 0;
    // Arranged dice give equal texts for equal kept dice, so each is scored once.
    if (DiceText.size() == kDiceCount && intChoose == 0) {
        Dice_Arrange();
        diceScore = DiceShape;
    }
    Check3();

    BestHold.clear();
    BestProb = Chance{};
    TriedHolds[0].clear();
    if (!(options.fixPermanent && !FixText.empty())) {
        const std::string call = CallText;
        const std::string dice = DiceText;
        HoldText.clear();
        BestProb = scoreHold(call);
        HoldText.clear();
        CallText = call;
        DiceText = dice;
    }
    TriedCount = 1;

    const std::string dice = DiceText;
    for (int n = 1; n <= kMostDiceKept; ++n) {
        forEachChoice(n, [&](std::span<const std::size_t> positions) {
            HoldText.clear();
            for (std::size_t p : positions) {
                // Short dice: a position past their end adds nothing.
                if (p < dice.size()) {
                    HoldText.push_back(dice[p]);
                }
            }
            NewPart();
        });
    }

    const int bestScore = Suggest_Arrange(BestHold);
    const bool unlikely = BestProb.outcomes * 2 <= kAllOutcomes;
    if (DiceBeatsCall && (unlikely || shapeClass(bestScore) < shapeClass(diceScore))) {
        BestHold = DiceText;
        BestProb = kCertain;
    }
}

} // namespace quintel
