#pragma once

#include "metadata/CamelotKey.hpp"
#include "metadata/KeyNotationOptions.hpp"

#include <optional>
#include <string>
#include <string_view>

// Reads key texts as rekordbox and DJs write them: Camelot ("8A") or classical ("F#m",
// "Db major", "E minor").
namespace cuevox::metadata::MusicalKeyConverter {

// A classical key name, such as "Am", "F♯m", "Dbmaj" or "c MAJOR"; nothing for anything else.
std::optional<CamelotKey> camelotKeyFromClassicalNotation(std::string_view text);

// An Open Key text, "1m" to "12m" (minor) or "1d" to "12d" (major), in either case, with at
// most one leading zero: 1m is 8A, 1d is 8B.
std::optional<CamelotKey> camelotKeyFromOpenKeyNotation(std::string_view text);

// Any key text: a Camelot text first, then Open Key when `options` allow it, then a classical
// name. Takes strings, views, optional strings and nothing alike.
std::optional<CamelotKey> parseAnyKeyNotation(std::optional<std::string_view> text,
                                              KeyNotationOptions options = {});

} // namespace cuevox::metadata::MusicalKeyConverter
