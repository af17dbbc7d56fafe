#include "app/program_arguments.h"

namespace quintel {

std::variant<ProgramArguments, std::string>
readProgramArguments(const std::vector<std::string_view>& arguments) {
    ProgramArguments read;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help") {
            read.help = true;
        } else if (argument != "--engine") {
            return "unknown argument '" + std::string(argument) + "'";
        } else if (read.engine) {
            return std::string("--engine given twice");
        } else if (i + 1 == arguments.size() || arguments[i + 1].empty()) {
            return std::string("--engine needs a command");
        } else {
            read.engine = arguments[++i];
        }
    }
    return read;
}

std::string_view programUsage() {
    return "usage: quintel [--engine COMMAND]\n"
           "       quintel --help\n"
           "Starts the game. With --engine, the welcome screen also offers COMMAND, an outside\n"
           "engine run by the shell that speaks the Quintel engine protocol, as the opponent; it\n"
           "has 5000 ms for each answer.\n";
}

} // namespace quintel
