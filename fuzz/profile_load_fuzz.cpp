// The profile loader on arbitrary file contents: the counters it loads are counts of calls
// (0..32767), entry 10 is left alone, the profile itself is never changed by loading, and a
// damaged profile is reported to the player and kept, byte for byte, beside it.
#include "records/player_files.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include <unistd.h>

namespace {

void require(bool property) {
    if (!property) {
        std::abort();
    }
}

constexpr int kUntouched = -12345;

std::string contentsOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A folder for the profile, removed when the fuzzer stops. On memory where the system has it: the
// loader syncs what it keeps to disk, and on a real disk that makes each input slow.
class ScratchFolder {
public:
    ScratchFolder() {
        std::error_code error;
        const std::filesystem::path parent = std::filesystem::is_directory("/dev/shm", error)
                                                 ? std::filesystem::path("/dev/shm")
                                                 : std::filesystem::temp_directory_path();
        path_ = parent / ("quintel-fuzz-profile-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path_);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    // The folder, emptied of what the last input left.
    const std::filesystem::path& empty() const {
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            std::filesystem::remove_all(entry.path());
        }
        return path_;
    }

private:
    std::filesystem::path path_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    static const ScratchFolder scratch;
    const std::filesystem::path& folder = scratch.empty();
    const std::filesystem::path profile = quintel::profilePath(folder, "Fuzz");
    std::ofstream(profile, std::ios::binary) << bytes;

    quintel::ProfileCounters counts;
    quintel::ProfileCounters scores;
    counts.fill(kUntouched);
    scores.fill(kUntouched);
    const quintel::ProfileLoad load = quintel::loadProfile(folder, "Fuzz", counts, scores);

    require(load.found);
    for (std::size_t i = 0; i < quintel::kProfileLines; ++i) {
        require(counts[i] >= 0 && counts[i] <= 32767);
        require(scores[i] >= 0 && scores[i] <= 32767);
        require(scores[i] <= counts[i]); // the game never writes a score above its count
    }
    require(counts[10] == kUntouched && scores[10] == kUntouched);
    require(contentsOf(profile) == bytes);
    require(quintel::profileLoadMessage(load).has_value() == load.damaged);
    if (load.damaged) {
        const std::filesystem::path copy = load.keptAs;
        require(copy.parent_path() == folder && copy != profile && contentsOf(copy) == bytes);
    }
    return 0;
}
