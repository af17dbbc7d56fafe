#include "model/rule_options.h"

#include <algorithm>
#include <array>

namespace quintel {

namespace {

struct OptionWord {
    std::string_view word;
    RuleOptions options;
};

constexpr std::array<OptionWord, 4> kOptionWords{{
    {"none", {.fixAny = false, .fixPermanent = false}},
    {"any", {.fixAny = true, .fixPermanent = false}},
    {"perm", {.fixAny = false, .fixPermanent = true}},
    {"both", {.fixAny = true, .fixPermanent = true}},
}};

} // namespace

std::optional<RuleOptions> parseOptionWords(std::string_view word) {
    const auto named = std::ranges::find(kOptionWords, word, &OptionWord::word);
    if (named == kOptionWords.end()) {
        return std::nullopt;
    }
    return named->options;
}

std::string_view optionWords(RuleOptions options) {
    // The four entries hold every pair of flags.
    return std::ranges::find(kOptionWords, options, &OptionWord::options)->word;
}

} // namespace quintel
