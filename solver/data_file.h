#pragma once

#include "solver/solved_game.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quintel::solver {

// The data file of one solved option set.
//
// The first line is text:
//   quintel-solved 3 faces=F dice=N options=WORD tolerance=T gap=G crc32=HEX size=BYTES
//   command=THE COMMAND THAT WROTE IT
// (one line, words separated by single spaces; the command runs to the line's end). Then come
// the zlib-compressed (compress2) payload bytes up to the end of the file; `size` is the
// payload's length before compression and `crc32` zlib's CRC-32 of it, in hexadecimal.
//
// The payload, little-endian, in blocks of one kind each so that it compresses well:
//   u32 stage count S, u32 position count P, u32 call count C, u32 trust count Q,
//   f64 largest gap, i64 iterations;
//   u16 choice per position (holding-major, as SolvedGame::positionChoice);
//   i16 last call per stage (-1 the opening), u16 kept set per stage, f64 value per stage;
//   per stage, u16 the number of its types that do not make exactly one call, then for each
//   of them u8 its number among the stage's types and u8 its number of calls;
//   u16 call per call made (C, by type);
//   f64 chance per call of each type that makes two or more (one call is made for certain);
//   u16 number of trust entries per stage; u16 call per trust entry (Q);
//   u8 per trust entry: 0 never trusted, 1 always, 2 between, then f64 chance per "between".
// Position values are not stored: they follow from the choices and the stage values.
//
// A reader trusts nothing of a file. It reads regular files only, of at most kMostDataFileBytes
// (64 MB; the largest stored solve is about 1 MB), and refuses a header whose size its
// compressed bytes cannot hold or beyond kMostPayloadBytes (256 MB; the largest payload is about
// 30 MB) before it allocates the payload. The format version must be 3 exactly. Every stage value
// and chance must lie in [0, 1], and the chances of each type's calls must sum to 1 within
// kChanceSumTolerance.
inline constexpr std::uintmax_t kMostDataFileBytes = std::uintmax_t{64} << 20;
inline constexpr std::size_t kMostPayloadBytes = std::size_t{256} << 20;
inline constexpr double kChanceSumTolerance = 1e-9;

struct DataFileHeader {
    Variant variant;
    RuleOptions options;
    double tolerance = 0;
    double gap = 0;
    std::string command;
};

// The file's bytes.
std::string dataFileBytes(const SolvedGame& game, double tolerance, std::string_view command);
// Writes the file whole under a temporary name and gives it its own name only then, so that a
// write cut short leaves the file that was there; an error message when it cannot.
std::optional<std::string> writeDataFile(const std::filesystem::path& path, const SolvedGame& game,
                                         double tolerance, std::string_view command);

struct LoadedGame {
    std::optional<SolvedGame> game; // nothing when the file could not be read
    DataFileHeader header;
    std::string error;
};

// Reads the file at `path`; a file that cannot be read gives an error naming it, never an
// exception.
LoadedGame readDataFile(const std::filesystem::path& path);
// The same from the bytes of a file; `name` names it in the error.
LoadedGame readDataBytes(std::string_view bytes, std::string_view name);

// The file name of an option set's data in a data folder: "none.qsolved" and so on.
std::filesystem::path dataFileName(RuleOptions options);

// The solved game of the five dice of six faces under `options`, from its file in `folder`;
// nothing, with `problem` saying why, when the file cannot be read or holds another game.
std::shared_ptr<const SolvedGame> readRealGame(const std::filesystem::path& folder,
                                               RuleOptions options, std::string& problem);

} // namespace quintel::solver
