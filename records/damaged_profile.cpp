#include "records/damaged_profile.h"

#include "records/file_io.h"
#include "records/player_files.h"

#include <string>
#include <string_view>

namespace quintel {

namespace {

std::filesystem::path copyName(const std::filesystem::path& profile, int number) {
    std::filesystem::path copy = profile;
    copy += ".damaged-" + std::to_string(number);
    return copy;
}

// A file too long to read whole is recognised only as the same file.
bool keptIn(const DamagedProfile& damaged, const std::filesystem::path& copy) {
    if (files::sameEntry(damaged.path, copy)) {
        return true;
    }
    if (!damaged.bytes) {
        return false;
    }
    const std::optional<files::BoundedRead> kept = files::readAtMost(copy, kProfileReadLimit);
    return kept && kept->complete && kept->bytes == *damaged.bytes;
}

// A new file holding `bytes`, never over an existing one.
bool writeCopy(const std::filesystem::path& copy, std::string_view bytes) {
    const int descriptor = files::createExclusive(copy);
    if (descriptor < 0) {
        return false;
    }
    if (files::writeSyncAndClose(descriptor, bytes) == 0) {
        return true;
    }
    std::error_code ignored;
    std::filesystem::remove(copy, ignored);
    return false;
}

bool keepUnder(const DamagedProfile& damaged, const std::filesystem::path& copy) {
    if (damaged.bytes) {
        return writeCopy(copy, *damaged.bytes);
    }
    return files::addName(damaged.path, copy) || files::renameExclusive(damaged.path, copy);
}

} // namespace

std::filesystem::path keepDamaged(const DamagedProfile& damaged) {
    std::optional<std::filesystem::path> free;
    for (int number = 0; number < kDamagedCopies; ++number) {
        const std::filesystem::path copy = copyName(damaged.path, number);
        std::error_code ignored;
        if (!std::filesystem::exists(std::filesystem::symlink_status(copy, ignored))) {
            free = free ? free : copy;
        } else if (keptIn(damaged, copy)) {
            return copy;
        }
    }
    return free && keepUnder(damaged, *free) ? *free : std::filesystem::path();
}

} // namespace quintel
