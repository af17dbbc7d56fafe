#pragma once

#include <cstddef>

namespace quintel {

// An index the game's tables count in int, as a container's subscript: every caller has checked
// that it is not negative.
constexpr std::size_t at(int index) {
    return static_cast<std::size_t>(index);
}

} // namespace quintel
