#pragma once

#include "model/rule_options.h"

namespace quintel {

// The search reads the rule options to know which holds it may choose.
using EngineOptions = RuleOptions;

} // namespace quintel
