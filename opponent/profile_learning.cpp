#include "opponent/profile_learning.h"

#include "model/call_rules.h"
#include "model/counters.h"
#include "opponent/computer_judgement.h"

namespace quintel {

void ProfileLearning::callMade(const match::Match& /*match*/, const match::CallRecord& made) {
    if (made.caller != Seat::Human) {
        return;
    }
    const std::string fix = made.threw ? made.fixed.digits() : std::string();
    const std::string call = made.call.digits();
    const double win = engine_.Prob2(fix, call).value();
    const bool understated = textBeats(made.dice.handDigits(), call);
    const auto bucket = static_cast<std::size_t>(profileBucket(win));
    countUp(profile_.counts[bucket]);
    if (understated) {
        countUp(profile_.scores[bucket]);
    }
}

} // namespace quintel
