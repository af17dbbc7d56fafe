#include "solver/data_file.h"

#include "model/number_text.h"

#include <zlib.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <stdexcept>
#include <variant>

namespace quintel::solver {

namespace {

static_assert(std::endian::native == std::endian::little, "the payload is little-endian");

constexpr std::string_view kFormatVersion = "3";

class Writer {
public:
    template <class T> void put(T value) {
        char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        data_.append(bytes, sizeof(T));
    }
    const std::string& data() const { return data_; }

private:
    std::string data_;
};

class Reader {
public:
    explicit Reader(std::string_view data) : data_(data) {}
    template <class T> std::optional<T> get() {
        if (data_.size() - at_ < sizeof(T)) {
            return std::nullopt;
        }
        T value;
        std::memcpy(&value, data_.data() + at_, sizeof(T));
        at_ += sizeof(T);
        return value;
    }
    bool atEnd() const { return at_ == data_.size(); }

private:
    std::string_view data_;
    std::size_t at_ = 0;
};

// How a chance of trust is stored: most are 0 or 1 and need no number.
enum class TrustKind : std::uint8_t { never, always, between };

TrustKind kindOf(double chance) {
    return chance == 0 ? TrustKind::never : chance == 1 ? TrustKind::always : TrustKind::between;
}

template <class T> void putAll(Writer& out, const std::vector<T>& values) {
    for (const T value : values) {
        out.put(value);
    }
}

std::string payloadOf(const SolvedGame::Parts& parts) {
    const PackedStrategies& packed = parts.strategies;
    Writer out;
    out.put(static_cast<std::uint32_t>(parts.stages.size()));
    out.put(static_cast<std::uint32_t>(parts.choices.size()));
    out.put(static_cast<std::uint32_t>(packed.calls.size()));
    out.put(static_cast<std::uint32_t>(packed.trust.size()));
    out.put(parts.largestGap);
    out.put(static_cast<std::int64_t>(parts.iterations));
    putAll(out, parts.choices);
    for (const auto& [call, kept] : parts.stages) {
        out.put(static_cast<std::int16_t>(call));
    }
    for (const auto& [call, kept] : parts.stages) {
        out.put(static_cast<std::uint16_t>(kept));
    }
    putAll(out, parts.stageValues);
    // Nearly every type makes exactly one call: only the others are listed.
    std::vector<std::uint8_t> others;
    for (std::size_t stage = 0; stage < parts.stages.size(); ++stage) {
        others.clear();
        for (std::uint32_t t = packed.typeBegin[stage]; t < packed.typeBegin[stage + 1]; ++t) {
            if (packed.callCounts[t] != 1) {
                others.push_back(static_cast<std::uint8_t>(t - packed.typeBegin[stage]));
                others.push_back(packed.callCounts[t]);
            }
        }
        out.put(static_cast<std::uint16_t>(others.size() / 2));
        putAll(out, others);
    }
    putAll(out, packed.calls);
    // A type that makes one call makes it for certain: only mixed types' chances are stored.
    std::size_t call = 0;
    for (const std::uint8_t count : packed.callCounts) {
        for (std::size_t i = 0; count > 1 && i < count; ++i) {
            out.put(packed.chances[call + i]);
        }
        call += count;
    }
    for (std::size_t stage = 0; stage < parts.stages.size(); ++stage) {
        out.put(
            static_cast<std::uint16_t>(packed.trustBegin[stage + 1] - packed.trustBegin[stage]));
    }
    putAll(out, packed.trustCalls);
    for (const double chance : packed.trust) {
        out.put(kindOf(chance));
    }
    for (const double chance : packed.trust) {
        if (kindOf(chance) == TrustKind::between) {
            out.put(chance);
        }
    }
    return out.data();
}

// Reads values of one kind into a whole vector.
template <class T> bool readAll(Reader& in, std::vector<T>& values) {
    for (T& value : values) {
        const auto read = in.get<T>();
        if (!read) {
            return false;
        }
        value = *read;
    }
    return true;
}

// How many calls each type makes: one, unless its stage lists it.
bool readCallCounts(Reader& in, PackedStrategies& packed) {
    packed.callCounts.assign(packed.typeBegin.back(), 1);
    for (std::size_t stage = 0; stage + 1 < packed.typeBegin.size(); ++stage) {
        const auto listed = in.get<std::uint16_t>();
        if (!listed) {
            return false;
        }
        const std::uint32_t types = packed.typeBegin[stage + 1] - packed.typeBegin[stage];
        for (std::uint16_t i = 0; i < *listed; ++i) {
            const auto type = in.get<std::uint8_t>();
            const auto count = in.get<std::uint8_t>();
            if (!count || *type >= types) {
                return false;
            }
            packed.callCounts[packed.typeBegin[stage] + *type] = *count;
        }
    }
    return true;
}

// The chances of the types' calls: stored for mixed types only.
bool readChances(Reader& in, PackedStrategies& packed) {
    packed.chances.assign(packed.calls.size(), 1.0);
    std::size_t call = 0;
    for (const std::uint8_t count : packed.callCounts) {
        for (std::size_t i = 0; count > 1 && i < count; ++i) {
            const auto chance = in.get<double>();
            if (!chance || call + i >= packed.chances.size()) {
                return false;
            }
            packed.chances[call + i] = *chance;
        }
        call += count;
    }
    return call == packed.calls.size();
}

bool readTrust(Reader& in, PackedStrategies& packed, std::size_t stages) {
    std::vector<std::uint16_t> counts(stages);
    if (!readAll(in, counts) || !readAll(in, packed.trustCalls)) {
        return false;
    }
    for (const std::uint16_t count : counts) {
        packed.trustBegin.push_back(packed.trustBegin.back() + count);
    }
    std::vector<std::uint8_t> kinds(packed.trustCalls.size());
    if (packed.trustBegin.back() != kinds.size() || !readAll(in, kinds)) {
        return false;
    }
    packed.trust.resize(kinds.size());
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        switch (static_cast<TrustKind>(kinds[i])) {
        case TrustKind::never:
            packed.trust[i] = 0;
            break;
        case TrustKind::always:
            packed.trust[i] = 1;
            break;
        case TrustKind::between:
            if (const auto chance = in.get<double>()) {
                packed.trust[i] = *chance;
                break;
            }
            return false;
        default:
            return false;
        }
    }
    return true;
}

std::optional<SolvedGame::Parts> partsOf(std::string_view payload, const DataFileHeader& header) {
    Reader in(payload);
    const auto stages = in.get<std::uint32_t>();
    const auto positions = in.get<std::uint32_t>();
    const auto calls = in.get<std::uint32_t>();
    const auto trusted = in.get<std::uint32_t>();
    const auto gap = in.get<double>();
    const auto iterations = in.get<std::int64_t>();
    // Each counted item takes bytes of the payload (a stage: its call, kept set, value and two
    // counts; a position its choice; a call its number; a trust entry its call and kind), so no
    // count can claim more than the payload holds: nothing is allocated beyond its size.
    const auto fits = [&](std::uint64_t count, std::uint64_t bytesEach) {
        return count <= payload.size() / bytesEach;
    };
    if (!iterations || !fits(*stages, 16) || !fits(*positions, 2) || !fits(*calls, 2) ||
        !fits(*trusted, 3)) {
        return std::nullopt;
    }
    SolvedGame::Parts parts;
    parts.variant = header.variant;
    parts.options = header.options;
    parts.largestGap = *gap;
    parts.iterations = static_cast<long>(*iterations);
    parts.choices.resize(*positions);
    parts.stageValues.resize(*stages);
    std::vector<std::int16_t> lastCalls(*stages);
    std::vector<std::uint16_t> keptSets(*stages);
    if (!readAll(in, parts.choices) || !readAll(in, lastCalls) || !readAll(in, keptSets) ||
        !readAll(in, parts.stageValues)) {
        return std::nullopt;
    }
    const DiceSets sets(header.variant);
    PackedStrategies& packed = parts.strategies;
    for (std::size_t i = 0; i < *stages; ++i) {
        if (keptSets[i] >= sets.count()) {
            return std::nullopt;
        }
        parts.stages.emplace_back(lastCalls[i], keptSets[i]);
        const auto types = sets.ofSize(header.variant.dice - sets.diceIn(keptSets[i])).size();
        packed.typeBegin.push_back(packed.typeBegin.back() + static_cast<std::uint32_t>(types));
        // A type makes one call (two bytes) unless its stage lists it (two bytes too).
        if (packed.typeBegin.back() > payload.size() / 2) {
            return std::nullopt;
        }
    }
    packed.calls.resize(*calls);
    packed.trustCalls.resize(*trusted);
    if (!readCallCounts(in, packed) || !readAll(in, packed.calls)) {
        return std::nullopt;
    }
    std::size_t type = 0;
    for (std::size_t stage = 0; stage < *stages; ++stage) {
        std::uint32_t made = 0;
        for (; type < packed.typeBegin[stage + 1]; ++type) {
            made += packed.callCounts[type];
        }
        packed.callBegin.push_back(packed.callBegin.back() + made);
    }
    if (packed.callBegin.back() != packed.calls.size() || !readChances(in, packed) ||
        !readTrust(in, packed, *stages) || !in.atEnd()) {
        return std::nullopt;
    }
    return parts;
}

std::string hexText(unsigned long value) {
    char text[17];
    const auto result = std::to_chars(text, text + sizeof(text), value, 16);
    return std::string(text, result.ptr);
}

template <class Number> std::optional<Number> parsed(std::string_view text, int base = 10) {
    Number value{};
    const char* end = text.data() + text.size();
    std::from_chars_result result{};
    if constexpr (std::is_floating_point_v<Number>) {
        result = std::from_chars(text.data(), end, value);
    } else {
        result = std::from_chars(text.data(), end, value, base);
    }
    if (text.empty() || result.ec != std::errc{} || result.ptr != end) {
        return std::nullopt;
    }
    return value;
}

// The header line's fields, each once, as the writer puts them.
struct HeaderLine {
    DataFileHeader header;
    unsigned long crc = 0;
    std::size_t size = 0;
};

// The words "name=value" before the command, which runs to the line's end.
std::optional<std::map<std::string_view, std::string_view>> headerWords(std::string_view fields) {
    std::map<std::string_view, std::string_view> words;
    while (!fields.empty()) {
        const std::size_t blank = fields.find(' ');
        const std::string_view word = fields.substr(0, blank);
        fields.remove_prefix(blank == std::string_view::npos ? fields.size() : blank + 1);
        const std::size_t equals = word.find('=');
        if (equals == std::string_view::npos ||
            !words.emplace(word.substr(0, equals), word.substr(equals + 1)).second) {
            return std::nullopt;
        }
    }
    return words;
}

// The header, or why the line is not one of this program's format.
std::variant<HeaderLine, std::string> parseHeader(std::string_view line) {
    const std::string notOurs = "is not a solved game's data file";
    constexpr std::string_view kName = "quintel-solved ";
    if (!line.starts_with(kName)) {
        return notOurs;
    }
    line.remove_prefix(kName.size());
    const std::string_view version = line.substr(0, line.find(' '));
    if (version != kFormatVersion) {
        const bool number =
            !version.empty() && version.size() < 10 &&
            std::ranges::all_of(version, [](char c) { return c >= '0' && c <= '9'; });
        if (!number) {
            return notOurs;
        }
        return "is of format " + std::string(version) + ", not " + std::string(kFormatVersion) +
               " as this program reads";
    }
    line.remove_prefix(version.size());
    constexpr std::string_view kCommand = " command=";
    const std::size_t command = line.find(kCommand);
    if (!line.starts_with(' ') || command == std::string_view::npos) {
        return notOurs;
    }
    const auto words = headerWords(line.substr(1, command - 1));
    if (!words || words->size() != 7) {
        return notOurs;
    }
    const auto field = [&](std::string_view name) {
        const auto found = words->find(name);
        return found == words->end() ? std::string_view() : found->second;
    };
    const auto faces = parsed<int>(field("faces"));
    const auto dice = parsed<int>(field("dice"));
    const auto options = parseOptionWords(field("options"));
    const auto tolerance = parsed<double>(field("tolerance"));
    const auto gap = parsed<double>(field("gap"));
    const auto crc = parsed<unsigned long>(field("crc32"), 16);
    const auto size = parsed<std::size_t>(field("size"));
    if (!faces || !dice || !options || !tolerance || !gap || !crc || !size ||
        !isSupported({*faces, *dice}) || !std::isfinite(*tolerance) || *tolerance <= 0 ||
        !std::isfinite(*gap) || *gap < 0) {
        return notOurs;
    }
    return HeaderLine{{{*faces, *dice},
                       *options,
                       *tolerance,
                       *gap,
                       std::string(line.substr(command + kCommand.size()))},
                      *crc,
                      *size};
}

// Bytes, or why they cannot be had.
using BytesOrProblem = std::variant<std::string, std::string>;

BytesOrProblem problem(std::string why) {
    return BytesOrProblem(std::in_place_index<1>, std::move(why));
}

// The payload of the compressed bytes, or why it cannot be had. The size is checked against the
// compressed bytes before anything is allocated: zlib packs at most 1032 bytes into one.
BytesOrProblem uncompressed(std::string_view packed, const HeaderLine& header) {
    constexpr std::size_t kDeflateRatio = 1032;
    if (header.size > kMostPayloadBytes || header.size / kDeflateRatio > packed.size()) {
        return problem("is damaged: its header gives a size its contents cannot have");
    }
    std::string payload(header.size, '\0');
    uLongf payloadSize = static_cast<uLongf>(header.size);
    if (uncompress(reinterpret_cast<Bytef*>(payload.data()), &payloadSize,
                   reinterpret_cast<const Bytef*>(packed.data()),
                   static_cast<uLong>(packed.size())) != Z_OK ||
        payloadSize != header.size ||
        crc32(0L, reinterpret_cast<const Bytef*>(payload.data()),
              static_cast<uInt>(payload.size())) != header.crc) {
        return problem("is damaged: its checksum does not match");
    }
    return BytesOrProblem(std::in_place_index<0>, std::move(payload));
}

bool isChance(double value) {
    return value >= 0 && value <= 1; // false for NaN
}

// Chances and values are chances to win or of playing an action: between 0 and 1, and a type's
// calls are made with certainty between them. Nothing when they are, else what is wrong.
std::optional<std::string> unsoundFigures(const SolvedGame::Parts& parts) {
    const PackedStrategies& packed = parts.strategies;
    if (!std::ranges::all_of(parts.stageValues, isChance) ||
        !std::ranges::all_of(packed.chances, isChance) ||
        !std::ranges::all_of(packed.trust, isChance)) {
        return "holds a chance or value outside 0 to 1";
    }
    if (!std::isfinite(parts.largestGap) || parts.largestGap < 0 || parts.iterations < 0) {
        return "holds a gap or iteration count that no solve gives";
    }
    std::size_t call = 0;
    for (const std::uint8_t count : packed.callCounts) {
        double total = 0;
        for (std::size_t i = 0; i < count && call + i < packed.chances.size(); ++i) {
            total += packed.chances[call + i];
        }
        if (count > 0 && std::abs(total - 1) > kChanceSumTolerance) {
            return "holds a strategy whose chances do not sum to 1";
        }
        call += count;
    }
    return std::nullopt;
}

// Why the entry at `path` is no data file to read, judged by what it is and its size, or nothing.
// Judged before it is opened: a pipe under the name would hang the reader, and a sparse file of
// gigabytes take a minute to read.
std::optional<std::string> notADataFile(const std::filesystem::path& path, std::uintmax_t& size) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error) {
        return "cannot be read (" + error.message() + ")";
    }
    if (std::filesystem::is_directory(status)) {
        return "is a folder, not a file";
    }
    if (!std::filesystem::is_regular_file(status)) {
        return "is not a regular file";
    }
    size = std::filesystem::file_size(path, error);
    if (error) {
        return "cannot be read (" + error.message() + ")";
    }
    if (size > kMostDataFileBytes) {
        return "is " + std::to_string(size) + " bytes long, more than the " +
               std::to_string(kMostDataFileBytes >> 20) + " MB a solved game's data file may have";
    }
    return std::nullopt;
}

// The whole of a regular file of at most kMostDataFileBytes, or why it cannot be had.
BytesOrProblem fileBytes(const std::filesystem::path& path) {
    std::uintmax_t size = 0;
    if (auto refused = notADataFile(path, size)) {
        return problem(std::move(*refused));
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return problem("cannot be read");
    }
    // One byte past its size tells a file that grew since it was judged. A read error sets the
    // stream's bad bit instead of throwing from the stream buffer.
    std::string bytes(static_cast<std::size_t>(size) + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        return problem("cannot be read");
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > size) {
        return problem("grew while it was read");
    }
    return BytesOrProblem(std::in_place_index<0>, std::move(bytes));
}

} // namespace

std::filesystem::path dataFileName(RuleOptions options) {
    return std::string(optionWords(options)) + ".qsolved";
}

namespace {

// What a solved game is instead of the game under `options`, or nothing when it is that game.
std::optional<std::string> otherGame(const SolvedGame& game, RuleOptions options) {
    const Variant variant = game.variant();
    if (variant != kRealGame) {
        return "a game of " + std::to_string(variant.dice) + " dice of " +
               std::to_string(variant.faces) + " faces, not of the game's 5 dice of 6 faces";
    }
    if (game.options() != options) {
        return "the game under the options " + std::string(optionWords(game.options())) + ", not " +
               std::string(optionWords(options));
    }
    return std::nullopt;
}

} // namespace

std::shared_ptr<const SolvedGame> readRealGame(const std::filesystem::path& folder,
                                               RuleOptions options, std::string& problem) {
    const std::filesystem::path path = folder / dataFileName(options);
    try {
        LoadedGame loaded = readDataFile(path);
        if (!loaded.game) {
            problem = loaded.error;
        } else if (const auto other = otherGame(*loaded.game, options)) {
            problem = path.string() + " holds " + *other;
        } else {
            return std::make_shared<const SolvedGame>(std::move(*loaded.game));
        }
    } catch (const std::exception& error) {
        problem = path.string() + " cannot be read (" + error.what() + ")";
    }
    return nullptr;
}

std::string dataFileBytes(const SolvedGame& game, double tolerance, std::string_view command) {
    const std::string payload = payloadOf(game.parts());
    uLongf packedSize = compressBound(static_cast<uLong>(payload.size()));
    std::string packed(packedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                  reinterpret_cast<const Bytef*>(payload.data()),
                  static_cast<uLong>(payload.size()), Z_BEST_COMPRESSION) != Z_OK) {
        throw std::runtime_error("the solved game could not be compressed");
    }
    packed.resize(packedSize);
    const uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(payload.data()),
                            static_cast<uInt>(payload.size()));
    std::ostringstream header;
    header << "quintel-solved " << kFormatVersion << " faces=" << game.variant().faces
           << " dice=" << game.variant().dice << " options=" << optionWords(game.options())
           << " tolerance=" << exactNumberText(tolerance)
           << " gap=" << exactNumberText(game.largestGap()) << " crc32=" << hexText(crc)
           << " size=" << payload.size() << " command=" << command << '\n';
    return header.str() + packed;
}

std::optional<std::string> writeDataFile(const std::filesystem::path& path, const SolvedGame& game,
                                         double tolerance, std::string_view command) {
    std::filesystem::path temporary = path;
    temporary += ".part-" + std::to_string(std::random_device()());
    std::error_code ignored;
    try {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << dataFileBytes(game, tolerance, command);
        out.close();
        std::error_code renamed;
        if (out) {
            std::filesystem::rename(temporary, path, renamed);
        }
        if (out && !renamed) {
            return std::nullopt;
        }
    } catch (const std::exception&) {
        // Told below like any failed write.
    }
    std::filesystem::remove(temporary, ignored);
    return "cannot write " + path.string();
}

LoadedGame readDataBytes(std::string_view bytes, std::string_view name) {
    LoadedGame loaded;
    const auto fail = [&](const std::string& why) {
        loaded.error = std::string(name) + " " + why;
        return std::move(loaded);
    };
    const std::size_t lineEnd = bytes.find('\n');
    const auto header = parseHeader(bytes.substr(0, lineEnd));
    if (lineEnd == std::string_view::npos || header.index() != 0) {
        return fail(lineEnd == std::string_view::npos ? "is not a solved game's data file"
                                                      : std::get<1>(header));
    }
    const HeaderLine& line = std::get<0>(header);
    loaded.header = line.header;
    const auto payload = uncompressed(bytes.substr(lineEnd + 1), line);
    if (payload.index() != 0) {
        return fail(std::get<1>(payload));
    }
    auto parts = partsOf(std::get<0>(payload), line.header);
    if (!parts) {
        return fail("holds a solved game that does not fit its variant");
    }
    if (const auto unsound = unsoundFigures(*parts)) {
        return fail(*unsound);
    }
    loaded.game = SolvedGame::fromParts(std::move(*parts));
    if (!loaded.game) {
        return fail("holds a solved game that does not fit its variant");
    }
    return loaded;
}

LoadedGame readDataFile(const std::filesystem::path& path) {
    try {
        const BytesOrProblem bytes = fileBytes(path);
        if (bytes.index() != 0) {
            LoadedGame refused;
            refused.error = path.string() + " " + std::get<1>(bytes);
            return refused;
        }
        return readDataBytes(std::get<0>(bytes), path.string());
    } catch (const std::exception& error) {
        LoadedGame refused;
        refused.error = path.string() + " cannot be read (" + error.what() + ")";
        return refused;
    }
}

} // namespace quintel::solver
