#include "against.h"

#include "opponent/classic_opponent.h"
#include "opponent/expert_model.h"
#include "solver/best_response.h"
#include "solver/data_file.h"
#include "solver/master_model.h"
#include "solver/player_leaks.h"

#include <chrono>
#include <fstream>
#include <iomanip>
#include <memory>
#include <string>

namespace quintel::solve {

namespace {

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void printBest(double best, double seconds, std::ostream& out) {
    out << "best-response " << std::setprecision(17) << best << "\n"
        << "seconds " << std::setprecision(3) << std::fixed << seconds << std::defaultfloat << "\n";
}

std::shared_ptr<const solver::SolvedGame> solvedGame(std::string_view computer, RuleOptions options,
                                                     const std::filesystem::path& solvedFile,
                                                     std::ostream& out) {
    solver::LoadedGame loaded = solver::readDataFile(solvedFile);
    if (!loaded.game) {
        out << "error: the " << computer << " computer cannot play: " << loaded.error << "\n";
        return nullptr;
    }
    if (loaded.game->options() != options || loaded.game->variant() != solver::kRealGame) {
        out << "error: " << solvedFile.string() << " holds another game than the "
            << optionWords(options) << " game of 5 dice of 6 faces\n";
        return nullptr;
    }
    return std::make_shared<const solver::SolvedGame>(std::move(*loaded.game));
}

void printValue(double best, double value, std::ostream& out) {
    out << "value " << std::setprecision(17) << value << "\n"
        << "exploitability " << best - value << "\n";
}

std::optional<solver::PlayerModel>
playerModel(const std::shared_ptr<const solver::SolvedGame>& game,
            const std::filesystem::path& path, std::ostream& out) {
    std::ifstream file(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    std::string error;
    auto model = file ? solver::PlayerModel::parse(text, game, &error) : std::nullopt;
    if (!model) {
        out << "error: " << path.string() << ": "
            << (file ? error : std::string("it cannot be opened")) << "\n";
    }
    return model;
}

int againstMaster(RuleOptions options, const std::filesystem::path& solvedFile,
                  const MasterArguments& master, std::ostream& out) {
    const auto game = solvedGame("master", options, solvedFile, out);
    auto model = game ? playerModel(game, master.model, out) : std::nullopt;
    if (!model) {
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const solver::MasterPolicy policy(
        game, std::make_shared<const solver::PlayerModel>(std::move(*model)), {master.risk});
    const solver::MasterModel computer(policy);
    const solver::BestResponse best(computer, options);
    printBest(best.value(), secondsSince(start), out);
    printValue(best.value(), game->openValue(), out);
    out << "risk " << master.risk << "\n"
        << "stages-answered " << policy.stagesAnswered() << "\n";
    return 0;
}

int againstExpert(RuleOptions options, const std::filesystem::path& solvedFile, std::ostream& out) {
    const auto game = solvedGame("expert", options, solvedFile, out);
    if (!game) {
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const ExpertPolicy policy(game);
    const ExpertModel expert(policy);
    const solver::BestResponse best(expert, options);
    printBest(best.value(), secondsSince(start), out);
    printValue(best.value(), game->openValue(), out);
    return 0;
}

std::string setText(const solver::GameTables& tables, int set) {
    const std::string digits = diceDigits(solver::callDigits(tables.sets().counts(set)));
    return digits.empty() ? "-" : digits;
}

std::string callText(const solver::GameTables& tables, int call) {
    return setText(tables, tables.callSet(call));
}

std::string choiceText(const solver::GameTables& tables, std::uint16_t choice) {
    return (choice & solver::SolvedGame::kKeepFlag) != 0
               ? "keep " + setText(tables, choice & ~solver::SolvedGame::kKeepFlag)
               : "call " + callText(tables, choice);
}

void printLeak(const solver::GameTables& tables, const solver::Leak& leak, std::ostream& out) {
    out << "leak ";
    switch (leak.kind) {
    case solver::Leak::Kind::Trust:
        out << "trust " << callText(tables, leak.call) << " after-kept "
            << setText(tables, leak.kept);
        break;
    case solver::Leak::Kind::Call:
        out << "bluff " << callText(tables, leak.call) << " after-keeping "
            << setText(tables, leak.kept);
        break;
    case solver::Leak::Kind::Keep:
        out << "choice " << choiceText(tables, leak.choice) << " of " << setText(tables, leak.hand)
            << " after " << callText(tables, leak.call) << " locked "
            << setText(tables, leak.locked) << " best " << choiceText(tables, leak.bestChoice);
        break;
    }
    out << std::setprecision(3) << " player " << leak.playerRate << " best " << leak.bestRate
        << " given-away " << leak.loss << " seen " << leak.seen << "\n";
}

} // namespace

int runLeaks(RuleOptions options, const std::filesystem::path& solvedFile,
             const std::filesystem::path& modelFile, std::ostream& out) {
    const auto game = solvedGame("expert", options, solvedFile, out);
    auto model = game ? playerModel(game, modelFile, out) : std::nullopt;
    if (!model) {
        return 2;
    }
    printLeaks(*model, out);
    return 0;
}

void printLeaks(const solver::PlayerModel& model, std::ostream& out) {
    const solver::Exploitability found = solver::exploitability(model);
    out << std::setprecision(17) << "perfect-opponent " << found.perfectOpponent << "\n"
        << "equilibrium " << found.equilibrium << "\n"
        << "given-away " << found.givenAway() << "\n";
    for (const solver::Leak& leak : solver::worstLeaks(model)) {
        printLeak(model.tables(), leak, out);
    }
}

int runAgainst(std::string_view computer, RuleOptions options,
               const std::filesystem::path& solvedFile, std::ostream& out,
               const MasterArguments& master) {
    if (computer == "expert") {
        return againstExpert(options, solvedFile, out);
    }
    if (computer == "master") {
        return againstMaster(options, solvedFile, master, out);
    }
    if (computer != "classic") {
        out << "error: unknown computer '" << computer
            << "'; --against classic, expert or master\n";
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const ClassicOpponent classic(options);
    const solver::BestResponse best(classic, options);
    printBest(best.value(), secondsSince(start), out);
    return 0;
}

} // namespace quintel::solve
