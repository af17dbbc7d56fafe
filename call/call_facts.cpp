#include "call/form_call.h"

#include "app/game.h"
#include "model/call_rules.h"
#include "model/dice.h"

namespace quintel {

CallFacts FormCall::callFacts() const {
    const auto& last = game().match.lastCall();
    CallFacts facts;
    std::array<int, kDiceCount> composed{};
    std::size_t next = 0;
    for (int face = 1; face <= kFaces; ++face) {
        const int count = selectedColumn(face);
        facts.composedDice += count;
        for (int n = 0; n < count && next < composed.size(); ++n) {
            composed[next++] = face;
        }
    }
    const int level = shapeScore(arrangeDice(composed));
    facts.composed = diceDigits(composed);
    facts.dice = diceDigits(game().formStart.diceValues());
    if (last) {
        facts.lastCall = last->digits();
        facts.beatsLast = callBeats(composed, level, last->places(), last->level());
    }
    if (const auto weakest = match::weakestAfter(last)) {
        facts.weakest = weakest->digits();
    }
    return facts;
}

void FormCall::showStatus() {
    lblStatus.caption = callStatus(callFacts());
    FormStart& table = game().formStart;
    if (!table.coachShown) {
        lblStatus.tooltip.clear();
        return;
    }
    FaceCounts composed{};
    for (int face = 1; face <= kFaces; ++face) {
        composed[static_cast<std::size_t>(face)] = selectedColumn(face);
    }
    if (const std::string line = table.coachCallLine(composed); !line.empty()) {
        lblStatus.caption += "\n" + line;
    }
    lblStatus.tooltip = table.coachHint();
}

} // namespace quintel
