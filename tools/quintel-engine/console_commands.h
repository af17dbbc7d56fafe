#pragma once

#include "engine_console.h"

#include <algorithm>
#include <array>
#include <functional>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quintel {

// A word that a console command cannot use; the line is refused with the message.
struct ConsoleInputError {
    std::string message;
};

using ConsoleWords = std::span<const std::string_view>;

// The words of a line, as split at spaces, tabs and carriage returns.
std::vector<std::string_view> consoleWords(std::string_view line);

// A word as the consoles' messages quote it: 'word'.
std::string quoted(std::string_view word);

// A command of a console: its name, its arguments (one word each, as the usage names them) and
// its answer about the console's `Subject`.
template <typename Subject> struct ConsoleCommand {
    std::string_view name;
    std::string_view arguments;
    ConsoleAnswer (*answer)(const Subject&, ConsoleWords);
};

// Why a line is refused before its command runs: it is empty, names none of `names`, or has not
// `arguments` words after the name. Nothing when the command may run.
std::optional<std::string> unfitLine(std::span<const std::string_view> words,
                                     std::span<const std::string_view> names,
                                     std::string_view arguments);

// Answers a line with the command it names, or refuses it saying why.
template <typename Subject, std::size_t N>
ConsoleAnswer answerWith(const std::array<ConsoleCommand<Subject>, N>& commands,
                         const Subject& subject, std::string_view line) {
    const std::vector<std::string_view> words = consoleWords(line);
    std::array<std::string_view, N> names;
    std::ranges::transform(commands, names.begin(), &ConsoleCommand<Subject>::name);
    const auto command =
        words.empty() ? commands.end()
                      : std::ranges::find(commands, words[0], &ConsoleCommand<Subject>::name);
    const std::string_view arguments =
        command == commands.end() ? std::string_view{} : command->arguments;
    if (const auto problem = unfitLine(words, names, arguments)) {
        return refusedAnswer(*problem);
    }
    try {
        return command->answer(subject, ConsoleWords(words).subspan(1));
    } catch (const ConsoleInputError& error) {
        return refusedAnswer(error.message);
    }
}

// Answers every non-blank line of `in` on `out`. Returns the exit status: 1 if any line was
// refused. `flushEachLine` is for a person typing at the console; otherwise output is buffered.
int answerEveryLine(std::istream& in, std::ostream& out,
                    const std::function<ConsoleAnswer(std::string_view)>& answer,
                    bool flushEachLine);

} // namespace quintel
