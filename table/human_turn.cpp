#include "table/form_start.h"

#include "app/game.h"
#include "model/dice.h"

#include <algorithm>
#include <span>
#include <string>

namespace quintel {

namespace {

void markDie(Control& die, bool& marked) {
    die.caption = die.caption.substr(0, 1) + "X";
    marked = true;
}

} // namespace

void FormStart::Call1_Click() {
    // The dialog is not modal: a second press brings the open one, with what it holds, to the
    // front.
    game().formCall.Show();
}

void FormStart::Change_Dice_Click() {
    // No call may be sent while dice are being chosen: a call dialog left open from before would
    // hand over marked dice and leave Roll live in the computer's turn.
    game().formCall.Unload();
    const match::ChangeLayout layout = game().match.changeLayout();
    for (std::size_t i = 0; i < kDiceCount; ++i) {
        switch (layout[i]) {
        case match::DieChoice::Free:
            DiceSelectable[i] = true;
            break;
        case match::DieChoice::MustThrow:
            markDie(Dice[i], DiceMarked[i]);
            break;
        case match::DieChoice::Locked:
            // The previous caller's fixed dice stay where they are.
            Dice[i].enabled = false;
            DiceSelectable[i] = false;
            DiceMarked[i] = false;
            Dice[i].caption = Dice[i].caption.substr(0, 1);
            break;
        }
    }
    Call1.enabled = false;
    Roll.visible = true;
    XChange.visible = true;
    Change_Dice.enabled = false;
    showChangingStatus();
}

void FormStart::Dice_Click(int index) {
    const auto i = static_cast<std::size_t>(index);
    if (!DiceSelectable[i]) {
        return;
    }
    Control& die = Dice[i];
    die.caption = die.caption.size() == 1 ? die.caption + "X" : die.caption.substr(0, 1);
    DiceMarked[i] = !DiceMarked[i];
    showChangingStatus();
}

void FormStart::Roll_Click() {
    std::array<bool, kDiceCount> kept{};
    for (std::size_t i = 0; i < kDiceCount; ++i) {
        kept[i] = !DiceMarked[i];
    }
    act(match::Action::keepingPlaces(kept));
    // One throw a turn: no die can be marked again until the next trust.
    DiceSelectable.fill(false);
    showTableDice();
    Roll.visible = false;
    XChange.visible = false;
    Change_Dice.enabled = false;
    Call1.enabled = true;
    const auto thrown = std::ranges::count(std::span(DiceMarked).first<kDiceCount>(), true);
    lblStatus.caption = thrownStatus(static_cast<int>(thrown), diceDigits(diceValues()),
                                     lastCallDigits(), tableKeys());
    refreshCoach();
}

void FormStart::XChange_Click() {
    for (std::size_t i = 0; i < kDiceCount; ++i) {
        if (Dice[i].caption.size() == 2) {
            Dice[i].caption = Dice[i].caption.substr(0, 1);
        }
        DiceMarked[i] = false;
    }
    for (std::size_t i = 0; i < kDiceCount; ++i) {
        DiceSelectable[i] = false;
        Dice[i].enabled = true;
    }
    Call1.enabled = true;
    Change_Dice.enabled = true;
    Roll.visible = false;
    XChange.visible = false;
    lblStatus.caption = trustedStatus(lastCallDigits(), diceDigits(diceValues()), tableKeys());
    refreshCoach();
}

void FormStart::callMade(const match::Match& /*match*/, const match::CallRecord& made) {
    if (!loaded()) {
        return;
    }
    if (made.caller == Seat::Computer) {
        showComputersCall();
        return;
    }
    functCall();
    putDiceAway();
}

void FormStart::functCall() {
    Text1.caption = game().logs.callLog;
    Text2.caption = game().logs.fixLog;
    // A new call: what the computer's last turn wrote is no longer news.
    highlightLogs(0);
    showTurn();
}

void FormStart::showComputersCall() {
    functTurn();
    functCall();
    // No countdown runs and no die is in play while the player considers the call.
    putDiceAway();
    stopCountdown();
    const match::CallRecord& made = game().match.calls().back();
    const ComputerMove move{.name = computerSeatName(),
                            .kept = made.fixed.digits(),
                            .thrown = static_cast<int>(made.thrown.size()),
                            .call = made.call.digits(),
                            .trustable = Trust.enabled};
    lblStatus.caption = computerCallStatus(move, tableKeys());
    refreshCoach();
    // The computer's call is the newest line of each log.
    highlightLogs(1);
}

void FormStart::putDiceAway() {
    Change_Dice.enabled = false;
    Call1.enabled = false;
    for (std::size_t i = 0; i < kDiceCount; ++i) {
        Dice[i].visible = false;
        DiceMarked[i] = false;
    }
}

} // namespace quintel
