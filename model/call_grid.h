#pragma once

#include "model/dice.h"

#include <cstddef>

namespace quintel {

// A call is composed on a grid with one row per face 1..6 and one column per number of dice of
// that face, 0..5; its cells are numbered row by row.
inline constexpr int kGridColumns = kDiceCount + 1;
inline constexpr int kGridCells = kFaces * kGridColumns;

constexpr std::size_t callGridIndex(int face, int count) {
    return static_cast<std::size_t>(kGridColumns * (face - 1) + count);
}

} // namespace quintel
