#pragma once

#include <span>
#include <string>
#include <string_view>

namespace quintel {

// A face in words: "ace" for 1, then "two" .. "six"; the plural adds "s", "sixes" for 6.
std::string_view faceWord(int face);
std::string_view facesWord(int face);

// A hand or a call of one to five dice in plain English, by its shape. Only the groups that make
// the shape are named, the highest first; single dice beside a group are not:
//   five dice   "no two alike", "a pair of sixes", "two pairs, fives and fours", "three aces",
//               "full house, threes over twos", "four sixes", "five of a kind, fives"
//   fewer dice  "a single six", "two different dice", "three different dice",
//               "four different dice", and the group shapes as above
// Empty positions (0) and other values are left out; no dice at all give "no dice".
std::string handInWords(std::span<const int> dice);
// The same for a text of digits ('0' and other characters are left out).
std::string handInWords(std::string_view digits);

} // namespace quintel
