#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace quintel {

// The texts the game shows the player are written in English in the sources and reach the player
// in their language through the one translator the program installs at its start; the English
// text, with its context, is the key a translation is found by. Without a translator (the tests,
// the tools, the arena) every text stays English. Texts the history file and the record keep never
// pass through it.
//
// Every text given to `translated` or `marked` must be a string literal where it is called, so
// that the catalogue of texts can be gathered from the sources.

// A text in the player's language, from its English and its context.
using Translator = std::function<std::string(std::string_view context, std::string_view english)>;

// Installs `translator` for every text from now on; an empty one brings back English.
void setTranslator(Translator translator);

// `english` of `context` in the player's language.
std::string translated(std::string_view context, std::string_view english);

// Marks a text of a constant table for the catalogue: it is translated where it is shown, with
// `translatedMarked` and the same context.
constexpr std::string_view marked(std::string_view /*context*/, std::string_view english) {
    return english;
}

// As `translated`, for a text that `marked` put in the catalogue, held in a variable.
std::string translatedMarked(std::string_view context, std::string_view english);

// `text` with each of %1, %2, ... %9 replaced by the argument of that number, so that a
// translation may put them in its own order.
std::string withArguments(std::string_view text, std::initializer_list<std::string_view> arguments);

} // namespace quintel
