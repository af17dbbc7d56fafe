// The solved game's data file on arbitrary bytes: reading gives a game or an error naming the file,
// never both and never a crash; every chance and value of a game read lies in [0, 1]; and a game
// read, written again, reads back the same.
//
// An even first byte makes the rest the bytes of a file as they would lie on disk. An odd one
// makes the rest a header line without its checksum and size, then a payload that is compressed
// and given them here, so that the payload's reader is reached past the checksum.
#include "solver/data_file.h"

#include <zlib.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <source_location>
#include <string>
#include <string_view>

namespace {

using namespace quintel::solver;

// Names the broken property's line before the abort, so that a crash found reads at once.
void require(bool property, std::source_location where = std::source_location::current()) {
    if (!property) {
        std::fprintf(stderr, "property broken at line %u\n", static_cast<unsigned>(where.line()));
        std::abort();
    }
}

bool isChance(double value) {
    return value >= 0 && value <= 1;
}

std::string withChecksum(std::string_view input) {
    const std::size_t lineEnd = std::min(input.find('\n'), input.size());
    std::string header(input.substr(0, lineEnd));
    const std::string_view payload = input.substr(std::min(lineEnd + 1, input.size()));
    uLongf packedSize = compressBound(static_cast<uLong>(payload.size()));
    std::string packed(packedSize, '\0');
    compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
              reinterpret_cast<const Bytef*>(payload.data()), static_cast<uLong>(payload.size()),
              Z_BEST_SPEED);
    packed.resize(packedSize);
    char crc[16];
    std::snprintf(crc, sizeof crc, "%lx",
                  crc32(0L, reinterpret_cast<const Bytef*>(payload.data()),
                        static_cast<uInt>(payload.size())));
    const std::string fields =
        std::string(" crc32=") + crc + " size=" + std::to_string(payload.size());
    const std::size_t command = header.find(" command=");
    header.insert(command == std::string::npos ? header.size() : command, fields);
    return header + "\n" + packed;
}

void requireSound(const SolvedGame& game) {
    require(isChance(game.openValue()));
    for (const auto& [lastCall, kept] : game.stages()) {
        require(isChance(*game.stageValue(lastCall, kept)));
    }
    for (const double value : game.positionValues()) {
        require(isChance(value));
    }
    const PackedStrategies& packed = game.parts().strategies;
    for (const double chance : packed.chances) {
        require(isChance(chance));
    }
    for (const double chance : packed.trust) {
        require(isChance(chance));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string bytes = data[0] % 2 == 0 ? std::string(input) : withChecksum(input);
    const LoadedGame loaded = readDataBytes(bytes, "F");
    require(loaded.game.has_value() == loaded.error.empty());
    if (!loaded.game) {
        require(loaded.error.starts_with("F "));
        return 0;
    }
    requireSound(*loaded.game);
    const SolvedGame::Parts parts = loaded.game->parts();
    const LoadedGame again = readDataBytes(
        dataFileBytes(*loaded.game, loaded.header.tolerance, loaded.header.command), "F");
    require(again.game.has_value());
    const SolvedGame::Parts reread = again.game->parts();
    require(reread.stages == parts.stages && reread.stageValues == parts.stageValues &&
            reread.choices == parts.choices && reread.strategies == parts.strategies);
    return 0;
}
