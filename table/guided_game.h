#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quintel {

// The table as the guide reads it, after an event.
struct TableMoment {
    bool opening = false;         // the player holds the starter's throw; no call yet
    bool countdownShown = false;  // the countdown label is in view
    bool callLive = false;        // Call can be pressed
    bool callDialogShown = false; // the call dialog is open
    bool answering = false;       // the computer has called: Trust and XTrust wait
    bool trusted = false;         // the player took over the computer's dice
    bool callsMade = false;       // the logs hold a call of this game
    bool decided = false;         // the game is decided and counted in the figures
};

// What the guide explains, in the order it explains it.
enum class GuideStep {
    Throw,
    TurnMarker,
    Countdown,
    CallButton,
    CallDialog,
    Answer,
    Logs,
    Keep,
    Coach,
    Score
};
inline constexpr std::size_t kGuideStepCount = 10;

// A guided first game: one game whose throws are always the same (the random source seeded with
// `kSeed`), in which each control of the table is explained once, when it becomes live. A step
// stays until the player reads on (Next), or the table moves on so that it is no longer live, or
// a step not yet explained becomes live; then the first step in order that is live and not yet
// explained comes, so a step the player hurried past comes the next time it is live. The score
// comes last, once the guided game is decided, and after it the guide ends; what the table has not
// shown by then stays unexplained. Skipping ends the guide at any moment.
class GuidedGame {
public:
    static constexpr std::uint64_t kSeed = 20261210;

    enum class State {
        Off,
        Offered,  // the player is asked whether to play a guided game
        Accepted, // the guided game will be the next game
        Running
    };
    State state() const { return state_; }
    void offer();
    void accept() { state_ = State::Accepted; }
    // The guided game starts: every step is to be explained again.
    void begin();
    // The offer declined, or the guide skipped: it ends, and the game goes on as it is.
    void end();
    // The player has read the current step.
    void next();
    // The guided game has been decided.
    void gameDecided() { gameOver_ = true; }

    // Follows the table after an event. Returns whether the step shown changed.
    bool follow(const TableMoment& moment);

    // The step explained now; nothing between steps and while the guide is not running.
    std::optional<GuideStep> current() const { return current_; }
    // The current step is the last.
    bool lastStep() const;

    // The current step's control, as the table names it ("Call1", "Dice", the call dialog's
    // "formCall"), for pointing at it.
    std::string_view control() const;
    // In the player's language: the control's name, what it does, and the status line's line.
    std::string title() const;
    std::string text() const;
    std::string statusLine() const;

private:
    bool live(GuideStep step, const TableMoment& moment) const;
    std::optional<GuideStep> firstToExplain(const TableMoment& moment) const;

    State state_ = State::Off;
    std::optional<GuideStep> current_;
    std::array<bool, kGuideStepCount> explained_{};
    std::array<bool, kGuideStepCount> wasLive_{};
    bool nextAsked_ = false;
    // The guided game has been decided: what is left is explained, then the guide ends.
    bool gameOver_ = false;
};

} // namespace quintel
