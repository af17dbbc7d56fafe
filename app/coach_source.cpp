#include "app/coach_source.h"

#include "app/computer_seats.h"
#include "opponent/classic_computer.h"
#include "opponent/classic_opponent.h"
#include "opponent/computer_judgement.h"
#include "opponent/master_computer.h"
#include "opponent/response_figures.h"
#include "solver/master_model.h"

#include <sstream>

namespace quintel {

namespace {

std::string optionsWord(RuleOptions options) {
    return std::to_string(options.fixAny) + std::to_string(options.fixPermanent);
}

// The profile as far as the computer's trust reads it: a call counted in a bucket that no
// correction reads changes nothing of its play.
Profile profileInForce(const Profile* read) {
    Profile profile = read != nullptr ? *read : Profile{};
    dropUnusedBuckets(profile.counts, profile.scores);
    return profile;
}

std::string classicKey(const Profile& profile, RuleOptions options) {
    std::ostringstream key;
    key << "classic " << optionsWord(options);
    for (std::size_t bucket = 0; bucket < profile.counts.size(); ++bucket) {
        key << ' ' << profile.counts[bucket] << '/' << profile.scores[bucket];
    }
    return key.str();
}

// The Master as it plays now, with its model frozen and its policy made afresh from it.
struct FrozenMaster {
    FrozenMaster(std::shared_ptr<const solver::SolvedGame> game,
                 std::shared_ptr<const solver::PlayerModel> seen, double risk)
        : policy(std::move(game), std::move(seen), {risk}), model(policy) {}
    solver::MasterPolicy policy;
    solver::MasterModel model;
};

std::string masterKey(const MasterComputer& master, RuleOptions options) {
    std::ostringstream key;
    key << "master " << optionsWord(options) << ' ' << &master.model() << ' '
        << master.model().games() << ' ' << master.master().risk();
    return key.str();
}

} // namespace

CoachSource::Figures CoachSource::figures(const match::Player* computer, RuleOptions options,
                                          ComputerSeats* seats, bool wait) {
    Figures found;
    BackgroundFigures::WorkMaker makeWork;
    std::string key;
    const auto* master = dynamic_cast<const MasterComputer*>(computer);
    std::shared_ptr<const solver::SolvedGame> solved;
    if (seats == nullptr) {
        found.problem = "no folder of solved games";
    } else {
        solved = seats->solvedGame(options, found.problem);
    }
    if (master != nullptr && solved) {
        found.opponent = CoachOpponent::Master;
        key = masterKey(*master, options);
        // The model is copied only when a pass starts: it moves on as the Master learns.
        makeWork = [solved, options, master]() -> BackgroundFigures::Work {
            return [solved, options, risk = master->master().risk(),
                    model = std::make_shared<const solver::PlayerModel>(master->model())] {
                auto frozen = std::make_shared<const FrozenMaster>(solved, model, risk);
                return std::make_shared<const ResponseFigures>(
                    std::shared_ptr<const solver::OpponentModel>(frozen, &frozen->model), options);
            };
        };
    } else if (const auto* classic = dynamic_cast<const ClassicComputer*>(computer)) {
        found.opponent = CoachOpponent::Classic;
        const Profile profile = profileInForce(classic->profile());
        if (auto alike = classicAlike(profile, options)) {
            found.figures = std::move(alike);
            return found;
        }
        key = classicKey(profile, options);
        makeWork = [profile, options]() -> BackgroundFigures::Work {
            return [profile, options] {
                return std::make_shared<const ResponseFigures>(
                    std::make_shared<const ClassicOpponent>(options, profile), options);
            };
        };
    } else if (dynamic_cast<const ExpertComputer*>(computer) != nullptr) {
        found.opponent = CoachOpponent::Expert;
    }
    if (makeWork) {
        found.figures =
            wait ? background_.waitFor(key, makeWork) : background_.figures(key, makeWork);
        if (found.figures) {
            found.problem.clear();
            if (found.opponent == CoachOpponent::Classic) {
                classicFigures_ = std::dynamic_pointer_cast<const ResponseFigures>(found.figures);
                classicPlay_ = dynamic_cast<const ClassicOpponent*>(&classicFigures_->computer());
            }
            return found;
        }
        if (!background_.problem().empty()) {
            found.problem = background_.problem();
        }
        found.standIn = true;
    }
    if (solved) {
        found.figures = equilibrium(std::move(solved));
    }
    return found;
}

std::shared_ptr<const CoachFigures> CoachSource::classicAlike(const Profile& profile,
                                                              RuleOptions options) const {
    if (classicPlay_ == nullptr || classicPlay_->options() != options ||
        !classicPlay_->trustsAlikeUnder(profile)) {
        return nullptr;
    }
    return classicFigures_;
}

std::shared_ptr<const CoachFigures>
CoachSource::equilibrium(std::shared_ptr<const solver::SolvedGame> solved) {
    if (solved != equilibriumGame_) {
        equilibrium_ = std::make_shared<const EquilibriumFigures>(ExpertPolicy(solved));
        equilibriumGame_ = std::move(solved);
    }
    return equilibrium_;
}

} // namespace quintel
