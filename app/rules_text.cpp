#include "app/help_texts.h"

#include "model/translation.h"

namespace quintel {

namespace {

HelpSection handsSection() {
    return {
        translated("RulesPage", "The hands"),
        {translated(
             "RulesPage",
             "The five dice are read as a hand, like a poker hand without straights. From the "
             "weakest to the strongest:"),
         translated(
             "RulesPage",
             "Within a kind, the faces decide: the ace (1) is the highest face, then 6, 5, 4, 3 "
             "and 2. A hand is compared group by group, the biggest group first, so a pair of "
             "aces beats a pair of sixes, and 66331 beats 66225 because its second pair is "
             "higher. Five dice in a row count for nothing: 65432 is no two alike.")},
        {{"16432", translated("RulesPage", "No two alike")},
         {"55164", translated("RulesPage", "One pair")},
         {"66331", translated("RulesPage", "Two pairs")},
         {"44462", translated("RulesPage", "Three of a kind")},
         {"22255", translated("RulesPage", "Full house")},
         {"66662", translated("RulesPage", "Four of a kind")},
         {"11111", translated("RulesPage", "Five of a kind")}}};
}

HelpSection callsSection() {
    return {
        translated("RulesPage", "Calls"),
        {translated(
             "RulesPage",
             "You open every game: you throw five fresh dice and make the first call, and the "
             "computer answers it."),
         translated(
             "RulesPage",
             "The player to move looks at the dice, hidden from the other player, and calls a "
             "hand of one to five dice: the call 66 claims that the dice hold at least two "
             "sixes, whatever the other three are."),
         translated(
             "RulesPage",
             "Each call must beat the last call of the game; the first call may be anything. A "
             "call of a higher kind beats any call of a lower kind, so a pair of twos beats "
             "16543. Between calls of the same kind the faces decide, group by group as for "
             "hands. A shorter call loses to a longer one that matches it as far as it goes: 665 "
             "beats 66. The same call twice does not beat itself.")},
        {{"22", translated("RulesPage", "beats 16543")},
         {"665", translated("RulesPage", "beats 66")},
         {"111", translated("RulesPage", "beats 66554")}}};
}

HelpSection trustSection() {
    return {
        translated("RulesPage", "Trusting or not"),
        {translated("RulesPage",
                    "When the other player has called, you either trust the call or you do not."),
         translated(
             "RulesPage",
             "Trust: you take over the dice and see them. You may throw some of them again once, "
             "then you must call higher than the call you trusted, truthfully or not. Nothing "
             "beats 11111, so a call of five aces cannot be trusted."),
         translated(
             "RulesPage",
             "Do not trust (XTrust): the dice are shown. If they hold every die of the call, the "
             "caller wins the game; if even one die of the call is missing, the one who did not "
             "trust wins. A call of 665 is held by 66535 but not by 66432.")}};
}

HelpSection throwingSection() {
    return {
        translated("RulesPage", "Throwing again"),
        {translated(
             "RulesPage",
             "After trusting, Change lets you throw dice again. If the dice hold the call you "
             "trusted, you may keep dice of that call and choose which of them to throw; every "
             "other die is thrown again. If they do not hold it, all five are thrown again."),
         translated("RulesPage",
                    "Fix Any: you choose freely which dice to keep and which to throw."),
         translated(
             "RulesPage",
             "Fix Permanent: the dice the last caller kept when throwing stay locked; you cannot "
             "throw them again."),
         translated(
             "RulesPage",
             "The other player sees which dice you kept: the fix log beside the call log shows "
             "them with each call.")}};
}

} // namespace

HelpPage rulesPage() {
    return {translated("RulesPage", "Rules of Quintel"),
            {handsSection(), callsSection(), trustSection(), throwingSection()}};
}

} // namespace quintel
