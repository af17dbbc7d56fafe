#include "records/record_leaks.h"

#include "records/model_from_record.h"
#include "records/record_book.h"
#include "solver/data_file.h"

#include <algorithm>
#include <system_error>

namespace quintel {

namespace {

std::size_t slotOf(bool fixAny, bool fixPermanent) {
    return static_cast<std::size_t>(
        std::ranges::find(kOptionSets, RuleOptions{fixAny, fixPermanent}) - kOptionSets.begin());
}

} // namespace

std::array<long long, 4> gamesByOptions(const std::filesystem::path& dataFolder,
                                        const std::string& player) {
    std::array<long long, 4> games{};
    const std::filesystem::path path = RecordBook::pathIn(dataFolder);
    if (std::error_code unseen; !std::filesystem::exists(path, unseen)) {
        return games; // nothing kept yet
    }
    RecordBook book(path, false);
    book.forEachGame([&](const GameRecord& game) {
        if (game.player == player) {
            ++games[slotOf(game.fixAny, game.fixPermanent)];
        }
    });
    return games;
}

RecordLeaks findRecordLeaks(const std::filesystem::path& dataFolder, const std::string& player,
                            RuleOptions options, const std::filesystem::path& solvedFolder,
                            const std::atomic<bool>& stop) {
    RecordLeaks found;
    found.options = options;
    auto game = solver::readRealGame(solvedFolder, options, found.problem);
    if (!game || stop) {
        return found;
    }
    solver::PlayerModel model(game);
    const RecordCount count = countRecord(dataFolder, player, model);
    found.games = count.games;
    found.problem = count.error;
    if (!found.problem.empty() || count.games < kGamesForLeaks || stop) {
        return found;
    }
    found.game = game;
    found.worst = solver::worstLeaks(model);
    if (!stop) {
        found.exploitability = solver::exploitability(model);
    }
    return found;
}

} // namespace quintel
