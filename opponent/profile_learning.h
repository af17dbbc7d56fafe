#pragma once

#include "match/match.h"
#include "opponent/engine/engine.h"
#include "records/player_files.h"

namespace quintel {

// The computer's read of the player, learnt from each of the player's calls whichever computer
// plays: the call is counted in the bucket of its win probability (the chance that the player's
// dice hold it, given the dice the player kept at a throw), and as understated when the dice
// were a stronger hand than the call. It is counted as the call is made, before the computer
// answers it, so the computer's judgement of a call already reckons with it.
class ProfileLearning : public match::MatchListener {
public:
    explicit ProfileLearning(Profile& profile) : profile_(profile) {}

    void callMade(const match::Match& match, const match::CallRecord& made) override;

private:
    Profile& profile_;
    Form1 engine_;
};

} // namespace quintel
