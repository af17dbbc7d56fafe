#pragma once

#include "model/rule_options.h"
#include "solver/data_file.h"

#include <array>
#include <filesystem>
#include <memory>

namespace quintel::testing {

// The stored solve of the real game for `options`, from the folder the build names, read once
// per run; nothing when there is none (the test then skips).
inline std::shared_ptr<const solver::SolvedGame> storedSolve(RuleOptions options) {
    static std::array<std::shared_ptr<const solver::SolvedGame>, 4> kept;
    static std::array<bool, 4> tried{};
    const std::size_t slot = (options.fixAny ? 1U : 0U) + (options.fixPermanent ? 2U : 0U);
    if (!tried[slot]) {
        tried[slot] = true;
        solver::LoadedGame loaded = solver::readDataFile(
            std::filesystem::path(QUINTEL_SOLVED_DATA) / solver::dataFileName(options));
        if (loaded.game) {
            kept[slot] = std::make_shared<const solver::SolvedGame>(std::move(*loaded.game));
        }
    }
    return kept[slot];
}

} // namespace quintel::testing
