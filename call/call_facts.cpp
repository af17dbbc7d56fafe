#include "call/form_call.h"

#include "app/game.h"
#include "model/call_rules.h"
#include "model/dice.h"
#include "opponent/call_planning.h"

#include <span>

namespace quintel {

CallFacts FormCall::callFacts() const {
    const GameState& state = game().state;
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
    const std::span<const int> last = std::span(state.LastCallDice).first<kDiceCount>();
    if (state.LastCallLevel != 0) {
        facts.lastCall = diceDigits(last);
        facts.beatsLast = callBeats(composed, level, last, state.LastCallLevel);
    }
    if (const auto weakest = weakestCallBeating(last, state.LastCallLevel)) {
        facts.weakest = diceDigits(*weakest);
    }
    return facts;
}

void FormCall::showStatus() {
    lblStatus.caption = callStatus(callFacts());
    const FormStart& table = game().formStart;
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
    lblStatus.tooltip = std::string(kCoachHint);
}

} // namespace quintel
