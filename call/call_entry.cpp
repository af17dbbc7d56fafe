#include "call/form_call.h"

#include "app/game.h"

#include <array>
#include <string>

namespace quintel {

int FormCall::selectedColumn(int face) const {
    for (int column = 0; column < kGridColumns; ++column) {
        if (Option1[callGridIndex(face, column)].value) {
            return column;
        }
    }
    return 0;
}

void FormCall::Option1_Click(int index) {
    const int rowStart = index - index % kGridColumns;
    for (int i = rowStart; i < rowStart + kGridColumns; ++i) {
        Option1[static_cast<std::size_t>(i)].value = i == index;
    }
    showStatus();
    Check_Call();
}

bool FormCall::Check_Call() {
    for (Control& label : lblDice) {
        label.caption.clear();
    }
    int count = 0;
    for (int face = 1; face <= kFaces; ++face) {
        count += selectedColumn(face);
    }
    if (count == 0 || count > kDiceCount) {
        // The message is the game's own; the status line beside it says what to do.
        lblStatus.caption = refusedCallStatus(count);
        game().messages.inform(count == 0 ? "Invalid Input : Please least input 1 dice"
                                          : "Invalid Input : Too Many Dice (<= 5)");
        return false;
    }
    std::size_t k = 0;
    for (int face = 1; face <= kFaces; ++face) {
        for (int n = selectedColumn(face); n > 0; --n) {
            lblDice[k++].caption = std::to_string(face);
        }
    }
    return true;
}

void FormCall::OK_Click() {
    if (!Check_Call()) {
        return;
    }
    for (std::size_t k = 0; k < lblDice.size(); ++k) {
        const std::string& caption = lblDice[k].caption;
        CallDice[k] = caption.empty() ? 0 : caption.front() - '0';
    }
    SendCall();
}

void FormCall::Cancel_Click() {
    Unload();
}

void FormCall::SendCall() {
    Game& g = game();
    FormStart& table = g.formStart;

    Level_Cal();
    if (!g.match.lastCall()) {
        CallIsHigher = true;
    } else {
        Check2();
    }
    if (!CallIsHigher) {
        g.messages.inform("Incorrect Input");
        return;
    }
    Unload();
    table.act(match::Action::calling(*match::Call::fromPlaces(CallDice)));
    // A computer's challenge answered No has closed the table already: it is left closed, and
    // its next opening designs the countdown afresh. Answered Yes, the next game starts with the
    // countdown stopped, as after every call.
    if (table.loaded()) {
        table.stopCountdown();
    }
}

} // namespace quintel
