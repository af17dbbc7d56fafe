#include "match/dice.h"

#include "model/call_rules.h"

#include <algorithm>

namespace quintel::match {

std::optional<Dice> Dice::fromDigits(std::string_view digits) {
    if (digits.size() != kDiceCount || !std::ranges::all_of(digits, isFaceDigit)) {
        return std::nullopt;
    }
    std::array<int, kDiceCount> faces{};
    for (std::size_t i = 0; i < faces.size(); ++i) {
        faces[i] = digits[i] - '0';
    }
    return Dice(faces);
}

std::string Dice::handDigits() const {
    std::array<int, kDiceCount> arranged = faces_;
    arrangeDice(arranged);
    return diceDigits(arranged);
}

std::optional<Call> Call::fromPlaces(std::span<const int> places) {
    CallDigits dice{};
    std::size_t next = 0;
    for (int face : places) {
        if (face == 0) {
            continue;
        }
        if (!isFace(face) || next == dice.size()) {
            return std::nullopt;
        }
        dice[next++] = face;
    }
    if (next == 0) {
        return std::nullopt;
    }
    arrangeDice(dice);
    return Call(dice);
}

std::optional<Call> Call::fromDigits(std::string_view digits) {
    std::array<int, kDiceCount + 1> places{};
    std::size_t next = 0;
    for (char c : digits) {
        if (c == '0') {
            continue;
        }
        if (!isFaceDigit(c) || next == places.size()) {
            return std::nullopt;
        }
        places[next++] = c - '0';
    }
    return fromPlaces(std::span(places).first(next));
}

std::optional<Call> Call::fromCounts(const FaceCounts& counts) {
    std::array<int, kDiceCount + 1> places{};
    std::size_t next = 0;
    for (int face = 1; face <= kFaces; ++face) {
        for (int n = counts[static_cast<std::size_t>(face)]; n > 0; --n) {
            if (next == places.size()) {
                return std::nullopt;
            }
            places[next++] = face;
        }
    }
    return fromPlaces(std::span(places).first(next));
}

int Call::diceCount() const {
    return static_cast<int>(std::ranges::count_if(places_, isFace));
}

bool Call::beats(const Call& other) const {
    return callBeats(places_, level(), other.places_, other.level());
}

bool mayFollow(const Call& call, const std::optional<Call>& last) {
    return !last || call.beats(*last);
}

bool beatable(const Call& last) {
    return last != *Call::fromDigits("11111");
}

std::optional<Call> weakestAfter(const std::optional<Call>& last) {
    const std::vector<RankedCall>& calls = everyCallWeakestFirst();
    if (!last) {
        return Call::fromPlaces(calls.front().dice);
    }
    // Once one call beats `last`, every stronger one does too.
    const auto first = std::ranges::partition_point(calls, [&](const RankedCall& ranked) {
        return !callBeats(ranked.dice, ranked.level, last->places(), last->level());
    });
    if (first == calls.end()) {
        return std::nullopt;
    }
    return Call::fromPlaces(first->dice);
}

std::optional<Kept> Kept::fromDigits(std::string_view digits) {
    if (digits.size() > kDiceCount || !std::ranges::all_of(digits, isFaceDigit)) {
        return std::nullopt;
    }
    Kept kept;
    for (char c : digits) {
        kept.faces_[kept.size_++] = c - '0';
    }
    return kept;
}

Kept Kept::fromPlaces(std::span<const int> places) {
    Kept kept;
    for (int face : places) {
        if (isFace(face) && kept.size_ < kept.faces_.size()) {
            kept.faces_[kept.size_++] = face;
        }
    }
    return kept;
}

} // namespace quintel::match
