#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace quintel {

// A profile found damaged at sign-in.
struct DamagedProfile {
    std::filesystem::path path;
    std::optional<std::string> bytes; // its whole content, when it could be read whole
};

// Keeps the damaged profile beside it as "<profile>.damaged-<k>", so that the next save, which
// replaces the profile, cannot lose it. A file read whole is copied (at most kProfileReadLimit
// bytes), so that a later change made in place through the profile's name cannot reach the copy.
// Any other file gets that name as a hard link, so nothing is copied however large it is, or is
// moved there where the file system has no hard links. A file already kept (the same file, or the
// same bytes) is not kept again. Returns the name it is kept under, or an empty path.
std::filesystem::path keepDamaged(const DamagedProfile& damaged);

} // namespace quintel
