#pragma once

#include "match/dice.h"

#include <array>
#include <optional>
#include <string>

namespace quintel::match {

enum class ActionKind {
    Call,  // announce a call that may follow the last one
    Trust, // take over the dice of the call to answer
    Doubt, // do not trust it: the dice are shown and the game is decided
    Keep,  // after trusting: keep some dice and throw the others
    // Give the game up: what a player does whose answer could not be taken (an outside engine's
    // malformed, illegal or late answer). The other seat wins.
    Resign,
};

// Which dice a keep keeps. Either places (the dice stay where they lie and the others are thrown
// in their places, as on the table) or dice in the order the seat lays them down first, the
// others thrown after them. Keeping all five throws nothing and leaves the dice where they lie.
struct Keep {
    std::optional<std::array<bool, kDiceCount>> places;
    Kept dice;
    bool operator==(const Keep&) const = default;
};

struct Action {
    ActionKind kind = ActionKind::Doubt;
    std::optional<Call> call; // for a call
    Keep keep;                // for a keep

    static Action calling(const Call& call) { return {ActionKind::Call, call, {}}; }
    static Action trusting() { return {ActionKind::Trust, std::nullopt, {}}; }
    static Action doubting() { return {ActionKind::Doubt, std::nullopt, {}}; }
    static Action keepingPlaces(const std::array<bool, kDiceCount>& kept) {
        return {ActionKind::Keep, std::nullopt, {kept, {}}};
    }
    static Action keeping(const Kept& kept) {
        return {ActionKind::Keep, std::nullopt, {std::nullopt, kept}};
    }
    static Action resigning() { return {ActionKind::Resign, std::nullopt, {}}; }

    bool operator==(const Action&) const = default;
};

// The action in a few words, as messages name it: "call 665", "trust", "not trust", "keep 66".
std::string describe(const Action& action);

} // namespace quintel::match
