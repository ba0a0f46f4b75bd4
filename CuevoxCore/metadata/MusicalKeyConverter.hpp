#pragma once

#include "metadata/CamelotKey.hpp"

#include <optional>
#include <string>
#include <string_view>

// Reads key texts as rekordbox and DJs write them: Camelot ("8A") or classical ("F#m",
// "Db major", "E minor").
namespace cuevox::metadata::MusicalKeyConverter {

// A classical key name, such as "Am", "F♯m", "Dbmaj" or "c MAJOR"; nothing for anything else.
std::optional<CamelotKey> camelotKeyFromClassicalNotation(std::string_view text);

// Any key text: a Camelot text first, then a classical name. Takes strings, views, optional
// strings and nothing alike.
std::optional<CamelotKey> parseAnyKeyNotation(std::optional<std::string_view> text);

} // namespace cuevox::metadata::MusicalKeyConverter
