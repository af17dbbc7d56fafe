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
    GameState& state = game().state;
    FaceCounts callLeft = state.LastFaceCount;
    if (state.FixAnyOption) {
        for (std::size_t i = 0; i < kDiceCount; ++i) {
            DiceSelectable[i] = true;
        }
    } else if (!lastCallHeld()) {
        // The dice do not hold the call: all of them are thrown again.
        for (std::size_t i = 0; i < kDiceCount; ++i) {
            markDie(Dice[i], state.DiceMarked[i]);
        }
    } else {
        // Dice of the call may be kept, taken from the left; every other die is thrown again.
        for (std::size_t i = 0; i < kDiceCount; ++i) {
            int& left = callLeft[static_cast<std::size_t>(dieValue(static_cast<int>(i)))];
            if (left >= 1) {
                DiceSelectable[i] = true;
                --left;
            } else {
                markDie(Dice[i], state.DiceMarked[i]);
            }
        }
    }
    if (state.FixPermanentOption) {
        // The previous caller's fixed dice stay where they are, whatever was decided above.
        FaceCounts fixedLeft = FixFaceCount;
        for (std::size_t i = 0; i < kDiceCount; ++i) {
            int& left = fixedLeft[static_cast<std::size_t>(dieValue(static_cast<int>(i)))];
            if (left >= 1) {
                Dice[i].enabled = false;
                DiceSelectable[i] = false;
                state.DiceMarked[i] = false;
                Dice[i].caption = Dice[i].caption.substr(0, 1);
                --left;
            }
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
    game().state.DiceMarked[i] = !game().state.DiceMarked[i];
    showChangingStatus();
}

void FormStart::Roll_Click() {
    GameState& state = game().state;
    state.DiceRolled = true;
    std::string thrownDice;
    for (std::size_t i = 0; i < kDiceCount; ++i) {
        if (state.DiceMarked[i]) {
            Dice[i].caption = std::to_string(game().random.die());
            thrownDice += Dice[i].caption;
        }
        // One throw a turn: no die can be marked again until the next trust.
        DiceSelectable[i] = false;
    }
    Roll.visible = false;
    XChange.visible = false;
    Change_Dice.enabled = false;
    Call1.enabled = true;
    game().record.diceThrown(Seat::Human, thrownDice);
    for (std::size_t i = 0; i < kDiceCount; ++i) {
        state.FixDice[i] = state.DiceMarked[i] ? 0 : dieValue(static_cast<int>(i));
    }
    const auto thrown = std::ranges::count(std::span(state.DiceMarked).first<kDiceCount>(), true);
    lblStatus.caption =
        thrownStatus(static_cast<int>(thrown), diceDigits(diceValues()),
                     diceDigits(std::span(state.LastCallDice).first<kDiceCount>()), tableKeys());
    refreshCoach();
}

void FormStart::XChange_Click() {
    GameState& state = game().state;
    for (std::size_t i = 0; i < kDiceCount; ++i) {
        if (Dice[i].caption.size() == 2) {
            Dice[i].caption = Dice[i].caption.substr(0, 1);
        }
        state.DiceMarked[i] = false;
    }
    for (std::size_t i = 0; i < kDiceCount; ++i) {
        DiceSelectable[i] = false;
        Dice[i].enabled = true;
    }
    Call1.enabled = true;
    Change_Dice.enabled = true;
    Roll.visible = false;
    XChange.visible = false;
    state.DiceRolled = false;
    lblStatus.caption = trustedStatus(diceDigits(std::span(state.LastCallDice).first<kDiceCount>()),
                                      diceDigits(diceValues()), tableKeys());
    refreshCoach();
}

void FormStart::functCall() {
    GameState& state = game().state;
    const std::string& caller = state.PlayerNames[static_cast<std::size_t>(state.CurrentPlayer)];
    Text1.caption += caller + " Call: ";
    Text2.caption += caller + " Fix: ";
    std::copy_n(state.LastCallDice.begin(), kDiceCount, callBeforeLast_.begin());
    for (std::size_t i = 0; i < 5; ++i) {
        state.LastCallDice[i] = state.CallDice[i];
        if (state.CallDice[i] != 0) {
            Text1.caption += std::to_string(state.CallDice[i]);
        }
        if (state.FixDice[i] != 0) {
            Text2.caption += std::to_string(state.FixDice[i]);
        }
    }
    Text1.caption += "\r\n";
    Text2.caption += "\r\n";
    state.LastCallLevel = state.CallLevel;
    ++callsInMatch_;
    game().record.callMade(state.CurrentPlayer == 0 ? Seat::Human : Seat::Computer,
                           diceDigits(std::span(state.CallDice).first<kDiceCount>()),
                           diceDigits(std::span(state.FixDice).first<kDiceCount>()));
    // A new call: what the computer's last turn wrote is no longer news.
    highlightLogs(0);
    passTurn();
}

void FormStart::putDiceAway() {
    Change_Dice.enabled = false;
    Call1.enabled = false;
    for (std::size_t i = 0; i < kDiceCount; ++i) {
        Dice[i].visible = false;
        game().state.DiceMarked[i] = false;
    }
}

} // namespace quintel
