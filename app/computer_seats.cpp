#include "app/computer_seats.h"

#include "app/engine_seat.h"
#include "opponent/classic_computer.h"
#include "opponent/engine_player.h"
#include "opponent/expert_computer.h"
#include "solver/data_file.h"

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
    return QUINTEL_SOLVED_DATA;
}

std::string_view recordName(Opponent opponent) {
    switch (opponent) {
    case Opponent::Expert:
        return "expert";
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
    const std::filesystem::path path = solvedFolder_ / solver::dataFileName(options);
    solver::LoadedGame loaded = solver::readDataFile(path);
    if (!loaded.game) {
        problem = loaded.error;
    } else if (loaded.game->options() != options || loaded.game->variant() != solver::kRealGame) {
        problem = path.string() + " holds another game";
    } else {
        kept = std::make_shared<const solver::SolvedGame>(std::move(*loaded.game));
    }
    return kept;
}

ComputerSeats::Seated ComputerSeats::seat(Opponent chosen, RuleOptions options,
                                          const Context& context) {
    std::string problem;
    if (chosen == Opponent::Expert) {
        if (auto game = solvedGame(options, problem)) {
            seated_ =
                std::make_unique<ExpertComputer>(std::move(game), context.random, context.notes);
            return {seated_.get(), Opponent::Expert, {}};
        }
        problem = "The Expert cannot play: " + problem + ". The classic computer plays instead.";
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

std::string ComputerSeats::startEngine(const std::string& command,
                                       std::chrono::milliseconds moveTime) {
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
