#include "model/number_text.h"

#include <array>
#include <cstdio>
#include <string>

namespace quintel {

namespace {

std::string printed(const char* format, int digits, double value) {
    std::array<char, 64> buffer{};
    std::snprintf(buffer.data(), buffer.size(), format, digits, value);
    return buffer.data();
}

} // namespace

std::string numberText(double value) {
    if (value == 0.0) {
        return "0";
    }
    // An exponent is written in capitals, as the game's number texts have it: 1.5E-05.
    return printed("%.*G", 15, value);
}

std::string numberText(int value) {
    return std::to_string(value);
}

std::string exactNumberText(double value) {
    return printed("%.*g", 17, value);
}

} // namespace quintel
