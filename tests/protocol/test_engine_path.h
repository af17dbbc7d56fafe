#pragma once

#include <string>

namespace quintel {

// The tests' own engine of the protocol, built beside them.
inline const std::string kEngine = QUINTEL_TEST_ENGINE;

} // namespace quintel
