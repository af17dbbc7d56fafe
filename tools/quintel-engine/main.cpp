// The engine console: answers questions to the probability engine, one line each, from standard
// input or, for a single question, from the command line.
#include "engine_console.h"
#include "opponent/engine/engine.h"

#include <iostream>
#include <sstream>
#include <string>

#include <unistd.h>

int main(int argc, char** argv) {
    const quintel::Form1 engine;
    if (argc > 1) {
        std::string line;
        for (int i = 1; i < argc; ++i) {
            line += std::string(i > 1 ? " " : "") + argv[i];
        }
        std::istringstream in(line);
        return quintel::runConsole(engine, in, std::cout, false);
    }
    std::ios::sync_with_stdio(false);
    const bool interactive = isatty(STDIN_FILENO) != 0;
    return quintel::runConsole(engine, std::cin, std::cout, interactive);
}
