#include "solver/data_file.h"

#include "model/number_text.h"

#include <zlib.h>

#include <bit>
#include <charconv>
#include <cstring>
#include <fstream>
#include <iterator>

namespace quintel::solver {

namespace {

static_assert(std::endian::native == std::endian::little, "the payload is little-endian");

constexpr std::string_view kMagic = "quintel-solved 3";

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
    if (!iterations || *calls > payload.size() || *trusted > payload.size() ||
        *stages > payload.size() || *positions > payload.size()) {
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

// The value of `name=` in the header's words, up to the next blank (the command: to the end).
std::optional<std::string> headerField(std::string_view line, std::string_view name) {
    std::string key = " ";
    key += name;
    key += '=';
    const std::size_t at = line.find(key);
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t start = at + key.size();
    const std::size_t end = name == "command" ? line.size() : line.find(' ', start);
    return std::string(line.substr(start, end == std::string_view::npos ? end : end - start));
}

template <class Number>
std::optional<Number> parsed(const std::optional<std::string>& text, int base = 10) {
    if (!text) {
        return std::nullopt;
    }
    Number value{};
    const char* end = text->data() + text->size();
    std::from_chars_result result{};
    if constexpr (std::is_floating_point_v<Number>) {
        result = std::from_chars(text->data(), end, value);
    } else {
        result = std::from_chars(text->data(), end, value, base);
    }
    if (result.ec != std::errc{} || result.ptr != end) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::filesystem::path dataFileName(RuleOptions options) {
    return std::string(optionWords(options)) + ".qsolved";
}

std::optional<std::string> writeDataFile(const std::filesystem::path& path, const SolvedGame& game,
                                         double tolerance, std::string_view command) {
    const std::string payload = payloadOf(game.parts());
    uLongf packedSize = compressBound(static_cast<uLong>(payload.size()));
    std::string packed(packedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                  reinterpret_cast<const Bytef*>(payload.data()),
                  static_cast<uLong>(payload.size()), Z_BEST_COMPRESSION) != Z_OK) {
        return "the solved game could not be compressed";
    }
    packed.resize(packedSize);
    const uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(payload.data()),
                            static_cast<uInt>(payload.size()));
    std::ofstream out(path, std::ios::binary);
    out << kMagic << " faces=" << game.variant().faces << " dice=" << game.variant().dice
        << " options=" << optionWords(game.options()) << " tolerance=" << exactNumberText(tolerance)
        << " gap=" << exactNumberText(game.largestGap()) << " crc32=" << hexText(crc)
        << " size=" << payload.size() << " command=" << command << '\n';
    out.write(packed.data(), static_cast<std::streamsize>(packed.size()));
    out.close();
    if (!out) {
        return "cannot write " + path.string();
    }
    return std::nullopt;
}

LoadedGame readDataFile(const std::filesystem::path& path) {
    LoadedGame loaded;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        loaded.error = "cannot read " + path.string();
        return loaded;
    }
    std::string line;
    std::getline(in, line);
    const std::string packed{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto faces = parsed<int>(headerField(line, "faces"));
    const auto dice = parsed<int>(headerField(line, "dice"));
    const auto options = parseOptionWords(headerField(line, "options").value_or(""));
    const auto tolerance = parsed<double>(headerField(line, "tolerance"));
    const auto gap = parsed<double>(headerField(line, "gap"));
    const auto crc = parsed<unsigned long>(headerField(line, "crc32"), 16);
    const auto size = parsed<unsigned long>(headerField(line, "size"));
    if (!line.starts_with(kMagic) || !faces || !dice || !options || !tolerance || !gap || !crc ||
        !size || !isSupported({*faces, *dice})) {
        loaded.error = path.string() + " is not a solved game's data file";
        return loaded;
    }
    loaded.header = {
        {*faces, *dice}, *options, *tolerance, *gap, headerField(line, "command").value_or("")};
    std::string payload(*size, '\0');
    uLongf payloadSize = *size;
    if (uncompress(reinterpret_cast<Bytef*>(payload.data()), &payloadSize,
                   reinterpret_cast<const Bytef*>(packed.data()),
                   static_cast<uLong>(packed.size())) != Z_OK ||
        payloadSize != *size ||
        crc32(0L, reinterpret_cast<const Bytef*>(payload.data()),
              static_cast<uInt>(payload.size())) != *crc) {
        loaded.error = path.string() + " is damaged: its checksum does not match";
        return loaded;
    }
    auto parts = partsOf(payload, loaded.header);
    if (parts) {
        loaded.game = SolvedGame::fromParts(std::move(*parts));
    }
    if (!loaded.game) {
        loaded.error = path.string() + " holds a solved game that does not fit its variant";
    }
    return loaded;
}

} // namespace quintel::solver
