#include "computer_console.h"

#include "console_commands.h"
#include "model/dice.h"
#include "model/number_text.h"
#include "model/rule_options.h"
#include "opponent/computer_judgement.h"

#include <algorithm>
#include <optional>
#include <string>

namespace quintel {

namespace {

bool onlyFaces(std::string_view word) {
    return std::all_of(word.begin(), word.end(), isFaceDigit);
}

// Why an argument cannot be used, or nothing.
std::optional<std::string> callProblem(std::string_view call) {
    const bool digits = std::all_of(call.begin(), call.end(), isCallDigit);
    if (!digits || call.size() != kDiceCount) {
        return "call " + quoted(call) +
               " must be five digits 0 to 6, as the call dialog hands it "
               "over (e.g. 55200)";
    }
    if (namedDiceCount(call) == 0) {
        return "call " + quoted(call) + " names no dice";
    }
    return std::nullopt;
}

std::optional<std::string> diceProblem(std::string_view dice) {
    if (dice.size() != kDiceCount || !onlyFaces(dice)) {
        return "dice " + quoted(dice) + " must be five digits 1 to 6";
    }
    return std::nullopt;
}

std::optional<std::string> fixProblem(std::string_view fix) {
    if (fix != "-" && (fix.size() > kDiceCount || !onlyFaces(fix))) {
        return "fix " + quoted(fix) + " must be up to five digits 1 to 6, or '-' for none";
    }
    return std::nullopt;
}

} // namespace

ConsoleAnswer judgeCommand(const Form1& engine, std::span<const std::string_view> words) {
    if (words.size() != 4) {
        return refusedAnswer("judge takes CALL DICE FIX OPTS");
    }
    std::optional<std::string> problem = callProblem(words[0]);
    problem = problem ? problem : diceProblem(words[1]);
    problem = problem ? problem : fixProblem(words[2]);
    const std::string_view fix = words[2] == "-" ? std::string_view() : words[2];
    problem = problem ? problem : fixNotAmongDice(fix, words[1]);
    const std::optional<EngineOptions> options = parseOptionWords(words[3]);
    if (!problem && !options) {
        problem = "OPTS must be " + std::string(kOptionWordChoices) + ", not " + quoted(words[3]);
    }
    if (problem) {
        return refusedAnswer(*problem);
    }
    const Verdict verdict = judgeWithoutProfile(engine, words[0], fix, *options);
    return {exactNumberText(verdict.judgement.callUp.value()) + " " +
            exactNumberText(verdict.judgement.win.value()) + " " +
            (verdict.challenge ? "challenge" : "trust")};
}

} // namespace quintel
