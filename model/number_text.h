#pragma once

#include <string>

namespace quintel {

// A number as the game writes it in its messages and files: whole numbers without a leading blank,
// fractions in the shortest form of up to 15 significant digits with a leading zero (0.25).
std::string numberText(double value);
std::string numberText(int value);

// Up to 17 significant digits: enough to read the same double back.
std::string exactNumberText(double value);

} // namespace quintel
