#pragma once

#include "model/call_list.h"
#include "model/dice.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quintel::match {

// The five dice on the table in their places: the order the table shows them in and a throw
// lays them down in. Before the first throw of a game every place is empty (0).
class Dice {
public:
    Dice() = default;
    explicit Dice(const std::array<int, kDiceCount>& faces) : faces_(faces) {}
    // Exactly five digits 1..6, in place order.
    static std::optional<Dice> fromDigits(std::string_view digits);

    int operator[](std::size_t place) const { return faces_[place]; }
    const std::array<int, kDiceCount>& faces() const { return faces_; }
    FaceCounts counts() const { return countFaces(faces_); }
    // The dice in place order, one digit each.
    std::string digits() const { return diceDigits(faces_); }
    // The dice in canonical order, as a hand is written.
    std::string handDigits() const;

    bool operator==(const Dice&) const = default;

private:
    std::array<int, kDiceCount> faces_{};
};

// A call: one to five dice claimed, in canonical order with empty places last. Its shape score
// and class follow from the dice.
class Call {
public:
    // One to five dice; nothing for none or more than five.
    static std::optional<Call> fromCounts(const FaceCounts& counts);
    // One to five digits 1..6 in any order (a '0' stands for an empty place and is skipped).
    static std::optional<Call> fromDigits(std::string_view digits);
    // Dice in any order, 0 for an empty place.
    static std::optional<Call> fromPlaces(std::span<const int> places);

    // The dice in canonical order, 0 for an empty place.
    const CallDigits& places() const { return places_; }
    FaceCounts counts() const { return countFaces(places_); }
    int level() const { return shapeScore(counts()); }
    int diceCount() const;
    // One digit per called die, in canonical order.
    std::string digits() const { return diceDigits(places_); }

    bool beats(const Call& other) const;
    // Every called die is among `dice`: the call holds.
    bool heldBy(const FaceCounts& dice) const { return covers(dice, counts()); }

    bool operator==(const Call&) const = default;

private:
    explicit Call(const CallDigits& places) : places_(places) {}
    CallDigits places_{};
};

// Whether `call` may follow `last`: anything may open a game, every later call must beat the last.
bool mayFollow(const Call& call, const std::optional<Call>& last);
// Whether some call beats `last` (only five aces cannot be beaten).
bool beatable(const Call& last);
// The weakest call that may follow `last`; nothing after five aces.
std::optional<Call> weakestAfter(const std::optional<Call>& last);

// The dice a seat kept at its throw, in the order it laid them down: none to five.
class Kept {
public:
    Kept() = default;
    // Up to five digits 1..6 in the order given.
    static std::optional<Kept> fromDigits(std::string_view digits);
    // The faces of places, 0 for a place not kept, skipped.
    static Kept fromPlaces(std::span<const int> places);

    std::span<const int> faces() const { return std::span(faces_).first(size_); }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    FaceCounts counts() const { return countFaces(faces()); }
    std::string digits() const { return diceDigits(faces()); }
    // In five places from the first, 0 for the places after the last kept die.
    const std::array<int, kDiceCount>& places() const { return faces_; }

    bool operator==(const Kept&) const = default;

private:
    std::array<int, kDiceCount> faces_{};
    std::size_t size_ = 0;
};

} // namespace quintel::match
