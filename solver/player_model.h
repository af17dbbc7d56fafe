#pragma once

#include "solver/solved_game.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quintel::solver {

// What one game showed of the player, in the solved game's numbers (calls weakest first, sets of
// dice as DiceSets indices). The computer sees the player's dice at every call after a throw: it
// takes them over when it trusts, and they are shown when it does not.
struct PlayerObservations {
    // A call after a throw: the player trusted `lastCall` (-1 at the opening), kept `kept`, threw
    // the other dice and ended with `hand`.
    struct Call {
        int lastCall = -1;
        int kept = 0;
        int hand = 0;
        int call = 0;
    };
    // The player's answer to the computer's `call`, made after the computer trusted the player's
    // `lastCall`, kept `kept` and threw the others. An answer to a call made at once is not
    // counted: the player knows those dice.
    struct Answer {
        int lastCall = 0;
        int kept = 0;
        int call = 0;
        bool trusted = false;
    };
    // After trusting `lastCall` and taking over `hand` with `locked` dice, the player's choice as
    // SolvedGame::positionChoice writes it: a call made at once, or kKeepFlag plus the kept set.
    struct Keep {
        int lastCall = 0;
        int hand = 0;
        int locked = 0;
        std::uint16_t choice = 0;
    };
    std::vector<Call> calls;
    std::vector<Answer> answers;
    std::vector<Keep> keeps;
};

// What the computer has seen of one player under one option set, as counts, and what it believes
// of the player's play from them: the equilibrium's own strategy stands for what it has not seen
// (pseudo-counts), so that a model with nothing in it describes the equilibrium and the belief
// moves towards what the player does as the counts grow.
//
// Three kinds of count, each kept per situation and, so that a little data says something about
// situations seen rarely, per class of situation as well:
//  - calls after a throw, per stage (last call, kept dice) and call: how often made, how often
//    the dice held the call; classed by the number of dice kept and the chance that the call
//    holds after such a keep (`heldChance`);
//  - answers to the computer's calls after its throw, per (last call, the computer's kept dice,
//    call): how often asked, how often trusted; the belief pools the last calls, and classes as
//    for calls;
//  - choices after trusting, per position (last call, hand, locked dice).
class PlayerModel {
public:
    explicit PlayerModel(std::shared_ptr<const SolvedGame> game);

    const SolvedGame& game() const { return *game_; }
    const GameTables& tables() const { return game_->tables(); }
    long long games() const { return games_; }

    // Counts one game. Throws std::invalid_argument, counting nothing, when an observation names
    // no situation of the game.
    void add(const PlayerObservations& game);

    // The counts as text, and back. The text names the variant and the option set; parse refuses
    // (nothing, with the reason in `error`) a text for another game, with a line out of place or
    // out of order, a number out of range, or anything after its end.
    std::string serialise() const;
    static std::optional<PlayerModel> parse(std::string_view text,
                                            std::shared_ptr<const SolvedGame> game,
                                            std::string* error = nullptr);

    // The belief about the player's calls in stage (lastCall, kept): for each type of the stage
    // and each message, the chance that the stage's throw is that type and the player makes that
    // call, type-major (type * messageCount + message). They add up to 1.
    std::vector<double> callWeights(int lastCall, int kept) const;
    // The belief about the player's answer to each message of stage (lastCall, kept), in which
    // the computer is the mover: the chance of trust per message.
    std::vector<double> trustChances(int lastCall, int kept) const;
    // The belief about the player's choice in a position: choices as positionChoice codes them,
    // with their chances (the equilibrium's choice where nothing was seen).
    struct Choice {
        std::uint16_t choice = 0;
        double chance = 0;
    };
    std::vector<Choice> choices(int lastCall, int hand, int locked) const;

    // Whether the player was seen in the stage: making calls after a throw in it, or answering
    // the computer's calls in it.
    bool sawCallsIn(int lastCall, int kept) const;
    bool sawAnswersIn(int lastCall, int kept) const;
    // The stages the player was seen in, with how often: making calls after a throw, and
    // answering the computer's calls; and the positions it was seen choosing in.
    struct Seen {
        int lastCall = 0;
        int kept = 0; // for a position: the hand
        int locked = 0;
        std::uint32_t times = 0;
    };
    std::vector<Seen> stagesWithCalls() const;
    std::vector<Seen> stagesWithAnswers() const;
    std::vector<Seen> positionsSeen() const;
    // How often the player was seen in a stage of each last call (calls and answers), by last
    // call + 1.
    const std::vector<std::uint32_t>& visitsByLevel() const { return visits_; }
    long long visits() const { return totalVisits_; }

    // Pseudo-counts: how much of the equilibrium stands in a belief beside what was seen.
    static constexpr double kCallFrequencyPrior = 4;
    static constexpr double kHeldPrior = 2;
    static constexpr double kTrustPrior = 2;
    static constexpr double kClassPrior = 10;
    static constexpr double kChoicePrior = 1;

private:
    struct Tally {
        std::uint32_t seen = 0;
        std::uint32_t yes = 0;                               // held, or trusted
        void add(std::uint32_t more, std::uint32_t moreYes); // saturating, yes never above seen
    };
    // Classes of the chance that a call holds: never, ten ranges between, always.
    static constexpr int kClasses = 12;

    std::uint32_t callKey(int lastCall, int kept, int call) const;
    std::uint64_t answerKey(int kept, int call, int lastCall) const;
    std::uint64_t choiceKey(int lastCall, int hand, int locked, std::uint16_t choice) const;
    int classOf(int kept, int call) const;
    void check(const PlayerObservations& game) const;
    void count(const PlayerObservations& game);
    void countCall(int lastCall, int kept, int call, std::uint32_t made, std::uint32_t held);
    void countAnswer(int lastCall, int kept, int call, std::uint32_t asked, std::uint32_t trusted);
    double classRate(const std::vector<Tally>& classes, int kept, int call, double prior) const;

    std::shared_ptr<const SolvedGame> game_;
    long long games_ = 0;
    std::map<std::uint32_t, Tally> calls_;   // by callKey: made, held
    std::map<std::uint64_t, Tally> answers_; // by answerKey: asked, trusted
    std::map<std::uint64_t, std::uint32_t> choices_;
    // Derived from the counts above.
    std::vector<Tally> callClasses_;
    std::vector<Tally> answerClasses_;
    std::map<std::uint32_t, std::uint32_t> answerStages_; // (last call + 1) * sets + kept
    std::vector<std::uint32_t> visits_;
    long long totalVisits_ = 0;
};

// The chance that a call holds after keeping `kept` and throwing the other dice.
double heldChance(const GameTables& tables, int kept, int call);

} // namespace quintel::solver
