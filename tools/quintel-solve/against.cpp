#include "against.h"

#include "opponent/classic_opponent.h"
#include "solver/best_response.h"

#include <chrono>
#include <iomanip>
#include <string>

namespace quintel::solve {

int runAgainst(std::string_view computer, RuleOptions options, std::ostream& out) {
    if (computer == "expert") {
        out << "error: the expert computer is not there yet; --against classic is\n";
        return 2;
    }
    if (computer != "classic") {
        out << "error: unknown computer '" << computer << "'; --against classic is\n";
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const ClassicOpponent classic(options);
    const solver::BestResponse best(classic, options);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    out << "best-response " << std::setprecision(17) << best.value() << "\n"
        << "seconds " << std::setprecision(3) << std::fixed << seconds << std::defaultfloat << "\n";
    return 0;
}

} // namespace quintel::solve
