#include "app/computer_seats.h"

#include "app/engine_seat.h"
#include "opponent/classic_computer.h"
#include "opponent/engine_player.h"
#include "opponent/expert_computer.h"
#include "opponent/master_computer.h"
#include "solver/data_file.h"

#include <optional>
#include <string>
#include <system_error>
#include <utility>

namespace quintel {

std::filesystem::path solvedDataFolder(const std::filesystem::path& programFolder) {
    const std::filesystem::path installed =
        programFolder.parent_path() / "share" / "quintel" / "solved";
    std::error_code error;
    if (programFolder.filename() == "bin" && std::filesystem::is_directory(installed, error)) {
        return installed;
    }
    return programFolder / "share" / "quintel" / "solved";
}

std::string_view recordName(Opponent opponent) {
    switch (opponent) {
    case Opponent::Expert:
        return "expert";
    case Opponent::Master:
        return "master";
    case Opponent::Engine:
        return "engine";
    case Opponent::Classic:
        break;
    }
    return "classic";
}

std::string engineHistoryLine(std::string_view engineName) {
    return "Opponent : Engine " + std::string(engineName);
}

ComputerSeats::ComputerSeats(std::filesystem::path solvedFolder)
    : solvedFolder_(std::move(solvedFolder)) {}

ComputerSeats::~ComputerSeats() = default;

std::shared_ptr<const solver::SolvedGame> ComputerSeats::solvedGame(RuleOptions options,
                                                                    std::string& problem) {
    auto& kept = solved_[(options.fixAny ? 1U : 0U) + (options.fixPermanent ? 2U : 0U)];
    if (kept) {
        return kept;
    }
    // Whatever the file holds, the sign-in goes on: with the classic computer if need be.
    kept = solver::readRealGame(solvedFolder_, options, problem);
    return kept;
}

ComputerSeats::Seated ComputerSeats::seat(Opponent chosen, RuleOptions options,
                                          const Context& context) {
    std::string problem;
    learning_.reset();
    if (chosen == Opponent::Expert || chosen == Opponent::Master) {
        if (auto game = solvedGame(options, problem)) {
            return seatSolved(chosen, std::move(game), context);
        }
        problem = std::string(chosen == Opponent::Master ? "The Master" : "The Expert") +
                  " cannot play: " + problem + ". The classic computer plays instead.";
    }
    if (chosen == Opponent::Engine) {
        if (engine_ && !engine_->gone()) {
            engine_->onFault(context.engineFault);
            engine_->noteTo(context.notes);
            seated_ = std::make_unique<EngineSeat>(*engine_, context.random, context.notes,
                                                   context.profile);
            return {seated_.get(), Opponent::Engine, {}};
        }
        problem = engine_ ? "The engine '" + engine_->name() +
                                "' no longer plays. The classic computer plays instead."
                          : "No engine was given. The classic computer plays instead.";
    }
    seated_ = std::make_unique<ClassicComputer>(context.random, context.notes, context.profile);
    return {seated_.get(), Opponent::Classic, problem};
}

ComputerSeats::Seated ComputerSeats::seatSolved(Opponent chosen,
                                                std::shared_ptr<const solver::SolvedGame> game,
                                                const Context& context) {
    if (chosen == Opponent::Expert) {
        seated_ = std::make_unique<ExpertComputer>(std::move(game), context.random, context.notes);
        return {seated_.get(), Opponent::Expert, {}};
    }
    auto model = context.masterModel ? context.masterModel(game) : nullptr;
    auto master =
        std::make_unique<MasterComputer>(std::move(game), context.random, context.notes,
                                         std::move(model), context.masterRisk, context.masterWaits);
    learning_ = std::make_unique<MasterLearning>(*master, context.masterLearnt);
    seated_ = std::move(master);
    return {seated_.get(), Opponent::Master, {}, learning_.get()};
}

std::string ComputerSeats::startEngine(const std::string& command,
                                       std::chrono::milliseconds moveTime) {
    learning_.reset();
    seated_.reset();
    engine_ = std::make_unique<EnginePlayer>(command, moveTime);
    std::string problem = engine_->startProblem();
    if (!problem.empty()) {
        engine_.reset();
    }
    return problem;
}

std::string ComputerSeats::engineName() const {
    return engine_ ? engine_->name() : std::string();
}

} // namespace quintel
