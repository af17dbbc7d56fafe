#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quintel {

// The two rule options ticked at sign-in; they decide which dice a seat that trusts may keep.
struct RuleOptions {
    bool fixAny = false;       // any dice may be kept, not only dice of the call
    bool fixPermanent = false; // dice fixed earlier must stay kept
    bool operator==(const RuleOptions&) const = default;
};

// The four option sets, in the order the program tells them: none, Fix Any, Fix Permanent, both.
inline constexpr std::array<RuleOptions, 4> kOptionSets{
    RuleOptions{false, false}, RuleOptions{true, false}, RuleOptions{false, true},
    RuleOptions{true, true}};

// The tools name the four option sets by one word each.
inline constexpr std::string_view kOptionWordChoices = "none, any, perm or both";

// "none", "any", "perm" or "both"; nothing for any other word.
std::optional<RuleOptions> parseOptionWords(std::string_view word);
std::string_view optionWords(RuleOptions options);

} // namespace quintel
