#pragma once

#include "match/dice.h"
#include "match/seat_view.h"
#include "model/rule_options.h"

#include <optional>
#include <string>
#include <string_view>

// The lines of the Quintel engine protocol, version 1 (docs/engine-protocol.md): what the table
// asks an outside engine over its standard input and what the engine answers on its standard
// output, one line each. Every set of dice is written in canonical order, "-" for none; dice are
// read in any order.
namespace quintel::match::protocol {

inline constexpr int kVersion = 1;

enum class RequestKind {
    Hello,   // quintel VERSION
    NewGame, // newgame OPTIONS
    Respond, // respond CALL KEPT
    Keep,    // keep CALL DICE LOCKED
    Call,    // call CALL DICE
    Result,  // result WIN|LOSS DICE
    Quit,    // quit
};

// One line from the table to an engine.
struct Request {
    RequestKind kind = RequestKind::Hello;
    int version = kVersion;
    RuleOptions options{};
    // respond and keep: the call to answer; call: the call to beat, none at the opening.
    std::optional<Call> call{};
    // respond: what the seat knows of the caller's dice (kept at its throw, or all five when it
    // threw none).
    Kept kept{};
    // keep, call: the dice the seat holds; result: the dice shown.
    Dice dice{};
    Kept locked{}; // keep: the dice the seat may not throw
    bool won = false;
    bool operator==(const Request&) const = default;
};

enum class AnswerKind { Ok, Trust, Doubt, Keep, Call };

// One line from an engine to the table.
struct Answer {
    AnswerKind kind = AnswerKind::Ok;
    std::string name{}; // ok to quintel: the engine's name
    Kept keep{};
    std::optional<Call> call{};
    bool operator==(const Answer&) const = default;
};

// A line read, or why it could not be.
template <typename Value> struct Parsed {
    std::optional<Value> value;
    std::string error;
};

std::string writeRequest(const Request& request);
Parsed<Request> parseRequest(std::string_view line);

// Whether the engine answers the request with a line (all but result and quit do).
bool expectsAnswer(RequestKind kind);

std::string writeAnswer(const Answer& answer);
// The engine's answer to a request of `kind`; an answer of another kind is an error.
Parsed<Answer> parseAnswer(std::string_view line, RequestKind kind);

// What the table asks the seat to move in `view`: respond, keep or call.
Request requestFor(const SeatView& view);

// A set of dice as the protocol writes it: canonical order, "-" for none.
std::string diceWord(const Kept& dice);

} // namespace quintel::match::protocol
