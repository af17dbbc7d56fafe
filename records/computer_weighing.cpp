#include "records/computer_weighing.h"

#include "model/translation.h"
#include "records/record_statistics.h"

#include <charconv>
#include <map>
#include <optional>

namespace quintel {

namespace {

// The "Key : value" pieces of the lines, a piece to a tab, under their keys; the first piece of a
// turn names the computer before its key ("COMPUTER AI : Callstring : 66").
std::map<std::string, std::string, std::less<>> notedValues(const std::vector<std::string>& lines) {
    constexpr std::string_view kSeparator = " : ";
    std::map<std::string, std::string, std::less<>> values;
    for (const std::string& line : lines) {
        std::string_view rest = line;
        while (!rest.empty()) {
            const std::size_t tab = rest.find('\t');
            std::string_view piece = rest.substr(0, tab);
            rest = tab == std::string_view::npos ? std::string_view{} : rest.substr(tab + 1);
            for (const std::string_view who : {"COMPUTER AI : ", "EXPERT AI : ", "MASTER AI : "}) {
                if (piece.starts_with(who)) {
                    piece.remove_prefix(who.size());
                }
            }
            const std::size_t separator = piece.find(kSeparator);
            if (separator != std::string_view::npos) {
                values.emplace(piece.substr(0, separator),
                               piece.substr(separator + kSeparator.size()));
            }
        }
    }
    return values;
}

std::optional<double> chanceOf(const std::map<std::string, std::string, std::less<>>& values,
                               std::string_view key) {
    const auto found = values.find(key);
    if (found == values.end()) {
        return std::nullopt;
    }
    double chance = 0.0;
    const std::string& text = found->second;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), chance);
    if (error != std::errc() || chance < 0.0 || chance > 1.0) {
        return std::nullopt;
    }
    return chance;
}

bool answered(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        if (line.starts_with("CALL STRING : ")) {
            return true;
        }
    }
    return false;
}

std::string expertWeighing(double trust, bool trusted, std::string_view call) {
    const std::string chance = percentText(trust);
    const std::string decision = trusted ? translated("GameReview", "This time it trusted it.")
                                         : translated("GameReview", "This time it did not.");
    return withArguments(translated("GameReview", "In the solved game the Expert trusts your call "
                                                  "%1 here with a chance of %2. %3"),
                         {call, chance, decision});
}

std::string classicWeighing(double win, std::optional<double> profiled, double beat, bool trusted,
                            std::string_view call) {
    std::string text = withArguments(translated("GameReview", "The computer gave your call %1 a "
                                                              "chance of %2 to be true, and itself "
                                                              "a chance of %3 to beat it."),
                                     {call, percentText(win), percentText(beat)});
    if (profiled) {
        text += " " + withArguments(
                          translated("GameReview", "After your profile it put the chance at %1."),
                          {percentText(*profiled)});
    }
    return text + " " +
           (trusted ? translated("GameReview", "It trusted your call.")
                    : translated("GameReview", "It did not trust your call."));
}

} // namespace

std::string weighingInWords(const std::vector<std::string>& lines, std::string_view call) {
    const auto values = notedValues(lines);
    if (const auto trust = chanceOf(values, "Trust Chance")) {
        const auto decision = values.find("Decision");
        if (decision == values.end()) {
            return {};
        }
        return expertWeighing(*trust, decision->second == "Trust", call);
    }
    const auto win = chanceOf(values, "Win Prob");
    const auto beat = chanceOf(values, "Call Up Prob");
    if (win && beat) {
        return classicWeighing(*win, chanceOf(values, "Win Prob After Profile"), *beat,
                               answered(lines), call);
    }
    return {};
}

} // namespace quintel
