#pragma once

#include "model/rule_options.h"

#include <gtest/gtest.h>

#include <string>

namespace quintel::testing {

// Names a test of every option set by the set's word ("none", "any", "perm", "both").
inline std::string optionSetName(const ::testing::TestParamInfo<RuleOptions>& options) {
    return std::string(optionWords(options.param));
}

} // namespace quintel::testing
