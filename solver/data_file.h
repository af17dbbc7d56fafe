#pragma once

#include "solver/solved_game.h"

#include <filesystem>
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
struct DataFileHeader {
    Variant variant;
    RuleOptions options;
    double tolerance = 0;
    double gap = 0;
    std::string command;
};

// Writes the file; an error message when it cannot.
std::optional<std::string> writeDataFile(const std::filesystem::path& path, const SolvedGame& game,
                                         double tolerance, std::string_view command);

struct LoadedGame {
    std::optional<SolvedGame> game; // nothing when the file could not be read
    DataFileHeader header;
    std::string error;
};

LoadedGame readDataFile(const std::filesystem::path& path);

// The file name of an option set's data in a data folder: "none.qsolved" and so on.
std::filesystem::path dataFileName(RuleOptions options);

} // namespace quintel::solver
