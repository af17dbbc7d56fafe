#include "against.h"

#include "opponent/classic_opponent.h"
#include "opponent/expert_model.h"
#include "solver/best_response.h"
#include "solver/data_file.h"

#include <chrono>
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

int againstExpert(RuleOptions options, const std::filesystem::path& solvedFile, std::ostream& out) {
    solver::LoadedGame loaded = solver::readDataFile(solvedFile);
    if (!loaded.game) {
        out << "error: the expert computer cannot play: " << loaded.error << "\n";
        return 2;
    }
    if (loaded.game->options() != options || loaded.game->variant() != solver::kRealGame) {
        out << "error: " << solvedFile.string() << " holds another game than the "
            << optionWords(options) << " game of 5 dice of 6 faces\n";
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const ExpertPolicy policy(std::make_shared<const solver::SolvedGame>(std::move(*loaded.game)));
    const ExpertModel expert(policy);
    const solver::BestResponse best(expert, options);
    printBest(best.value(), secondsSince(start), out);
    const double value = policy.game().openValue();
    out << "value " << std::setprecision(17) << value << "\n"
        << "exploitability " << best.value() - value << "\n";
    return 0;
}

} // namespace

int runAgainst(std::string_view computer, RuleOptions options,
               const std::filesystem::path& solvedFile, std::ostream& out) {
    if (computer == "expert") {
        return againstExpert(options, solvedFile, out);
    }
    if (computer != "classic") {
        out << "error: unknown computer '" << computer << "'; --against classic or expert\n";
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const ClassicOpponent classic(options);
    const solver::BestResponse best(classic, options);
    printBest(best.value(), secondsSince(start), out);
    return 0;
}

} // namespace quintel::solve
