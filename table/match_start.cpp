#include "table/form_start.h"

#include "app/game.h"
#include "model/call_rules.h"
#include "model/dice.h"

#include <array>
#include <span>
#include <string>

namespace quintel {

namespace {

// Whether any call beats `call`: whether the strongest call there is, five aces, does.
bool anyCallBeats(std::span<const int> call) {
    constexpr std::array<int, kDiceCount> fiveAces{1, 1, 1, 1, 1};
    return callBeats(fiveAces, shapeScore(countFaces(fiveAces)), call,
                     shapeScore(countFaces(call)));
}

} // namespace

void FormStart::Form_Load() {
    GameState& state = game().state;
    for (std::size_t i = 0; i < kDiceCount; ++i) {
        state.DiceMarked[i] = false;
        state.CallDice[i] = 0;
    }
    for (std::size_t face = 1; face <= kFaces; ++face) {
        state.DiceFaceCount[face] = 0;
        state.LastFaceCount[face] = 0;
    }
    windowCaption = std::string(kAppTitle);
    functName();
    functStart();
}

void FormStart::functName() {
    const GameState& state = game().state;
    for (int seat = 0; seat < state.PlayerCount && seat < static_cast<int>(lblName.size());
         ++seat) {
        lblName[static_cast<std::size_t>(seat)].caption =
            state.PlayerNames[static_cast<std::size_t>(seat)];
    }
}

void FormStart::functStart() {
    // The random source is seeded once for the whole run, so there is no reseeding here.
    GameState& state = game().state;
    game().record.matchStarted();
    if (state.FirstTurnMode == 0 || state.FirstTurnMode == 1) {
        state.CurrentPlayer = 0;
    } else {
        state.CurrentPlayer = static_cast<int>(game().random.next() * state.PlayerCount);
    }

    for (Control& marker : Picture1) {
        marker.visible = false;
    }
    cmdExit.enabled = false;
    Picture1[static_cast<std::size_t>(state.CurrentPlayer)].visible = true;

    Text1.caption.clear();
    Text2.caption.clear();
    callsInMatch_ = 0;
    callBeforeLast_.fill(0);
    diceComputerThrew_ = 0;
    coachUsedInMatch_ = coachShown;
    for (std::size_t i = 0; i < kDiceCount; ++i) {
        state.DiceMarked[i] = false;
        state.CallDice[i] = 0;
        state.FixDice[i] = 0;
        Dice[i].enabled = true;
    }
    for (std::size_t face = 1; face <= kFaces; ++face) {
        state.DiceFaceCount[face] = 0;
        state.LastFaceCount[face] = 0;
    }
    functRandom();
    highlightLogs(0);
    lblStatus.caption = ownThrowStatus(diceDigits(diceValues()), tableKeys());
    refreshCoach();
}

void FormStart::functRandom() {
    GameState& state = game().state;
    for (Control& die : Dice) {
        die.caption = std::to_string(game().random.die());
        die.visible = true;
    }
    game().record.diceThrown(state.CurrentPlayer == 0 ? Seat::Human : Seat::Computer,
                             diceDigits(diceValues()));
    Call1.enabled = true;
    for (std::size_t i = 0; i < kDiceCount; ++i) {
        state.LastCallDice[i] = 0;
    }
    state.LastCallLevel = 0;
    Timer1.enabled = true;
    lblSecond.visible = true;
}

void FormStart::passTurn() {
    GameState& state = game().state;
    Picture1[static_cast<std::size_t>(state.CurrentPlayer)].visible = false;
    state.CurrentPlayer =
        state.CurrentPlayer != state.PlayerCount - 1 ? state.CurrentPlayer + 1 : 0;
    Picture1[static_cast<std::size_t>(state.CurrentPlayer)].visible = true;
}

void FormStart::functTurn() {
    const GameState& state = game().state;
    const std::string& handed = state.MessageFields[0];
    for (std::size_t i = 0; i < Dice.size(); ++i) {
        Dice[i].caption = i < handed.size() ? std::string(1, handed[i]) : std::string();
    }
    // The caller has chosen its call by now. Whoever trusts a call that nothing beats could make
    // no call after it, so only not trusting is offered.
    Trust.enabled = anyCallBeats(std::span(state.CallDice).first<kDiceCount>());
    XTrust.enabled = true;
    Timer1.enabled = true;
    lblSecond.visible = true;
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

} // namespace quintel
