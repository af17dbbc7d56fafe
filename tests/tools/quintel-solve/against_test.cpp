#include "against.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quintel::solve {
namespace {

TEST(Against, AComputerThatIsNotThereAnswersWithAnErrorLine) {
    for (const std::string_view computer : {"expert", "grand"}) {
        std::ostringstream out;
        EXPECT_EQ(runAgainst(computer, {}, out), 2);
        EXPECT_TRUE(out.str().starts_with("error: ")) << out.str();
        EXPECT_EQ(out.str().find("best-response"), std::string::npos);
    }
}

} // namespace
} // namespace quintel::solve
