#include "solve_console.h"

#include "engine_console.h"
#include "model/number_text.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <span>
#include <vector>

namespace quintel::solver {

namespace {

struct InputError {
    std::string message;
};

using Words = std::span<const std::string_view>;

std::vector<std::string_view> splitWords(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        i = line.find_first_not_of(" \t\r", i);
        if (i == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(line.find_first_of(" \t\r", i), line.size());
        words.push_back(line.substr(i, end - i));
        i = end;
    }
    return words;
}

std::string quoted(std::string_view word) {
    return "'" + std::string(word) + "'";
}

std::string facesText(const SolvedGame& game) {
    return "the digits 1 to " + std::to_string(game.variant().faces);
}

// A set of dice as a DiceSets index; '-' is none, allowed when `mayBeEmpty`.
int diceWord(const SolvedGame& game, std::string_view word, std::string_view role,
             bool mayBeEmpty) {
    const Variant variant = game.variant();
    if (word == "-") {
        if (!mayBeEmpty) {
            throw InputError{std::string(role) + " must name one to " +
                             std::to_string(variant.dice) + " dice"};
        }
        return game.tables().sets().empty();
    }
    const bool faces = std::all_of(word.begin(), word.end(),
                                   [&](char c) { return c >= '1' && c < '1' + variant.faces; });
    if (!faces) {
        throw InputError{std::string(role) + " " + quoted(word) + " may hold only " +
                         facesText(game) + " (or '-' for none)"};
    }
    if (static_cast<int>(word.size()) > variant.dice) {
        throw InputError{std::string(role) + " " + quoted(word) + " has more than " +
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
        throw InputError{"dice " + quoted(word) + " must be " +
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

Stage stageWords(const SolvedGame& game, Words words) {
    const int lastCall = words[0] == "-" ? -1 : callWord(game, words[0]);
    const int kept = diceWord(game, words[1], "keep", true);
    if (!game.stageValue(lastCall, kept)) {
        throw InputError{"no position leads to keeping " + quoted(words[1]) + " after " +
                         (lastCall < 0 ? std::string("the opening") : "call " + quoted(words[0]))};
    }
    return {lastCall, kept};
}

SolveAnswer open(const SolvedGame& game, Words) {
    return {exactNumberText(game.openValue())};
}

SolveAnswer stage(const SolvedGame& game, Words words) {
    const Stage asked = stageWords(game, words);
    return {exactNumberText(*game.stageValue(asked.lastCall, asked.kept))};
}

SolveAnswer value(const SolvedGame& game, Words words) {
    const int call = callWord(game, words[0]);
    const int hand = handWord(game, words[1]);
    const int locked = diceWord(game, words[2], "locked", true);
    const auto found = game.positionValue(call, hand, locked);
    if (!found) {
        throw InputError{"locked " + quoted(words[2]) + " holds dice that are not among the dice " +
                         quoted(words[1])};
    }
    return {exactNumberText(*found)};
}

// "DICE: CALL=CHANCE ...; ...; trust CALL=CHANCE ..." with the dice after each throw.
SolveAnswer strategy(const SolvedGame& game, Words words) {
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

struct Command {
    std::string_view name;
    std::string_view arguments;
    SolveAnswer (*answer)(const SolvedGame&, Words);
};

constexpr std::array kCommands{
    Command{"open", "", &open},
    Command{"stage", "CALL KEEP", &stage},
    Command{"value", "CALL DICE LOCKED", &value},
    Command{"strategy", "CALL KEEP", &strategy},
};

SolveAnswer refused(std::string_view message) {
    const ConsoleAnswer answer = refusedAnswer(message);
    return {answer.text, false};
}

} // namespace

SolveAnswer answerQuestion(const SolvedGame& game, std::string_view line) {
    const std::vector<std::string_view> words = splitWords(line);
    if (words.empty()) {
        return refused("empty line");
    }
    const auto command = std::ranges::find(kCommands, words[0], &Command::name);
    if (command == kCommands.end()) {
        return refused("unknown command " + quoted(words[0]) +
                       "; the commands are open, stage, value, strategy");
    }
    const Words arguments = Words(words).subspan(1);
    if (arguments.size() != splitWords(command->arguments).size()) {
        return refused(std::string(command->name) + " takes " +
                       (command->arguments.empty() ? std::string("no words")
                                                   : std::string(command->arguments)) +
                       ", got " + std::to_string(arguments.size()) + " words");
    }
    try {
        return command->answer(game, arguments);
    } catch (const InputError& error) {
        return refused(error.message);
    }
}

int runSolveConsole(const SolvedGame& game, std::istream& in, std::ostream& out) {
    int status = 0;
    std::string line;
    while (std::getline(in, line)) {
        if (isBlankLine(line)) {
            continue;
        }
        const SolveAnswer answer = answerQuestion(game, line);
        out << answer.text << '\n';
        status = answer.ok ? status : 1;
    }
    out.flush();
    return status;
}

} // namespace quintel::solver
