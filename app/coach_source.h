#pragma once

#include "match/player.h"
#include "model/rule_options.h"
#include "opponent/background_figures.h"
#include "opponent/classic_opponent.h"
#include "opponent/coach_figures.h"
#include "opponent/response_figures.h"
#include "solver/solved_game.h"

#include <memory>
#include <string>

namespace quintel {

class ComputerSeats;

// The computer the coach's figures are for.
enum class CoachOpponent { Classic, Expert, Master, Other };

// The coach's figures are the player's chances of winning against the computer at the table:
// - the classic computer: the best response to its play with the profile it reads, worked out
//   again only when the profile changes what it trusts (the profile moves with every call);
// - the Expert: the solved game's equilibrium, which it plays;
// - the Master: the best response to its strategy as it stands, its model of the player frozen,
//   worked out again after each game it learns from;
// - any other seat: the equilibrium's.
// A best response takes seconds and is worked out in the background; meanwhile the equilibrium's
// figures stand in.
class CoachSource {
public:
    struct Figures {
        CoachOpponent opponent = CoachOpponent::Other;
        std::shared_ptr<const CoachFigures> figures; // nothing when there are none yet
        // The equilibrium's figures stand in while the opponent's are worked out.
        bool standIn = false;
        std::string problem; // why there are no figures at all
    };

    // The figures against `computer` under `options`, the solved games read from `seats`
    // (nullptr: none). With `wait`, the opponent's own figures, however long they take.
    Figures figures(const match::Player* computer, RuleOptions options, ComputerSeats* seats,
                    bool wait = false);

private:
    std::shared_ptr<const CoachFigures>
    equilibrium(std::shared_ptr<const solver::SolvedGame> solved);

    // The classic computer's figures again for a profile under which it trusts as it did for
    // theirs; nothing when there are none.
    std::shared_ptr<const CoachFigures> classicAlike(const Profile& profile,
                                                     RuleOptions options) const;

    BackgroundFigures background_;
    // The last figures against the classic computer, and its play they answer.
    std::shared_ptr<const ResponseFigures> classicFigures_;
    const ClassicOpponent* classicPlay_ = nullptr;
    // The equilibrium's figures, kept with the solved game they read.
    std::shared_ptr<const solver::SolvedGame> equilibriumGame_;
    std::shared_ptr<const CoachFigures> equilibrium_;
};

} // namespace quintel
