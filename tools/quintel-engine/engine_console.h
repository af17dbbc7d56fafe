#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace quintel {

class Form1;

// One answer line of the engine console. A refused line has ok false and text "error: ...".
struct ConsoleAnswer {
    std::string text;
    bool ok = true;
};

// A refused answer: "error: " and the message. Every byte outside printable ASCII is written as
// \xNN (and a backslash as \\), so that a control character typed into a question never
// reaches the terminal raw.
ConsoleAnswer refusedAnswer(std::string_view message);

// Why fixed dice `fix` are not all among the five `dice` (each die counted as often as it
// occurs), or nothing when they are. Both texts are face digits.
std::optional<std::string> fixNotAmongDice(std::string_view fix, std::string_view dice);

// Answers one command line of the engine console, e.g. "prob1 - 65432" or "level 23321".
ConsoleAnswer answerLine(const Form1& engine, std::string_view line);

// A line with nothing but blanks is skipped: it gets no answer and is not refused.
bool isBlankLine(std::string_view line);

// Answers every line of `in` on `out`. Returns the exit status: 1 if any line was refused.
// `flushEachLine` is for a person typing at the console; otherwise output is buffered.
int runConsole(const Form1& engine, std::istream& in, std::ostream& out, bool flushEachLine);

} // namespace quintel
