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

// Writes an exponent the way the game's number texts do: 1.5E-05.
std::string withUpperExponent(std::string text) {
    for (char& c : text) {
        if (c == 'e') {
            c = 'E';
        }
    }
    return text;
}

} // namespace

std::string numberText(double value) {
    if (value == 0.0) {
        return "0";
    }
    return withUpperExponent(printed("%.*g", 15, value));
}

std::string numberText(int value) {
    return std::to_string(value);
}

std::string exactNumberText(double value) {
    return printed("%.*g", 17, value);
}

} // namespace quintel
