#include "solve_console.h"

#include "console_commands.h"
#include "model/number_text.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <span>
#include <vector>

namespace quintel::solver {

namespace {

std::string facesText(const SolvedGame& game) {
    return "the digits 1 to " + std::to_string(game.variant().faces);
}

// A set of dice as a DiceSets index; '-' is none, allowed when `mayBeEmpty`.
int diceWord(const SolvedGame& game, std::string_view word, std::string_view role,
             bool mayBeEmpty) {
    const Variant variant = game.variant();
    if (word == "-") {
        if (!mayBeEmpty) {
            throw ConsoleInputError{std::string(role) + " must name one to " +
                                    std::to_string(variant.dice) + " dice"};
        }
        return game.tables().sets().empty();
    }
    const bool faces = std::all_of(word.begin(), word.end(),
                                   [&](char c) { return c >= '1' && c < '1' + variant.faces; });
    if (!faces) {
        throw ConsoleInputError{std::string(role) + " " + quoted(word) + " may hold only " +
                                facesText(game) + " (or '-' for none)"};
    }
    if (static_cast<int>(word.size()) > variant.dice) {
        throw ConsoleInputError{std::string(role) + " " + quoted(word) + " has more than " +
                                std::to_string(variant.dice) + " dice"};
    }
    return game.tables().sets().indexOf(countFaceDigits(word));
}

int callWord(const SolvedGame& game, std::string_view word) {
    return game.tables().callOfSet(diceWord(game, word, "call", false));
}

int handWord(const SolvedGame& game, std::string_view word) {
    const int hand = diceWord(game, word, "dice", false);
    if (game.tables().sets().diceIn(hand) != game.variant().dice) {
        throw ConsoleInputError{"dice " + quoted(word) + " must be " +
                                std::to_string(game.variant().dice) + " digits"};
    }
    return hand;
}

std::string digitsOf(const SolvedGame& game, int set) {
    const CallDigits digits = callDigits(game.tables().sets().counts(set));
    const std::string text = diceDigits(digits);
    return text.empty() ? "-" : text;
}

std::string callText(const SolvedGame& game, int call) {
    return digitsOf(game, game.tables().callSet(call));
}

struct Stage {
    int lastCall;
    int kept;
};

Stage stageWords(const SolvedGame& game, ConsoleWords words) {
    const int lastCall = words[0] == "-" ? -1 : callWord(game, words[0]);
    const int kept = diceWord(game, words[1], "keep", true);
    if (!game.stageValue(lastCall, kept)) {
        throw ConsoleInputError{
            "no position leads to keeping " + quoted(words[1]) + " after " +
            (lastCall < 0 ? std::string("the opening") : "call " + quoted(words[0]))};
    }
    return {lastCall, kept};
}

ConsoleAnswer open(const SolvedGame& game, ConsoleWords) {
    return {exactNumberText(game.openValue())};
}

ConsoleAnswer stage(const SolvedGame& game, ConsoleWords words) {
    const Stage asked = stageWords(game, words);
    return {exactNumberText(*game.stageValue(asked.lastCall, asked.kept))};
}

ConsoleAnswer value(const SolvedGame& game, ConsoleWords words) {
    const int call = callWord(game, words[0]);
    const int hand = handWord(game, words[1]);
    const int locked = diceWord(game, words[2], "locked", true);
    const auto found = game.positionValue(call, hand, locked);
    if (!found) {
        throw ConsoleInputError{"locked " + quoted(words[2]) +
                                " holds dice that are not among the dice " + quoted(words[1])};
    }
    return {exactNumberText(*found)};
}

// "DICE: CALL=CHANCE ...; ...; trust CALL=CHANCE ..." with the dice after each throw.
ConsoleAnswer strategy(const SolvedGame& game, ConsoleWords words) {
    const Stage asked = stageWords(game, words);
    const StageStrategy& mixed = *game.stageStrategy(asked.lastCall, asked.kept);
    const StageGame stageGame(game.tables(), asked.lastCall, asked.kept, game.positionValues());
    std::string text;
    for (int t = 0; t < stageGame.typeCount(); ++t) {
        text += digitsOf(game, stageGame.handAfter(t)) + ":";
        for (const MixedCall& call : mixed.callsOf(t)) {
            text += " " + callText(game, call.call) + "=" + exactNumberText(call.chance);
        }
        text += "; ";
    }
    text += "trust";
    const std::vector<double> trust = fullTrust(stageGame, mixed);
    for (std::size_t m = 0; m < trust.size(); ++m) {
        text += " " + callText(game, stageGame.firstCall() + static_cast<int>(m)) + "=" +
                exactNumberText(trust[m]);
    }
    return {text};
}

constexpr std::array kCommands{
    ConsoleCommand<SolvedGame>{"open", "", &open},
    ConsoleCommand<SolvedGame>{"stage", "CALL KEEP", &stage},
    ConsoleCommand<SolvedGame>{"value", "CALL DICE LOCKED", &value},
    ConsoleCommand<SolvedGame>{"strategy", "CALL KEEP", &strategy},
};

} // namespace

ConsoleAnswer answerQuestion(const SolvedGame& game, std::string_view line) {
    return answerWith(kCommands, game, line);
}

int runSolveConsole(const SolvedGame& game, std::istream& in, std::ostream& out) {
    return answerEveryLine(
        in, out, [&](std::string_view line) { return answerQuestion(game, line); }, false);
}

} // namespace quintel::solver
