#include "match/protocol.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

namespace quintel::match::protocol {

namespace {

constexpr std::string_view kSpaces = " \t";

// The line without the carriage return a CRLF line ends in.
std::string_view withoutReturn(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

std::vector<std::string_view> wordsOf(std::string_view line) {
    line = withoutReturn(line);
    std::vector<std::string_view> words;
    std::size_t at = line.find_first_not_of(kSpaces);
    while (at != std::string_view::npos) {
        const std::size_t end = std::min(line.find_first_of(kSpaces, at), line.size());
        words.push_back(line.substr(at, end - at));
        at = line.find_first_not_of(kSpaces, end);
    }
    return words;
}

bool faceDigits(std::string_view word, std::size_t most) {
    return !word.empty() && word.size() <= most && std::ranges::all_of(word, isFaceDigit);
}

std::optional<Call> callIn(std::string_view word) {
    return faceDigits(word, kDiceCount) ? Call::fromDigits(word) : std::nullopt;
}

std::optional<Kept> keptIn(std::string_view word) {
    if (word == "-") {
        return Kept{};
    }
    return faceDigits(word, kDiceCount) ? Kept::fromDigits(arrangeDigits(word)) : std::nullopt;
}

std::optional<Dice> diceIn(std::string_view word) {
    return faceDigits(word, kDiceCount) ? Dice::fromDigits(arrangeDigits(word)) : std::nullopt;
}

std::string quoted(std::string_view word) {
    return "\"" + std::string(word) + "\"";
}

std::string noCall(std::string_view word) {
    return quoted(word) + " is no call: one to five digits 1 to 6";
}

std::string noKept(std::string_view word) {
    return quoted(word) + " is no set of dice: up to five digits 1 to 6, or -";
}

std::string noDice(std::string_view word) {
    return quoted(word) + " is not five dice: five digits 1 to 6";
}

std::string callWord(const std::optional<Call>& call) {
    return call ? call->digits() : "-";
}

template <typename Value> Parsed<Value> failed(std::string error) {
    return {std::nullopt, std::move(error)};
}

struct RequestShape {
    RequestKind kind;
    std::string_view word;
    std::string_view arguments; // as the usage of an error names them
};

constexpr std::array<RequestShape, 7> kRequests{{
    {RequestKind::Hello, "quintel", "VERSION"},
    {RequestKind::NewGame, "newgame", "none|any|perm|both"},
    {RequestKind::Respond, "respond", "CALL KEPT"},
    {RequestKind::Keep, "keep", "CALL DICE LOCKED"},
    {RequestKind::Call, "call", "CALL DICE"},
    {RequestKind::Result, "result", "WIN|LOSS DICE"},
    {RequestKind::Quit, "quit", ""},
}};

std::size_t argumentCount(const RequestShape& shape) {
    return static_cast<std::size_t>(std::ranges::count(shape.arguments, ' ') +
                                    (shape.arguments.empty() ? 0 : 1));
}

// The arguments of a request whose words are known to be as many as its shape names.
Parsed<Request> requestFrom(RequestKind kind, const std::vector<std::string_view>& words) {
    Request request;
    request.kind = kind;
    switch (kind) {
    case RequestKind::Hello: {
        const auto [end, error] =
            std::from_chars(words[1].data(), words[1].data() + words[1].size(), request.version);
        if (error != std::errc{} || end != words[1].data() + words[1].size()) {
            return failed<Request>(quoted(words[1]) + " is no version number");
        }
        break;
    }
    case RequestKind::NewGame: {
        const auto options = parseOptionWords(words[1]);
        if (!options) {
            return failed<Request>(quoted(words[1]) + " is none of none, any, perm or both");
        }
        request.options = *options;
        break;
    }
    case RequestKind::Respond:
    case RequestKind::Keep:
        request.call = callIn(words[1]);
        if (!request.call) {
            return failed<Request>(noCall(words[1]));
        }
        break;
    case RequestKind::Call:
        if (words[1] != "-" && !(request.call = callIn(words[1]))) {
            return failed<Request>(noCall(words[1]));
        }
        break;
    case RequestKind::Result:
        if (words[1] != "WIN" && words[1] != "LOSS") {
            return failed<Request>(quoted(words[1]) + " is neither WIN nor LOSS");
        }
        request.won = words[1] == "WIN";
        break;
    case RequestKind::Quit:
        break;
    }
    if (kind == RequestKind::Respond) {
        const auto kept = keptIn(words[2]);
        if (!kept) {
            return failed<Request>(noKept(words[2]));
        }
        request.kept = *kept;
    }
    if (kind == RequestKind::Keep || kind == RequestKind::Call || kind == RequestKind::Result) {
        const auto dice = diceIn(words[2]);
        if (!dice) {
            return failed<Request>(noDice(words[2]));
        }
        request.dice = *dice;
    }
    if (kind == RequestKind::Keep) {
        const auto locked = keptIn(words[3]);
        if (!locked) {
            return failed<Request>(noKept(words[3]));
        }
        request.locked = *locked;
    }
    return {request, {}};
}

// The words an answer to a request of `kind` consists of, as an error names them.
std::string_view expectedAnswer(RequestKind kind) {
    switch (kind) {
    case RequestKind::Hello:
        return "\"ok\" and the engine's name";
    case RequestKind::NewGame:
        return "\"ok\"";
    case RequestKind::Respond:
        return "\"trust\" or \"doubt\"";
    case RequestKind::Keep:
        return "\"keep\" and the dice kept";
    case RequestKind::Call:
        return "\"call\" and a call";
    case RequestKind::Result:
    case RequestKind::Quit:
        break;
    }
    return "no answer";
}

} // namespace

std::string diceWord(const Kept& dice) {
    return dice.empty() ? "-" : arrangeDigits(dice.digits());
}

std::string writeRequest(const Request& request) {
    switch (request.kind) {
    case RequestKind::Hello:
        return "quintel " + std::to_string(request.version);
    case RequestKind::NewGame:
        return "newgame " + std::string(optionWords(request.options));
    case RequestKind::Respond:
        return "respond " + callWord(request.call) + " " + diceWord(request.kept);
    case RequestKind::Keep:
        return "keep " + callWord(request.call) + " " + request.dice.handDigits() + " " +
               diceWord(request.locked);
    case RequestKind::Call:
        return "call " + callWord(request.call) + " " + request.dice.handDigits();
    case RequestKind::Result:
        return std::string("result ") + (request.won ? "WIN " : "LOSS ") +
               request.dice.handDigits();
    case RequestKind::Quit:
        break;
    }
    return "quit";
}

Parsed<Request> parseRequest(std::string_view line) {
    const std::vector<std::string_view> words = wordsOf(line);
    if (words.empty()) {
        return failed<Request>("an empty line is no request");
    }
    const auto shape = std::ranges::find(kRequests, words[0], &RequestShape::word);
    if (shape == kRequests.end()) {
        return failed<Request>(quoted(words[0]) + " is no request");
    }
    if (words.size() != argumentCount(*shape) + 1) {
        return failed<Request>(
            std::string(shape->word) + " takes " +
            (shape->arguments.empty() ? std::string("nothing") : std::string(shape->arguments)));
    }
    return requestFrom(shape->kind, words);
}

bool expectsAnswer(RequestKind kind) {
    return kind != RequestKind::Result && kind != RequestKind::Quit;
}

std::string writeAnswer(const Answer& answer) {
    switch (answer.kind) {
    case AnswerKind::Ok:
        return answer.name.empty() ? "ok" : "ok " + answer.name;
    case AnswerKind::Trust:
        return "trust";
    case AnswerKind::Doubt:
        return "doubt";
    case AnswerKind::Keep:
        return "keep " + diceWord(answer.keep);
    case AnswerKind::Call:
        break;
    }
    return "call " + callWord(answer.call);
}

Parsed<Answer> parseAnswer(std::string_view line, RequestKind kind) {
    const std::vector<std::string_view> words = wordsOf(line);
    const auto wrong = [kind] {
        return failed<Answer>("expected " + std::string(expectedAnswer(kind)));
    };
    if (words.empty()) {
        return wrong();
    }
    Answer answer;
    switch (kind) {
    case RequestKind::Hello: {
        if (words[0] != "ok" || words.size() < 2) {
            return wrong();
        }
        // The name is the rest of the line, spaces and all.
        const std::string_view rest = withoutReturn(line);
        const std::size_t name = static_cast<std::size_t>(words[1].data() - rest.data());
        answer.name = rest.substr(name, rest.find_last_not_of(kSpaces) + 1 - name);
        return {answer, {}};
    }
    case RequestKind::NewGame:
        if (words.size() != 1 || words[0] != "ok") {
            return wrong();
        }
        return {answer, {}};
    case RequestKind::Respond:
        if (words.size() != 1 || (words[0] != "trust" && words[0] != "doubt")) {
            return wrong();
        }
        answer.kind = words[0] == "trust" ? AnswerKind::Trust : AnswerKind::Doubt;
        return {answer, {}};
    case RequestKind::Keep: {
        if (words.size() != 2 || words[0] != "keep") {
            return wrong();
        }
        const auto kept = keptIn(words[1]);
        if (!kept) {
            return failed<Answer>(noKept(words[1]));
        }
        answer.kind = AnswerKind::Keep;
        answer.keep = *kept;
        return {answer, {}};
    }
    case RequestKind::Call:
        if (words.size() != 2 || words[0] != "call") {
            return wrong();
        }
        answer.kind = AnswerKind::Call;
        answer.call = callIn(words[1]);
        if (!answer.call) {
            return failed<Answer>(noCall(words[1]));
        }
        return {answer, {}};
    case RequestKind::Result:
    case RequestKind::Quit:
        break;
    }
    return wrong();
}

Request requestFor(const SeatView& view) {
    Request request;
    request.call = view.lastCall;
    switch (view.phase) {
    case Phase::Answer:
        request.kind = RequestKind::Respond;
        request.kept =
            view.callerDice ? Kept::fromPlaces(view.callerDice->faces()) : view.callerFixed;
        break;
    case Phase::Trusted:
        request.kind = RequestKind::Keep;
        request.dice = view.dice.value_or(Dice{});
        if (view.options.fixPermanent) {
            request.locked = view.locked;
        }
        break;
    case Phase::Opening:
    case Phase::Thrown:
    case Phase::NoGame:
    case Phase::Decided:
        request.kind = RequestKind::Call;
        request.dice = view.dice.value_or(Dice{});
        break;
    }
    return request;
}

} // namespace quintel::match::protocol
