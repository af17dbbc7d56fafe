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

constexpr std::string_view kMagic = "quintel-solved 1";

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

std::string payloadOf(const SolvedGame::Parts& parts) {
    Writer out;
    std::uint32_t mixed = 0;
    std::uint32_t trusted = 0;
    for (const StageStrategy& strategy : parts.strategies) {
        mixed += static_cast<std::uint32_t>(strategy.calls.size());
        trusted += static_cast<std::uint32_t>(strategy.trust.size());
    }
    out.put(static_cast<std::uint32_t>(parts.stages.size()));
    out.put(static_cast<std::uint32_t>(parts.choices.size()));
    out.put(mixed);
    out.put(trusted);
    out.put(parts.largestGap);
    out.put(static_cast<std::int64_t>(parts.iterations));
    for (const std::uint16_t choice : parts.choices) {
        out.put(choice);
    }
    for (const auto& [call, kept] : parts.stages) {
        out.put(static_cast<std::int16_t>(call));
    }
    for (const auto& [call, kept] : parts.stages) {
        out.put(static_cast<std::uint16_t>(kept));
    }
    for (const double value : parts.stageValues) {
        out.put(value);
    }
    for (const StageStrategy& strategy : parts.strategies) {
        for (std::size_t t = 0; t + 1 < strategy.typeStart.size(); ++t) {
            out.put(static_cast<std::uint8_t>(strategy.typeStart[t + 1] - strategy.typeStart[t]));
        }
    }
    for (const StageStrategy& strategy : parts.strategies) {
        for (const MixedCall& call : strategy.calls) {
            out.put(static_cast<std::uint16_t>(call.call));
        }
    }
    for (const StageStrategy& strategy : parts.strategies) {
        for (const MixedCall& call : strategy.calls) {
            out.put(call.chance);
        }
    }
    for (const StageStrategy& strategy : parts.strategies) {
        out.put(static_cast<std::uint16_t>(strategy.trust.size()));
    }
    for (const StageStrategy& strategy : parts.strategies) {
        for (const MixedCall& trust : strategy.trust) {
            out.put(static_cast<std::uint16_t>(trust.call));
        }
    }
    for (const StageStrategy& strategy : parts.strategies) {
        for (const MixedCall& trust : strategy.trust) {
            out.put(trust.chance);
        }
    }
    return out.data();
}

// Reads `count` values of one kind into the given field of consecutive items.
template <class Stored, class Item, class Field>
bool readColumn(Reader& in, std::vector<Item>& items, Field field) {
    for (Item& item : items) {
        const auto value = in.get<Stored>();
        if (!value) {
            return false;
        }
        field(item, *value);
    }
    return true;
}

std::optional<SolvedGame::Parts> partsOf(std::string_view payload, const DataFileHeader& header) {
    Reader in(payload);
    const auto stages = in.get<std::uint32_t>();
    const auto positions = in.get<std::uint32_t>();
    const auto mixed = in.get<std::uint32_t>();
    const auto trusted = in.get<std::uint32_t>();
    const auto gap = in.get<double>();
    const auto iterations = in.get<std::int64_t>();
    if (!iterations || *mixed > payload.size() || *trusted > payload.size() ||
        *stages > payload.size() || *positions > payload.size()) {
        return std::nullopt;
    }
    SolvedGame::Parts parts;
    parts.variant = header.variant;
    parts.options = header.options;
    parts.largestGap = *gap;
    parts.iterations = static_cast<long>(*iterations);
    parts.choices.resize(*positions);
    parts.stages.resize(*stages);
    parts.stageValues.resize(*stages);
    parts.strategies.resize(*stages);
    std::vector<MixedCall> calls(*mixed);
    std::vector<MixedCall> trust(*trusted);
    const DiceSets sets(header.variant);
    bool ok = readColumn<std::uint16_t>(in, parts.choices, [](auto& c, auto v) { c = v; }) &&
              readColumn<std::int16_t>(in, parts.stages, [](auto& s, auto v) { s.first = v; }) &&
              readColumn<std::uint16_t>(in, parts.stages, [](auto& s, auto v) { s.second = v; }) &&
              readColumn<double>(in, parts.stageValues, [](auto& s, auto v) { s = v; });
    std::size_t callsSoFar = 0;
    for (std::size_t i = 0; ok && i < parts.stages.size(); ++i) {
        const int kept = parts.stages[i].second;
        if (kept >= sets.count()) {
            return std::nullopt;
        }
        StageStrategy& strategy = parts.strategies[i];
        const auto types = sets.ofSize(header.variant.dice - sets.diceIn(kept)).size();
        strategy.typeStart.push_back(0);
        for (std::size_t t = 0; ok && t < types; ++t) {
            const auto count = in.get<std::uint8_t>();
            ok = count.has_value();
            strategy.typeStart.push_back(strategy.typeStart.back() + (ok ? *count : 0));
        }
        callsSoFar += static_cast<std::size_t>(strategy.typeStart.back());
    }
    if (!ok || callsSoFar != calls.size()) {
        return std::nullopt;
    }
    std::vector<std::uint16_t> trustCounts(*stages);
    ok = readColumn<std::uint16_t>(in, calls, [](auto& c, auto v) { c.call = v; }) &&
         readColumn<double>(in, calls, [](auto& c, auto v) { c.chance = v; }) &&
         readColumn<std::uint16_t>(in, trustCounts, [](auto& c, auto v) { c = v; }) &&
         readColumn<std::uint16_t>(in, trust, [](auto& c, auto v) { c.call = v; }) &&
         readColumn<double>(in, trust, [](auto& c, auto v) { c.chance = v; });
    if (!ok || !in.atEnd()) {
        return std::nullopt;
    }
    auto nextCall = calls.begin();
    auto nextTrust = trust.begin();
    for (std::size_t i = 0; i < parts.stages.size(); ++i) {
        StageStrategy& strategy = parts.strategies[i];
        const auto callCount = static_cast<std::size_t>(strategy.typeStart.back());
        strategy.calls.assign(nextCall, nextCall + static_cast<std::ptrdiff_t>(callCount));
        nextCall += static_cast<std::ptrdiff_t>(callCount);
        if (static_cast<std::size_t>(trust.end() - nextTrust) < trustCounts[i]) {
            return std::nullopt;
        }
        strategy.trust.assign(nextTrust, nextTrust + trustCounts[i]);
        nextTrust += trustCounts[i];
    }
    if (nextTrust != trust.end()) {
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
