#include "records/record_keeper.h"

#include "records/file_io.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <system_error>

namespace quintel {

std::string utcNow() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto milliseconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() %
        1000;
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    std::array<char, 32> text{};
    const std::size_t length = std::strftime(text.data(), text.size(), "%Y-%m-%dT%H:%M:%S", &utc);
    std::array<char, 8> fraction{};
    std::snprintf(fraction.data(), fraction.size(), ".%03dZ", static_cast<int>(milliseconds));
    return std::string(text.data(), length) + fraction.data();
}

std::filesystem::path setRecordAside(const std::filesystem::path& path) {
    for (int k = 1; k <= 100; ++k) {
        std::filesystem::path aside = path;
        aside += ".damaged-" + std::to_string(k);
        if (files::renameExclusive(path, aside)) {
            // The log and the index of shared memory belong to the damaged file; the log goes with
            // it, the index is made again from the log by whoever opens it.
            std::filesystem::path log = path;
            log += "-wal";
            std::filesystem::path logAside = aside;
            logAside += "-wal";
            files::renameExclusive(log, logAside);
            std::filesystem::path index = path;
            index += "-shm";
            std::error_code ignored;
            std::filesystem::remove(index, ignored);
            return aside;
        }
        if (errno != EEXIST) {
            return {};
        }
    }
    return {};
}

RecordKeeper::RecordKeeper(std::filesystem::path dataFolder)
    : dataFolder_(std::move(dataFolder)), clock_(utcNow) {}

RecordKeeper::~RecordKeeper() = default;

void RecordKeeper::matchStarted() {
    if (!enabled) {
        return;
    }
    match_.emplace();
    match_->started = clock_();
    thrownSinceCall_.clear();
}

void RecordKeeper::diceThrown(Seat seat, std::string_view digits) {
    if (match_) {
        (seat == Seat::Human ? match_->humanThrows : match_->computerThrows) += digits;
        thrownSinceCall_ += digits;
    }
}

void RecordKeeper::callMade(Seat caller, std::string_view dice, std::string_view fixed) {
    if (match_) {
        match_->calls.push_back({caller, std::string(dice), std::string(fixed)});
        match_->thrownBeforeCall.push_back(std::move(thrownSinceCall_));
        thrownSinceCall_.clear();
    }
}

void RecordKeeper::historyLine(std::string_view text) {
    if (match_) {
        match_->historyLines.push_back({static_cast<int>(match_->calls.size()), std::string(text)});
    }
}

void RecordKeeper::stayStarted(std::string player) {
    stay_ = Stay{std::move(player), std::nullopt};
}

void RecordKeeper::gameDecided(GameRecord game) {
    if (!match_) {
        return;
    }
    game.started = std::move(match_->started);
    game.ended = clock_();
    game.calls = std::move(match_->calls);
    game.humanThrows = std::move(match_->humanThrows);
    game.computerThrows = std::move(match_->computerThrows);
    game.thrownBeforeCall = std::move(match_->thrownBeforeCall);
    game.historyLines = std::move(match_->historyLines);
    match_.reset();
    if (const auto id = keep(game)) {
        ++gamesKept_;
        if (stay_ && !stay_->firstGame) {
            stay_->firstGame = *id;
        }
    } else {
        ++gamesLost_;
    }
}

std::optional<std::int64_t> RecordKeeper::keep(const GameRecord& game) {
    // A damaged record is set aside once and the game written to a new one.
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            if (!book_) {
                book_ = std::make_unique<RecordBook>(RecordBook::pathIn(dataFolder_), true);
            }
            return book_->add(game);
        } catch (const sqlite::Error& error) {
            book_.reset();
            if (!error.damaged() || attempt > 0) {
                tellOnce("Your games cannot be recorded in " +
                         RecordBook::pathIn(dataFolder_).string() + ": " + error.what() +
                         ". Play goes on without the record.");
                return std::nullopt;
            }
            setAside(error.what());
            // The new record numbers its games afresh: the stay begins again with it.
            if (stay_) {
                stay_->firstGame.reset();
            }
        }
    }
    return std::nullopt;
}

void RecordKeeper::setAside(const std::string& reason) {
    const std::filesystem::path path = RecordBook::pathIn(dataFolder_);
    const std::filesystem::path aside = setRecordAside(path);
    if (aside.empty()) {
        return;
    }
    if (problemHandler_) {
        problemHandler_("The record of your games " + path.string() + " was damaged (" + reason +
                        "). It is kept as " + aside.filename().string() +
                        ", and a new record has been started.");
    }
}

void RecordKeeper::tellOnce(const std::string& message) {
    if (!told_ && problemHandler_) {
        problemHandler_(message);
    }
    told_ = true;
}

} // namespace quintel
