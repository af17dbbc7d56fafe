#include "model/translation.h"

#include <gtest/gtest.h>

namespace quintel {
namespace {

TEST(Translation, GoesThroughTheInstalledTranslatorAndIsEnglishWithoutOne) {
    EXPECT_EQ(translated("Help", "Keyboard"), "Keyboard");
    setTranslator([](std::string_view context, std::string_view english) {
        return std::string(context) + ":" + std::string(english);
    });
    EXPECT_EQ(translated("Help", "Keyboard"), "Help:Keyboard");
    setTranslator({});
    EXPECT_EQ(translated("Help", "Keyboard"), "Keyboard");
    static_assert(marked("Help", "Keyboard") == "Keyboard");
}

TEST(Translation, PutsTheArgumentsWhereTheTextNumbersThem) {
    EXPECT_EQ(withArguments("%2 before %1", {"one", "two"}), "two before one");
    EXPECT_EQ(withArguments("100 % of %1, %3", {"it"}), "100 % of it, %3") << "no third argument";
    EXPECT_EQ(withArguments("%1%", {"5"}), "5%");
}

} // namespace
} // namespace quintel
