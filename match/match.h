#pragma once

#include "match/action.h"
#include "match/dice.h"
#include "match/outcome.h"
#include "match/phase.h"
#include "match/seat_view.h"
#include "match/table_rules.h"
#include "model/random_source.h"
#include "model/rule_options.h"

#include <optional>
#include <string>
#include <vector>

namespace quintel::match {

// One call of a game as the table recorded it.
struct CallRecord {
    Seat caller = Seat::Human;
    Call call;
    // The dice fixed with the call: what the caller kept at its throw, or, when it called at
    // once, what stayed fixed from before.
    Kept fixed;
    bool threw = false; // the caller threw this turn (the opening throw counts)
    std::string thrown; // the dice it threw this turn, as digits
    Dice dice;          // the dice it handed over with the call
    bool operator==(const CallRecord&) const = default;
};

class MatchListener;

// The rules of play at one table: the games one after another, each from the starter's throw to
// the call that is not trusted. It holds the dice, the last call, the fixed dice, the seat to move
// and the calls of the game, lists what the seat to move may do, applies an action or refuses it
// with a reason, and tells its listeners what happened. Every die comes from the one random source
// it is given, in the order the game throws them.
class Match {
public:
    Match(RuleOptions options, RandomSource& random);
    Match(const Match&) = delete;
    Match& operator=(const Match&) = delete;

    // Listeners are told in the order they were added; a listener must not act on the match
    // while it is being told.
    void addListener(MatchListener& listener);
    void removeListener(MatchListener& listener);

    RuleOptions options() const { return options_; }
    void setOptions(RuleOptions options) { options_ = options; }

    // Starts a game: the starter throws five fresh dice. Ends a game still in play without a
    // word.
    void startGame(Seat starter);

    Phase phase() const { return phase_; }
    bool inPlay() const { return phase_ != Phase::NoGame && phase_ != Phase::Decided; }
    Seat toMove() const { return toMove_; }
    Seat starter() const { return starter_; }
    // The five dice, held by the seat that made or takes over the last call.
    const Dice& dice() const { return dice_; }
    const std::optional<Call>& lastCall() const { return lastCall_; }
    // The call the last call followed; nothing before the second call of a game.
    std::optional<Call> callBeforeLast() const;
    // The dice fixed by the last caller: kept at its throw, or left fixed when it called at once.
    const Kept& fixed() const { return fixed_; }
    // The seat to move has thrown in this turn (the opening throw counts).
    bool threwThisTurn() const { return threw_; }
    // The dice the seat to move threw in this turn, as digits.
    const std::string& thrownThisTurn() const { return thrown_; }
    const std::vector<CallRecord>& calls() const { return calls_; }
    const std::optional<GameOutcome>& outcome() const { return outcome_; }

    // What the seat to move may do now (nothing once the game is decided).
    std::vector<ActionKind> legalKinds() const;
    // Trusting is offered only when some call can beat the last one.
    bool mayTrust() const;
    // The rules of a throw for the seat that trusted, die by die and as face counts.
    ChangeLayout changeLayout() const;
    KeepRange keepRange() const;

    // Why `action` may not be taken now; nothing when it may.
    std::optional<std::string> refusal(const Action& action) const;
    // Takes `action` for the seat to move, or refuses it with the reason and changes nothing.
    std::optional<std::string> apply(const Action& action);

    // Ends the game in play against `loser`, whose player broke a rule: the other seat wins and
    // the dice are shown.
    void forfeit(Seat loser);

    // What the table shows `seat` now: never the other seat's hidden dice.
    SeatView viewFor(Seat seat) const;

    // Puts a game in play at a position reached elsewhere (a test, a lesson, a puzzle): nothing is
    // thrown and no listener is told.
    struct Position {
        Phase phase = Phase::Opening;
        Seat toMove = Seat::Human;
        Dice dice;
        std::optional<Call> lastCall;
        Kept fixed;
        bool threw = false;
        std::string thrown;
        std::vector<CallRecord> calls;
    };
    void setPosition(const Position& position);
    Position position() const;

private:
    std::optional<std::string> keepRefusal(const Keep& keep) const;
    void call(const Call& made);
    void trust();
    void doubt();
    void keep(const Keep& keep);
    template <typename Tell> void tell(Tell&& what);

    RuleOptions options_;
    RandomSource& random_;
    std::vector<MatchListener*> listeners_;
    bool telling_ = false;

    Phase phase_ = Phase::NoGame;
    Seat toMove_ = Seat::Human;
    Seat starter_ = Seat::Human;
    Dice dice_;
    std::optional<Call> lastCall_;
    Kept fixed_;
    bool threw_ = false;
    std::string thrown_;
    std::vector<CallRecord> calls_;
    std::optional<GameOutcome> outcome_;
};

// Told of what happens at a table, after the match has taken it in: the state it reads is the
// state after the event.
class MatchListener {
public:
    virtual ~MatchListener() = default;
    virtual void gameStarted(const Match& /*match*/) {}
    // `seat` threw `thrown` (digits; the five dice of the opening throw, or the dice thrown again).
    virtual void diceThrown(const Match& /*match*/, Seat /*seat*/, std::string_view /*thrown*/) {}
    virtual void trusted(const Match& /*match*/, Seat /*seat*/) {}
    virtual void callMade(const Match& /*match*/, const CallRecord& /*made*/) {}
    virtual void gameDecided(const Match& /*match*/, const GameOutcome& /*outcome*/) {}
};

} // namespace quintel::match
