#include "opponent/expert_model.h"
#include "solver/master_model.h"
#include "testing/solved_data.h"

#include <gtest/gtest.h>

namespace quintel::solver {
namespace {

// A Master that has seen nothing answers as the Expert does, whichever way the best response asks.
TEST(MasterModel, ThatSawNothingAnswersAsTheExpert) {
    const auto solved = testing::storedSolve({});
    if (!solved) {
        GTEST_SKIP() << "no stored solve of the options none in " QUINTEL_SOLVED_DATA;
    }
    const MasterPolicy master(solved, std::make_shared<const PlayerModel>(solved), {});
    const MasterModel asMaster(master);
    const ExpertPolicy policy(solved);
    const ExpertModel asExpert(policy);
    const FaceCounts none{};
    for (const char* keptDigits : {"", "6", "665", "11111"}) {
        const FaceCounts kept = countFaceDigits(keptDigits);
        for (const CallIndex last : {-1, 40, 200}) {
            EXPECT_EQ(asMaster.stageTrust(last, kept), asExpert.stageTrust(last, kept))
                << keptDigits << " after " << last;
        }
    }
    for (const char* handDigits : {"66543", "11122", "65432"}) {
        const FaceCounts dice = countFaceDigits(handDigits);
        for (const CallIndex call : {0, 25, 120, 300}) {
            EXPECT_EQ(asMaster.trustAtOnce(call, dice), asExpert.trustAtOnce(call, dice));
            const auto keep = asMaster.keepsFrom(call, dice, none);
            ASSERT_EQ(keep, asExpert.keepsFrom(call, dice, none)) << handDigits << " " << call;
            if (!keep) {
                EXPECT_EQ(asMaster.callAtOnce(call, dice, none),
                          asExpert.callAtOnce(call, dice, none));
                continue;
            }
            const auto mine = asMaster.calls(call, *keep, dice);
            const auto theirs = asExpert.calls(call, *keep, dice);
            ASSERT_EQ(mine.size(), theirs.size());
            for (std::size_t i = 0; i < mine.size(); ++i) {
                EXPECT_EQ(mine[i].call, theirs[i].call);
                EXPECT_EQ(mine[i].chance, theirs[i].chance);
            }
        }
    }
    EXPECT_EQ(master.stagesAnswered(), 0U);
}

} // namespace
} // namespace quintel::solver
