#include "records/record_export.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <string_view>

namespace quintel {

namespace {

// The length of the valid UTF-8 sequence at the start of `text`, or 0 when its first byte starts
// none (a stray continuation byte, an overlong form, a surrogate, a code point past U+10FFFF, a
// sequence cut short).
std::size_t utf8SequenceAt(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return 1;
    }
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || text.size() < length) {
        return 0;
    }
    // The second byte's range rules out overlong forms, surrogates and code points past U+10FFFF.
    const unsigned char second = byte(1);
    const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    if (second < low || second > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

// The text with each byte that starts no valid UTF-8 sequence replaced by U+FFFD, the
// replacement character: an edited or foreign record may hold any bytes, and what is exported
// is UTF-8.
std::string validUtf8(std::string_view text) {
    std::string valid;
    valid.reserve(text.size());
    while (!text.empty()) {
        const std::size_t length = utf8SequenceAt(text);
        if (length == 0) {
            valid += "\xEF\xBF\xBD";
            text.remove_prefix(1);
        } else {
            valid += text.substr(0, length);
            text.remove_prefix(length);
        }
    }
    return valid;
}

// Every field is quoted, with its quotes doubled. A field a spreadsheet would take for a formula
// (one that starts with =, +, -, @, a tab or a carriage return) gets a ' in front, as OWASP
// advises against CSV injection, so that it shows as the text it is.
std::string csvField(std::string_view text) {
    std::string quoted = "\"";
    if (!text.empty() &&
        std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos) {
        quoted += '\'';
    }
    for (const char c : validUtf8(text)) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + "\"";
}

std::string jsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : validUtf8(text)) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            std::array<char, 8> escaped{};
            std::snprintf(escaped.data(), escaped.size(), "\\u%04x", static_cast<unsigned>(c));
            quoted += escaped.data();
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string callsText(const GameRecord& game) {
    std::string text;
    for (const RecordedCall& call : game.calls) {
        text += (text.empty() ? "" : "; ") + std::string(seatName(call.caller)) + " " + call.dice +
                "/" + call.fixed;
    }
    return text;
}

} // namespace

CsvGames::CsvGames(std::ostream& out) : out_(out) {
    bool first = true;
    for (const std::string_view name :
         {"player", "started", "ended", "options", "opponent", "calls", "challenger", "winner",
          "challenged_call", "revealed", "coach_used", "player_throws", "computer_throws"}) {
        out_ << (first ? "" : ",") << csvField(name);
        first = false;
    }
    out_ << '\n';
}

void CsvGames::add(const GameRecord& game) {
    const GameOutcome& outcome = game.outcome;
    bool first = true;
    for (const std::string& field :
         {game.player, game.started, game.ended, optionsName(game.fixAny, game.fixPermanent),
          game.opponent, callsText(game), std::string(seatName(outcome.challenger)),
          std::string(seatName(outcome.winner)), outcome.call, outcome.dice,
          std::string(game.coachUsed ? "true" : "false"), game.humanThrows, game.computerThrows}) {
        out_ << (first ? "" : ",") << csvField(field);
        first = false;
    }
    out_ << '\n';
}

JsonGames::JsonGames(std::ostream& out) : out_(out) {
    out_ << "[";
}

JsonGames::~JsonGames() {
    out_ << (first_ ? "]\n" : "\n]\n");
}

void JsonGames::add(const GameRecord& game) {
    const GameOutcome& outcome = game.outcome;
    out_ << (first_ ? "\n" : ",\n") << "{\"player\": " << jsonString(game.player)
         << ", \"started\": " << jsonString(game.started)
         << ", \"ended\": " << jsonString(game.ended)
         << ", \"fix_any\": " << (game.fixAny ? "true" : "false")
         << ", \"fix_permanent\": " << (game.fixPermanent ? "true" : "false")
         << ", \"opponent\": " << jsonString(game.opponent) << ", \"calls\": [";
    bool firstCall = true;
    for (const RecordedCall& call : game.calls) {
        out_ << (firstCall ? "" : ", ") << "{\"caller\": " << jsonString(seatName(call.caller))
             << ", \"dice\": " << jsonString(call.dice) << ", \"fixed\": " << jsonString(call.fixed)
             << "}";
        firstCall = false;
    }
    out_ << "], \"challenger\": " << jsonString(seatName(outcome.challenger))
         << ", \"winner\": " << jsonString(seatName(outcome.winner))
         << ", \"challenged_call\": " << jsonString(outcome.call)
         << ", \"revealed\": " << jsonString(outcome.dice)
         << ", \"coach_used\": " << (game.coachUsed ? "true" : "false")
         << ", \"player_throws\": " << jsonString(game.humanThrows)
         << ", \"computer_throws\": " << jsonString(game.computerThrows) << "}";
    first_ = false;
}

long long exportGames(RecordBook& book, const std::vector<std::int64_t>& ids, ExportFormat format,
                      std::ostream& out) {
    std::vector<std::int64_t> wanted = ids;
    std::ranges::sort(wanted);
    long long written = 0;
    const auto writeWanted = [&](auto& writer) {
        book.forEachNumberedGame([&](std::int64_t id, const GameRecord& game) {
            if (std::ranges::binary_search(wanted, id)) {
                writer.add(game);
                ++written;
            }
        });
    };
    if (format == ExportFormat::Csv) {
        CsvGames writer(out);
        writeWanted(writer);
    } else {
        JsonGames writer(out);
        writeWanted(writer);
    }
    return written;
}

} // namespace quintel
