#include "records/game_logs.h"

namespace quintel {

void GameLogs::gameStarted(const match::Match& /*match*/) {
    callLog.clear();
    fixLog.clear();
}

void GameLogs::callMade(const match::Match& /*match*/, const match::CallRecord& made) {
    const std::string& caller = names[static_cast<std::size_t>(made.caller)];
    callLog += caller + " Call: " + made.call.digits() + "\r\n";
    fixLog += caller + " Fix: " + made.fixed.digits() + "\r\n";
}

} // namespace quintel
