#include "console_commands.h"

#include <istream>
#include <ostream>

namespace quintel {

std::vector<std::string_view> consoleWords(std::string_view line) {
    constexpr std::string_view kBlanks = " \t\r";
    std::vector<std::string_view> words;
    std::size_t i = line.find_first_not_of(kBlanks);
    while (i != std::string_view::npos) {
        const std::size_t end = std::min(line.find_first_of(kBlanks, i), line.size());
        words.push_back(line.substr(i, end - i));
        i = line.find_first_not_of(kBlanks, end);
    }
    return words;
}

std::string quoted(std::string_view word) {
    return "'" + std::string(word) + "'";
}

std::optional<std::string> unfitLine(std::span<const std::string_view> words,
                                     std::span<const std::string_view> names,
                                     std::string_view arguments) {
    if (words.empty()) {
        return "empty line";
    }
    if (std::ranges::find(names, words[0]) == names.end()) {
        std::string list;
        for (const std::string_view name : names) {
            list += (list.empty() ? "" : ", ") + std::string(name);
        }
        return "unknown command " + quoted(words[0]) + "; the commands are " + list;
    }
    const std::size_t given = words.size() - 1;
    if (given != consoleWords(arguments).size()) {
        return std::string(words[0]) + " takes " +
               (arguments.empty() ? std::string("no words") : std::string(arguments)) + ", got " +
               std::to_string(given) + " words";
    }
    return std::nullopt;
}

int answerEveryLine(std::istream& in, std::ostream& out,
                    const std::function<ConsoleAnswer(std::string_view)>& answer,
                    bool flushEachLine) {
    bool anyRefused = false;
    std::string line;
    while (std::getline(in, line)) {
        if (isBlankLine(line)) {
            continue;
        }
        const ConsoleAnswer answered = answer(line);
        anyRefused = anyRefused || !answered.ok;
        out << answered.text << '\n';
        if (flushEachLine) {
            out.flush();
        }
    }
    out.flush();
    return anyRefused ? 1 : 0;
}

} // namespace quintel
