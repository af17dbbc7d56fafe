#pragma once

#include "app/game.h"
#include "match/player.h"
#include "model/message_boxes.h"

#include <optional>
#include <string>
#include <string_view>

namespace quintel::arena {

// Plays the player's seat through the real screens, as a person would: it asks the player what
// to do, then clicks the controls that do it and checks that the table did what was meant.
class ScreenPlayer {
public:
    explicit ScreenPlayer(Game& game) : game_(game) {}

    // Signs in through the welcome screen.
    void signIn(const WelcomeChoice& choice);
    // One action of `player` at the table; what went wrong, if anything.
    std::optional<std::string> act(match::Player& player);
    // The dice buttons all show a face; what went wrong, if not.
    std::optional<std::string> checkDice(std::string_view where) const;

    // The messages with which the screens end a game.
    static bool expects(std::string_view text, MessageButtons buttons);
    // A message that tells the player a rule was broken.
    static bool meansABrokenRule(std::string_view text);

private:
    std::optional<std::string> call(const match::Call& call);
    std::optional<std::string> keep(const std::array<bool, kDiceCount>& kept);
    std::optional<std::array<bool, kDiceCount>> placesKeeping(const match::Kept& kept) const;

    Game& game_;
};

} // namespace quintel::arena
