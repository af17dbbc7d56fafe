#include "model/rule_options.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quintel {
namespace {

TEST(OptionWords, NameEachOfTheFourOptionSetsAndReadBack) {
    std::set<std::string> words;
    for (const bool fixAny : {false, true}) {
        for (const bool fixPermanent : {false, true}) {
            const RuleOptions options{.fixAny = fixAny, .fixPermanent = fixPermanent};
            const std::string_view word = optionWords(options);
            words.emplace(word);
            EXPECT_EQ(parseOptionWords(word), options) << word;
        }
    }
    EXPECT_EQ(words, (std::set<std::string>{"none", "any", "perm", "both"}));
    EXPECT_EQ(parseOptionWords("perm"), (RuleOptions{.fixAny = false, .fixPermanent = true}));
}

TEST(OptionWords, RefuseEveryOtherWord) {
    for (const char* word : {"", "None", "ANY", "perm ", " both", "fix", "anyperm", "-"}) {
        EXPECT_FALSE(parseOptionWords(word)) << "'" << word << "'";
    }
}

} // namespace
} // namespace quintel
