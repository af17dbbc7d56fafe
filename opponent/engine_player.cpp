#include "opponent/engine_player.h"

#include "model/keep_rules.h"

#include <algorithm>
#include <system_error>

namespace quintel {

namespace {

using match::Action;
using match::SeatView;
namespace protocol = match::protocol;
using std::chrono::milliseconds;

// Text from the engine as a message shows it: printable ASCII, and not too long.
std::string printable(std::string_view text) {
    constexpr std::size_t kLongest = 80;
    std::string shown;
    for (const char c : text.substr(0, kLongest)) {
        shown.push_back(c >= ' ' && c <= '~' ? c : '?');
    }
    if (text.size() > kLongest) {
        shown += "...";
    }
    return shown;
}

std::string quotedLine(std::string_view line) {
    return "\"" + printable(line) + "\"";
}

std::string countsWord(const FaceCounts& counts) {
    std::string digits;
    for (std::size_t face = 1; face <= kFaces; ++face) {
        digits.append(static_cast<std::size_t>(counts[face]), static_cast<char>('0' + face));
    }
    return digits.empty() ? "-" : arrangeDigits(digits);
}

std::string timeWords(milliseconds time) {
    return std::to_string(time.count()) + " ms";
}

// A program that stopped reading or writing is most likely ending: it gets a moment for that, so
// that the message can say how it ended.
constexpr milliseconds kEndingTime{200};

milliseconds leftUntil(std::chrono::steady_clock::time_point deadline) {
    return std::max(milliseconds(0),
                    std::chrono::ceil<milliseconds>(deadline - std::chrono::steady_clock::now()));
}

} // namespace

EnginePlayer::EnginePlayer(const std::string& command, milliseconds moveTime)
    : moveTime_(moveTime), setUpTime_(std::max(moveTime, kSetUpTime)), name_(printable(command)) {
    try {
        process_ = std::make_unique<EngineProcess>(command);
    } catch (const std::system_error& error) {
        startProblem_ = engineWords() + " could not be started: " + error.what();
        gone_ = true;
        return;
    }
    greet();
}

EnginePlayer::~EnginePlayer() {
    if (process_ && !gone_) {
        // An engine that no longer reads is not waited for: it is killed all the same.
        process_->writeLine(protocol::writeRequest({.kind = protocol::RequestKind::Quit}),
                            std::chrono::milliseconds(100));
    }
}

std::string EnginePlayer::engineWords() const {
    return "engine '" + name_ + "'";
}

void EnginePlayer::greet() {
    const std::string hello = protocol::writeRequest({.kind = protocol::RequestKind::Hello});
    const auto written = process_->writeLine(hello, setUpTime_);
    EngineProcess::Read read;
    if (written == EngineProcess::WriteStatus::Written) {
        read = process_->readLine(setUpTime_);
    }
    if (read.status == EngineProcess::ReadStatus::Line) {
        const auto parsed = protocol::parseAnswer(read.line, protocol::RequestKind::Hello);
        if (parsed.value) {
            name_ = printable(parsed.value->name);
            return;
        }
        startProblem_ = engineWords() + " answered " + quotedLine(read.line) + " to " +
                        quotedLine(hello) + ": " + parsed.error;
    } else if (read.status == EngineProcess::ReadStatus::TimedOut) {
        startProblem_ = engineWords() + " gave no answer to " + quotedLine(hello) + " within " +
                        timeWords(setUpTime_);
    } else {
        startProblem_ = engineWords() + " ended (" +
                        process_->ended(kEndingTime).value_or("its output closed") +
                        ") before answering " + quotedLine(hello);
    }
    gone_ = true;
    process_.reset();
}

void EnginePlayer::gameStarted(Seat /*seat*/, RuleOptions options) {
    lastNewGame_ =
        protocol::writeRequest({.kind = protocol::RequestKind::NewGame, .options = options});
    if (send(lastNewGame_)) {
        ++oksOwed_;
    }
}

void EnginePlayer::gameDecided(Seat seat, const GameOutcome& outcome) {
    const auto dice = match::Dice::fromDigits(outcome.dice);
    if (!dice) {
        return;
    }
    send(protocol::writeRequest(
        {.kind = protocol::RequestKind::Result, .dice = *dice, .won = outcome.winner == seat}));
}

Action EnginePlayer::decide(const SeatView& view) {
    if (gone_) {
        return Action::resigning();
    }
    deciding_ = true;
    std::optional<Action> action;
    if (catchUp()) {
        if (const auto reply = ask(protocol::requestFor(view))) {
            action = actionFor(view, *reply);
        }
    }
    deciding_ = false;
    return action.value_or(Action::resigning());
}

bool EnginePlayer::send(const std::string& line) {
    if (gone_) {
        return false;
    }
    switch (process_->writeLine(line, moveTime_)) {
    case EngineProcess::WriteStatus::Written:
        return true;
    case EngineProcess::WriteStatus::TimedOut:
        process_->kill();
        gone_ = true;
        fail(engineWords() + " did not read " + quotedLine(line) + " within " +
                 timeWords(moveTime_) + " and was stopped",
             true);
        return false;
    case EngineProcess::WriteStatus::Ended:
        break;
    }
    endedWhile("before reading " + quotedLine(line));
    return false;
}

bool EnginePlayer::catchUp() {
    const auto deadline = std::chrono::steady_clock::now() + setUpTime_;
    while (oksOwed_ > 0) {
        const EngineProcess::Read read = process_->readLine(leftUntil(deadline));
        switch (read.status) {
        case EngineProcess::ReadStatus::Line:
            // Anything else is a late answer to a request of a game given up.
            if (protocol::parseAnswer(read.line, protocol::RequestKind::NewGame).value) {
                --oksOwed_;
            }
            break;
        case EngineProcess::ReadStatus::TimedOut:
            fail(engineWords() + " gave no answer to " + quotedLine(lastNewGame_) + " within " +
                 timeWords(setUpTime_));
            return false;
        case EngineProcess::ReadStatus::Ended:
            endedWhile("before answering " + quotedLine(lastNewGame_));
            return false;
        }
    }
    return true;
}

std::optional<EnginePlayer::Reply> EnginePlayer::ask(const protocol::Request& request) {
    Reply reply{protocol::writeRequest(request), {}, {}};
    if (!send(reply.request)) {
        return std::nullopt;
    }
    EngineProcess::Read read = process_->readLine(moveTime_);
    if (read.status == EngineProcess::ReadStatus::TimedOut) {
        fail(engineWords() + " gave no answer to " + quotedLine(reply.request) + " within " +
             timeWords(moveTime_));
        return std::nullopt;
    }
    if (read.status == EngineProcess::ReadStatus::Ended) {
        endedWhile("before answering " + quotedLine(reply.request));
        return std::nullopt;
    }
    reply.line = std::move(read.line);
    auto parsed = protocol::parseAnswer(reply.line, request.kind);
    if (!parsed.value) {
        refuse(reply, parsed.error);
        return std::nullopt;
    }
    reply.answer = std::move(*parsed.value);
    return reply;
}

std::optional<Action> EnginePlayer::actionFor(const SeatView& view, const Reply& reply) {
    const protocol::Answer& answer = reply.answer;
    switch (answer.kind) {
    case protocol::AnswerKind::Trust:
        if (!view.mayTrust) {
            refuse(reply, "nothing beats " + view.lastCall->digits() + ", so it cannot be trusted");
            return std::nullopt;
        }
        return Action::trusting();
    case protocol::AnswerKind::Doubt:
        return Action::doubting();
    case protocol::AnswerKind::Call:
        if (!match::mayFollow(*answer.call, view.lastCall)) {
            refuse(reply, "the call " + answer.call->digits() + " does not beat " +
                              view.lastCall->digits());
            return std::nullopt;
        }
        return Action::calling(*answer.call);
    case protocol::AnswerKind::Keep:
        break;
    case protocol::AnswerKind::Ok:
        refuse(reply, "\"ok\" answers no move");
        return std::nullopt;
    }
    const std::string kept = protocol::diceWord(answer.keep);
    if (!covers(view.dice->counts(), answer.keep.counts())) {
        refuse(reply,
               "the dice " + kept + " are not among the dice held, " + view.dice->handDigits());
        return std::nullopt;
    }
    if (answer.keep.size() == kDiceCount) {
        return callAtOnce(view);
    }
    if (!keepAllowed(view.keepRange, answer.keep.counts())) {
        refuse(reply, "keeping " + kept +
                          " is against the rules of the throw, which keep at least " +
                          countsWord(view.keepRange.least) + " and at most " +
                          countsWord(view.keepRange.most));
        return std::nullopt;
    }
    return Action::keeping(answer.keep);
}

// Keeping all five throws nothing: the engine calls at once on the dice it took over.
std::optional<Action> EnginePlayer::callAtOnce(const SeatView& view) {
    const auto reply =
        ask({.kind = protocol::RequestKind::Call, .call = view.lastCall, .dice = *view.dice});
    if (!reply) {
        return std::nullopt;
    }
    return actionFor(view, *reply);
}

void EnginePlayer::refuse(const Reply& reply, const std::string& why) {
    fail(engineWords() + " answered " + quotedLine(reply.line) + " to " +
         quotedLine(reply.request) + ": " + why);
}

void EnginePlayer::endedWhile(const std::string& what) {
    const std::string how = process_->ended(kEndingTime).value_or("its output closed");
    process_->kill();
    gone_ = true;
    fail(engineWords() + " ended (" + how + ") " + what, true);
}

void EnginePlayer::fail(const std::string& message, bool engineGone) {
    notes_->line("REFUSED : " + message);
    if (report_) {
        report_({message, engineGone, deciding_});
    }
}

} // namespace quintel
