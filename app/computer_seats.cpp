#include "app/computer_seats.h"

#include "opponent/expert_opponent.h"
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
    return programFolder / "share" / "quintel" / "solved";
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

ComputerSeats::Seated ComputerSeats::seat(Opponent chosen, RuleOptions options) {
    if (chosen == Opponent::Expert) {
        std::string problem;
        if (auto game = solvedGame(options, problem)) {
            expert_ = std::make_unique<ExpertOpponent>(std::move(game));
            return {expert_.get(), Opponent::Expert, {}};
        }
        return {&classic_, Opponent::Classic,
                "The Expert cannot play: " + problem + ". The classic computer plays instead."};
    }
    return {&classic_, Opponent::Classic, {}};
}

} // namespace quintel
