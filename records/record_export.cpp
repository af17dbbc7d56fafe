#include "records/record_export.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <string_view>

namespace quintel {

namespace {

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + "\"";
}

std::string jsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
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
    out_ << "player,started,ended,options,opponent,calls,challenger,winner,challenged_call,"
            "revealed,coach_used,player_throws,computer_throws\n";
}

void CsvGames::add(const GameRecord& game) {
    const GameOutcome& outcome = game.outcome;
    out_ << csvField(game.player) << ',' << game.started << ',' << game.ended << ','
         << csvField(optionsName(game.fixAny, game.fixPermanent)) << ',' << csvField(game.opponent)
         << ',' << csvField(callsText(game)) << ',' << seatName(outcome.challenger) << ','
         << seatName(outcome.winner) << ',' << outcome.call << ',' << outcome.dice << ','
         << (game.coachUsed ? "true" : "false") << ',' << game.humanThrows << ','
         << game.computerThrows << '\n';
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
        out_ << (firstCall ? "" : ", ") << "{\"caller\": \"" << seatName(call.caller)
             << "\", \"dice\": \"" << call.dice << "\", \"fixed\": \"" << call.fixed << "\"}";
        firstCall = false;
    }
    out_ << "], \"challenger\": \"" << seatName(outcome.challenger) << "\", \"winner\": \""
         << seatName(outcome.winner) << "\", \"challenged_call\": \"" << outcome.call
         << "\", \"revealed\": \"" << outcome.dice
         << "\", \"coach_used\": " << (game.coachUsed ? "true" : "false")
         << ", \"player_throws\": \"" << game.humanThrows << "\", \"computer_throws\": \""
         << game.computerThrows << "\"}";
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
