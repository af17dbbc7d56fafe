#include "solver/data_file.h"
#include "testing/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace quintel::solver {
namespace {

const SolvedGame& smallGame() {
    static const SolvedGame game = SolvedGame::solve({3, 3}, {});
    return game;
}

// The error of reading bytes made from the small game's parts after `change`, with the checksum
// made for them: what a file damaged on purpose would give.
std::string errorOfChanged(const std::function<void(SolvedGame::Parts&)>& change) {
    SolvedGame::Parts parts = smallGame().parts();
    change(parts);
    const auto changed = SolvedGame::fromParts(std::move(parts));
    EXPECT_TRUE(changed) << "the parts still fit together";
    const LoadedGame loaded = readDataBytes(dataFileBytes(*changed, 1e-9, "test"), "F");
    EXPECT_FALSE(loaded.game);
    return loaded.error;
}

// The first call of a type that mixes two or more calls.
std::size_t firstMixedCall(const PackedStrategies& packed) {
    std::size_t call = 0;
    for (const std::uint8_t count : packed.callCounts) {
        if (count > 1) {
            return call;
        }
        call += count;
    }
    ADD_FAILURE() << "no mixed type";
    return 0;
}

TEST(DataFile, RoundTripsItsBytes) {
    const LoadedGame loaded = readDataBytes(dataFileBytes(smallGame(), 1e-9, "solve it"), "F");
    ASSERT_TRUE(loaded.game) << loaded.error;
    EXPECT_EQ(loaded.game->parts().strategies, smallGame().parts().strategies);
    EXPECT_EQ(loaded.header.command, "solve it");
}

TEST(DataFile, RefusesChancesAndValuesNoSolveGives) {
    EXPECT_EQ(errorOfChanged([](SolvedGame::Parts& parts) { parts.stageValues.front() = 5; }),
              "F holds a chance or value outside 0 to 1");
    EXPECT_EQ(errorOfChanged([](SolvedGame::Parts& parts) { parts.stageValues.back() = -3; }),
              "F holds a chance or value outside 0 to 1");
    EXPECT_EQ(errorOfChanged([](SolvedGame::Parts& parts) {
                  for (double& trust : parts.strategies.trust) {
                      trust = trust > 0 && trust < 1 ? 1.5 : trust;
                  }
              }),
              "F holds a chance or value outside 0 to 1");
    EXPECT_EQ(errorOfChanged([](SolvedGame::Parts& parts) {
                  parts.strategies.chances[firstMixedCall(parts.strategies)] += 0.25;
              }),
              "F holds a strategy whose chances do not sum to 1");
}

TEST(DataFile, ReadsItsFormatVersionExactly) {
    std::string bytes = dataFileBytes(smallGame(), 1e-9, "test");
    ASSERT_TRUE(bytes.starts_with("quintel-solved 3 "));
    bytes.insert(16, "0");
    EXPECT_EQ(readDataBytes(bytes, "F").error, "F is of format 30, not 3 as this program reads");
    for (const std::string_view header :
         {"quintel-solved 3 faces=3 faces=3 dice=3 options=none tolerance=1 gap=0 crc32=0 size=1 "
          "command=x\n",
          "quintel-solved 3 faces=3 dice=3 options=none tolerance=nan gap=0 crc32=0 size=1 "
          "command=x\n",
          "quintel-solved 3 dice=3 options=none tolerance=1 gap=0 crc32=0 size=1 command=x "
          "faces=3\n"}) {
        EXPECT_EQ(readDataBytes(header, "F").error, "F is not a solved game's data file") << header;
    }
}

// A file that is no data file is refused before it is read, whatever it is (a pipe would hang the
// reader, a sparse file of gigabytes take a minute), and nothing of the size a header claims is
// allocated before the contents are seen to hold it.
TEST(DataFile, RefusesWhatIsNotASmallRegularFileAtOnce) {
    const TempFolder folder;
    std::filesystem::create_directory(folder / "folder.qsolved");
    ASSERT_EQ(::mkfifo((folder / "pipe.qsolved").c_str(), 0644), 0);
    { std::ofstream(folder / "sparse.qsolved"); }
    std::filesystem::resize_file(folder / "sparse.qsolved", std::uintmax_t{4} << 30);
    std::string claimsMuch = dataFileBytes(smallGame(), 1e-9, "test");
    const std::size_t size = claimsMuch.find(" size=") + 6;
    claimsMuch.replace(size, claimsMuch.find(' ', size) - size, "5000000000");
    folder.write("claims.qsolved", claimsMuch);
    for (const auto& [name, error] :
         {std::pair{"folder.qsolved", "is a folder, not a file"},
          {"pipe.qsolved", "is not a regular file"},
          {"sparse.qsolved", "is 4294967296 bytes long, more than the 64 MB a solved game's data "
                             "file may have"},
          {"claims.qsolved", "is damaged: its header gives a size its contents cannot have"},
          {"missing.qsolved", "cannot be read (No such file or directory)"}}) {
        EXPECT_EQ(readDataFile(folder / name).error, (folder / name).string() + " " + error);
    }
}

} // namespace
} // namespace quintel::solver
