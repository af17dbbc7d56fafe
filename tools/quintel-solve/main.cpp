// quintel-solve: solves the game for both seats under one option set and writes its data file,
// or answers questions about a solved game, one line each (--query).
//
//   quintel-solve --options none|any|perm|both [--out FILE] [--tolerance T]
//   quintel-solve --options WORD --query [--out FILE | --solve]   questions on standard input
//
//   quintel-solve --options WORD --against classic|expert [--out FILE]   the best player's chance
//                                             against that computer (the Expert plays FILE)
//   quintel-solve --options WORD --against master --model MODEL [--master-risk R] [--out FILE]
//                                             the same against the Master with a frozen model
//   quintel-solve --options WORD --model-from DIR [--player NAME] --write-model MODEL
//                                             a player model from the record of games in DIR
//   quintel-solve --options WORD --leaks --model MODEL   what the player's habits give away
//
// --faces F and --dice N solve a reduced variant of the game, into the file --out names.
#include "against.h"
#include "model/number_text.h"
#include "model/rule_options.h"
#include "records/model_from_record.h"
#include "solve_console.h"
#include "solver/data_file.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <exception>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace quintel;
using namespace quintel::solver;

struct Arguments {
    RuleOptions options;
    bool optionsGiven = false;
    std::string out;
    bool query = false;
    bool solve = false;
    bool leaks = false;
    SolverSettings settings;
    Variant variant = kRealGame;
    std::string against;
    solve::MasterArguments master;
    std::string modelFrom;
    std::string player;
    std::string writeModel;
    std::string command;
};

const char* const kUsage =
    "usage: quintel-solve --options none|any|perm|both [--out FILE] [--tolerance T]\n"
    "                     [--query [--solve]] [--faces F --dice N]\n"
    "                     [--against classic|expert|master [--model MODEL] [--master-risk R]]\n"
    "                     [--model-from DIR [--player NAME] --write-model MODEL]\n"
    "                     [--leaks --model MODEL]\n";

template <class Number> std::optional<Number> numberWord(std::string_view word) {
    Number value{};
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc{} || end != word.data() + word.size()) {
        return std::nullopt;
    }
    return value;
}

// The default files are the real game's, which the Expert plays and the program installs: a
// reduced variant never takes their place, and the computers are only measured in the real game.
std::optional<std::string> variantProblem(const Arguments& arguments) {
    if (arguments.variant == kRealGame) {
        return std::nullopt;
    }
    if (!arguments.against.empty()) {
        return "--against measures the computers in the whole game: no --faces or --dice with it";
    }
    if (arguments.out.empty() && !(arguments.query && arguments.solve)) {
        return "a reduced variant (--faces, --dice) has a file of its own: name it with --out FILE";
    }
    return std::nullopt;
}

std::optional<Arguments> parseArguments(int argc, char** argv) {
    Arguments arguments;
    arguments.command = "quintel-solve";
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        arguments.command += " " + std::string(word);
        const bool hasValue = i + 1 < argc;
        std::string_view value = hasValue ? argv[i + 1] : "";
        auto take = [&] {
            arguments.command += " " + std::string(value);
            ++i;
        };
        if (word == "--query") {
            arguments.query = true;
        } else if (word == "--solve") {
            arguments.solve = true;
        } else if (word == "--leaks") {
            arguments.leaks = true;
        } else if (!hasValue) {
            std::cerr << "quintel-solve: " << word << " needs a value or is unknown\n" << kUsage;
            return std::nullopt;
        } else if (word == "--options") {
            const auto options = parseOptionWords(value);
            if (!options) {
                std::cerr << "quintel-solve: OPTS must be " << kOptionWordChoices << ", not '"
                          << value << "'\n";
                return std::nullopt;
            }
            arguments.options = *options;
            arguments.optionsGiven = true;
            take();
        } else if (word == "--out") {
            arguments.out = value;
            take();
        } else if (word == "--tolerance") {
            const auto tolerance = numberWord<double>(value);
            if (!tolerance || !std::isfinite(*tolerance) || *tolerance <= 0) {
                std::cerr << "quintel-solve: --tolerance must be a positive number, not '" << value
                          << "'\n";
                return std::nullopt;
            }
            arguments.settings.tolerance = *tolerance;
            take();
        } else if (word == "--faces" || word == "--dice") {
            const auto number = numberWord<int>(value);
            (word == "--faces" ? arguments.variant.faces : arguments.variant.dice) =
                number.value_or(0);
            take();
        } else if (word == "--against") {
            arguments.against = value;
            take();
        } else if (word == "--model") {
            arguments.master.model = value;
            take();
        } else if (word == "--model-from" || word == "--player" || word == "--write-model") {
            (word == "--model-from" ? arguments.modelFrom
             : word == "--player"   ? arguments.player
                                    : arguments.writeModel) = std::string(value);
            take();
        } else if (word == "--master-risk") {
            const auto risk = numberWord<double>(value);
            if (!risk || *risk < 0 || *risk > 1) {
                std::cerr << "quintel-solve: --master-risk must be a number from 0 to 1\n";
                return std::nullopt;
            }
            arguments.master.risk = *risk;
            take();
        } else {
            std::cerr << "quintel-solve: unknown argument " << word << "\n" << kUsage;
            return std::nullopt;
        }
    }
    if (!arguments.optionsGiven || !isSupported(arguments.variant)) {
        std::cerr << kUsage;
        return std::nullopt;
    }
    if (const auto problem = variantProblem(arguments)) {
        std::cerr << "quintel-solve: " << *problem << "\n";
        return std::nullopt;
    }
    if (arguments.out.empty()) {
        arguments.out =
            (std::filesystem::path(QUINTEL_SOLVED_DATA) / dataFileName(arguments.options)).string();
    }
    return arguments;
}

int solveAndWrite(const Arguments& arguments) {
    const auto start = std::chrono::steady_clock::now();
    const auto seconds = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    const SolvedGame game = SolvedGame::solve(
        arguments.variant, arguments.options, arguments.settings, [&](int lastCall) {
            if (lastCall % 10 == 0) {
                std::cerr << "last call " << lastCall << ", " << static_cast<int>(seconds())
                          << " s\n";
            }
        });
    if (const auto error =
            writeDataFile(arguments.out, game, arguments.settings.tolerance, arguments.command)) {
        std::cerr << "quintel-solve: " << *error << "\n";
        return 1;
    }
    std::cout << "value " << exactNumberText(game.openValue()) << "\n";
    std::cout << "seconds " << numberText(seconds()) << "\n";
    // A stage that ran out of iterations keeps its last strategy; its value is then only as good
    // as its gap, and a figure from such a solve must not pass for one within the tolerance.
    if (game.largestGap() > arguments.settings.tolerance) {
        std::cerr << "quintel-solve: a stage stopped at a gap of "
                  << exactNumberText(game.largestGap()) << ", above the tolerance "
                  << exactNumberText(arguments.settings.tolerance)
                  << "; its figures are not within the tolerance\n";
        return 1;
    }
    return 0;
}

// A player model from the games of a record, written where --write-model says.
int writeModel(const Arguments& arguments) {
    LoadedGame loaded = readDataFile(arguments.out);
    if (!loaded.game || loaded.game->options() != arguments.options) {
        std::cerr << "quintel-solve: "
                  << (loaded.game ? arguments.out + " holds another option set" : loaded.error)
                  << "\n";
        return 2;
    }
    PlayerModel model(std::make_shared<const SolvedGame>(std::move(*loaded.game)));
    const RecordCount counted = countRecord(arguments.modelFrom, arguments.player, model);
    if (!counted.error.empty()) {
        std::cerr << "quintel-solve: " << counted.error << "\n";
        return 2;
    }
    std::ofstream out(arguments.writeModel, std::ios::binary);
    out << model.serialise();
    if (!out.flush()) {
        std::cerr << "quintel-solve: " << arguments.writeModel << " cannot be written\n";
        return 1;
    }
    std::cout << "games " << counted.games << "\nskipped " << counted.skipped << "\nvisits "
              << model.visits() << "\n";
    return 0;
}

int query(const Arguments& arguments) {
    if (arguments.solve) {
        const SolvedGame game =
            SolvedGame::solve(arguments.variant, arguments.options, arguments.settings);
        return runSolveConsole(game, std::cin, std::cout);
    }
    const LoadedGame loaded = readDataFile(arguments.out);
    if (!loaded.game) {
        std::cerr << "quintel-solve: " << loaded.error << "\n";
        return 2;
    }
    if (loaded.game->options() != arguments.options) {
        std::cerr << "quintel-solve: " << arguments.out << " holds the options "
                  << optionWords(loaded.game->options()) << "\n";
        return 2;
    }
    if (const Variant held = loaded.game->variant(); held != arguments.variant) {
        std::cerr << "quintel-solve: " << arguments.out << " holds the variant of " << held.faces
                  << " faces and " << held.dice << " dice; ask with --faces " << held.faces
                  << " --dice " << held.dice << "\n";
        return 2;
    }
    return runSolveConsole(*loaded.game, std::cin, std::cout);
}

} // namespace

int main(int argc, char** argv) {
    const auto arguments = parseArguments(argc, argv);
    if (!arguments) {
        return 2;
    }
    try {
        if (arguments->leaks) {
            return solve::runLeaks(arguments->options, arguments->out, arguments->master.model,
                                   std::cout);
        }
        if (!arguments->against.empty()) {
            return solve::runAgainst(arguments->against, arguments->options, arguments->out,
                                     std::cout, arguments->master);
        }
        if (!arguments->modelFrom.empty() || !arguments->writeModel.empty()) {
            if (arguments->modelFrom.empty() || arguments->writeModel.empty()) {
                std::cerr << "quintel-solve: --model-from and --write-model go together\n"
                          << kUsage;
                return 2;
            }
            return writeModel(*arguments);
        }
        return arguments->query ? query(*arguments) : solveAndWrite(*arguments);
    } catch (const std::exception& error) {
        std::cerr << "quintel-solve: " << error.what() << "\n";
        return 1;
    }
}
