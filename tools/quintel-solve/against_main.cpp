// For now: quintel-solve-against --against classic --options none|any|perm|both
#include "against.h"

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    std::string_view computer = "classic";
    std::string_view options = "none";
    for (std::size_t i = 0; i + 1 < arguments.size(); i += 2) {
        if (arguments[i] == "--against") {
            computer = arguments[i + 1];
        } else if (arguments[i] == "--options") {
            options = arguments[i + 1];
        } else {
            std::cerr << "usage: quintel-solve-against [--against classic] [--options "
                      << quintel::kOptionWordChoices << "]\n";
            return 2;
        }
    }
    const auto rules = quintel::parseOptionWords(options);
    if (!rules || arguments.size() % 2 != 0) {
        std::cerr << "quintel-solve-against: bad --options '" << options
                  << "': " << quintel::kOptionWordChoices << "\n";
        return 2;
    }
    return quintel::solve::runAgainst(computer, *rules, std::cout);
}
