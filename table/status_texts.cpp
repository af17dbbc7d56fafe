#include "table/status_texts.h"

#include "model/dice.h"
#include "model/hand_words.h"
#include "model/translation.h"

namespace quintel {

namespace {

// The texts are in the player's language, each one sentence with its parts as arguments, so that
// a translation may order them as its language does.

// "Call (C)"
std::string key(const std::string& what, std::string_view shortcut) {
    return what + " (" + std::string(shortcut) + ")";
}

// "66432, a pair of sixes"
std::string withWords(std::string_view dice) {
    return withArguments(translated("StatusLine", "%1, %2"), {dice, handInWords(dice)});
}

std::string diceCount(int count) {
    if (count == kDiceCount) {
        return translated("StatusLine", "all five dice");
    }
    return count == 1 ? translated("StatusLine", "1 die")
                      : withArguments(translated("StatusLine", "%1 dice"), {std::to_string(count)});
}

std::string callMustBeat(std::string_view lastCall, const TableKeys& keys) {
    return withArguments(translated("StatusLine", "%1: your call must beat %2."),
                         {key(translated("StatusLine", "Call"), keys.call), lastCall});
}

// "AI kept 55 and threw 3 dice", "AI kept its five dice", "AI threw all five dice"
std::string whatTheComputerDid(const ComputerMove& move) {
    if (move.thrown == 0) {
        return withArguments(translated("StatusLine", "%1 kept its five dice"), {move.name});
    }
    if (move.kept.empty()) {
        return withArguments(translated("StatusLine", "%1 threw %2"),
                             {move.name, diceCount(move.thrown)});
    }
    return withArguments(translated("StatusLine", "%1 kept %2 and threw %3"),
                         {move.name, move.kept, diceCount(move.thrown)});
}

} // namespace

std::string ownThrowStatus(std::string_view dice, const TableKeys& keys) {
    return withArguments(
        translated("StatusLine", "Your turn: your dice %1. %2."),
        {withWords(dice), key(translated("StatusLine", "Make the first call"), keys.call)});
}

std::string computerCallStatus(const ComputerMove& move, const TableKeys& keys) {
    const std::string text =
        withArguments(translated("StatusLine", "%1; it calls %2: %3. "),
                      {whatTheComputerDid(move), move.call, handInWords(move.call)});
    const std::string doubt = key(translated("StatusLine", "do not trust it"), keys.notTrust);
    if (!move.trustable) {
        return text + withArguments(translated("StatusLine", "Nothing beats it: %1."), {doubt});
    }
    return text + withArguments(translated("StatusLine", "%1 or %2."),
                                {key(translated("StatusLine", "Trust it"), keys.trust), doubt});
}

std::string trustedStatus(std::string_view lastCall, std::string_view dice, const TableKeys& keys) {
    return withArguments(
        translated("StatusLine", "You trusted %1 and hold %2. %3 or %4: your call must beat %1."),
        {lastCall, withWords(dice), key(translated("StatusLine", "Change dice"), keys.change),
         key(translated("StatusLine", "call"), keys.call)});
}

std::string changingStatus(const ChangeChoice& choice, const TableKeys& keys) {
    const std::string after = withArguments(translated("StatusLine", "%1 or %2."),
                                            {key(translated("StatusLine", "Roll"), keys.roll),
                                             key(translated("StatusLine", "cancel"), keys.cancel)});
    const std::string marked = withArguments(translated("StatusLine", "%1 marked to throw again. "),
                                             {diceCount(choice.marked)});
    if (choice.selectable == 0) {
        return withArguments(translated("StatusLine", "No die can be chosen: %1%2"),
                             {marked, after});
    }
    return withArguments(
        translated("StatusLine", "Mark the dice to throw again (keys %1 to %2): %3%4"),
        {keys.firstDie, keys.lastDie, marked, after});
}

std::string thrownStatus(int thrown, std::string_view dice, std::string_view lastCall,
                         const TableKeys& keys) {
    const std::string threw = thrown == 0 ? translated("StatusLine", "no dice") : diceCount(thrown);
    return withArguments(translated("StatusLine", "You threw %1 and hold %2. %3"),
                         {threw, withWords(dice), callMustBeat(lastCall, keys)});
}

std::string challengeStatus(const GameOutcome& outcome, std::string_view computerName) {
    const std::string who =
        outcome.challenger == Seat::Human
            ? withArguments(translated("StatusLine", "You did not trust %1"), {outcome.call})
            : withArguments(translated("StatusLine", "%1 did not trust your %2"),
                            {computerName, outcome.call});
    const std::string winner =
        outcome.winner == Seat::Human
            ? translated("StatusLine", "you win")
            : withArguments(translated("StatusLine", "%1 wins"), {computerName});
    return outcome.callHeld()
               ? withArguments(translated("StatusLine", "%1; the dice %2 hold it: %3."),
                               {who, outcome.dice, winner})
               : withArguments(translated("StatusLine", "%1; the dice %2 do not hold it: %3."),
                               {who, outcome.dice, winner});
}

} // namespace quintel
