#include "table/form_start.h"

#include "app/game.h"
#include "model/dice.h"
#include "model/translation.h"

#include <string>

namespace quintel {

void FormStart::Form_Load() {
    DiceMarked.fill(false);
    // The title says whom the player faces; the seat's own caption stays as it always was.
    windowCaption = std::string(kAppTitle) + " \u2014 " + game().opponentTitle();
    functName();
    functStart();
}

void FormStart::functName() {
    const auto& names = game().logs.names;
    for (std::size_t seat = 0; seat < names.size() && seat < lblName.size(); ++seat) {
        lblName[seat].caption = names[seat];
    }
    lblName[1].tooltip =
        withArguments(translated("Table", "The computer you play: %1"), {game().opponentTitle()});
}

std::string FormStart::computerSeatName() const {
    return game().logs.names[1] + " (" + game().opponentTitle() + ")";
}

void FormStart::functStart() {
    game().startGame();
}

void FormStart::gameStarted(const match::Match& match) {
    if (!loaded()) {
        return;
    }
    for (Control& marker : Picture1) {
        marker.visible = false;
    }
    cmdExit.enabled = false;
    showNextGameBar(false);
    Picture1[static_cast<std::size_t>(match.toMove())].visible = true;
    Text1.caption.clear();
    Text2.caption.clear();
    coachUsedInMatch_ = coachShown;
    DiceMarked.fill(false);
    for (Control& die : Dice) {
        die.enabled = true;
    }
}

void FormStart::diceThrown(const match::Match& match, Seat /*seat*/, std::string_view /*thrown*/) {
    if (loaded() && match.phase() == match::Phase::Opening) {
        functRandom();
    }
}

void FormStart::functRandom() {
    showTableDice();
    for (Control& die : Dice) {
        die.visible = true;
    }
    Call1.enabled = true;
    Timer1.enabled = true;
    lblSecond.visible = true;
    highlightLogs(0);
    lblStatus.caption = ownThrowStatus(diceDigits(diceValues()), tableKeys());
    refreshCoach();
}

void FormStart::showTableDice() {
    const match::Dice& dice = game().match.dice();
    for (std::size_t i = 0; i < Dice.size(); ++i) {
        Dice[i].caption = dice[i] != 0 ? std::to_string(dice[i]) : std::string();
    }
}

void FormStart::showTurn() {
    for (Control& marker : Picture1) {
        marker.visible = false;
    }
    Picture1[static_cast<std::size_t>(game().match.toMove())].visible = true;
}

void FormStart::functTurn() {
    showTableDice();
    // Whoever trusts a call that nothing beats could make no call after it, so only not trusting
    // is offered.
    Trust.enabled = game().match.mayTrust();
    XTrust.enabled = true;
    Timer1.enabled = true;
    lblSecond.visible = true;
}

void FormStart::closeFromFrame() {
    if (game().match.inPlay() &&
        !game().messages.askDefaultNo(
            translated("Table", "Leave the game in progress? It will not be counted."))) {
        return;
    }
    Form_Unload();
}

void FormStart::Form_Unload() {
    game().closeTable();
}

void FormStart::cmdExit_Click() {
    if (cmdExit.caption == "Exit") {
        Form_Unload();
    } else {
        Form_Load();
    }
}

int FormStart::dieValue(int index) const {
    const std::string& caption = Dice[static_cast<std::size_t>(index)].caption;
    return !caption.empty() && isFaceDigit(caption.front()) ? caption.front() - '0' : 0;
}

std::array<int, kDiceCount> FormStart::diceValues() const {
    std::array<int, kDiceCount> values{};
    for (int i = 0; i < kDiceCount; ++i) {
        values[static_cast<std::size_t>(i)] = dieValue(i);
    }
    return values;
}

} // namespace quintel
