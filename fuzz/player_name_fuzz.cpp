// The name check against a model of its own: a name is accepted exactly when it is well-formed
// UTF-8 (decoded here by hand, byte by byte, independently of the program's decoder), holds none
// of the characters that show as something else, and can name a file inside the data folder.
#include "records/player_files.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The well-formed byte sequences of UTF-8: per lead byte, the range its second byte must fall in
// (which rules out overlong forms, surrogates and code points past U+10FFFF).
struct Lead {
    unsigned char first, last;
    int length;
    unsigned char secondLow, secondHigh;
};
constexpr Lead kLeads[] = {
    {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF}, {0xE1, 0xEC, 3, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
};

std::optional<std::vector<char32_t>> decode(std::string_view text) {
    std::vector<char32_t> characters;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
        if (byte(i) < 0x80) {
            characters.push_back(byte(i++));
            continue;
        }
        const Lead* lead = nullptr;
        for (const Lead& candidate : kLeads) {
            if (byte(i) >= candidate.first && byte(i) <= candidate.last) {
                lead = &candidate;
            }
        }
        if (lead == nullptr || i + static_cast<std::size_t>(lead->length) > text.size() ||
            byte(i + 1) < lead->secondLow || byte(i + 1) > lead->secondHigh) {
            return std::nullopt;
        }
        char32_t c = byte(i) & (0xFF >> (lead->length + 1));
        for (int k = 1; k < lead->length; ++k) {
            const unsigned char next = byte(i + static_cast<std::size_t>(k));
            if ((next & 0xC0) != 0x80) {
                return std::nullopt;
            }
            c = (c << 6) | (next & 0x3F);
        }
        characters.push_back(c);
        i += static_cast<std::size_t>(lead->length);
    }
    return characters;
}

bool refusedCharacter(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069) || c == 0x2028 || c == 0x2029 ||
           (c >= 0x200B && c <= 0x200D) || c == 0xFEFF;
}

bool modelAccepts(std::string_view name) {
    const auto characters = decode(name);
    if (!characters) {
        return false;
    }
    for (const char32_t c : *characters) {
        if (c == U'/' || refusedCharacter(c)) {
            return false;
        }
    }
    return name != "." && name != ".." && name.size() <= quintel::kLongestNameBytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view name(reinterpret_cast<const char*>(data), size);
    const std::optional<std::string> problem = quintel::playerNameProblem(name);
    if (problem.has_value() == modelAccepts(name)) {
        std::abort();
    }
    // An accepted name's files lie directly inside the data folder.
    const std::filesystem::path folder = "/data";
    if (!problem && (quintel::profilePath(folder, name).parent_path() != folder ||
                     quintel::historyPath(folder, name, 0).parent_path() != folder)) {
        std::abort();
    }
    return 0;
}
