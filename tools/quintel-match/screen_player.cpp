#include "screen_player.h"

#include "model/call_grid.h"
#include "table/result_texts.h"

namespace quintel::arena {

void ScreenPlayer::signIn(const WelcomeChoice& choice) {
    game_.start();
    FormWelcome& welcome = game_.formWelcome;
    welcome.txtName.edited(choice.name);
    welcome.Check1.value = choice.fixAny;
    welcome.Check2.value = choice.fixPermanent;
    (choice.opponent == Opponent::Expert   ? welcome.optExpert
     : choice.opponent == Opponent::Master ? welcome.optMaster
                                           : welcome.optClassic)
        .click();
    welcome.btnOK.click();
}

bool ScreenPlayer::expects(std::string_view text, MessageButtons buttons) {
    if (buttons == MessageButtons::YesNo) {
        return text == kContinueQuestion;
    }
    return text == kWonByChallengeText || text == kWonAgainstChallengeText || text == kLostText ||
           text.find(std::string(kNotTrustText) + "\r\n") != std::string_view::npos ||
           text.starts_with(kTallyPlayedText);
}

bool ScreenPlayer::meansABrokenRule(std::string_view text) {
    return text == "Incorrect Input" || text.starts_with("Invalid Input") ||
           text.starts_with("The table refused");
}

std::optional<std::string> ScreenPlayer::act(match::Player& player) {
    FormStart& table = game_.formStart;
    const match::Action action = player.decide(game_.match.viewFor(Seat::Human));
    switch (action.kind) {
    case match::ActionKind::Call:
        if (!action.call) {
            return "the player has no call to make";
        }
        return call(*action.call);
    case match::ActionKind::Trust:
        if (!table.Trust.enabled) {
            return "Trust is not offered";
        }
        table.Trust.click();
        return checkDice("the player's trust");
    case match::ActionKind::Doubt:
        if (!table.XTrust.enabled) {
            return "XTrust is not offered";
        }
        table.XTrust.click();
        return std::nullopt;
    case match::ActionKind::Resign:
        // No button gives a game up: a player whose answer could not be taken hands it to the
        // table as the screens hand their actions over.
        table.act(action);
        return std::nullopt;
    case match::ActionKind::Keep:
        break;
    }
    if (action.keep.places) {
        return keep(*action.keep.places);
    }
    if (auto places = placesKeeping(action.keep.dice)) {
        return keep(*places);
    }
    return "the player kept " + action.keep.dice.digits() + ", which the table cannot mark";
}

// The places that keep `kept` as the table lays the dice out: dice locked by Fix Permanent first,
// then dice the player may keep, each face taken from the left. Nothing when the dice lack them.
std::optional<std::array<bool, kDiceCount>>
ScreenPlayer::placesKeeping(const match::Kept& kept) const {
    const match::Dice& dice = game_.match.dice();
    const match::ChangeLayout layout = game_.match.changeLayout();
    FaceCounts wanted = kept.counts();
    std::array<bool, kDiceCount> places{};
    for (const match::DieChoice choice : {match::DieChoice::Locked, match::DieChoice::Free}) {
        for (std::size_t i = 0; i < kDiceCount; ++i) {
            int& left = wanted[static_cast<std::size_t>(dice[i])];
            if (layout[i] == choice && left > 0) {
                places[i] = true;
                --left;
            }
        }
    }
    if (wanted != FaceCounts{}) {
        return std::nullopt;
    }
    return places;
}

std::optional<std::string> ScreenPlayer::call(const match::Call& call) {
    FormStart& table = game_.formStart;
    if (!table.Call1.enabled) {
        return "Call is not offered";
    }
    table.Call1.click();
    FormCall& dialog = game_.formCall;
    const FaceCounts counts = call.counts();
    for (int face = 1; face <= kFaces; ++face) {
        if (const int count = counts[static_cast<std::size_t>(face)]; count > 0) {
            dialog.Option1[callGridIndex(face, count)].click();
        }
    }
    dialog.OK.click();
    return std::nullopt;
}

std::optional<std::string> ScreenPlayer::keep(const std::array<bool, kDiceCount>& kept) {
    FormStart& table = game_.formStart;
    if (!table.Change_Dice.enabled) {
        return "Change is not offered";
    }
    table.Change_Dice.click();
    for (std::size_t i = 0; i < kDiceCount; ++i) {
        if (table.DiceSelectable[i] && kept[i] == table.DiceMarked[i]) {
            table.Dice[i].click();
        }
    }
    table.Roll.click();
    std::array<int, kDiceCount> meant{};
    const std::array<int, kDiceCount> before = table.diceValues();
    for (std::size_t i = 0; i < kDiceCount; ++i) {
        meant[i] = kept[i] ? before[i] : 0;
    }
    const match::Kept fixed = game_.match.fixed();
    if (arrangeDigits(fixed.digits()) != arrangeDigits(diceDigits(meant))) {
        return "the player meant to keep " + diceDigits(meant) + " but kept " + fixed.digits();
    }
    return checkDice("the player's throw");
}

std::optional<std::string> ScreenPlayer::checkDice(std::string_view where) const {
    for (const Control& die : game_.formStart.Dice) {
        if (die.caption.empty() || !isFaceDigit(die.caption.front())) {
            return "a die showing '" + die.caption + "' after " + std::string(where);
        }
    }
    return std::nullopt;
}

} // namespace quintel::arena
