#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quintel {

// What the computer weighed when it answered a call of the player's, in one plain sentence read
// from the history lines it wrote then (`lines`, as a review step holds them): the chance it gave
// the call and what it decided. Empty when the lines say neither, as in a record kept without
// them. `call` is the player's call, as digits.
std::string weighingInWords(const std::vector<std::string>& lines, std::string_view call);

} // namespace quintel
