// The player's record of a data folder: the summary of every game kept there.
#include "record_tool.h"

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    return quintel::record_tool::run(arguments, std::cout, std::cerr);
}
