#pragma once

#include "match/match.h"

#include <array>
#include <string>

namespace quintel {

// The call log and the fix log of the game in play: for each call a line "<name> Call: <digits>"
// and a line "<name> Fix: <fixed dice>", each ending in CR LF. The table shows them and the
// player may type into them; what they hold when a game is decided goes to the history file.
class GameLogs : public match::MatchListener {
public:
    // The names the seats are logged under.
    std::array<std::string, 2> names;

    std::string callLog;
    std::string fixLog;

    void gameStarted(const match::Match& match) override;
    void callMade(const match::Match& match, const match::CallRecord& made) override;
};

} // namespace quintel
