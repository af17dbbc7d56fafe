#include "records/leak_texts.h"

#include "model/hand_words.h"
#include "model/translation.h"

#include <algorithm>
#include <cmath>

namespace quintel {

namespace {

std::string wholeNumber(double value) {
    return std::to_string(std::lround(value));
}

// Dice in words; where the words leave dice out (a die beside a group, dice all different), the
// dice follow them, so that two situations are never told alike: "a pair of sixes (66543)".
std::string diceWords(const solver::GameTables& tables, int set) {
    const FaceCounts& counts = tables.sets().counts(set);
    const CallDigits digits = solver::callDigits(counts);
    const std::string words = handInWords(digits);
    const bool single = std::ranges::count(counts, 1) > 0;
    if (!single || tables.sets().diceIn(set) == 1) {
        return words;
    }
    return words + " (" + diceDigits(digits) + ")";
}

// Dice kept before a throw: "nothing" for none.
std::string keptWords(const solver::GameTables& tables, int set) {
    if (tables.sets().diceIn(set) == 0) {
        return translated("Leaks", "nothing");
    }
    return diceWords(tables, set);
}

std::string callWords(const solver::GameTables& tables, int call) {
    return diceWords(tables, tables.callSet(call));
}

std::string trustText(const solver::GameTables& tables, const solver::Leak& leak) {
    const std::string text =
        leak.playerRate > leak.bestRate
            ? translated(
                  "Leaks",
                  "you trust %1 after the computer kept %2 too often: %3 against the best %4")
            : translated("Leaks", "you trust %1 after the computer kept %2 too seldom: %3 "
                                  "against the best %4");
    return withArguments(text, {callWords(tables, leak.call), keptWords(tables, leak.kept),
                                chanceText(leak.playerRate), chanceText(leak.bestRate)});
}

// The rates of a call leak are of bluffs among the player's calls.
std::string callText(const solver::GameTables& tables, const solver::Leak& leak) {
    const std::string call = callWords(tables, leak.call);
    const std::string kept = keptWords(tables, leak.kept);
    if (leak.bestRate < 0) {
        return withArguments(translated("Leaks", "you call %1 after keeping %2, which the best "
                                                 "play never does there: %3 of them are bluffs"),
                             {call, kept, chanceText(leak.playerRate)});
    }
    const std::string text =
        leak.playerRate > leak.bestRate
            ? translated("Leaks", "you bluff %1 after keeping %2 too often: %3 of your calls "
                                  "against the best %4")
            : translated("Leaks", "you bluff %1 after keeping %2 too seldom: %3 of your calls "
                                  "against the best %4");
    return withArguments(text,
                         {call, kept, chanceText(leak.playerRate), chanceText(leak.bestRate)});
}

bool keeps(std::uint16_t choice) {
    return (choice & solver::SolvedGame::kKeepFlag) != 0;
}

std::string keepChoiceWords(const solver::GameTables& tables, std::uint16_t choice) {
    return keeps(choice) ? keptWords(tables, choice & ~solver::SolvedGame::kKeepFlag)
                         : callWords(tables, choice);
}

// After trusting: keeping dice to throw the others, or calling at once on the dice taken over.
std::string keepText(const solver::GameTables& tables, const solver::Leak& leak) {
    const std::string yours = keeps(leak.choice)
                                  ? withArguments(translated("Leaks", "you keep %1"),
                                                  {keepChoiceWords(tables, leak.choice)})
                                  : withArguments(translated("Leaks", "you call %1 at once"),
                                                  {keepChoiceWords(tables, leak.choice)});
    const std::string best =
        keeps(leak.bestChoice)
            ? withArguments(translated("Leaks", "the best play keeps %1"),
                            {keepChoiceWords(tables, leak.bestChoice)})
            : withArguments(translated("Leaks", "the best play calls %1 at once"),
                            {keepChoiceWords(tables, leak.bestChoice)});
    return withArguments(
        translated("Leaks", "after trusting %1 and taking over %2, %3 %4 of the time, where %5"),
        {callWords(tables, leak.call), diceWords(tables, leak.hand), yours,
         chanceText(leak.playerRate), best});
}

} // namespace

std::string chanceText(double chance) {
    return withArguments(translated("Leaks", "%1 %"), {wholeNumber(chance * 100)});
}

std::string exploitabilityText(const solver::Exploitability& found) {
    const long points = std::lround(found.givenAway() * 100);
    const std::string perfect = chanceText(found.perfectOpponent);
    if (points <= 0) {
        return withArguments(translated("Leaks", "A perfect opponent would win %1 against your "
                                                 "habits, no more than against the best play."),
                             {perfect});
    }
    if (points == 1) {
        return withArguments(translated("Leaks", "A perfect opponent would win %1 against your "
                                                 "habits, one point more than against the best "
                                                 "play."),
                             {perfect});
    }
    return withArguments(translated("Leaks", "A perfect opponent would win %1 against your habits, "
                                             "%2 points more than against the best play."),
                         {perfect, std::to_string(points)});
}

std::string leakText(const solver::GameTables& tables, const solver::Leak& leak) {
    switch (leak.kind) {
    case solver::Leak::Kind::Trust:
        return trustText(tables, leak);
    case solver::Leak::Kind::Call:
        return callText(tables, leak);
    case solver::Leak::Kind::Keep:
        break;
    }
    return keepText(tables, leak);
}

std::string optionSetText(RuleOptions options) {
    if (options.fixAny && options.fixPermanent) {
        return translated("Leaks", "Fix Any + Fix Permanent");
    }
    if (options.fixAny) {
        return translated("Leaks", "Fix Any");
    }
    return options.fixPermanent ? translated("Leaks", "Fix Permanent")
                                : translated("Leaks", "No options");
}

std::string tooFewGamesText(long long games, long long needed) {
    if (games == 0) {
        return translated("Leaks", "No games of yours are recorded under these options.");
    }
    return withArguments(translated("Leaks", "Too few games to tell your habits from chance: %1 "
                                             "played, %2 needed."),
                         {std::to_string(games), std::to_string(needed)});
}

} // namespace quintel
