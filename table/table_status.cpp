#include "table/form_start.h"

#include "app/game.h"
#include "model/dice.h"

#include <algorithm>
#include <span>

namespace quintel {

void FormStart::designStatusLine() {
    designControl(lblStatus, "lblStatus", -1, ControlKind::Label, "",
                  statusLinePlace(clientWidth, clientHeight));
}

TableKeys FormStart::tableKeys() const {
    return {.call = Call1.shortcut,
            .change = Change_Dice.shortcut,
            .roll = Roll.shortcut,
            .cancel = XChange.shortcut,
            .trust = Trust.shortcut,
            .notTrust = XTrust.shortcut,
            .firstDie = Dice.front().shortcut,
            .lastDie = Dice.back().shortcut};
}

void FormStart::showChangingStatus() {
    const auto first = [](const auto& flags) {
        return std::span(flags).template first<kDiceCount>();
    };
    const ChangeChoice choice{
        .marked = static_cast<int>(std::ranges::count(first(DiceMarked), true)),
        .selectable = static_cast<int>(std::ranges::count(first(DiceSelectable), true))};
    lblStatus.caption = changingStatus(choice, tableKeys());
    refreshCoach();
}

void FormStart::highlightLogs(int lines) {
    Text1.highlightedLines = lines;
    Text2.highlightedLines = lines;
}

std::string FormStart::lastCallDigits() const {
    const auto& last = game().match.lastCall();
    return last ? last->digits() : std::string();
}

} // namespace quintel
