#pragma once

#include "match/player.h"
#include "match/protocol.h"
#include "opponent/engine_process.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace quintel {

// What went wrong with an outside engine, in one line that names the engine and the line.
struct EngineFault {
    std::string message;
    // Its process ended (or stopped reading its input): it plays no more.
    bool gone = false;
    // It was the engine's move, and it gives the game up.
    bool losesGame = false;
};

// A seat played by an outside engine over the Quintel engine protocol (docs/engine-protocol.md).
// Each decision is a request to the engine, and its answer is checked against what the seat may
// do. An answer that is malformed, late or against the rules is reported with a line in the
// seat's notes, and the seat gives the game up; so does an engine whose process ended, which is
// reported once and plays no more. A late answer is never taken for a later one: whatever the
// engine writes before its "ok" to the next "newgame" is passed over.
class EnginePlayer : public match::Player {
public:
    using FaultReport = std::function<void(const EngineFault&)>;

    // Starts `command` with the shell and greets it; `startProblem()` says why when that failed.
    // Each answer may take `moveTime`; the greeting and the "ok" to a new game the longer of
    // that and kSetUpTime, as an engine may load its tables then.
    EnginePlayer(const std::string& command, std::chrono::milliseconds moveTime);
    ~EnginePlayer() override;
    EnginePlayer(const EnginePlayer&) = delete;
    EnginePlayer& operator=(const EnginePlayer&) = delete;

    static constexpr std::chrono::milliseconds kSetUpTime{10000};

    // Where faults are told, and written down as a line of the seat's notes; by default nowhere.
    void onFault(FaultReport report) { report_ = std::move(report); }
    void noteTo(match::SeatNotes& notes) { notes_ = &notes; }

    match::Action decide(const match::SeatView& view) override;
    void gameStarted(Seat seat, RuleOptions options) override;
    void gameDecided(Seat seat, const GameOutcome& outcome) override;

    // The name the engine gave itself, or its command until it has.
    const std::string& name() const { return name_; }
    // Its process ended, or it was never greeted: it plays no more.
    bool gone() const { return gone_; }
    // Why the engine could not be started or greeted; empty when it was.
    const std::string& startProblem() const { return startProblem_; }

private:
    struct Reply {
        std::string request;
        std::string line;
        match::protocol::Answer answer;
    };
    void greet();
    bool send(const std::string& line);
    std::optional<Reply> ask(const match::protocol::Request& request);
    // Reads the "ok" of every "newgame" sent, passing over any other line before it.
    bool catchUp();
    std::optional<match::Action> actionFor(const match::SeatView& view, const Reply& reply);
    std::optional<match::Action> callAtOnce(const match::SeatView& view);
    void refuse(const Reply& reply, const std::string& why);
    void fail(const std::string& message, bool engineGone = false);
    void endedWhile(const std::string& what);
    std::string engineWords() const;

    std::chrono::milliseconds moveTime_;
    std::chrono::milliseconds setUpTime_;
    match::NoNotes noNotes_;
    match::SeatNotes* notes_ = &noNotes_;
    FaultReport report_;
    std::unique_ptr<EngineProcess> process_;
    std::string name_;
    std::string startProblem_;
    bool gone_ = false;
    bool deciding_ = false;
    int oksOwed_ = 0;
    std::string lastNewGame_;
};

} // namespace quintel
