#include "against.h"

#include "testing/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace quintel::solve {
namespace {

TEST(Against, AComputerThatIsNotThereAnswersWithAnErrorLine) {
    TempFolder folder;
    const std::filesystem::path missing = folder.path() / "none.qsolved";
    const std::filesystem::path damaged = folder.path() / "damaged.qsolved";
    std::ofstream(damaged) << "quintel-solved 1 but nothing else\n";
    for (const auto& [computer, solved] :
         {std::pair<std::string_view, std::filesystem::path>{"expert", missing},
          {"expert", damaged},
          {"expert", folder.path()},
          {"grand", missing}}) {
        std::ostringstream out;
        EXPECT_EQ(runAgainst(computer, {}, solved, out), 2);
        EXPECT_TRUE(out.str().starts_with("error: ")) << out.str();
        EXPECT_EQ(out.str().find("best-response"), std::string::npos);
    }
    // The Master needs its model, whole.
    const std::filesystem::path stored =
        std::filesystem::path(QUINTEL_SOLVED_DATA) / "none.qsolved";
    const std::filesystem::path model = folder.path() / "model.txt";
    std::ofstream(model) << "quintel-player-model 1 faces=6 dice=5 options=none games=0\n";
    for (const auto& file : {folder.path() / "missing.txt", model}) {
        std::ostringstream out;
        EXPECT_EQ(runAgainst("master", {}, stored, out, {file, 0.02}), 2);
        EXPECT_TRUE(out.str().starts_with("error: " + file.string())) << out.str();
        EXPECT_EQ(out.str().find("best-response"), std::string::npos);
    }
}

} // namespace
} // namespace quintel::solve
