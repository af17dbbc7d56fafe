#include "model/translation.h"

#include <utility>
#include <vector>

namespace quintel {

namespace {

Translator& installed() {
    static Translator translator;
    return translator;
}

} // namespace

void setTranslator(Translator translator) {
    installed() = std::move(translator);
}

std::string translated(std::string_view context, std::string_view english) {
    const Translator& translator = installed();
    return translator ? translator(context, english) : std::string(english);
}

std::string translatedMarked(std::string_view context, std::string_view english) {
    return translated(context, english);
}

std::string withArguments(std::string_view text,
                          std::initializer_list<std::string_view> arguments) {
    const std::vector<std::string_view> values(arguments);
    std::string result;
    result.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char next = at + 1 < text.size() ? text[at + 1] : '\0';
        const auto number = static_cast<std::size_t>(next - '0');
        if (text[at] == '%' && next >= '1' && next <= '9' && number <= values.size()) {
            result += values[number - 1];
            ++at;
        } else {
            result += text[at];
        }
    }
    return result;
}

} // namespace quintel
