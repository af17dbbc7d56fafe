#include "game_line.h"

#include "model/rule_options.h"

namespace quintel::arena {

namespace {

std::string letter(Seat seat) {
    return seat == Seat::Human ? "H" : "C";
}

} // namespace

void GameLines::add(Seat seat, const std::string& what) {
    line_ += (line_.empty() ? "" : ", ") + letter(seat) + " " + what;
}

void GameLines::gameStarted(const match::Match& /*match*/) {
    line_.clear();
}

void GameLines::diceThrown(const match::Match& match, Seat seat, std::string_view /*thrown*/) {
    if (match.phase() != match::Phase::Opening) {
        add(seat, "keep " + (match.fixed().empty() ? std::string("-") : match.fixed().digits()));
    }
    add(seat, "dice " + match.dice().digits());
}

void GameLines::trusted(const match::Match& /*match*/, Seat seat) {
    add(seat, "trust");
}

void GameLines::callMade(const match::Match& /*match*/, const match::CallRecord& made) {
    add(made.caller, "call " + made.call.digits() +
                         (made.fixed.empty() ? std::string() : " fix " + made.fixed.digits()));
}

void GameLines::gameDecided(const match::Match& match, const GameOutcome& outcome) {
    add(outcome.challenger, "doubt");
    line_ += ", shown " + outcome.dice + ", " + letter(outcome.winner) + " wins";
    out_("game " + std::to_string(++games_) + ", options " +
         std::string(optionWords(match.options())) + ": " + line_);
}

} // namespace quintel::arena
