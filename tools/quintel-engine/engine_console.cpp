#include "engine_console.h"

#include "computer_console.h"
#include "console_commands.h"
#include "model/dice.h"
#include "model/hand_table.h"
#include "model/number_text.h"
#include "model/rule_options.h"
#include "opponent/engine/engine.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <istream>
#include <ostream>
#include <span>
#include <vector>

namespace quintel {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// Kept or fixed dice: '-' for none.
std::string diceWord(std::string_view word, std::string_view role, bool mayBeEmpty) {
    if (word == "-") {
        if (!mayBeEmpty) {
            throw ConsoleInputError{std::string(role) + " must name one to five dice"};
        }
        return {};
    }
    if (!std::all_of(word.begin(), word.end(), isFaceDigit)) {
        throw ConsoleInputError{std::string(role) + " " + quoted(word) +
                                " may hold only the digits 1 to 6 (or '-' for none)"};
    }
    if (word.size() > kDiceCount) {
        throw ConsoleInputError{std::string(role) + " " + quoted(word) +
                                " has more than five dice"};
    }
    return std::string(word);
}

std::string fiveDiceWord(std::string_view word) {
    if (word.size() != kDiceCount || !std::all_of(word.begin(), word.end(), isFaceDigit)) {
        throw ConsoleInputError{"dice " + quoted(word) + " must be five digits 1 to 6"};
    }
    return std::string(word);
}

// A call may keep its empty positions as '0', as the call dialog writes it.
std::string callWord(std::string_view word) {
    const bool digits = std::all_of(word.begin(), word.end(), isCallDigit);
    if (!digits) {
        throw ConsoleInputError{"call " + quoted(word) + " may hold only the digits 0 to 6"};
    }
    if (word.size() > kDiceCount) {
        throw ConsoleInputError{"call " + quoted(word) + " has more than five positions"};
    }
    if (namedDiceCount(word) == 0) {
        throw ConsoleInputError{"call " + quoted(word) + " names no dice"};
    }
    return std::string(word);
}

// Written as the console writes numbers: digits only, no sign, no leading zero.
bool isPlainNumber(std::string_view word) {
    const bool digits = !word.empty() && std::all_of(word.begin(), word.end(),
                                                     [](char c) { return c >= '0' && c <= '9'; });
    return digits && (word.size() == 1 || word.front() != '0');
}

int integerWord(std::string_view word, std::string_view role, int lowest, int highest) {
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (!isPlainNumber(word) || error != std::errc{} || value < lowest || value > highest) {
        throw ConsoleInputError{std::string(role) + " must be a whole number from " +
                                std::to_string(lowest) + " to " + std::to_string(highest) +
                                ", not " + quoted(word)};
    }
    return value;
}

EngineOptions optionsWord(std::string_view word) {
    if (const auto options = parseOptionWords(word)) {
        return *options;
    }
    throw ConsoleInputError{"OPTS must be " + std::string(kOptionWordChoices) + ", not " +
                            quoted(word)};
}

ConsoleAnswer probability(Chance chance) {
    return {exactNumberText(chance.value())};
}

ConsoleAnswer prob1(const Form1& engine, ConsoleWords words) {
    return probability(engine.Prob1(diceWord(words[0], "hold", true), callWord(words[1])));
}

ConsoleAnswer prob2(const Form1& engine, ConsoleWords words) {
    return probability(engine.Prob2(diceWord(words[0], "fix", true), callWord(words[1])));
}

ConsoleAnswer sameLevel(const Form1& engine, ConsoleWords words) {
    return probability(engine.SameLevel(diceWord(words[0], "hold", true), callWord(words[1])));
}

ConsoleAnswer beat(const Form1& engine, ConsoleWords words) {
    return probability(engine.beatChance(diceWord(words[0], "hold", true), callWord(words[1])));
}

// With CHOOSE 1 the computer's judgement asks the chance of a hold it has, of any size; the hold
// itself (CHOOSE 0) is searched among five dice.
ConsoleAnswer search(const Form1& engine, ConsoleWords words) {
    const std::string call = callWord(words[0]);
    const bool choose = integerWord(words[3], "CHOOSE", 0, 1) != 0;
    const std::string dice = choose ? diceWord(words[1], "dice", true) : fiveDiceWord(words[1]);
    const std::string fix = diceWord(words[2], "fix", true);
    if (auto problem = fixNotAmongDice(fix, dice)) {
        throw ConsoleInputError{*problem};
    }
    const HoldChoice best = engine.searchHold(call, dice, fix, choose, optionsWord(words[4]));
    if (choose) {
        return probability(best.chance);
    }
    return {best.hold.empty() ? "-" : best.hold};
}

ConsoleAnswer hand(const Form1&, ConsoleWords words) {
    const int shape = integerWord(words[0], "CLASS", 0, 6);
    const std::string role = "POSITION for class " + std::to_string(shape);
    const int position = integerWord(words[1], role, 1, HandTable::classSize(shape));
    return {HandTable::instance()(shape + 1, position)};
}

ConsoleAnswer level(const Form1&, ConsoleWords words) {
    const std::string dice = diceWord(words[0], "dice", false);
    return {arrangeDigits(dice) + " " + std::to_string(shapeScore(countFaceDigits(dice)))};
}

constexpr std::array kCommands{
    ConsoleCommand<Form1>{"prob1", "HOLD CALL", &prob1},
    ConsoleCommand<Form1>{"prob2", "FIX CALL", &prob2},
    ConsoleCommand<Form1>{"samelevel", "HOLD CALL", &sameLevel},
    ConsoleCommand<Form1>{"beat", "HOLD CALL", &beat},
    ConsoleCommand<Form1>{"search", "CALL DICE FIX CHOOSE OPTS", &search},
    ConsoleCommand<Form1>{"hand", "CLASS POSITION", &hand},
    ConsoleCommand<Form1>{"level", "DICE", &level},
    ConsoleCommand<Form1>{"judge", "CALL DICE FIX OPTS", &judgeCommand},
};

void appendEscaped(std::string& text, char c) {
    constexpr std::string_view kHexDigits = "0123456789abcdef";
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\') {
        text += "\\\\";
    } else if (byte >= 0x20 && byte < 0x7F) {
        text += c;
    } else {
        text += "\\x";
        text += kHexDigits[byte / 16];
        text += kHexDigits[byte % 16];
    }
}

} // namespace

ConsoleAnswer refusedAnswer(std::string_view message) {
    std::string text = "error: ";
    for (const char c : message) {
        appendEscaped(text, c);
    }
    return {text, false};
}

std::optional<std::string> fixNotAmongDice(std::string_view fix, std::string_view dice) {
    if (covers(countFaceDigits(dice), countFaceDigits(fix))) {
        return std::nullopt;
    }
    return "fix " + quoted(fix) + " holds dice that are not among the dice " + quoted(dice);
}

bool isBlankLine(std::string_view line) {
    return std::all_of(line.begin(), line.end(), isBlank);
}

ConsoleAnswer answerLine(const Form1& engine, std::string_view line) {
    return answerWith(kCommands, engine, line);
}

int runConsole(const Form1& engine, std::istream& in, std::ostream& out, bool flushEachLine) {
    return answerEveryLine(
        in, out, [&](std::string_view line) { return answerLine(engine, line); }, flushEachLine);
}

} // namespace quintel
